#include "ui/main/powerpanel.h"

#include "engine/calculator.h"
#include "ui/kit/windowkit.h"
#include "ui/main/keylabel.h"
#include "ui/main/panelparts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using Panels::indexed;
using Panels::tahoma;
namespace Power = Euro::PurchasingPower;

namespace {

// The year the amount starts at: the franc's last.
constexpr int StartYearOfAmount = 2001;

QSpinBox *makeYearBox(QWidget *parent, const QString &name, const QString &hint, int value, double left, double top)
{
    auto *box = Euro::place(new QSpinBox(parent), name, left, top, 915, 285);
    box->setRange(Power::firstYear(), Power::lastYear());
    box->setValue(value);
    box->setToolTip(hint);
    box->setAccessibleName(hint);
    if (auto *edit = box->findChild<QLineEdit *>())
        edit->setAccessibleName(hint); // the box's own text field, where the year is typed
    box->setFont(tahoma(8.25, false));
    box->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    box->setKeyboardTracking(true); // each digit typed counts once the year is whole
    return box;
}

QLabel *makeText(QWidget *parent, const QString &name, double top, double height, double points)
{
    QLabel *label = Euro::makeLabel(parent, name, QString(), 135, top, 1875, height, Qt::AlignLeft | Qt::AlignTop);
    label->setFont(tahoma(points, false));
    label->setWordWrap(true);
    return label;
}

} // namespace

PowerPanel::PowerPanel(Calculator &calculator, QWidget *window)
    : QFrame(window)
    , m_calculator(calculator)
{
    Euro::place(this, QStringLiteral("fraPouvoir"), 2880, 0, 2130, 3345);
    Panels::etch(this);
    hide();

    m_ui.Label4 = Euro::makeLabel(this, indexed("Label4", 2), QStringLiteral("Pouvoir d'achat"), 135, 180, 1500, 195);
    m_ui.lblFermer = Panels::makeCloseBox(this, 5, QStringLiteral("Fermer le pouvoir d'achat"), 1845, 180);

    // The two years side by side, each under its caption.
    m_ui.lblDe = Euro::makeLabel(this, QStringLiteral("lblDe"), QStringLiteral("Montant de"), 135, 480, 915, 195);
    m_ui.lblDe->setFont(tahoma(6.75, false));
    m_ui.txtAnneeDe = makeYearBox(this, QStringLiteral("txtAnneeDe"), QStringLiteral("Année du montant"),
                                  StartYearOfAmount, 135, 690);
    m_ui.lblEn = Euro::makeLabel(this, QStringLiteral("lblEn"), QStringLiteral("en monnaie de"), 1095, 480, 915, 195);
    m_ui.lblEn->setFont(tahoma(6.75, false));
    m_ui.txtAnneeEn = makeYearBox(this, QStringLiteral("txtAnneeEn"), QStringLiteral("Année du résultat"),
                                  Power::lastYear(), 1095, 690);

    m_ui.lblValeur = makeText(this, QStringLiteral("lblValeur"), 1065, 840, 8.25);
    m_ui.lblValeur->setStyleSheet(Panels::flatWhiteBox() + QStringLiteral(" padding: 2px;"));
    m_ui.lblValeur->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ui.lblPrecision = makeText(this, QStringLiteral("lblPrecision"), 1965, 495, 6.75);
    m_ui.lblSource = makeText(this, QStringLiteral("lblSource"), 2505, 450, 6.75);
    m_ui.lblSource->setText(Power::sourceLine());

    m_ui.cmdInscrire = Euro::place(new QPushButton(QStringLiteral("Inscrire sur la bande"), this),
                                   QStringLiteral("cmdInscrire"), 135, 3000, 1875, 255);
    m_ui.cmdInscrire->setFont(tahoma(6.75, false));
    m_ui.cmdInscrire->setToolTip(QStringLiteral("Inscrire ce résultat sur la liste des opérations"));
    m_ui.cmdInscrire->setAutoDefault(false);
    connect(m_ui.cmdInscrire, &QPushButton::clicked, this, &PowerPanel::cmdInscrire_Click);

    for (QSpinBox *year : {m_ui.txtAnneeDe, m_ui.txtAnneeEn}) {
        connect(year, &QSpinBox::valueChanged, this, &PowerPanel::refresh);
        year->installEventFilter(this); // Ctrl+C copies the panel's sentence, not the year
    }
    setAccessibleName(QStringLiteral("Pouvoir d'achat"));
    refresh();
}

QString PowerPanel::sentence() const { return m_ui.lblValeur->text(); }

bool PowerPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->ignore(); // the window's copy
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void PowerPanel::refresh()
{
    const Power::Reading reading = m_calculator.purchasingPower(m_ui.txtAnneeDe->value(), m_ui.txtAnneeEn->value());
    QString shown = reading.sentence;
    if (reading.refusal == Power::Refusal::OtherUnit) {
        shown = QStringLiteral("L'indice de l'Insee est celui du franc et de l'euro : choisissez le franc (FRF) ou "
                               "la saisie en euros pour calculer un pouvoir d'achat.");
    } else if (!reading.ok()) {
        shown = QStringLiteral("Ce montant ne peut pas être converti d'une année à l'autre.");
    }
    m_ui.lblValeur->setText(shown);
    m_ui.lblPrecision->setText(reading.precisionNote);
    m_ui.cmdInscrire->setEnabled(reading.ok());
    // A screen reader hears the result in words, with its precision.
    const QString described =
        reading.precisionNote.isEmpty() ? shown : shown + QStringLiteral(". ") + reading.precisionNote;
    setAccessibleDescription(described);
    m_ui.lblValeur->setAccessibleName(QStringLiteral("Valeur"));
    m_ui.lblValeur->setAccessibleDescription(described);
}

void PowerPanel::cmdInscrire_Click()
{
    m_calculator.recordPurchasingPower(m_ui.txtAnneeDe->value(), m_ui.txtAnneeEn->value());
}
