#pragma once
// Amounts in words for a screen reader: "100 francs français", "1,5 euro". French puts the
// unit in the plural from 2 on and in the singular below (0, 1 and 1,99 take the singular).

#include <QString>
#include <QStringView>

namespace Euro {

// The amount as a display shows it ("100," says "100"), then its unit's name: "EUR" for the
// euro, else a code of the currency table. An entry without digits says the zero it counts
// as, and a pending sign ("-"). Empty when the display holds no number.
QString spokenAmount(QStringView displayText, QStringView code);

// "100 francs français, soit 15,24 euros": one display's amount, then the other's; the
// first alone when the other holds no number. An emptied display (the other's amount is too
// large for it) says so.
QString spokenPair(QStringView ownText, QStringView ownCode, QStringView otherText, QStringView otherCode);

// What a display says when the other's amount is too large for it: "conversion en euros
// impossible : dépassement de capacité", code being the unit it cannot be shown in.
QString conversionOverflowNote(QStringView code);

} // namespace Euro
