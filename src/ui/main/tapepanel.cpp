#include "ui/main/tapepanel.h"

#include "tape/tape.h"
#include "ui/kit/messageboxes.h"
#include "ui/kit/windowkit.h"
#include "ui/main/accessibility.h"
#include "ui/main/keylabel.h"
#include "ui/main/panelparts.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <memory>

TapePanel::TapePanel(const Tape &tape, QWidget *window)
    : QFrame(window)
    , m_tape(tape)
{
    Accessibility::setContainerRole(this, QAccessible::Grouping);
    setAccessibleName(QStringLiteral("Opérations"));
    Euro::place(this, QStringLiteral("fraPapier"), 2880, 0, 2130, 3345);
    Panels::etch(this);
    m_ui.Label4 = Euro::makeLabel(this, Panels::indexed("Label4", 1), QStringLiteral("Opérations"), 135, 180, 930, 195);
    m_ui.lblFermer = Panels::makeCloseBox(this, 1, QStringLiteral("Cacher les opérations"), 1845, 180);

    connect(&tape, &Tape::cleared, this, &TapePanel::clearBox);
    connect(&tape, &Tape::appended, this, &TapePanel::appendToBox);
}

QPlainTextEdit *TapePanel::tapeBox()
{
    if (!m_ui.txtOperations) {
        auto *box = Euro::place(new QPlainTextEdit(this), QStringLiteral("txtOperations"), 120, 480, 1875, 2775);
        m_ui.txtOperations = box;
        box->setToolTip(QStringLiteral("Liste des opérations"));
        box->setAccessibleName(QStringLiteral("Liste des opérations"));
        box->setFont(Euro::designFont(QStringLiteral("Arial"), 8.25));
        box->setStyleSheet(
            QStringLiteral("QPlainTextEdit { border: 1px solid black; background: white; color: rgb(64, 64, 64); }"));
        Panels::useDesignScrollBars(box);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // A line is one amount or one operation: it never wraps, a wider one scrolls sideways.
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        // The tape is the record of what was calculated: it can be read, selected and copied,
        // not typed into.
        box->setReadOnly(true);
        // Nothing is typed into it, so nothing is undone: the box keeps no undo history, which
        // would otherwise grow with every line of a long tape.
        box->setUndoRedoEnabled(false);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, &TapePanel::showMenu);
        box->show(); // shown with its panel
        Q_EMIT controlBuilt();
        // The tape kept so far; from now on the box follows it piece by piece.
        appendToBox(m_tape.text());
    }
    return m_ui.txtOperations;
}

void TapePanel::clearBox()
{
    if (m_ui.txtOperations)
        m_ui.txtOperations->clear();
}

void TapePanel::appendToBox(const QString &piece)
{
    if (!m_ui.txtOperations)
        return; // the tape keeps it until the box is built
    // The box keeps lines as paragraphs: CR LF becomes one line break.
    QString text = piece;
    text.remove(QLatin1Char('\r'));
    QTextCursor end(m_ui.txtOperations->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    m_ui.txtOperations->moveCursor(QTextCursor::End);
    m_ui.txtOperations->ensureCursorVisible();
}

void TapePanel::showMenu(const QPoint &at)
{
    Euro::installQtFrench(); // the box's own entries speak French too
    const std::unique_ptr<QMenu> menu(m_ui.txtOperations->createStandardContextMenu(at));
    Q_EMIT menuShown(menu.get());
    menu->exec(m_ui.txtOperations->viewport()->mapToGlobal(at)); // the tape's menu points come from its viewport
}
