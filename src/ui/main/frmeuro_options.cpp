// Currency selection, rates and options of the calculator window.
//
// Two currencies are kept apart: the calculator's own (CurrencyCode, shown by lblDevise
// and picked in lstListe) and the one whose rate is being edited (RateCode, picked in
// lstPays in the parameters panel). Choosing one never changes the other.

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
    describeDisplays(); // "0," may have stayed as it was, in another currency now
}

void FrmEuro::lstPays_Click()
{
    const QString picked = selectedText(countryList());
    if (picked.isEmpty()) {
        // No currency chosen any more (the panel closed, or a Ctrl+click took the selection
        // away): no rate may be typed for none, to be lost at validation.
        closeRateEditor();
        return;
    }
    ui.cmdTaux->setEnabled(true);
    Euro::RateCode = picked.left(3);

    // A typed rate that was not validated is replaced without a question.
    const int entry = Euro::findRate(Euro::RateCode);
    if (entry >= 0) {
        ui.txtTaux->setText(Euro::rateText(entry));
        ui.txtTaux->setReadOnly(false);
    }
}

void FrmEuro::closeRateEditor()
{
    ui.cmdTaux->setEnabled(false);
    ui.txtTaux->clear();
    ui.txtTaux->setReadOnly(true);
}

void FrmEuro::cmdTaux_Click()
{
    const QString typed = ui.txtTaux->text();
    switch (Euro::checkRate(typed)) {
    case Euro::RateCheck::Ok:
        break;
    case Euro::RateCheck::Empty:
        Euro::MsgBox(QStringLiteral("Veuillez entrer un montant pour la devise sélectionnée SVP."), Euro::vbInformation,
                     QStringLiteral("Taux ?"));
        ui.txtTaux->setFocus();
        return;
    case Euro::RateCheck::NotNumeric:
        Euro::MsgBox(QStringLiteral("Veuillez entrer un montant numérique pour la devise sélectionnée SVP.")
                         + QStringLiteral("\r\n") + QStringLiteral("(le séparateur décimal est la virgule)"),
                     Euro::vbInformation, QStringLiteral("Taux non valide"));
        return;
    case Euro::RateCheck::NotAboveZero:
        // Zero or a negative rate would make that currency's amounts fail or come out wrong.
        Euro::MsgBox(QStringLiteral("Veuillez entrer un taux supérieur à zéro pour la devise sélectionnée SVP."),
                     Euro::vbInformation, QStringLiteral("Taux non valide"));
        return;
    }

    Euro::RateCode = selectedText(countryList()).left(3);
    const int entry = Euro::findRate(Euro::RateCode);
    if (entry < 0)
        return;
    Euro::RateTable[size_t(entry)] = Euro::RateCode + typed;
    QList<Euro::SettingValue> values{{Euro::SectionTaux, Euro::RateCode, typed}};
    // The start currency starts the next run at its own start rate: it follows, so the next
    // start converts at the rate the panel shows (and a start rate set aside is mended).
    if (Euro::RateCode == Euro::StartCurrencyCode)
        values.append({Euro::SectionTaux, Euro::KeyStartRate, typed});
    if (!Euro::SaveSettings(Euro::AppName(), values)) {
        // Used all the same, and said: it would be gone at the next start.
        Euro::takeStoreNotice(Euro::AppName()); // this message names the file already
        Euro::MsgBox(QStringLiteral("Le taux de %1 vaut pour cette session seulement : il n'a pas pu être enregistré "
                                    "dans le fichier :\r\n%2")
                         .arg(Euro::RateCode, QDir::toNativeSeparators(Euro::settingsFilePath(Euro::AppName()))),
                     Euro::vbExclamation, Euro::appTitle());
    }
    // The rate of the currency in use takes effect at once, on the amount shown too.
    m_calculator.setCurrencyRate(Euro::RateCode, typed);
}

void FrmEuro::optCalcul_Click(qint16 Index)
{
    // Clear all follows: the displays go back to zero and the tape names the new input unit.
    m_calculator.setInputDisplay(Index);
}

void FrmEuro::optDecimal_Click(qint16 Index)
{
    // The converted display follows at once; the rounding line follows when the
    // parameters panel closes.
    if (Index == 0 || Index == 1)
        m_calculator.setDecimalPlaces(Index == 0 ? 2 : 5);
}
