#include "ui/main/tapeprinter.h"

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

namespace {

// A line that never ends a page: it goes with the line after it. An empty line, a heading
// (the date, its rule, the rule between two calculations, a mode line) or the rule above a
// total.
bool leadsOn(const QString &line) { return line.isEmpty() || Tape::isHeadingLine(line) || Tape::isTotalRule(line); }

} // namespace

QList<QStringList> tapePages(const QStringList &lines, int pageHeight,
                             const std::function<int(const QString &line)> &lineHeight)
{
    // Units, each kept on one page when it fits: an operation (a run of lines between empty
    // lines, up to its last line that is not a heading) with the empty lines and the headings
    // before it; the headings that end the tape join the last operation. A clear all in the
    // middle of an operation writes its rule right under the operator: the rule goes with
    // the mode line after it.
    struct Unit {
        qsizetype from, end;
    };
    QList<Unit> units;
    qsizetype unitFrom = 0;
    for (qsizetype i = 0; i < lines.size();) {
        while (i < lines.size() && lines[i].isEmpty())
            ++i;
        qsizetype operationEnd = -1;
        for (; i < lines.size() && !lines[i].isEmpty(); ++i) {
            if (!Tape::isHeadingLine(lines[i]))
                operationEnd = i + 1;
        }
        if (operationEnd >= 0) {
            units.append({unitFrom, operationEnd});
            unitFrom = operationEnd;
        }
    }
    if (unitFrom < lines.size()) {
        if (units.isEmpty())
            units.append({unitFrom, lines.size()});
        else
            units.last().end = lines.size();
    }
    const auto heightOf = [&](qsizetype from, qsizetype end) {
        int height = 0;
        for (qsizetype i = from; i < end; ++i)
            height += lineHeight(lines[i]);
        return height;
    };

    // The pages as line numbers; a page after the first begins without the empty lines
    // before its first line.
    QList<QList<qsizetype>> pages{QList<qsizetype>()};
    int used = 0;
    const auto startPage = [&](const QList<qsizetype> &carried) {
        pages.append(QList<qsizetype>());
        used = 0;
        for (const qsizetype i : carried) {
            if (pages.last().isEmpty() && lines[i].isEmpty())
                continue;
            pages.last().append(i);
            used += lineHeight(lines[i]);
        }
    };
    const auto add = [&](qsizetype i) {
        if (pages.size() > 1 && pages.last().isEmpty() && lines[i].isEmpty())
            return;
        pages.last().append(i);
        used += lineHeight(lines[i]);
    };
    for (const Unit &u : units) {
        qsizetype runFrom = u.from;
        while (runFrom < u.end && lines[runFrom].isEmpty())
            ++runFrom;
        const int gap = heightOf(u.from, runFrom);
        const int run = heightOf(runFrom, u.end);
        if (used + gap + run <= pageHeight) {
            for (qsizetype i = u.from; i < u.end; ++i)
                add(i);
            continue;
        }
        if (run <= pageHeight) {
            // Whole on the next page; at the top of the first, without the empty lines
            // before it rather than with its last lines on the next page.
            if (used > 0)
                startPage({});
            for (qsizetype i = runFrom; i < u.end; ++i)
                add(i);
            continue;
        }
        // Taller than a page: it runs over, filling each page, and goes on under the next
        // page's heading. A page never ends with a line that goes with the next one, and
        // the headings that end the tape take the operation's last lines along.
        qsizetype lastContent = u.end, lastLine = u.from - 1;
        for (qsizetype i = u.end - 1; i >= u.from && lastContent == u.end; --i) {
            if (lastLine < u.from && !lines[i].isEmpty())
                lastLine = i;
            if (!leadsOn(lines[i]))
                lastContent = i;
        }
        qsizetype firstOnPage = u.from; // the unit's first line on the current page
        for (qsizetype i = u.from; i < u.end; ++i) {
            const int height = lineHeight(lines[i]);
            if (i > lastLine && used + height > pageHeight)
                break; // the empty lines that end the tape start no page
            while (used > 0 && used + height > pageHeight) {
                QList<qsizetype> &page = pages.last();
                qsizetype cut = i > lastContent ? lastContent : i;
                while (cut > firstOnPage && leadsOn(lines[cut - 1]))
                    --cut;
                // The unit's lines on this page would all lead on: they go over with it,
                // unless they are all the page holds.
                if (cut <= page.first() || cut < firstOnPage)
                    cut = i;
                QList<qsizetype> carried;
                while (!page.isEmpty() && page.last() >= cut)
                    carried.prepend(page.takeLast());
                startPage(carried);
                firstOnPage = pages.last().isEmpty() ? i : pages.last().first();
            }
            add(i);
        }
    }

    QList<QStringList> pageLines;
    for (const QList<qsizetype> &page : pages) {
        QStringList text;
        for (const qsizetype i : page)
            text.append(lines[i]);
        pageLines.append(text);
    }
    return pageLines;
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
        const QString name =
            n == 1 ? baseName + QStringLiteral(".pdf") : QStringLiteral("%1 (%2).pdf").arg(baseName).arg(n);
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
    const PageHeading heading{dateText(Now().date()), modeLine};
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
