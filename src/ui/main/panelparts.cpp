#include "ui/main/panelparts.h"

#include "ui/kit/windowkit.h"
#include "ui/main/hintlabel.h"
#include "ui/main/keylabel.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

namespace Panels {

QFont tahoma(double points, bool bold) { return Euro::designFont(QStringLiteral("Tahoma"), points, bold); }

QString indexed(const char *name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

QString flatWhiteBox() { return QStringLiteral("border: 1px solid black; background: white; color: black;"); }

void setFlatBorder(QFrame *frame)
{
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
}

void setFlatBorder(KeyLabel *key) { key->setFramed(true); }

namespace {
template<typename Label>
Label *makeLabel(QWidget *parent, const QString &name, const QString &caption, const QString &hint, double left,
                 double top, double width, double height)
{
    auto *label = Euro::place(new Label(parent), name, left, top, width, height);
    label->setText(caption);
    if (!hint.isEmpty())
        label->setToolTip(hint);
    return label;
}
} // namespace

HintLabel *makeHintLabel(QWidget *parent, const QString &name, const QString &caption, const QString &hint, double left,
                         double top, double width, double height)
{
    return makeLabel<HintLabel>(parent, name, caption, hint, left, top, width, height);
}

KeyLabel *makeKeyLabel(QWidget *parent, const QString &name, const QString &caption, const QString &hint, double left,
                       double top, double width, double height)
{
    return makeLabel<KeyLabel>(parent, name, caption, hint, left, top, width, height);
}

void useDesignScrollBars(QAbstractScrollArea *area)
{
    for (QScrollBar *bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
        bar->setPalette(Euro::designPalette());
}

void setUpList(QListWidget *list, const QString &hint)
{
    list->setToolTip(hint);
    list->setAccessibleName(hint); // no caption: it says its hint
    list->setFont(tahoma(8.25, false));
    list->setStyleSheet(QStringLiteral("QListWidget { border: 1px solid black; background: white; color: black; }"));
    useDesignScrollBars(list);
}

void etch(QFrame *frame) { frame->setFrameStyle(QFrame::Box | QFrame::Sunken); }

void fitInk(QLabel *label)
{
    // Zoomed, the box's rounding may leave the caption's advance a pixel wider than the
    // box: its text room takes that pixel from the margin.
    const QRect design = Euro::designedGeometry(label);
    const QFontMetrics metrics(label->font());
    const QRect ink = metrics.tightBoundingRect(label->text());
    const int roomShort = std::max(0, metrics.horizontalAdvance(label->text()) - design.width());
    const int reach = std::max(ink.right() + 1 - design.width(), roomShort);
    const QMargins overhang(std::max(0, -ink.left()), 0, std::max(0, reach), 0);
    label->setGeometry(design.marginsAdded(overhang));
    label->setContentsMargins(overhang - QMargins(0, 0, roomShort, 0));
}

QString selectedText(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentRow() >= 0 ? list->currentItem() : nullptr;
    return item && item->isSelected() ? item->text() : QString();
}

KeyLabel *makeCloseBox(QWidget *panel, int index, const QString &hint, double left, double top)
{
    KeyLabel *box = makeKeyLabel(panel, indexed("lblFermer", index), QStringLiteral("X"), hint, left, top, 165, 225);
    box->setAlignment(Qt::AlignCenter);
    setFlatBorder(box);
    return box;
}

} // namespace Panels
