#pragma once
// Keeping a window above all others: the desktop stand-in for a topmost window. On X11 the
// window manager honours the stay-on-top hint; changing it re-creates the native window.

class QWidget;

namespace Euro {

// Re-places the window at its own position and keeps it above all others (onTop) or not.
void SetTopMost(QWidget *window, bool onTop);

} // namespace Euro
