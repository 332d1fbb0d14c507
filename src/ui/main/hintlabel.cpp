#include "ui/main/hintlabel.h"

#include "ui/main/keylabel.h"
#include "ui/main/virtualkey.h"

#include <QMouseEvent>

HintLabel::HintLabel(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true); // the hint is worked out as the pointer comes, no button held
}

void HintLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    Q_EMIT mouseMove(KeyLabel::buttonMask(event->buttons()), qint16(Euro::shiftState(event->modifiers())),
                     KeyLabel::toTwips(at.x()), KeyLabel::toTwips(at.y()));
    event->accept();
}
