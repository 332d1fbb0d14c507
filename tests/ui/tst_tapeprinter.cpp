// Printing the tape: the dialog comes first (cancel prints nothing), then an empty line and
// the tape's lines, page after page. The printer writes a PDF file that is read back with
// pdftotext.

#include "platform/printdialog.h"
#include "support/processes.h"
#include "support/messagecapture.h"
#include "support/testsupport.h"
#include "ui/main/tapeprinter.h"
#include "ui/main/tapefile.h"
#include "platform/savedialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The tape of one addition, as the calculator writes it.
QString additionTape()
{
    return QStringLiteral("08/12/2026 - 07:24\r\n-------------------------\r\nCalcul en FRF\r\n"
                          "\r\n          100\r\n+\r\n          50\r\n        ----------\r\n=        150\r\n");
}

// While alive, the print dialog is accepted at once and the printer writes pdfPath.
class AcceptDialogToPdf
{
public:
    explicit AcceptDialogToPdf(const QString &pdfPath, bool accept = true)
    {
        m_previous = Euro::installPrintDialogRunner([this, pdfPath, accept](QPrinter &printer, QWidget *) {
            ++shown;
            printer.setPageSize(QPageSize(QPageSize::A4)); // the pages' rows below are counted on A4
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            return accept;
        });
    }
    ~AcceptDialogToPdf() { Euro::installPrintDialogRunner(std::move(m_previous)); }
    int shown = 0;

private:
    Euro::PrintDialogRunner m_previous;
};

// What a reading tool prints, or a marker that fails every comparison.
QString run(const QString &program, const QStringList &arguments)
{
    const TestSupport::Run r = TestSupport::run(program, arguments, {}, 60000);
    return r.exitCode == 0 ? r.out : QStringLiteral("<%1 failed: %2>").arg(program, r.err);
}

// The lines of each page, laid out and simplified, empty ones left out.
QList<QStringList> pdfPageLines(const QString &pdf)
{
    QList<QStringList> pages;
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const QString &page : text.split(QLatin1Char('\f'))) {
        QStringList lines = page.split(QLatin1Char('\n'));
        for (QString &line : lines)
            line = line.simplified();
        lines.removeAll(QString());
        if (!lines.isEmpty())
            pages.append(lines);
    }
    return pages;
}

// The tape's text of every page, in order, without the page headings.
QStringList pdfLines(const QString &pdf)
{
    QStringList lines;
    for (const QStringList &page : pdfPageLines(pdf))
        lines += page;
    // The page headings start with the program's name; the tape's own lines never do.
    lines.removeIf([](const QString &line) { return line.startsWith(QLatin1String("Pecunio ")); });
    return lines;
}

int pdfPages(const QString &pdf)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto match = pages.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

struct Word {
    QString text;
    double xMin, yMin, xMax;
};

// The tape's words in reading order with their edges (points); the page headings' row,
// the row of the program's name, is left out.
QList<Word> pdfWords(const QString &pdf)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    QList<Word> words;
    double headingRow = -1;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const Word w{m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()};
        if (w.text == QLatin1String("Pecunio") && headingRow < 0)
            headingRow = w.yMin;
        words.append(w);
    }
    words.removeIf([headingRow](const Word &w) { return qAbs(w.yMin - headingRow) < 1; });
    return words;
}

// A tape of count additions, some with a product before the total.
QString additionsTape(int count)
{
    QString tape = QStringLiteral("08/12/2026 - 07:24\r\n-------------------------\r\nCalcul en FRF\r\n");
    for (int i = 1; i <= count; ++i) {
        tape += QStringLiteral("\r\n          %1\r\n+\r\n          %2,5\r\n").arg(i * 137).arg(i * 7);
        if (i % 3 == 0)
            tape += QStringLiteral("X\r\n          2\r\n");
        tape += QStringLiteral("        ----------\r\n=        %1,5\r\n").arg(i * 144);
    }
    return tape;
}

// The tape of one calculation of count additions, 1 + 2 + 3 ..., then, when asked, clear all.
QString chainTape(int count, bool clearAll)
{
    QString tape =
        QStringLiteral("08/12/2026 - 07:24\r\n-------------------------\r\nCalcul en FRF\r\n\r\n          1");
    for (int k = 2; k <= count + 1; ++k)
        tape += QStringLiteral("\r\n+\r\n          %1").arg(k);
    tape += QStringLiteral("\r\n        ----------\r\n=        %1\r\n").arg((count + 1) * (count + 2) / 2);
    if (clearAll)
        tape += QStringLiteral("\r\n-+-+-+-+-+-\r\n\r\nCalcul en FRF\r\n");
    return tape;
}

} // namespace

class TestTapePrinter : public QObject
{
    Q_OBJECT

    TestSupport::ThrowAwaySettings settings;
    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed to read the printed tape back");
    }

    // Qt's print dialog speaks French: printing loads Qt's French texts before it shows the
    // dialog. First of the tests, before anything else has loaded them.
    void printDialogInFrench()
    {
        QString title;
        const Euro::PrintDialogRunner previous = Euro::installPrintDialogRunner([&](QPrinter &printer, QWidget *owner) {
            title = QPrintDialog(&printer, owner).windowTitle();
            return false;
        });
        Euro::printTape(nullptr, additionTape());
        Euro::installPrintDialogRunner(previous);
        QCOMPARE(title, QStringLiteral("Imprimer"));
    }

    // Saving to a file: the dialog proposes the day's file in the documents folder; the file
    // is written whole, or not at all: then the system's reason is said, naming the file, and
    // the dialog comes again on that name, until a file is written or the dialog cancelled.
    void saveTape_data()
    {
        QTest::addColumn<QStringList>("answers");            // the dialog's, in turn ("" cancels), in a fresh
                                                             // folder holding "old.txt", the plain file "plain"
                                                             // and the folder "sub"
        QTest::addColumn<QString>("written");                // the file that holds the tape
        QTest::addColumn<bool>("documents");                 // the home folder has a documents folder
        QTest::addColumn<QStringList>("reasons");            // of each refusal
        const QString notAFolder = qt_error_string(ENOTDIR); // the system's words
        QTest::newRow("a new file") << QStringList{"bande.txt"} << "bande.txt" << true << QStringList();
        QTest::newRow("an existing file, replaced") << QStringList{"old.txt"} << "old.txt" << false << QStringList();
        QTest::newRow("refused: a folder that is a file, then cancelled")
            << QStringList{"plain/bande.txt", ""} << "" << false << QStringList{notAFolder};
        QTest::newRow("refused twice, then written elsewhere")
            << QStringList{"plain/bande.txt", "sub", "bande.txt"} << "bande.txt" << false
            << QStringList{notAFolder, "Le nom de fichier est associé à un répertoire"};
        QTest::newRow("cancelled") << QStringList{""} << "" << false << QStringList();
    }
    void saveTape()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, written);
        QFETCH(bool, documents);
        QFETCH(QStringList, reasons);
        const QString documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(documents ? QDir().mkpath(documentsFolder) : QDir(documentsFolder).removeRecursively());
        TestSupport::FixedClock clock(QDateTime(QDate(2026, 12, 8), QTime(7, 24)));
        TestSupport::MessageCapture messages;
        QTemporaryDir folder;
        for (const char *name : {"old.txt", "plain"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        }
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
        QStringList proposed, paths;
        QList<qsizetype> messagesBefore; // shown before each dialog
        const Euro::SaveDialogRunner previous =
            Euro::installSaveDialogRunner([&](const Euro::SaveDialogRequest &request, QWidget *) {
                proposed << request.proposedPath;
                messagesBefore << messages.shown().size();
                const QString answer = answers.value(paths.size()); // cancels once the answers run out
                paths << (answer.isEmpty() ? QString() : folder.filePath(answer));
                return paths.last();
            });
        const bool saved = Euro::saveTape(nullptr, additionTape(), QStringLiteral("Calcul en Euros"));
        Euro::installSaveDialogRunner(previous);

        QCOMPARE(saved, !written.isEmpty());
        QCOMPARE(paths.size(), answers.size());
        QCOMPARE(QFileInfo(proposed.first()).fileName(), QStringLiteral("bande-2026-12-08.txt"));
        QCOMPARE(QFileInfo(proposed.first()).path(), documents ? documentsFolder : QDir::homePath());
        QCOMPARE(proposed.mid(1), paths.first(paths.size() - 1)); // again on the name that failed
        QStringList shown, expected;
        for (const TestSupport::ShownMessage &m : messages.shown())
            shown << m.text;
        for (qsizetype k = 0; k < reasons.size(); ++k)
            expected << QStringLiteral("Impossible d'enregistrer la bande dans « %1 » : %2.").arg(paths[k], reasons[k]);
        QCOMPARE(shown, expected);
        for (qsizetype k = 0; k < messagesBefore.size(); ++k)
            QCOMPARE(messagesBefore[k], qMin(k, reasons.size()));
        QFile old(folder.filePath(QStringLiteral("old.txt")));
        QVERIFY(old.open(QIODevice::ReadOnly));
        if (written != QLatin1String("old.txt"))
            QCOMPARE(old.readAll(), QByteArray("old"));
        QFile file(folder.filePath(written));
        if (!written.isEmpty()) { // the heading names the mode the tape starts in
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()),
                     QStringLiteral("Pecunio — Calcul en FRF — 08/12/2026\n\n") + additionTape().remove(u'\r'));
        }
    }

    // Qt's own dialog: a name typed without an extension gets ".txt".
    void typedNameGetsTxt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "bande"
                                      << "bande.txt";
        QTest::newRow("an extension of its own kept") << "bande.csv"
                                                      << "bande.csv";
    }
    void typedNameGetsTxt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        TestSupport::MessageCapture messages;
        const QString documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir(documentsFolder).removeRecursively() && QDir().mkpath(documentsFolder));
        QTimer::singleShot(0, [typed] {
            QFileDialog *dialog = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets())
                dialog = dialog ? dialog : qobject_cast<QFileDialog *>(window);
            QVERIFY(dialog);
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QVERIFY(Euro::saveTape(nullptr, additionTape(), QString()));
        QCOMPARE(QDir(documentsFolder).entryList(QDir::Files), QStringList{written});
    }

    void printedLines_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty tape: the empty line alone") << QString() << QStringList{""};
        QTest::newRow("final CR LF ends the last line") << "a\r\nb\r\n" << QStringList{"", "a", "b"};
        QTest::newRow("no final CR LF") << "a\r\nb" << QStringList{"", "a", "b"};
        QTest::newRow("empty line inside kept") << "a\r\n\r\nb\r\n" << QStringList{"", "a", "", "b"};
        QTest::newRow("two final breaks keep one empty line") << "a\r\n\r\n" << QStringList{"", "a", ""};
        QTest::newRow("spaces kept") << "          100\r\n=        150\r\n"
                                     << QStringList{"", "          100", "=        150"};
        QTest::newRow("a lone line feed also breaks") << "a\nb" << QStringList{"", "a", "b"};
    }
    void printedLines()
    {
        QFETCH(QString, tape);
        QFETCH(QStringList, lines);
        QCOMPARE(Euro::printedTapeLines(tape), lines);
    }

    void printsTheTape()
    {
        const QString pdf = dir.filePath(QStringLiteral("addition.pdf"));
        AcceptDialogToPdf dialog(pdf);
        Euro::printTape(nullptr, additionTape());
        QCOMPARE(dialog.shown, 1);
        QCOMPARE(pdfLines(pdf), (QStringList{"08/12/2026 - 07:24", "-------------------------", "Calcul en FRF", "100",
                                             "+", "50", "----------", "= 150"}));
        QCOMPARE(pdfPages(pdf), 1);
        // The amounts end at one right edge, in a fixed-pitch font.
        QList<int> rightEdges; // tenths of a point
        for (const Word &w : pdfWords(pdf))
            if (QStringList{"100", "50", "150"}.contains(w.text))
                rightEdges << qRound(w.xMax * 10);
        QCOMPARE(rightEdges, QList<int>(3, rightEdges.value(0)));
    }

    // Lines split into pages of a given height: "|" separates lines, "/" pages; lines
    // named "tall" are three high, the others one.
    void tapePages_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<QString>("pages");
        QTest::newRow("all on one page") << "|a|b||c|d" << 10 << "|a|b||c|d";
        QTest::newRow("an operation goes whole to the next page, without its gap") << "a|b||c|d|e" << 4 << "a|b/c|d|e";
        QTest::newRow("gaps within a page stay") << "a||b||c" << 5 << "a||b||c";
        QTest::newRow("a run taller than a page is split") << "a|b|c|d|e" << 2 << "a|b/c|d/e";
        QTest::newRow("the empty line first stays") << "|a|b" << 3 << "|a|b";
        QTest::newRow("a wrapped line counts its height") << "a||tall|b" << 4 << "a/tall|b";
        QTest::newRow("a heading goes with the operation after it")
            << "a||-+-+-+-+-+-||Calcul en FRF||b|c" << 7 << "a/-+-+-+-+-+-||Calcul en FRF||b|c";
        QTest::newRow("the final heading stays with the operation before it")
            << "a||b|c||-+-+-+-+-+-||Calcul en FRF" << 6 << "a/b|c||-+-+-+-+-+-||Calcul en FRF";
        QTest::newRow("the final heading after a run taller than a page")
            << "a|b|c|d|e|f||-+-+-+-+-+-" << 3 << "a|b|c/d|e/f||-+-+-+-+-+-";
        QTest::newRow("a page-high operation first: its total stays, the empty line before it goes")
            << "|a|b|c" << 3 << "a|b|c";
        QTest::newRow("headings before an operation taller than the rest of the page go over with its first lines")
            << "a||-+-+-+-+-+-||b|c|d|e" << 4 << "a/-+-+-+-+-+-||b|c/d|e";
        QTest::newRow("the final heading takes the total and its rule along")
            << "a|b|c|        ----------|=        6||-+-+-+-+-+-" << 5
            << "a|b|c/        ----------|=        6||-+-+-+-+-+-";
        QTest::newRow("clear all in the middle of an operation: its rule goes with the mode line after it")
            << "a|+|-+-+-+-+-+-||Calcul en FRF||b|c" << 6 << "a|+/-+-+-+-+-+-||Calcul en FRF||b|c";
        QTest::newRow("an empty line ending the tape at a page's foot adds no page") << "a|b|c|" << 3 << "a|b|c";
        QTest::newRow("headings only, taller than a page: split where they must be")
            << "|08/12/2026 - 07:24|-------------------------||Calcul en FRF" << 3
            << "|08/12/2026 - 07:24|-------------------------/Calcul en FRF";
    }
    void tapePages()
    {
        QFETCH(QString, lines);
        QFETCH(int, pageHeight);
        QFETCH(QString, pages);
        const auto height = [](const QString &line) { return line == QLatin1String("tall") ? 3 : 1; };
        QStringList got;
        for (const QStringList &page : Euro::tapePages(lines.split(u'|'), pageHeight, height))
            got << page.join(u'|');
        QCOMPARE(got.join(u'/'), pages);
    }

    // Every page is headed with the mode of its first line; an operation ends on the page
    // where it starts; the final heading never fills a page of its own.
    void pagesAreHeadedAndKeepOperationsWhole_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("firstMode");
        QTest::addColumn<QString>("lastMode");
        const QString clear = QStringLiteral("\r\n-+-+-+-+-+-\r\n\r\nCalcul en %1\r\n");
        QString additions = additionsTape(40);
        additions.remove(0, additions.indexOf(QStringLiteral("\r\n\r\n"))); // the operations only
        QTest::newRow("forty additions") << additionsTape(40) << "FRF"
                                         << "FRF";
        // Nine additions fill the first page to its foot.
        QTest::newRow("a full page, then clear all") << additionsTape(9) + clear.arg("FRF") << "FRF"
                                                     << "FRF";
        QTest::newRow("euros after francs")
            << additionsTape(40) + clear.arg("Euros") + additions + clear.arg("FRF") << "FRF"
            << "Euros";
    }
    void pagesAreHeadedAndKeepOperationsWhole()
    {
        QFETCH(QString, tape);
        QFETCH(QString, firstMode);
        QFETCH(QString, lastMode);
        TestSupport::FixedClock clock(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        const QString pdf = dir.filePath(QStringLiteral("forty.pdf"));
        AcceptDialogToPdf dialog(pdf);
        Euro::printTape(nullptr, tape, QStringLiteral("Calcul en DEM")); // the mode at printing
        const QList<QStringList> pages = pdfPageLines(pdf);
        QVERIFY(pages.size() > 1);
        QCOMPARE(pages.size(), pdfPages(pdf));
        static const QRegularExpression heading(
            QStringLiteral("^Pecunio Calcul en (\\S+) \u2014 10/12/2026 page (\\d+) / (\\d+)$"));
        QStringList modes;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QRegularExpressionMatch m = heading.match(pages[p].first());
            QVERIFY2(m.hasMatch(), qPrintable(pages[p].first()));
            QCOMPARE(m.captured(2) + u'/' + m.captured(3), QStringLiteral("%1/%2").arg(p + 1).arg(pages.size()));
            modes << m.captured(1);
            const QString last = pages[p].last();
            QVERIFY2(last.startsWith(u'=') || (p == pages.size() - 1 && last.startsWith(QLatin1String("Calcul en "))),
                     qPrintable(last));
            QVERIFY2(pages[p].filter(QRegularExpression(QStringLiteral("^= "))).size() > 0, "a page of headings only");
        }
        QCOMPARE(modes.first(), firstMode);
        QCOMPARE(modes.last(), lastMode);
        QStringList tapeLines = Euro::printedTapeLines(tape); // the tape's own lines
        tapeLines.removeAll(QString());
        for (QString &line : tapeLines)
            line = line.simplified();
        QCOMPARE(pdfLines(pdf), tapeLines);
    }

    // One calculation of 26 to 31 additions at the foot of a page, then clear all or not:
    // what each page holds, its first and last tape lines. The calculation stays on one page
    // while it fits there with the headings before it and after it; only a longer one runs
    // over, its headings with its first lines and its total with the headings after it.
    void pageBoundary_data()
    {
        QTest::addColumn<int>("shortBefore"); // short additions before it
        QTest::addColumn<int>("additions");
        QTest::addColumn<bool>("clearAll");
        QTest::addColumn<QStringList>("pages"); // "first … last" of each page
        const QString start = QStringLiteral("08/12/2026 - 07:24 … ");
        QTest::newRow("26: one page") << 0 << 26 << false << QStringList{start + "= 378"};
        QTest::newRow("26, C: the page is full") << 0 << 26 << true << QStringList{start + "Calcul en FRF"};
        QTest::newRow("27") << 0 << 27 << false << QStringList{start + "= 406"};
        QTest::newRow("27, C: the total goes over with the clear")
            << 0 << 27 << true << QStringList{start + "28", "---------- … Calcul en FRF"};
        QTest::newRow("28: the page is full") << 0 << 28 << false << QStringList{start + "= 435"};
        QTest::newRow("28, C") << 0 << 28 << true << QStringList{start + "29", "---------- … Calcul en FRF"};
        QTest::newRow("29: longer than a page with its headings")
            << 0 << 29 << false << QStringList{start + "30", "---------- … = 465"};
        QTest::newRow("29, C") << 0 << 29 << true << QStringList{start + "30", "---------- … Calcul en FRF"};
        QTest::newRow("30") << 0 << 30 << false << QStringList{start + "30", "+ … = 496"};
        QTest::newRow("30, C") << 0 << 30 << true << QStringList{start + "30", "+ … Calcul en FRF"};
        QTest::newRow("31: longer than a page alone") << 0 << 31 << false << QStringList{start + "30", "+ … = 528"};
        QTest::newRow("31, C") << 0 << 31 << true << QStringList{start + "30", "+ … Calcul en FRF"};
        QTest::newRow("a short one, then 27: whole on the next page")
            << 1 << 27 << false << QStringList{start + "= 3", "1 … = 406"};
        QTest::newRow("a short one, then 31: from the first page on")
            << 1 << 31 << true << QStringList{start + "27", "+ … Calcul en FRF"};
    }
    void pageBoundary()
    {
        QFETCH(int, shortBefore);
        QFETCH(int, additions);
        QFETCH(bool, clearAll);
        QFETCH(QStringList, pages);
        QString tape = chainTape(additions, clearAll);
        for (int i = 0; i < shortBefore; ++i) // after the opening lines
            tape.insert(tape.indexOf(QStringLiteral("\r\n\r\n")) + 2,
                        QStringLiteral("\r\n          1\r\n+\r\n          2\r\n        ----------\r\n=        3\r\n"));
        const QString pdf = dir.filePath(QStringLiteral("boundary.pdf"));
        AcceptDialogToPdf dialog(pdf);
        Euro::printTape(nullptr, tape);
        const QList<QStringList> printed = pdfPageLines(pdf);
        QStringList held;
        for (const QStringList &page : printed) {
            QVERIFY2(page.first().startsWith(QLatin1String("Pecunio Calcul en FRF")), qPrintable(page.first()));
            const QStringList lines = page.mid(1);
            QVERIFY2(!lines.isEmpty(), "a page of its heading only");
            held << lines.first() + QStringLiteral(" … ") + lines.last();
        }
        QCOMPARE(held, pages);
        QStringList tapeLines = Euro::printedTapeLines(tape); // nothing lost, nothing twice
        tapeLines.removeAll(QString());
        for (QString &line : tapeLines)
            line = line.simplified();
        QCOMPARE(pdfLines(pdf), tapeLines);
    }

    void indentationIsPrinted()
    {
        const QString pdf = dir.filePath(QStringLiteral("indent.pdf"));
        AcceptDialogToPdf dialog(pdf);
        Euro::printTape(nullptr, QStringLiteral("+\r\n          100\r\n"));
        const QList<Word> words = pdfWords(pdf);
        QCOMPARE(words.size(), 2);
        QVERIFY2(words[1].xMin > words[0].xMin + 10, "the ten spaces before 100 are printed");
        QVERIFY(words[1].yMin > words[0].yMin);
    }

    void emptyLineFirst()
    {
        // The same line printed alone and printed as a tape: the tape starts one line lower.
        const QString alone = dir.filePath(QStringLiteral("alone.pdf"));
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(alone);
            QVERIFY(Euro::printLines(printer, {QStringLiteral("Calcul")}));
        }
        const QString tape = dir.filePath(QStringLiteral("tape.pdf"));
        AcceptDialogToPdf dialog(tape);
        Euro::printTape(nullptr, QStringLiteral("Calcul\r\n"));
        const QList<Word> a = pdfWords(alone), t = pdfWords(tape);
        QCOMPARE(a.size(), 1);
        QCOMPARE(t.size(), 1);
        const double drop = t[0].yMin - a[0].yMin;
        QVERIFY2(drop > 8 && drop < 30, qPrintable(QString::number(drop))); // one line of a normal font, in points
    }

    void cancelPrintsNothing()
    {
        const QString pdf = dir.filePath(QStringLiteral("cancelled.pdf"));
        AcceptDialogToPdf dialog(pdf, false);
        Euro::printTape(nullptr, additionTape());
        QCOMPARE(dialog.shown, 1);
        QVERIFY(!QFile::exists(pdf));
    }

    void longTapeGoesOnNewPages()
    {
        QString tape;
        QStringList expected;
        for (int i = 1; i <= 150; ++i) {
            tape += QStringLiteral("          %1\r\n+\r\n").arg(i);
            expected << QString::number(i) << QStringLiteral("+");
        }
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        AcceptDialogToPdf dialog(pdf);
        Euro::printTape(nullptr, tape);
        QVERIFY(pdfPages(pdf) >= 3);
        QCOMPARE(pdfLines(pdf), expected); // nothing lost, nothing twice, in order
    }

    void wideLineIsNotCut()
    {
        const QString digits = QString(QStringLiteral("1234567890")).repeated(30);
        const QString pdf = dir.filePath(QStringLiteral("wide.pdf"));
        AcceptDialogToPdf dialog(pdf);
        Euro::printTape(nullptr, QStringLiteral("          ") + digits + CrLf + QStringLiteral("Total") + CrLf);
        const QStringList lines = pdfLines(pdf);
        QVERIFY(lines.size() > 2); // the wide line took several printed lines
        QCOMPARE(lines.last(), QStringLiteral("Total"));
        QCOMPARE(QStringList(lines.mid(0, lines.size() - 1)).join(QString()).remove(QLatin1Char(' ')), digits);
    }

    // The dialog never saw the name the program gives a file named by its folder only: the
    // tape goes to a new file and the user is told which, whatever is already there.
    void fileNamedByItsFolderOnly_data()
    {
        QTest::addColumn<bool>("trailingSlash");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("written");
        QTest::newRow("folder with a slash") << true << QStringList() << "Pecunio.pdf";
        QTest::newRow("folder without a slash") << false << QStringList() << "Pecunio.pdf";
        QTest::newRow("a file of that name is there") << true << QStringList{"Pecunio.pdf"} << "Pecunio (2).pdf";
        QTest::newRow("two are there") << false << QStringList{"Pecunio.pdf", "Pecunio (2).pdf"} << "Pecunio (3).pdf";
    }
    void fileNamedByItsFolderOnly()
    {
        QFETCH(bool, trailingSlash);
        QFETCH(QStringList, existing);
        QFETCH(QString, written);
        QTemporaryDir folder;
        for (const QString &name : existing) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("the user's own");
        }
        TestSupport::MessageCapture messages;
        AcceptDialogToPdf dialog(folder.path() + (trailingSlash ? QStringLiteral("/") : QString()));
        Euro::printTape(nullptr, additionTape());

        const QString pdf = folder.filePath(written);
        QCOMPARE(pdfLines(pdf).value(2), QStringLiteral("Calcul en FRF"));
        for (const QString &name : existing) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("the user's own"));
        }
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().style, int(Euro::vbInformation));
        QVERIFY2(messages.shown().first().text.endsWith(QDir::toNativeSeparators(pdf)),
                 qPrintable(messages.shown().first().text));
    }

    void unwritablePrinterEndsSilently()
    {
        TestSupport::MessageCapture messages;
        const QString pdf = dir.filePath(QStringLiteral("no/such/folder/out.pdf"));
        AcceptDialogToPdf dialog(pdf);
        Euro::printTape(nullptr, additionTape());
        QCOMPARE(dialog.shown, 1);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(messages.shown().isEmpty());
    }
};

QTEST_MAIN(TestTapePrinter)
#include "tst_tapeprinter.moc"
