#pragma once
// Reading an amount that comes from elsewhere: the clipboard or a dropped text.
//
// People copy amounts as they are written around them: "1 234 567,89 €", "FRF 100",
// "1.234,56", "1,234.56", "12.50", "-5", "1,5E+20". The reading keeps what a display could
// show had the amount been keyed, and refuses anything it would have to guess at.

#include <QString>
#include <QStringView>

namespace Euro::NumberText {

// Why a pasted text was refused, so that the user can be told.
enum class PasteRefusal {
    None,        // read
    NotAnAmount, // nothing that reads as one amount
    OtherUnit,   // an amount marked in another unit than the display's
    Ambiguous,   // "2.500": thousands to a French reader, decimals to an English one
    TooLong,     // more characters than a display holds (MaxTextLength)
    OutOfRange,  // beyond the largest magnitude, or so small it would read as zero
};

struct PastedAmount {
    PasteRefusal refusal = PasteRefusal::NotAnAmount;
    QString keyed;       // read: the amount as keying it would have left the display
    QString markedUnit;  // OtherUnit: the code of the unit the mark names ("EUR", "DEM")
    QString asThousands; // Ambiguous: both readings in the number text form, "2500" and "2,5"
    QString asDecimals;
    bool read() const { return refusal == PasteRefusal::None; }
};

// The amount in text, as keying it would have left the display: the decimal comma, no
// grouping, no mark ("1234,56", "12,", "-5,", "1,5E+20"). unitCode is the code of the
// display it goes into ("EUR" or a currency's code): a currency mark must name that unit.
// Refused, with the reason, when the text is not one amount of that unit, when it could be
// read two ways, or when no display can hold it.
//
// Accepted, with spaces, tabs and line breaks around it ignored:
//   - one optional sign, "-" or U+2212, before the number or its leading mark;
//   - digits grouped by threes with spaces, no-break or narrow no-break spaces;
//   - one decimal separator, "," or "." (when both appear, the later one; the other groups
//     by threes; several of one kind group by threes); a lone "." before exactly three
//     digits, after one to three digits that do not start with 0, is refused as ambiguous,
//     except in the exponent form, which never groups;
//   - the exponent form the displays write, "1,5E+20";
//   - one mark of the unit before or after the number: the code in any case, "€" for the
//     euro, "F" and "FF" for the franc, "DM" for the mark.
PastedAmount readPasted(QStringView text, QStringView unitCode);

} // namespace Euro::NumberText
