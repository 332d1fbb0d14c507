#include "ui/main/listclicks.h"

#include <QEvent>
#include <QListWidget>

ListClicks::ListClicks(QListWidget *list)
    : QObject(list)
{
    // A new press starts with a clean flag: this filter sees it before the list does.
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::currentRowChanged, this, [this](int) {
        m_changedByPress = true;
        Q_EMIT clicked();
    });
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem *) {
        if (!m_changedByPress)
            Q_EMIT clicked();
    });
}

bool ListClicks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        m_changedByPress = false;
    return QObject::eventFilter(watched, event);
}
