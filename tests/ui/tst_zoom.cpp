// The zoom: the keys and the wheel that take its steps, the client sizes at each step in
// both widths, the screen's limit, the zoom kept for the next start, the other windows.

#include "support/keysequence.h"
#include "support/layoutchecks.h"
#include "ui/about/frmabout.h"
#include "app/frmintro.h"
#include "ui/kit/fonts.h"
#include "ui/kit/zoom.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWheelEvent>
#include <QtTest>

using TestSupport::LoadedWindow;

namespace {

// Keys held with Ctrl on the focused control: "+", "=", "-", "0", with "KP_" before a
// keypad key and "Shift+" before one typed with Shift; "wheel+" and "wheel-" turn the wheel,
// "tapewheel+" over the tape box, which would scroll or zoom its own text.
void pressWithCtrl(QString token)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    Qt::KeyboardModifiers held = Qt::ControlModifier;
    if (token.startsWith(QLatin1String("tape"))) {
        target = target->window()->findChild<QPlainTextEdit *>(QStringLiteral("txtOperations"))->viewport();
        token.remove(0, 4);
    }
    if (token.startsWith(QLatin1String("wheel"))) {
        QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, token.endsWith(u'+') ? 120 : -120), Qt::NoButton, held, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
        return;
    }
    for (const auto &[prefix, modifier] :
         {std::pair{"Shift+", Qt::ShiftModifier}, std::pair{"KP_", Qt::KeypadModifier}}) {
        if (token.startsWith(QLatin1String(prefix))) {
            held |= modifier;
            token.remove(0, qsizetype(qstrlen(prefix)));
        }
    }
    static const QHash<QString, Qt::Key> keys{
        {"+", Qt::Key_Plus}, {"=", Qt::Key_Equal}, {"-", Qt::Key_Minus}, {"0", Qt::Key_0}, {"à", Qt::Key_Agrave}};
    QVERIFY2(keys.contains(token), qPrintable(token));
    QTest::keyClick(target, keys[token], held);
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
    QTest::addColumn<QString>("ctrlKeys");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QSize>("narrow"); // client sizes
    QTest::addColumn<int>("wideWidth");

    QTest::newRow("the design") << "" << "" << 100 << QSize(192, 246) << 340;
    QTest::newRow("Ctrl and +: 125 %") << "" << "+" << 125 << QSize(240, 308) << 425;
    QTest::newRow("Ctrl and = or Shift and +") << "" << "= Shift++" << 150 << QSize(288, 369) << 510;
    QTest::newRow("keypad up thrice, down once") << "" << "KP_+ KP_+ KP_+ KP_-" << 150 << QSize(288, 369) << 510;
    QTest::newRow("Ctrl and the wheel") << "" << "wheel+ wheel+ wheel+ wheel-" << 150 << QSize(288, 369) << 510;
    QTest::newRow("Ctrl and the wheel over the tape") << "" << "tapewheel+" << 125 << QSize(240, 308) << 425;
    QTest::newRow("Ctrl and 0: the design again") << "" << "+ + 0" << 100 << QSize(192, 246) << 340;
    QTest::newRow("Ctrl and keypad 0") << "" << "+ KP_0" << 100 << QSize(192, 246) << 340;
    QTest::newRow("Ctrl and the French layout's 0 key") << "" << "+ à" << 100 << QSize(192, 246) << 340;
    QTest::newRow("nothing below 100 %") << "" << "-" << 100 << QSize(192, 246) << 340;
    // The offscreen screen is 800 by 600: the tape's width at 250 % is not there.
    QTest::newRow("a step too large is not taken") << "" << "+ + + + +" << 200 << QSize(384, 492) << 680;
    QTest::newRow("the stored zoom at start") << "175" << "" << 175 << QSize(336, 430) << 595;
    QTest::newRow("a stored zoom too large for the screen") << "300" << "" << 200 << QSize(384, 492) << 680;
    QTest::newRow("a stored value that is no step") << "130" << "" << 100 << QSize(192, 246) << 340;
}

void TestZoom::steps()
{
    QFETCH(QString, stored);
    QFETCH(QString, ctrlKeys);
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
    for (const QString &token : ctrlKeys.split(u' ', Qt::SkipEmptyParts))
        pressWithCtrl(token);

    QCOMPARE(Euro::zoomPercent(), percent);
    QCOMPARE(w.window->size(), narrow);
    // The zoom keys are no keys of the calculator's; no message for a store's odd value.
    QCOMPARE(w.window->calculator().ReadOut(1), QStringLiteral("12,"));
    QCOMPARE(w.window->tape().text(), tape);
    QVERIFY(w.messages.shown().isEmpty());
    if (!ctrlKeys.isEmpty())
        QCOMPARE(Euro::zoomFromText(TestSupport::storedSetting(Euro::SectionParametres, Euro::KeyZoom)), percent);

    if (percent == 100 && !ctrlKeys.isEmpty()) {
        // Back at 100 %, the window is the design's again, to the pixel.
        LoadedWindow design;
        TestKeys::press(*design.window, QStringLiteral("1 2"));
        QCOMPARE(w.window->grab().toImage(), design.window->grab().toImage());
    }

    w.window->lblFermer_Click(3);
    QCOMPARE(w.window->size(), QSize(wideWidth, narrow.height()));
    QVERIFY(w.window->screen()->availableGeometry().contains(w.window->frameGeometry()));
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
        auto intro = std::make_unique<FrmIntro>(nullptr);
        intro->Form_Load(); // with its version caption in
        window = std::move(intro);
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
