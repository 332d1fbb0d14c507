#include "engine/spokenamount.h"

#include "engine/currencies.h"
#include "engine/numbertext.h"
#include "tape/tape.h"

namespace Euro {

QString spokenAmount(QStringView displayText, QStringView code)
{
    const NumberText::ReadResult read = NumberText::parse(displayText);
    // An entry keyed without digits yet ("-", ",", "-,") counts as zero.
    const bool noDigits = read.status == NumberText::ReadStatus::NoDigits && !displayText.isEmpty();
    if (read.status != NumberText::ReadStatus::Number && read.status != NumberText::ReadStatus::OutOfRange && !noDigits)
        return {};
    const bool plural = !noDigits && (read.status == NumberText::ReadStatus::OutOfRange || abs(read.value) >= 2);
    QStringView unit = plural ? u"euros" : u"euro";
    if (code != EuroCode) {
        const Currency *currency = currencyOf(code);
        if (!currency)
            return {};
        unit = plural ? currency->plural : currency->singular;
    }
    if (noDigits) {
        const QString zero = QStringLiteral("0 ") + unit.toString();
        return displayText.startsWith(u'-') ? zero + QStringLiteral(" (signe moins en attente)") : zero;
    }
    return Tape::displayAmount(displayText) + u' ' + unit.toString();
}

QString spokenPair(QStringView ownText, QStringView ownCode, QStringView otherText, QStringView otherCode)
{
    // The calculator empties a display only when the other's amount is too large for it.
    if (ownText.isEmpty())
        return conversionOverflowNote(ownCode);
    const QString own = spokenAmount(ownText, ownCode);
    if (otherText.isEmpty())
        return own.isEmpty() ? own : own + QStringLiteral(", ") + conversionOverflowNote(otherCode);
    const QString other = spokenAmount(otherText, otherCode);
    if (own.isEmpty() || other.isEmpty())
        return own;
    return own + QStringLiteral(", soit ") + other;
}

QString conversionOverflowNote(QStringView code)
{
    const Currency *currency = code == EuroCode ? nullptr : currencyOf(code);
    const QStringView unit = currency ? currency->plural : QStringView(u"euros");
    return QStringLiteral("conversion en ") + unit.toString() + QStringLiteral(" impossible : dépassement de capacité");
}

} // namespace Euro
