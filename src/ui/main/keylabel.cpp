#include "ui/main/keylabel.h"

#include "ui/kit/twips.h"
#include "ui/main/virtualkey.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

KeyLabel::KeyLabel(QWidget *parent)
    : QAbstractButton(parent)
{
    // Coloured as a label is: the text and the fill the window's routines set.
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    // Only the panel switches are focus stops; the window says which.
    setFocusPolicy(Qt::NoFocus);
    // Movement is reported without a button held too: the hover hints are computed then.
    setMouseTracking(true);
}

qint16 KeyLabel::buttonMask(Qt::MouseButtons buttons)
{
    qint16 mask = 0;
    if (buttons.testFlag(Qt::LeftButton))
        mask |= 1;
    if (buttons.testFlag(Qt::RightButton))
        mask |= 2;
    if (buttons.testFlag(Qt::MiddleButton))
        mask |= 4;
    return mask;
}

float KeyLabel::toTwips(qreal pixels) { return float(Euro::pixelsToTwips(1) * pixels); }

void KeyLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void KeyLabel::setWordWrap(bool on)
{
    m_wordWrap = on;
    update();
}

void KeyLabel::setFramed(bool on)
{
    m_framed = on;
    update();
}

QRect KeyLabel::textRect() const
{
    QRect text = rect();
    if (!m_framed)
        return text;
    const Qt::Alignment align = QStyle::visualAlignment(Qt::LeftToRight, m_alignment);
    text.adjust(1, 1, -1, -1);
    const int indent = fontMetrics().horizontalAdvance(u'x') / 2;
    if (align & Qt::AlignLeft)
        text.setLeft(text.left() + indent);
    if (align & Qt::AlignRight)
        text.setRight(text.right() - indent);
    if (align & Qt::AlignTop)
        text.setTop(text.top() + indent);
    if (align & Qt::AlignBottom)
        text.setBottom(text.bottom() - indent);
    return text;
}

void KeyLabel::paintEvent(QPaintEvent *)
{
    // Drawn as a plain-text label draws itself, pixel for pixel: its frame first, then the
    // text inside it.
    QPainter painter(this);
    if (m_framed)
        qDrawPlainRect(&painter, rect(), palette().color(foregroundRole()), 1);
    const Qt::Alignment align = QStyle::visualAlignment(Qt::LeftToRight, m_alignment);
    const int flags = int(align) | Qt::TextExpandTabs | Qt::TextForceLeftToRight | (m_wordWrap ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, textRect(), flags, palette(), isEnabled(), text(), foregroundRole());
}

void KeyLabel::mousePressEvent(QMouseEvent *event)
{
    m_held |= event->button();
    const QPointF at = event->position();
    Q_EMIT mouseDown(buttonMask(event->button()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()),
                     toTwips(at.y()));
    QAbstractButton::mousePressEvent(event);
    event->accept(); // any button: it goes no further than the key
}

void KeyLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    m_held &= ~Qt::MouseButtons(event->button());
    // The release goes to the pressed key even when the pointer left it meanwhile.
    Q_EMIT mouseUp(buttonMask(event->button()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()),
                   toTwips(at.y()));
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}

void KeyLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    Q_EMIT mouseMove(buttonMask(event->buttons()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()),
                     toTwips(at.y()));
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

void KeyLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Each click of a quick pair is a key stroke of its own. The second press of a double
    // click usually comes as a press first; when it did not, this is that press.
    if (!m_held.testFlag(event->button()))
        mousePressEvent(event);
    event->accept();
}
