#include "ui/main/keypadpanel.h"

#include "engine/calculator.h"
#include "engine/currencies.h"
#include "engine/keytable.h"
#include "engine/spokenamount.h"
#include "ui/main/accessibility.h"
#include "ui/kit/windowkit.h"
#include "ui/main/displaybox.h"
#include "ui/main/displayfit.h"
#include "ui/main/faceshape.h"
#include "ui/main/hintlabel.h"
#include "ui/main/keylabel.h"
#include "ui/main/panelparts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>

namespace {

using Euro::makeLabel;
using Euro::makeLine;
using Euro::place;
using Euro::setColours;
using Panels::indexed;
using Panels::makeKeyLabel;
using Panels::setFlatBorder;
using Panels::tahoma;

const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);

} // namespace

KeypadPanel::KeypadPanel(const Calculator &calculator, std::span<const Euro::KeyRow> keys, QWidget *window)
    : QFrame(window)
    , m_calculator(calculator)
    , m_keyRows(keys)
{
    Accessibility::setContainerRole(this, QAccessible::Grouping);
    setAccessibleName(QStringLiteral("Calculatrice"));
    place(this, QStringLiteral("Frame1"), 45, 0, 2760, 3345);
    Panels::etch(this);
    m_ui.fraClavier = new QFrame(this);
    Accessibility::setContainerRole(m_ui.fraClavier, QAccessible::Grouping);
    place(m_ui.fraClavier, QStringLiteral("fraClavier"), 135, 1080, 1320, 1860);
    m_ui.fraClavier->setFrameStyle(QFrame::NoFrame);
    createDisplays();
    createKeys();
    connect(m_ui.lblDevise, &HintLabel::mouseMove, this, &KeypadPanel::lblDevise_MouseMove);
    connect(m_ui.lblInfo, &HintLabel::mouseMove, this, &KeypadPanel::lblInfo_MouseMove);
}

QList<KeyLabel *> KeypadPanel::keys() const { return QList<KeyLabel *>(m_ui.keys.begin(), m_ui.keys.end()); }

void KeypadPanel::createDisplays()
{
    QWidget *panel = this;

    m_ui.Shape2 =
        place(new FaceShape(FaceShape::Kind::RoundedRectangle, panel), QStringLiteral("Shape2"), 360, 270, 2265, 435);
    m_ui.Shape2->setFillColor(Blue);
    m_ui.Shape2->setBorderColor(Qt::black);

    m_ui.ReadOut[0] = place(new DisplayBox(panel), indexed("ReadOut", 0), 420, 300, 1995, 285);
    m_ui.ReadOut[0]->setFont(tahoma(14.25, true));
    m_ui.ReadOut[0]->setStyleSheet(
        QStringLiteral("border: none; background: rgb(0, 0, 255); color: rgb(255, 255, 0);"));
    m_ui.ReadOut[0]->setAccessibleName(QStringLiteral("Montant en euros"));
    m_ui.ReadOut[1] = place(new DisplayBox(panel), indexed("ReadOut", 1), 360, 720, 1515, 285);
    m_ui.ReadOut[1]->setFont(tahoma(9, false));
    m_ui.ReadOut[1]->setStyleSheet(Panels::flatWhiteBox());
    m_ui.ReadOut[1]->setAccessibleName(QStringLiteral("Montant en devise"));
    for (qint16 i = 0; i < qint16(m_ui.ReadOut.size()); ++i)
        m_ui.ReadOut[size_t(i)]->setKeyedInto([this, i] { return m_calculator.inputDisplay() == i; });
    for (DisplayBox *display : m_ui.ReadOut) {
        display->setText(QStringLiteral("0"));
        display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        display->setTextMargins(0, 0, 0, 0);
    }

    m_ui.Label1 = makeLabel(panel, QStringLiteral("Label1"), QStringLiteral("€"), 2415, 285, 165, 375);
    m_ui.Label1->setFont(tahoma(15.75, false));
    setColours(m_ui.Label1, Yellow);
    Panels::fitInk(m_ui.Label1); // the sign's bar reaches past its box
    m_ui.Label1->setAccessibleName(QStringLiteral("euros"));

    const char16_t *calculHints[] = {u"Saisie en €uro", u"Saisie dans la devise sélectionnée"};
    const int calculTops[] = {360, 720};
    for (int i = 0; i < 2; ++i) {
        auto *option = place(new QRadioButton(panel), indexed("optCalcul", i), 135, calculTops[i], 195, 285);
        option->setToolTip(QString::fromUtf16(calculHints[i]));
        option->setAccessibleName(option->toolTip());
        m_ui.optCalcul[size_t(i)] = option;
    }
    m_ui.optCalcul[1]->setChecked(true);

    m_ui.lblDevise = Panels::makeHintLabel(panel, QStringLiteral("lblDevise"), Euro::StartCurrencyCode.toString(),
                                           QStringLiteral("devise sélectionnée"), 1935, 720, 465, 285);
    m_ui.lblDevise->setFont(tahoma(9, false));
    m_ui.lblDevise->setAlignment(Qt::AlignCenter);
    setFlatBorder(m_ui.lblDevise);
    setColours(m_ui.lblDevise, Qt::black, Qt::white);

    m_ui.Label2 = makeKeyLabel(panel, QStringLiteral("Label2"), QStringLiteral("<"), QString(), 2385, 720, 240, 285);
    m_ui.Label2->setFont(Euro::designFont(QStringLiteral("System"), 9.75, true));
    m_ui.Label2->setAlignment(Qt::AlignCenter);
    setFlatBorder(m_ui.Label2);
    setColours(m_ui.Label2, Qt::black, Qt::white);
    m_ui.Label2->setAccessibleName(QStringLiteral("Afficher ou cacher la liste des devises"));

    m_ui.lblFermer3 =
        makeKeyLabel(panel, indexed("lblFermer", 3), QStringLiteral("O P E R A T I O N S"),
                     QStringLiteral("Afficher/Cacher la liste des opérations effectuées"), 2475, 1215, 165, 1680);
    m_ui.lblFermer3->setFont(tahoma(6.75, true));
    m_ui.lblFermer3->setWordWrap(true); // one letter a line: a vertical tab
    // Centred across the strip, with no indent from the frame on either side: the widest
    // letters (O, N) fit whole at every zoom. The strip is a pixel wider than designed,
    // to the right, so that they keep clear of its frame.
    m_ui.lblFermer3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setFlatBorder(m_ui.lblFermer3);

    m_ui.Line2 = makeLine(panel, QStringLiteral("Line2"), 2610, 135, 2970, Qt::black);
    Accessibility::setDrawingOnly(m_ui.Line2);

    m_ui.lblFermer2 = makeKeyLabel(panel, indexed("lblFermer", 2), QStringLiteral("paramètres"),
                                   QStringLiteral("Afficher les paramètres"), 1575, 3060, 1035, 195);
    m_ui.lblFermer2->setFont(tahoma(6.75, true));
    m_ui.lblFermer2->setAlignment(Qt::AlignCenter);
    setFlatBorder(m_ui.lblFermer2);

    m_ui.lblFermer4 =
        makeKeyLabel(panel, indexed("lblFermer", 4), QStringLiteral("pouvoir d'achat"),
                     QStringLiteral("Ce que vaut aujourd'hui un montant d'autrefois (F3)"), 1410, 45, 1200, 180);
    m_ui.lblFermer4->setFont(tahoma(6.75, true));
    m_ui.lblFermer4->setAlignment(Qt::AlignCenter);
    setFlatBorder(m_ui.lblFermer4);

    m_ui.lblInfo = Panels::makeHintLabel(panel, QStringLiteral("lblInfo"), QStringLiteral("Arrondi à 2 décimales"),
                                         QStringLiteral("Information"), 135, 3105, 1335, 165);
    m_ui.lblInfo->setFont(tahoma(6.75, false));
    Panels::fitInk(m_ui.lblInfo);
}

void KeypadPanel::showRounding(const QString &caption)
{
    m_ui.lblInfo->setText(caption);
    Panels::fitInk(m_ui.lblInfo);
}

void KeypadPanel::createKeys()
{
    m_ui.shaBouton.assign(size_t(Euro::keyFaceCount(m_keyRows)), nullptr);
    for (size_t row = 0; row < m_keyRows.size(); ++row) {
        const Euro::KeyRow &key = m_keyRows[row];
        if (!key.hasLabel())
            continue; // a keyboard key only
        QWidget *container = key.onKeypad ? m_ui.fraClavier : static_cast<QWidget *>(this);
        const int faceIndex = Euro::keyFace(m_keyRows, row);
        // The "=" key, two keys wide, lies on the one rounded rectangle.
        const auto faceKind =
            key.face.width > 2 * key.face.height ? FaceShape::Kind::RoundedRectangle : FaceShape::Kind::Circle;
        auto *face = place(new FaceShape(faceKind, container), indexed("shaBouton", faceIndex), key.face.left,
                           key.face.top, key.face.width, key.face.height);
        face->setFillColor(Qt::black);
        face->setBorderColor(Qt::black);
        face->setBorderWidth(2);
        m_ui.shaBouton[size_t(faceIndex)] = face;

        KeyLabel *label = makeKeyLabel(container, QString::fromUtf16(key.name), QString::fromUtf16(key.caption),
                                       QString::fromUtf16(key.hint), key.label.left, key.label.top, key.label.width,
                                       key.label.height);
        label->setFont(tahoma(9, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setColours(label, Qt::white);
        label->setAccessibleName(key.spokenName());
        const Euro::KeyAction action = key.action;
        if (action.command == Euro::KeyCommand::Digit) {
            // Not the design hint, which says "Chiffre 0" on every one; the hover hint
            // names the digit once the pointer rests on it.
            label->setAccessibleDescription(QStringLiteral("Chiffre: %1").arg(action.index));
            connect(label, &KeyLabel::mouseMove, this, [this, i = action.index](qint16 b, qint16 s, float x, float y) {
                lblBouton_MouseMove(i, b, s, x, y);
            });
        }
        label->raise(); // over every face, its own and its neighbours'
        m_ui.keys.push_back(label);
        // A click runs the key's routine, as its keyboard key does; the face shows the press.
        connect(label, &KeyLabel::clicked, this, [this, action] { Q_EMIT keyClicked(action); });
        connect(label, &KeyLabel::mouseDown, this, [this, faceIndex] { showKeyPressed(faceIndex, true); });
        connect(label, &KeyLabel::mouseUp, this, [this, faceIndex] { showKeyPressed(faceIndex, false); });
    }
    // The panel switch stands over the keypad's right edge.
    m_ui.lblFermer3->raise();
    m_ui.lblFermer4->raise();
}

void KeypadPanel::showDisplay(int index, const QString &text)
{
    if (index < 0 || index >= int(m_ui.ReadOut.size()))
        return;
    // The line edit announces the new amount to assistive technology itself.
    QLineEdit *display = m_ui.ReadOut[size_t(index)];
    std::optional<QFont> &design = m_displayFonts[size_t(index)];
    if (!design)
        design = display->font();
    display->setText(text);
    Euro::fitDisplayFont(display, *design);
    describeDisplays();
}

void KeypadPanel::describeDisplays()
{
    // Each display tells both amounts, its own first: what the pair on screen says.
    const std::array<QString, 2> codes{Euro::EuroCode.toString(), m_calculator.currencyCode()};
    for (size_t i = 0; i < m_ui.ReadOut.size(); ++i)
        m_ui.ReadOut[i]->setAccessibleDescription(
            Euro::spokenPair(m_calculator.ReadOut(int(i)), codes[i], m_calculator.ReadOut(int(1 - i)), codes[1 - i]));
}

void KeypadPanel::rezoom(double from, double to)
{
    for (QLabel *label : {m_ui.Label1, static_cast<QLabel *>(m_ui.lblInfo)})
        Panels::fitInk(label);
    // The displays from their design size again, shrunk as their amounts need.
    for (size_t i = 0; i < m_ui.ReadOut.size(); ++i) {
        if (std::optional<QFont> &design = m_displayFonts[i]) {
            design->setPointSizeF(design->pointSizeF() * to / from);
            m_ui.ReadOut[i]->setFont(*design);
            Euro::fitDisplayFont(m_ui.ReadOut[i], *design);
        }
    }
}

// ---- Press and release: the pressed key's face is ringed in the button-face colour.

namespace {

void ringFace(const std::vector<FaceShape *> &faces, int face, bool pressed, const QColor &buttonFace)
{
    if (face < 0 || face >= int(faces.size()) || !faces[size_t(face)])
        return;
    faces[size_t(face)]->setBorderColor(pressed ? buttonFace : QColor(Qt::black));
}

} // namespace

void KeypadPanel::showKeyPressed(int face, bool pressed)
{
    ringFace(m_ui.shaBouton, face, pressed, palette().color(QPalette::Button));
}

// ---- Hover hints computed as the pointer moves; none is ever cleared.

void KeypadPanel::lblBouton_MouseMove(qint16 Index, qint16, qint16, float, float)
{
    for (KeyLabel *key : m_ui.keys) {
        if (key->objectName() == indexed("lblBouton", Index))
            key->setToolTip(QStringLiteral("Chiffre: ") + QString::number(Index));
    }
}

void KeypadPanel::lblDevise_MouseMove(qint16, qint16, float, float)
{
    // The code's full list text, e.g. "FRF - Franc Français".
    if (const Euro::Currency *currency = Euro::currencyOf(m_ui.lblDevise->text()))
        m_ui.lblDevise->setToolTip(currency->listText.toString());
}

void KeypadPanel::lblInfo_MouseMove(qint16, qint16, float, float)
{
    // A rounding line cut off by the label can be read in full.
    m_ui.lblInfo->setToolTip(m_ui.lblInfo->text());
}
