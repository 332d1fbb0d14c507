// The calculator window as it stands after its load: every control, its texts, hints,
// state, look, pointer and spoken name; and the layout's invariants (captions fit, controls
// lie inside their panels, keys do not overlap, fonts are the program's own).

#include "windowfixture.h"

#include "ui/kit/fonts.h"
#include "support/layoutchecks.h"
#include "ui/main/faceshape.h"
#include "engine/keytable.h"
#include "ui/main/keylabel.h"
#include "support/keysequence.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

using TestSupport::LoadedWindow;

namespace {

// Every interface a screen reader reaches from root's, walking down the children; a child
// its parent does not know again is a fault of the tree.
void walkTree(QAccessibleInterface *root, QList<QAccessibleInterface *> &reached, QStringList &faults)
{
    reached << root;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (!child || root->indexOfChild(child) != i) {
            faults << QStringLiteral("child %1 of %2").arg(i).arg(root->text(QAccessible::Name));
            continue;
        }
        walkTree(child, reached, faults);
    }
}

// The states a reader is told of a control, those that the window sets.
QStringList toldStates(const QAccessible::State &s)
{
    const QStringList names{"invisible", "checkable", "checked", "focusable", "selected"};
    const bool on[] = {bool(s.invisible), bool(s.checkable), bool(s.checked), bool(s.focusable), bool(s.selected)};
    QStringList told;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (on[i])
            told << names.at(i);
    }
    return told;
}

QString captionOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return {};
}

} // namespace

class TestFrmEuroControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        Euro::registerFonts();
        m_loaded = std::make_unique<LoadedWindow>();
    }
    void cleanupTestCase() { m_loaded.reset(); }

    void control_data();
    void control();
    void keyFace_data();
    void keyFace();
    void keysDoNotOverlap();
    void aKeyIsOneRow();
    void keyLabelsTakeTheMouseOverTheirFaces();
    void captionsFit();
    void controlsLieInside();
    void fontsAreTheProgramsOwn();
    void fonts_data();
    void fonts();
    void displaysAreLockedAndColoured();
    void startStateOthersRelyOn();
    void pointingHand();
    void everyControlHasASpokenName();
    void accessibleNames_data();
    void accessibleNames();
    void spokenState_data();
    void spokenState();
    void screenReaderTree_data();
    void screenReaderTree();
    void windowFrame();

private:
    std::unique_ptr<LoadedWindow> m_loaded;
};

void TestFrmEuroControls::control_data()
{
    // What the user sees of each control: the design's French texts, whether it shows and
    // whether it can be used. (How it is built, its class and parent, is the code's own.)
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");

    auto row = [](const char *name, const QString &caption, const QString &hint, bool shown = true,
                  bool enabled = true) {
        QTest::newRow(name) << QString::fromUtf8(name) << caption << hint << shown << enabled;
    };
    const QString none;
    // Frames
    row("Frame1", none, none);
    row("fraClavier", none, none);
    row("fraParametres", none, none, false);
    row("fraPapier", none, none, false); // cut off by the narrow window
    // Calculator panel
    row("Shape2", none, none);
    // The load keys "0," into both; the euro display then shows the currency's zero converted.
    row("ReadOut(0)", "0", none);
    row("Label1", "€", none);
    row("optCalcul(0)", none, "Saisie en €uro");
    row("ReadOut(1)", "0,", none);
    row("optCalcul(1)", none, "Saisie dans la devise sélectionnée");
    row("lblDevise", "FRF", "devise sélectionnée");
    row("Label2", "<", none);
    row("Cancel", "C", "Effacer tout");
    row("CancelEntry", "CE", "Effacer la dernière entrée");
    row("Operator(2)", "X", "Multiplier");
    row("Operator(1)", "+", "Ajouter");
    row("Operator(3)", "-", "Soustraire");
    row("Operator(0)", "/", "Diviser");
    row("Operator(4)", "=", "Résultat");
    row("lblFermer(3)", "O P E R A T I O N S", "Afficher/Cacher la liste des opérations effectuées");
    row("lblFermer(2)", "paramètres", "Afficher les paramètres");
    row("lblInfo", "Arrondi à 2 décimales", "Information");
    // Keypad
    for (int digit = 0; digit < 10; ++digit) // each says "Chiffre 0" until the pointer reaches it
        row(QByteArray("lblBouton(" + QByteArray::number(digit) + ")").constData(), QString::number(digit),
            QStringLiteral("Chiffre 0"));
    row("Decimal", ",", "Séparateur décimal");
    // Parameters panel
    row("Label4(0)", "Paramètres", none);
    row("lblFermer(0)", "X", "Fermer les paramètres");
    row("lstPays", none, "Liste des pays de la zone €uro");
    row("cmdTaux", "Taux", "Valider le taux de change", true, false);
    row("txtTaux", "", "Taux de change");
    row("Label5", " Arrondi ", none);
    row("optDecimal(0)", "2 décimales", "Nombre de décimales: 2");
    row("optDecimal(1)", "5 décimales", "Nombre de décimales: 5");
    // Tape panel
    row("Label4(1)", "Opérations", none);
    row("lblFermer(1)", "X", "Cacher les opérations");
    row("txtOperations", none, "Liste des opérations");
    // On the window itself
    row("lstListe", none, "Liste des devises", false);
    row("Label3(0)", "Pour l'aide, appuyez sur F1...", none);
    row("cmdPlan", "...", "Premier plan / arrière plan");
    row("Label3(2)", "Effacer", none, false);
    row("cmdEffacer", "...", "Effacer la liste des opérations", false);
    row("Label3(1)", "Imprimer", none, false);
    row("cmdImprimer", "...", "Imprimer la liste des opérations", false);
}

void TestFrmEuroControls::control()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);

    const QList<QWidget *> found = m_loaded->window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *widget = found.first();
    QVERIFY(widget->parentWidget());
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->toolTip(), hint);
    QCOMPARE(widget->isVisibleTo(widget->parentWidget()), shown);
    QCOMPARE(widget->isEnabled(), enabled);
}

void TestFrmEuroControls::keyFace_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("key");

    for (int digit = 0; digit < 10; ++digit)
        QTest::addRow("shaBouton(%d) behind digit %d", digit, digit)
            << digit << QStringLiteral("lblBouton(%1)").arg(digit);
    // The faces keep the numbers the design gives them: the operators' follow their index.
    for (qint16 op = 0; op < OperatorCount; ++op)
        QTest::addRow("shaBouton(%d) behind %s", 10 + op, qPrintable(Euro::operatorCaption(op)))
            << 10 + op << QStringLiteral("Operator(%1)").arg(op);
    QTest::newRow("shaBouton(15) behind the decimal key") << 15 << "Decimal";
    QTest::newRow("shaBouton(16) behind C") << 16 << "Cancel";
    QTest::newRow("shaBouton(17) behind CE") << 17 << "CancelEntry";
}

void TestFrmEuroControls::keyFace()
{
    QFETCH(int, face);
    QFETCH(QString, key);

    auto *shape = m_loaded->control<FaceShape>(QStringLiteral("shaBouton(%1)").arg(face));
    auto *label = m_loaded->control<KeyLabel>(key);
    QVERIFY(shape);
    QVERIFY(label);
    QCOMPARE(shape->parentWidget(), label->parentWidget());
    // The caption sits on its own face: its middle lies inside the face's outline.
    QVERIFY2(shape->outline().contains(shape->mapFrom(label->parentWidget(), label->geometry().center())),
             qPrintable(key));
    // Only "=" is two keys wide, a rounded rectangle; the others are round.
    const bool equals = key == QLatin1String("Operator(4)");
    QCOMPARE(shape->kind(), equals ? FaceShape::Kind::RoundedRectangle : FaceShape::Kind::Circle);
    QCOMPARE(shape->width() > 2 * shape->height(), equals);
    QCOMPARE(shape->fillColor(), QColor(Qt::black));
    QCOMPARE(shape->borderColor(), QColor(Qt::black));
    QCOMPARE(shape->borderWidth(), 2);
    QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
    // White bold caption over the face, centred.
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(label->font().bold());
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
    QVERIFY(!label->autoFillBackground());
}

void TestFrmEuroControls::keysDoNotOverlap()
{
    // Faces and key captions, each in window coordinates: no two of a kind share a pixel.
    QWidget *window = m_loaded->window.get();
    auto inWindow = [window](const QWidget *w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
    QList<const QWidget *> faces;
    QList<const QWidget *> keys;
    const int faceCount = Euro::keyFaceCount(Euro::keyTable());
    QCOMPARE(faceCount, 18);
    for (int face = 0; face < faceCount; ++face)
        faces << m_loaded->control(QStringLiteral("shaBouton(%1)").arg(face));
    for (const KeyLabel *label : window->findChildren<KeyLabel *>()) {
        const QString name = label->objectName();
        if (name.startsWith(QLatin1String("lblBouton(")) || name.startsWith(QLatin1String("Operator("))
            || name == QLatin1String("Decimal") || name == QLatin1String("Cancel")
            || name == QLatin1String("CancelEntry"))
            keys << label;
    }
    QCOMPARE(keys.size(), faceCount);
    for (const QList<const QWidget *> &group : {faces, keys}) {
        for (qsizetype i = 0; i < group.size(); ++i) {
            QVERIFY(group.at(i));
            for (qsizetype j = i + 1; j < group.size(); ++j)
                QVERIFY2(!inWindow(group.at(i)).intersects(inWindow(group.at(j))),
                         qPrintable(group.at(i)->objectName() + QStringLiteral(" / ") + group.at(j)->objectName()));
        }
    }
}

void TestFrmEuroControls::aKeyIsOneRow()
{
    // One row more, a second "+" in the digit block's free place run by F9 too: it is on
    // the keypad with a face of its own, in the key map and in the accessibility tree.
    std::vector<Euro::KeyRow> rows(Euro::keyTable().begin(), Euro::keyTable().end());
    rows.push_back({{Euro::KeyCommand::Operator, qint16(Operator::Add)},
                    u"PlusEncore",
                    u"+",
                    u"Ajouter encore",
                    u"",
                    true,
                    {900, 1530, 270, 255},
                    {900, 1485, 285, 285},
                    {Euro::VkF1 + 8}});
    LoadedWindow loaded(true, true, rows);
    auto *key = loaded.control<KeyLabel>(QStringLiteral("PlusEncore"));
    QVERIFY(key);
    QCOMPARE(key->parentWidget(), loaded.control(QStringLiteral("fraClavier")));
    QCOMPARE(key->text(), QStringLiteral("+"));
    const int faces = Euro::keyFaceCount(rows);
    QCOMPARE(faces, 19);
    QSet<QString> faceNames;
    for (auto *face : loaded.window->findChildren<FaceShape *>()) {
        if (face->objectName().startsWith(QLatin1String("shaBouton(")))
            faceNames << face->objectName();
    }
    QCOMPARE(faceNames.size(), faces);

    QCOMPARE(Euro::keyAction(rows, Euro::VkF1 + 8), (Euro::KeyAction{Euro::KeyCommand::Operator, 1}));
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(key);
    QVERIFY(spoken);
    QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Ajouter encore"));
    QAccessibleInterface *up = spoken;
    while (up && up->object() != loaded.window.get())
        up = up->parent();
    QVERIFY2(up, "the key is in the window's accessibility tree");

    // It adds, clicked or keyed.
    loaded.window->activateWindow();
    TestKeys::press(*loaded.window, QStringLiteral("1 2"));
    QTest::mouseClick(key, Qt::LeftButton);
    TestKeys::press(*loaded.window, QStringLiteral("3 ="));
    QCOMPARE(loaded.window->calculator().ReadOut(1), QStringLiteral("15"));
    QTest::keyClick(loaded.window.get(), Qt::Key_F9);
    TestKeys::press(*loaded.window, QStringLiteral("5 ="));
    QCOMPARE(loaded.window->calculator().ReadOut(1), QStringLiteral("20"));
}

void TestFrmEuroControls::keyLabelsTakeTheMouseOverTheirFaces()
{
    // Wherever a key's label and a face overlap, the label is the widget under the pointer.
    for (int face = 0; face < Euro::keyFaceCount(Euro::keyTable()); ++face) {
        auto *shape = m_loaded->control<FaceShape>(QStringLiteral("shaBouton(%1)").arg(face));
        QVERIFY(shape);
        QWidget *container = shape->parentWidget();
        for (auto *label : container->findChildren<KeyLabel *>(Qt::FindDirectChildrenOnly)) {
            const QRect overlap = label->geometry() & shape->geometry();
            if (overlap.isEmpty())
                continue;
            QCOMPARE(container->childAt(overlap.center()), label);
        }
    }
}

void TestFrmEuroControls::captionsFit()
{
    const QStringList cut = TestSupport::captionsCutOff(m_loaded->window.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

void TestFrmEuroControls::controlsLieInside()
{
    QStringList out;
    for (const char *panel : {"Frame1", "fraClavier", "fraParametres", "fraPapier"})
        out << TestSupport::outsideContainer(m_loaded->control(QLatin1String(panel)));
    QVERIFY2(out.isEmpty(), qPrintable(out.join(QStringLiteral("; "))));
    // On the window itself, a control shows whole in the narrow window or not at all; the
    // wide window shows them all whole, none over another. The parameters panel waits out of
    // sight.
    FrmEuro *frm = m_loaded->window.get();
    const QRect narrow = frm->rect();
    frm->lblFermer_Click(3);
    const QRect wide = frm->rect();
    frm->lblFermer_Click(3);
    QCOMPARE(frm->rect(), narrow);
    QVERIFY(wide.width() > narrow.width());
    QList<const QWidget *> shown;
    for (const QWidget *child : frm->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->objectName() == QLatin1String("fraParametres"))
            continue;
        const QRect at = child->geometry();
        QVERIFY2(narrow.contains(at) || !narrow.intersects(at), qPrintable(child->objectName()));
        QVERIFY2(wide.contains(at), qPrintable(child->objectName()));
        for (const QWidget *other : std::as_const(shown))
            QVERIFY2(!child->isVisible() || !at.intersects(other->geometry()),
                     qPrintable(child->objectName() + QStringLiteral(" / ") + other->objectName()));
        if (child->isVisible())
            shown << child;
    }
    QVERIFY(!wide.intersects(m_loaded->control(QStringLiteral("fraParametres"))->geometry()));
}

void TestFrmEuroControls::fontsAreTheProgramsOwn()
{
    // Every font prints with the face it asks for, not a fallback that would reflow the captions.
    const QStringList fallen = TestSupport::fontsFallenBack(m_loaded->window.get());
    QVERIFY2(fallen.isEmpty(), qPrintable(fallen.join(QStringLiteral("; "))));
    QCOMPARE(m_loaded->window->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(m_loaded->control(QStringLiteral("txtOperations"))->font().family(), QStringLiteral("Arial"));
}

void TestFrmEuroControls::fonts_data()
{
    QTest::addColumn<QString>("larger");
    QTest::addColumn<QString>("smaller");

    // What the eye catches first prints larger.
    QTest::newRow("euro display over the currency display") << "ReadOut(0)"
                                                            << "ReadOut(1)";
    QTest::newRow("euro sign over the currency code") << "Label1"
                                                      << "lblDevise";
    QTest::newRow("digit keys over the rounding line") << "lblBouton(5)"
                                                       << "lblInfo";
    QTest::newRow("country list over the decimals option") << "lstPays"
                                                           << "optDecimal(1)";
}

void TestFrmEuroControls::fonts()
{
    QFETCH(QString, larger);
    QFETCH(QString, smaller);

    const QFontInfo big(m_loaded->control(larger)->font());
    const QFontInfo small(m_loaded->control(smaller)->font());
    QVERIFY2(big.pixelSize() > small.pixelSize(),
             qPrintable(QStringLiteral("%1 / %2").arg(big.pixelSize()).arg(small.pixelSize())));
}

void TestFrmEuroControls::displaysAreLockedAndColoured()
{
    auto *euro = m_loaded->control<QLineEdit>(QStringLiteral("ReadOut(0)"));
    auto *currency = m_loaded->control<QLineEdit>(QStringLiteral("ReadOut(1)"));
    QVERIFY(euro && currency);
    for (QLineEdit *display : {euro, currency}) {
        QVERIFY(display->isReadOnly());
        QVERIFY(display->alignment().testFlag(Qt::AlignRight));
        // Typing into a display never changes it: only the calculator writes amounts.
        const QString before = display->text();
        display->setFocus();
        QTest::keyClicks(display, QStringLiteral("12"));
        QTest::keyClick(display, Qt::Key_Backspace); // the calculator's: one digit each
        QTest::keyClick(display, Qt::Key_Backspace);
        QCOMPARE(display->text(), before);
    }
    euro->ensurePolished();
    currency->ensurePolished();
    QCOMPARE(euro->palette().color(QPalette::Base), QColor(0, 0, 255));
    QCOMPARE(euro->palette().color(QPalette::Text), QColor(255, 255, 0));
    QCOMPARE(currency->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(currency->palette().color(QPalette::Text), QColor(Qt::black));
    auto *backdrop = m_loaded->control<FaceShape>(QStringLiteral("Shape2"));
    QCOMPARE(backdrop->fillColor(), QColor(0, 0, 255));
    QCOMPARE(backdrop->kind(), FaceShape::Kind::RoundedRectangle);
    QCOMPARE(m_loaded->control<QLabel>(QStringLiteral("Label1"))->palette().color(QPalette::WindowText),
             QColor(255, 255, 0));
    auto *tape = m_loaded->control<QPlainTextEdit>(QStringLiteral("txtOperations"));
    tape->ensurePolished();
    QCOMPARE(tape->palette().color(QPalette::Text), QColor(64, 64, 64));
    QCOMPARE(tape->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestFrmEuroControls::startStateOthersRelyOn()
{
    // The options show the calculator's own start state.
    const CalculatorState &state = m_loaded->window->calculator().state();
    QVERIFY(m_loaded->control<QRadioButton>(QStringLiteral("optCalcul(%1)").arg(state.InputDisplay))->isChecked());
    QVERIFY(!m_loaded->control<QRadioButton>(QStringLiteral("optCalcul(%1)").arg(1 - state.InputDisplay))->isChecked());
    const int twoPlaces = state.DecimalPlaces == 2 ? 0 : 1;
    QVERIFY(m_loaded->control<QRadioButton>(QStringLiteral("optDecimal(%1)").arg(twoPlaces))->isChecked());
    QVERIFY(!m_loaded->control<QRadioButton>(QStringLiteral("optDecimal(%1)").arg(1 - twoPlaces))->isChecked());
    auto *rate = m_loaded->control<QLineEdit>(QStringLiteral("txtTaux"));
    QVERIFY(rate->isReadOnly());
    QCOMPARE(rate->maxLength(), 8);
    QCOMPARE(m_loaded->control<QListWidget>(QStringLiteral("lstPays"))->currentRow(), -1);
    QCOMPARE(m_loaded->control<QListWidget>(QStringLiteral("lstListe"))->currentRow(), -1);
    // The vertical tab wraps one letter a line.
    auto *tab = m_loaded->control<KeyLabel>(QStringLiteral("lblFermer(3)"));
    QVERIFY(tab->wordWrap());
    QVERIFY(tab->fontMetrics().horizontalAdvance(QStringLiteral("O P")) > tab->width());
}

void TestFrmEuroControls::pointingHand()
{
    const QStringList pointing{"lblBouton(0)",  "lblBouton(9)", "Operator(0)",  "Operator(4)",  "Decimal",
                               "Cancel",        "CancelEntry",  "lblFermer(0)", "lblFermer(1)", "lblFermer(2)",
                               "lblFermer(3)",  "Label2",       "optCalcul(0)", "optCalcul(1)", "optDecimal(0)",
                               "optDecimal(1)", "lstListe",     "lstPays",      "cmdTaux",      "cmdPlan",
                               "cmdEffacer",    "cmdImprimer"};
    const QStringList ordinary{"ReadOut(0)", "ReadOut(1)",    "lblDevise", "lblInfo",
                               "txtTaux",    "txtOperations", "Label3(0)"};
    for (const QString &name : pointing) {
        QWidget *widget = m_loaded->control(name);
        QVERIFY2(widget->testAttribute(Qt::WA_SetCursor), qPrintable(name));
        QCOMPARE(widget->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(widget->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(widget->cursor().pixmap().size(), QSize(32, 32));
    }
    for (const QString &name : ordinary)
        QVERIFY2(m_loaded->control(name)->cursor().shape() != Qt::BitmapCursor, qPrintable(name));
}

void TestFrmEuroControls::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("euro display") << "ReadOut(0)"
                                  << "Montant en euros";
    QTest::newRow("currency display") << "ReadOut(1)"
                                      << "Montant en devise";
    QTest::newRow("digit 7 says its own digit") << "lblBouton(7)"
                                                << "Chiffre 7";
    QTest::newRow("other keys say their hint") << "Operator(0)"
                                               << "Diviser";
    QTest::newRow("input in euros") << "optCalcul(0)"
                                    << "Saisie en €uro";
    QTest::newRow("drop list switch") << "Label2"
                                      << "Afficher ou cacher la liste des devises";
    QTest::newRow("keep on top") << "cmdPlan"
                                 << "Premier plan / arrière plan";
    QTest::newRow("tape") << "txtOperations"
                          << "Liste des opérations";
    QTest::newRow("rate button reads its caption") << "cmdTaux"
                                                   << "Taux";
    QTest::newRow("currency picker") << "lstListe"
                                     << "Liste des devises";
    QTest::newRow("parameters switch") << "lblFermer(2)"
                                       << "Afficher les paramètres";
    QTest::newRow("rounding line reads its caption") << "lblInfo"
                                                     << "Arrondi à 2 décimales";
}

void TestFrmEuroControls::everyControlHasASpokenName()
{
    // Whatever a user can click, key into or read has a name a screen reader can say: words,
    // not just a caption such as "...".
    QStringList silent;
    for (const QWidget *w : m_loaded->window->findChildren<QWidget *>()) {
        const bool reached = qobject_cast<const KeyLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
                             || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QListWidget *>(w)
                             || qobject_cast<const QPlainTextEdit *>(w);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(w));
        static const QRegularExpression word(QStringLiteral("\\w"));
        if (reached && (!face || !face->text(QAccessible::Name).contains(word)))
            silent << w->objectName();
    }
    QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QLatin1Char(' '))));
}

void TestFrmEuroControls::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QWidget *widget = m_loaded->control(name);
    QVERIFY(widget);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), spoken);
}

void TestFrmEuroControls::spokenState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("heard"); // its description, and "hidden" when it is not there
    QTest::newRow("digit 7 describes its own digit") << "lblBouton(7)"
                                                     << "Chiffre: 7";
    QTest::newRow("the narrow window has no tape") << "txtOperations"
                                                   << "Liste des opérations hidden";
    QTest::newRow("keep-on-top says it is on") << "cmdPlan"
                                               << "Actuellement au premier plan";
}

void TestFrmEuroControls::spokenState()
{
    QFETCH(QString, name);
    QFETCH(QString, heard);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(m_loaded->control(name));
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Description) + (face->state().invisible ? " hidden" : ""), heard);
}

void TestFrmEuroControls::screenReaderTree_data()
{
    QTest::addColumn<QString>("view"); // "narrow" as loaded, "+list" dropped, "wide", "parameters", "released"
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("row");      // a row of the list, or -1 for the control itself
    QTest::addColumn<bool>("reached"); // walking down from the window
    QTest::addColumn<int>("role");     // -1: not looked at
    QTest::addColumn<QString>("name"); // "*": not looked at
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<int>("stops"); // focusable objects in its subtree, itself included; -1 not counted

    const auto row = [](const QByteArray &what, const char *view, const QString &control, int listRow, bool reached,
                        int role, const QString &name, const QStringList &states = {}, int stops = -1) {
        QTest::newRow(what.constData()) << QString::fromLatin1(view) << control << listRow << reached << role << name
                                        << states << stops;
    };
    row("the window is a frame", "narrow", "frmEuro", -1, true, QAccessible::Window, "Pecunio");
    row("the calculator panel groups its controls", "narrow", "Frame1", -1, true, QAccessible::Grouping,
        "Calculatrice");
    row("the parameters panel is hidden", "narrow", "fraParametres", -1, true, QAccessible::Grouping, "Paramètres",
        {"invisible"});
    // What only draws is not met.
    for (int face = 0; face < Euro::keyFaceCount(Euro::keyTable()); ++face)
        row("key face " + QByteArray::number(face), "narrow", QStringLiteral("shaBouton(%1)").arg(face), -1, false, -1,
            "*");
    row("the euro display's backdrop", "narrow", "Shape2", -1, false, -1, "*");
    row("the keypad's separating line", "narrow", "Line2", -1, false, -1, "*");
    row("the parameters' separating line", "parameters", "Line1", -1, false, -1, "*");
    row("a key over its face", "narrow", "lblBouton(7)", -1, true, QAccessible::Button, "Chiffre 7");
    // Keep-on-top is a toggle, checked while the window stays on top.
    row("keep-on-top checked at start", "narrow", "cmdPlan", -1, true, QAccessible::CheckBox,
        "Premier plan / arrière plan", {"checkable", "checked", "focusable"});
    row("keep-on-top released", "released", "cmdPlan", -1, true, QAccessible::CheckBox, "Premier plan / arrière plan",
        {"checkable", "focusable"});
    // A hidden list's rows are not showing; the code list's rows name their currency.
    row("the drop list is hidden", "narrow", "lstListe", -1, true, QAccessible::List, "Liste des devises",
        {"invisible", "focusable"});
    row("the hidden drop list's first row", "narrow", "lstListe", 0, true, QAccessible::ListItem,
        "ATS, schilling autrichien", {"invisible", "focusable"});
    row("the dropped list's row in use", "narrow+list", "lstListe", 5, true, QAccessible::ListItem,
        "FRF, franc français", {"focusable", "selected"});
    row("the hidden panel's country rows", "narrow", "lstPays", 3, true, QAccessible::ListItem,
        "ESP - Peseta espagnole", {"invisible", "focusable"});
    row("the open panel's country rows", "parameters", "lstPays", 6, true, QAccessible::ListItem,
        "GRD - Drachme grecque", {"focusable"});
    // The tape is one stop: its viewport and scroll bars take no focus.
    row("the tape is one stop", "wide", "txtOperations", -1, true, QAccessible::EditableText, "Liste des opérations",
        {"focusable"}, 1);
}

void TestFrmEuroControls::screenReaderTree()
{
    QFETCH(QString, view);
    QFETCH(QString, control);
    QFETCH(int, row);
    QFETCH(bool, reached);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QStringList, states);
    QFETCH(int, stops);

    LoadedWindow w;
    FrmEuro &window = *w.window;
    if (view == QLatin1String("wide"))
        window.lblFermer_Click(3);
    if (view == QLatin1String("parameters"))
        window.lblFermer_Click(2);
    if (view == QLatin1String("narrow+list"))
        window.Label2_Click();
    if (view == QLatin1String("released"))
        window.cmdPlan_Click();

    QList<QAccessibleInterface *> tree;
    QStringList faults;
    walkTree(QAccessible::queryAccessibleInterface(&window), tree, faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QWidget *widget = control == QLatin1String("frmEuro") ? &window : w.control(control);
    QVERIFY2(widget, qPrintable(control));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    if (row >= 0)
        iface = iface->child(row);
    QVERIFY(iface);
    QCOMPARE(tree.contains(iface), reached);
    if (role >= 0)
        QCOMPARE(int(iface->role()), role);
    if (name != QLatin1String("*"))
        QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(toldStates(iface->state()), states);
    if (stops >= 0) {
        QList<QAccessibleInterface *> subtree;
        walkTree(iface, subtree, faults);
        const auto focusable = std::count_if(subtree.cbegin(), subtree.cend(),
                                             [](const QAccessibleInterface *i) { return bool(i->state().focusable); });
        QCOMPARE(int(focusable), stops);
    }
    // Nothing that only draws is met anywhere.
    for (const QAccessibleInterface *met : std::as_const(tree)) {
        if (const auto *face = qobject_cast<const FaceShape *>(met->object()))
            QFAIL(qPrintable(face->objectName()));
    }
}

void TestFrmEuroControls::windowFrame()
{
    FrmEuro *window = m_loaded->window.get();
    QCOMPARE(window->objectName(), QStringLiteral("frmEuro"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Pecunio"));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    // Fixed single border: the size cannot be dragged.
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowIcon().isNull());
}

QTEST_MAIN(TestFrmEuroControls)
#include "tst_frmeuro_controls.moc"
