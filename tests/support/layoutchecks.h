#pragma once
// Checks that hold for every window, whatever its layout table says: a caption fits its
// control, a control lies inside its container, a font prints with the face it asks for.
// Each returns one line per fault found, so an empty list is a pass and a failure names
// the culprits. Widget tests only (the support library itself links no widgets).

#include "ui/main/keylabel.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace TestSupport {

// A caption as drawn: its mnemonic ampersand left out.
inline QString shownCaption(const QString &text)
{
    QString shown = text;
    shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return shown;
}

// The width a caption takes, its mnemonic ampersand and padding spaces left out.
inline int captionWidth(const QFontMetrics &metrics, const QString &text)
{
    return metrics.horizontalAdvance(shownCaption(text).trimmed());
}

// The columns a line of text inks in font, from its pen's start to the column after its
// last: as this platform paints it, not as the font's bounding box estimates it (which may
// count a pixel more on either side).
inline std::pair<int, int> paintedInk(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    const int pad = 2 * metrics.height();
    QImage image(metrics.horizontalAdvance(text) + 2 * pad, 3 * metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(pad, metrics.height() + metrics.ascent()), text);
    }
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return last < 0 ? std::pair{0, 0} : std::pair{first - pad, last + 1 - pad};
}

// Where the ink of a one-line caption lies across a control, drawn in room with alignment.
inline std::pair<int, int> inkSpan(const QFont &font, const QString &text, const QRect &room, Qt::Alignment alignment)
{
    const QString shown = shownCaption(text);
    const int advance = QFontMetrics(font).horizontalAdvance(shown);
    int x = room.left();
    if (alignment & Qt::AlignRight)
        x = room.right() + 1 - advance;
    else if (alignment & Qt::AlignHCenter)
        x = room.left() + (room.width() - advance) / 2;
    const auto [from, to] = paintedInk(font, shown);
    return {x + from, x + to};
}

// Labels and buttons under root whose caption is cut off: its text wider, or its line
// taller, than the room the control gives it (a wrapped label may take more lines, not more
// height; a wrapped key's every word must fit across). The width is the text's advance
// without padding spaces: a glyph may overhang its advance by design (the euro sign's bar
// does), and a padding space may go. The ink itself must lie within the control, which
// clips it, inside a key's own frame, and keep a pixel clear of the frame round its panel,
// or the letter touching the frame reads as cut.
inline QStringList captionsCutOff(const QWidget *root)
{
    QStringList cut;
    auto check = [&cut](const QWidget *w, QSize need, QRect room) {
        if (need.width() > room.width() || need.height() > room.height())
            cut << QStringLiteral("%1 needs %2x%3, has %4x%5")
                       .arg(w->objectName())
                       .arg(need.width())
                       .arg(need.height())
                       .arg(room.width())
                       .arg(room.height());
    };
    auto checkInk = [&cut](const QWidget *w, std::pair<int, int> ink) {
        int from = 0;
        int to = w->width();
        if (auto *key = qobject_cast<const KeyLabel *>(w); key && key->isFramed()) {
            from = 1; // inside its own frame
            to = w->width() - 1;
        }
        if (auto *panel = qobject_cast<const QFrame *>(w->parentWidget()); panel && panel->frameWidth() > 0) {
            const QRect inside = panel->contentsRect().adjusted(1, 0, -1, 0).translated(-w->pos());
            from = std::max(from, inside.left());
            to = std::min(to, inside.right() + 1);
        }
        if (ink.first < from || ink.second > to)
            cut << QStringLiteral("%1 inks %2 to %3, has %4 to %5")
                       .arg(w->objectName())
                       .arg(ink.first)
                       .arg(ink.second)
                       .arg(from)
                       .arg(to);
    };
    for (const QWidget *w : root->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            const QRect room = label->contentsRect().marginsRemoved(
                QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            const QFontMetrics metrics(label->font());
            const QSize need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                                 : QSize(captionWidth(metrics, label->text()), metrics.height());
            check(label, need, room);
            if (!label->wordWrap())
                checkInk(label, inkSpan(label->font(), label->text(), room, label->alignment()));
        } else if (auto *key = qobject_cast<const KeyLabel *>(w)) {
            const QRect room = key->textRect();
            const QFontMetrics metrics(key->font());
            if (key->wordWrap()) {
                check(key, QSize(0, metrics.boundingRect(room, Qt::TextWordWrap, key->text()).height()), room);
                // Each word stays whole on a line of its own: it must fit across.
                for (const QString &word : key->text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    check(key, QSize(captionWidth(metrics, word), 0), room);
                    checkInk(key, inkSpan(key->font(), word, room, key->alignment()));
                }
            } else {
                check(key, QSize(captionWidth(metrics, key->text()), metrics.height()), room);
                checkInk(key, inkSpan(key->font(), key->text(), room, key->alignment()));
            }
        } else if (auto *button = qobject_cast<const QAbstractButton *>(w)) {
            if (button->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool isOption = qobject_cast<const QRadioButton *>(button);
            const auto contents = isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
            const QRect room = button->style()->subElementRect(contents, &option, button);
            // Width only: small design buttons draw their caption over the bevel.
            const QFontMetrics metrics(button->font());
            check(button, QSize(captionWidth(metrics, button->text()), 0), room);
            // An option's caption is drawn from the left of its room.
            if (isOption)
                checkInk(button, inkSpan(button->font(), button->text(), room, Qt::AlignLeft));
        }
    }
    return cut;
}

// Direct child controls of container that stick out of it.
inline QStringList outsideContainer(const QWidget *container)
{
    QStringList out;
    for (const QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !container->rect().contains(child->geometry()))
            out << child->objectName() + QStringLiteral(" sticks out of ") + container->objectName();
    }
    return out;
}

// Root and controls under it whose font prints with another face than the one asked for.
// Arial may print as its metric twin; "System" is the desktop's to choose, and a font the
// program does not ship but asks for as a serif may print in any serif face.
inline QStringList fontsFallenBack(const QWidget *root)
{
    QStringList fallen;
    QList<const QWidget *> widgets{root};
    for (const QWidget *w : root->findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        const QString asked = w->font().family();
        const QString printed = QFontInfo(w->font()).family();
        const bool twin = asked == QLatin1String("Arial") && printed == QLatin1String("Liberation Sans");
        const bool serif = w->font().styleHint() == QFont::Serif && printed.contains(QLatin1String("Serif"))
                           && !printed.contains(QLatin1String("Sans"));
        if (asked != printed && !twin && !serif && asked != QLatin1String("System"))
            fallen << QStringLiteral("%1 asks %2, prints %3").arg(w->objectName(), asked, printed);
    }
    return fallen;
}

} // namespace TestSupport
