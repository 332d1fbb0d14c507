#pragma once
// The keys a focused control of the calculator window keeps or passes on, for the controls
// whose Qt defaults differ from the window's: a button leaves the arrows to the window
// (the calculator's keys bring the focus back to the display), a panel switch or the "<"
// box is pressed with Space, an option moves round its group with the arrows, the rate
// box takes the keypad's decimal key as the comma rates are written with. Installed on
// each such control; other keys go their usual way, up to the window when the control
// leaves them.

#include <QObject>
#include <functional>

class QRadioButton;
class QWidget;

class ControlKeys : public QObject
{
    Q_OBJECT
public:
    // inSight: whether the user can see a control (an option cut off is skipped).
    explicit ControlKeys(std::function<bool(const QWidget *)> inSight, QObject *parent);

    void watch(QWidget *control);
    // The options of one group, in their order.
    void watchGroup(const QList<QRadioButton *> &options);

Q_SIGNALS:
    // The keyboard moved the focus or pressed a control: the focus should be marked.
    void keyboardUsed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool optionArrow(QRadioButton *option, int key);

    std::function<bool(const QWidget *)> m_inSight;
    QList<QList<QRadioButton *>> m_groups;
};
