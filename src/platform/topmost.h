#pragma once
// Keeping a window above all others: the desktop stand-in for a topmost window. On X11 the
// window manager honours the stay-on-top hint; changing it re-creates the native window.
// Not every desktop can: a Wayland compositor lets no program ask for it, and an X window
// manager may not offer it. Whether this one can is a seam, which tests replace.

#include <QString>
#include <functional>

class QWidget;

namespace Euro {

// Re-places the window at its own position and keeps it above all others (onTop) or not.
void SetTopMost(QWidget *window, bool onTop);

// Whether a desktop on Qt's window system platformName ("xcb", "wayland"...) keeps a window
// above the others: never natively on Wayland; on X when the window manager says it does
// (xWindowManagerKeepsOnTop); any other platform is taken at its word.
bool platformKeepsOnTop(const QString &platformName, const std::function<bool()> &xWindowManagerKeepsOnTop);

// Whether this desktop keeps a window above the others, asked of it once a run; or the
// answer of the probe tests install.
bool canKeepOnTop();
using KeepOnTopProbe = std::function<bool()>;
// Installs a probe and returns the previous one (an empty probe asks the desktop again).
KeepOnTopProbe installKeepOnTopProbe(KeepOnTopProbe probe);

} // namespace Euro
