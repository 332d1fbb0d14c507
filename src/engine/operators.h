#pragma once
// The operator keys: their indexes, their captions, and what an operator key did. Compared
// as exact texts ("+", "X", "="), as the tape and the pending operator write them.

#include <QString>
#include <QStringView>
#include <optional>

// The operator keys, by the index their key routine takes.
enum class Operator : qint16 { Divide = 0, Add = 1, Multiply = 2, Subtract = 3, Equals = 4 };
inline constexpr qint16 OperatorCount = 5;
// Their captions, as the keys, the tape and PendingOperator write them.
inline constexpr char16_t OperatorCaptions[OperatorCount] = {u'/', u'+', u'X', u'-', u'='};

// What an operator key did. A refused operation leaves the first operand as it was, and the
// window tells the user why.
enum class OperatorOutcome { Done, DivisionByZero, Overflow };

namespace Euro {

// Operator captions by index: "/", "+", "X", "-", "="; empty outside the keys.
QString operatorCaption(qint16 index);
// The operator a caption names, if any.
std::optional<Operator> operatorOf(QStringView caption);
// Why an operation was refused, as the tape writes it in place of the result: "Division par
// zéro", "Dépassement de capacité"; empty for Done. The message box adds the full stop.
QString refusalReason(OperatorOutcome outcome);

} // namespace Euro
