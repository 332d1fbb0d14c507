#pragma once
// A key of the calculator: a button drawn as a label, its caption over the round face
// that lies under it (or framed, for the panel switches). Focus, Space, the click on a
// release inside and the accessible "Press" action are the button's own; on top, it
// reports press, release and movement in the classic form of mouse routines (button and
// shift masks, position in twips), for every mouse button, as the keys' feedback and
// hover hints want them.

#include <QAbstractButton>

class KeyLabel : public QAbstractButton
{
    Q_OBJECT
public:
    explicit KeyLabel(QWidget *parent = nullptr);

    // Button mask: 1 left, 2 right, 4 middle (the shift mask is Euro::shiftState).
    static qint16 buttonMask(Qt::MouseButtons buttons);
    // A distance in pixels, in twips.
    static float toTwips(qreal pixels);

    // The caption's place and look, as a label lays out its text.
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }
    void setWordWrap(bool on);
    bool wordWrap() const { return m_wordWrap; }
    // A one-pixel line in the text colour round the caption.
    void setFramed(bool on);
    bool isFramed() const { return m_framed; }
    // Where the caption is drawn: inside the frame, half an "x" in from a framed edge the
    // caption is aligned to.
    QRect textRect() const;

Q_SIGNALS:
    // Button is the button that changed (press, release) or the buttons held (move);
    // X and Y are in twips from the key's top left corner.
    void mouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void mouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void mouseMove(qint16 Button, qint16 Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
    bool m_framed = false;
    Qt::MouseButtons m_held; // pressed here and not yet released
};
