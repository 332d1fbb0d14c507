#include "ui/print/tapeprinter.h"

#include "engine/msgbox.h"
#include "platform/printdialog.h"

#include <QDir>
#include <QFile>
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

namespace {

// A file of the folder that did not exist yet, created empty so that nothing else takes the
// name meanwhile: "Pecunio.pdf", else "Pecunio (2).pdf" and so on. Empty when none could be.
QString reserveNewFile(const QDir &folder, const QString &baseName)
{
    for (int n = 1; n <= 999; ++n) {
        const QString name = n == 1 ? baseName + QStringLiteral(".pdf")
                                    : QStringLiteral("%1 (%2).pdf").arg(baseName).arg(n);
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists())
            return {}; // the folder takes no new file at all
    }
    return {};
}

} // namespace

void printTape(QWidget *owner, const QString &tapeText)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Pecunio"));
    if (!RunPrintDialog(printer, owner))
        return; // cancelled: nothing printed, nothing said
    // A file name the dialog showed was checked there: Qt asks before replacing a file.
    // Printing to a file named by a folder only (the dialog's default off X11) gets a name
    // of the program's own after the dialog has closed, so it is a new file, never an
    // existing one, and the user is told which.
    QString newFile;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QFileInfo target(printer.outputFileName());
        if (printer.outputFileName().isEmpty() || target.isDir()) {
            const QString folder = printer.outputFileName().isEmpty() ? QDir::homePath() : target.filePath();
            newFile = reserveNewFile(QDir(folder), printer.docName());
            if (newFile.isEmpty())
                return;
            printer.setOutputFileName(newFile);
        }
    }
    const bool printed = printLines(printer, printedTapeLines(tapeText));
    if (newFile.isEmpty())
        return;
    if (printed)
        MsgBox(QStringLiteral("La liste des opérations a été enregistrée dans le fichier :") + QStringLiteral("\r\n")
                   + QDir::toNativeSeparators(newFile),
               vbInformation, appTitle());
    else
        QFile::remove(newFile); // only the empty file reserved above
}

} // namespace Euro
