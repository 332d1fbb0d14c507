// The zoom of the calculator window: Ctrl and "+", "-" or "0" (on the typing block or the
// keypad) and Ctrl with the mouse wheel enlarge, reduce and reset the whole window through
// the steps of ui/kit/zoom.h. The controls are placed and lettered again from their design
// at the new zoom; the window grows from its top-left corner and stays on the screen, and
// a step too large for the screen is not taken. The keys are the window's shortcuts
// (windowactions.cpp), never the calculator's: Ctrl and "+" is no "+" key.

#include "ui/main/frmeuro.h"
#include "ui/main/keypadpanel.h"
#include "ui/main/parameterspanel.h"

#include "ui/main/codelist.h"
#include "ui/main/displaybox.h"
#include "ui/kit/twips.h"
#include "ui/kit/windowkit.h"
#include "ui/kit/zoom.h"
#include "ui/main/displayfit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

void FrmEuro::zoomWheel(int angle)
{
    if (!isVisible())
        return;
    // A wheel's notch is one step; a touch pad's small moves add up to one.
    m_zoomWheel += angle;
    if (std::abs(m_zoomWheel) < QWheelEvent::DefaultDeltasPerStep)
        return;
    const int direction = m_zoomWheel > 0 ? 1 : -1;
    m_zoomWheel = 0;
    zoomBy(direction);
}

void FrmEuro::zoomBy(int direction)
{
    const int percent = direction == 0 ? 100 : Euro::zoomStep(Euro::zoomPercent(), direction);
    if (percent == Euro::zoomPercent() || (direction > 0 && !zoomFits(percent)))
        return;
    setZoom(percent);
    Euro::storeZoom();
}

QMargins FrmEuro::frameAllowance() const
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    if (outer != inner)
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    // No frame drawn yet: the design's.
    const int side = Euro::screenTwipsToPixels(FrameWidthTwips / 2);
    return {side, Euro::screenTwipsToPixels(FrameHeightTwips) - side, side, side};
}

bool FrmEuro::zoomFits(int percent) const { return largestZoomThatFits(percent) == percent; }

int FrmEuro::largestZoomThatFits(int percent) const
{
    // The whole calculator, tape opened, must fit: every panel stays within reach.
    const QScreen *onScreen = screen();
    return Euro::largestZoomThatFits(percent,
                                     QSizeF(WideWidthTwips - FrameWidthTwips, m_heightTwips - FrameHeightTwips),
                                     frameAllowance(), onScreen ? onScreen->availableGeometry().size() : QSize());
}

void FrmEuro::fitZoomToScreen() { setZoom(largestZoomThatFits(Euro::zoomPercent())); }

void FrmEuro::setZoom(int percent)
{
    const double from = Euro::zoomFactor();
    Euro::setZoomPercent(percent);
    const double to = Euro::zoomFactor();
    if (to == from)
        return;
    const QPoint topLeft = pos();
    Euro::rezoomControls(this, from);
    ui.Frame1->rezoom(from, to);
    // An open parameters panel keeps the calculator panel's place.
    if (!ui.fraParametres->isHidden())
        ui.fraParametres->move(ui.Frame1->pos());
    if (m_heightTwips >= 0)
        setHeight(m_heightTwips);
    if (m_widthTwips >= 0)
        setWidth(m_widthTwips);
    move(topLeft);
    keepOnScreen();
}

void FrmEuro::keepOnScreen()
{
    const QScreen *onScreen = screen();
    if (!onScreen || !isVisible())
        return;
    const QRect area = onScreen->availableGeometry();
    const QSize outer = size().grownBy(frameAllowance());
    const QPoint at(std::max(area.left(), std::min(x(), area.right() + 1 - outer.width())),
                    std::max(area.top(), std::min(y(), area.bottom() + 1 - outer.height())));
    if (at != pos())
        move(at);
}
