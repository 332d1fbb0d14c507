// Amounts in and out of the calculator window: copy, paste, drop and the displays' menus.
//
// Copying gives the amount as a display shows it, without a trailing decimal comma. Pasting
// and dropping hand the text to the calculator, which reads it as a keyed amount or refuses
// it; a refusal changes nothing and says why, once.

#include "ui/main/frmeuro.h"
#include "ui/main/parameterspanel.h"
#include "ui/main/powerpanel.h"

#include "ui/kit/messageboxes.h"
#include "ui/main/displaybox.h"
#include "ui/main/tapepanel.h"
#include "tape/tape.h"
#include "engine/currencies.h"
#include "engine/displaylength.h"
#include "ui/main/tapefile.h"
#include "ui/main/windowactions.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <memory>

namespace {

// How much of a refused text the message quotes.
constexpr qsizetype QuotedLength = 40;

// A unit as a message names it: "euros", or the currency's code.
QString unitName(const QString &code) { return code == Euro::EuroCode ? QStringLiteral("euros") : code; }

// An amount as copied: "12," gives "12", "-5," gives "-5".
QString copiedAmount(const QString &text) { return Tape::displayAmount(text); }

} // namespace

int FrmEuro::displayIndex(const QObject *object) const
{
    for (size_t i = 0; i < keypad().ReadOut.size(); ++i) {
        if (object && object == keypad().ReadOut[i])
            return int(i);
    }
    return -1;
}

QString FrmEuro::amountToCopy(int display) const
{
    // A selection first, the focused display's one before the other's; a selection of the
    // whole text is the amount.
    std::array<int, 2> order{0, 1};
    if (display == 1)
        order = {1, 0};
    for (const int i : order) {
        const QLineEdit *box = keypad().ReadOut[size_t(i)];
        if (box->hasSelectedText())
            return box->selectedText() == box->text() ? copiedAmount(box->text()) : box->selectedText();
    }
    if (display < 0)
        display = m_calculator.inputDisplay();
    return copiedAmount(m_calculator.ReadOut(display));
}

void FrmEuro::copyAmount(int display)
{
    const QString amount = amountToCopy(display);
    if (!amount.isEmpty()) // an emptied display has nothing to give
        QGuiApplication::clipboard()->setText(amount);
}

QString FrmEuro::bothAmounts() const
{
    const int input = m_calculator.inputDisplay();
    const QString inputCode = m_calculator.inputUnitCode();
    const QString otherCode = m_calculator.convertedUnitCode();
    return copiedAmount(m_calculator.ReadOut(input)) + u' ' + inputCode + QStringLiteral(" = ")
           + copiedAmount(m_calculator.ReadOut(1 - input)) + u' ' + otherCode;
}

void FrmEuro::pasteAmount(const QString &text, AmountSource source)
{
    using Euro::NumberText::PasteRefusal;
    const Euro::NumberText::PastedAmount amount = m_calculator.enterAmount(text);
    const QString found = text.simplified();
    const QString quoted = found.size() > QuotedLength ? found.first(QuotedLength) + u'…' : found;
    QString message;
    switch (amount.refusal) {
    case PasteRefusal::None: return;
    case PasteRefusal::NotAnAmount:
        message = (source == AmountSource::Clipboard ? QStringLiteral("Le presse-papiers")
                                                     : QStringLiteral("Le texte déposé"))
                  + QStringLiteral(" ne contient pas un montant");
        if (!found.isEmpty())
            message += QStringLiteral(" : « ") + quoted + QStringLiteral(" »");
        message += u'.';
        break;
    case PasteRefusal::OtherUnit:
        message = QStringLiteral("Ce montant est en %1 ; la saisie se fait en %2.")
                      .arg(unitName(amount.markedUnit), unitName(m_calculator.inputUnitCode()));
        break;
    case PasteRefusal::Ambiguous: {
        QString thousands = amount.asThousands;
        thousands.insert(thousands.size() - 3, u' ');
        message = QStringLiteral("Montant ambigu : « %1 » peut se lire %2 ou %3. Écrivez %4 ou %3.")
                      .arg(quoted, thousands, amount.asDecimals, amount.asThousands);
        break;
    }
    case PasteRefusal::TooLong:
        message = QStringLiteral("Ce montant est trop long : un afficheur en montre %1 caractères au plus.")
                      .arg(Euro::NumberText::MaxTextLength);
        break;
    case PasteRefusal::OutOfRange:
        message = QStringLiteral("Ce montant dépasse la capacité de la calculatrice.");
        break;
    }
    Euro::MsgBox(message, Euro::vbExclamation, Euro::appTitle());
}

void FrmEuro::copyFocusedAmount()
{
    // In the purchasing-power panel, its sentence.
    if (ui.fraPouvoir->isVisible() && ui.fraPouvoir->isAncestorOf(focusWidget())) {
        QGuiApplication::clipboard()->setText(ui.fraPouvoir->sentence());
        return;
    }
    // The parameters panel covers the displays: their amounts are out of sight and not
    // what the user means to copy there. Only a display with the focus gives its own.
    const int display = displayIndex(focusWidget());
    if (display < 0 && !ui.fraParametres->isHidden())
        return;
    copyAmount(display);
}

void FrmEuro::pasteFromClipboard()
{
    // The parameters panel keeps its keys, as it does the others; the tape is read, not
    // pasted into from the keyboard.
    if (ui.fraParametres->isHidden() && !(focusWidget() && focusWidget() == ui.fraPapier->ui().txtOperations))
        pasteAmount(QGuiApplication::clipboard()->text(), AmountSource::Clipboard);
}

void FrmEuro::showDisplayMenu(int display, const QPoint &at)
{
    QMenu menu(this);
    m_actions->fill(menu, WindowActions::Displays, display);
    menu.exec(keypad().ReadOut[size_t(display)]->mapToGlobal(at));
}

void FrmEuro::saveTapeToFile() { Euro::saveTape(this, m_tape.text(), m_calculator.modeLine()); }
