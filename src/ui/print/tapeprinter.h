#pragma once
// Printing the operations tape: the user picks the printer in the print dialog, then the
// tape goes out line by line in the printer's default font, after one empty line, page
// after page. A cancelled dialog or any failure ends the printing silently. Printing to a
// file never replaces an existing one without the user's yes.
//
// Built into the window library: the tape itself stays free of printing and widgets.

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace Euro {

// cmdImprimer_Click: the print dialog, then the tape (lines separated by CR LF).
void printTape(QWidget *owner, const QString &tapeText);

// The printed lines of a tape: an empty line, then the tape's lines. A final CR LF ends
// the last line and adds none.
QStringList printedTapeLines(const QString &tapeText);

// Prints lines on an already set-up printer; false when the printer refused.
bool printLines(QPrinter &printer, const QStringList &lines);

} // namespace Euro
