#include "platform/windowsystem.h"

#include <QCoreApplication>
#include <cstring>

namespace Euro {

namespace {

constexpr char PlatformVariable[] = "QT_QPA_PLATFORM";

bool &platformAskedFor()
{
    static bool asked = false;
    return asked;
}

// Runs as the application is made, once Qt has picked its window system.
void restoreEnvironment()
{
    if (platformAskedFor())
        qunsetenv(PlatformVariable);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(restoreEnvironment)

QByteArray preferredPlatform(const SessionEnvironment &session)
{
    const bool wayland = !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
    if (!session.chosenPlatform.isEmpty() || !wayland || session.xDisplay.isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

SessionEnvironment currentSession(int argc, char *argv[])
{
    SessionEnvironment session{qgetenv(PlatformVariable), qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"),
                               qgetenv("DISPLAY")};
    // Qt reads "-platform name", with one dash or two.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            session.chosenPlatform = argv[i + 1];
    }
    return session;
}

void choosePlatform(int argc, char *argv[])
{
    const QByteArray platform = preferredPlatform(currentSession(argc, argv));
    if (platform.isEmpty())
        return;
    qputenv(PlatformVariable, platform);
    platformAskedFor() = true;
}

} // namespace Euro
