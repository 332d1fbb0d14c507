// The zoom: the keys and the wheel that take its steps, the client sizes at each step in
// both widths, the screen's limit, the zoom kept for the next start, the other windows, and
// what the desktop draws in them: messages, the save and print dialogs, scroll bars.

#include "support/keysequence.h"
#include "support/layoutchecks.h"
#include "ui/about/frmabout.h"
#include "app/frmintro.h"
#include "ui/kit/fonts.h"
#include "ui/kit/messageboxes.h"
#include "ui/kit/zoom.h"
#include "ui/kit/zoomstyle.h"
#include "windowfixture.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

using TestSupport::LoadedWindow;

namespace {

// Keys held with Ctrl on the focused control: "+", "=", "-", "0", with "KP_" before a
// keypad key and "Shift+" before one typed with Shift; "wheel+" and "wheel-" turn the wheel,
// "tapewheel+" over the tape box, which would scroll or zoom its own text; "2×" before a key
// first lists its sequence a second time on the window's action that has it, as on layouts
// where one key stroke matches two of an action's sequences (Ctrl, Shift and "=" is also
// Ctrl and "+").
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
    const bool twice = token.startsWith(QStringLiteral("2×"));
    if (twice)
        token.remove(0, 2);
    static const QHash<QString, Qt::Key> keys{
        {"+", Qt::Key_Plus}, {"=", Qt::Key_Equal}, {"-", Qt::Key_Minus}, {"0", Qt::Key_0}, {"à", Qt::Key_Agrave}};
    QVERIFY2(keys.contains(token), qPrintable(token));
    if (twice) {
        const QKeySequence sequence(held | keys[token]);
        QAction *owner = nullptr;
        for (QAction *action : target->window()->actions()) {
            if (action->shortcuts().contains(sequence))
                owner = action;
        }
        QVERIFY2(owner, qPrintable(sequence.toString()));
        owner->setShortcuts(owner->shortcuts() << sequence);
    }
    QTest::keyClick(target, keys[token], held);
}

// What a person reads in the windows the desktop draws, as made at the zoom in force.
struct DesktopSizes {
    double messageFont = 0;  // points
    int messageIcon = 0;     // pixels, as drawn
    int messageIconSize = 0; // as the style asks for it; the desktop may have it smaller only
    double saveFont = 0;
    int saveIcons = 0; // the save dialog's small icons
    double printFont = 0;
    int scrollBar = 0; // the tape's scroll bar: its width, its up arrow's
    int arrow = 0;
};

// The width of the dark glyph in the top half of a vertical scroll bar, its up arrow; -1
// when it is not wholly in the button the bar's width gives, where a press would work it.
int upArrowWidth(QScrollBar *bar)
{
    const QImage image = bar->grab().toImage();
    QRect glyph;
    for (int y = 0; y < image.height() / 2; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 110)
                glyph |= QRect(x, y, 1, 1);
        }
    }
    return glyph.bottom() < bar->width() ? glyph.width() : -1;
}

DesktopSizes desktopSizes()
{
    DesktopSizes sizes;
    const std::unique_ptr<QMessageBox> box =
        Euro::makeMessageBox(QStringLiteral("Voulez-vous vraiment quitter ce programme ?"), QStringLiteral("Pecunio"),
                             Euro::vbQuestion | Euro::vbYesNo, nullptr);
    sizes.messageFont = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font().pointSizeF();
    sizes.messageIcon = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"))->pixmap().width();
    sizes.messageIconSize = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box.get());
    QFileDialog save(nullptr, QStringLiteral("Enregistrer la bande"), QString(), QStringLiteral("Texte (*.txt)"));
    save.setOption(QFileDialog::DontUseNativeDialog);
    sizes.saveFont = save.font().pointSizeF();
    sizes.saveIcons = save.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &save);
    QPrinter printer;
    const QPrintDialog print(&printer);
    sizes.printFont = print.font().pointSizeF();
    LoadedWindow w;
    w.window->lblFermer_Click(3); // the tape
    auto *bar = w.control<QPlainTextEdit>(QStringLiteral("txtOperations"))->verticalScrollBar();
    sizes.scrollBar = bar->width();
    sizes.arrow = upArrowWidth(bar);
    return sizes;
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
    void desktopFollows_data();
    void desktopFollows();
};

void TestZoom::steps_data()
{
    QTest::addColumn<QString>("stored"); // the store's text before the start
    QTest::addColumn<QString>("ctrlKeys");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QSize>("narrow"); // client sizes
    QTest::addColumn<int>("wideWidth");

    QTest::newRow("the design") << ""
                                << "" << 100 << QSize(192, 246) << 340;
    QTest::newRow("Ctrl and +: 125 %") << ""
                                       << "+" << 125 << QSize(240, 308) << 425;
    QTest::newRow("Ctrl and = or Shift and +") << ""
                                               << "= Shift++" << 150 << QSize(288, 369) << 510;
    QTest::newRow("one stroke that two sequences match: one step") << ""
                                                                   << "2×+" << 125 << QSize(240, 308) << 425;
    QTest::newRow("keypad up thrice, down once") << ""
                                                 << "KP_+ KP_+ KP_+ KP_-" << 150 << QSize(288, 369) << 510;
    QTest::newRow("Ctrl and the wheel") << ""
                                        << "wheel+ wheel+ wheel+ wheel-" << 150 << QSize(288, 369) << 510;
    QTest::newRow("Ctrl and the wheel over the tape") << ""
                                                      << "tapewheel+" << 125 << QSize(240, 308) << 425;
    QTest::newRow("Ctrl and 0: the design again") << ""
                                                  << "+ + 0" << 100 << QSize(192, 246) << 340;
    QTest::newRow("Ctrl and keypad 0") << ""
                                       << "+ KP_0" << 100 << QSize(192, 246) << 340;
    QTest::newRow("Ctrl and the French layout's 0 key") << ""
                                                        << "+ à" << 100 << QSize(192, 246) << 340;
    QTest::newRow("nothing below 100 %") << ""
                                         << "-" << 100 << QSize(192, 246) << 340;
    // The offscreen screen is 800 by 600: the tape's width at 250 % is not there.
    QTest::newRow("a step too large is not taken") << ""
                                                   << "+ + + + +" << 200 << QSize(384, 492) << 680;
    QTest::newRow("the stored zoom at start") << "175"
                                              << "" << 175 << QSize(336, 430) << 595;
    QTest::newRow("a stored zoom too large for the screen") << "300"
                                                            << "" << 200 << QSize(384, 492) << 680;
    QTest::newRow("a stored value that is no step") << "130"
                                                    << "" << 100 << QSize(192, 246) << 340;
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

// The start-up card and About are built at the zoom in force, their bitmap font stood in for;
// the card, like the calculator, at the largest step that fits the screen.
void TestZoom::otherWindowsFollow_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("card");
    QTest::addColumn<int>("opensAt");
    QTest::addColumn<QSize>("size");
    QTest::newRow("the card at 150 %") << 150 << true << 150 << QSize(423, 166);
    // The offscreen screen is 800 pixels wide: 846 at 300 %.
    QTest::newRow("the card at 300 %, too wide: 250 %") << 300 << true << 250 << QSize(705, 278);
    QTest::newRow("About at 300 %") << 300 << false << 300 << QSize(1146, 639);
}

void TestZoom::otherWindowsFollow()
{
    QFETCH(int, percent);
    QFETCH(bool, card);
    QFETCH(int, opensAt);
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
    QCOMPARE(Euro::zoomPercent(), opensAt);
    if (!card) {
        // The coin in its place's size, drawn from a rendering at least that large.
        const QPixmap coin = static_cast<FrmAbout *>(window.get())->picIcon->pixmap();
        QCOMPARE(coin.size(), QSize(96, 96));
    }
    QStringList faults = TestSupport::captionsCutOff(window.get()) + TestSupport::outsideContainer(window.get())
                         + TestSupport::fontsFallenBack(window.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

// Message boxes, the save and print dialogs and the tape's scroll bar grow with the zoom,
// their icons and arrows too; back at 100 % they are the desktop's again.
void TestZoom::desktopFollows_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("150 %") << 150;
    QTest::newRow("200 %, the largest with the tape on this screen") << 200;
}

void TestZoom::desktopFollows()
{
    QFETCH(int, percent);
    // QtTest has the styles draw at 96 dots per inch whatever the screen says, as a program
    // does not: the zoom reaches the arrows through the dots per inch the style is given.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
    const auto restore = qScopeGuard([] { QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true); });
    const DesktopSizes design = desktopSizes();
    Euro::setZoomPercent(percent);
    const DesktopSizes zoomed = desktopSizes();
    const double zoom = percent / 100.0;
    QCOMPARE(zoomed.messageFont, design.messageFont * zoom);
    QCOMPARE(zoomed.messageIcon, Euro::zoomedPixels(design.messageIconSize));
    QCOMPARE(zoomed.saveFont, design.saveFont * zoom);
    QCOMPARE(zoomed.saveIcons, Euro::zoomedPixels(design.saveIcons));
    QCOMPARE(zoomed.printFont, design.printFont * zoom);
    QCOMPARE(zoomed.scrollBar, Euro::zoomedPixels(design.scrollBar));
    QVERIFY2(design.arrow > 0 && zoomed.arrow >= design.arrow * zoom * 0.75,
             qPrintable(QStringLiteral("arrow %1 px, %2 px at 100 %").arg(zoomed.arrow).arg(design.arrow)));
    Euro::setZoomPercent(100);
    const DesktopSizes back = desktopSizes();
    QCOMPARE(back.messageFont, design.messageFont);
    QCOMPARE(back.messageIcon, design.messageIcon);
    QCOMPARE(back.saveIcons, design.saveIcons);
    QCOMPARE(back.scrollBar, design.scrollBar);
    QCOMPARE(back.arrow, design.arrow);
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
