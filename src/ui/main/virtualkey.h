#pragma once
// The window's key routine works with the classic virtual-key codes (keypad 0 is 96,
// Enter is 13, F1 is 112...) and a Shift/Ctrl/Alt mask, whatever the desktop's own key
// numbering. This turns a Qt key press into those two numbers; the codes are those of
// Euro::VirtualKey (engine/keymap.h).

#include <Qt>

class QKeyEvent;

namespace Euro {

// The virtual-key code of a key; keypad tells a key of the numeric keypad. 0 for a key
// without a code of its own (symbols of the typing block, dead keys).
int virtualKeyCode(int qtKey, bool keypad);
int virtualKeyCode(const QKeyEvent &event);

// 1 Shift, 2 Ctrl, 4 Alt, added together.
int shiftState(Qt::KeyboardModifiers modifiers);
// Ctrl or Alt (in a shift state) make a key a shortcut, whatever it types.
inline bool makesShortcut(int shift) { return (shift & 6) != 0; }

// Shift, Ctrl, Alt, AltGr or Meta pressed alone: not a key stroke yet (Shift+Tab starts with Shift).
bool isModifierKey(int qtKey);
// Num Lock, Caps Lock, Scroll Lock: they only change what the other keys type.
bool isLockKey(int qtKey);

} // namespace Euro
