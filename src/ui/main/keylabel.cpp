#include "ui/main/keylabel.h"

#include "app/twips.h"
#include "ui/main/virtualkey.h"

#include <QMouseEvent>

KeyLabel::KeyLabel(QWidget *parent)
    : QLabel(parent)
{
    // Movement is reported without a button held too: the hover hints are computed then.
    setMouseTracking(true);
}

qint16 KeyLabel::buttonMask(Qt::MouseButtons buttons)
{
    qint16 mask = 0;
    if (buttons.testFlag(Qt::LeftButton))
        mask |= 1;
    if (buttons.testFlag(Qt::RightButton))
        mask |= 2;
    if (buttons.testFlag(Qt::MiddleButton))
        mask |= 4;
    return mask;
}

static float toTwips(qreal pixels) { return float(Euro::pixelsToTwips(1) * pixels); }

void KeyLabel::mousePressEvent(QMouseEvent *event)
{
    m_held |= event->button();
    const QPointF at = event->position();
    Q_EMIT mouseDown(buttonMask(event->button()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()), toTwips(at.y()));
    event->accept();
}

void KeyLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    // The release goes to the pressed label even when the pointer left it meanwhile.
    Q_EMIT mouseUp(buttonMask(event->button()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()), toTwips(at.y()));
    const bool click = event->button() == Qt::LeftButton && m_held.testFlag(Qt::LeftButton)
                       && rect().contains(at.toPoint());
    m_held &= ~Qt::MouseButtons(event->button());
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void KeyLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    Q_EMIT mouseMove(buttonMask(event->buttons()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()), toTwips(at.y()));
    event->accept();
}

void KeyLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Each click of a quick pair is a key stroke of its own. The second press of a double
    // click usually comes as a press first; when it did not, this is that press.
    if (!m_held.testFlag(event->button()))
        mousePressEvent(event);
    event->accept();
}
