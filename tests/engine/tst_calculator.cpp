// Key sequences in, the two displays, the tape and the messages out.

#include "engine/calculator.h"
#include "engine/calculatorstate.h"
#include "engine/numbertext.h"
#include "support/keysequence.h"
#include "support/testsupport.h"
#include "tape/tape.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString Frf = QStringLiteral("6,55957");

// Tape pieces, CR LF written as "\n".
QString operand(const QString &amount) { return QStringLiteral("\n          ") + amount; }
QString line(const QString &caption) { return QStringLiteral("\n") + caption; }
QString total(const QString &amount)
{
    return QStringLiteral("\n        ----------\n=        ") + amount + QStringLiteral("\n");
}

// The display writes a spy saw, as "display:text".
QStringList displayWrites(const QSignalSpy &changes)
{
    QStringList writes;
    for (const QList<QVariant> &c : changes)
        writes << QString::number(c.at(0).toInt()) + u':' + c.at(1).toString();
    return writes;
}

const QString DivZero = QStringLiteral("Division par zéro.");
const QString Overflow = QStringLiteral("Dépassement de capacité.");
// The total block of a refused operation: the message, without its full stop.
QString refused(const QString &message) { return total(message.chopped(1)); }

} // namespace

class TestCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys_data();
    void keys();
    void startState();
    void clearAllRestoresStart_data();
    void clearAllRestoresStart();
    void stateAfterDivisionByZero();
    void displayWritesRunTheConversion();
    void conversionFailureKeepsConvertedText_data();
    void conversionFailureKeepsConvertedText();
    void modeLine_data();
    void modeLine();
    void clearOfTheTapeKeepsCalculation();
    void indexesOutsideTheKeypad();
};

void TestCalculator::keys_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("inputText");
    QTest::addColumn<QString>("convertedText");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;

    // Number entry.
    QTest::newRow("after clear all") << Frf << 1 << 2 << ""
                                     << "0,"
                                     << "0"
                                     << "" << none;
    QTest::newRow("digits convert at once") << Frf << 1 << 2 << "1 0 0"
                                            << "100,"
                                            << "15,24"
                                            << "" << none;
    QTest::newRow("digits and decimal") << Frf << 1 << 2 << "1 2 , 5"
                                        << "12,5"
                                        << "1,91"
                                        << "" << none;
    QTest::newRow("digit then decimal only") << Frf << 1 << 2 << "1 2 ,"
                                             << "12,"
                                             << "1,83"
                                             << "" << none;
    QTest::newRow("leading zeros stay") << Frf << 1 << 2 << "0 0 7"
                                        << "007,"
                                        << "1,07"
                                        << "" << none;
    QTest::newRow("decimal first keeps converted") << Frf << 1 << 2 << ","
                                                   << ","
                                                   << "0"
                                                   << "" << none;
    QTest::newRow("decimal first then digit") << Frf << 1 << 2 << ", 5"
                                              << ",5"
                                              << "0,08"
                                              << "" << none;
    QTest::newRow("second decimal changes nothing") << Frf << 1 << 2 << "1 , , 5 , 3"
                                                    << "1,53"
                                                    << "0,23"
                                                    << "" << none;
    QTest::newRow("clear entry") << Frf << 1 << 2 << "4 5 CE"
                                 << "0,"
                                 << "0"
                                 << "" << none;
    QTest::newRow("decimal after clear entry") << Frf << 1 << 2 << "4 5 CE , 2"
                                               << ",2"
                                               << "0,03"
                                               << "" << none;

    // Conversion, both ways, 2 and 5 decimals.
    QTest::newRow("100 FRF at 5 decimals") << Frf << 1 << 5 << "1 0 0"
                                           << "100,"
                                           << "15,2449"
                                           << "" << none;
    QTest::newRow("1000 FRF") << Frf << 1 << 2 << "1 0 0 0"
                              << "1000,"
                              << "152,45"
                              << "" << none;
    QTest::newRow("1 euro in FRF") << Frf << 0 << 2 << "1"
                                   << "1,"
                                   << "6,56"
                                   << "" << none;
    QTest::newRow("1 euro in FRF at 5 decimals") << Frf << 0 << 5 << "1"
                                                 << "1,"
                                                 << "6,55957"
                                                 << "" << none;
    QTest::newRow("1 euro in ITL at 5 decimals") << "1936,27" << 0 << 5 << "1"
                                                 << "1,"
                                                 << "1936,27"
                                                 << "" << none;
    QTest::newRow("1 ITL in euros at 5 decimals") << "1936,27" << 1 << 5 << "1"
                                                  << "1,"
                                                  << "0,00052"
                                                  << "" << none;
    QTest::newRow("tiny amount in exponent form") << "1" << 1 << 5 << ",00001"
                                                  << ",00001"
                                                  << "1E-05"
                                                  << "" << none;
    QTest::newRow("0,0001 without exponent") << "1" << 1 << 5 << ",0001"
                                             << ",0001"
                                             << "0,0001"
                                             << "" << none;
    QTest::newRow("below half of the last decimal") << "1" << 1 << 5 << ",000004"
                                                    << ",000004"
                                                    << "0"
                                                    << "" << none;
    // Halves go away from zero, judged on the amount's 15 digits.
    QTest::newRow("half up: 0,3 EUR in GRD") << "340,750" << 0 << 2 << "0,3"
                                             << "0,3"
                                             << "102,23"
                                             << "" << none;
    QTest::newRow("half up: 1,5 EUR in GRD") << "340,750" << 0 << 2 << "1,5"
                                             << "1,5"
                                             << "511,13"
                                             << "" << none;
    QTest::newRow("half up on negative amount") << "340,750" << 0 << 2 << "- 1,5"
                                                << "-1,5"
                                                << "-511,13"
                                                << "" << none;
    QTest::newRow("half of last decimal at 5") << "1" << 1 << 5 << "0,000125"
                                               << "0,000125"
                                               << "0,00013"
                                               << "" << none;
    // A new rate or new decimals convert the input display again at once.
    QTest::newRow("a new rate converts at once") << Frf << 1 << 2 << "1 0 0 rate:10"
                                                 << "100,"
                                                 << "10"
                                                 << "" << none;
    QTest::newRow("a new rate, input in euros") << Frf << 0 << 2 << "1 rate:2"
                                                << "1,"
                                                << "2"
                                                << "" << none;
    QTest::newRow("five decimals at once") << Frf << 1 << 2 << "1 0 0 decimals:5"
                                           << "100,"
                                           << "15,2449"
                                           << "" << none;
    QTest::newRow("two decimals at once") << Frf << 1 << 5 << "1 0 0 decimals:2"
                                          << "100,"
                                          << "15,24"
                                          << "" << none;
    QTest::newRow("a new rate on a result") << Frf << 1 << 2 << "5 0 + 5 0 = rate:10"
                                            << "100"
                                            << "10" << operand("50") + line("+") + operand("50") + total("100") << none;

    // Operators.
    QTest::newRow("road of one calculation")
        << Frf << 1 << 2 << "1 0 0 + 5 0 ="
        << "150"
        << "22,87" << operand("100") + line("+") + operand("50") + total("150") << none;
    QTest::newRow("operator keeps keyed text") << Frf << 1 << 2 << "1 0 0 +"
                                               << "100,"
                                               << "15,24" << operand("100") + line("+") << none;
    QTest::newRow("operator after = goes on with result")
        << Frf << 1 << 2 << "1 2 + 5 = X 2 ="
        << "34"
        << "5,18"
        << operand("12") + line("+") + operand("5") + total("17") + operand("17") + line("X") + operand("2")
               + total("34")
        << none;
    QTest::newRow("amount after = starts a new chain")
        << Frf << 1 << 2 << "1 2 + 5 = 7 +"
        << "7"
        << "1,07" << operand("12") + line("+") + operand("5") + total("17") + operand("7") + line("+") << none;
    QTest::newRow("no precedence: intermediate")
        << Frf << 1 << 2 << "2 + 3 X"
        << "5"
        << "0,76" << operand("2") + line("+") + operand("3") + line("X") << none;
    QTest::newRow("no precedence") << Frf << 1 << 2 << "2 + 3 X 4 ="
                                   << "20"
                                   << "3,05"
                                   << operand("2") + line("+") + operand("3") + line("X") + operand("4") + total("20")
                                   << none;
    QTest::newRow("subtraction and division")
        << Frf << 1 << 2 << "2 0 - 8 / 4 ="
        << "3"
        << "0,46" << operand("20") + line("-") + operand("8") + line("/") + operand("4") + total("3") << none;
    QTest::newRow("sign after multiply") << Frf << 1 << 2 << "5 X - 3 ="
                                         << "-15"
                                         << "-2,29" << operand("5") + line("X") + operand("-3") + total("-15") << none;
    QTest::newRow("sign after minus") << Frf << 1 << 2 << "5 - - 3 ="
                                      << "8"
                                      << "1,22" << operand("5") + line("-") + operand("-3") + total("8") << none;
    QTest::newRow("sign first shows -0,") << Frf << 1 << 2 << "-"
                                          << "-0,"
                                          << "0"
                                          << "" << none;
    QTest::newRow("sign first then digit") << Frf << 1 << 2 << "- 5"
                                           << "-5,"
                                           << "-0,76"
                                           << "" << none;
    QTest::newRow("sign first then calculation")
        << Frf << 1 << 2 << "- 5 + 8 ="
        << "3"
        << "0,46" << operand("-5") + line("+") + operand("8") + total("3") << none;
    QTest::newRow("sign then decimal") << Frf << 1 << 2 << "- , 5"
                                       << "-,5"
                                       << "-0,08"
                                       << "" << none;
    QTest::newRow("= right after + computes nothing")
        << Frf << 1 << 2 << "1 2 + ="
        << "12,"
        << "1,83" << operand("12") + line("+") + operand("12") + total("12") << none;
    // While only a sign is keyed, the entry counts as zero, and so does its conversion.
    QTest::newRow("a sign after an operator") << Frf << 1 << 2 << "1 2 + -"
                                              << "-"
                                              << "0" << operand("12") + line("+") << none;
    QTest::newRow("two operators write the amount twice")
        << Frf << 1 << 2 << "1 2 + X"
        << "12,"
        << "1,83" << operand("12") + line("+") + operand("12") + line("X") << none;
    QTest::newRow("= right after a sign") << Frf << 1 << 2 << "- ="
                                          << "-0,"
                                          << "0"
                                          << "" << none;
    QTest::newRow("clear entry then = keeps the first amount")
        << Frf << 1 << 2 << "1 2 + 5 CE ="
        << "12"
        << "1,83" << operand("12") + line("+") + operand("0") + total("12") << none;
    QTest::newRow("clear entry keeps pending operation")
        << Frf << 1 << 2 << "1 2 + 5 CE 3 ="
        << "15"
        << "2,29" << operand("12") + line("+") + operand("3") + total("15") << none;
    // An operator right after a sign corrects the operator: the sign goes, the first amount
    // stays. Before any amount, the sign waits for one whatever operator follows.
    QTest::newRow("sign then X") << Frf << 1 << 2 << "1 0 0 + - X 2 ="
                                 << "200"
                                 << "30,49"
                                 << operand("100") + line("+") + operand("100") + line("X") + operand("2")
                                        + total("200")
                                 << none;
    QTest::newRow("sign then +") << Frf << 1 << 2 << "1 0 0 X - + 2 ="
                                 << "102"
                                 << "15,55"
                                 << operand("100") + line("X") + operand("100") + line("+") + operand("2")
                                        + total("102")
                                 << none;
    QTest::newRow("sign then /") << Frf << 1 << 2 << "1 0 0 - - / 4 ="
                                 << "25"
                                 << "3,81"
                                 << operand("100") + line("-") + operand("100") + line("/") + operand("4") + total("25")
                                 << none;
    QTest::newRow("sign then =") << Frf << 1 << 2 << "1 0 0 X - ="
                                 << "100,"
                                 << "15,24" << operand("100") + line("X") + operand("100") + total("100") << none;
    QTest::newRow("sign then X on an exact result")
        << Frf << 1 << 2 << "1 / 3 + - X 3 ="
        << "1"
        << "0,15"
        << operand("1") + line("/") + operand("3") + line("+") + operand("0,333333333333333") + line("X") + operand("3")
               + total("1")
        << none;
    for (const char *op : {"+", "X", "/", "="}) {
        QTest::addRow("sign first then %s", op) << Frf << 1 << 2 << QStringLiteral("- %1 5 =").arg(op) << "-5,"
                                                << "-0,76" << operand("-5") + total("-5") << none;
    }
    // After CE the entry counts as an amount of zero, and the calculation goes on.
    QTest::newRow("clear entry then +") << Frf << 1 << 2 << "1 2 + 5 CE + 3 ="
                                        << "15"
                                        << "2,29"
                                        << operand("12") + line("+") + operand("0") + line("+") + operand("3")
                                               + total("15")
                                        << none;
    QTest::newRow("clear entry then -") << Frf << 1 << 2 << "1 2 X 5 CE - 3 ="
                                        << "-3"
                                        << "-0,46"
                                        << operand("12") + line("X") + operand("0") + line("-") + operand("3")
                                               + total("-3")
                                        << none;
    QTest::newRow("clear entry then /") << Frf << 1 << 2 << "1 2 / 5 CE ="
                                        << "12,"
                                        << "1,83" << operand("12") + line("/") + operand("0") + refused(DivZero)
                                        << QStringList{DivZero};
    QTest::newRow("clear entry first then X") << Frf << 1 << 2 << "5 CE X 3 ="
                                              << "0"
                                              << "0" << operand("0") + line("X") + operand("3") + total("0") << none;
    QTest::newRow("clear entry first then -")
        << Frf << 1 << 2 << "5 CE - 3 ="
        << "-3"
        << "-0,46" << operand("0") + line("-") + operand("3") + total("-3") << none;
    // Backspace corrects the amount being keyed one digit or comma at a time; elsewhere it is CE.
    QTest::newRow("backspace a digit") << Frf << 1 << 2 << "1 2 3 4 BS"
                                       << "123,"
                                       << "18,75"
                                       << "" << none;
    QTest::newRow("backspace a decimal") << Frf << 1 << 2 << "1 2 , 5 BS 7"
                                         << "12,7"
                                         << "1,94"
                                         << "" << none;
    QTest::newRow("backspace the comma") << Frf << 1 << 2 << "1 2 , 5 BS BS 3"
                                         << "123,"
                                         << "18,75"
                                         << "" << none;
    QTest::newRow("backspace the last digit") << Frf << 1 << 2 << "5 BS 3"
                                              << "3,"
                                              << "0,46"
                                              << "" << none;
    QTest::newRow("backspace a signed digit") << Frf << 1 << 2 << "- 5 BS"
                                              << "0,"
                                              << "0"
                                              << "" << none;
    QTest::newRow("backspace after an operator is CE")
        << Frf << 1 << 2 << "1 2 + BS ="
        << "12"
        << "1,83" << operand("12") + line("+") + operand("0") + total("12") << none;
    QTest::newRow("backspace on a result is CE") << Frf << 1 << 2 << "2 X 3 = BS"
                                                 << "0,"
                                                 << "0" << operand("2") + line("X") + operand("3") + total("6") << none;
    QTest::newRow("backspace in the exponent form is CE") << Frf << 1 << 2 << "{1,5E+20} BS"
                                                          << "0,"
                                                          << "0"
                                                          << "" << none;
    QTest::newRow("10 / 3") << Frf << 1 << 2 << "1 0 / 3 ="
                            << "3,33333333333333"
                            << "0,51" << operand("10") + line("/") + operand("3") + total("3,33333333333333") << none;
    QTest::newRow("0,1 + 0,2") << Frf << 1 << 2 << "0,1 + 0,2 ="
                               << "0,3"
                               << "0,05" << operand("0,1") + line("+") + operand("0,2") + total("0,3") << none;
    // Sums of money come out exact, and a third times three is one again.
    QTest::newRow("change from 100") << Frf << 1 << 2 << "1 0 0 - 9 9 , 9 9 ="
                                     << "0,01"
                                     << "0" << operand("100") + line("-") + operand("99,99") + total("0,01") << none;
    QTest::newRow("5,1 - 5") << Frf << 1 << 2 << "5,1 - 5 ="
                             << "0,1"
                             << "0,02" << operand("5,1") + line("-") + operand("5") + total("0,1") << none;
    QTest::newRow("0,1 + 0,2 - 0,3") << Frf << 1 << 2 << "0,1 + 0,2 - 0,3 ="
                                     << "0"
                                     << "0"
                                     << operand("0,1") + line("+") + operand("0,2") + line("-") + operand("0,3")
                                            + total("0")
                                     << none;
    QTest::newRow("1 / 3 X 3") << Frf << 1 << 2 << "1 / 3 X 3 ="
                               << "1"
                               << "0,15"
                               << operand("1") + line("/") + operand("3") + line("X") + operand("3") + total("1")
                               << none;
    QTest::newRow("1 / 3 X 3 - 1 is zero")
        << Frf << 1 << 2 << "1 / 3 X 3 - 1 ="
        << "0"
        << "0"
        << operand("1") + line("/") + operand("3") + line("X") + operand("3") + line("-") + operand("1") + total("0")
        << none;
    QTest::newRow("2 / 3") << Frf << 1 << 2 << "2 / 3 ="
                           << "0,666666666666667"
                           << "0,1" << operand("2") + line("/") + operand("3") + total("0,666666666666667") << none;
    // A large amount: the exact product rounds down where a double rounded up.
    QTest::newRow("79 292 716,98 EUR in ITL") << "1936,27" << 0 << 2 << "79292716,98"
                                              << "79292716,98"
                                              << "153532109106,86"
                                              << "" << none;
    QTest::newRow("99999999 X 99999999") << Frf << 1 << 2 << "99999999 X 99999999 ="
                                         << "9,9999998E+15"
                                         << "1,5244901418843E+15"
                                         << operand("99999999") + line("X") + operand("99999999")
                                                + total("9,9999998E+15")
                                         << none;
    QTest::newRow("result in exponent form read back")
        << Frf << 1 << 2 << "99999999 X 99999999 = + 1 ="
        << "9,9999998E+15"
        << "1,5244901418843E+15"
        << operand("99999999") + line("X") + operand("99999999") + total("9,9999998E+15") + operand("9,9999998E+15")
               + line("+") + operand("1") + total("9,9999998E+15")
        << none;
    QTest::newRow("calculation in euros") << Frf << 0 << 2 << "1 0 + 5 ="
                                          << "15"
                                          << "98,39" << operand("10") + line("+") + operand("5") + total("15") << none;

    // Division by zero: the first operand stays, as it was keyed; the tape says why there is
    // no result.
    QTest::newRow("division by zero") << Frf << 1 << 2 << "8 / 0 ="
                                      << "8,"
                                      << "1,22" << operand("8") + line("/") + operand("0") + refused(DivZero)
                                      << QStringList{DivZero};
    QTest::newRow("division by signed zero decimals")
        << Frf << 1 << 2 << "8 / - 0,00 ="
        << "8,"
        << "1,22" << operand("8") + line("/") + operand("-0,00") + refused(DivZero) << QStringList{DivZero};
    QTest::newRow("division by zero of a result")
        << Frf << 1 << 2 << "2 + 2 / 0 ="
        << "4"
        << "0,61" << operand("2") + line("+") + operand("2") + line("/") + operand("0") + refused(DivZero)
        << QStringList{DivZero};
    QTest::newRow("calculation goes on after division by zero")
        << Frf << 1 << 2 << "8 / 0 = + 2 ="
        << "10"
        << "1,52"
        << operand("8") + line("/") + operand("0") + refused(DivZero) + operand("8") + line("+") + operand("2")
               + total("10")
        << QStringList{DivZero};
    QTest::newRow("division by zero within a chain") << Frf << 1 << 2 << "8 / 0 + 2 ="
                                                     << "10"
                                                     << "1,52"
                                                     << operand("8") + line("/") + operand("0") + refused(DivZero)
                                                            + operand("8") + line("+") + operand("2") + total("10")
                                                     << QStringList{DivZero};

    // Amounts keyed without any digit count as zero.
    QTest::newRow("decimal alone as first operand")
        << Frf << 1 << 2 << ", + 5 ="
        << "5"
        << "0,76" << operand("") + line("+") + operand("5") + total("5") << none;
    QTest::newRow("decimal alone as second operand")
        << Frf << 1 << 2 << "7 X , ="
        << "0"
        << "0" << operand("7") + line("X") + operand("") + total("0") << none;
    QTest::newRow("sign and decimal as operand")
        << Frf << 1 << 2 << "- , + 5 ="
        << "5"
        << "0,76" << operand("-") + line("+") + operand("5") + total("5") << none;
    // A second minus after a sign changes nothing, not even the tape.
    QTest::newRow("second minus keeps the first operand")
        << Frf << 1 << 2 << "5 X - - 3 ="
        << "-15"
        << "-2,29" << operand("5") + line("X") + operand("-3") + total("-15") << none;
    QTest::newRow("second minus after a first sign")
        << Frf << 1 << 2 << "- - 5 + 8 ="
        << "3"
        << "0,46" << operand("-5") + line("+") + operand("8") + total("3") << none;
    QTest::newRow("divide by decimal alone")
        << Frf << 1 << 2 << "8 / , ="
        << "8,"
        << "1,22" << operand("8") + line("/") + operand("") + refused(DivZero) << QStringList{DivZero};

    // Results a double cannot hold never reach a display. A keyed amount stops at 22
    // characters, so the largest one keyed is 1E+20: sixteen of them multiplied overflow.
    const QString big = QStringLiteral("1") + QString(20, u'0');
    const QString bigChain = (big + QStringLiteral(" X ")).repeated(15) + big + QStringLiteral(" =");
    const QString bigTape = (operand(big) + line("X")).repeated(15) + operand(big) + refused(Overflow);
    QTest::newRow("overflow of a product") << Frf << 1 << 2 << bigChain << "1E+300"
                                           << "1,5244901723741E+299" << bigTape << QStringList{Overflow};
    QTest::newRow("overflow then calculation goes on") << Frf << 1 << 2 << bigChain + " C 3 + 4 ="
                                                       << "7"
                                                       << "1,07"
                                                       << bigTape + QStringLiteral("\n-+-+-+-+-+-\n\nCalcul en FRF\n")
                                                              + operand("3") + line("+") + operand("4") + total("7")
                                                       << QStringList{Overflow};
    const QString huge = QString(320, u'9');
    const QString nines = QString(21, u'9');
    QTest::newRow("a full display takes no more digits")
        << Frf << 1 << 2 << "2 + " + huge + " ="
        << "1E+21"
        << "1,5244901723741E+20" << operand("2") + line("+") + operand(nines) + total("1E+21") << none;
    QTest::newRow("a full display after a sign") << Frf << 1 << 2 << "- 1234567890123456789012"
                                                 << "-12345678901234567890,"
                                                 << "-1,88208661562184E+18"
                                                 << "" << none;
    QTest::newRow("a full display with decimals") << Frf << 1 << 2 << "1,23456789012345678901234"
                                                  << "1,23456789012345678901"
                                                  << "0,19"
                                                  << "" << none;
    // A pasted amount counts as keyed; a refused one changes nothing.
    QTest::newRow("paste with a pending operator")
        << Frf << 1 << 2 << "1 0 0 + {1.234,5} ="
        << "1334,5"
        << "203,44" << operand("100") + line("+") + operand("1234,5") + total("1334,5") << none;
    QTest::newRow("paste replaces the entry") << Frf << 1 << 2 << "9 9 {12}"
                                              << "12,"
                                              << "1,83"
                                              << "" << none;
    QTest::newRow("digits after a pasted integer") << Frf << 1 << 2 << "{12} 3"
                                                   << "123,"
                                                   << "18,75"
                                                   << "" << none;
    QTest::newRow("digits after pasted decimals") << Frf << 1 << 2 << "{12,5} 3"
                                                  << "12,53"
                                                  << "1,91"
                                                  << "" << none;
    QTest::newRow("sign keyed before a paste") << Frf << 1 << 2 << "- {5}"
                                               << "-5,"
                                               << "-0,76"
                                               << "" << none;
    QTest::newRow("refused paste changes nothing") << Frf << 1 << 2 << "1 2 {abc}"
                                                   << "12,"
                                                   << "1,83"
                                                   << "" << none;
    QTest::newRow("pasted exponent form takes no digits") << Frf << 1 << 2 << "{1,5E+20} 3"
                                                          << "1,5E+20"
                                                          << "2,28673525856116E+19"
                                                          << "" << none;
    QTest::newRow("paste in euros with the euro sign") << Frf << 0 << 2 << "{12€}"
                                                       << "12,"
                                                       << "78,71"
                                                       << "" << none;
    // A conversion beyond the largest magnitude empties the converted display.
    QTest::newRow("conversion overflow") << "1E-308" << 1 << 2 << "1 + 2 ="
                                         << "3"
                                         << ""
                                         << operand("1") + line("+") + operand("2")
                                                + total("3  (conversion en euros impossible : dépassement de capacité)")
                                         << none;

    // The result shown as written keeps its exact value; a keyed amount is its text.
    const QString third = QStringLiteral("0,333333333333333");
    QTest::newRow("operator after = takes the exact result")
        << Frf << 1 << 2 << "1 / 3 = X 3 ="
        << "1"
        << "0,15"
        << operand("1") + line("/") + operand("3") + total(third) + operand(third) + line("X") + operand("3")
               + total("1")
        << none;
    QTest::newRow("replaced operator takes the exact result")
        << Frf << 1 << 2 << "1 / 3 + X 3 ="
        << "1"
        << "0,15"
        << operand("1") + line("/") + operand("3") + line("+") + operand(third) + line("X") + operand("3") + total("1")
        << none;
    QTest::newRow("ten thirds times three")
        << Frf << 1 << 2 << "1 0 / 3 = X 3 ="
        << "10"
        << "1,52"
        << operand("10") + line("/") + operand("3") + total("3,33333333333333") + operand("3,33333333333333")
               + line("X") + operand("3") + total("10")
        << none;
    QTest::newRow("the result keyed again is its text")
        << Frf << 1 << 2 << "1 / 3 = " + third + " X 3 ="
        << "0,999999999999999"
        << "0,15"
        << operand("1") + line("/") + operand("3") + total(third) + operand(third) + line("X") + operand("3")
               + total("0,999999999999999")
        << none;
}

void TestCalculator::keys()
{
    QFETCH(QString, rate);
    QFETCH(int, input);
    QFETCH(int, decimals);
    QFETCH(QString, keys);
    QFETCH(QString, inputText);
    QFETCH(QString, convertedText);
    QFETCH(QString, tape);
    QFETCH(QStringList, messages);

    Tape paper;
    Calculator calc(paper);
    calc.start(rate);
    calc.setInputDisplay(qint16(input));
    calc.setDecimalPlaces(qint16(decimals));
    calc.Cancel_Click();
    const qsizetype mark = paper.length();

    QString bad;
    QStringList shown;
    QVERIFY2(TestKeys::press(calc, keys, &bad, &shown), qPrintable(bad));

    QCOMPARE(calc.ReadOut(input), inputText);
    QCOMPARE(calc.ReadOut(1 - input), convertedText);
    QCOMPARE(paper.text().mid(mark), TestKeys::crlf(tape));
    QCOMPARE(shown, messages);
    QVERIFY(calc.state().OperandCount == 0 || calc.state().OperandCount == 1);
}

void TestCalculator::startState()
{
    Tape paper;
    Calculator calc(paper);
    QSignalSpy changes(&calc, &Calculator::displayChanged);
    calc.start(QStringLiteral("6,55957"));
    const CalculatorState &s = calc.state();
    QCOMPARE(s.DecimalPlaces, qint16(2));
    QCOMPARE(s.InputDisplay, qint16(1));
    QCOMPARE(s.CurrentRate, Value(QStringLiteral("6,55957")));
    QCOMPARE(s.CurrencyCode, QStringLiteral("FRF"));
    QCOMPARE(s.KeepOnTop, qint16(-1));
    QVERIFY(std::holds_alternative<std::monostate>(s.Operand1));
    QVERIFY(std::holds_alternative<std::monostate>(s.Operand2));
    QVERIFY(std::holds_alternative<std::monostate>(s.EntryText));
    QCOMPARE(s.DecimalTyped, qint16(0));
    QCOMPARE(s.OperandCount, qint16(0));
    QCOMPARE(s.LastInputKind, Value(QStringLiteral("NONE")));
    QCOMPARE(s.PendingOperator, Value(QStringLiteral(" ")));
    QCOMPARE(calc.ReadOut(0), QStringLiteral("0"));
    QCOMPARE(calc.ReadOut(1), QStringLiteral("0,"));
    QCOMPARE(paper.length(), 0); // the window starts the tape itself
    // "0," into the euro display (nothing to convert yet), then "0," into the currency
    // display, whose conversion writes "0" into the euro display.
    QCOMPARE(displayWrites(changes), (QStringList{"0:0,", "1:0,", "0:0"}));
}

void TestCalculator::clearAllRestoresStart_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("keys");
    QTest::newRow("in the middle of an amount") << 1 << "1 2 , 5";
    QTest::newRow("with a pending operation") << 1 << "1 2 + 5";
    QTest::newRow("after a sign") << 0 << "5 X -";
    QTest::newRow("after a result, in euros") << 0 << "2 X 3 =";
}

void TestCalculator::clearAllRestoresStart()
{
    QFETCH(int, input);
    QFETCH(QString, keys);
    Tape paper;
    Calculator calc(paper);
    calc.start(QStringLiteral("6,55957"));
    calc.setInputDisplay(qint16(input));
    TestKeys::press(calc, keys);
    calc.Cancel_Click();
    const CalculatorState &s = calc.state();
    QCOMPARE(s.Operand1, Value(qint16(0)));
    QCOMPARE(s.Operand2, Value(qint16(0)));
    QCOMPARE(s.DecimalTyped, qint16(0));
    QCOMPARE(s.OperandCount, qint16(0));
    QCOMPARE(s.LastInputKind, Value(QStringLiteral("NONE")));
    QCOMPARE(s.PendingOperator, Value(QStringLiteral(" ")));
    QCOMPARE(s.InputDisplay, qint16(input));
    QCOMPARE(calc.ReadOut(input), QStringLiteral("0,"));
    QCOMPARE(calc.ReadOut(1 - input), QStringLiteral("0"));
    QVERIFY(
        paper.text().endsWith(QStringLiteral("\r\n-+-+-+-+-+-\r\n\r\n") + calc.modeLine() + QStringLiteral("\r\n")));
}

void TestCalculator::stateAfterDivisionByZero()
{
    Tape paper;
    Calculator calc(paper);
    calc.start(QStringLiteral("6,55957"));
    QStringList refused;
    TestKeys::press(calc, QStringLiteral("8 / 0 ="), nullptr, &refused);
    QCOMPARE(refused.size(), 1);
    QCOMPARE(calc.state().Operand1, Value(QStringLiteral("8,")));
    QCOMPARE(calc.state().OperandCount, qint16(1));
    QCOMPARE(calc.state().PendingOperator, Value(QStringLiteral("=")));
    QCOMPARE(calc.state().LastInputKind, Value(QStringLiteral("OPS")));
}

void TestCalculator::displayWritesRunTheConversion()
{
    Tape paper;
    Calculator calc(paper);
    calc.start(QStringLiteral("6,55957"));
    QSignalSpy changes(&calc, &Calculator::displayChanged);
    TestKeys::press(calc, QStringLiteral("+ 5"));
    // The digit starting an amount writes "," (no conversion), then "5,", then the euros.
    QCOMPARE(displayWrites(changes), (QStringList{"1:,", "1:5,", "0:0,76"}));

    // Rewriting the same text notifies nothing.
    changes.clear();
    calc.setReadOut(1, QStringLiteral("5,"));
    QCOMPARE(changes.size(), 0);
    // A write into the converted display is undone by the conversion at once.
    calc.setReadOut(0, QStringLiteral("99"));
    QCOMPARE(calc.ReadOut(0), QStringLiteral("0,76"));
    QCOMPARE(changes.size(), 2);
}

void TestCalculator::conversionFailureKeepsConvertedText_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("input");
    QTest::newRow("empty rate") << "" << 1;
    QTest::newRow("rate with a point") << "6.55957" << 1;
    QTest::newRow("zero rate, from the currency") << "0" << 1;
    QTest::newRow("empty rate, from euros") << "" << 0;
}

void TestCalculator::conversionFailureKeepsConvertedText()
{
    QFETCH(QString, rate);
    QFETCH(int, input);
    Tape paper;
    Calculator calc(paper);
    calc.start(QStringLiteral("6,55957"));
    calc.setInputDisplay(qint16(input));
    TestKeys::press(calc, QStringLiteral("C 4 2"));
    const QString before = calc.ReadOut(1 - input);
    calc.setRate(calc.currencyCode(), rate);
    QStringList refused;
    TestKeys::press(calc, QStringLiteral("7 + 1 ="), nullptr, &refused);
    QCOMPARE(calc.ReadOut(input), QStringLiteral("428"));
    QCOMPARE(calc.ReadOut(1 - input), before);
    QVERIFY(refused.isEmpty());
}

void TestCalculator::modeLine_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("mode");
    QTest::newRow("currency FRF") << 1 << "FRF"
                                  << "Calcul en FRF";
    QTest::newRow("currency BEF") << 1 << "BEF"
                                  << "Calcul en BEF";
    QTest::newRow("euros") << 0 << "BEF"
                           << "Calcul en Euros";
}

void TestCalculator::modeLine()
{
    QFETCH(int, input);
    QFETCH(QString, code);
    QFETCH(QString, mode);
    Tape paper;
    Calculator calc(paper);
    calc.start(QStringLiteral("40,3399"));
    calc.setInputDisplay(qint16(input));
    calc.selectCurrency(code); // clear all: a heading naming the mode
    QCOMPARE(calc.modeLine(), mode);
    QVERIFY(paper.text().endsWith(QStringLiteral("\r\n-+-+-+-+-+-\r\n\r\n") + mode + QStringLiteral("\r\n")));
}

void TestCalculator::clearOfTheTapeKeepsCalculation()
{
    TestSupport::FixedClock clock(QDateTime(QDate(2026, 12, 8), QTime(7, 24)));
    Tape paper;
    Calculator calc(paper);
    calc.start(QStringLiteral("6,55957"));
    paper.startHeader(QStringLiteral("Calcul en FRF"));
    TestKeys::press(calc, QStringLiteral("1 2 +"));
    calc.clearTape();
    TestKeys::press(calc, QStringLiteral("3 ="));
    QCOMPARE(calc.ReadOut(1), QStringLiteral("15"));
    const QString heading = QStringLiteral("08/12/2026 - 07:24\n-------------------------\n\nCalcul en FRF\n");
    QCOMPARE(paper.text(), TestKeys::crlf(heading + operand("12") + line("+") + operand("3") + total("15")));
    // After a result nothing is pending: the next operator writes the result itself.
    calc.clearTape();
    TestKeys::press(calc, QStringLiteral("X 2 ="));
    QCOMPARE(paper.text(), TestKeys::crlf(heading + operand("15") + line("X") + operand("2") + total("30")));
}

void TestCalculator::indexesOutsideTheKeypad()
{
    // Calls with an index no key has change nothing and do not crash.
    Tape paper;
    Calculator calc(paper);
    calc.start(QStringLiteral("6,55957"));
    TestKeys::press(calc, QStringLiteral("1 2 +"));
    const qsizetype length = paper.length();
    calc.Operator_Click(5);
    calc.Operator_Click(-1);
    calc.setReadOut(2, QStringLiteral("9"));
    calc.setReadOut(-1, QStringLiteral("9"));
    QCOMPARE(paper.length(), length);
    QCOMPARE(calc.ReadOut(2), QString());
    QCOMPARE(calc.ReadOut(1), QStringLiteral("12,"));
    QCOMPARE(calc.state().PendingOperator, Value(QStringLiteral("+")));
    QCOMPARE(Euro::operatorCaption(5), QString());
}

QTEST_GUILESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
