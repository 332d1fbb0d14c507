// The calculator window's controls: the key table, where every control lies and how it
// looks, and the lists and the tape box that are built the first time they are needed.

#include "ui/main/frmeuro.h"

#include "ui/kit/resources.h"
#include "ui/kit/twips.h"
#include "engine/currencies.h"
#include "engine/ratecheck.h"
#include "ui/main/codelist.h"
#include "ui/main/controlkeys.h"
#include "ui/main/displaybox.h"
#include "ui/main/faceshape.h"
#include "ui/main/pointerwatch.h"
#include "ui/main/tapepanel.h"
#include "ui/kit/messageboxes.h"
#include "ui/main/keylabel.h"
#include "ui/main/listclicks.h"
#include "ui/main/parameterspanel.h"
#include "ui/kit/windowkit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QMenu>
#include <QSessionManager>
#include <memory>

namespace {

using Euro::makeLabel;
using Euro::makeLine;
using Euro::place;
using Euro::setColours;
using Euro::twipsRect;

QFont tahoma(double points, bool bold) { return Euro::designFont(QStringLiteral("Tahoma"), points, bold); }

const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);

// "Flat" boxes of the design: a one-pixel black line instead of a sunken border.
const QString FlatWhiteBox = QStringLiteral("border: 1px solid black; background: white; color: black;");

enum class KeyKind { Digit, Operator, Decimal, Cancel, CancelEntry };

// Every key of the keypad: which routine it runs (kind and index), its face, caption and
// hint, where the label and its face lie (twips, in the keypad frame or in the calculator
// panel).
struct KeyDef {
    KeyKind kind;
    qint16 index;
    qint16 face;
    const char16_t *caption;
    const char16_t *hint;
    bool onKeypad;
    int left, top, width, height;
    int faceLeft, faceTop, faceWidth, faceHeight;
};

constexpr const char16_t *DigitHint = u"Chiffre 0";

constexpr KeyDef Keys[] = {
    {KeyKind::Digit, 7, 7, u"7", DigitHint, true, 90, 270, 270, 255, 90, 225, 285, 285},
    {KeyKind::Digit, 8, 8, u"8", DigitHint, true, 495, 270, 270, 255, 495, 225, 285, 285},
    {KeyKind::Digit, 9, 9, u"9", DigitHint, true, 900, 270, 270, 255, 900, 225, 285, 285},
    {KeyKind::Digit, 4, 4, u"4", DigitHint, true, 90, 675, 270, 255, 90, 630, 285, 330},
    {KeyKind::Digit, 5, 5, u"5", DigitHint, true, 480, 675, 270, 255, 495, 630, 285, 285},
    {KeyKind::Digit, 6, 6, u"6", DigitHint, true, 900, 675, 270, 255, 900, 630, 285, 285},
    {KeyKind::Digit, 1, 1, u"1", DigitHint, true, 90, 1125, 270, 255, 90, 1080, 285, 285},
    {KeyKind::Digit, 2, 2, u"2", DigitHint, true, 495, 1125, 270, 255, 495, 1080, 285, 285},
    {KeyKind::Digit, 3, 3, u"3", DigitHint, true, 900, 1125, 270, 255, 900, 1080, 285, 285},
    {KeyKind::Digit, 0, 0, u"0", DigitHint, true, 90, 1530, 270, 255, 90, 1485, 285, 285},
    {KeyKind::Decimal, 0, KeyFaces::Decimal, u",", u"Séparateur décimal", true, 495, 1485, 270, 255, 495, 1485, 285, 285},
    {KeyKind::Cancel, 0, KeyFaces::Cancel, u"C", u"Effacer tout", false, 1665, 1350, 270, 255, 1665, 1305, 285, 285},
    {KeyKind::CancelEntry, 0, KeyFaces::CancelEntry, u"CE", u"Effacer la dernière entrée", false, 2070, 1350, 270, 270, 2070, 1305, 285, 285},
    {KeyKind::Operator, 2, 12, u"X", u"Multiplier", false, 1680, 1725, 270, 255, 1665, 1710, 285, 285},
    {KeyKind::Operator, 1, 11, u"+", u"Ajouter", false, 2070, 1755, 270, 255, 2070, 1710, 285, 285},
    {KeyKind::Operator, 3, 13, u"-", u"Soustraire", false, 1665, 2205, 270, 255, 1665, 2160, 285, 285},
    {KeyKind::Operator, 0, 10, u"/", u"Diviser", false, 2070, 2160, 270, 255, 2070, 2160, 285, 285},
    {KeyKind::Operator, 4, KeyFaces::Equals, u"=", u"Résultat", false, 1665, 2565, 645, 255, 1665, 2565, 645, 285},
};

// What clicking a key does: the routine of its kind, with its digit or operator index.
Euro::KeyAction keyAction(const KeyDef &key)
{
    switch (key.kind) {
    case KeyKind::Digit: return {Euro::KeyCommand::Digit, key.index};
    case KeyKind::Operator: return {Euro::KeyCommand::Operator, key.index};
    case KeyKind::Decimal: return {Euro::KeyCommand::Decimal};
    case KeyKind::Cancel: return {Euro::KeyCommand::ClearAll};
    case KeyKind::CancelEntry: return {Euro::KeyCommand::ClearEntry};
    }
    return {};
}

QString indexed(const char *name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

QString keyName(const KeyDef &key)
{
    switch (key.kind) {
    case KeyKind::Digit: return indexed("lblBouton", key.index);
    case KeyKind::Operator: return indexed("Operator", key.index);
    case KeyKind::Decimal: return QStringLiteral("Decimal");
    case KeyKind::Cancel: return QStringLiteral("Cancel");
    case KeyKind::CancelEntry: return QStringLiteral("CancelEntry");
    }
    return {};
}

// Spoken names of the keys: the digit keys are all hinted "Chiffre 0" until the pointer
// rests on them, so a screen reader hears their own digit instead.
QString keyAccessibleName(const KeyDef &key)
{
    if (key.kind == KeyKind::Digit)
        return QStringLiteral("Chiffre %1").arg(key.index);
    return QString::fromUtf16(key.hint);
}

KeyLabel *makeKeyLabel(QWidget *parent, const QString &name, const QString &caption, const QString &hint,
                       double left, double top, double width, double height)
{
    auto *label = place(new KeyLabel(parent), name, left, top, width, height);
    label->setText(caption);
    if (!hint.isEmpty())
        label->setToolTip(hint);
    return label;
}

void setFlatBorder(QFrame *frame)
{
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
}

// A control drawn by a style sheet passes no palette on to its scroll bars: they would take
// the desktop's, dark under a dark theme.
void useDesignScrollBars(QAbstractScrollArea *area)
{
    for (QScrollBar *bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
        bar->setPalette(Euro::designPalette());
}

// White, flat, Tahoma 8.25. The lists are filled in sorted order rather than sorted by the
// list box: its sorting compares through a locale collator, which costs more start-up
// memory than the twelve fixed texts are worth.
void setUpList(QListWidget *list)
{
    list->setAccessibleName(list->toolTip()); // no caption: it says its hint
    list->setFont(tahoma(8.25, false));
    list->setStyleSheet(QStringLiteral("QListWidget { border: 1px solid black; background: white; color: black; }"));
    useDesignScrollBars(list);
}

QFrame *makePanel(QWidget *parent, const QString &name, double left, double top, double width, double height)
{
    auto *frame = place(new QFrame(parent), name, left, top, width, height);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken); // etched, like a frame without caption
    return frame;
}

} // namespace

FrmEuro::FrmEuro(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_calculator(m_tape)
{
    setObjectName(QStringLiteral("frmEuro"));
    Euro::useDesignPalette(this);
    setWindowTitle(QStringLiteral("Pecunio"));
    QIcon coins;
    coins.addPixmap(Euro::pngPixmap(QStringLiteral(":/pecunio/icons/pecunio-32.png")));
    coins.addPixmap(Euro::pngPixmap(QStringLiteral(":/pecunio/icons/pecunio-48.png")));
    setWindowIcon(coins);
    setFont(tahoma(8.25, true));
    setAccessibleName(QStringLiteral("Pecunio"));
    setFixedSize(twipsRect(0, 0, 5550, 7575).size()); // the designed client area, until the load sizes it

    createFrames();
    createCalculatorPanel();
    createKeys();
    createWindowControls();
    setFocusOrder();
    setUpKeyboardFocus();
    setPointers();
    createFixedConnections();
}

// ---- Controls

void FrmEuro::createFrames()
{
    ui.Frame1 = makePanel(this, QStringLiteral("Frame1"), 45, 0, 2760, 3345);
    ui.fraParametres = new ParametersPanel(m_calculator, this);
    ui.lblFermer[0] = ui.fraParametres->ui().lblFermer;
    connect(ui.fraParametres, &ParametersPanel::controlBuilt, this, &FrmEuro::deferredControlBuilt);
    ui.fraPapier = new TapePanel(m_tape, this);
    ui.lblFermer[1] = ui.fraPapier->ui().lblFermer;
    connect(ui.fraPapier, &TapePanel::controlBuilt, this, &FrmEuro::deferredControlBuilt);
    connect(ui.fraPapier, &TapePanel::saveRequested, this, &FrmEuro::saveTapeToFile);
    addAction(ui.fraPapier->saveAction()); // Ctrl+S anywhere in the window
    ui.fraClavier = place(new QFrame(ui.Frame1), QStringLiteral("fraClavier"), 135, 1080, 1320, 1860);
    ui.fraClavier->setFrameStyle(QFrame::NoFrame);
}

void FrmEuro::createCalculatorPanel()
{
    QWidget *panel = ui.Frame1;

    ui.Shape2 = place(new FaceShape(FaceShape::Kind::RoundedRectangle, panel), QStringLiteral("Shape2"), 360, 270,
                      2265, 435);
    ui.Shape2->setFillColor(Blue);
    ui.Shape2->setBorderColor(Qt::black);

    ui.ReadOut[0] = place(new DisplayBox(panel), indexed("ReadOut", 0), 420, 300, 1995, 285);
    ui.ReadOut[0]->setFont(tahoma(14.25, true));
    ui.ReadOut[0]->setStyleSheet(QStringLiteral("border: none; background: rgb(0, 0, 255); color: rgb(255, 255, 0);"));
    ui.ReadOut[0]->setAccessibleName(QStringLiteral("Montant en euros"));
    ui.ReadOut[1] = place(new DisplayBox(panel), indexed("ReadOut", 1), 360, 720, 1515, 285);
    ui.ReadOut[1]->setFont(tahoma(9, false));
    ui.ReadOut[1]->setStyleSheet(FlatWhiteBox);
    ui.ReadOut[1]->setAccessibleName(QStringLiteral("Montant en devise"));
    for (DisplayBox *display : ui.ReadOut) {
        display->setText(QStringLiteral("0"));
        display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        display->setTextMargins(0, 0, 0, 0);
    }

    ui.Label1 = makeLabel(panel, QStringLiteral("Label1"), QStringLiteral("€"), 2415, 285, 165, 375);
    ui.Label1->setFont(tahoma(15.75, false));
    setColours(ui.Label1, Yellow);
    fitEuroSign();
    ui.Label1->setAccessibleName(QStringLiteral("euros"));

    const char16_t *calculHints[] = {u"Saisie en €uro", u"Saisie dans la devise sélectionnée"};
    const int calculTops[] = {360, 720};
    for (int i = 0; i < 2; ++i) {
        auto *option = place(new QRadioButton(panel), indexed("optCalcul", i), 135, calculTops[i], 195, 285);
        option->setToolTip(QString::fromUtf16(calculHints[i]));
        option->setAccessibleName(option->toolTip());
        ui.optCalcul[size_t(i)] = option;
    }
    ui.optCalcul[1]->setChecked(true);

    ui.lblDevise = makeKeyLabel(panel, QStringLiteral("lblDevise"), Euro::StartCurrencyCode.toString(),
                                QStringLiteral("devise sélectionnée"), 1935, 720, 465, 285);
    ui.lblDevise->setFont(tahoma(9, false));
    ui.lblDevise->setAlignment(Qt::AlignCenter);
    setFlatBorder(ui.lblDevise);
    setColours(ui.lblDevise, Qt::black, Qt::white);

    ui.Label2 = makeKeyLabel(panel, QStringLiteral("Label2"), QStringLiteral("<"), QString(), 2385, 720, 240, 285);
    ui.Label2->setFont(Euro::designFont(QStringLiteral("System"), 9.75, true));
    ui.Label2->setAlignment(Qt::AlignCenter);
    setFlatBorder(ui.Label2);
    setColours(ui.Label2, Qt::black, Qt::white);
    ui.Label2->setAccessibleName(QStringLiteral("Afficher ou cacher la liste des devises"));

    ui.lblFermer[3] = makeKeyLabel(panel, indexed("lblFermer", 3), QStringLiteral("O P E R A T I O N S"),
                                   QStringLiteral("Afficher/Cacher la liste des opérations effectuées"), 2475, 1215,
                                   150, 1680);
    ui.lblFermer[3]->setFont(tahoma(6.75, true));
    ui.lblFermer[3]->setWordWrap(true); // one letter a line: a vertical tab
    ui.lblFermer[3]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFlatBorder(ui.lblFermer[3]);

    ui.Line2 = makeLine(panel, QStringLiteral("Line2"), 2610, 135, 2970, Qt::black);

    ui.lblFermer[2] = makeKeyLabel(panel, indexed("lblFermer", 2), QStringLiteral("paramètres"),
                                   QStringLiteral("Afficher les paramêtres"), 1575, 3060, 1035, 195);
    ui.lblFermer[2]->setFont(tahoma(6.75, true));
    ui.lblFermer[2]->setAlignment(Qt::AlignCenter);
    setFlatBorder(ui.lblFermer[2]);

    ui.lblInfo = makeKeyLabel(panel, QStringLiteral("lblInfo"), QStringLiteral("Arrondi à 2 décimales"),
                              QStringLiteral("Information"), 135, 3105, 1335, 165);
    ui.lblInfo->setFont(tahoma(6.75, false));
}

void FrmEuro::fitEuroSign()
{
    // The sign's ink reaches a pixel or two past its designed box: the box grows by that
    // much, with margins that keep the sign exactly where the design puts it. Zoomed, the
    // box's rounding may leave the sign's advance a pixel wider than the box: its text room
    // takes that pixel from the margin.
    const QFontMetrics metrics(ui.Label1->font());
    const QRect ink = metrics.tightBoundingRect(ui.Label1->text());
    const int roomShort = std::max(0, metrics.horizontalAdvance(ui.Label1->text()) - ui.Label1->width());
    const int reach = std::max(ink.right() + 1 - ui.Label1->width(), roomShort);
    const QMargins overhang(std::max(0, -ink.left()), 0, std::max(0, reach), 0);
    ui.Label1->setGeometry(ui.Label1->geometry().marginsAdded(overhang));
    ui.Label1->setContentsMargins(overhang - QMargins(0, 0, roomShort, 0));
}

void FrmEuro::createKeys()
{
    for (const KeyDef &key : Keys) {
        QWidget *container = key.onKeypad ? ui.fraClavier : static_cast<QWidget *>(ui.Frame1);
        const auto faceKind =
            key.face == KeyFaces::Equals ? FaceShape::Kind::RoundedRectangle : FaceShape::Kind::Circle;
        auto *face = place(new FaceShape(faceKind, container), indexed("shaBouton", key.face), key.faceLeft,
                           key.faceTop, key.faceWidth, key.faceHeight);
        face->setFillColor(Qt::black);
        face->setBorderColor(Qt::black);
        face->setBorderWidth(2);
        ui.shaBouton[size_t(key.face)] = face;

        KeyLabel *label = makeKeyLabel(container, keyName(key), QString::fromUtf16(key.caption),
                                       QString::fromUtf16(key.hint), key.left, key.top, key.width, key.height);
        label->setFont(tahoma(9, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setColours(label, Qt::white);
        label->setAccessibleName(keyAccessibleName(key));
        if (key.kind == KeyKind::Digit) // not the design hint, which says "Chiffre 0" on every one
            label->setAccessibleDescription(QStringLiteral("Chiffre: %1").arg(key.index));
        label->raise(); // over every face, its own and its neighbours'

        const qint16 i = key.index;
        switch (key.kind) {
        case KeyKind::Digit:
            ui.lblBouton[size_t(i)] = label;
            connect(label, &KeyLabel::mouseMove, this,
                    [this, i](qint16 b, qint16 s, float x, float y) { lblBouton_MouseMove(i, b, s, x, y); });
            break;
        case KeyKind::Operator: ui.Operator[size_t(i)] = label; break;
        case KeyKind::Decimal: ui.Decimal = label; break;
        case KeyKind::Cancel: ui.Cancel = label; break;
        case KeyKind::CancelEntry: ui.CancelEntry = label; break;
        }
        // A click runs the key's routine, as its keyboard key does; the face shows the press.
        const Euro::KeyAction action = keyAction(key);
        const int faceIndex = key.face;
        connect(label, &KeyLabel::clicked, this, [this, action] { runKeyAction(action); });
        connect(label, &KeyLabel::mouseDown, this, [this, faceIndex] { showKeyPressed(faceIndex, true); });
        connect(label, &KeyLabel::mouseUp, this, [this, faceIndex] { showKeyPressed(faceIndex, false); });
    }
    // The panel switch stands over the keypad's right edge.
    ui.lblFermer[3]->raise();
}

void FrmEuro::createWindowControls()
{
    ui.Label3[0] = makeLabel(this, indexed("Label3", 0), QStringLiteral("Pour l'aide, appuyez sur F1..."), 90, 3450,
                             1830, 165);
    ui.cmdPlan = place(new QPushButton(QStringLiteral("..."), this), QStringLiteral("cmdPlan"), 2550, 3390, 255, 195);
    ui.cmdPlan->setToolTip(QStringLiteral("Premier plan / arrière plan"));
    ui.Label3[2] = makeLabel(this, indexed("Label3", 2), QStringLiteral("Effacer"), 3135, 3435, 435, 165);
    ui.cmdEffacer = place(new QPushButton(QStringLiteral("..."), this), QStringLiteral("cmdEffacer"), 3660, 3390, 255,
                          195);
    ui.cmdEffacer->setToolTip(QStringLiteral("Effacer la liste des opérations"));
    ui.Label3[1] = makeLabel(this, indexed("Label3", 1), QStringLiteral("Imprimer"), 4125, 3420, 570, 165);
    ui.cmdImprimer = place(new QPushButton(QStringLiteral("..."), this), QStringLiteral("cmdImprimer"), 4770, 3390,
                           255, 195);
    ui.cmdImprimer->setToolTip(QStringLiteral("Imprimer la liste des opérations"));
    for (QLabel *caption : ui.Label3)
        caption->setFont(tahoma(6.75, false));
    for (QPushButton *button : {ui.cmdPlan, ui.cmdEffacer, ui.cmdImprimer}) {
        button->setAccessibleName(button->toolTip());
        button->setAutoDefault(false);
    }

    // Spoken names: a control says its caption and gives its hint as description; one
    // whose caption tells nothing ("...", "X", spaced letters) says its hint instead.
    for (KeyLabel *panelSwitch : ui.lblFermer)
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
    const ParametersPanel::Controls &p = ui.fraParametres->ui();
    QList<QWidget *> order{ui.optCalcul[0],  ui.ReadOut[0],   ui.optCalcul[1],  ui.ReadOut[1],  ui.Label2,
                           ui.lstListe,      ui.lblFermer[3], ui.lblFermer[2],  ui.lblFermer[0], p.lstPays,
                           p.cmdTaux,        p.txtTaux,       p.optDecimal[0],  p.optDecimal[1], ui.lblFermer[1],
                           ui.fraPapier->ui().txtOperations, ui.cmdPlan,      ui.cmdEffacer,    ui.cmdImprimer};
    order.removeAll(nullptr); // a deferred control not built yet takes its place when it is
    for (KeyLabel *stop : {ui.Label2, ui.lblFermer[0], ui.lblFermer[1], ui.lblFermer[2], ui.lblFermer[3]})
        stop->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void FrmEuro::setPointers()
{
    // The program's own pointing hand; its hot spot is the fingertip.
    const QCursor hand(Euro::pngPixmap(QStringLiteral(":/pecunio/cursors/hand.png")), 12, 1);
    const ParametersPanel::Controls &p = ui.fraParametres->ui();
    QList<QWidget *> pointing{ui.Decimal,    ui.Cancel,    ui.CancelEntry,  ui.Label2,       ui.lstListe,
                              p.lstPays,     p.cmdTaux,    ui.cmdPlan,      ui.cmdEffacer,   ui.cmdImprimer,
                              ui.optCalcul[0], ui.optCalcul[1], p.optDecimal[0], p.optDecimal[1]};
    for (KeyLabel *key : ui.lblBouton)
        pointing.append(key);
    for (KeyLabel *key : ui.Operator)
        pointing.append(key);
    for (KeyLabel *panelSwitch : ui.lblFermer)
        pointing.append(panelSwitch);
    pointing.removeAll(nullptr); // deferred controls not built yet
    for (QWidget *widget : pointing)
        widget->setCursor(hand);
}

void FrmEuro::createFixedConnections()
{
    connect(&m_calculator, &Calculator::displayChanged, this, &FrmEuro::showDisplay);

    for (qint16 i = 0; i < 2; ++i) {
        // An option runs its routine when it becomes the chosen one, by the mouse, the
        // keyboard or the program.
        connect(ui.optCalcul[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optCalcul_Click(i);
        });
    }

    for (qint16 i = 0; i < qint16(ui.lblFermer.size()); ++i)
        connect(ui.lblFermer[size_t(i)], &KeyLabel::clicked, this, [this, i] { lblFermer_Click(i); });
    connect(ui.cmdPlan, &QPushButton::clicked, this, &FrmEuro::cmdPlan_Click);
    connect(ui.Label2, &KeyLabel::clicked, this, &FrmEuro::Label2_Click);
    connect(ui.lblDevise, &KeyLabel::mouseMove, this, &FrmEuro::lblDevise_MouseMove);
    connect(ui.lblInfo, &KeyLabel::mouseMove, this, &FrmEuro::lblInfo_MouseMove);

    for (int i = 0; i < int(ui.ReadOut.size()); ++i) {
        ui.ReadOut[size_t(i)]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(ui.ReadOut[size_t(i)], &QWidget::customContextMenuRequested, this,
                [this, i](const QPoint &at) { showDisplayMenu(i, at); });
        connect(ui.ReadOut[size_t(i)], &DisplayBox::textDropped, this, [this](const QString &text) {
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
                             static_cast<QWidget *>(p.txtTaux), static_cast<QWidget *>(ui.Label2)})
        m_controlKeys->watch(control);
    for (KeyLabel *panelSwitch : ui.lblFermer)
        m_controlKeys->watch(panelSwitch);
    m_controlKeys->watchGroup({ui.optCalcul[0], ui.optCalcul[1]});
    m_controlKeys->watchGroup({p.optDecimal[0], p.optDecimal[1]});
    createShortcuts();
    m_pointerWatch = new PointerWatch(this);
    connect(m_pointerWatch, &PointerWatch::pressed, this, &FrmEuro::pressedOn);
    connect(m_pointerWatch, &PointerWatch::zoomWheel, this, &FrmEuro::zoomWheel);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &FrmEuro::onCommitDataRequest);
}

// ---- Controls built on first use

void FrmEuro::setUpDeferredList(QListWidget *list, const QString &hint, void (FrmEuro::*clicked)())
{
    list->setToolTip(hint);
    setUpList(list);
    connect(new ListClicks(list), &ListClicks::clicked, this, clicked);
    deferredControlBuilt();
}


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
        setUpDeferredList(ui.lstListe, QStringLiteral("Liste des devises"), &FrmEuro::lstListe_Click);
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
        for (const QString &text : texts)
            ui.lstListe->addItem(text.left(3));
    }
}

void FrmEuro::deferredControlBuilt()
{
    Euro::zoomStyledParts(this);
    if (m_pointerWatch)
        m_pointerWatch->watchControls();
    if (m_loaded)
        fillLists();
    setFocusOrder();
    setPointers();
}
