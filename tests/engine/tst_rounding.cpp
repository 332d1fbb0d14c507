// The roundings: the converted amount to 2 or 5 decimals, halves away from zero on the
// exact value; and the bound that keeps a running value's precision finite.

#include "engine/numbertext.h"
#include "engine/rounding.h"
#include "support/exact.h"

#include <QTest>

Q_DECLARE_METATYPE(Amount)

using TestSupport::q;

namespace {

const Amount Frf = q("655957/100000");

} // namespace

class TestRounding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void round_data();
    void round();
    void boundedChainOfDivisions();
    void bounds_data();
    void bounds();
};

void TestRounding::round_data()
{
    QTest::addColumn<Amount>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    // Conversions at the fixed rates.
    QTest::newRow("100 FRF at 2") << Amount(q("100") / Frf) << 2 << "15,24";
    QTest::newRow("100 FRF at 5") << Amount(q("100") / Frf) << 5 << "15,2449";
    QTest::newRow("1 EUR in FRF at 2") << Frf << 2 << "6,56";
    QTest::newRow("1 EUR in FRF at 5") << Frf << 5 << "6,55957";
    QTest::newRow("1000 FRF at 2") << Amount(q("1000") / Frf) << 2 << "152,45";
    QTest::newRow("79 292 716,98 EUR in ITL")
        << Amount(q("7929271698/100") * q("193627/100")) << 2 << "153532109106,86";
    QTest::newRow("1 ITL at 5") << Amount(q("1") / q("193627/100")) << 5 << "0,00052";

    // Exactly halfway.
    QTest::newRow("0,3 EUR in GRD") << Amount(q("3/10") * q("34075/100")) << 2 << "102,23";
    QTest::newRow("1,5 EUR in GRD") << Amount(q("3/2") * q("34075/100")) << 2 << "511,13";
    QTest::newRow("1,005 up") << q("1005/1000") << 2 << "1,01";
    QTest::newRow("2,675 up") << q("2675/1000") << 2 << "2,68";
    QTest::newRow("0,125 up, not to even") << q("1/8") << 2 << "0,13";
    QTest::newRow("half at 5 decimals") << q("125/1000000") << 5 << "0,00013";
    QTest::newRow("negative half away from zero") << q("-2675/1000") << 2 << "-2,68";
    QTest::newRow("negative 0,125") << q("-1/8") << 2 << "-0,13";

    // Not halves.
    QTest::newRow("just below half") << q("100499999999999/100000000000000") << 2 << "1";
    QTest::newRow("just above half") << q("100500000000001/100000000000000") << 2 << "1,01";
    QTest::newRow("carry through nines") << q("9999/1000") << 2 << "10";
    QTest::newRow("carry into a new digit") << q("99995/1000") << 2 << "100";
    QTest::newRow("half of the last decimal only") << q("5/1000") << 2 << "0,01";
    QTest::newRow("below half of the last decimal") << q("4999/1000000") << 2 << "0";
    QTest::newRow("far below the decimals") << q("1/1000000000") << 2 << "0";
    QTest::newRow("negative far below") << q("-1/1000000000") << 5 << "0";
    QTest::newRow("0,00001 stays") << q("1/100000") << 5 << "1E-05";
    QTest::newRow("already exact") << q("2287/100") << 2 << "22,87";
    QTest::newRow("zero") << q("0") << 2 << "0";
    QTest::newRow("integer part only at 15 digits") << q("1234567890123456/1000") << 2 << "1234567890123,46";
    QTest::newRow("too large for decimals") << q("1524491696863970") << 2 << "1,52449169686397E+15";
    QTest::newRow("large exponent") << Amount(Euro::Amounts::pow10(300)) << 5 << "1E+300";
}

void TestRounding::round()
{
    QFETCH(Amount, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Euro::NumberText::format(Euro::roundAmount(value, decimals)), text);
}

void TestRounding::boundedChainOfDivisions()
{
    // Dividing again and again by 1,0001 keeps the value within its size bound, while it
    // stays the exact quotient to far more digits than a display shows.
    const Amount divisor = q("10001/10000");
    Amount running(1), exact(1);
    for (int k = 1; k <= 3000; ++k) {
        running = Euro::Amounts::bounded(running / divisor);
        exact /= divisor;
        const size_t bits = mpz_sizeinbase(running.get_num_mpz_t(), 2) + mpz_sizeinbase(running.get_den_mpz_t(), 2);
        if (bits > size_t(Euro::Amounts::MaxBits))
            QFAIL(qPrintable(QStringLiteral("%1 bits after %2 divisions").arg(bits).arg(k)));
    }
    QVERIFY(running != exact); // the bound did apply
    QVERIFY(abs(running - exact) < exact * q("1/1000000000000000000000000000000"));
}

void TestRounding::bounds_data()
{
    QTest::addColumn<Amount>("value");
    QTest::addColumn<Amount>("bounded");
    QTest::newRow("a third stays exact") << q("1/3") << q("1/3");
    QTest::newRow("money stays exact") << q("1000000000001/100") << q("1000000000001/100");
    const Amount smallest = Euro::Amounts::minMagnitude();
    QTest::newRow("smallest magnitude kept") << smallest << smallest;
    QTest::newRow("below it is zero") << Amount(smallest * q("99/100")) << q("0");
    QTest::newRow("negative below it is zero") << Amount(smallest * q("-1/2")) << q("0");
}

void TestRounding::bounds()
{
    QFETCH(Amount, value);
    QFETCH(Amount, bounded);
    QVERIFY(Euro::Amounts::bounded(value) == bounded);
}

QTEST_GUILESS_MAIN(TestRounding)
#include "tst_rounding.moc"
