// The calculator window's panels (narrow, wide, parameters), the keep-on-top button, the
// currency drop list's "<" box, the keys' press feedback and the hover hints.

#include "windowfixture.h"
#include "support/keysequence.h"

#include "ui/kit/twips.h"
#include "ui/main/faceshape.h"
#include "ui/main/keylabel.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QClipboard>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using TestSupport::LoadedWindow;

namespace {

enum class Layout { Narrow, Wide, Parameters, Power };

QList<qint16> indexes(const QString &clicks)
{
    QList<qint16> list;
    for (const QString &i : clicks.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        list << qint16(i.toInt());
    return list;
}

// Pointer movement over a control, with no button held.
void hover(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layouts_data();
    void layouts();
    void widthReadsBackAsSet_data();
    void widthReadsBackAsSet();
    void roundingLineOnClose_data();
    void roundingLineOnClose();
    void currencyListBox_data();
    void currencyListBox();
    void keepOnTop();
    void purchasingPower();

    void pressFeedback_data();
    void pressFeedback();
    void releaseOutsideTheKey();

    void digitHints_data();
    void digitHints();
    void currencyHint();
    void roundingHint();
};

void TestPanels::layouts_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<Layout>("layout");

    QTest::newRow("after load") << "" << Layout::Narrow;
    QTest::newRow("narrow to wide") << "3" << Layout::Wide;
    QTest::newRow("wide to narrow by the tab") << "3 3" << Layout::Narrow;
    QTest::newRow("wide to narrow by the tape's X") << "3 1" << Layout::Narrow;
    QTest::newRow("tape's X when narrow") << "1" << Layout::Narrow;
    QTest::newRow("narrow to parameters") << "2" << Layout::Parameters;
    QTest::newRow("wide to parameters") << "3 2" << Layout::Parameters;
    QTest::newRow("parameters to narrow") << "2 0" << Layout::Narrow;
    QTest::newRow("wide, parameters, back narrow") << "3 2 0" << Layout::Narrow;
    QTest::newRow("parameters twice") << "2 2" << Layout::Parameters;
    QTest::newRow("closed parameters, then the tape") << "2 0 3" << Layout::Wide;
    QTest::newRow("tab three times") << "3 3 3" << Layout::Wide;
    QTest::newRow("closing parameters never opened") << "0" << Layout::Narrow;
    QTest::newRow("no such switch") << "-1 6 7" << Layout::Narrow;
    QTest::newRow("no such switch when wide") << "3 6" << Layout::Wide;
    // The purchasing power stands in the tape's place.
    QTest::newRow("purchasing power") << "4" << Layout::Power;
    QTest::newRow("purchasing power closed by its switch") << "4 4" << Layout::Narrow;
    QTest::newRow("purchasing power closed by its X") << "4 5" << Layout::Narrow;
    QTest::newRow("the tape instead of the purchasing power") << "4 3" << Layout::Wide;
    QTest::newRow("the purchasing power instead of the tape") << "3 4" << Layout::Power;
    QTest::newRow("the parameters close the purchasing power") << "4 2 0" << Layout::Narrow;
}

void TestPanels::layouts()
{
    QFETCH(QString, clicks);
    QFETCH(Layout, layout);

    LoadedWindow w;
    FrmEuro &window = *w.window;
    for (qint16 index : indexes(clicks))
        window.lblFermer_Click(index);

    auto *calculator = w.control<QFrame>(QStringLiteral("Frame1"));
    auto *tape = w.control<QFrame>(QStringLiteral("fraPapier"));
    auto *parameters = w.control<QFrame>(QStringLiteral("fraParametres"));
    auto *power = w.control<QFrame>(QStringLiteral("fraPouvoir"));
    const bool wide = layout == Layout::Wide || layout == Layout::Power;
    const double width = wide ? 5190 : 2970;
    QCOMPARE(window.Width(), width);
    QCOMPARE(window.Height(), 4065.0);
    // The client area: the outer width less the frame.
    QCOMPARE(window.width(), Euro::twipsToPixels(width - FrmEuro::FrameWidthTwips));

    QCOMPARE(calculator->isVisible(), layout != Layout::Parameters);
    QCOMPARE(parameters->isVisible(), layout == Layout::Parameters);
    // The tape panel shows whole in the wide window, not at all otherwise.
    const QRect shownArea = window.rect();
    QCOMPARE(shownArea.contains(tape->geometry()), wide);
    QCOMPARE(shownArea.intersects(tape->geometry()), wide);
    QCOMPARE(tape->isVisible(), layout == Layout::Wide);
    QCOMPARE(power->isVisible(), layout == Layout::Power);
    QCOMPARE(power->geometry(), tape->geometry());
    for (const char *name : {"cmdEffacer", "cmdImprimer", "Label3(1)", "Label3(2)"}) {
        QCOMPARE(shownArea.contains(w.control(QLatin1String(name))->geometry()), wide);
        QCOMPARE(w.control(QLatin1String(name))->isVisible(), layout == Layout::Wide);
    }
    for (const char *name : {"cmdPlan", "Label3(0)"})
        QVERIFY(shownArea.contains(w.control(QLatin1String(name))->geometry()));
    // Open, the parameters panel takes the calculator panel's place.
    if (layout == Layout::Parameters)
        QCOMPARE(parameters->geometry(), calculator->geometry());
}

void TestPanels::purchasingPower()
{
    // The amount keyed, live, in the panel's sentence; on the tape and the clipboard on request.
    LoadedWindow w;
    FrmEuro &window = *w.window;
    window.lblFermer_Click(4);
    TestKeys::press(window, QStringLiteral("1 0 0"));
    auto *from = w.control<QSpinBox>(QStringLiteral("txtAnneeDe"));
    QVERIFY(from);
    from->setValue(1985);
    const QString sentence = QStringLiteral("100 F de 1985 valent 31,86 € de 2025");
    QCOMPARE(w.control<QLabel>(QStringLiteral("lblValeur"))->text(), sentence);
    QCOMPARE(w.control(QStringLiteral("fraPouvoir"))->accessibleDescription(), sentence);
    QTest::mouseClick(w.control(QStringLiteral("cmdInscrire")), Qt::LeftButton);
    QVERIFY(window.tape().text().endsWith(QStringLiteral("\r\n100 F de 1985 = 31,86 € de 2025 (Insee)\r\n")));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    from->setFocus();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), sentence);

    // Another currency: the index is not its own.
    window.calculator().selectCurrency(QStringLiteral("DEM"));
    QVERIFY(w.control<QLabel>(QStringLiteral("lblValeur"))->text().startsWith(QStringLiteral("L'indice de l'Insee")));
    QVERIFY(!w.control(QStringLiteral("cmdInscrire"))->isEnabled());
}

void TestPanels::widthReadsBackAsSet_data()
{
    QTest::addColumn<double>("set");
    QTest::addColumn<double>("afterTab");

    QTest::newRow("narrow") << 2970.0 << 5190.0;
    QTest::newRow("wide") << 5190.0 << 2970.0;
    QTest::newRow("a little less than wide") << 5175.0 << 5190.0;
    QTest::newRow("one twip short of wide") << 5189.0 << 5190.0;
    QTest::newRow("between pixels") << 3000.5 << 5190.0;
}

void TestPanels::widthReadsBackAsSet()
{
    QFETCH(double, set);
    QFETCH(double, afterTab);
    LoadedWindow w;
    w.window->setWidth(set);
    QCOMPARE(w.window->Width(), set);
    w.window->lblFermer_Click(3);
    QCOMPARE(w.window->Width(), afterTab);
}

void TestPanels::roundingLineOnClose_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("line");
    QTest::newRow("2 decimals") << 0 << QStringLiteral("Arrondi à 2 décimales");
    QTest::newRow("5 decimals") << 1 << QStringLiteral("Arrondi à 5 décimales");
}

void TestPanels::roundingLineOnClose()
{
    QFETCH(int, option);
    QFETCH(QString, line);
    LoadedWindow w;
    auto *info = w.control<QLabel>(QStringLiteral("lblInfo"));
    // The line only follows the option as the panel closes.
    info->setText(QStringLiteral("autre chose"));
    w.window->lblFermer_Click(2);
    w.control<QRadioButton>(QStringLiteral("optDecimal(%1)").arg(1 - option))->setChecked(true);
    w.control<QRadioButton>(QStringLiteral("optDecimal(%1)").arg(option))->setChecked(true);
    QCOMPARE(info->text(), QStringLiteral("autre chose"));
    w.window->lblFermer_Click(0);
    QCOMPARE(info->text(), line);
}

void TestPanels::currencyListBox_data()
{
    QTest::addColumn<QString>("closer"); // clicked; none: another window takes the focus
    QTest::addColumn<QString>("display");
    QTest::newRow("a second click on <") << "Label2"
                                         << "3,";
    QTest::newRow("a click on = closes it, and the key runs") << "Operator(4)"
                                                              << "15";
    QTest::newRow("another window takes the focus") << ""
                                                    << "3,";
}

void TestPanels::currencyListBox()
{
    QFETCH(QString, closer);
    QFETCH(QString, display);
    LoadedWindow w;
    QVERIFY(TestKeys::press(*w.window, QStringLiteral("1 2 + 3")));
    auto *list = w.control<QListWidget>(QStringLiteral("lstListe"));
    QVERIFY(list->isHidden());
    QTest::mouseClick(w.control(QStringLiteral("Label2")), Qt::LeftButton);
    QVERIFY(list->isVisible());
    // Over the calculator panel, not under it.
    QVERIFY(list->geometry().intersects(w.control(QStringLiteral("Frame1"))->geometry()));
    QCOMPARE(w.window->childAt(list->geometry().center()), list->viewport());
    QWidget other;
    QWidget *active = closer.isEmpty() ? &other : static_cast<QWidget *>(w.window.get());
    active->show();
    active->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(active));
    if (!closer.isEmpty())
        QTest::mouseClick(w.control(closer), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(list->isHidden());
    QCOMPARE(w.window->calculator().state().CurrencyCode + w.window->calculator().ReadOut(1), "FRF" + display);
}

void TestPanels::keepOnTop()
{
    LoadedWindow w;
    FrmEuro &window = *w.window;
    auto *button = w.control<QPushButton>(QStringLiteral("cmdPlan"));
    const QPoint where = window.pos();
    QCOMPARE(window.calculator().state().KeepOnTop, qint16(-1));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    const bool expected[] = {false, true, false};
    for (bool onTop : expected) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(window.calculator().state().KeepOnTop, qint16(onTop ? -1 : 0));
        QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QVERIFY(window.isVisible());
        QCOMPARE(window.pos(), where);
        QCOMPARE(button->text(), QStringLiteral("..."));
    }
}

void TestPanels::pressFeedback_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("face");

    for (int digit = 0; digit < 10; ++digit)
        QTest::addRow("digit %d", digit) << QStringLiteral("lblBouton(%1)").arg(digit) << digit;
    const char *operators[] = {"/", "+", "X", "-", "="};
    for (int op = 0; op < 5; ++op)
        QTest::addRow("operator %s", operators[op]) << QStringLiteral("Operator(%1)").arg(op) << op + 10;
    QTest::newRow("decimal") << "Decimal" << 15;
    QTest::newRow("clear all") << "Cancel" << 16;
    QTest::newRow("clear entry") << "CancelEntry" << 17;
}

void TestPanels::pressFeedback()
{
    QFETCH(QString, key);
    QFETCH(int, face);
    LoadedWindow w;
    auto *label = w.control<KeyLabel>(key);
    QVERIFY(label);
    auto *shape = w.control<FaceShape>(QStringLiteral("shaBouton(%1)").arg(face));
    QVERIFY(shape);
    const QColor buttonFace = w.window->palette().color(QPalette::Button);
    QVERIFY(buttonFace != QColor(Qt::black));

    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton};
    for (Qt::MouseButton button : buttons) {
        QTest::mousePress(label, button, {}, label->rect().center());
        QCOMPARE(shape->borderColor(), buttonFace);
        // Only the pressed key's face is ringed.
        for (int other = 0; other < 18; ++other) {
            if (other != face)
                QCOMPARE(w.control<FaceShape>(QStringLiteral("shaBouton(%1)").arg(other))->borderColor(),
                         QColor(Qt::black));
        }
        QTest::mouseRelease(label, button, {}, label->rect().center());
        QCOMPARE(shape->borderColor(), QColor(Qt::black));
        QCOMPARE(shape->fillColor(), QColor(Qt::black));
    }
}

void TestPanels::releaseOutsideTheKey()
{
    LoadedWindow w;
    auto *label = w.control<KeyLabel>(QStringLiteral("lblBouton(7)"));
    auto *shape = w.control<FaceShape>(QStringLiteral("shaBouton(7)"));
    QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
    QVERIFY(shape->borderColor() != QColor(Qt::black));
    QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().bottomRight() + QPoint(40, 40));
    QCOMPARE(shape->borderColor(), QColor(Qt::black));
    // Released elsewhere, it is no click.
    QCOMPARE(w.window->calculator().ReadOut(1), QStringLiteral("0,"));
}

void TestPanels::digitHints_data()
{
    QTest::addColumn<int>("digit");
    for (int digit = 0; digit < 10; ++digit)
        QTest::addRow("digit %d", digit) << digit;
}

void TestPanels::digitHints()
{
    QFETCH(int, digit);
    LoadedWindow w;
    auto *label = w.control<KeyLabel>(QStringLiteral("lblBouton(%1)").arg(digit));
    QCOMPARE(label->toolTip(), QStringLiteral("Chiffre 0"));
    hover(label);
    QCOMPARE(label->toolTip(), QStringLiteral("Chiffre: %1").arg(digit));
    // The others keep their design hint until the pointer reaches them.
    const int other = (digit + 1) % 10;
    QCOMPARE(w.control<KeyLabel>(QStringLiteral("lblBouton(%1)").arg(other))->toolTip(), QStringLiteral("Chiffre 0"));
    w.window->lblBouton_MouseMove(qint16(10), 0, 0, 0, 0); // no such digit: nothing
    w.window->lblBouton_MouseMove(qint16(-1), 0, 0, 0, 0);
    QCOMPARE(label->toolTip(), QStringLiteral("Chiffre: %1").arg(digit));
}

void TestPanels::currencyHint()
{
    LoadedWindow w;
    auto *devise = w.control<QLabel>(QStringLiteral("lblDevise"));
    QCOMPARE(devise->toolTip(), QStringLiteral("devise sélectionnée"));
    auto *list = w.control<QListWidget>(QStringLiteral("lstListe"));
    // Each currency's hint is its own line of the country list (the engine's texts).
    for (const QString &entry : Euro::sortedListTexts()) {
        const QString code = entry.left(3);
        list->setCurrentItem(list->findItems(code, Qt::MatchExactly).first());
        QCOMPARE(devise->text(), code);
        hover(devise);
        QCOMPARE(devise->toolTip(), entry);
        // A caption that names no currency leaves the hint as it was; codes are case-sensitive.
        devise->setText(code.toLower());
        hover(devise);
        QCOMPARE(devise->toolTip(), entry);
    }
}

void TestPanels::roundingHint()
{
    LoadedWindow w;
    auto *info = w.control<QLabel>(QStringLiteral("lblInfo"));
    QCOMPARE(info->toolTip(), QStringLiteral("Information"));
    hover(info);
    QCOMPARE(info->toolTip(), QStringLiteral("Arrondi à 2 décimales"));
    w.window->lblFermer_Click(2);
    w.control<QRadioButton>(QStringLiteral("optDecimal(1)"))->setChecked(true);
    w.window->lblFermer_Click(0);
    QCOMPARE(info->toolTip(), QStringLiteral("Arrondi à 2 décimales"));
    hover(info);
    QCOMPARE(info->toolTip(), QStringLiteral("Arrondi à 5 décimales"));
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
