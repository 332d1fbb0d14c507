// The keyboard focus of the calculator window.
//
// Tab and Shift+Tab walk the window's focus order (setFocusOrder) and stop only on a control
// the user can see: shown, enabled and inside the window's visible area (the narrow window
// cuts off the tape panel and its buttons). The focused control keeps its own keys: an
// option changes with the arrow keys, a button is pressed with Space, a list moves its
// selection with the arrows and picks with Space, the tape is read with the arrows and
// copied. An option group is a single stop, at the chosen option. Those keys never reach
// the key routine (Form_KeyDown), which would take the focus away to the display first.
// The panel switches and the drop list's button are stops of the walk too: Space presses
// them as a click does.
// A ring marks the focus once a key that is not the calculator's has been pressed, until
// the next mouse press: keying amounts on the keypad leaves the window as it looks.

#include "ui/main/frmeuro.h"

#include "engine/keymap.h"
#include "ui/main/keylabel.h"
#include "ui/main/virtualkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <memory>

namespace {

bool isArrow(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool movesInList(int key)
{
    return isArrow(key) || key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp
           || key == Qt::Key_PageDown;
}

bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_AltGr
           || key == Qt::Key_Meta;
}

// An option group is one stop, at its chosen option, as options are everywhere; the arrows
// move within the group.
bool isTabStop(const QWidget *w)
{
    if (auto *option = qobject_cast<const QRadioButton *>(w); option && option->autoExclusive())
        return option->isChecked();
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

bool typesLetter(const QKeyEvent &key)
{
    return !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && key.text().size() == 1
           && key.text()[0].isLetter();
}

// The keys an open drop list answers: moving, searching by the letters of a code, picking
// and closing. Tab leaves it, as the focus does; a lock key only changes what others type.
bool keepsDropListOpen(const QKeyEvent &key)
{
    const int k = key.key();
    return movesInList(k) || typesLetter(key) || isModifier(k) || k == Qt::Key_Return || k == Qt::Key_Enter
           || k == Qt::Key_Space || k == Qt::Key_Escape || k == Qt::Key_Tab || k == Qt::Key_Backtab
           || k == Qt::Key_NumLock || k == Qt::Key_CapsLock || k == Qt::Key_ScrollLock;
}

} // namespace

Euro::KeyAction FrmEuro::keyActionOf(int KeyCode, int Shift, QStringView typed)
{
    const bool shortcut = (Shift & 6) != 0; // Ctrl 2, Alt 4
    return Euro::keyAction(KeyCode, shortcut ? QStringView() : typed);
}

void FrmEuro::setUpKeyboardFocus()
{
    m_focusRing = new QFocusFrame(this);
    m_focusRing->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        // The drop list closes as the focus leaves it: Tab, a click on another control, the
        // window losing the focus.
        if (old && old == ui.lstListe)
            closeDropList();
        followFocus(now);
    });
    // The window opens with the focus where the keys go, on the display keyed into.
    const qint16 input = m_calculator.state().InputDisplay;
    if (input >= 0 && input < qint16(ui.ReadOut.size()))
        ui.ReadOut[size_t(input)]->setFocus();
}

bool FrmEuro::inSight(const QWidget *widget) const
{
    return widget && widget->window() == this && widget->isVisibleTo(this) && widget->isEnabled()
           && rect().contains(QRect(widget->mapTo(this, QPoint(0, 0)), widget->size()));
}

bool FrmEuro::focusNextPrevChild(bool next)
{
    QWidget *from = QApplication::focusWidget();
    if (!from || from->window() != this)
        from = this;
    auto step = [next](QWidget *w) { return next ? w->nextInFocusChain() : w->previousInFocusChain(); };
    for (QWidget *w = step(from); w && w != from; w = step(w)) {
        if (isTabStop(w) && inSight(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void FrmEuro::keepFocusInSight()
{
    // A narrowed window must not keep the focus on a button it no longer shows: Space
    // would press it unseen.
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused->window() == this && !inSight(focused))
        focusNextPrevChild(true);
}

FrmEuro::KeyOwner FrmEuro::takeFocusKey(QWidget *focused, const QKeyEvent &key)
{
    const int k = key.key();
    // Any other key closes an open drop list without a pick, then does what it does.
    if (ui.lstListe && ui.lstListe->isVisible() && !(focused == ui.lstListe && keepsDropListOpen(key)))
        closeDropList();
    // Shift, Ctrl or Alt pressed alone is not a key stroke yet: Shift+Tab starts with Shift.
    if (isModifier(k))
        return KeyOwner::Control;
    // A key that is not the calculator's shows where the focus is: the user is finding
    // their way with the keyboard. The lock keys only change what the others type.
    const bool lock = k == Qt::Key_NumLock || k == Qt::Key_CapsLock || k == Qt::Key_ScrollLock;
    const Euro::KeyAction action =
        keyActionOf(Euro::virtualKeyCode(key), Euro::shiftState(key.modifiers()), key.text());
    if (!lock && action.command == Euro::KeyCommand::None)
        showFocusRing(true);
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab)
        return KeyOwner::Control; // the walk above runs as the key reaches the control
    if (auto *button = qobject_cast<QAbstractButton *>(focused); button && k == Qt::Key_Space)
        return KeyOwner::Control; // pressed on the key, clicked on its release
    if (focused == ui.lstListe && dropListKey(key))
        return KeyOwner::Done;
    // Amounts in and out, wherever the focus is but in the rate box and the tape, which
    // copy and paste their own text.
    if (const ClipboardKey clip = clipboardKey(key);
        clip != ClipboardKey::None && focused != ui.txtTaux && !qobject_cast<QPlainTextEdit *>(focused)) {
        const int display = displayIndex(focused);
        switch (clip) {
        case ClipboardKey::Copy: copyAmount(display); return KeyOwner::Done;
        case ClipboardKey::Paste: pasteFromClipboard(); return KeyOwner::Done;
        case ClipboardKey::SelectAll:
            if (display < 0)
                return KeyOwner::Control;
            ui.ReadOut[size_t(display)]->selectAll();
            return KeyOwner::Done;
        case ClipboardKey::None: break;
        }
    }
    if (qobject_cast<QListWidget *>(focused) && (movesInList(k) || k == Qt::Key_Space))
        return KeyOwner::Control;
    // The rate box takes the keypad's decimal key as the comma rates are written with,
    // whatever the keyboard layout types for it.
    if (focused == ui.txtTaux && (key.modifiers() & Qt::KeypadModifier)
        && Euro::keyAction(Euro::virtualKeyCode(key)).command == Euro::KeyCommand::Decimal) {
        if (!ui.txtTaux->isReadOnly())
            ui.txtTaux->insert(QStringLiteral(","));
        return KeyOwner::Done;
    }
    // The tape is read with the keyboard: moved through, selected and copied.
    if (qobject_cast<QPlainTextEdit *>(focused)
        && (movesInList(k) || key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll)))
        return KeyOwner::Control;

    // An option changes with every arrow key, to the next or the previous one of its group,
    // round the group, and its routine runs as it becomes the chosen one.
    if (isArrow(k)) {
        for (const auto *group : {&ui.optCalcul, &ui.optDecimal}) {
            const auto at = std::find(group->begin(), group->end(), focused);
            if (at == group->end())
                continue;
            const int count = int(group->size());
            const int forward = (k == Qt::Key_Down || k == Qt::Key_Right) ? 1 : count - 1;
            for (int i = int(at - group->begin()), n = 1; n < count; ++n) {
                QRadioButton *option = (*group)[size_t((i + n * forward) % count)];
                if (!inSight(option))
                    continue;
                option->setFocus(forward == 1 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                option->setChecked(true);
                break;
            }
            return KeyOwner::Done;
        }
    }
    return KeyOwner::Calculator;
}

bool FrmEuro::dropListKey(const QKeyEvent &key)
{
    QListWidget *list = ui.lstListe;
    const int k = key.key();
    if (typesLetter(key)) {
        searchDropList(key.text());
        return true;
    }
    if (movesInList(k)) {
        // The list moves its highlight as it always does, but a row it lands on is no pick.
        const std::unique_ptr<QEvent> copy(key.clone());
        const QSignalBlocker quiet(list);
        m_forwardingKey = true;
        QCoreApplication::sendEvent(list, copy.get());
        m_forwardingKey = false;
        list->viewport()->update();
        return true;
    }
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        // One pick, as a click on the highlighted row.
        if (QListWidgetItem *item = list->currentItem()) {
            const QSignalBlocker quiet(list);
            item->setSelected(true);
        }
        lstListe_Click();
        return true;
    }
    if (k == Qt::Key_Escape) {
        list->hide();
        focusInputDisplay();
        return true;
    }
    return false;
}

void FrmEuro::searchDropList(const QString &letter)
{
    // Letters typed in quick succession spell the start of a code ("d", "e": DEM); the
    // same letter again goes on to the next code it starts ("f", "f": FIM, then FRF).
    QListWidget *list = ui.lstListe;
    const bool goesOn = m_codeTyped.isValid() && !m_codeTyped.hasExpired(QApplication::keyboardInputInterval());
    m_codeTyped.start();
    m_codeSearch = goesOn ? m_codeSearch + letter : letter;
    const bool sameLetter = m_codeSearch.count(m_codeSearch.front()) == m_codeSearch.size();
    const QString prefix = sameLetter ? letter : m_codeSearch;
    // A letter alone looks past the highlighted code; a longer prefix may still be it.
    const int count = list->count();
    const int first = std::max(0, list->currentRow() + (sameLetter ? 1 : 0));
    for (int i = 0; i < count; ++i) {
        QListWidgetItem *item = list->item((first + i) % count);
        if (item->text().startsWith(prefix, Qt::CaseInsensitive)) {
            const QSignalBlocker quiet(list); // a highlight, no pick
            list->setCurrentItem(item);
            list->scrollToItem(item);
            return;
        }
    }
}

void FrmEuro::closeDropList()
{
    QListWidget *list = ui.lstListe;
    if (!list || list->isHidden())
        return;
    // The focus goes where Escape sends it, also when the window has just lost it.
    if (focusWidget() == list)
        focusInputDisplay();
    list->hide();
}

bool FrmEuro::closesDropList(const QObject *watched, const QEvent *event) const
{
    QListWidget *list = ui.lstListe;
    if (!list || list->isHidden())
        return false;
    if (watched == this && event->type() == QEvent::WindowDeactivate)
        return true;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    // A press anywhere else in the window; the "<" box closes it by its own click.
    const auto *target = qobject_cast<const QWidget *>(watched);
    return target && (target == this || isAncestorOf(target)) && target != list && !list->isAncestorOf(target)
           && target != ui.Label2;
}

void FrmEuro::focusInputDisplay()
{
    const qint16 input = m_calculator.state().InputDisplay;
    if (input >= 0 && input < qint16(ui.ReadOut.size()) && ui.ReadOut[size_t(input)]->isVisibleTo(this))
        ui.ReadOut[size_t(input)]->setFocus(Qt::OtherFocusReason);
}

void FrmEuro::showFocusRing(bool shown)
{
    if (m_focusShown == shown)
        return;
    m_focusShown = shown;
    followFocus(QApplication::focusWidget());
}

void FrmEuro::followFocus(QWidget *now)
{
    if (!m_focusRing)
        return;
    if (m_focusShown && now && now->window() == this)
        m_focusRing->setWidget(now);
    else
        m_focusRing->setWidget(nullptr);
}
