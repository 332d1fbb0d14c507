#pragma once
// Window geometry is designed in twips (1/1440 inch). The program maps them to pixels at
// the fixed ratio of a standard display, 15 twips to the pixel, times the zoom the user
// chose, and rounds halves to the even neighbour. Every twips figure in the code goes
// through these helpers.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace Euro {

inline constexpr int TwipsPerPixel = 15;

// The zoom the windows are drawn at, as a factor (1 at 100 %): every twips figure of a
// design is scaled by it on its way to pixels. It is set in one place, ui/kit/zoom.h.
inline double &zoomFactorInForce()
{
    static double factor = 1.0;
    return factor;
}
inline double zoomFactor() { return zoomFactorInForce(); }

// Twips of the screen itself (the screen's size, a window's place on it, the desktop's
// frame), which no zoom changes: twips / 15, rounded to the nearest whole pixel, halves
// to the even neighbour.
inline int screenTwipsToPixels(double twips)
{
    // nearbyint rounds in the mode in force, which is to nearest, halves to even, unless
    // someone changes it with fesetround (nothing in the program does).
    return static_cast<int>(std::nearbyint(twips / TwipsPerPixel));
}

constexpr double pixelsToScreenTwips(int pixels) { return double(pixels) * TwipsPerPixel; }

// Twips of a design, at the zoom in force.
inline int twipsToPixels(double twips) { return screenTwipsToPixels(twips * zoomFactor()); }
inline double pixelsToTwips(int pixels) { return pixelsToScreenTwips(pixels) / zoomFactor(); }

inline QPoint twipsPoint(double left, double top) { return {twipsToPixels(left), twipsToPixels(top)}; }
inline QSize twipsSize(double width, double height) { return {twipsToPixels(width), twipsToPixels(height)}; }
inline QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsPoint(left, top), twipsSize(width, height)};
}

} // namespace Euro
