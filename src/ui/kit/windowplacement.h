#pragma once
// Where a window goes when it is centred on the screen, in twips. The halves are kept
// (single precision, as the window's own coordinates are): a 1024 x 768 screen and a
// 2970 x 4065 window give left 6195 and top 3727.5.

#include <QPointF>

namespace Euro {

// The frame of the design's fixed windows around their client area, in twips: 3 pixels on
// each side and a 19-pixel title bar. A window's outer size, and so its centring, counts it.
inline constexpr double FixedFrameWidthTwips = 6 * 15;
inline constexpr double FixedFrameHeightTwips = (19 + 3 + 3) * 15;

inline QPointF centredWindowPosition(float screenWidth, float screenHeight, float windowWidth, float windowHeight)
{
    const float top = (screenHeight - windowHeight) / 2.0f;
    const float left = (screenWidth - windowWidth) / 2.0f;
    return {left, top};
}

} // namespace Euro
