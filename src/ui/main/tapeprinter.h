#pragma once
// Printing the operations tape: the user picks the printer in the print dialog, then the
// tape goes out as a document to keep: within the page's margins, each page headed by the
// program's name, the date, the calculation mode of its first line and "page N / M", the
// tape's lines in a fixed-pitch font with the amounts right-aligned, after one empty line,
// an operation never split across two pages. A cancelled dialog or any failure ends the printing
// silently. Printing to a file never replaces an existing one without the user's yes.
//
// Built into the window library: the tape itself stays free of printing and widgets.

#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace Euro {

// cmdImprimer_Click: the print dialog, then the tape (lines separated by CR LF). modeLine
// ("Calcul en FRF") heads the pages until the tape's own lines name a mode.
void printTape(QWidget *owner, const QString &tapeText, const QString &modeLine = QString());

// The printed lines of a tape: an empty line, then the tape's lines. A final CR LF ends
// the last line and adds none.
QStringList printedTapeLines(const QString &tapeText);

// The lines split into pages of at most pageHeight (in the unit of lineHeight). An
// operation (a run of lines without an empty one: its amounts, operators, rule and total)
// goes whole onto the next page when it does not fit on this one, with the heading blocks
// before it (date, rules, mode lines) and, at the tape's end, the headings after it; a page
// after the first begins without the empty lines before its first line. Only what is taller
// than a page runs over, filling the page and going on on the next: a page never ends with
// an empty line, a heading or the rule above a total, and never holds those alone.
QList<QStringList> tapePages(const QStringList &lines, int pageHeight,
                             const std::function<int(const QString &line)> &lineHeight);

// The calculation mode of each page: that of its first line, named by the last mode line
// before it, or by the heading block the page opens with; before until the tape names one.
QStringList pageModeLines(const QList<QStringList> &pages, const QString &before);

// The heading of every page; an empty one leaves its band blank.
struct PageHeading {
    QString date;     // "10/12/2026"
    QString modeLine; // "Calcul en FRF": the mode until the tape's lines name one
};

// Prints lines on an already set-up printer, under the heading; false when the printer
// refused.
bool printLines(QPrinter &printer, const QStringList &lines, const PageHeading &heading = {});

} // namespace Euro
