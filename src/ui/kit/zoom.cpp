#include "ui/kit/zoom.h"

#include "ui/kit/settings.h"
#include "ui/kit/twips.h"

#include <QApplication>
#include <QToolTip>
#include <algorithm>
#include <cmath>

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

// Menus and hints come in the desktop's fonts, not the design's: they grow with the zoom
// too, from the fonts they had before the first change.
void zoomDesktopFonts()
{
    static bool changed = false;
    if (!qApp || (!changed && zoomFactor() == 1.0))
        return;
    static const QFont menu = QApplication::font("QMenu");
    static const QFont hint = QToolTip::font();
    changed = true;
    QApplication::setFont(zoomed(menu, zoomFactor()), "QMenu");
    QToolTip::setFont(zoomed(hint, zoomFactor()));
}

} // namespace

void setZoomPercent(int percent)
{
    if (std::find(ZoomSteps.begin(), ZoomSteps.end(), percent) == ZoomSteps.end())
        return;
    zoomFactorInForce() = percent / 100.0; // the steps are exact binary fractions
    zoomDesktopFonts();
}

int zoomStep(int percent, int direction)
{
    const auto at = std::find(ZoomSteps.begin(), ZoomSteps.end(), percent);
    if (at == ZoomSteps.end())
        return percent;
    const auto to = at + (direction > 0 ? 1 : direction < 0 ? -1 : 0);
    return to >= ZoomSteps.begin() && to < ZoomSteps.end() ? *to : percent;
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
