#pragma once
// The calculator's keyboard map. Keys are known by their classic virtual-key codes
// (Windows numbering: keypad 0 is 96, Enter 13, F1 112), whatever the desktop's own key
// numbering; the window turns a key press into such a code and asks keyAction what it
// does. The numeric keypad drives the calculator by its codes; the typing block by the
// characters its keys type, so that every keyboard layout works (a French layout types
// digits with Shift).

#include <QStringView>
#include <QtGlobal>

namespace Euro {

enum VirtualKey : int {
    VkNone = 0, // a key without a code of its own
    VkBack = 8,
    VkTab = 9,
    VkReturn = 13, // Enter of the typing block and of the keypad
    VkShift = 16,
    VkControl = 17,
    VkMenu = 18, // Alt
    VkPause = 19,
    VkCapital = 20, // Caps Lock
    VkEscape = 27,
    VkSpace = 32,
    VkPrior = 33, // Page Up
    VkNext = 34,  // Page Down
    VkEnd = 35,
    VkHome = 36,
    VkLeft = 37,
    VkUp = 38,
    VkRight = 39,
    VkDown = 40,
    VkSnapshot = 44, // Print Screen
    VkInsert = 45,
    VkDelete = 46,
    Vk0 = 48,       // digits of the typing block, 48 to 57
    VkA = 65,       // letters, 65 to 90
    VkNumpad0 = 96, // keypad digits, 96 to 105
    VkNumpad9 = 105,
    VkMultiply = 106,
    VkAdd = 107,
    VkSubtract = 109,
    VkDecimal = 110, // the keypad's decimal separator
    VkDivide = 111,
    VkF1 = 112, // function keys, 112 to 135
    VkF2 = 113,
    VkF24 = 135,
    VkNumLock = 144,
    VkScroll = 145,
};

// What a key does to the calculator: the routine it runs (Calculator::run), with the digit
// or the operator index (as the Operator keys number them) where the routine takes one.
enum class KeyCommand { None, Digit, Decimal, Operator, EraseDigit, ClearEntry, ClearAll };

struct KeyAction {
    KeyCommand command = KeyCommand::None;
    qint16 index = 0;
    bool operator==(const KeyAction &) const = default;
};

// What a key does, from the calculator's key table (engine/keytable.h): by its code first,
// then by the one character it types (typed; empty for a key typed with Ctrl or Alt): the
// digits, "+", "-", "*" or "x", "/", "=", and "," or "." for the decimal key.
KeyAction keyAction(int keyCode, QStringView typed = {});

} // namespace Euro
