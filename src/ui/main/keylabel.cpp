#include "ui/main/keylabel.h"

#include "ui/kit/twips.h"
#include "ui/main/virtualkey.h"

#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QMouseEvent>

namespace {

// A key label as assistive technology sees it: a button with a "Press" action when it
// reacts to a click, plain text otherwise (the currency code, the rounding line).
class KeyLabelAccessible : public QAccessibleWidget
{
public:
    explicit KeyLabelAccessible(KeyLabel *label)
        : QAccessibleWidget(label)
    {
    }

    static QAccessibleInterface *create(const QString &className, QObject *object)
    {
        auto *label = qobject_cast<KeyLabel *>(object);
        return label && className == QLatin1String("KeyLabel") ? new KeyLabelAccessible(label) : nullptr;
    }

    QAccessible::Role role() const override
    {
        return label()->reactsToClick() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = label()->text();
        return text;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->reactsToClick())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && label()->reactsToClick())
            label()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    KeyLabel *label() const { return static_cast<KeyLabel *>(widget()); }
};

} // namespace

KeyLabel::KeyLabel(QWidget *parent)
    : QLabel(parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(&KeyLabelAccessible::create);
        return true;
    }();
    Q_UNUSED(accessible);
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

static float toTwips(qreal pixels) { return float(Euro::pixelsToTwips(1) * pixels); }

bool KeyLabel::reactsToClick() const { return isSignalConnected(QMetaMethod::fromSignal(&KeyLabel::clicked)); }

void KeyLabel::click()
{
    const float x = toTwips(width() / 2.0);
    const float y = toTwips(height() / 2.0);
    Q_EMIT mouseDown(1, 0, x, y);
    Q_EMIT mouseUp(1, 0, x, y);
    Q_EMIT clicked();
}

void KeyLabel::mousePressEvent(QMouseEvent *event)
{
    m_held |= event->button();
    const QPointF at = event->position();
    Q_EMIT mouseDown(buttonMask(event->button()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()), toTwips(at.y()));
    event->accept();
}

void KeyLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    // The release goes to the pressed label even when the pointer left it meanwhile.
    Q_EMIT mouseUp(buttonMask(event->button()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()), toTwips(at.y()));
    const bool click = event->button() == Qt::LeftButton && m_held.testFlag(Qt::LeftButton)
                       && rect().contains(at.toPoint());
    m_held &= ~Qt::MouseButtons(event->button());
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void KeyLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    Q_EMIT mouseMove(buttonMask(event->buttons()), qint16(Euro::shiftState(event->modifiers())), toTwips(at.x()), toTwips(at.y()));
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
