// The zoom of the calculator window: the keys and the wheel that take its steps, the
// client sizes at each step in both widths, the screen's limit, and the zoom kept for the
// next start.

#include "support/keysequence.h"
#include "support/layoutchecks.h"
#include "ui/about/frmabout.h"
#include "ui/intro/frmintro.h"
#include "ui/kit/fonts.h"
#include "ui/kit/zoom.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QWheelEvent>
#include <QtTest>

using TestSupport::LoadedWindow;

namespace {

// A zoom key or Ctrl and the wheel, as the user gives it, on the focused control.
void press(const QString &token)
{
    struct Stroke {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    static const QHash<QString, Stroke> strokes{
        {QStringLiteral("Ctrl+Plus"), {Qt::Key_Plus, Qt::ControlModifier}},
        {QStringLiteral("Ctrl+Shift+Plus"), {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier}},
        {QStringLiteral("Ctrl+Equal"), {Qt::Key_Equal, Qt::ControlModifier}},
        {QStringLiteral("Ctrl+Minus"), {Qt::Key_Minus, Qt::ControlModifier}},
        {QStringLiteral("Ctrl+0"), {Qt::Key_0, Qt::ControlModifier}},
        {QStringLiteral("Ctrl+KP_Add"), {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier}},
        {QStringLiteral("Ctrl+KP_Subtract"), {Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier}},
        {QStringLiteral("Ctrl+KP_0"), {Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier}},
    };
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    if (token.startsWith(QLatin1String("Ctrl+Wheel"))) {
        const int delta = token.endsWith(u'+') ? 120 : -120;
        QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
        return;
    }
    QVERIFY2(strokes.contains(token), qPrintable(token));
    QTest::keyClick(target, strokes[token].key, strokes[token].modifiers);
}

} // namespace

class TestZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Euro::registerFonts(); } // as the program does at start
    void cleanup() { Euro::setZoomPercent(100); }
    void steps_data();
    void steps();
    void otherWindowsFollow_data();
    void otherWindowsFollow();
};

void TestZoom::steps_data()
{
    QTest::addColumn<QString>("stored"); // the store's text before the start
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QSize>("narrow"); // client sizes
    QTest::addColumn<int>("wideWidth");

    QTest::newRow("the design") << "" << "" << 100 << QSize(192, 246) << 340;
    QTest::newRow("Ctrl and +: 125 %") << "" << "Ctrl+Plus" << 125 << QSize(240, 308) << 425;
    QTest::newRow("Ctrl and = or Shift and +") << "" << "Ctrl+Equal Ctrl+Shift+Plus" << 150 << QSize(288, 369) << 510;
    QTest::newRow("keypad up thrice, down once") << "" << "Ctrl+KP_Add Ctrl+KP_Add Ctrl+KP_Add Ctrl+KP_Subtract"
                                                << 150 << QSize(288, 369) << 510;
    QTest::newRow("Ctrl and the wheel") << "" << "Ctrl+Wheel+ Ctrl+Wheel+ Ctrl+Wheel+ Ctrl+Wheel-" << 150
                                        << QSize(288, 369) << 510;
    QTest::newRow("Ctrl and 0: the design again") << "" << "Ctrl+Plus Ctrl+Plus Ctrl+0" << 100 << QSize(192, 246)
                                                  << 340;
    QTest::newRow("Ctrl and keypad 0") << "" << "Ctrl+Plus Ctrl+KP_0" << 100 << QSize(192, 246) << 340;
    QTest::newRow("nothing below 100 %") << "" << "Ctrl+Minus" << 100 << QSize(192, 246) << 340;
    // The offscreen screen is 800 by 600: the tape's width at 250 % is not there.
    QTest::newRow("a step too large is not taken") << "" << "Ctrl+Plus Ctrl+Plus Ctrl+Plus Ctrl+Plus Ctrl+Plus"
                                                   << 200 << QSize(384, 492) << 680;
    QTest::newRow("the stored zoom at start") << "175" << "" << 175 << QSize(336, 430) << 595;
    QTest::newRow("a stored zoom too large for the screen") << "300" << "" << 200 << QSize(384, 492) << 680;
    QTest::newRow("a stored value that is no step") << "130" << "" << 100 << QSize(192, 246) << 340;
}

void TestZoom::steps()
{
    QFETCH(QString, stored);
    QFETCH(QString, keys);
    QFETCH(int, percent);
    QFETCH(QSize, narrow);
    QFETCH(int, wideWidth);

    TestSupport::ThrowAwaySettings store;
    if (!stored.isEmpty())
        Euro::SaveSetting(Euro::AppName(), Euro::SectionParametres, Euro::KeyZoom, stored);
    Euro::useStoredZoom(); // as the program does before its start-up card
    LoadedWindow w;
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->setFocus();
    TestKeys::press(*w.window, QStringLiteral("1 2"));
    const QString tape = w.window->tape().text();
    for (const QString &token : keys.split(u' ', Qt::SkipEmptyParts))
        press(token);

    QCOMPARE(Euro::zoomPercent(), percent);
    QCOMPARE(w.window->size(), narrow);
    // The zoom keys are no keys of the calculator's; no message for a store's odd value.
    QCOMPARE(w.window->calculator().ReadOut(1), QStringLiteral("12,"));
    QCOMPARE(w.window->tape().text(), tape);
    QVERIFY(w.messages.shown().isEmpty());
    if (!keys.isEmpty())
        QCOMPARE(Euro::zoomFromText(TestSupport::storedSetting(Euro::SectionParametres, Euro::KeyZoom)), percent);

    if (percent == 100 && !keys.isEmpty()) {
        // Back at 100 %, the window is the design's again, to the pixel.
        LoadedWindow design;
        TestKeys::press(*design.window, QStringLiteral("1 2"));
        QCOMPARE(w.window->grab().toImage(), design.window->grab().toImage());
    }

    w.window->lblFermer_Click(3);
    QCOMPARE(w.window->size(), QSize(wideWidth, narrow.height()));
    QStringList faults = TestSupport::captionsCutOff(w.window.get());
    for (const char *panel : {"Frame1", "fraClavier", "fraParametres", "fraPapier"})
        faults << TestSupport::outsideContainer(w.control(QLatin1String(panel)));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

// The start-up card and About are built at the zoom in force, their bitmap font stood in for.
void TestZoom::otherWindowsFollow_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("card");
    QTest::addColumn<QSize>("size");
    QTest::newRow("the card at 150 %") << 150 << true << QSize(423, 166);
    QTest::newRow("the card at 300 %") << 300 << true << QSize(846, 333);
    QTest::newRow("About at 150 %") << 150 << false << QSize(573, 320);
    QTest::newRow("About at 300 %") << 300 << false << QSize(1146, 639);
}

void TestZoom::otherWindowsFollow()
{
    QFETCH(int, percent);
    QFETCH(bool, card);
    QFETCH(QSize, size);
    TestSupport::ThrowAwaySettings store;
    Euro::setZoomPercent(percent);
    std::unique_ptr<QWidget> window;
    if (card) {
        auto *intro = new FrmIntro({});
        window.reset(intro);
        intro->Form_Load();
    } else {
        window = std::make_unique<FrmAbout>();
    }
    QCOMPARE(window->size(), size);
    QStringList faults = TestSupport::captionsCutOff(window.get()) + TestSupport::outsideContainer(window.get())
                         + TestSupport::fontsFallenBack(window.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
