#pragma once
// Reading an amount that comes from elsewhere: the clipboard or a dropped text.
//
// People copy amounts as they are written around them: "1 234 567,89 €", "FRF 100",
// "1.234,56", "1,234.56", "12.50", "-5", "1,5E+20". The reading keeps what a display could
// show had the amount been keyed, and refuses anything it would have to guess at.

#include <QString>
#include <QStringView>
#include <optional>

namespace Euro::NumberText {

// The amount in text, as keying it would have left the display: the decimal comma, no
// grouping, no mark ("1234,56", "12,", "-5,", "1,5E+20"). unitCode is the code of the
// display it goes into ("EUR" or a currency's code): a currency mark must name that unit.
// Nothing when the text is not one amount of that unit, or one no display can hold.
//
// Accepted, with spaces, tabs and line breaks around it ignored:
//   - one optional sign, "-" or U+2212, before the number or its leading mark;
//   - digits grouped by threes with spaces, no-break or narrow no-break spaces;
//   - one decimal separator, "," or "." (when both appear, the later one; the other groups
//     by threes; several of one kind group by threes);
//   - the exponent form the displays write, "1,5E+20";
//   - one mark of the unit before or after the number: the code in any case, "€" for the
//     euro, "F" and "FF" for the franc, "DM" for the mark.
std::optional<QString> readPasted(QStringView text, QStringView unitCode);

} // namespace Euro::NumberText
