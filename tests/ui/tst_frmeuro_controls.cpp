// The calculator window as it stands after its load: every control, its place, texts,
// hints, state, look, pointer, spoken name and the focus order.

#include "windowfixture.h"

#include "app/fonts.h"
#include "app/twips.h"
#include "ui/main/faceshape.h"
#include "ui/main/keylabel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

using TestSupport::LoadedWindow;

namespace {

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
    void keyLabelsTakeTheMouseOverTheirFaces();
    void fonts_data();
    void fonts();
    void displaysAreLockedAndColoured();
    void startStateOthersRelyOn();
    void focusOrder();
    void pointingHand();
    void accessibleNames_data();
    void accessibleNames();
    void windowFrame();

private:
    std::unique_ptr<LoadedWindow> m_loaded;
};

void TestFrmEuroControls::control_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");

    auto row = [](const char *name, const char *kind, const char *container, const QString &caption,
                  const QString &hint, QRect twips, bool shown = true, bool enabled = true) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromLatin1(kind) << QString::fromLatin1(container)
                            << caption << hint << twips << shown << enabled;
    };
    const QString none;
    // Frames
    row("Frame1", "QFrame", "frmEuro", none, none, {45, 0, 2760, 3345});
    row("fraClavier", "QFrame", "Frame1", none, none, {135, 1080, 1320, 1860});
    row("fraParametres", "QFrame", "frmEuro", none, none, {60, 3780, 2760, 3345}, false);
    row("fraPapier", "QFrame", "frmEuro", none, none, {2880, 0, 2130, 3345});
    // Calculator panel
    row("Shape2", "FaceShape", "Frame1", none, none, {360, 270, 2265, 435});
    // The load keys "0," into both; the euro display then shows the currency's zero converted.
    row("ReadOut(0)", "QLineEdit", "Frame1", "0", none, {420, 300, 1995, 285});
    row("Label1", "QLabel", "Frame1", "€", none, {2415, 285, 165, 375});
    row("optCalcul(0)", "QRadioButton", "Frame1", none, "Saisie en €uro", {135, 360, 195, 285});
    row("ReadOut(1)", "QLineEdit", "Frame1", "0,", none, {360, 720, 1515, 285});
    row("optCalcul(1)", "QRadioButton", "Frame1", none, "Saisie dans la devise sélectionnée", {135, 720, 195, 285});
    row("lblDevise", "KeyLabel", "Frame1", "FRF", "devise sélectionnée", {1935, 720, 465, 285});
    row("Label2", "KeyLabel", "Frame1", "<", none, {2385, 720, 240, 285});
    row("Cancel", "KeyLabel", "Frame1", "C", "Effacer tout", {1665, 1350, 270, 255});
    row("CancelEntry", "KeyLabel", "Frame1", "CE", "Effacer la dernière entrée", {2070, 1350, 270, 270});
    row("Operator(2)", "KeyLabel", "Frame1", "X", "Multiplier", {1680, 1725, 270, 255});
    row("Operator(1)", "KeyLabel", "Frame1", "+", "Ajouter", {2070, 1755, 270, 255});
    row("Operator(3)", "KeyLabel", "Frame1", "-", "Soustraire", {1665, 2205, 270, 255});
    row("Operator(0)", "KeyLabel", "Frame1", "/", "Diviser", {2070, 2160, 270, 255});
    row("Operator(4)", "KeyLabel", "Frame1", "=", "Résultat", {1665, 2565, 645, 255});
    row("lblFermer(3)", "KeyLabel", "Frame1", "O P E R A T I O N S",
        "Afficher/Cacher la liste des opérations effectuées", {2475, 1215, 150, 1680});
    row("lblFermer(2)", "KeyLabel", "Frame1", "paramètres", "Afficher les paramêtres", {1575, 3060, 1035, 195});
    row("lblInfo", "KeyLabel", "Frame1", "Arrondi à 2 décimales", "Information", {135, 3105, 1335, 165});
    // Keypad
    row("lblBouton(7)", "KeyLabel", "fraClavier", "7", "Chiffre 0", {90, 270, 270, 255});
    row("lblBouton(8)", "KeyLabel", "fraClavier", "8", "Chiffre 0", {495, 270, 270, 255});
    row("lblBouton(9)", "KeyLabel", "fraClavier", "9", "Chiffre 0", {900, 270, 270, 255});
    row("lblBouton(4)", "KeyLabel", "fraClavier", "4", "Chiffre 0", {90, 675, 270, 255});
    row("lblBouton(5)", "KeyLabel", "fraClavier", "5", "Chiffre 0", {480, 675, 270, 255});
    row("lblBouton(6)", "KeyLabel", "fraClavier", "6", "Chiffre 0", {900, 675, 270, 255});
    row("lblBouton(1)", "KeyLabel", "fraClavier", "1", "Chiffre 0", {90, 1125, 270, 255});
    row("lblBouton(2)", "KeyLabel", "fraClavier", "2", "Chiffre 0", {495, 1125, 270, 255});
    row("lblBouton(3)", "KeyLabel", "fraClavier", "3", "Chiffre 0", {900, 1125, 270, 255});
    row("lblBouton(0)", "KeyLabel", "fraClavier", "0", "Chiffre 0", {90, 1530, 270, 255});
    row("Decimal", "KeyLabel", "fraClavier", ",", "Séparateur décimal", {495, 1485, 270, 255});
    // Parameters panel
    row("Label4(0)", "QLabel", "fraParametres", "Paramêtres", none, {165, 210, 1005, 195});
    row("lblFermer(0)", "KeyLabel", "fraParametres", "X", "Fermer les paramêtres", {2475, 180, 165, 225});
    row("lstPays", "QListWidget", "fraParametres", none, "Liste des pays de la zone €uro", {135, 495, 2490, 1980});
    row("cmdTaux", "QPushButton", "fraParametres", "Taux", "Valider le taux de change", {135, 2520, 555, 285}, true,
        false);
    row("txtTaux", "QLineEdit", "fraParametres", "", "Taux de change", {720, 2520, 1905, 285});
    row("Label5", "QLabel", "fraParametres", " Arrondi ", none, {60, 2985, 615, 195});
    row("optDecimal(0)", "QRadioButton", "fraParametres", "2 décimales", "Nombre de décimales: 2",
        {675, 3000, 1050, 195});
    row("optDecimal(1)", "QRadioButton", "fraParametres", "5 décimales", "Nombre de décimales: 5",
        {1725, 3000, 1005, 195});
    // Tape panel
    row("Label4(1)", "QLabel", "fraPapier", "Opérations", none, {135, 180, 930, 195});
    row("lblFermer(1)", "KeyLabel", "fraPapier", "X", "Cacher les opérations", {1845, 180, 165, 225});
    row("txtOperations", "QPlainTextEdit", "fraPapier", none, "Liste des opérations", {120, 480, 1875, 2775});
    // On the window itself
    row("lstListe", "QListWidget", "frmEuro", none, "Liste des devises", {1980, 995, 465, 2370}, false);
    row("Label3(0)", "QLabel", "frmEuro", "Pour l'aide, appuyez sur F1...", none, {90, 3450, 1830, 165});
    row("cmdPlan", "QPushButton", "frmEuro", "...", "Premier plan / arrière plan", {2550, 3390, 255, 195});
    row("Label3(2)", "QLabel", "frmEuro", "Effacer", none, {3135, 3435, 435, 165});
    row("cmdEffacer", "QPushButton", "frmEuro", "...", "Effacer la liste des opérations", {3660, 3390, 255, 195});
    row("Label3(1)", "QLabel", "frmEuro", "Imprimer", none, {4125, 3420, 570, 165});
    row("cmdImprimer", "QPushButton", "frmEuro", "...", "Imprimer la liste des opérations", {4770, 3390, 255, 195});
}

void TestFrmEuroControls::control()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QRect, twips);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);

    const QList<QWidget *> found = m_loaded->window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *widget = found.first();
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QVERIFY(widget->parentWidget());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->toolTip(), hint);
    QCOMPARE(widget->geometry(), Euro::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(widget->isVisibleTo(widget->parentWidget()), shown);
    QCOMPARE(widget->isEnabled(), enabled);
}

void TestFrmEuroControls::keyFace_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("rounded");

    const QList<std::pair<int, QPoint>> keypad{{7, {90, 225}},   {8, {495, 225}},  {9, {900, 225}}, {4, {90, 630}},
                                               {5, {495, 630}},  {6, {900, 630}},  {1, {90, 1080}}, {2, {495, 1080}},
                                               {3, {900, 1080}}, {0, {90, 1485}}};
    for (const auto &[digit, at] : keypad) {
        const int height = digit == 4 ? 330 : 285;
        QTest::addRow("shaBouton(%d) behind digit %d", digit, digit)
            << digit << QStringLiteral("lblBouton(%1)").arg(digit) << QRect(at, QSize(285, height)) << false;
    }
    QTest::newRow("shaBouton(15) behind the decimal key") << 15 << "Decimal" << QRect(495, 1485, 285, 285) << false;
    QTest::newRow("shaBouton(16) behind C") << 16 << "Cancel" << QRect(1665, 1305, 285, 285) << false;
    QTest::newRow("shaBouton(17) behind CE") << 17 << "CancelEntry" << QRect(2070, 1305, 285, 285) << false;
    QTest::newRow("shaBouton(12) behind X") << 12 << "Operator(2)" << QRect(1665, 1710, 285, 285) << false;
    QTest::newRow("shaBouton(11) behind +") << 11 << "Operator(1)" << QRect(2070, 1710, 285, 285) << false;
    QTest::newRow("shaBouton(13) behind -") << 13 << "Operator(3)" << QRect(1665, 2160, 285, 285) << false;
    QTest::newRow("shaBouton(10) behind /") << 10 << "Operator(0)" << QRect(2070, 2160, 285, 285) << false;
    QTest::newRow("shaBouton(14) behind =, a rounded rectangle")
        << 14 << "Operator(4)" << QRect(1665, 2565, 645, 285) << true;
}

void TestFrmEuroControls::keyFace()
{
    QFETCH(int, face);
    QFETCH(QString, key);
    QFETCH(QRect, twips);
    QFETCH(bool, rounded);

    auto *shape = m_loaded->control<FaceShape>(QStringLiteral("shaBouton(%1)").arg(face));
    auto *label = m_loaded->control<KeyLabel>(key);
    QVERIFY(shape);
    QVERIFY(label);
    QCOMPARE(shape->parentWidget(), label->parentWidget());
    QCOMPARE(shape->geometry(), Euro::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(shape->kind(), rounded ? FaceShape::Kind::RoundedRectangle : FaceShape::Kind::Circle);
    QCOMPARE(shape->fillColor(), QColor(Qt::black));
    QCOMPARE(shape->borderColor(), QColor(Qt::black));
    QCOMPARE(shape->borderWidth(), 2);
    QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
    // White bold caption over the face, centred.
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
    QVERIFY(!label->autoFillBackground());
}

void TestFrmEuroControls::keyLabelsTakeTheMouseOverTheirFaces()
{
    // Wherever a key's label and a face overlap, the label is the widget under the pointer.
    for (int face = 0; face < 18; ++face) {
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

void TestFrmEuroControls::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    QTest::newRow("window default") << "frmEuro" << "Tahoma" << 8.25 << true;
    QTest::newRow("euro display") << "ReadOut(0)" << "Tahoma" << 14.25 << true;
    QTest::newRow("currency display") << "ReadOut(1)" << "Tahoma" << 9.0 << false;
    QTest::newRow("euro sign") << "Label1" << "Tahoma" << 15.75 << false;
    QTest::newRow("digit key") << "lblBouton(5)" << "Tahoma" << 9.0 << true;
    QTest::newRow("currency code") << "lblDevise" << "Tahoma" << 9.0 << false;
    QTest::newRow("list box drop button") << "Label2" << "System" << 9.75 << true;
    QTest::newRow("vertical tab") << "lblFermer(3)" << "Tahoma" << 6.75 << true;
    QTest::newRow("rounding line") << "lblInfo" << "Tahoma" << 6.75 << false;
    QTest::newRow("country list") << "lstPays" << "Tahoma" << 8.25 << false;
    QTest::newRow("decimals option") << "optDecimal(1)" << "Tahoma" << 6.75 << false;
    QTest::newRow("tape") << "txtOperations" << "Arial" << 8.25 << false;
    QTest::newRow("help line") << "Label3(0)" << "Tahoma" << 6.75 << false;
    QTest::newRow("panel title takes the window font") << "Label4(1)" << "Tahoma" << 8.25 << true;
    QTest::newRow("close switch takes the window font") << "lblFermer(1)" << "Tahoma" << 8.25 << true;
}

void TestFrmEuroControls::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);

    QWidget *widget = name == QLatin1String("frmEuro") ? m_loaded->window.get() : m_loaded->control(name);
    QVERIFY(widget);
    QCOMPARE(widget->font().family(), family);
    // The program's fonts are there (Arial through its metric twin); System may fall back.
    const QString resolved = QFontInfo(widget->font()).family();
    if (family == QLatin1String("Tahoma"))
        QCOMPARE(resolved, family);
    else if (family == QLatin1String("Arial"))
        QVERIFY2(resolved == family || resolved == QLatin1String("Liberation Sans"), qPrintable(resolved));
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
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
    QVERIFY(m_loaded->control<QRadioButton>(QStringLiteral("optCalcul(1)"))->isChecked());
    QVERIFY(!m_loaded->control<QRadioButton>(QStringLiteral("optCalcul(0)"))->isChecked());
    QVERIFY(m_loaded->control<QRadioButton>(QStringLiteral("optDecimal(0)"))->isChecked());
    QVERIFY(!m_loaded->control<QRadioButton>(QStringLiteral("optDecimal(1)"))->isChecked());
    auto *rate = m_loaded->control<QLineEdit>(QStringLiteral("txtTaux"));
    QVERIFY(rate->isReadOnly());
    QCOMPARE(rate->maxLength(), 8);
    QCOMPARE(m_loaded->control<QListWidget>(QStringLiteral("lstPays"))->currentRow(), -1);
    QCOMPARE(m_loaded->control<QListWidget>(QStringLiteral("lstListe"))->currentRow(), -1);
    // The tape panel lies beyond the narrow window, the drop list over the calculator panel.
    auto *paper = m_loaded->control(QStringLiteral("fraPapier"));
    QVERIFY(paper->x() >= m_loaded->window->width());
    auto *list = m_loaded->control(QStringLiteral("lstListe"));
    auto *calculator = m_loaded->control(QStringLiteral("Frame1"));
    QVERIFY(calculator->geometry().contains(list->geometry().topLeft()));
    QVERIFY(m_loaded->window->children().indexOf(list) > m_loaded->window->children().indexOf(calculator));
    // The parameters panel has the calculator panel's size.
    QCOMPARE(m_loaded->control(QStringLiteral("fraParametres"))->size(), calculator->size());
    // The vertical tab wraps one letter a line.
    auto *tab = m_loaded->control<QLabel>(QStringLiteral("lblFermer(3)"));
    QVERIFY(tab->wordWrap());
    QVERIFY(tab->fontMetrics().horizontalAdvance(QStringLiteral("O P")) > tab->width());
}

void TestFrmEuroControls::focusOrder()
{
    const QStringList expected{"cmdTaux",      "txtTaux",      "lstPays",  "optDecimal(0)", "optDecimal(1)",
                               "optCalcul(0)", "optCalcul(1)", "lstListe", "cmdPlan",       "cmdImprimer",
                               "ReadOut(0)",   "ReadOut(1)",   "cmdEffacer", "txtOperations"};
    QWidget *first = m_loaded->control(expected.first());
    QStringList visited{first->objectName()};
    for (QWidget *w = first->nextInFocusChain(); w != first && visited.size() < expected.size();
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            visited << w->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestFrmEuroControls::pointingHand()
{
    const QStringList pointing{"lblBouton(0)", "lblBouton(9)", "Operator(0)", "Operator(4)", "Decimal",
                               "Cancel",       "CancelEntry",  "lblFermer(0)", "lblFermer(1)", "lblFermer(2)",
                               "lblFermer(3)", "Label2",       "optCalcul(0)", "optCalcul(1)", "optDecimal(0)",
                               "optDecimal(1)", "lstListe",    "lstPays",      "cmdTaux",      "cmdPlan",
                               "cmdEffacer",   "cmdImprimer"};
    const QStringList ordinary{"ReadOut(0)", "ReadOut(1)", "lblDevise", "lblInfo", "txtTaux", "txtOperations",
                               "Label3(0)"};
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

    QTest::newRow("euro display") << "ReadOut(0)" << "Montant en euros";
    QTest::newRow("currency display") << "ReadOut(1)" << "Montant en devise";
    QTest::newRow("digit 7 says its own digit") << "lblBouton(7)" << "Chiffre 7";
    QTest::newRow("division") << "Operator(0)" << "Diviser";
    QTest::newRow("equals") << "Operator(4)" << "Résultat";
    QTest::newRow("decimal key") << "Decimal" << "Séparateur décimal";
    QTest::newRow("clear all") << "Cancel" << "Effacer tout";
    QTest::newRow("input in euros") << "optCalcul(0)" << "Saisie en €uro";
    QTest::newRow("currency code reads its caption") << "lblDevise" << "FRF";
    QTest::newRow("drop list switch") << "Label2" << "Afficher ou cacher la liste des devises";
    QTest::newRow("tape switch") << "lblFermer(3)" << "Afficher/Cacher la liste des opérations effectuées";
    QTest::newRow("keep on top") << "cmdPlan" << "Premier plan / arrière plan";
    QTest::newRow("tape") << "txtOperations" << "Liste des opérations";
    QTest::newRow("rate button reads its caption") << "cmdTaux" << "Taux";
    QTest::newRow("currency picker") << "lstListe" << "Liste des devises";
    QTest::newRow("rounding option reads its caption") << "optDecimal(1)" << "5 décimales";
    QTest::newRow("parameters switch") << "lblFermer(2)" << "Afficher les paramêtres";
    QTest::newRow("rounding line reads its caption") << "lblInfo" << "Arrondi à 2 décimales";
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
