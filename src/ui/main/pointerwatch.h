#pragma once
// The mouse over the calculator window's own controls, seen before the control takes it:
// a press anywhere (the focus needs no marking any more, an open drop list closes) and the
// wheel turned with Ctrl held (the zoom's, not the scrolling of the list or the tape under
// the pointer). Installed on the window and each of its controls, nothing outside it.

#include <QObject>

class QWidget;

class PointerWatch : public QObject
{
    Q_OBJECT
public:
    explicit PointerWatch(QWidget *window);

    // Watches the window's controls, those built since the last call too.
    void watchControls();

Q_SIGNALS:
    // A mouse press or double click on target; it goes on to target.
    void pressed(QWidget *target);
    // Ctrl and the wheel: the wheel's turn, in eighths of a degree.
    void zoomWheel(int angle);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};
