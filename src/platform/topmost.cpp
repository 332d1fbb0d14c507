#include "platform/topmost.h"

#include <QWidget>
#include <QWindow>

namespace Euro {

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

} // namespace Euro
