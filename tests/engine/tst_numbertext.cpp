// The number text form, and reading numbers from texts.

#include "engine/numbertext.h"
#include "support/exact.h"

#include <QLocale>
#include <QTest>

using Euro::NumberText::ReadStatus;

Q_DECLARE_METATYPE(ReadStatus)
Q_DECLARE_METATYPE(Amount)

using TestSupport::q;

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void format_data();
    void format();
    void read_data();
    void read();
    void roundTrip_data();
    void roundTrip();
};

void TestNumberText::initTestCase()
{
    // The form must not follow the system locale: run under one with other separators.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestNumberText::format_data()
{
    QTest::addColumn<Amount>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << q("0") << "0";
    QTest::newRow("integer") << q("150") << "150";
    QTest::newRow("two decimals") << q("1524/100") << "15,24";
    QTest::newRow("trailing zeros dropped") << q("5/2") << "2,5";
    QTest::newRow("negative") << q("-15") << "-15";
    QTest::newRow("10 divided by 3") << q("10/3") << "3,33333333333333";
    QTest::newRow("2 divided by 3, last digit rounded up") << q("2/3") << "0,666666666666667";
    QTest::newRow("negative rounds away from zero") << q("-2/3") << "-0,666666666666667";
    QTest::newRow("half of the 15th digit goes up") << q("1000000000000005/10000000000000000") << "0,100000000000001";
    QTest::newRow("below half of the 15th digit") << q("10000000000000049999/100000000000000000000") << "0,1";
    QTest::newRow("no grouping") << q("1234567") << "1234567";
    QTest::newRow("largest without exponent") << q("999999999999999") << "999999999999999";
    QTest::newRow("rounds up into exponent") << q("9999999999999999/10") << "1E+15";
    QTest::newRow("exponent 15") << q("1000000000000000") << "1E+15";
    QTest::newRow("exponent with digits") << q("1234567890123456") << "1,23456789012346E+15";
    QTest::newRow("product of eight nines") << q("9999999800000001") << "9,9999998E+15";
    QTest::newRow("large exponent") << q("1", 300) << "1E+300";
    QTest::newRow("negative with exponent") << q("-25", 19) << "-2,5E+20";
    QTest::newRow("0,0001 stays plain") << q("1/10000") << "0,0001";
    QTest::newRow("1E-05") << q("1/100000") << "1E-05";
    QTest::newRow("small with digits") << q("12345/1000000000") << "1,2345E-05";
    QTest::newRow("tiny") << q("494065645841246544", -341) << "4,94065645841247E-324";
}

void TestNumberText::format()
{
    QFETCH(Amount, value);
    QFETCH(QString, text);
    QCOMPARE(Euro::NumberText::format(value), text);
}

void TestNumberText::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<Amount>("value");

    QTest::newRow("entry form") << "12," << ReadStatus::Number << q("12");
    QTest::newRow("with decimals") << "12,5" << ReadStatus::Number << q("25/2");
    QTest::newRow("leading comma") << ",5" << ReadStatus::Number << q("1/2");
    QTest::newRow("leading zeros") << "007," << ReadStatus::Number << q("7");
    QTest::newRow("negative entry") << "-5," << ReadStatus::Number << q("-5");
    QTest::newRow("negative leading comma") << "-,5" << ReadStatus::Number << q("-1/2");
    QTest::newRow("negative zero entry") << "-0," << ReadStatus::Number << q("0");
    QTest::newRow("plain integer") << "150" << ReadStatus::Number << q("150");
    QTest::newRow("rate") << "6,55957" << ReadStatus::Number << q("655957/100000");
    QTest::newRow("rate with trailing zero") << "340,750" << ReadStatus::Number << q("34075/100");
    QTest::newRow("exponent") << "1E+15" << ReadStatus::Number << q("1", 15);
    QTest::newRow("exponent with decimals") << "9,9999998E+15" << ReadStatus::Number << q("99999998", 8);
    QTest::newRow("negative exponent") << "1E-05" << ReadStatus::Number << q("1/100000");
    QTest::newRow("exponent without sign") << "2E3" << ReadStatus::Number << q("2000");
    QTest::newRow("small e") << "2e3" << ReadStatus::Number << q("2000");
    QTest::newRow("underflow reads as zero") << "1E-400" << ReadStatus::Number << q("0");
    QTest::newRow("long zero") << QString(400, u'0') + u',' << ReadStatus::Number << q("0");
    QTest::newRow("long fraction") << QStringLiteral("0,") + QString(400, u'0') + u'1' << ReadStatus::Number << q("0");
    QTest::newRow("one tenth exactly") << "0,1" << ReadStatus::Number << q("1/10");
    QTest::newRow("smallest magnitude") << "1E-308" << ReadStatus::Number << q("1", -308);
    QTest::newRow("below the smallest magnitude") << "9,9E-309" << ReadStatus::Number << q("0");
    QTest::newRow("largest magnitude") << "-1,79769313486232E+308" << ReadStatus::Number << q("-179769313486232", 294);
    QTest::newRow("long exact fraction")
        << QStringLiteral("0,") + QString(40, u'3') << ReadStatus::Number
        << q("3333333333333333333333333333333333333333/10000000000000000000000000000000000000000");

    QTest::newRow("empty") << "" << ReadStatus::NoDigits << q("0");
    QTest::newRow("comma") << "," << ReadStatus::NoDigits << q("0");
    QTest::newRow("minus") << "-" << ReadStatus::NoDigits << q("0");
    QTest::newRow("minus comma") << "-," << ReadStatus::NoDigits << q("0");

    QTest::newRow("decimal point") << "6.6" << ReadStatus::Malformed << q("0");
    QTest::newRow("two commas") << "1,2,3" << ReadStatus::Malformed << q("0");
    QTest::newRow("grouping space") << "1 000" << ReadStatus::Malformed << q("0");
    QTest::newRow("leading space") << " 5" << ReadStatus::Malformed << q("0");
    QTest::newRow("plus sign") << "+5" << ReadStatus::Malformed << q("0");
    QTest::newRow("double minus") << "--5" << ReadStatus::Malformed << q("0");
    QTest::newRow("letters") << "abc" << ReadStatus::Malformed << q("0");
    QTest::newRow("exponent without digits") << "1E" << ReadStatus::Malformed << q("0");
    QTest::newRow("exponent without mantissa") << "E5" << ReadStatus::Malformed << q("0");
    QTest::newRow("infinity word") << "inf" << ReadStatus::Malformed << q("0");
    QTest::newRow("nan word") << "nan" << ReadStatus::Malformed << q("0");
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << ReadStatus::Malformed << q("0");

    QTest::newRow("too large") << "1E+309" << ReadStatus::OutOfRange << q("0");
    QTest::newRow("too many digits") << QString(320, u'9') + u',' << ReadStatus::OutOfRange << q("0");
    QTest::newRow("just above the largest magnitude") << "1,797693134862321E+308" << ReadStatus::OutOfRange << q("0");
    QTest::newRow("too large negative") << "-2E+308" << ReadStatus::OutOfRange << q("0");
    QTest::newRow("huge exponent") << "1E+99999999999999" << ReadStatus::OutOfRange << q("0");
}

void TestNumberText::read()
{
    QFETCH(QString, text);
    QFETCH(ReadStatus, status);
    QFETCH(Amount, value);
    const Euro::NumberText::ReadResult r = Euro::NumberText::parse(text);
    QCOMPARE(r.status, status);
    QCOMPARE(Euro::NumberText::read(text).has_value(), status == ReadStatus::Number);
    if (status == ReadStatus::Number) {
        QVERIFY(r.value == value);
        QVERIFY(*Euro::NumberText::read(text) == value);
    }
}

void TestNumberText::roundTrip_data()
{
    QTest::addColumn<Amount>("value");
    QTest::newRow("pi") << q("314159265358979/100000000000000");
    QTest::newRow("negative small") << q("-123456789012345", -18);
    QTest::newRow("large") << q("123456789012345", 186);
    QTest::newRow("rate") << q("787564/1000000");
    QTest::newRow("max") << q("179769313486231", 294);
}

void TestNumberText::roundTrip()
{
    // A number of 15 digits written in the form reads back as exactly the same number.
    QFETCH(Amount, value);
    const QString text = Euro::NumberText::format(value);
    const std::optional<Amount> back = Euro::NumberText::read(text);
    QVERIFY2(back.has_value(), qPrintable(text));
    QVERIFY2(*back == value, qPrintable(text));
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
