// The keyboard of the calculator window.
//
// Keys come as classic virtual-key codes (see virtualkey.h) with the character they type,
// and mean what the key map (engine/keymap.h) says: the numeric keypad drives the
// calculator by its codes, the typing block by its digits and symbols. The routine never consumes a key: after it the key goes on to
// the focused control, which for the locked displays changes nothing. Tab, Shift+Tab and
// the focused control's own keys never come here (frmeuro_focus.cpp).

#include "ui/main/frmeuro.h"

#include "ui/kit/euro.h"
#include "engine/keymap.h"
#include "ui/about/frmabout.h"

#include <QFrame>
#include <QLineEdit>
#include <new>

namespace {

// A fresh About window each time, modal: the calculator waits until it closes.
void showAbout(QWidget *owner)
{
    FrmAbout about(owner);
    about.exec();
}

} // namespace

void FrmEuro::Form_KeyDown(int KeyCode, int Shift, QStringView typed)
{
    const Euro::KeyAction action = keyActionOf(KeyCode, Shift, typed);

    // The parameters panel keeps its keys (the rate box edits them); only help and About act.
    if (!ui.fraParametres->isHidden() && !Euro::actsOverParameters(action))
        return;

    // Any key brings the focus back to the display keyed into. A hidden display cannot
    // take it; that is fine.
    const qint16 input = m_calculator.state().InputDisplay;
    if (input >= 0 && input < qint16(ui.ReadOut.size()) && ui.ReadOut[size_t(input)]->isVisibleTo(this))
        ui.ReadOut[size_t(input)]->setFocus();
    runKeyAction(action);
}

void FrmEuro::runKeyAction(const Euro::KeyAction &action)
{
    closeDropList(); // a key pressed by any means, a screen reader's press included
    // The routines report their own failures in their own messages. The one exception
    // that can come is Qt's std::bad_alloc when memory runs out: it cannot cross Qt's event
    // loop, so the key's action stops there and the window goes on. Anything else is a
    // fault of the program and ends it.
    try {
        switch (action.command) {
        case Euro::KeyCommand::Digit: lblBouton_Click(action.index); break;
        case Euro::KeyCommand::Operator: Operator_Click(action.index); break;
        case Euro::KeyCommand::Decimal: Decimal_Click(); break;
        case Euro::KeyCommand::ClearEntry: CancelEntry_Click(); break;
        case Euro::KeyCommand::ClearAll: Cancel_Click(); break;
        case Euro::KeyCommand::About: showAbout(this); break;
        case Euro::KeyCommand::Help: Euro::ShowHelpFile(this, QStringLiteral("aide.htm")); break;
        case Euro::KeyCommand::None: break;
        }
    } catch (const std::bad_alloc &) {
    }
}
