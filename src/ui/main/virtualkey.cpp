#include "ui/main/virtualkey.h"

#include "engine/keymap.h"

#include <QKeyEvent>

namespace Euro {

int virtualKeyCode(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return VkNumpad0 + (qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk: return VkMultiply;
        case Qt::Key_Plus: return VkAdd;
        case Qt::Key_Minus: return VkSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma: return VkDecimal; // the keypad's decimal separator, whatever the layout prints
        case Qt::Key_Slash: return VkDivide;
        default: break; // with Num Lock off the keypad sends Home, Insert, Delete...: same codes as below
        }
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return Vk0 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return VkA + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VkF1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return VkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VkReturn;
    case Qt::Key_Shift: return VkShift;
    case Qt::Key_Control: return VkControl;
    case Qt::Key_Alt: return VkMenu;
    case Qt::Key_Pause: return VkPause;
    case Qt::Key_CapsLock: return VkCapital;
    case Qt::Key_Escape: return VkEscape;
    case Qt::Key_Space: return VkSpace;
    case Qt::Key_PageUp: return VkPrior;
    case Qt::Key_PageDown: return VkNext;
    case Qt::Key_End: return VkEnd;
    case Qt::Key_Home: return VkHome;
    case Qt::Key_Left: return VkLeft;
    case Qt::Key_Up: return VkUp;
    case Qt::Key_Right: return VkRight;
    case Qt::Key_Down: return VkDown;
    case Qt::Key_Print: return VkSnapshot;
    case Qt::Key_Insert: return VkInsert;
    case Qt::Key_Delete: return VkDelete;
    case Qt::Key_NumLock: return VkNumLock;
    case Qt::Key_ScrollLock: return VkScroll;
    default: return VkNone;
    }
}

int virtualKeyCode(const QKeyEvent &event)
{
    return virtualKeyCode(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        mask |= 1;
    if (modifiers.testFlag(Qt::ControlModifier))
        mask |= 2;
    if (modifiers.testFlag(Qt::AltModifier))
        mask |= 4;
    return mask;
}

bool isModifierKey(int qtKey)
{
    return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt || qtKey == Qt::Key_AltGr
           || qtKey == Qt::Key_Meta;
}

bool isLockKey(int qtKey)
{
    return qtKey == Qt::Key_NumLock || qtKey == Qt::Key_CapsLock || qtKey == Qt::Key_ScrollLock;
}

} // namespace Euro
