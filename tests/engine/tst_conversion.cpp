// Live conversion against an exact computation of the test's own: amounts up to a billion
// with 2 decimals, the twelve rates, both directions, 2 and 5 decimals, random amounts
// and amounts that fall exactly halfway. The expected text is built here from 128-bit
// integers (GMP's where the target has none), with no help from the engine's reading,
// rounding or text form.

#include "engine/amount.h"
#include "engine/calculator.h"
#include "engine/currencies.h"
#include "tape/tape.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

#ifdef __SIZEOF_INT128__
using Int = __int128;
int lowDigit(Int v) { return int(v % 10); }
#else
// 32-bit targets have no 128-bit integer: GMP's, slower, so fewer cases.
#define PECUNIO_SLOW_INTEGERS
using Int = mpz_class;
int lowDigit(const Int &v) { return int(mpz_class(v % 10).get_si()); }
#endif

Int pow10(int n)
{
    Int p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

QString digitsOf(Int v) // v >= 0
{
    QString s;
    do {
        s.prepend(QChar(u'0' + lowDigit(v)));
        v /= 10;
    } while (v > 0);
    return s;
}

// A rate text "6,55957" as 655957 and 5 decimals.
struct Rate {
    QString text;
    Int units = 0;
    int decimals = 0;
};

Rate rateOf(const QString &text)
{
    Rate r{text, 0, 0};
    const qsizetype comma = text.indexOf(u',');
    r.decimals = comma < 0 ? 0 : int(text.size() - comma - 1);
    for (QChar c : text)
        if (c != u',')
            r.units = r.units * 10 + (c.unicode() - u'0');
    return r;
}

// n / d rounded half up, n >= 0, d > 0.
Int halfUp(Int n, Int d) { return (2 * n + d) / (2 * d); }

// The display text of m / 10^scale (m >= 0): at most 15 significant digits, the 15th
// rounded half up, decimal comma, trailing zeros dropped, "1E-05" below 0,0001.
QString displayText(Int m, int scale)
{
    if (m == 0)
        return QStringLiteral("0");
    int length = int(digitsOf(m).size());
    if (length > 15) {
        const int cut = length - 15;
        m = halfUp(m, pow10(cut));
        scale -= cut;
        if (digitsOf(m).size() > 15) {
            m /= 10;
            --scale;
        }
    }
    while (scale > 0 && m % 10 == 0) {
        m /= 10;
        --scale;
    }
    QString digits = digitsOf(m);
    length = int(digits.size());
    const int leading = length - 1 - scale; // power of ten of the first digit
    if (leading < -4) {
        QString out = digits.left(1);
        if (length > 1)
            out += u',' + digits.mid(1);
        return out + QStringLiteral("E-") + (leading > -10 ? QStringLiteral("0") : QString())
               + QString::number(-leading);
    }
    if (scale <= 0)
        return digits + QString(-scale, u'0');
    if (length <= scale)
        return QStringLiteral("0,") + QString(scale - length, u'0') + digits;
    return digits.left(length - scale) + u',' + digits.mid(length - scale);
}

QString amountText(Int cents)
{
    const QString c = digitsOf(cents % 100);
    return digitsOf(cents / 100) + u',' + (c.size() < 2 ? QStringLiteral("0") : QString()) + c;
}

} // namespace

class TestConversion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void againstExactIntegers();
};

void TestConversion::againstExactIntegers()
{
#if defined(PECUNIO_SANITIZED) || defined(PECUNIO_SLOW_INTEGERS)
    const int cases = 100'000;
#else
    const int cases = 1'000'000;
#endif
    const quint32 seed = 20261209;
    qInfo("seed %u, %d cases", seed, cases);
    QRandomGenerator random(seed);

    QList<Rate> rates;
    for (const Euro::Currency &c : Euro::CurrencyTable)
        rates << rateOf(c.defaultRate.toString());

    Tape tape;
    Calculator calc(tape);
    calc.start(rates.first().text);

    int halves = 0;
    for (int k = 0; k < cases; ++k) {
        const Rate &rate = rates.at(int(random.bounded(quint32(rates.size()))));
        const bool fromEuros = random.bounded(2u) == 0;
        const int decimals = random.bounded(2u) ? 5 : 2;
        // Amounts of every size: up to 10^(2..11) cents.
        quint64 limit = 100;
        for (int digits = int(random.bounded(10u)); digits > 0; --digits)
            limit *= 10;
        Int cents = Int(double(random.generate64() % limit)); // below 2^53: exact

        // n / d is the exact converted amount times 10^decimals.
        const Int scaleTo = pow10(decimals);
        Int n, d;
        if (fromEuros) {
            d = 100 * pow10(rate.decimals);
            // One case in four: move to the next amount that falls exactly halfway.
            if (k % 4 == 0) {
                for (int step = 0; step < 2000; ++step, ++cents) {
                    if ((2 * cents * rate.units * scaleTo) % (2 * d) == d) {
                        ++halves;
                        break;
                    }
                }
            }
            n = cents * rate.units * scaleTo;
        } else {
            n = cents * pow10(rate.decimals) * scaleTo;
            d = 100 * rate.units;
        }
        const QString expected = displayText(halfUp(n, d), decimals);

        calc.setRate(calc.currencyCode(), rate.text);
        const qint16 input = fromEuros ? qint16(0) : qint16(1);
        if (calc.inputDisplay() != input)
            calc.setInputDisplay(input);
        calc.setDecimalPlaces(qint16(decimals));
        const QString keyed = amountText(cents);
        calc.setReadOut(input, keyed);
        calc.ReadOut_Change(input); // the same text as before notifies nothing
        const QString shown = calc.ReadOut(1 - input);
        if (shown != expected) {
            QFAIL(qPrintable(QStringLiteral("%1 %2 at %3, %4 decimals: shows %5, exact %6")
                                 .arg(keyed, fromEuros ? QStringLiteral("EUR") : QStringLiteral("in euros"), rate.text)
                                 .arg(decimals)
                                 .arg(shown, expected)));
        }
    }
    // The halfway amounts were there to be found.
    QVERIFY(halves > cases / 20);
    qInfo("%d amounts exactly halfway", halves);
}

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
