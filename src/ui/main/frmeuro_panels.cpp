// The routines of the calculator window that tie its panels together: the panel switches,
// keep-on-top, the drop list's "<" box and its pick, the input display.
//
// The layout lives in the controls themselves (visibility, place) and in the window's
// width in twips: narrow shows the calculator alone, wide uncovers the tape beside it,
// and the parameters panel takes the calculator's place in the narrow window. The currency
// in use (CurrencyCode, shown by lblDevise) is picked in the drop list; the rates and the
// rounding are the parameters panel's.

#include "ui/main/frmeuro.h"

#include "engine/currencies.h"
#include "platform/topmost.h"
#include "ui/main/codelist.h"
#include "ui/main/panelparts.h"
#include "ui/main/displaybox.h"
#include "ui/main/hintlabel.h"
#include "ui/main/keylabel.h"
#include "ui/main/keypadpanel.h"
#include "ui/main/parameterspanel.h"
#include "ui/main/powerpanel.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr double NarrowWidth = FrmEuro::NarrowWidthTwips; // the calculator alone
constexpr double WideWidth = FrmEuro::WideWidthTwips;     // the calculator and the tape

} // namespace

void FrmEuro::lblFermer_Click(qint16 Index)
{
    switch (Index) {
    case 0: // close the parameters
        ui.fraParametres->hide();
        ui.Frame1->show();
        ui.Frame1->showRounding(ui.fraParametres->closeChoices());
        focusInputDisplay();
        break;
    case 1: // hide the tape
    case 5: // close the purchasing power
        m_powerShown = false;
        setWidth(NarrowWidth);
        break;
    case 2: { // open the parameters in the calculator's place; a shown tape goes
        ui.fraParametres->move(ui.fraParametres->x(), ui.Frame1->y());
        ui.fraParametres->move(ui.Frame1->x(), ui.fraParametres->y());
        ui.fraParametres->countryList();
        // The keys go on in the panel, from its list of countries, when the focus was on
        // a control the panel covers.
        const bool focusCovered = !focusWidget() || ui.Frame1->isAncestorOf(focusWidget());
        ui.fraParametres->show();
        m_powerShown = false;
        setWidth(NarrowWidth);
        ui.Frame1->hide();
        if (focusCovered)
            ui.fraParametres->countryList()->setFocus(Qt::OtherFocusReason);
        break;
    }
    case 3: // show or hide the tape: anything but exactly wide counts as narrow; it takes
        // the purchasing power's place
        if (m_powerShown)
            showPower(false);
        else
            setWidth(Width() == WideWidth ? NarrowWidth : WideWidth);
        break;
    case 4: // show or hide the purchasing power, in the tape's place
        if (m_powerShown && Width() == WideWidth) {
            m_powerShown = false;
            setWidth(NarrowWidth);
        } else {
            showPower(true);
        }
        break;
    default: break;
    }
}

void FrmEuro::showPower(bool shown)
{
    m_powerShown = shown;
    if (shown)
        ui.fraPouvoir->refresh();
    setWidth(WideWidth);
}

void FrmEuro::cmdPlan_Click()
{
    if (!Euro::canKeepOnTop()) {
        refuseKeepOnTop();
        return;
    }
    m_calculator.setKeepOnTop(!m_calculator.keepOnTop());
    Euro::SetTopMost(this, m_calculator.keepOnTop());
    describeKeepOnTop();
}

void FrmEuro::describeKeepOnTop()
{
    // Pressed in while on top; a screen reader hears its state and which way it stands.
    ui.cmdPlan->setChecked(m_calculator.keepOnTop());
    ui.cmdPlan->setAccessibleDescription(m_calculator.keepOnTop() ? QStringLiteral("Actuellement au premier plan")
                                                                  : QStringLiteral("Actuellement en arrière plan"));
}

void FrmEuro::Label2_Click()
{
    QListWidget *list = currencyList();
    const bool show = list->isHidden();
    if (show) {
        // It opens on the currency in use, highlighted; showing it picks nothing.
        const QList<QListWidgetItem *> inUse = list->findItems(m_calculator.currencyCode(), Qt::MatchExactly);
        const QSignalBlocker quiet(list);
        list->setCurrentItem(inUse.isEmpty() ? nullptr : inUse.first());
    }
    const bool hadFocus = list->hasFocus();
    list->setVisible(show);
    if (show) {
        list->raise();
        list->setFocus(Qt::OtherFocusReason); // the arrows browse it at once
    } else if (hadFocus) {
        focusInputDisplay();
    }
}

// ---- Hover hints: the keypad panel's, where the tests find the window's.

void FrmEuro::lblBouton_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y)
{
    ui.Frame1->lblBouton_MouseMove(Index, Button, Shift, X, Y);
}
void FrmEuro::lblDevise_MouseMove(qint16 Button, qint16 Shift, float X, float Y)
{
    ui.Frame1->lblDevise_MouseMove(Button, Shift, X, Y);
}
void FrmEuro::lblInfo_MouseMove(qint16 Button, qint16 Shift, float X, float Y)
{
    ui.Frame1->lblInfo_MouseMove(Button, Shift, X, Y);
}

// ---- The currency in use and the input display

using Panels::selectedText;

void FrmEuro::lstListe_Click()
{
    const QString picked = selectedText(currencyList());
    if (picked.isEmpty())
        return; // the selection was only cleared: nothing was picked
    // The code already in use: the list just closes, the calculation goes on.
    if (picked == m_calculator.currencyCode()) {
        currencyList()->hide();
        focusInputDisplay();
        return;
    }
    currencyList()->hide();
    focusInputDisplay();
    keypad().lblDevise->setText(picked);

    // Both displays back to zero, and a tape heading naming the new currency.
    m_calculator.selectCurrency(picked);
    ui.Frame1->describeDisplays(); // "0," may have stayed as it was, in another currency now
}

// The parameters panel's routines, where the tests and the keyboard find the window's.
void FrmEuro::lstPays_Click() { ui.fraParametres->lstPays_Click(); }
void FrmEuro::cmdTaux_Click() { ui.fraParametres->cmdTaux_Click(); }
void FrmEuro::optDecimal_Click(qint16 Index) { ui.fraParametres->optDecimal_Click(Index); }
const QString &FrmEuro::rateCode() const { return ui.fraParametres->rateCode(); }

void FrmEuro::optCalcul_Click(qint16 Index)
{
    // Clear all follows: the displays go back to zero and the tape names the new input unit.
    m_calculator.setInputDisplay(Index);
}
