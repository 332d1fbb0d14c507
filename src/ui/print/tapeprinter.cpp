#include "ui/print/tapeprinter.h"

#include "platform/printdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

namespace Euro {

QStringList printedTapeLines(const QString &tapeText)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = tapeText.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the break that ends the last line
    lines.prepend(QString());
    return lines;
}

bool printLines(QPrinter &printer, const QStringList &lines)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // No font is chosen: the printer's default one prints the tape.
    const QFontMetrics metrics(painter.font(), painter.device());
    const QRect page = painter.viewport();
    const int lineHeight = metrics.lineSpacing();
    // A line wider than the page goes on over the next lines rather than being cut.
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;

    int y = 0;
    for (const QString &line : lines) {
        const int height = line.isEmpty()
            ? lineHeight
            : qMax(lineHeight, painter.boundingRect(QRect(0, 0, page.width(), page.height()), flags, line).height());
        if (y > 0 && y + height > page.height()) {
            if (!printer.newPage())
                return false;
            y = 0;
        }
        if (!line.isEmpty())
            painter.drawText(QRect(0, y, page.width(), height), flags, line);
        y += height;
    }
    return painter.end();
}

void printTape(QWidget *owner, const QString &tapeText)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Pecunio"));
    if (!RunPrintDialog(printer, owner))
        return; // cancelled: nothing printed, nothing said
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // Printing to a file named by a folder only (the dialog's default off X11): the
        // tape goes into that folder, or the home folder, under the program's name.
        const QFileInfo target(printer.outputFileName());
        if (printer.outputFileName().isEmpty() || target.isDir()) {
            const QString folder = printer.outputFileName().isEmpty() ? QDir::homePath() : target.filePath();
            printer.setOutputFileName(QDir(folder).filePath(printer.docName() + QStringLiteral(".pdf")));
        }
    }
    printLines(printer, printedTapeLines(tapeText));
}

} // namespace Euro
