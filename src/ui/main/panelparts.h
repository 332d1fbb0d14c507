#pragma once
// What the calculator window's panels build their controls with: the design's fonts, the
// flat boxes, the labels that take the mouse, the names of control-array members.

#include <QString>

class HintLabel;
class KeyLabel;
class QAbstractScrollArea;
class QFont;
class QFrame;
class QLabel;
class QListWidget;
class QWidget;

namespace Panels {

QFont tahoma(double points, bool bold);
// "lblBouton(7)": a member of a control array, named as the routines name it.
QString indexed(const char *name, int index);
// "Flat" boxes of the design: a one-pixel black line instead of a sunken border.
QString flatWhiteBox();
void setFlatBorder(QFrame *frame);
void setFlatBorder(KeyLabel *key);
KeyLabel *makeKeyLabel(QWidget *parent, const QString &name, const QString &caption, const QString &hint, double left,
                       double top, double width, double height);
// A panel's close box, lblFermer(index): a flat "X" key of its own size.
KeyLabel *makeCloseBox(QWidget *panel, int index, const QString &hint, double left, double top);
// A label that shows a hint and reports the pointer, but is no key.
HintLabel *makeHintLabel(QWidget *parent, const QString &name, const QString &caption, const QString &hint, double left,
                         double top, double width, double height);
// A control drawn by a style sheet passes no palette on to its scroll bars: they would take
// the desktop's, dark under a dark theme.
void useDesignScrollBars(QAbstractScrollArea *area);
// White, flat, Tahoma 8.25. The lists are filled in sorted order rather than sorted by the
// list box: its sorting compares through a locale collator, which costs more start-up
// memory than the twelve fixed texts are worth.
void setUpList(QListWidget *list, const QString &hint);
// The picked item of a list: the current one, when it is also selected. A list that merely
// takes the focus makes its first item current without selecting it; that is no pick.
QString selectedText(const QListWidget *list);
// An etched frame, like a frame without caption.
void etch(QFrame *frame);
// A left-aligned caption whose ink reaches a pixel or two past the box the design gives
// it (the euro sign's bar, the foot of an "A" on the box's left edge, a last letter at a
// zoom's rounding) would lose those pixels: the box grows by that much, with margins that
// keep the caption exactly where the design puts it. Again after its text or zoom changes.
void fitInk(QLabel *label);

} // namespace Panels
