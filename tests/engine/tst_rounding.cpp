// Rounding of the converted amount: halves away from zero, judged on 15 digits.

#include "engine/numbertext.h"
#include "engine/rounding.h"

#include <QTest>
#include <limits>

class TestRounding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void round_data();
    void round();
    void nonFinite();
};

void TestRounding::round_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    // Conversions at the fixed rates.
    QTest::newRow("100 FRF at 2") << 100 / 6.55957 << 2 << "15,24";
    QTest::newRow("100 FRF at 5") << 100 / 6.55957 << 5 << "15,2449";
    QTest::newRow("1 EUR in FRF at 2") << 1 * 6.55957 << 2 << "6,56";
    QTest::newRow("1 EUR in FRF at 5") << 1 * 6.55957 << 5 << "6,55957";
    QTest::newRow("1000 FRF at 2") << 1000 / 6.55957 << 2 << "152,45";
    QTest::newRow("1 ITL at 5") << 1 / 1936.27 << 5 << "0,00052";

    // Exactly halfway at 15 digits, though the double lies just below the half.
    QTest::newRow("0,3 EUR in GRD") << 0.3 * 340.75 << 2 << "102,23";
    QTest::newRow("1,5 EUR in GRD") << 1.5 * 340.75 << 2 << "511,13";
    QTest::newRow("1,005 up") << 1.005 << 2 << "1,01";
    QTest::newRow("2,675 up") << 2.675 << 2 << "2,68";
    QTest::newRow("0,125 up, not to even") << 0.125 << 2 << "0,13";
    QTest::newRow("half at 5 decimals") << 0.000125 << 5 << "0,00013";
    QTest::newRow("negative half away from zero") << -2.675 << 2 << "-2,68";
    QTest::newRow("negative 0,125") << -0.125 << 2 << "-0,13";

    // Not halves.
    QTest::newRow("just below half") << 1.00499999999999 << 2 << "1";
    QTest::newRow("just above half") << 1.00500000000001 << 2 << "1,01";
    QTest::newRow("carry through nines") << 9.999 << 2 << "10";
    QTest::newRow("carry into a new digit") << 99.995 << 2 << "100";
    QTest::newRow("half of the last decimal only") << 0.005 << 2 << "0,01";
    QTest::newRow("below half of the last decimal") << 0.004999 << 2 << "0";
    QTest::newRow("far below the decimals") << 1e-9 << 2 << "0";
    QTest::newRow("negative far below") << -1e-9 << 5 << "0";
    QTest::newRow("0,00001 stays") << 0.00001 << 5 << "1E-05";
    QTest::newRow("already exact") << 22.87 << 2 << "22,87";
    QTest::newRow("zero") << 0.0 << 2 << "0";
    QTest::newRow("integer part only at 15 digits") << 1234567890123.456 << 2 << "1234567890123,46";
    QTest::newRow("too large for decimals") << 1.52449169686397e15 << 2 << "1,52449169686397E+15";
    QTest::newRow("large exponent") << 1e300 << 5 << "1E+300";
}

void TestRounding::round()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Euro::NumberText::format(Euro::roundAmount(value, decimals)), text);
}

void TestRounding::nonFinite()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(Euro::roundAmount(inf, 2), inf);
    QCOMPARE(Euro::roundAmount(-inf, 5), -inf);
    QVERIFY(std::isnan(Euro::roundAmount(std::numeric_limits<double>::quiet_NaN(), 2)));
}

QTEST_GUILESS_MAIN(TestRounding)
#include "tst_rounding.moc"
