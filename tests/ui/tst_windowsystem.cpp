// The window system: which one the program asks Qt for, whether the desktop keeps a window
// on top, and the keep-on-top button where it cannot.

#include "platform/topmost.h"
#include "platform/windowsystem.h"
#include "windowfixture.h"

#include <QPushButton>
#include <QtTest>

using TestSupport::LoadedWindow;

class TestWindowSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Euro::installKeepOnTopProbe({}); }
    void preferredPlatform_data();
    void preferredPlatform();
    void keepsOnTop_data();
    void keepsOnTop();
    void keepOnTopButton();
};

void TestWindowSystem::preferredPlatform_data()
{
    QTest::addColumn<QString>("chosen"); // QT_QPA_PLATFORM or -platform
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("xDisplay");
    QTest::addColumn<QString>("platform");

    QTest::newRow("Wayland session with XWayland: through X") << ""
                                                              << "wayland"
                                                              << "wayland-0"
                                                              << ":0"
                                                              << "xcb;wayland";
    QTest::newRow("a Wayland display named only: through X") << ""
                                                             << ""
                                                             << "wayland-0"
                                                             << ":1"
                                                             << "xcb;wayland";
    QTest::newRow("Wayland session type only: through X") << ""
                                                          << "wayland"
                                                          << ""
                                                          << ":0"
                                                          << "xcb;wayland";
    QTest::newRow("Wayland without an X display: Qt's choice") << ""
                                                               << "wayland"
                                                               << "wayland-0"
                                                               << ""
                                                               << "";
    QTest::newRow("Wayland chosen by the user") << "wayland"
                                                << "wayland"
                                                << "wayland-0"
                                                << ":0"
                                                << "";
    QTest::newRow("X chosen by the user") << "xcb"
                                          << "wayland"
                                          << "wayland-0"
                                          << ":0"
                                          << "";
    QTest::newRow("an X session") << ""
                                  << "x11"
                                  << ""
                                  << ":0"
                                  << "";
    QTest::newRow("no display at all") << ""
                                       << ""
                                       << ""
                                       << ""
                                       << "";
}

void TestWindowSystem::preferredPlatform()
{
    QFETCH(QString, chosen);
    QFETCH(QString, sessionType);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, xDisplay);
    QFETCH(QString, platform);
    const Euro::SessionEnvironment session{chosen.toUtf8(), sessionType.toUtf8(), waylandDisplay.toUtf8(),
                                           xDisplay.toUtf8()};
    QCOMPARE(Euro::preferredPlatform(session), platform.toUtf8());
}

void TestWindowSystem::keepsOnTop_data()
{
    QTest::addColumn<QString>("platformName");
    QTest::addColumn<bool>("windowManagerCan"); // the X window manager lists _NET_WM_STATE_ABOVE
    QTest::addColumn<bool>("keeps");
    QTest::newRow("native Wayland") << "wayland" << true << false;
    QTest::newRow("native Wayland through EGL") << "wayland-egl" << true << false;
    QTest::newRow("X with a window manager that can") << "xcb" << true << true;
    QTest::newRow("X with Weston's window manager, or none") << "xcb" << false << false;
    QTest::newRow("another platform: at its word") << "offscreen" << false << true;
}

void TestWindowSystem::keepsOnTop()
{
    QFETCH(QString, platformName);
    QFETCH(bool, windowManagerCan);
    QFETCH(bool, keeps);
    QCOMPARE(Euro::platformKeepsOnTop(platformName, [=] { return windowManagerCan; }), keeps);
}

// Where the desktop cannot keep the window on top, the first press says so; the button is
// then disabled, its hint and description telling why, and the state is left as it was.
void TestWindowSystem::keepOnTopButton()
{
    const QString reason = QStringLiteral("Ce bureau ne permet pas de garder la fenêtre au-dessus des autres.");
    Euro::installKeepOnTopProbe([] { return false; });
    LoadedWindow w;
    auto *button = w.control<QPushButton>(QStringLiteral("cmdPlan"));
    const qint16 atStart = w.window->calculator().state().KeepOnTop;
    button->click();
    button->click(); // a disabled button takes no click

    QVERIFY(!button->isEnabled());
    QCOMPARE(w.window->calculator().state().KeepOnTop, atStart);
    QCOMPARE(w.messages.shown().size(), 1);
    QCOMPARE(w.messages.shown().first().text, reason);
    QCOMPARE(w.messages.shown().first().style, Euro::vbInformation);
    QCOMPARE(w.messages.shown().first().title, QStringLiteral("Pecunio"));
    QCOMPARE(button->toolTip(), reason);
    QCOMPARE(button->accessibleDescription(), reason);
}

QTEST_MAIN(TestWindowSystem)
#include "tst_windowsystem.moc"
