#pragma once
// A list box's click, as the window's routines expect it: it comes once the selected item
// has changed (by the mouse, the keyboard or the program) and also when the user clicks the
// item already selected, since a picker must close on the current pick too.

#include <QObject>

class QListWidget;

class ListClicks : public QObject
{
    Q_OBJECT
public:
    // Watches list; lives as long as it.
    explicit ListClicks(QListWidget *list);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_changedByPress = false; // the current press changed the selected row
};
