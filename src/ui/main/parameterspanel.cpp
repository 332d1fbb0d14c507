#include "ui/main/parameterspanel.h"

#include "engine/calculator.h"
#include "engine/currencies.h"
#include "engine/ratecheck.h"
#include "ui/main/accessibility.h"
#include "ui/kit/messageboxes.h"
#include "ui/kit/settings.h"
#include "ui/kit/windowkit.h"
#include "ui/main/keylabel.h"
#include "ui/main/listclicks.h"
#include "ui/main/panelparts.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

using Panels::indexed;
using Panels::tahoma;

using Panels::selectedText;

ParametersPanel::ParametersPanel(Calculator &calculator, QWidget *window)
    : QFrame(window)
    , m_calculator(calculator)
{
    Accessibility::setContainerRole(this, QAccessible::Grouping);
    setAccessibleName(QStringLiteral("Paramètres"));
    Euro::place(this, QStringLiteral("fraParametres"), 60, 3780, 2760, 3345);
    Panels::etch(this);
    hide();

    m_ui.Label4 = Euro::makeLabel(this, indexed("Label4", 0), QStringLiteral("Paramètres"), 165, 210, 1005, 195);
    m_ui.lblFermer = Panels::makeCloseBox(this, 0, QStringLiteral("Fermer les paramètres"), 2475, 180);

    m_ui.cmdTaux =
        Euro::place(new QPushButton(QStringLiteral("Taux"), this), QStringLiteral("cmdTaux"), 135, 2520, 555, 285);
    m_ui.cmdTaux->setToolTip(QStringLiteral("Valider le taux de change"));
    m_ui.cmdTaux->setFont(tahoma(8.25, false));
    m_ui.cmdTaux->setEnabled(false);
    connect(m_ui.cmdTaux, &QPushButton::clicked, this, &ParametersPanel::cmdTaux_Click);

    m_ui.txtTaux = Euro::place(new QLineEdit(this), QStringLiteral("txtTaux"), 720, 2520, 1905, 285);
    m_ui.txtTaux->setToolTip(QStringLiteral("Taux de change"));
    m_ui.txtTaux->setFont(tahoma(8.25, false));
    m_ui.txtTaux->setStyleSheet(Panels::flatWhiteBox());
    m_ui.txtTaux->setMaxLength(Euro::RateMaxLength);
    m_ui.txtTaux->setReadOnly(true);
    m_ui.txtTaux->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui.txtTaux, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        Euro::installQtFrench(); // the box's own menu speaks French too
        const std::unique_ptr<QMenu> menu(m_ui.txtTaux->createStandardContextMenu());
        menu->exec(m_ui.txtTaux->mapToGlobal(at));
    });

    m_ui.Line1 = Euro::makeLine(this, QStringLiteral("Line1"), 135, 2610, 2880, Qt::black);
    Accessibility::setDrawingOnly(m_ui.Line1);
    m_ui.Label5 = Euro::makeLabel(this, QStringLiteral("Label5"), QStringLiteral(" Arrondi "), 60, 2985, 615, 195);
    m_ui.Label5->setFont(tahoma(8.25, false));

    const char16_t *captions[] = {u"2 décimales", u"5 décimales"};
    const char16_t *hints[] = {u"Nombre de décimales: 2", u"Nombre de décimales: 5"};
    // "5 décimales" ends where the panel's frame begins: its box starts a pixel further
    // left than designed, so that its last letter stays clear of the frame at every zoom;
    // "2 décimales" gives up the empty end of its box for that.
    const int lefts[] = {675, 1710};
    const int widths[] = {1035, 1020};
    for (qint16 i = 0; i < 2; ++i) {
        auto *option = Euro::place(new QRadioButton(QString::fromUtf16(captions[i]), this), indexed("optDecimal", i),
                                   lefts[i], 3000, widths[i], 195);
        option->setToolTip(QString::fromUtf16(hints[i]));
        option->setFont(tahoma(6.75, false));
        m_ui.optDecimal[size_t(i)] = option;
    }
    m_ui.optDecimal[0]->setChecked(true);
    for (qint16 i = 0; i < 2; ++i) {
        // An option runs its routine when it becomes the chosen one, by the mouse, the
        // keyboard or the program.
        connect(m_ui.optDecimal[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optDecimal_Click(i);
        });
    }
}

QListWidget *ParametersPanel::countryList()
{
    if (!m_ui.lstPays) {
        m_ui.lstPays = Euro::place(new QListWidget(this), QStringLiteral("lstPays"), 135, 495, 2490, 1980);
        Panels::setUpList(m_ui.lstPays, QStringLiteral("Liste des pays de la zone €uro"));
        connect(new ListClicks(m_ui.lstPays), &ListClicks::clicked, this, &ParametersPanel::lstPays_Click);
        m_ui.lstPays->show(); // shown with its panel
        Q_EMIT controlBuilt();
    }
    return m_ui.lstPays;
}

void ParametersPanel::fillList()
{
    if (!m_ui.lstPays || m_ui.lstPays->count() != 0)
        return;
    for (const QString &text : Euro::sortedListTexts())
        m_ui.lstPays->addItem(text);
}

void ParametersPanel::lstPays_Click()
{
    const QString picked = selectedText(countryList());
    if (picked.isEmpty()) {
        // No currency chosen any more (the panel closed, or a Ctrl+click took the selection
        // away): no rate may be typed for none, to be lost at validation.
        closeRateEditor();
        return;
    }
    m_ui.cmdTaux->setEnabled(true);
    RateCode = picked.left(3);

    // A typed rate that was not validated is replaced without a question.
    if (const std::optional<QString> rate = m_calculator.rates().rateOf(RateCode)) {
        m_ui.txtTaux->setText(*rate);
        m_ui.txtTaux->setReadOnly(false);
    }
}

void ParametersPanel::closeRateEditor()
{
    m_ui.cmdTaux->setEnabled(false);
    m_ui.txtTaux->clear();
    m_ui.txtTaux->setReadOnly(true);
}

QString ParametersPanel::closeChoices()
{
    // The selection goes first, so the rate editor ends closed whatever the list does.
    countryList()->setCurrentRow(-1);
    countryList()->clearSelection();
    closeRateEditor();
    return QStringLiteral("Arrondi à ")
           + (m_ui.optDecimal[0]->isChecked() ? QStringLiteral("2 décimales") : QStringLiteral("5 décimales"));
}

void ParametersPanel::cmdTaux_Click()
{
    const QString typed = m_ui.txtTaux->text();
    switch (Euro::checkRate(typed)) {
    case Euro::RateCheck::Ok: break;
    case Euro::RateCheck::Empty:
        Euro::MsgBox(QStringLiteral("Veuillez entrer un montant pour la devise sélectionnée SVP."), Euro::vbInformation,
                     QStringLiteral("Taux ?"));
        m_ui.txtTaux->setFocus();
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

    RateCode = selectedText(countryList()).left(3);
    // The rate of the currency in use takes effect at once, on the amount shown too.
    if (!m_calculator.setRate(RateCode, typed))
        return;
    QList<Euro::SettingValue> values{{Euro::SectionTaux, RateCode, typed}};
    // The start currency starts the next run at its own start rate: it follows, so the next
    // start converts at the rate the panel shows (and a start rate set aside is mended).
    if (RateCode == Euro::StartCurrencyCode)
        values.append({Euro::SectionTaux, Euro::KeyStartRate, typed});
    if (!Euro::SaveSettings(Euro::AppName(), values)) {
        // Used all the same, and said: it would be gone at the next start.
        Euro::takeStoreNotice(Euro::AppName()); // this message names the file already
        Euro::MsgBox(QStringLiteral("Le taux %1 vaut pour cette session seulement : il n'a pas pu être enregistré "
                                    "dans le fichier :\r\n%2")
                         .arg(RateCode, QDir::toNativeSeparators(Euro::settingsFilePath(Euro::AppName()))),
                     Euro::vbExclamation, Euro::appTitle());
    }
}

void ParametersPanel::optDecimal_Click(qint16 Index)
{
    // The converted display follows at once; the rounding line follows when the
    // parameters panel closes.
    if (Index == 0 || Index == 1)
        m_calculator.setDecimalPlaces(Index == 0 ? 2 : 5);
}
