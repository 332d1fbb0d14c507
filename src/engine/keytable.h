#pragma once
// Every key of the calculator, one row each: what it runs, the name of its control, its
// caption, hint and spoken name, where its label and its face lie on the window (twips),
// and the keyboard keys that run it too. The keypad is drawn from these rows and the key
// map reads them, so a key that runs an existing kind of command is one row; a new kind
// of command adds its routine to the calculator (Calculator::run) and nothing else.

#include "engine/keymap.h"

#include <QString>
#include <array>
#include <span>

namespace Euro {

struct TwipsBox {
    int left = 0, top = 0, width = 0, height = 0;
};

struct KeyRow {
    KeyAction action;
    const char16_t *name = u"";    // the label's control name: "lblBouton(7)", "Decimal"
    const char16_t *caption = u""; // empty: a keyboard key without a label (Backspace)
    const char16_t *hint = u"";    // the tooltip the design gives
    const char16_t *spoken = u"";  // what a screen reader calls it, when not the hint
    bool onKeypad = false;         // in the digit block (fraClavier), else beside it
    TwipsBox label;
    TwipsBox face;
    std::array<int, 2> codes{};  // virtual-key codes that run it (0: none)
    const char16_t *typed = u""; // characters of the typing block that run it

    bool hasLabel() const { return caption[0] != u'\0'; }
    QString spokenName() const { return QString::fromUtf16(spoken[0] ? spoken : hint); }
};

// The calculator's keys.
std::span<const KeyRow> keyTable();

// The faces of a table's labelled keys, "shaBouton(0)" on: the digits first by their digit,
// then the operators by their index, then the other keys in table order, so that a new key
// always gets a face of its own. -1 for a row without a label.
int keyFace(std::span<const KeyRow> rows, std::size_t row);
// How many faces a table's keys have.
int keyFaceCount(std::span<const KeyRow> rows);

// What a key does, from a table's rows: by its code first, then by the one character it
// types (typed; empty for a key typed with Ctrl or Alt).
KeyAction keyAction(std::span<const KeyRow> rows, int keyCode, QStringView typed = {});

} // namespace Euro
