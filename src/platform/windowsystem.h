#pragma once
// The window system the program runs on. On a Wayland session Qt speaks xdg-shell to the
// compositor, which lets no program keep its window above the others, nor place it: the
// calculator does both (it stays on top, and opens in the middle of the screen). Where the
// session also offers an X display (XWayland), the program runs through it, as an X client
// whose window manager, the compositor's own, can do both; natively on Wayland only when X
// cannot be reached. A window system the user names (QT_QPA_PLATFORM, -platform) is used as
// named. Whether the desktop then keeps a window on top is asked of it (topmost.h).

#include <QByteArray>

namespace Euro {

struct SessionEnvironment {
    QByteArray chosenPlatform; // QT_QPA_PLATFORM, or the value of -platform
    QByteArray sessionType;    // XDG_SESSION_TYPE
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray xDisplay;       // DISPLAY
};

// "xcb;wayland" on a Wayland session that offers an X display and where the user chose no
// window system; empty otherwise, leaving the choice to Qt or to the user.
QByteArray preferredPlatform(const SessionEnvironment &session);

// The session this process runs in, from its environment and its command line.
SessionEnvironment currentSession(int argc, char *argv[]);

// Before the QApplication is made: asks Qt for the preferred platform. Only this process
// is concerned: the programs it starts (the help page's browser, the system information
// tool) get the environment as it was.
void choosePlatform(int argc, char *argv[]);

} // namespace Euro
