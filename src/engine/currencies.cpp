#include "engine/currencies.h"

#include <algorithm>

namespace Euro {

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

const Currency *currencyOf(QStringView code)
{
    const auto at =
        std::find_if(CurrencyTable.begin(), CurrencyTable.end(), [code](const Currency &c) { return c.code == code; });
    return at == CurrencyTable.end() ? nullptr : &*at;
}

QString defaultRate(QStringView code)
{
    const Currency *c = currencyOf(code);
    return c ? c->defaultRate.toString() : QString();
}

} // namespace Euro
