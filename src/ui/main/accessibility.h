#pragma once
// What a screen reader finds in the calculator window. Qt's own interfaces describe its
// controls; the window's factory mends what they get wrong here:
//  - the window is a frame, as a main window is, and each panel a grouping of its controls;
//  - the round faces behind the keys, the display's backdrop and the separating lines only
//    draw: the panels leave them out of the tree;
//  - the rows of a list that is hidden (the drop list until it drops, the country list with
//    its panel) are not showing, and a row says its accessible text (the code list's rows
//    name their currency).

#include <QAccessible>

class QWidget;

namespace Accessibility {

// Installs the window's factory; once a run, before the window's controls are asked for.
void install();

// A container whose interface has this role and lists its controls but the drawing-only
// ones. Set before the container is first asked for.
void setContainerRole(QWidget *container, QAccessible::Role role);

// A control that only draws: no container lists it.
void setDrawingOnly(QWidget *widget);
bool isDrawingOnly(const QWidget *widget);

} // namespace Accessibility
