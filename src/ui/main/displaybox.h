#pragma once
// One of the two amount displays, ReadOut(0) and ReadOut(1): a locked line edit that only
// the calculator writes. Copy and paste are the window's (the amount without its trailing
// comma, a pasted text read as a keyed amount), so the box leaves those keys to the window's
// shortcuts; the calculator's keys (Backspace and Delete too, which a locked box would
// swallow) go on to the window as Qt passes them. A double click selects the whole amount; a dropped text is offered as one.

#include <QLineEdit>
#include <functional>

class DisplayBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit DisplayBox(QWidget *parent);
    // Whether this is the display keyed into: the other one keeps no key of its own, every
    // key brings the focus back to the display keyed into.
    void setKeyedInto(std::function<bool()> keyedInto) { m_keyedInto = std::move(keyedInto); }

Q_SIGNALS:
    void textDropped(const QString &text);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    std::function<bool()> m_keyedInto;
};
