#include "ui/main/controlkeys.h"

#include "engine/keymap.h"
#include "ui/main/keylabel.h"
#include "ui/main/virtualkey.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace {

bool isArrow(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

} // namespace

ControlKeys::ControlKeys(std::function<bool(const QWidget *)> inSight, QObject *parent)
    : QObject(parent)
    , m_inSight(std::move(inSight))
{}

void ControlKeys::watch(QWidget *control)
{
    if (control)
        control->installEventFilter(this);
}

void ControlKeys::watchGroup(const QList<QRadioButton *> &options)
{
    m_groups.append(options);
    for (QRadioButton *option : options)
        watch(option);
}

bool ControlKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const int k = key->key();
    if (auto *option = qobject_cast<QRadioButton *>(watched); option && isArrow(k))
        return optionArrow(option, k);
    if (qobject_cast<QAbstractButton *>(watched) && isArrow(k)) {
        // Not Qt's walk to the next button: on to the window, the focus goes back to the display.
        key->ignore();
        return true;
    }
    if (auto *label = qobject_cast<KeyLabel *>(watched); label && k == Qt::Key_Space) {
        Q_EMIT keyboardUsed();
        label->click(); // as the mouse clicks it
        return true;
    }
    if (auto *box = qobject_cast<QLineEdit *>(watched);
        box && (key->modifiers() & Qt::KeypadModifier)
        && Euro::keyAction(Euro::virtualKeyCode(*key)).command == Euro::KeyCommand::Decimal) {
        // Whatever the keyboard layout types for the keypad's decimal key.
        if (!box->isReadOnly())
            box->insert(QStringLiteral(","));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ControlKeys::optionArrow(QRadioButton *focused, int key)
{
    // Every arrow goes to the next or the previous option of the group, round the group;
    // its routine runs as it becomes the chosen one.
    for (const QList<QRadioButton *> &group : std::as_const(m_groups)) {
        const qsizetype at = group.indexOf(focused);
        if (at < 0)
            continue;
        const qsizetype count = group.size();
        const qsizetype forward = (key == Qt::Key_Down || key == Qt::Key_Right) ? 1 : count - 1;
        for (qsizetype n = 1; n < count; ++n) {
            QRadioButton *option = group.at((at + n * forward) % count);
            if (!m_inSight(option))
                continue;
            Q_EMIT keyboardUsed();
            option->setFocus(forward == 1 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            option->setChecked(true);
            break;
        }
        return true;
    }
    return false;
}
