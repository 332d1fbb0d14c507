#include "platform/topmost.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace Euro {

namespace {

KeepOnTopProbe &installedProbe()
{
    static KeepOnTopProbe probe;
    return probe;
}

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};

// An X window manager lists the window states it honours in the root window's
// _NET_SUPPORTED; keeping on top is _NET_WM_STATE_ABOVE. No window manager lists nothing.
bool xWindowManagerKeepsOnTop()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const auto atom = [connection](const char *name) {
        const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    };
    const xcb_atom_t supported = atom("_NET_SUPPORTED");
    const xcb_atom_t above = atom("_NET_WM_STATE_ABOVE");
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen || supported == XCB_ATOM_NONE || above == XCB_ATOM_NONE)
        return false;
    const std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, screen->root, supported, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->type != XCB_ATOM_ATOM)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const auto *end = atoms + xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, end, above) != end;
}

} // namespace

void SetTopMost(QWidget *window, bool onTop)
{
    // The window keeps its position and size through the change of flags.
    const QPoint at = window->pos();
    const bool wasVisible = window->isVisible();
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
        if (QWindow *handle = window->windowHandle()) {
            // A window already on screen asks the window manager to change its stacking: it
            // stays mapped and keeps the keyboard, where recreating it would hide it and
            // show it again without the focus.
            window->overrideWindowFlags(flags);
            handle->setFlags(flags);
        } else {
            window->setWindowFlags(flags);
        }
    }
    window->move(at);
    if (wasVisible && !window->isVisible())
        window->show();
}

bool platformKeepsOnTop(const QString &platformName, const std::function<bool()> &xWindowManagerKeepsOnTop)
{
    if (platformName.startsWith(QLatin1String("wayland")))
        return false;
    if (platformName == QLatin1String("xcb"))
        return xWindowManagerKeepsOnTop();
    return true;
}

bool canKeepOnTop()
{
    if (const KeepOnTopProbe &probe = installedProbe())
        return probe();
    static const bool desktopCan = platformKeepsOnTop(QGuiApplication::platformName(), xWindowManagerKeepsOnTop);
    return desktopCan;
}

KeepOnTopProbe installKeepOnTopProbe(KeepOnTopProbe probe)
{
    KeepOnTopProbe previous = std::move(installedProbe());
    installedProbe() = std::move(probe);
    return previous;
}

} // namespace Euro
