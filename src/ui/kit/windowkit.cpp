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

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, double left, double top,
                  double width, double height, Qt::Alignment alignment)
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
    line->setGeometry(QRect(twipsPoint(left, y), QSize(twipsToPixels(std::abs(x2 - x1)) + 1, 1)));
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
        {QPalette::WindowText, 0xff000000, 0xffbebebe}, {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe}, {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},         {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},      {QPalette::Highlight, 0xff308cc6, 0xff919191},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7}, {QPalette::PlaceholderText, 0x80000000, 0x80000000},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff}, {QPalette::Link, 0xff0000ff, 0xff0000ff},
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
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    if (standIn == FontStandIn::ArialWhenUnfit) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double wantedPixels = points * (screen ? screen->logicalDotsPerInchY() : 96.0) / 72.0;
        const QFontInfo actual(font);
        // A bitmap family has no glyphs for a scaled screen: drawn there, its letters keep
        // their small size while their places grow ("V e r s i o n").
        const bool scaledBitmap = (screen ? screen->devicePixelRatio() : 1.0) > 1.0
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
    const QPointF at = centredWindowPosition(float(pixelsToTwips(area.width())), float(pixelsToTwips(area.height())),
                                             float(pixelsToTwips(window->width()) + frameWidthTwips),
                                             float(pixelsToTwips(window->height()) + frameHeightTwips));
    window->move(twipsToPixels(at.x() + pixelsToTwips(area.x())), twipsToPixels(at.y() + pixelsToTwips(area.y())));
}

} // namespace Euro
