#include "ui/main/pointerwatch.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

PointerWatch::PointerWatch(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    watchControls();
}

void PointerWatch::watchControls()
{
    QList<QWidget *> controls = m_window->findChildren<QWidget *>();
    controls.prepend(m_window);
    for (QWidget *control : controls) {
        if (control->window() == m_window)
            control->installEventFilter(this); // once: installing again only moves it first
    }
}

bool PointerWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (auto *target = qobject_cast<QWidget *>(watched))
            Q_EMIT pressed(target);
        break;
    case QEvent::Wheel:
        if (const auto *wheel = static_cast<QWheelEvent *>(event); wheel->modifiers() & Qt::ControlModifier) {
            Q_EMIT zoomWheel(wheel->angleDelta().y());
            return true;
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}
