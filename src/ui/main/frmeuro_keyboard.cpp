// The keyboard of the calculator window.
//
// Keys come as classic virtual-key codes (see virtualkey.h): the numeric keypad drives the
// calculator, the typing block's digits and symbols do not. The routine never consumes a
// key: after it the key goes on to the focused control, which for the locked displays
// changes nothing.

#include "ui/main/frmeuro.h"

#include "app/euro.h"
#include "ui/about/frmabout.h"

#include <QFrame>
#include <QLineEdit>

namespace {

enum VirtualKey : int {
    VkBack = 8,
    VkReturn = 13,
    VkDelete = 46,
    VkNumpad0 = 96,
    VkNumpad9 = 105,
    VkMultiply = 106,
    VkAdd = 107,
    VkSubtract = 109,
    VkDecimal = 110,
    VkDivide = 111,
    VkF1 = 112,
    VkF2 = 113,
};

// The keypad's operator keys, by the index of their Operator label.
constexpr qint16 OperatorDivide = 0;
constexpr qint16 OperatorAdd = 1;
constexpr qint16 OperatorMultiply = 2;
constexpr qint16 OperatorSubtract = 3;
constexpr qint16 OperatorEquals = 4;

// A fresh About window each time, modal: the calculator waits until it closes.
void showAbout(QWidget *owner)
{
    FrmAbout about(owner);
    about.exec();
}

} // namespace

void FrmEuro::Form_KeyDown(int KeyCode, int /*Shift*/)
{
    // The parameters panel keeps its keys (the rate box edits them); only help and About act.
    if (!ui.fraParametres->isHidden() && KeyCode != VkF1 && KeyCode != VkF2)
        return;

    // Any key brings the focus back to the display keyed into. A hidden display cannot
    // take it; that is fine.
    const qint16 input = m_calculator.state().InputDisplay;
    if (input >= 0 && input < qint16(ui.ReadOut.size()) && ui.ReadOut[size_t(input)]->isVisibleTo(this))
        ui.ReadOut[size_t(input)]->setFocus();

    // A key never stops the window: whatever goes wrong in its action is let go.
    try {
        if (KeyCode >= VkNumpad0 && KeyCode <= VkNumpad9) {
            lblBouton_Click(qint16(KeyCode - VkNumpad0));
            return;
        }
        switch (KeyCode) {
        case VkAdd: Operator_Click(OperatorAdd); break;
        case VkDivide: Operator_Click(OperatorDivide); break;
        case VkMultiply: Operator_Click(OperatorMultiply); break;
        case VkSubtract: Operator_Click(OperatorSubtract); break;
        case VkBack: CancelEntry_Click(); break;
        case VkReturn: Operator_Click(OperatorEquals); break;
        case VkDecimal: Decimal_Click(); break;
        case VkDelete: Cancel_Click(); break;
        case VkF2: showAbout(this); break;
        case VkF1: Euro::ShowHelpFile(this, QStringLiteral("aide.htm")); break;
        default: break;
        }
    } catch (...) {
    }
}
