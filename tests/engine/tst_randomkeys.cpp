// A long random run of keys, currency changes, input display and decimals changes, with
// the calculator's invariants checked after every key.

#include "engine/calculator.h"
#include "engine/calculatorstate.h"
#include "engine/currencies.h"
#include "engine/numbertext.h"
#include "support/testsupport.h"
#include "tape/tape.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

const Amount HalfCent(1, 200);
const Amount HalfOf5Decimals(1, 200000);
const Amount FifteenDigits(mpz_class(1), mpz_class("100000000000000")); // wider than long on 32 bits

bool isTag(const Value &v, std::initializer_list<const char *> tags)
{
    const QString *s = std::get_if<QString>(&v);
    if (!s)
        return false;
    for (const char *t : tags)
        if (*s == QLatin1String(t))
            return true;
    return false;
}

} // namespace

class TestRandomKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void millionKeys_data();
    void millionKeys();
};

void TestRandomKeys::millionKeys_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("keys");
    QTest::newRow("seed 1") << 1u << 1'000'000;
    QTest::newRow("seed 20261208") << 20261208u << 100'000;
}

void TestRandomKeys::millionKeys()
{
    QFETCH(quint32, seed);
    QFETCH(int, keys);

    TestSupport::FixedClock clock(QDateTime(QDate(2026, 12, 8), QTime(7, 24)));
    QRandomGenerator random(seed);

    // The twelve default rates, and one rate that is not a number (a missing setting, for
    // the markka).
    QStringList codes, rates;
    for (const Euro::Currency &c : Euro::CurrencyTable) {
        codes << c.code.toString();
        rates << c.defaultRate.toString();
    }
    codes << QStringLiteral("FIM");
    rates << QString();

    Tape tape;
    Calculator calc(tape);
    calc.start(QStringLiteral("6,55957"));
    tape.startHeader(QStringLiteral("Calcul en FRF"));
    const CalculatorState &s = calc.state();

    qsizetype tapeLength = tape.length();
    int operators = 0, refusals = 0, conversionsChecked = 0;
    for (int k = 0; k < keys; ++k) {
        const quint32 r = random.bounded(1000u);
        QString key;
        if (r < 450) {
            const qint16 d = qint16(random.bounded(10u));
            calc.lblBouton_Click(d);
            key = QString::number(d);
        } else if (r < 520) {
            calc.Decimal_Click();
            key = QStringLiteral(",");
        } else if (r < 900) {
            const qint16 op = qint16(random.bounded(5u));
            if (calc.Operator_Click(op) != OperatorOutcome::Done)
                ++refusals;
            key = Euro::operatorCaption(op);
            ++operators;
        } else if (r < 930) {
            calc.Cancel_Click();
            key = QStringLiteral("C");
        } else if (r < 945) {
            calc.CancelEntry_Click();
            key = QStringLiteral("CE");
        } else if (r < 960) {
            calc.eraseLastDigit();
            key = QStringLiteral("Backspace");
        } else if (r < 975) {
            // Choosing a currency sets code and rate together, then clears all.
            const int c = int(random.bounded(quint32(codes.size())));
            calc.setRate(codes.at(c), rates.at(c));
            calc.selectCurrency(codes.at(c));
            key = QStringLiteral("currency ") + codes.at(c);
        } else if (r < 985) {
            calc.setInputDisplay(qint16(1 - s.InputDisplay));
            key = QStringLiteral("input display");
        } else {
            calc.setDecimalPlaces(s.DecimalPlaces == 2 ? qint16(5) : qint16(2));
            key = QStringLiteral("decimals");
        }

        // The failure text is built only on failure: a million keys must stay fast.
        const auto where = [&] {
            return QStringLiteral("key %1 (%2): input \"%3\", converted \"%4\"")
                .arg(k)
                .arg(key, calc.ReadOut(s.InputDisplay).left(40), calc.ReadOut(1 - s.InputDisplay).left(40));
        };
#define CHECK_KEY(condition)                                                                                           \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            QFAIL(qPrintable(QStringLiteral(#condition " failed at ") + where()));                                     \
    } while (false)
        CHECK_KEY(s.InputDisplay == 0 || s.InputDisplay == 1);
        CHECK_KEY(s.DecimalPlaces == 2 || s.DecimalPlaces == 5);
        CHECK_KEY(s.OperandCount == 0 || s.OperandCount == 1);
        CHECK_KEY(isTag(s.LastInputKind, {"NONE", "NUMS", "OPS", "NEG", "CE"}));
        CHECK_KEY(isTag(s.PendingOperator, {" ", "+", "-", "X", "/", "="}));

        // The converted display is always an amount, in the number text form; the one
        // exception is the "0," of clear all left by a rate that is not a number (clear
        // all then rewrites the same texts, which converts nothing, until the next key).
        const QString *rateText = std::get_if<QString>(&s.CurrentRate);
        const Euro::NumberText::ReadResult rate = Euro::NumberText::parse(rateText ? *rateText : QString());
        const bool rateIsNumber = rate.status == Euro::NumberText::ReadStatus::Number;
        const QString converted = calc.ReadOut(1 - s.InputDisplay);
        const std::optional<Amount> shown = Euro::NumberText::read(converted);
        CHECK_KEY(shown.has_value());
        if (converted != QLatin1String("0,"))
            CHECK_KEY(Euro::NumberText::format(*shown) == converted);

        // The input display is an amount, or an entry keyed without digits yet.
        const QString input = calc.ReadOut(s.InputDisplay);
        const Euro::NumberText::ReadResult in = Euro::NumberText::parse(input);
        CHECK_KEY(in.status == Euro::NumberText::ReadStatus::Number
                  || (in.status == Euro::NumberText::ReadStatus::NoDigits && !input.isEmpty())
                  || in.status == Euro::NumberText::ReadStatus::OutOfRange);

        // When the input display and the rate are numbers, the converted display shows the
        // input converted and rounded (within half a unit of the last decimal, or of the
        // 15th digit of long amounts), at the decimals in force.
        if (in.status == Euro::NumberText::ReadStatus::Number && rateIsNumber && sgn(rate.value) != 0) {
            const Amount exact = s.InputDisplay ? Amount(in.value / rate.value) : Amount(in.value * rate.value);
            if (abs(exact) < Euro::Amounts::maxMagnitude()) {
                const Amount slack = (s.DecimalPlaces == 2 ? HalfCent : HalfOf5Decimals) + abs(exact) * FifteenDigits;
                CHECK_KEY(abs(*shown - exact) <= slack);
                ++conversionsChecked;
            }
        }

        // Keys only ever append to the tape.
        CHECK_KEY(tape.length() >= tapeLength);
        tapeLength = tape.length();
    }
    // The run went through the interesting places, not just through digits.
    QVERIFY(operators > keys / 4);
    QVERIFY(refusals > 0);
    QVERIFY(conversionsChecked > keys / 2);
    qInfo("%d keys, %d operators, %d refused, tape of %lld characters", keys, operators, refusals,
          qlonglong(tape.length()));
}

QTEST_GUILESS_MAIN(TestRandomKeys)
#include "tst_randomkeys.moc"
