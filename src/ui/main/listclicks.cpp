#include "ui/main/listclicks.h"

#include <QEvent>
#include <QListWidget>

ListClicks::ListClicks(QListWidget *list)
    : QObject(list)
{
    // A new press starts with a clean flag: this filter sees it before the list does.
    list->viewport()->installEventFilter(this);
    // The selection, not the current row: a press makes its row current before it selects
    // it, and a list that only takes the focus makes a row current without selecting it.
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
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
