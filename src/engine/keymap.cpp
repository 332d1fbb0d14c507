#include "engine/keymap.h"

#include "engine/operators.h"

namespace Euro {

namespace {

// The operator keys, by the index of their Operator label.
constexpr qint16 OperatorDivide = qint16(Operator::Divide);
constexpr qint16 OperatorAdd = qint16(Operator::Add);
constexpr qint16 OperatorMultiply = qint16(Operator::Multiply);
constexpr qint16 OperatorSubtract = qint16(Operator::Subtract);
constexpr qint16 OperatorEquals = qint16(Operator::Equals);

} // namespace

KeyAction keyAction(int keyCode)
{
    if (keyCode >= VkNumpad0 && keyCode <= VkNumpad9)
        return {KeyCommand::Digit, qint16(keyCode - VkNumpad0)};
    switch (keyCode) {
    case VkAdd: return {KeyCommand::Operator, OperatorAdd};
    case VkDivide: return {KeyCommand::Operator, OperatorDivide};
    case VkMultiply: return {KeyCommand::Operator, OperatorMultiply};
    case VkSubtract: return {KeyCommand::Operator, OperatorSubtract};
    case VkBack: return {KeyCommand::EraseDigit};
    case VkReturn: return {KeyCommand::Operator, OperatorEquals};
    case VkDecimal: return {KeyCommand::Decimal};
    case VkDelete: return {KeyCommand::ClearAll};
    case VkF2: return {KeyCommand::About};
    case VkF1: return {KeyCommand::Help};
    default: return {};
    }
}

KeyAction keyAction(int keyCode, QStringView typed)
{
    const KeyAction byCode = keyAction(keyCode);
    if (byCode.command != KeyCommand::None || typed.size() != 1)
        return byCode;
    const char16_t c = typed[0].unicode();
    if (c >= u'0' && c <= u'9')
        return {KeyCommand::Digit, qint16(c - u'0')};
    switch (c) {
    case u'+': return {KeyCommand::Operator, OperatorAdd};
    case u'-': return {KeyCommand::Operator, OperatorSubtract};
    case u'*':
    case u'x':
    case u'X': return {KeyCommand::Operator, OperatorMultiply};
    case u'/': return {KeyCommand::Operator, OperatorDivide};
    case u'=': return {KeyCommand::Operator, OperatorEquals};
    case u',':
    case u'.': return {KeyCommand::Decimal};
    default: return {};
    }
}

bool actsOverParameters(const KeyAction &action)
{
    return action.command == KeyCommand::Help || action.command == KeyCommand::About;
}

} // namespace Euro
