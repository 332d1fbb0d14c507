// Which texts may be a conversion rate: the rate button and the rates read back from the
// settings store take the same answer.

#include "engine/ratecheck.h"

#include <QTest>

using Euro::RateCheck;

class TestRateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkRate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<RateCheck>("expected");

        QTest::newRow("empty") << "" << RateCheck::Empty;
        QTest::newRow("full stop") << "6.55957" << RateCheck::NotNumeric;
        QTest::newRow("letters") << "abc" << RateCheck::NotNumeric;
        QTest::newRow("comma alone") << "," << RateCheck::NotNumeric;
        QTest::newRow("minus alone") << "-" << RateCheck::NotNumeric;
        QTest::newRow("two commas") << "6,5,5" << RateCheck::NotNumeric;
        QTest::newRow("spaces around") << " 1,95583 " << RateCheck::NotNumeric;
        QTest::newRow("too large for a number") << "1E+309" << RateCheck::NotNumeric;
        QTest::newRow("a hundred thousand digits") << QString(100000, u'9') << RateCheck::NotNumeric;
        QTest::newRow("zero") << "0" << RateCheck::NotAboveZero;
        QTest::newRow("zero with a comma") << "0,000" << RateCheck::NotAboveZero;
        QTest::newRow("minus zero") << "-0" << RateCheck::NotAboveZero;
        QTest::newRow("negative") << "-1,95583" << RateCheck::NotAboveZero;
        QTest::newRow("comma decimal") << "6,55957" << RateCheck::Ok;
        QTest::newRow("whole number") << "7" << RateCheck::Ok;
        QTest::newRow("trailing comma") << "7," << RateCheck::Ok;
        QTest::newRow("leading comma") << ",5" << RateCheck::Ok;
        QTest::newRow("exponent") << "6,6E1" << RateCheck::NotNumeric;
        QTest::newRow("small exponent") << "1e-99" << RateCheck::NotNumeric;
        QTest::newRow("plus sign") << "+7" << RateCheck::NotNumeric;
        QTest::newRow("trailing zero kept") << "340,750" << RateCheck::Ok;
        QTest::newRow("29 digits") << "40339900000000000000000000000" << RateCheck::NotNumeric;
        QTest::newRow("nine characters") << "1936,2700" << RateCheck::NotNumeric;
    }
    void checkRate()
    {
        QFETCH(QString, text);
        QFETCH(RateCheck, expected);
        QCOMPARE(Euro::checkRate(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestRateCheck)
#include "tst_ratecheck.moc"
