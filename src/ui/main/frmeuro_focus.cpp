// The keyboard focus of the calculator window.
//
// Tab and Shift+Tab walk the window's focus order (setFocusOrder) and stop only on a control
// the user can see: shown, enabled and inside the window's visible area (the narrow window
// cuts off the tape panel and its buttons). The focused control keeps its own keys, as Qt
// gives them (ControlKeys mends the few whose defaults differ): an option changes with the
// arrow keys, a button is pressed with Space, a list moves its selection with the arrows
// and picks with Space, the tape is read with the arrows and copied. An option group is a
// single stop, at the chosen option. The panel switches and the drop list's button are
// stops of the walk too: Space presses them as a click does.
// A ring marks the focus once a key that is not the calculator's has been pressed, until
// the next mouse press: keying amounts on the keypad leaves the window as it looks.

#include "ui/main/frmeuro.h"
#include "ui/main/virtualkey.h"

#include "engine/keymap.h"
#include "ui/main/codelist.h"
#include "ui/main/displaybox.h"
#include "ui/main/keylabel.h"

#include <QApplication>
#include <QFocusFrame>
#include <QRadioButton>
#include <algorithm>

namespace {

// An option group is one stop, at its chosen option, as options are everywhere; the arrows
// move within the group.
bool isTabStop(const QWidget *w)
{
    if (auto *option = qobject_cast<const QRadioButton *>(w); option && option->autoExclusive())
        return option->isChecked();
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

} // namespace

Euro::KeyAction FrmEuro::keyActionOf(int KeyCode, int Shift, QStringView typed) const
{
    const bool shortcut = Euro::makesShortcut(Shift);
    return Euro::keyAction(m_keys, KeyCode, shortcut ? QStringView() : typed);
}

void FrmEuro::setUpKeyboardFocus()
{
    m_focusRing = new QFocusFrame(this);
    m_focusRing->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { followFocus(now); });
    // The window opens with the focus where the keys go, on the display keyed into.
    const qint16 input = m_calculator.inputDisplay();
    if (input >= 0 && input < qint16(keypad().ReadOut.size()))
        keypad().ReadOut[size_t(input)]->setFocus();
}

bool FrmEuro::inSight(const QWidget *widget) const
{
    return widget && widget->window() == this && widget->isVisibleTo(this) && widget->isEnabled()
           && rect().contains(QRect(widget->mapTo(this, QPoint(0, 0)), widget->size()));
}

bool FrmEuro::focusNextPrevChild(bool next)
{
    showFocusRing(true); // Tab: the user is finding their way with the keyboard
    return walkFocus(next);
}

bool FrmEuro::walkFocus(bool next)
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
        walkFocus(true);
}

void FrmEuro::closeDropList()
{
    CodeList *list = ui.lstListe;
    if (!list || list->isHidden())
        return;
    // The focus goes where Escape sends it, also when the window has just lost it.
    if (focusWidget() == list)
        focusInputDisplay();
    list->hide();
}

void FrmEuro::pressedOn(QWidget *target)
{
    showFocusRing(false); // the mouse is in use: the focus needs no marking
    // A press anywhere else in the window closes the drop list; the "<" box closes it by
    // its own click. The press goes on to what it was on.
    CodeList *list = ui.lstListe;
    if (list && list->isVisible() && target != list && !list->isAncestorOf(target) && target != keypad().Label2)
        closeDropList();
}

void FrmEuro::focusInputDisplay()
{
    const qint16 input = m_calculator.inputDisplay();
    if (input >= 0 && input < qint16(keypad().ReadOut.size()) && keypad().ReadOut[size_t(input)]->isVisibleTo(this))
        keypad().ReadOut[size_t(input)]->setFocus(Qt::OtherFocusReason);
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
