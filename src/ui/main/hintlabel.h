#pragma once
// A label that only shows a text and a hint (the currency code, the rounding line): it
// reports the pointer's movement over it in the classic form of a mouse routine, from
// which the window computes its hint.

#include <QLabel>

class HintLabel : public QLabel
{
    Q_OBJECT
public:
    explicit HintLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    // Button: the buttons held; X and Y in twips from the label's top left corner.
    void mouseMove(qint16 Button, qint16 Shift, float X, float Y);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};
