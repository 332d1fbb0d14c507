#include "ui/main/faceshape.h"

#include "ui/kit/twips.h"
#include "ui/main/accessibility.h"

#include <QPainter>
#include <algorithm>

FaceShape::FaceShape(Kind kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    Accessibility::setDrawingOnly(this); // the key over it is what a reader meets
}

void FaceShape::setFillColor(const QColor &color)
{
    if (m_fill == color)
        return;
    m_fill = color;
    update();
}

void FaceShape::setBorderColor(const QColor &color)
{
    if (m_border == color)
        return;
    m_border = color;
    update();
}

void FaceShape::setBorderWidth(int pixels)
{
    pixels = std::max(pixels, 0);
    if (m_borderWidth == pixels)
        return;
    m_borderWidth = pixels;
    update();
}

QRectF FaceShape::outline() const
{
    const QRectF whole(rect());
    if (m_kind == Kind::RoundedRectangle)
        return whole;
    const qreal side = std::min(whole.width(), whole.height());
    QRectF circle(0, 0, side, side);
    circle.moveCenter(whole.center());
    return circle;
}

void FaceShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The ring grows with the zoom, as the face does.
    const qreal pen = m_borderWidth * Euro::zoomFactor();
    const qreal inset = pen / 2.0;
    const QRectF shape = outline().adjusted(inset, inset, -inset, -inset);
    painter.setBrush(m_fill);
    if (m_borderWidth > 0)
        painter.setPen(QPen(m_border, pen));
    else
        painter.setPen(Qt::NoPen);
    if (m_kind == Kind::Circle) {
        painter.drawEllipse(shape);
    } else {
        const qreal radius = std::min(shape.width(), shape.height()) / 4.0;
        painter.drawRoundedRect(shape, radius, radius);
    }
}
