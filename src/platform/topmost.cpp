#include "platform/topmost.h"

#include "app/twips.h"

#include <QWidget>

namespace Euro {

void SetTopMost(QWidget *window, bool onTop)
{
    // The window is re-placed at its own position, converted from twips at 15 to the pixel,
    // and keeps its size.
    const QPoint at = twipsPoint(pixelsToTwips(window->x()), pixelsToTwips(window->y()));
    const bool wasVisible = window->isVisible();
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        // Changing a top-level window's flags hides it; show it again where it was.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }
    window->move(at);
    if (wasVisible && !window->isVisible())
        window->show();
}

} // namespace Euro
