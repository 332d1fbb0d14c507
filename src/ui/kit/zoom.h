#pragma once
// The zoom of the windows: for people who read small print with difficulty, the whole
// calculator, its start-up card and About are drawn larger, in fixed steps. The zoom in
// force is the one factor that twips.h scales every design figure by, and designFont every
// design size; it is kept per user in the settings store and used from the start-up card on.
// What the desktop draws in the windows grows with it (the fonts of messages, menus, hints
// and Qt's own dialogs, and the style's sizes: zoomstyle.h).

#include <QMargins>
#include <QSize>
#include <QString>
#include <array>

namespace Euro {

inline constexpr std::array<int, 7> ZoomSteps{100, 125, 150, 175, 200, 250, 300};

// The zoom in force, in percent.
int zoomPercent();
// Makes percent the zoom in force; a percentage that is no step leaves it as it is.
void setZoomPercent(int percent);

// The step after (direction 1) or before (-1) percent; percent itself at either end.
int zoomStep(int percent, int direction);

// The largest step, not above percent, at which a window fits in room (pixels): its client
// area is clientTwips of its design at the step, with frame (pixels) around it. 100 at the
// least: the design's size is always there.
int largestZoomThatFits(int percent, QSizeF clientTwips, QMargins frame, QSize room);

// The step a stored text names ("125"); 100 for any other text.
int zoomFromText(const QString &text);

// The zoom kept in the store made the zoom in force, and the zoom in force kept.
void useStoredZoom();
void storeZoom();

} // namespace Euro
