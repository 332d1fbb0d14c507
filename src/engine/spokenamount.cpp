#include "engine/spokenamount.h"

#include "engine/currencies.h"
#include "engine/numbertext.h"

namespace Euro {

QString spokenAmount(QStringView displayText, QStringView code)
{
    const NumberText::ReadResult read = NumberText::parse(displayText);
    if (read.status != NumberText::ReadStatus::Number && read.status != NumberText::ReadStatus::OutOfRange)
        return {};
    const bool plural = read.status == NumberText::ReadStatus::OutOfRange || abs(read.value) >= 2;
    QStringView unit = plural ? u"euros" : u"euro";
    if (code != u"EUR") {
        const Currency *currency = currencyOf(code);
        if (!currency)
            return {};
        unit = plural ? currency->plural : currency->singular;
    }
    QStringView amount = displayText;
    if (amount.endsWith(u','))
        amount.chop(1);
    return amount.toString() + u' ' + unit.toString();
}

QString spokenPair(QStringView ownText, QStringView ownCode, QStringView otherText, QStringView otherCode)
{
    const QString own = spokenAmount(ownText, ownCode);
    const QString other = spokenAmount(otherText, otherCode);
    if (own.isEmpty() || other.isEmpty())
        return own;
    return own + QStringLiteral(", soit ") + other;
}

} // namespace Euro
