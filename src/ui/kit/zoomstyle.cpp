#include "ui/kit/zoomstyle.h"

#include "ui/kit/twips.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QStyleOption>
#include <algorithm>
#include <array>
#include <cmath>

namespace Euro {

namespace {

// The sizes that grow with the zoom; any other (a frame's width, a button's shift) is the style's.
constexpr std::array ZoomedMetrics{
    QStyle::PM_ScrollBarExtent,    QStyle::PM_ScrollBarSliderMin,      QStyle::PM_IndicatorWidth,
    QStyle::PM_IndicatorHeight,    QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_ExclusiveIndicatorHeight,
    QStyle::PM_SmallIconSize,      QStyle::PM_LargeIconSize,           QStyle::PM_IconViewIconSize,
    QStyle::PM_ListViewIconSize,   QStyle::PM_ToolBarIconSize,         QStyle::PM_TabBarIconSize,
    QStyle::PM_ButtonIconSize,     QStyle::PM_MessageBoxIconSize,      QStyle::PM_ButtonMargin,
    QStyle::PM_LayoutLeftMargin,   QStyle::PM_LayoutTopMargin,         QStyle::PM_LayoutRightMargin,
    QStyle::PM_LayoutBottomMargin, QStyle::PM_LayoutHorizontalSpacing, QStyle::PM_LayoutVerticalSpacing,
};

// A scroll bar is styled whole at a screen of zoom times its dots per inch: Qt's styles
// size its buttons, its slider and the arrows they draw from the dots per inch of the
// option's font, so that measuring, drawing and hit-testing agree. While the style works on
// such an option (and asks itself for the sizes it needs), nothing is scaled a second time.
thread_local bool styledAtZoomedDpi = false;

class ZoomedDpiScope
{
public:
    ZoomedDpiScope() { styledAtZoomedDpi = true; }
    ~ZoomedDpiScope() { styledAtZoomedDpi = false; }
    ZoomedDpiScope(const ZoomedDpiScope &) = delete;
    ZoomedDpiScope &operator=(const ZoomedDpiScope &) = delete;
};

// The scroll bar's option to style at the zoomed dots per inch, or null: at 100 %, inside
// such styling already, or for anything but a scroll bar.
const QStyleOptionSlider *scrollBarToZoom(const QStyleOption *option, const QWidget *widget)
{
    const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (zoomFactor() == 1.0 || styledAtZoomedDpi || !slider || !qobject_cast<const QScrollBar *>(widget))
        return nullptr;
    return slider;
}

QStyleOptionSlider atZoomedDpi(const QStyleOptionSlider &option, const QWidget *widget)
{
    const qreal dpi = option.fontMetrics.fontDpi() > 0 ? option.fontMetrics.fontDpi() : 96.0;
    QImage device(1, 1, QImage::Format_ARGB32);
    const int dotsPerMetre = int(std::lround(dpi * zoomFactor() / 0.0254));
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    QStyleOptionSlider zoomed(option);
    zoomed.fontMetrics = QFontMetrics(widget->font(), &device);
    return zoomed;
}

} // namespace

int zoomedPixels(int pixels) { return screenTwipsToPixels(pixelsToScreenTwips(pixels) * zoomFactor()); }

ZoomStyle::ZoomStyle(QStyle *baseStyle)
    : QProxyStyle(baseStyle)
{}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (const QStyleOptionSlider *bar = scrollBarToZoom(option, widget)) {
        const QStyleOptionSlider zoomed = atZoomedDpi(*bar, widget);
        const ZoomedDpiScope scope;
        return QProxyStyle::pixelMetric(metric, &zoomed, widget);
    }
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    if (styledAtZoomedDpi)
        return pixels; // the option carries the zoom
    const bool zoomed = std::find(ZoomedMetrics.begin(), ZoomedMetrics.end(), metric) != ZoomedMetrics.end();
    return zoomed && pixels > 0 ? zoomedPixels(pixels) : pixels;
}

int ZoomStyle::layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                             Qt::Orientation orientation, const QStyleOption *option, const QWidget *widget) const
{
    const int pixels = QProxyStyle::layoutSpacing(control1, control2, orientation, option, widget);
    return pixels > 0 && !styledAtZoomedDpi ? zoomedPixels(pixels) : pixels;
}

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                   const QWidget *widget) const
{
    if (const QStyleOptionSlider *bar = control == CC_ScrollBar ? scrollBarToZoom(option, widget) : nullptr) {
        const QStyleOptionSlider zoomed = atZoomedDpi(*bar, widget);
        const ZoomedDpiScope scope;
        QProxyStyle::drawComplexControl(control, &zoomed, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect ZoomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                                const QWidget *widget) const
{
    if (const QStyleOptionSlider *bar = control == CC_ScrollBar ? scrollBarToZoom(option, widget) : nullptr) {
        const QStyleOptionSlider zoomed = atZoomedDpi(*bar, widget);
        const ZoomedDpiScope scope;
        return QProxyStyle::subControlRect(control, &zoomed, subControl, widget);
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

QStyle::SubControl ZoomStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                                    const QPoint &position, const QWidget *widget) const
{
    if (const QStyleOptionSlider *bar = control == CC_ScrollBar ? scrollBarToZoom(option, widget) : nullptr) {
        const QStyleOptionSlider zoomed = atZoomedDpi(*bar, widget);
        const ZoomedDpiScope scope;
        return QProxyStyle::hitTestComplexControl(control, &zoomed, position, widget);
    }
    return QProxyStyle::hitTestComplexControl(control, option, position, widget);
}

QIcon ZoomStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    const QIcon icon = QProxyStyle::standardIcon(standardIcon, option, widget);
    constexpr std::array MessageIcons{SP_MessageBoxInformation, SP_MessageBoxWarning, SP_MessageBoxCritical,
                                      SP_MessageBoxQuestion};
    if (zoomFactor() == 1.0 || icon.isNull()
        || std::find(MessageIcons.begin(), MessageIcons.end(), standardIcon) == MessageIcons.end())
        return icon;
    const int side = pixelMetric(PM_MessageBoxIconSize, option, widget);
    const QSize wanted(side, side);
    if (icon.actualSize(wanted) == wanted)
        return icon;
    // The desktop has a message's icon in smaller sizes only, and an icon is never drawn
    // larger than it comes: the largest it has, enlarged smoothly.
    QSize largest = icon.actualSize(wanted);
    for (const QSize &size : icon.availableSizes())
        largest = largest.expandedTo(size);
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap enlarged =
        icon.pixmap(largest, ratio).scaled(wanted * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    enlarged.setDevicePixelRatio(ratio);
    return QIcon(enlarged);
}

} // namespace Euro
