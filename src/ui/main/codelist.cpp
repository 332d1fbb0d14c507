#include "ui/main/codelist.h"

#include "ui/main/virtualkey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

bool movesInList(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right
           || key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

// Keys that only change what other keys type, or start a Shift+Tab: the list stays open.
bool changesNothing(int key) { return Euro::isModifierKey(key) || Euro::isLockKey(key); }

} // namespace

CodeList::CodeList(QWidget *parent)
    : QListWidget(parent)
{}

void CodeList::keyPressEvent(QKeyEvent *event)
{
    const int k = event->key();
    const bool letter = !Euro::makesShortcut(Euro::shiftState(event->modifiers())) && event->text().size() == 1
                        && event->text()[0].isLetter();
    if (letter) {
        search(event->text());
    } else if (movesInList(k)) {
        // The list moves its highlight as it always does, but a row it lands on is no pick.
        // At either end it has nowhere to go and would leave the key to the window, which
        // closes the list on a key that is not its own: the key is the list's all the same.
        const QSignalBlocker quiet(this);
        QListWidget::keyPressEvent(event);
        event->accept();
        viewport()->update();
    } else if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        if (QListWidgetItem *item = currentItem()) {
            const QSignalBlocker quiet(this);
            item->setSelected(true);
        }
        Q_EMIT picked();
    } else if (k == Qt::Key_Escape) {
        Q_EMIT dismissed(true);
    } else if (changesNothing(k)) {
        event->ignore();
    } else {
        // Closed without a pick; the key goes on to the window and does what it does.
        Q_EMIT dismissed(false);
        event->ignore();
    }
}

void CodeList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    // A menu opening over it keeps it; Tab, a click elsewhere or another window close it.
    if (event->reason() != Qt::PopupFocusReason && isVisible())
        Q_EMIT dismissed(false);
}

void CodeList::search(const QString &letter)
{
    // Letters typed in quick succession spell the start of a code ("d", "e": DEM); Qt's own
    // search finds those. The same letter again goes on to the next code it starts ("f", "f":
    // FIM, then FRF), as list boxes do, but Qt 6.4 looks it up as "ff" and stays: that case
    // looks the letter up alone from the row after the highlighted one.
    const bool goesOn = m_lastKey.isValid() && !m_lastKey.hasExpired(QApplication::keyboardInputInterval());
    m_lastKey.start();
    m_typed = goesOn ? m_typed + letter : letter;
    if (count() == 0)
        return;
    const QSignalBlocker quiet(this); // a highlight, no pick
    if (m_typed.size() < 2 || m_typed.count(m_typed.front()) != m_typed.size()) {
        keyboardSearch(letter);
        return;
    }
    const int next = (currentRow() + 1) % count();
    const QModelIndexList found =
        model()->match(model()->index(next, 0), Qt::DisplayRole, letter, 1, Qt::MatchStartsWith | Qt::MatchWrap);
    if (!found.isEmpty()) {
        setCurrentIndex(found.front());
        scrollTo(found.front());
    }
}
