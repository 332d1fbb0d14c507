#include "engine/currencies.h"

#include <algorithm>

namespace Euro {

std::array<QString, CurrencyCount> RateTable;
qint16 RateIndex = 0;
QString RateCode;

QStringList sortedListTexts()
{
    QStringList texts;
    for (const Currency &c : CurrencyTable)
        texts.append(c.listText.toString());
    std::stable_sort(texts.begin(), texts.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return texts;
}

void buildRateTable(const std::function<QString(const QString &code)> &readRate)
{
    RateTable = {};
    const QStringList texts = sortedListTexts();
    for (RateIndex = 0; RateIndex < CurrencyCount; ++RateIndex) {
        const QString code = texts.at(RateIndex).left(3);
        RateTable[RateIndex] = code + readRate(code);
    }
}

int findRate(const QString &code)
{
    for (RateIndex = 0; RateIndex < CurrencyCount; ++RateIndex) {
        if (QStringView(RateTable[RateIndex]).left(3) == code)
            return RateIndex;
    }
    return -1;
}

QString rateText(int i) { return RateTable.at(i).mid(3); }

const Currency *currencyOf(QStringView code)
{
    const auto at = std::find_if(CurrencyTable.begin(), CurrencyTable.end(),
                                 [code](const Currency &c) { return c.code == code; });
    return at == CurrencyTable.end() ? nullptr : &*at;
}

QString defaultRate(QStringView code)
{
    const Currency *c = currencyOf(code);
    return c ? c->defaultRate.toString() : QString();
}

} // namespace Euro
