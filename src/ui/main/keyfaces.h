#pragma once
// The faces under the keypad keys, shaBouton(0) to shaBouton(17): the digits 0 to 9 lie on
// faces 0 to 9, the operators "/", "+", "X", "-", "=" on 10 to 14 (face = 10 + operator
// index), then "," on 15, "C" on 16 and "CE" on 17. A pressed key rings its own face.

#include "engine/calculator.h"

#include <QtGlobal>

namespace KeyFaces {

constexpr int Count = 18;
constexpr qint16 FirstOperator = 10;
constexpr qint16 Equals = FirstOperator + qint16(Operator::Equals); // the one rounded rectangle, two keys wide
constexpr qint16 Decimal = FirstOperator + OperatorCount;
constexpr qint16 Cancel = 16;
constexpr qint16 CancelEntry = 17;

} // namespace KeyFaces
