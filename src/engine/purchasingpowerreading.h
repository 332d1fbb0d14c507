#pragma once
// What the window reads of the purchasing-power rule (engine/purchasingpower.h), without
// exact amounts: the years it covers, why it refuses, and its texts for a display's amount.

#include "engine/priceindex.h"

#include <QString>
#include <QStringView>

namespace Euro::PurchasingPower {

enum class Money { AncienFranc, Franc, Euro };

// The years the table covers, 1901 to its last.
inline int firstYear() { return PriceIndex::firstYear(); }
inline int lastYear() { return PriceIndex::lastYear(); }

enum class Refusal {
    None,
    OtherUnit,        // keyed in neither francs nor euros: the index is theirs alone
    YearOutsideTable, // a year before the table's first or after its last
    NotAnAmount,      // the text is not a number
    OutOfRange,       // the result, or the amount in its year's money, is beyond the largest magnitude
};

// The texts of the rule for a display's text ("100,") keyed in unitCode ("FRF" or "EUR"),
// of fromYear, in money of toYear; empty for a refusal.
struct Reading {
    Refusal refusal = Refusal::NotAnAmount;
    QString sentence;      // « 100 F de 1985 valent 31,86 € de 2025 »
    QString tapeLine;      // « 100 F de 1985 = 31,86 € de 2025 (Insee) »
    QString precisionNote; // when the indices are too coarse for the result, else empty
    bool ok() const { return refusal == Refusal::None; }
};
Reading read(QStringView displayText, QStringView unitCode, int fromYear, int toYear);

// « Source : Insee, indice des prix à la consommation (série 011813530, base 2025) »
QString sourceLine();

} // namespace Euro::PurchasingPower
