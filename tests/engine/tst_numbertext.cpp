// The number text form, and reading numbers from texts.

#include "engine/numbertext.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

using Euro::NumberText::ReadStatus;

Q_DECLARE_METATYPE(ReadStatus)

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
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("integer") << 150.0 << "150";
    QTest::newRow("two decimals") << 15.24 << "15,24";
    QTest::newRow("trailing zeros dropped") << 2.5 << "2,5";
    QTest::newRow("negative") << -15.0 << "-15";
    QTest::newRow("10 divided by 3") << 10.0 / 3.0 << "3,33333333333333";
    QTest::newRow("0,1 + 0,2 at 15 digits") << 0.1 + 0.2 << "0,3";
    QTest::newRow("no grouping") << 1234567.0 << "1234567";
    QTest::newRow("largest without exponent") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds up into exponent") << 999999999999999.9 << "1E+15";
    QTest::newRow("exponent 15") << 1e15 << "1E+15";
    QTest::newRow("exponent with digits") << 1234567890123456.0 << "1,23456789012346E+15";
    QTest::newRow("product of eight nines") << 99999999.0 * 99999999.0 << "9,9999998E+15";
    QTest::newRow("large exponent") << 1e300 << "1E+300";
    QTest::newRow("negative with exponent") << -2.5e20 << "-2,5E+20";
    QTest::newRow("0,0001 stays plain") << 0.0001 << "0,0001";
    QTest::newRow("1E-05") << 0.00001 << "1E-05";
    QTest::newRow("small with digits") << 0.000012345 << "1,2345E-05";
    QTest::newRow("tiny") << 5e-324 << "4,94065645841247E-324";
    QTest::newRow("infinity has no text") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("nan has no text") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestNumberText::format()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Euro::NumberText::format(value), text);
}

void TestNumberText::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<double>("value");

    QTest::newRow("entry form") << "12," << ReadStatus::Number << 12.0;
    QTest::newRow("with decimals") << "12,5" << ReadStatus::Number << 12.5;
    QTest::newRow("leading comma") << ",5" << ReadStatus::Number << 0.5;
    QTest::newRow("leading zeros") << "007," << ReadStatus::Number << 7.0;
    QTest::newRow("negative entry") << "-5," << ReadStatus::Number << -5.0;
    QTest::newRow("negative leading comma") << "-,5" << ReadStatus::Number << -0.5;
    QTest::newRow("negative zero entry") << "-0," << ReadStatus::Number << 0.0;
    QTest::newRow("plain integer") << "150" << ReadStatus::Number << 150.0;
    QTest::newRow("rate") << "6,55957" << ReadStatus::Number << 6.55957;
    QTest::newRow("rate with trailing zero") << "340,750" << ReadStatus::Number << 340.75;
    QTest::newRow("exponent") << "1E+15" << ReadStatus::Number << 1e15;
    QTest::newRow("exponent with decimals") << "9,9999998E+15" << ReadStatus::Number << 9999999800000000.0;
    QTest::newRow("negative exponent") << "1E-05" << ReadStatus::Number << 1e-5;
    QTest::newRow("exponent without sign") << "2E3" << ReadStatus::Number << 2000.0;
    QTest::newRow("small e") << "2e3" << ReadStatus::Number << 2000.0;
    QTest::newRow("underflow reads as zero") << "1E-400" << ReadStatus::Number << 0.0;
    QTest::newRow("long zero") << QString(400, u'0') + u',' << ReadStatus::Number << 0.0;
    QTest::newRow("long fraction") << QStringLiteral("0,") + QString(400, u'0') + u'1' << ReadStatus::Number << 0.0;

    QTest::newRow("empty") << "" << ReadStatus::NoDigits << 0.0;
    QTest::newRow("comma") << "," << ReadStatus::NoDigits << 0.0;
    QTest::newRow("minus") << "-" << ReadStatus::NoDigits << 0.0;
    QTest::newRow("minus comma") << "-," << ReadStatus::NoDigits << 0.0;

    QTest::newRow("decimal point") << "6.6" << ReadStatus::Malformed << 0.0;
    QTest::newRow("two commas") << "1,2,3" << ReadStatus::Malformed << 0.0;
    QTest::newRow("grouping space") << "1 000" << ReadStatus::Malformed << 0.0;
    QTest::newRow("leading space") << " 5" << ReadStatus::Malformed << 0.0;
    QTest::newRow("plus sign") << "+5" << ReadStatus::Malformed << 0.0;
    QTest::newRow("double minus") << "--5" << ReadStatus::Malformed << 0.0;
    QTest::newRow("letters") << "abc" << ReadStatus::Malformed << 0.0;
    QTest::newRow("exponent without digits") << "1E" << ReadStatus::Malformed << 0.0;
    QTest::newRow("exponent without mantissa") << "E5" << ReadStatus::Malformed << 0.0;
    QTest::newRow("infinity word") << "inf" << ReadStatus::Malformed << 0.0;
    QTest::newRow("nan word") << "nan" << ReadStatus::Malformed << 0.0;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << ReadStatus::Malformed << 0.0;

    QTest::newRow("too large") << "1E+309" << ReadStatus::OutOfRange << 0.0;
    QTest::newRow("too many digits") << QString(320, u'9') + u',' << ReadStatus::OutOfRange << 0.0;
    QTest::newRow("too large negative") << "-2E+308" << ReadStatus::OutOfRange << 0.0;
    QTest::newRow("huge exponent") << "1E+99999999999999" << ReadStatus::OutOfRange << 0.0;
}

void TestNumberText::read()
{
    QFETCH(QString, text);
    QFETCH(ReadStatus, status);
    QFETCH(double, value);
    const Euro::NumberText::ReadResult r = Euro::NumberText::parse(text);
    QCOMPARE(r.status, status);
    QCOMPARE(Euro::NumberText::read(text).has_value(), status == ReadStatus::Number);
    if (status == ReadStatus::Number) {
        QCOMPARE(r.value, value);
        QCOMPARE(*Euro::NumberText::read(text), value);
    }
}

void TestNumberText::roundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("pi") << 3.14159265358979;
    QTest::newRow("negative small") << -0.000123456789012345;
    QTest::newRow("large") << 1.23456789012345e200;
    QTest::newRow("rate") << 0.787564;
    QTest::newRow("max") << 1.79769313486231e308;
}

void TestNumberText::roundTrip()
{
    // A number written in the form reads back as the same 15-digit number.
    QFETCH(double, value);
    const QString text = Euro::NumberText::format(value);
    const std::optional<double> back = Euro::NumberText::read(text);
    QVERIFY2(back.has_value(), qPrintable(text));
    QCOMPARE(Euro::NumberText::format(*back), text);
    QVERIFY(std::fabs(*back - value) <= std::fabs(value) * 1e-14);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
