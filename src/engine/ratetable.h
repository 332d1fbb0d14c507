#pragma once
// The rates in force for this run, one a currency, in the lists' sorted order (ATS first,
// PTE last). Filled from the settings store when the window loads, changed when a rate is
// validated; the calculator owns it. Lookups go by code, never by a fixed position.

#include "engine/currencies.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace Euro {

class RateTable
{
public:
    using Reader = std::function<QString(const QString &code)>;

    // Every code with an empty rate text.
    RateTable();
    // readRate(code) gives the stored rate text ("" when absent: the entry is the code alone).
    explicit RateTable(const Reader &readRate);

    // The position of code's entry (case-sensitive), -1 when none.
    int indexOf(QStringView code) const;
    // The rate text of code; none when the code is not in the table.
    std::optional<QString> rateOf(QStringView code) const;
    // Replaces the rate text of code; false, and nothing changed, when the code is not in it.
    bool setRate(QStringView code, const QString &rateText);
    // Entry i, the code immediately followed by its rate text: "FRF6,55957".
    QString entry(int i) const;

    bool operator==(const RateTable &) const = default;

private:
    struct Rate {
        QString code;
        QString text;
        bool operator==(const Rate &) const = default;
    };
    std::array<Rate, CurrencyCount> m_rates;
};

} // namespace Euro
