// Currency selection and the input display of the calculator window. The currency in use
// (CurrencyCode, shown by lblDevise) is picked in the drop list; the rates and the rounding
// are the parameters panel's.

#include "ui/main/frmeuro.h"

#include "ui/main/codelist.h"
#include "ui/main/displaybox.h"
#include "ui/kit/settings.h"
#include "engine/currencies.h"
#include "engine/msgbox.h"
#include "engine/ratecheck.h"
#include "ui/main/keylabel.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "ui/main/keypadpanel.h"
#include "ui/main/parameterspanel.h"

namespace {

// The picked item: the current one, when it is also selected. A list that merely takes
// the focus makes its first item current without selecting it; that is no pick.
QString selectedText(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentRow() >= 0 ? list->currentItem() : nullptr;
    return item && item->isSelected() ? item->text() : QString();
}

} // namespace

void FrmEuro::lstListe_Click()
{
    const QString picked = selectedText(currencyList());
    if (picked.isEmpty())
        return; // the selection was only cleared: nothing was picked
    // The code already in use: the list just closes, the calculation goes on.
    if (picked == m_calculator.state().CurrencyCode) {
        currencyList()->hide();
        focusInputDisplay();
        return;
    }
    currencyList()->hide();
    focusInputDisplay();
    ui.lblDevise->setText(picked);

    // Both displays back to zero, and a tape heading naming the new currency.
    const int entry = Euro::findRate(picked);
    m_calculator.selectCurrency(picked, entry >= 0 ? Euro::rateText(entry) : QString());
    ui.Frame1->describeDisplays(); // "0," may have stayed as it was, in another currency now
}

// The parameters panel's routines, where the tests and the keyboard find the window's.
void FrmEuro::lstPays_Click() { ui.fraParametres->lstPays_Click(); }
void FrmEuro::cmdTaux_Click() { ui.fraParametres->cmdTaux_Click(); }
void FrmEuro::optDecimal_Click(qint16 Index) { ui.fraParametres->optDecimal_Click(Index); }

void FrmEuro::optCalcul_Click(qint16 Index)
{
    // Clear all follows: the displays go back to zero and the tape names the new input unit.
    m_calculator.setInputDisplay(Index);
}
