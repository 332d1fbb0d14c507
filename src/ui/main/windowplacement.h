#pragma once
// Where a window goes when it is centred on the screen, in twips. The halves are kept
// (single precision, as the window's own coordinates are): a 1024 x 768 screen and a
// 2970 x 4065 window give left 6195 and top 3727.5.

#include <QPointF>

namespace Euro {

inline QPointF centredWindowPosition(float screenWidth, float screenHeight, float windowWidth, float windowHeight)
{
    const float top = (screenHeight - windowHeight) / 2.0f;
    const float left = (screenWidth - windowWidth) / 2.0f;
    return {left, top};
}

} // namespace Euro
