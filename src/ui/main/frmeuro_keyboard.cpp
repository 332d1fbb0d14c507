// The keyboard of the calculator window.
//
// Keys come as classic virtual-key codes (see virtualkey.h) with the character they type,
// and mean what the key map (engine/keymap.h) says: the numeric keypad drives the
// calculator by its codes, the typing block by its digits and symbols. A key reaches the
// window as Qt passes it on: the focused control has had it first and left it (the locked
// displays leave every key that would type). Tab, Shift+Tab and the focused control's own
// keys never come here (frmeuro_focus.cpp); the function keys, copy, paste, the zoom and
// saving the tape are the window's shortcuts (windowactions.cpp), whatever has the focus.

#include "ui/main/frmeuro.h"

#include "engine/keymap.h"
#include "ui/kit/messageboxes.h"
#include "ui/kit/euro.h"
#include "ui/main/codelist.h"
#include "ui/main/displaybox.h"
#include "ui/main/parameterspanel.h"
#include "ui/main/virtualkey.h"

#include <QKeyEvent>
#include <new>

void FrmEuro::keyPressEvent(QKeyEvent *event)
{
    // Shift, Ctrl or Alt pressed alone is not a key stroke yet: Shift+Tab starts with Shift.
    if (Euro::isModifierKey(event->key())) {
        event->ignore();
        return;
    }
    const int code = Euro::virtualKeyCode(*event);
    const int shift = Euro::shiftState(event->modifiers());
    // A key that is not the calculator's shows where the focus is: the user is finding
    // their way with the keyboard. The lock keys only change what the others type.
    if (!Euro::isLockKey(event->key()) && keyActionOf(code, shift, event->text()).command == Euro::KeyCommand::None)
        showFocusRing(true);
    Form_KeyDown(code, shift, event->text());
}

void FrmEuro::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        closeDropList();
    QWidget::changeEvent(event);
}

void FrmEuro::Form_KeyDown(int KeyCode, int Shift, QStringView typed)
{
    const Euro::KeyAction action = keyActionOf(KeyCode, Shift, typed);

    // The parameters panel keeps its keys (the rate box edits them).
    if (!ui.fraParametres->isHidden())
        return;

    // Any key brings the focus back to the display keyed into. A hidden display cannot
    // take it; that is fine.
    const qint16 input = m_calculator.inputDisplay();
    if (input >= 0 && input < qint16(keypad().ReadOut.size()) && keypad().ReadOut[size_t(input)]->isVisibleTo(this))
        keypad().ReadOut[size_t(input)]->setFocus();
    runKeyAction(action);
}

void FrmEuro::runKeyAction(const Euro::KeyAction &action)
{
    closeDropList(); // a key pressed by any means, a screen reader's press included
    // A refused operation is told in a message. The one exception
    // that can come is Qt's std::bad_alloc when memory runs out: it cannot cross Qt's event
    // loop, so the key's action stops there and the window goes on. Anything else is a
    // fault of the program and ends it.
    try {
        const OperatorOutcome outcome = m_calculator.run(action);
        if (outcome != OperatorOutcome::Done)
            Euro::MsgBox(Euro::refusalReason(outcome) + u'.', Euro::vbExclamation, Euro::appTitle());
    } catch (const std::bad_alloc &) {
    }
}
