#pragma once
// The style the windows are drawn with once the user has zoomed: the desktop's own style,
// with the sizes it gives in pixels scaled by the zoom in force: scroll bars and their
// arrows, an option's round and a check box, icons (a message's among them), and the room
// around and between a dialog's controls. The dialogs Qt builds itself (message boxes,
// the save and print dialogs) follow it with no code of their own. Frames and lines keep
// their width: a hairline stays sharp. At 100 % every figure is the desktop style's.

#include <QProxyStyle>

namespace Euro {

// A size of the style's, in pixels, at the zoom in force (halves to the even neighbour).
int zoomedPixels(int pixels);

class ZoomStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Wraps baseStyle (the application's style when null), which it then owns.
    explicit ZoomStyle(QStyle *baseStyle = nullptr);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2, Qt::Orientation orientation,
                      const QStyleOption *option = nullptr, const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option, const QPoint &position,
                                     const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace Euro
