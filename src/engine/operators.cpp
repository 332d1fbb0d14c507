#include "engine/operators.h"

namespace Euro {

QString operatorCaption(qint16 index)
{
    if (index < 0 || index >= OperatorCount)
        return QString();
    return QString(QChar(OperatorCaptions[index]));
}

std::optional<Operator> operatorOf(QStringView caption)
{
    if (caption.size() != 1)
        return std::nullopt;
    for (qint16 i = 0; i < OperatorCount; ++i) {
        if (caption[0] == QChar(OperatorCaptions[i]))
            return Operator(i);
    }
    return std::nullopt;
}

QString refusalReason(OperatorOutcome outcome)
{
    switch (outcome) {
    case OperatorOutcome::DivisionByZero: return QStringLiteral("Division par zéro");
    case OperatorOutcome::Overflow: return QStringLiteral("Dépassement de capacité");
    case OperatorOutcome::Done: break;
    }
    return QString();
}

} // namespace Euro
