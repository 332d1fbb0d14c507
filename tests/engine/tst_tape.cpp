// The operations tape: every block to the character, and the record of a calculation.

#include "engine/calculator.h"
#include "engine/numbertext.h"
#include "support/keysequence.h"
#include "support/testsupport.h"
#include "tape/tape.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QDateTime Morning(QDate(2026, 12, 8), QTime(7, 24));
}

class TestTape : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blocks_data();
    void blocks();
    void displayAmount_data();
    void displayAmount();
    void dateTimeLine_data();
    void dateTimeLine();
    void recordOfACalculation();
    void signalsMirrorTheText();
    void tapeAddsUp_data();
    void tapeAddsUp();
};

void TestTape::blocks_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("text");

    QTest::newRow("start header") << "start"
                                  << ""
                                  << "08/12/2026 - 07:24\n-------------------------\nCalcul en FRF\n";
    QTest::newRow("cleared tape") << "cleared"
                                  << "Calcul en Euros"
                                  << "08/12/2026 - 07:24\n-------------------------\n\nCalcul en Euros\n";
    QTest::newRow("clear block") << "clear"
                                 << "Calcul en BEF"
                                 << "\n-+-+-+-+-+-\n\nCalcul en BEF\n";
    QTest::newRow("operand line") << "operand"
                                  << "12,5"
                                  << "\n          12,5";
    QTest::newRow("operand line drops final comma") << "operand"
                                                    << "100,"
                                                    << "\n          100";
    QTest::newRow("operand line of a decimal alone") << "operand"
                                                     << ","
                                                     << "\n          ";
    QTest::newRow("operator line") << "operator"
                                   << "X"
                                   << "\nX";
    QTest::newRow("total block") << "total"
                                 << "150"
                                 << "\n        ----------\n=        150\n";
    QTest::newRow("total block of keyed text") << "total"
                                               << "8,"
                                               << "\n        ----------\n=        8\n";
    QTest::newRow("total block of a refused operation") << "refused"
                                                        << "Division par zéro"
                                                        << "\n        ----------\n=        Division par zéro\n";
}

void TestTape::blocks()
{
    QFETCH(QString, block);
    QFETCH(QString, argument);
    QFETCH(QString, text);
    TestSupport::FixedClock clock(Morning);
    Tape tape;
    if (block == QLatin1String("start"))
        tape.startHeader(QStringLiteral("Calcul en FRF"));
    else if (block == QLatin1String("cleared"))
        tape.clearTape(argument);
    else if (block == QLatin1String("clear"))
        tape.appendClearBlock(argument);
    else if (block == QLatin1String("operand"))
        tape.appendOperandLine(argument);
    else if (block == QLatin1String("operator"))
        tape.appendOperatorLine(argument);
    else if (block == QLatin1String("total"))
        tape.appendTotalBlock(argument);
    else if (block == QLatin1String("refused"))
        tape.appendRefusedTotal(argument);
    else
        QFAIL("unknown block");
    QCOMPARE(tape.text(), TestKeys::crlf(text));
    QCOMPARE(tape.length(), tape.text().size());
}

void TestTape::displayAmount_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("amount");
    QTest::newRow("entry form") << "12,"
                                << "12";
    QTest::newRow("decimals stay") << "12,5"
                                   << "12,5";
    QTest::newRow("zero") << "0,"
                          << "0";
    QTest::newRow("comma alone") << ","
                                 << "";
    QTest::newRow("sign and comma") << "-,"
                                    << "-";
    QTest::newRow("result") << "9,9999998E+15"
                            << "9,9999998E+15";
    QTest::newRow("empty") << ""
                           << "";
}

void TestTape::displayAmount()
{
    QFETCH(QString, display);
    QFETCH(QString, amount);
    QCOMPARE(Tape::displayAmount(display), amount);
}

void TestTape::dateTimeLine_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("line");
    QTest::newRow("morning") << Morning << "08/12/2026 - 07:24";
    QTest::newRow("midnight") << QDateTime(QDate(2027, 1, 1), QTime(0, 5)) << "01/01/2027 - 00:05";
    QTest::newRow("evening, 24-hour") << QDateTime(QDate(2026, 11, 30), QTime(23, 59, 59)) << "30/11/2026 - 23:59";
}

void TestTape::dateTimeLine()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, line);
    TestSupport::FixedClock clock(when);
    QCOMPARE(Tape::dateTimeLine(), line);
}

void TestTape::recordOfACalculation()
{
    // Window start, then with input in FRF: 1, 0, 0, +, 5, 0, =, then clear all.
    TestSupport::FixedClock clock(Morning);
    Tape tape;
    Calculator calc(tape);
    calc.start(QStringLiteral("6,55957"));
    tape.startHeader(QStringLiteral("Calcul en FRF"));
    TestKeys::press(calc, QStringLiteral("1 0 0 + 5 0 = C"));

    QVERIFY(tape.text().endsWith(QStringLiteral("\r\n")));
    QStringList lines = tape.text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString()); // the text ends with CR LF
    const QStringList expected{
        "08/12/2026 - 07:24", "-------------------------", "Calcul en FRF", "", "          100", "+",
        "          50",       "        ----------",        "=        150",  "", "-+-+-+-+-+-",   "",
        "Calcul en FRF",
    };
    QCOMPARE(lines, expected);
    QVERIFY(!tape.text().remove(QStringLiteral("\r\n")).contains(u'\n'));
    QVERIFY(!tape.text().remove(QStringLiteral("\r\n")).contains(u'\r'));
}

void TestTape::signalsMirrorTheText()
{
    TestSupport::FixedClock clock(Morning);
    Tape tape;
    Calculator calc(tape);
    calc.start(QStringLiteral("6,55957"));
    QString mirror;
    int clears = 0;
    connect(&tape, &Tape::cleared, this, [&] {
        mirror.clear();
        ++clears;
    });
    connect(&tape, &Tape::appended, this, [&](const QString &piece) { mirror += piece; });

    tape.startHeader(QStringLiteral("Calcul en FRF"));
    TestKeys::press(calc, QStringLiteral("1 2 + 3 X - 4 = C 8 / 0 ="));
    QCOMPARE(mirror, tape.text());
    tape.clearTape(calc.modeLine());
    QCOMPARE(mirror, tape.text());
    TestKeys::press(calc, QStringLiteral("5 +"));
    QCOMPARE(mirror, tape.text());
    QCOMPARE(clears, 2);

    // One signal per block: the operator key writes the operand line, then the total.
    QSignalSpy pieces(&tape, &Tape::appended);
    TestKeys::press(calc, QStringLiteral("6 ="));
    QCOMPARE(pieces.size(), 2);
    QCOMPARE(pieces.at(0).at(0).toString(), QStringLiteral("\r\n          6"));
    QCOMPARE(pieces.at(1).at(0).toString(), QStringLiteral("\r\n        ----------\r\n=        11\r\n"));
}

void TestTape::tapeAddsUp_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("totals");
    QTest::newRow("sign after an operator") << "5 X - - 3 =" << 1;
    QTest::newRow("sign first") << "- 5 + 8 =" << 1;
    QTest::newRow("sign while = is pending") << "2 + 3 = - 4 + 1 =" << 2;
    QTest::newRow("sign in a chain") << "2 0 - 8 X - 2 + - 1 0 =" << 1;
    QTest::newRow("clear entry") << "1 2 + 5 CE + 3 =" << 1;
    QTest::newRow("tape cleared mid-calculation") << "5 0 + Effacer 1 0 0 =" << 1;
    QTest::newRow("tape cleared during a sign") << "5 0 X - Effacer 2 =" << 1;
    QTest::newRow("tape cleared after a result") << "2 X 3 = Effacer + 4 =" << 1;
    QTest::newRow("tape cleared mid-chain") << "2 + 3 X Effacer 4 =" << 1;
}

void TestTape::tapeAddsUp()
{
    // A person adds the tape up from its last heading on, left to right: each total is what
    // the amounts and operators above it make.
    QFETCH(QString, keys);
    QFETCH(int, totals);
    Tape tape;
    Calculator calc(tape);
    calc.start(QStringLiteral("6,55957"));
    tape.startHeader(calc.modeLine());
    TestKeys::press(calc, keys);

    std::optional<Amount> running;
    QChar pending;
    int checked = 0;
    for (const QString &line : tape.text().split(QStringLiteral("\r\n"))) {
        if (Tape::isHeadingLine(line)) {
            running.reset();
        } else if (line.startsWith(QStringLiteral("          "))) {
            const std::optional<Amount> amount = Euro::NumberText::read(line.trimmed());
            QVERIFY2(amount, qPrintable(line));
            if (!running)
                running = *amount;
            else if (pending == u'+')
                *running += *amount;
            else if (pending == u'-')
                *running -= *amount;
            else if (pending == u'X')
                *running *= *amount;
            else if (pending == u'/')
                *running /= *amount;
            else
                QFAIL(qPrintable(QStringLiteral("an amount follows an amount: ") + line));
            pending = QChar();
        } else if (line.size() == 1) {
            QVERIFY2(running, "an operator before any amount");
            pending = line[0];
        } else if (line.startsWith(u'=')) {
            QVERIFY2(running, "a total before any amount");
            QCOMPARE(Euro::NumberText::format(*running), line.mid(1).trimmed());
            running.reset();
            ++checked;
        }
    }
    QCOMPARE(checked, totals);
}

QTEST_GUILESS_MAIN(TestTape)
#include "tst_tape.moc"
