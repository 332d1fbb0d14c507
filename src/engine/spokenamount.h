#pragma once
// Amounts in words for a screen reader: "100 francs français", "1,5 euro". French puts the
// unit in the plural from 2 on and in the singular below (0, 1 and 1,99 take the singular).

#include <QString>
#include <QStringView>

namespace Euro {

// The amount as a display shows it ("100," says "100"), then its unit's name: "EUR" for the
// euro, else a code of the currency table. Empty when the display holds no number.
QString spokenAmount(QStringView displayText, QStringView code);

// "100 francs français, soit 15,24 euros": one display's amount, then the other's; the
// first alone when the other holds no number.
QString spokenPair(QStringView ownText, QStringView ownCode, QStringView otherText, QStringView otherCode);

} // namespace Euro
