#pragma once
// The small kit every window is built with: controls named and placed in twips, captions,
// one-pixel lines, colours, the design's fonts, and centring on the screen. The windows
// were drawn on a 15-twips-to-the-pixel grid; everything here goes through twips.h.

#include "ui/kit/twips.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

class QFrame;
class QLabel;

namespace Euro {

// Keeps a control's place in twips, so that a change of zoom can place it again.
void rememberPlace(QWidget *widget, double left, double top, double width, double height);
// The place kept for a control, in pixels at the zoom in force; its present geometry when
// it has none.
QRect designedGeometry(const QWidget *widget);

// Names a control and gives it its place, in twips in its parent.
template<typename W>
W *place(W *widget, const QString &name, double left, double top, double width, double height)
{
    widget->setObjectName(name);
    widget->setGeometry(twipsRect(left, top, width, height));
    rememberPlace(widget, left, top, width, height);
    return widget;
}

// A caption, named and placed.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, double left, double top, double width,
                  double height, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A one-pixel horizontal line from x1 to x2 at y (twips, either direction).
QFrame *makeLine(QWidget *parent, const QString &name, double x1, double x2, double y, const QColor &color);

// Text and background colours; an invalid colour leaves that one as it is. A background
// is painted by the widget itself.
void setColours(QWidget *widget, const QColor &text, const QColor &background = QColor());

// The design fixes colours (a blue display, white boxes, black keys) chosen against light
// controls: a window drawn from it takes a light palette whatever the desktop theme, so that
// no control pairs a fixed colour with a theme's colour it cannot be read on.
QPalette designPalette();
void useDesignPalette(QWidget *window);

// What to do when the machine cannot give a design font as drawn.
enum class FontStandIn {
    None,
    // MS Sans Serif and MS Serif come as bitmap fonts with a few sizes and no bold, when
    // they come at all: where the machine lacks the family or it cannot give the size or
    // weight asked for, or the screen or the zoom scales it, a scalable font of close
    // metrics stands in (Arial's for the sans serif, Liberation Serif for the serif).
    ArialWhenUnfit,
};

// A font of the design at the zoom in force: points are the design's size.
QFont designFont(const QString &family, double points, bool bold = false, FontStandIn standIn = FontStandIn::None);

// After a change of zoom (from the factor fromZoom to the one in force): root and every
// control under it take their places and fonts again at the new zoom, from the twips and
// sizes they were given. Borders and lines stay one pixel wide: a hairline stays sharp. The
// parts the style draws at sizes of its own (a scroll bar, an option's round) follow the
// zoom's style (zoomstyle.h).
void rezoomControls(QWidget *root, double fromZoom);

// Moves a window so that its outer size, the client area plus the frame allowance (twips),
// is centred on the screen it opens on. The position is worked out in twips, the screen's
// origin included, and rounded to pixels once.
void centreOnScreen(QWidget *window, double frameWidthTwips = 0, double frameHeightTwips = 0);

} // namespace Euro
