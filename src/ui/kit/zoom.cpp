#include "ui/kit/zoom.h"

#include "ui/kit/settings.h"
#include "ui/kit/twips.h"
#include "ui/kit/zoomstyle.h"

#include <QApplication>
#include <QFont>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Euro {

int zoomPercent() { return int(std::lround(zoomFactor() * 100)); }

namespace {

QFont zoomed(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(int(std::lround(font.pixelSize() * factor)));
    return font;
}

// Fonts the desktop's theme may give a class of controls instead of the application's
// own, by the names Qt files them under.
constexpr const char *ThemeFontClasses[] = {
    "QMenu",      "QMenuBar",    "QMenuItem",      "QMessageBox",    "QLabel",      "QTipLabel",
    "QStatusBar", "QPushButton", "QCheckBox",      "QRadioButton",   "QToolButton", "QAbstractItemView",
    "QListView",  "QHeaderView", "QComboMenuItem", "QComboLineEdit", "QSmallFont",  "QMiniFont",
};

struct DesktopFonts {
    QFont application;
    std::vector<std::pair<const char *, QFont>> classes; // those that differ from it
};

// The desktop's fonts as they were before the first zoom: every zoom is worked out from them.
const DesktopFonts &desktopFonts()
{
    static const DesktopFonts fonts = [] {
        DesktopFonts desktop{QApplication::font(), {}};
        for (const char *name : ThemeFontClasses) {
            if (const QFont font = QApplication::font(name); font != desktop.application)
                desktop.classes.emplace_back(name, font);
        }
        return desktop;
    }();
    return fonts;
}

// What the windows take from the desktop rather than from their design grows with them:
// the fonts of menus, hints, messages and Qt's own dialogs, and the sizes the style draws
// (zoomstyle.h). Nothing is touched until the first zoom away from 100 %.
void zoomDesktop()
{
    static bool changed = false;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()) || (!changed && zoomFactor() == 1.0))
        return;
    const DesktopFonts &fonts = desktopFonts();
    if (!changed)
        QApplication::setStyle(new ZoomStyle(QStyleFactory::create(QApplication::style()->name())));
    changed = true;
    // The application's font first: setting it clears the classes' fonts.
    QApplication::setFont(zoomed(fonts.application, zoomFactor()));
    for (const auto &[name, font] : fonts.classes)
        QApplication::setFont(zoomed(font, zoomFactor()), name);
    // The style's sizes changed with the zoom: the controls measure them again, and what it
    // keeps drawn (an arrow, by its colour and place) is drawn afresh at the new size.
    QPixmapCache::clear();
    for (QWidget *widget : QApplication::allWidgets()) {
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &change);
    }
}

} // namespace

void setZoomPercent(int percent)
{
    if (std::find(ZoomSteps.begin(), ZoomSteps.end(), percent) == ZoomSteps.end())
        return;
    zoomFactorInForce() = percent / 100.0; // the steps are exact binary fractions
    zoomDesktop();
}

int zoomStep(int percent, int direction)
{
    const auto at = std::find(ZoomSteps.begin(), ZoomSteps.end(), percent);
    if (at == ZoomSteps.end())
        return percent;
    const auto to = at + (direction > 0 ? 1 : direction < 0 ? -1 : 0);
    return to >= ZoomSteps.begin() && to < ZoomSteps.end() ? *to : percent;
}

int largestZoomThatFits(int percent, QSizeF clientTwips, QMargins frame, QSize room)
{
    for (auto step = ZoomSteps.rbegin(); step != ZoomSteps.rend() && *step != 100; ++step) {
        if (*step > percent)
            continue;
        const double zoom = *step / 100.0;
        const QSize client(screenTwipsToPixels(clientTwips.width() * zoom),
                           screenTwipsToPixels(clientTwips.height() * zoom));
        const QSize outer = client.grownBy(frame);
        if (outer.width() <= room.width() && outer.height() <= room.height())
            return *step;
    }
    return 100;
}

int zoomFromText(const QString &text)
{
    for (const int step : ZoomSteps) {
        if (text == QString::number(step))
            return step;
    }
    return 100;
}

void useStoredZoom() { setZoomPercent(zoomFromText(GetSetting(AppName(), SectionParametres, KeyZoom))); }

void storeZoom() { SaveSetting(AppName(), SectionParametres, KeyZoom, QString::number(zoomPercent())); }

} // namespace Euro
