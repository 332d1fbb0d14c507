#pragma once
// A filled outline drawn on its container, like the round faces behind the calculator's
// keys and the backdrop of the euro display. It never takes the mouse: a press on a face
// outside its key's label reaches whatever lies beneath. It only draws: screen readers do
// not meet it.

#include <QColor>
#include <QWidget>

class FaceShape : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Circle, RoundedRectangle };

    explicit FaceShape(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor &color);
    QColor borderColor() const { return m_border; }
    void setBorderColor(const QColor &color);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);

    // The outline drawn inside the widget: a circle as large as the shorter side, centred,
    // or the whole rectangle with rounded corners; the border lies inside it.
    QRectF outline() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_fill = Qt::black;
    QColor m_border = Qt::black;
    int m_borderWidth = 1;
};
