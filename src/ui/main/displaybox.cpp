#include "ui/main/displaybox.h"

#include "engine/keymap.h"
#include "ui/main/virtualkey.h"

#include <QKeyEvent>
#include <QMimeData>

DisplayBox::DisplayBox(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true); // only the calculator writes the amounts
}

bool DisplayBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)
            || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Insert)) {
            event->ignore(); // the window's shortcut copies or pastes the amount
            return true;
        }
    }
    return QLineEdit::event(event);
}

void DisplayBox::keyPressEvent(QKeyEvent *event)
{
    const bool shortcut = Euro::makesShortcut(Euro::shiftState(event->modifiers()));
    const Euro::KeyAction action = Euro::keyAction(Euro::virtualKeyCode(*event), shortcut ? QString() : event->text());
    if (action.command != Euro::KeyCommand::None || (!shortcut && m_keyedInto && !m_keyedInto())) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DisplayBox::mouseDoubleClickEvent(QMouseEvent *)
{
    selectAll(); // the whole amount, not the digits after the comma
}

void DisplayBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void DisplayBox::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void DisplayBox::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT textDropped(event->mimeData()->text());
}
