#include "ui/main/displayfit.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace Euro {

namespace {

// What a line edit leaves for its text: the contents rectangle its style gives, less the
// two pixels it keeps free on each side and the text margins.
qreal textRoom(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    constexpr int SideRoom = 2; // on each side, as a line edit draws
    return contents.width() - margins.left() - margins.right() - 2 * SideRoom;
}

bool fits(const QFont &font, const QString &text, qreal room)
{
    return QFontMetricsF(font).horizontalAdvance(text) <= room;
}

} // namespace

void fitDisplayFont(QLineEdit *edit, const QFont &design)
{
    const QString text = edit->text();
    const qreal room = textRoom(edit);
    QFont font = design;
    if (!fits(font, text, room)) {
        // Quarter points, down to a size no display text needs at the design's widths.
        constexpr qreal Step = 0.25;
        constexpr qreal Smallest = 4;
        for (qreal size = design.pointSizeF() - Step; size >= Smallest; size -= Step) {
            font.setPointSizeF(size);
            if (fits(font, text, room))
                break;
        }
    }
    if (edit->font() != font)
        edit->setFont(font);
}

} // namespace Euro
