// The calculator window's controls: the key table, where every control lies and how it
// looks, and the lists and the tape box that are built the first time they are needed.

#include "ui/main/frmeuro.h"

#include "ui/kit/resources.h"
#include "ui/main/accessibility.h"
#include "ui/kit/twips.h"
#include "engine/currencies.h"
#include "engine/ratecheck.h"
#include "ui/main/codelist.h"
#include "ui/main/controlkeys.h"
#include "ui/main/displaybox.h"
#include "ui/main/faceshape.h"
#include "ui/main/keypadpanel.h"
#include "ui/main/pointerwatch.h"
#include "ui/main/tapepanel.h"
#include "ui/kit/messageboxes.h"
#include "ui/main/hintlabel.h"
#include "ui/main/keylabel.h"
#include "ui/main/listclicks.h"
#include "ui/main/panelparts.h"
#include "ui/main/parameterspanel.h"
#include "ui/main/powerpanel.h"
#include "ui/kit/windowkit.h"
#include "ui/main/windowactions.h"

#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QRadioButton>
#include <QSessionManager>

namespace {

using Euro::makeLabel;
using Euro::place;
using Euro::twipsRect;
using Panels::indexed;
using Panels::tahoma;

} // namespace

FrmEuro::FrmEuro(QWidget *parent, std::span<const Euro::KeyRow> keys)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_keys(keys)
    , m_calculator(m_tape)
{
    // A main window to screen readers: a frame, whose panels leave out what only draws.
    Accessibility::install();
    Accessibility::setContainerRole(this, QAccessible::Window);
    setObjectName(QStringLiteral("frmEuro"));
    Euro::useDesignPalette(this);
    setWindowTitle(QStringLiteral("Pecunio"));
    setWindowIcon(Euro::coinIcon());
    setFont(tahoma(8.25, true));
    setAccessibleName(QStringLiteral("Pecunio"));
    setFixedSize(twipsRect(0, 0, 5550, 7575).size()); // the designed client area, until the load sizes it

    createFrames();
    createWindowControls();
    setFocusOrder();
    setUpKeyboardFocus();
    setPointers();
    createFixedConnections();
}

// ---- Controls

void FrmEuro::createFrames()
{
    ui.Frame1 = new KeypadPanel(m_calculator, m_keys, this);
    connect(ui.Frame1, &KeypadPanel::keyClicked, this, &FrmEuro::runKeyAction);
    ui.fraParametres = new ParametersPanel(m_calculator, this);
    connect(ui.fraParametres, &ParametersPanel::controlBuilt, this, &FrmEuro::deferredControlBuilt);
    ui.fraPapier = new TapePanel(m_tape, this);
    connect(ui.fraPapier, &TapePanel::controlBuilt, this, &FrmEuro::deferredControlBuilt);
    connect(ui.fraPapier, &TapePanel::menuShown, this,
            [this](QMenu *menu) { m_actions->fill(*menu, WindowActions::Tape, -1); });
    ui.fraPouvoir = new PowerPanel(m_calculator, this);
}

const KeypadPanel::Controls &FrmEuro::keypad() const { return ui.Frame1->ui(); }

std::array<KeyLabel *, 6> FrmEuro::lblFermer() const
{
    return {ui.fraParametres->ui().lblFermer,
            ui.fraPapier->ui().lblFermer,
            keypad().lblFermer2,
            keypad().lblFermer3,
            keypad().lblFermer4,
            ui.fraPouvoir->ui().lblFermer};
}

void FrmEuro::createWindowControls()
{
    ui.Label3[0] =
        makeLabel(this, indexed("Label3", 0), QStringLiteral("Pour l'aide, appuyez sur F1..."), 90, 3450, 1830, 165);
    ui.cmdPlan = place(new QPushButton(QStringLiteral("..."), this), QStringLiteral("cmdPlan"), 2550, 3390, 255, 195);
    ui.cmdPlan->setToolTip(QStringLiteral("Premier plan / arrière plan"));
    // A toggle: pressed in while the window stays on top, and said so to a screen reader.
    ui.cmdPlan->setCheckable(true);
    ui.Label3[2] = makeLabel(this, indexed("Label3", 2), QStringLiteral("Effacer"), 3135, 3435, 435, 165);
    ui.cmdEffacer =
        place(new QPushButton(QStringLiteral("..."), this), QStringLiteral("cmdEffacer"), 3660, 3390, 255, 195);
    ui.cmdEffacer->setToolTip(QStringLiteral("Effacer la liste des opérations"));
    ui.Label3[1] = makeLabel(this, indexed("Label3", 1), QStringLiteral("Imprimer"), 4125, 3420, 570, 165);
    ui.cmdImprimer =
        place(new QPushButton(QStringLiteral("..."), this), QStringLiteral("cmdImprimer"), 4770, 3390, 255, 195);
    ui.cmdImprimer->setToolTip(QStringLiteral("Imprimer la liste des opérations"));
    for (QLabel *caption : ui.Label3)
        caption->setFont(tahoma(6.75, false));
    for (QPushButton *button : {ui.cmdPlan, ui.cmdEffacer, ui.cmdImprimer}) {
        button->setAccessibleName(button->toolTip());
        button->setAutoDefault(false);
    }

    // Spoken names: a control says its caption and gives its hint as description; one
    // whose caption tells nothing ("...", "X", spaced letters) says its hint instead.
    for (KeyLabel *panelSwitch : lblFermer())
        panelSwitch->setAccessibleName(panelSwitch->toolTip());
    for (QWidget *widget : findChildren<QWidget *>()) {
        if (!widget->accessibleName().isEmpty() || widget->toolTip().isEmpty())
            continue;
        QString caption;
        if (auto *label = qobject_cast<QLabel *>(widget))
            caption = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            caption = button->text();
        if (caption.isEmpty() || caption == QLatin1String("..."))
            widget->setAccessibleName(widget->toolTip());
        else
            widget->setAccessibleDescription(widget->toolTip());
    }
}

void FrmEuro::setFocusOrder()
{
    // The order a reader meets the controls on screen: the calculator panel row by row (or
    // the parameters panel in its place), the tape panel beside it, then the window's
    // bottom row. The panel switches and the drop list's button are stops too: without
    // them nobody could change the currency or open a panel from the keyboard.
    const KeypadPanel::Controls &k = keypad();
    const ParametersPanel::Controls &p = ui.fraParametres->ui();
    const PowerPanel::Controls &w = ui.fraPouvoir->ui();
    const std::array<KeyLabel *, 6> switches = lblFermer();
    QList<QWidget *> order{switches[4],
                           k.optCalcul[0],
                           k.ReadOut[0],
                           k.optCalcul[1],
                           k.ReadOut[1],
                           k.Label2,
                           ui.lstListe,
                           switches[3],
                           switches[2],
                           switches[0],
                           p.lstPays,
                           p.cmdTaux,
                           p.txtTaux,
                           p.optDecimal[0],
                           p.optDecimal[1],
                           switches[1],
                           ui.fraPapier->ui().txtOperations,
                           switches[5],
                           w.txtAnneeDe,
                           w.txtAnneeEn,
                           w.cmdInscrire,
                           ui.cmdPlan,
                           ui.cmdEffacer,
                           ui.cmdImprimer};
    order.removeAll(nullptr); // a deferred control not built yet takes its place when it is
    k.Label2->setFocusPolicy(Qt::TabFocus);
    for (KeyLabel *stop : switches)
        stop->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void FrmEuro::setPointers()
{
    // The program's own pointing hand; its hot spot is the fingertip.
    const QCursor hand(Euro::pngPixmap(QStringLiteral(":/pecunio/cursors/hand.png")), 12, 1);
    const ParametersPanel::Controls &p = ui.fraParametres->ui();
    const KeypadPanel::Controls &k = keypad();
    QList<QWidget *> pointing{k.Label2,       ui.lstListe,     p.lstPays,      p.cmdTaux,
                              ui.cmdPlan,     ui.cmdEffacer,   ui.cmdImprimer, k.optCalcul[0],
                              k.optCalcul[1], p.optDecimal[0], p.optDecimal[1]};
    for (KeyLabel *key : ui.Frame1->keys())
        pointing.append(key);
    for (KeyLabel *panelSwitch : lblFermer())
        pointing.append(panelSwitch);
    pointing.removeAll(nullptr); // deferred controls not built yet
    for (QWidget *widget : pointing)
        widget->setCursor(hand);
}

void FrmEuro::createFixedConnections()
{
    connect(&m_calculator, &Calculator::displayChanged, ui.Frame1, &KeypadPanel::showDisplay);
    // The purchasing power follows the amount as it is keyed.
    connect(&m_calculator, &Calculator::displayChanged, ui.fraPouvoir, &PowerPanel::refresh);

    for (qint16 i = 0; i < 2; ++i) {
        // An option runs its routine when it becomes the chosen one, by the mouse, the
        // keyboard or the program.
        connect(keypad().optCalcul[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optCalcul_Click(i);
        });
    }

    const std::array<KeyLabel *, 6> switches = lblFermer();
    for (qint16 i = 0; i < qint16(switches.size()); ++i)
        connect(switches[size_t(i)], &KeyLabel::clicked, this, [this, i] { lblFermer_Click(i); });
    // A click, Space or a screen reader's toggle turns the button; the routine follows it.
    connect(ui.cmdPlan, &QPushButton::toggled, this, [this](bool on) {
        if (on != m_calculator.keepOnTop())
            cmdPlan_Click();
    });
    connect(keypad().Label2, &KeyLabel::clicked, this, &FrmEuro::Label2_Click);

    for (int i = 0; i < int(keypad().ReadOut.size()); ++i) {
        DisplayBox *display = keypad().ReadOut[size_t(i)];
        display->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(display, &QWidget::customContextMenuRequested, this,
                [this, i](const QPoint &at) { showDisplayMenu(i, at); });
        connect(display, &DisplayBox::textDropped, this, [this](const QString &text) {
            if (ui.fraParametres->isHidden())
                pasteAmount(text, AmountSource::Drop);
        });
    }

    connect(ui.cmdEffacer, &QPushButton::clicked, this, &FrmEuro::cmdEffacer_Click);
    connect(ui.cmdImprimer, &QPushButton::clicked, this, &FrmEuro::cmdImprimer_Click);

    // Keys come as Qt passes them on, up from the focused control; a few controls mend
    // their defaults, and the shortcuts are the window's.
    const ParametersPanel::Controls &p = ui.fraParametres->ui();
    m_controlKeys = new ControlKeys([this](const QWidget *w) { return inSight(w); }, this);
    connect(m_controlKeys, &ControlKeys::keyboardUsed, this, [this] { showFocusRing(true); });
    for (QWidget *control : {static_cast<QWidget *>(ui.cmdPlan), static_cast<QWidget *>(ui.cmdEffacer),
                             static_cast<QWidget *>(ui.cmdImprimer), static_cast<QWidget *>(p.cmdTaux),
                             static_cast<QWidget *>(p.txtTaux), static_cast<QWidget *>(keypad().Label2)})
        m_controlKeys->watch(control);
    for (KeyLabel *panelSwitch : lblFermer())
        m_controlKeys->watch(panelSwitch);
    m_controlKeys->watchGroup({keypad().optCalcul[0], keypad().optCalcul[1]});
    m_controlKeys->watchGroup({p.optDecimal[0], p.optDecimal[1]});
    m_actions = new WindowActions(*this);
    m_pointerWatch = new PointerWatch(this);
    connect(m_pointerWatch, &PointerWatch::pressed, this, &FrmEuro::pressedOn);
    connect(m_pointerWatch, &PointerWatch::zoomWheel, this, &FrmEuro::zoomWheel);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &FrmEuro::onCommitDataRequest);
}

// ---- Controls built on first use

CodeList *FrmEuro::currencyList()
{
    if (!ui.lstListe) {
        // The drop list belongs to the window, so that it lies over the calculator panel.
        ui.lstListe = place(new CodeList(this), QStringLiteral("lstListe"), 1980, 995, 465, 2370);
        ui.lstListe->hide();
        ui.lstListe->raise();
        connect(ui.lstListe, &CodeList::picked, this, &FrmEuro::lstListe_Click);
        connect(ui.lstListe, &CodeList::dismissed, this, [this](bool escaped) {
            if (escaped) {
                ui.lstListe->hide();
                focusInputDisplay();
            } else {
                closeDropList();
            }
        });
        Panels::setUpList(ui.lstListe, QStringLiteral("Liste des devises"));
        connect(new ListClicks(ui.lstListe), &ListClicks::clicked, this, &FrmEuro::lstListe_Click);
        deferredControlBuilt();
    }
    return ui.lstListe;
}

void FrmEuro::buildDeferredControls()
{
    ui.fraParametres->countryList();
    currencyList();
    ui.fraPapier->tapeBox();
}

// The lists show the list texts in sorted order (the drop list their codes alone). They are
// filled as they are built once the window is loaded, and by the load for those built before.
void FrmEuro::fillLists()
{
    const QStringList texts = Euro::sortedListTexts();
    ui.fraParametres->fillList();
    if (ui.lstListe && ui.lstListe->count() == 0) {
        for (const QString &text : texts) {
            // A screen reader says the currency a code stands for: "ATS, schilling autrichien".
            const QString code = text.left(3);
            auto *item = new QListWidgetItem(code, ui.lstListe);
            if (const Euro::Currency *currency = Euro::currencyOf(code))
                item->setData(Qt::AccessibleTextRole, code + QStringLiteral(", ") + currency->singular.toString());
        }
    }
}

void FrmEuro::deferredControlBuilt()
{
    if (m_pointerWatch)
        m_pointerWatch->watchControls();
    if (m_loaded)
        fillLists();
    setFocusOrder();
    setPointers();
}
