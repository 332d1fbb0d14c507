#include "ui/main/tapeprinter.h"

#include "engine/msgbox.h"
#include "tape/clock.h"
#include "platform/printdialog.h"
#include "tape/tape.h"
#include "ui/kit/messageboxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

#include <optional>
#include <utility>

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

QList<QStringList> tapePages(const QStringList &lines, int pageHeight,
                             const std::function<int(const QString &line)> &lineHeight)
{
    // Blocks: the empty lines before a run of lines, and the run. A heading block (or the
    // empty lines that end the tape) is no use alone at a page's foot or on a page of its own.
    struct Block {
        qsizetype from, runFrom, end;
        int gap = 0, run = 0;
        bool heading = true;
    };
    QList<Block> blocks;
    for (qsizetype i = 0; i < lines.size();) {
        Block b{i, i, i};
        while (b.end < lines.size() && lines[b.end].isEmpty())
            b.gap += lineHeight(lines[b.end++]);
        b.runFrom = b.end;
        while (b.end < lines.size() && !lines[b.end].isEmpty()) {
            b.heading = b.heading && Tape::isHeadingLine(lines[b.end]);
            b.run += lineHeight(lines[b.end++]);
        }
        blocks.append(b);
        i = b.end;
    }
    // Units kept on one page when they fit: heading blocks with the block after them, those
    // that end the tape with the unit before them.
    struct Unit {
        qsizetype first, last, tail; // blocks; tail: the first of the headings that end the tape
    };
    QList<Unit> units;
    qsizetype headings = -1;
    for (qsizetype k = 0; k < blocks.size(); ++k) {
        if (blocks[k].heading) {
            if (headings < 0)
                headings = k;
            continue;
        }
        units.append({headings < 0 ? k : headings, k, -1});
        headings = -1;
    }
    if (headings >= 0 && !units.isEmpty())
        units.last() = {units.last().first, blocks.size() - 1, headings};
    else if (headings >= 0)
        units.append({headings, blocks.size() - 1, -1});

    QList<QStringList> pages(1);
    int used = 0;
    const auto newPage = [&] {
        pages.append(QStringList());
        used = 0;
    };
    const auto put = [&](qsizetype i) {
        const int height = lineHeight(lines[i]);
        if (used > 0 && used + height > pageHeight)
            newPage();
        pages.last().append(lines[i]);
        used += height;
    };
    // Lines from..end whole onto the next page, without the gap before runFrom, when they
    // do not fit on this one but fit on a page; line by line otherwise.
    const auto place = [&](qsizetype from, qsizetype runFrom, qsizetype end, int gap, int run) {
        if (used > 0 && used + gap + run > pageHeight && run <= pageHeight) {
            newPage();
            from = runFrom;
        }
        for (qsizetype i = from; i < end; ++i)
            put(i);
    };
    for (const Unit &u : units) {
        const Block &first = blocks[u.first];
        int run = first.run;
        for (qsizetype k = u.first + 1; k <= u.last; ++k)
            run += blocks[k].gap + blocks[k].run;
        if (run <= pageHeight) {
            place(first.from, first.runFrom, blocks[u.last].end, first.gap, run);
            continue;
        }
        // Taller than a page: block by block, a run taller than a page split.
        for (qsizetype k = u.first; k <= u.last; ++k) {
            if (k == u.tail) {
                // The headings that end the tape take the last line before them along
                // rather than fill a page of their own.
                int tail = 0;
                for (qsizetype t = k; t <= u.last; ++t)
                    tail += blocks[t].gap + blocks[t].run;
                if (used + tail > pageHeight && pages.last().size() > 1) {
                    const QString carried = pages.last().takeLast();
                    newPage();
                    pages.last().append(carried);
                    used = lineHeight(carried);
                }
                for (qsizetype i = blocks[k].from; i < blocks[u.last].end; ++i)
                    put(i);
                break;
            }
            place(blocks[k].from, blocks[k].runFrom, blocks[k].end, blocks[k].gap, blocks[k].run);
        }
    }
    return pages;
}

QStringList pageModeLines(const QList<QStringList> &pages, const QString &before)
{
    QStringList modes;
    QString inForce = before;
    for (const QStringList &page : pages) {
        // A page that opens with a heading block is in the mode that block names.
        QString opening;
        for (const QString &line : page) {
            if (!line.isEmpty() && !Tape::isHeadingLine(line))
                break;
            if (Tape::isModeLine(line))
                opening = line;
        }
        modes.append(opening.isEmpty() ? inForce : opening);
        for (const QString &line : page) {
            if (Tape::isModeLine(line))
                inForce = line;
        }
    }
    return modes;
}

namespace {

// The tape prints in a fixed-pitch font, so that its columns keep their places.
QFont tapeFont()
{
    QFont font(QStringLiteral("Liberation Mono"), 10);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

// A line of the amounts' column: an operand ("          100"), a total ("=        150")
// or the rule above a total ("        ----------"); the lead and what ends at the column's
// right edge.
std::optional<std::pair<QString, QString>> amountLine(const QString &line)
{
    static const QRegularExpression amount(QStringLiteral("^( {10}|= {8}| {8})(\\S+)$"));
    const QRegularExpressionMatch m = amount.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    return std::pair{m.captured(1), m.captured(2)};
}

} // namespace

bool printLines(QPrinter &printer, const QStringList &lines, const PageHeading &heading)
{
    // The page's usual margins: 2 cm at the sides, 1,5 cm at the top and the bottom.
    printer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const QFont font = tapeFont();
    const QFontMetrics metrics(font, painter.device());
    const int lineHeight = metrics.lineSpacing();
    QFont headingFont(QStringLiteral("Liberation Sans"), 9);
    const QFontMetrics headingMetrics(headingFont, painter.device());
    const int headingHeight = headingMetrics.lineSpacing() * 2; // its line, then a gap
    const int bodyHeight = page.height() - headingHeight;

    // The amounts end at one right edge, that of the widest of them. A line wider than the
    // page goes on over the next lines rather than being cut.
    int columnWidth = 0;
    for (const QString &line : lines) {
        if (amountLine(line))
            columnWidth = qMax(columnWidth, metrics.horizontalAdvance(line));
    }
    constexpr int wrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
    const auto heightOf = [&](const QString &line) {
        if (line.isEmpty() || metrics.horizontalAdvance(line) <= page.width())
            return lineHeight;
        painter.setFont(font);
        return qMax(lineHeight, painter.boundingRect(QRect(0, 0, page.width(), bodyHeight), wrapFlags, line).height());
    };
    const QList<QStringList> pages = tapePages(lines, bodyHeight, heightOf);
    const QStringList modes = pageModeLines(pages, heading.modeLine);

    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage())
            return false;
        if (!heading.date.isEmpty() || !heading.modeLine.isEmpty()) {
            painter.setFont(headingFont);
            const QRect band(0, 0, page.width(), headingMetrics.lineSpacing());
            painter.drawText(band, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Pecunio"));
            QStringList middle{modes[p], heading.date};
            middle.removeAll(QString());
            painter.drawText(band, Qt::AlignHCenter | Qt::AlignTop, middle.join(QStringLiteral(" \u2014 ")));
            painter.drawText(band, Qt::AlignRight | Qt::AlignTop,
                             QStringLiteral("page %1 / %2").arg(p + 1).arg(pages.size()));
            const int rule = band.bottom() + headingMetrics.lineSpacing() / 3;
            painter.drawLine(0, rule, page.width(), rule);
        }
        painter.setFont(font);
        int y = headingHeight;
        for (const QString &line : pages[p]) {
            const int height = heightOf(line);
            const auto amount = amountLine(line);
            if (amount && columnWidth <= page.width()) {
                const QRect row(0, y, columnWidth, height);
                painter.drawText(row, Qt::AlignLeft | Qt::AlignTop, amount->first);
                painter.drawText(row, Qt::AlignRight | Qt::AlignTop, amount->second);
            } else if (!line.isEmpty()) {
                painter.drawText(QRect(0, y, page.width(), height), wrapFlags, line);
            }
            y += height;
        }
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

void printTape(QWidget *owner, const QString &tapeText, const QString &modeLine)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Pecunio"));
    installQtFrench(); // the dialog's texts
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
    const PageHeading heading{QLocale::c().toString(Now().date(), QStringLiteral("dd/MM/yyyy")), modeLine};
    const bool printed = printLines(printer, printedTapeLines(tapeText), heading);
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
