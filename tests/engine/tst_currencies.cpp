// The currency table: the lists' sorted order and the run-time rate table.

#include "engine/currencies.h"

#include <QTest>

class TestCurrencies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortedOrder();
    void rateTable_data();
    void rateTable();
    void missingRateGivesCodeAlone();
    void findRate_data();
    void findRate();
};

void TestCurrencies::sortedOrder()
{
    const QStringList texts = Euro::sortedListTexts();
    QStringList codes;
    for (const QString &t : texts)
        codes << t.left(3);
    QCOMPARE(codes, (QStringList{"ATS", "BEF", "DEM", "ESP", "FIM", "FRF", "GRD", "IEP", "ITL", "LUF", "NLG", "PTE"}));
    QCOMPARE(texts.first(), QStringLiteral("ATS - Schilling Autrichien"));
    QCOMPARE(texts.at(5), QStringLiteral("FRF - Franc Français"));
    QCOMPARE(texts.last(), QStringLiteral("PTE - Escudo Portugais"));
    // The program's own order starts with the franc and holds each currency once.
    QCOMPARE(Euro::CurrencyTable.front().code, u"FRF");
    QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), Euro::CurrencyCount);
}

void TestCurrencies::rateTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("rate");
    QTest::newRow("first") << 0 << "ATS13,7603" << "13,7603";
    QTest::newRow("second") << 1 << "BEF40,3399" << "40,3399";
    QTest::newRow("franc") << 5 << "FRF6,55957" << "6,55957";
    QTest::newRow("trailing zero kept") << 6 << "GRD340,750" << "340,750";
    QTest::newRow("eight-character rate") << 7 << "IEP0,787564" << "0,787564";
    QTest::newRow("last") << 11 << "PTE200,482" << "200,482";
}

void TestCurrencies::rateTable()
{
    QFETCH(int, index);
    QFETCH(QString, entry);
    QFETCH(QString, rate);
    // Built from the table's legal rates; the rows hold the official rates as published.
    Euro::buildRateTable([](const QString &code) { return Euro::defaultRate(code); });
    QCOMPARE(Euro::RateTable.at(size_t(index)), entry);
    QCOMPARE(Euro::rateText(index), rate);
}

void TestCurrencies::missingRateGivesCodeAlone()
{
    Euro::buildRateTable([](const QString &code) {
        return code == QLatin1String("FRF") ? QStringLiteral("6,6") : QString();
    });
    QCOMPARE(Euro::RateTable[5], QStringLiteral("FRF6,6"));
    QCOMPARE(Euro::RateTable[0], QStringLiteral("ATS"));
    QCOMPARE(Euro::rateText(0), QString());
}

void TestCurrencies::findRate_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("found");
    QTest::newRow("first") << "ATS" << 0;
    QTest::newRow("franc") << "FRF" << 5;
    QTest::newRow("last") << "PTE" << 11;
    QTest::newRow("case matters") << "frf" << -1;
    QTest::newRow("unknown") << "USD" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestCurrencies::findRate()
{
    QFETCH(QString, code);
    QFETCH(int, found);
    Euro::buildRateTable([](const QString &) { return QStringLiteral("1"); });
    QCOMPARE(Euro::findRate(code), found);
    if (found >= 0)
        QVERIFY(Euro::RateTable.at(size_t(found)).startsWith(code));
}

QTEST_GUILESS_MAIN(TestCurrencies)
#include "tst_currencies.moc"
