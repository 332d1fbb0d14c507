#pragma once
// The calculator's fields, under the names the whole program uses. The calculator owns
// them and changes them only through its operations; the engine's tests read them here.
// Operands hold exact amounts: only the engine includes this header.

#include "engine/value.h"

#include <QString>

struct CalculatorState {
    qint16 DecimalPlaces = 2; // decimals of the converted display: 2 or 5
    qint16 InputDisplay = 1;  // index of the ReadOut display keyed into: 0 euros, 1 currency
    Value CurrentRate;        // rate text of the selected currency, e.g. "6,55957"
    QString CurrencyCode;     // three-letter code of the selected currency
    qint16 KeepOnTop = -1;    // window stays above others: 0 or -1
    Value Operand1;           // first operand, then the running result
    Value Operand2;           // second operand
    qint16 DecimalTyped = 0;  // the decimal separator was keyed: 0 or -1
    qint16 OperandCount = 0;  // operands held: 0 or 1 between two events
    Value LastInputKind;      // "NONE", "NUMS", "OPS", "NEG" or "CE"
    Value PendingOperator;    // " ", "+", "-", "X", "/" or "="
    Value EntryText;          // input display text when an operator key was pressed
};
