#include "ui/kit/windowkit.h"

#include "ui/kit/windowplacement.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace Euro {

namespace {

// Where a control keeps what it was designed with: its place in twips, a line's ends,
// the font it had at some zoom and that zoom.
constexpr char PlaceProperty[] = "euroTwipsPlace";
constexpr char LineProperty[] = "euroTwipsLine";
constexpr char FontProperty[] = "euroZoomedFont";
constexpr char FontZoomProperty[] = "euroFontZoom";

QRect lineGeometry(double left, double length, double y)
{
    return {twipsPoint(left, y), QSize(twipsToPixels(length) + 1, 1)};
}

} // namespace

void rememberPlace(QWidget *widget, double left, double top, double width, double height)
{
    widget->setProperty(PlaceProperty, QRectF(left, top, width, height));
}

QRect designedGeometry(const QWidget *widget)
{
    const QVariant place = widget->property(PlaceProperty);
    if (!place.isValid())
        return widget->geometry();
    const QRectF r = place.toRectF();
    return twipsRect(r.left(), r.top(), r.width(), r.height());
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, double left, double top, double width,
                  double height, Qt::Alignment alignment)
{
    auto *label = place(new QLabel(parent), name, left, top, width, height);
    label->setText(caption);
    label->setAlignment(alignment);
    return label;
}

QFrame *makeLine(QWidget *parent, const QString &name, double x1, double x2, double y, const QColor &color)
{
    const double left = std::min(x1, x2);
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setGeometry(lineGeometry(left, std::abs(x2 - x1), y));
    line->setProperty(LineProperty, QRectF(left, y, std::abs(x2 - x1), 0));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, color);
    line->setPalette(palette);
    return line;
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    if (text.isValid())
        palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QPalette designPalette()
{
    // The light desktop's colours (Fusion's light palette): light grey faces, black text,
    // white boxes. Not the style's standard palette: under a dark desktop theme it is dark.
    QPalette palette(QColor(0xef, 0xef, 0xef));
    struct Shade {
        QPalette::ColorRole role;
        QRgb normal, disabled;
    };
    constexpr Shade shades[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},
        {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},
        {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff308cc6, 0xff919191},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    };
    for (const Shade &shade : shades) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, shade.role, QColor::fromRgba(shade.normal));
        palette.setColor(QPalette::Disabled, shade.role, QColor::fromRgba(shade.disabled));
    }
    return palette;
}

void useDesignPalette(QWidget *window) { window->setPalette(designPalette()); }

QFont designFont(const QString &family, double points, bool bold, FontStandIn standIn)
{
    const double zoom = zoomFactor();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    if (standIn == FontStandIn::ArialWhenUnfit) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double wantedPixels = points * (screen ? screen->logicalDotsPerInchY() : 96.0) / 72.0;
        // Whether the machine has the font as drawn is asked at the design's own size.
        const QFontInfo actual(font);
        // A bitmap family has no glyphs for a scaled screen or a zoom: drawn there, its
        // letters keep a small size while their places grow ("V e r s i o n"), or jump to
        // the next size it has.
        const bool scaledBitmap = ((screen ? screen->devicePixelRatio() : 1.0) > 1.0 || zoom != 1.0)
                                  && !QFontDatabase::isSmoothlyScalable(family);
        const bool unfit =
            actual.family() != family || actual.bold() != bold || actual.pixelSize() < 0.85 * wantedPixels;
        if (unfit || scaledBitmap) {
            // A serif design keeps a serif: Liberation Serif has Times New Roman's metrics.
            const bool serif = family == QLatin1String("MS Serif");
            font.setFamily(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Arial"));
            font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
            if (!unfit) {
                // Texts were fitted to the bitmap's widths, which run up to 8 % narrower
                // than Arial's at the same size: the stand-in takes no more room.
                constexpr double BitmapToArialWidth = 0.92;
                if (!serif)
                    font.setPointSizeF(points * BitmapToArialWidth);
            }
        }
    }
    font.setPointSizeF(font.pointSizeF() * zoom);
    return font;
}

void centreOnScreen(QWidget *window, double frameWidthTwips, double frameHeightTwips)
{
    // On a desktop of several screens, the window's own screen need not start at the
    // desktop's origin.
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QPointF at =
        centredWindowPosition(float(pixelsToScreenTwips(area.width())), float(pixelsToScreenTwips(area.height())),
                              float(pixelsToScreenTwips(window->width()) + frameWidthTwips),
                              float(pixelsToScreenTwips(window->height()) + frameHeightTwips));
    window->move(screenTwipsToPixels(at.x() + pixelsToScreenTwips(area.x())),
                 screenTwipsToPixels(at.y() + pixelsToScreenTwips(area.y())));
}

void rezoomControls(QWidget *root, double fromZoom)
{
    QList<QWidget *> widgets{root};
    widgets += root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w != root && w->isWindow())
            continue; // another window, with a zoom of its own
        if (const QVariant place = w->property(PlaceProperty); place.isValid()) {
            const QRectF r = place.toRectF();
            w->setGeometry(twipsRect(r.left(), r.top(), r.width(), r.height()));
        } else if (const QVariant line = w->property(LineProperty); line.isValid()) {
            const QRectF r = line.toRectF();
            w->setGeometry(lineGeometry(r.left(), r.width(), r.top()));
        }
        if (!w->testAttribute(Qt::WA_SetFont))
            continue; // it takes its parent's
        // The font as it was first met, at the zoom it was made for: every later zoom is
        // worked out from it, so that coming back gives exactly the design's size.
        if (!w->property(FontProperty).isValid()) {
            w->setProperty(FontProperty, w->font());
            w->setProperty(FontZoomProperty, fromZoom);
        }
        QFont font = w->property(FontProperty).value<QFont>();
        font.setPointSizeF(font.pointSizeF() * zoomFactor() / w->property(FontZoomProperty).toDouble());
        w->setFont(font);
    }
}

} // namespace Euro
