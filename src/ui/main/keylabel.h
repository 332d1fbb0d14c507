#pragma once
// A label that takes the mouse like the keys of a pocket calculator: it reports press,
// release and movement in the classic form of mouse routines (button and shift masks,
// position in twips) and a click when a left press is released over it. Keys, panel
// switches and the hover-hint labels of the main window are all of this kind; the faces
// drawn under the keys never take the mouse.
//
// For people who cannot use a mouse, a label that reacts to a click (one whose clicked
// signal is connected) offers that click as its accessible "Press" action, the action
// screen readers and switch devices call; it runs click().

#include <QLabel>

class KeyLabel : public QLabel
{
    Q_OBJECT
public:
    explicit KeyLabel(QWidget *parent = nullptr);

    // Button mask: 1 left, 2 right, 4 middle (the shift mask is Euro::shiftState).
    static qint16 buttonMask(Qt::MouseButtons buttons);

    // Whether anything listens to the label's clicks.
    bool reactsToClick() const;
    // A left click in the middle of the label, as the mouse gives it: press, release, click.
    void click();

Q_SIGNALS:
    // Button is the button that changed (press, release) or the buttons held (move);
    // X and Y are in twips from the label's top left corner.
    void mouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void mouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void mouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Qt::MouseButtons m_held; // pressed here and not yet released
};
