#include "ui/kit/zoom.h"

#include "ui/kit/settings.h"
#include "ui/kit/twips.h"

#include <algorithm>
#include <cmath>

namespace Euro {

int zoomPercent() { return int(std::lround(zoomFactor() * 100)); }

void setZoomPercent(int percent)
{
    if (std::find(ZoomSteps.begin(), ZoomSteps.end(), percent) != ZoomSteps.end())
        zoomFactorInForce() = percent / 100.0; // the steps are exact binary fractions
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
