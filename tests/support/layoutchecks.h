#pragma once
// Checks that hold for every window, whatever its layout table says: a caption fits its
// control, a control lies inside its container, a font prints with the face it asks for.
// Each returns one line per fault found, so an empty list is a pass and a failure names
// the culprits. Widget tests only (the support library itself links no widgets).

#include "ui/main/keylabel.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace TestSupport {

// The width a caption takes, its mnemonic ampersand and padding spaces left out.
inline int captionWidth(const QFontMetrics &metrics, const QString &text)
{
    QString shown = text.trimmed();
    shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return metrics.horizontalAdvance(shown);
}

// Labels and buttons under root whose caption is cut off: its text wider, or its line
// taller, than the room the control gives it (a wrapped label may take more lines, not more
// height). The width is the text's advance without padding spaces: a glyph may overhang its
// advance by design (the euro sign's bar does), and a padding space may go.
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
    for (const QWidget *w : root->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            const QRect room = label->contentsRect().marginsRemoved(
                QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            const QFontMetrics metrics(label->font());
            const QSize need = label->wordWrap()
                ? QSize(0, label->heightForWidth(label->width()))
                : QSize(captionWidth(metrics, label->text()), metrics.height());
            check(label, need, room);
        } else if (auto *key = qobject_cast<const KeyLabel *>(w)) {
            // Drawn as a label: the whole box, but its frame, is the caption's.
            const QRect room = key->rect().marginsRemoved(key->isFramed() ? QMargins(1, 1, 1, 1) : QMargins());
            const QFontMetrics metrics(key->font());
            const QSize need = key->wordWrap()
                ? QSize(0, metrics.boundingRect(room, Qt::TextWordWrap, key->text()).height())
                : QSize(captionWidth(metrics, key->text()), metrics.height());
            check(key, need, room);
        } else if (auto *button = qobject_cast<const QAbstractButton *>(w)) {
            if (button->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const auto contents = qobject_cast<const QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                                              : QStyle::SE_PushButtonContents;
            const QRect room = button->style()->subElementRect(contents, &option, button);
            // Width only: small design buttons draw their caption over the bevel.
            check(button, QSize(captionWidth(QFontMetrics(button->font()), button->text()), 0), room);
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
