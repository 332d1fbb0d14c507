// Panels, key feedback and hover hints of the calculator window.
//
// The layout lives in the controls themselves (visibility, place) and in the window's
// width in twips: narrow shows the calculator alone, wide uncovers the tape beside it,
// and the parameters panel takes the calculator's place in the narrow window.

#include "ui/main/frmeuro.h"
#include "ui/main/keypadpanel.h"
#include "ui/main/parameterspanel.h"

#include "ui/main/codelist.h"
#include "ui/main/displaybox.h"
#include "engine/currencies.h"
#include "platform/topmost.h"
#include "ui/main/faceshape.h"
#include "ui/main/keylabel.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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
        ui.lblInfo->setText(ui.fraParametres->closeChoices());
        focusInputDisplay();
        break;
    case 1: // hide the tape
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
        setWidth(NarrowWidth);
        ui.Frame1->hide();
        if (focusCovered)
            ui.fraParametres->countryList()->setFocus(Qt::OtherFocusReason);
        break;
    }
    case 3: // show or hide the tape: anything but exactly wide counts as narrow
        setWidth(Width() == WideWidth ? NarrowWidth : WideWidth);
        break;
    default:
        break;
    }
}

void FrmEuro::cmdPlan_Click()
{
    m_calculator.setKeepOnTop(m_calculator.state().KeepOnTop == 0);
    Euro::SetTopMost(this, m_calculator.state().KeepOnTop != 0);
    describeKeepOnTop();
}

void FrmEuro::describeKeepOnTop()
{
    // The button looks the same either way: a screen reader hears which way it stands.
    ui.cmdPlan->setAccessibleDescription(m_calculator.state().KeepOnTop != 0
                                             ? QStringLiteral("Actuellement au premier plan")
                                             : QStringLiteral("Actuellement en arrière plan"));
}

void FrmEuro::Label2_Click()
{
    QListWidget *list = currencyList();
    const bool show = list->isHidden();
    if (show) {
        // It opens on the currency in use, highlighted; showing it picks nothing.
        const QList<QListWidgetItem *> inUse = list->findItems(m_calculator.state().CurrencyCode, Qt::MatchExactly);
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
