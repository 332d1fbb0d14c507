#include "engine/ratetable.h"

namespace Euro {

RateTable::RateTable()
    : RateTable([](const QString &) { return QString(); })
{}

RateTable::RateTable(const Reader &readRate)
{
    const QStringList texts = sortedListTexts();
    for (size_t i = 0; i < m_rates.size(); ++i) {
        const QString code = texts.at(qsizetype(i)).left(3);
        m_rates[i] = {code, readRate(code)};
    }
}

int RateTable::indexOf(QStringView code) const
{
    for (size_t i = 0; i < m_rates.size(); ++i) {
        if (m_rates[i].code == code)
            return int(i);
    }
    return -1;
}

std::optional<QString> RateTable::rateOf(QStringView code) const
{
    const int i = indexOf(code);
    return i < 0 ? std::nullopt : std::optional<QString>(m_rates[size_t(i)].text);
}

bool RateTable::setRate(QStringView code, const QString &rateText)
{
    const int i = indexOf(code);
    if (i < 0)
        return false;
    m_rates[size_t(i)].text = rateText;
    return true;
}

QString RateTable::entry(int i) const
{
    const Rate &rate = m_rates.at(size_t(i));
    return rate.code + rate.text;
}

} // namespace Euro
