// The currency table: the lists' sorted order, the run-time rate table, amounts in words.

#include "engine/currencies.h"
#include "engine/ratetable.h"
#include "engine/spokenamount.h"

#include <QTest>

class TestCurrencies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortedOrder();
    void rateTable_data();
    void rateTable();
    void readers_data();
    void readers();
    void findRate_data();
    void findRate();
    void spokenPair_data();
    void spokenPair();
};

void TestCurrencies::sortedOrder()
{
    const QStringList texts = Euro::sortedListTexts();
    QStringList codes;
    for (const QString &t : texts)
        codes << t.left(3);
    QCOMPARE(codes, (QStringList{"ATS", "BEF", "DEM", "ESP", "FIM", "FRF", "GRD", "IEP", "ITL", "LUF", "NLG", "PTE"}));
    QCOMPARE(texts.first(), QStringLiteral("ATS - Schilling Autrichien"));
    QCOMPARE(texts.at(3), QStringLiteral("ESP - Peseta espagnole"));
    QCOMPARE(texts.at(5), QStringLiteral("FRF - Franc Français"));
    QCOMPARE(texts.at(6), QStringLiteral("GRD - Drachme grecque"));
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
    QTest::newRow("first") << 0 << "ATS13,7603"
                           << "13,7603";
    QTest::newRow("second") << 1 << "BEF40,3399"
                            << "40,3399";
    QTest::newRow("franc") << 5 << "FRF6,55957"
                           << "6,55957";
    QTest::newRow("trailing zero kept") << 6 << "GRD340,750"
                                        << "340,750";
    QTest::newRow("eight-character rate") << 7 << "IEP0,787564"
                                          << "0,787564";
    QTest::newRow("last") << 11 << "PTE200,482"
                          << "200,482";
}

void TestCurrencies::rateTable()
{
    QFETCH(int, index);
    QFETCH(QString, entry);
    QFETCH(QString, rate);
    // Built from the table's legal rates; the rows hold the official rates as published.
    const Euro::RateTable table([](const QString &code) { return Euro::defaultRate(code); });
    QCOMPARE(table.entry(index), entry);
    QCOMPARE(table.rateOf(entry.left(3)), std::optional<QString>(rate));
}

// The store holds only the franc's rate; the reader gives it straight, or looks it up in
// a table of its own as it answers.
void TestCurrencies::readers_data()
{
    QTest::addColumn<bool>("looksUp");
    QTest::newRow("missing rate gives the code alone") << false;
    QTest::newRow("a reader that looks rates up itself") << true;
}

void TestCurrencies::readers()
{
    QFETCH(bool, looksUp);
    const auto stored = [](const QString &code) {
        return code == QLatin1String("FRF") ? QStringLiteral("6,6") : QString();
    };
    const Euro::RateTable elsewhere(stored);
    const Euro::RateTable table([&](const QString &code) {
        return looksUp ? elsewhere.rateOf(code).value_or(QStringLiteral("?")) : stored(code);
    });
    QCOMPARE(table.entry(5), QStringLiteral("FRF6,6"));
    QCOMPARE(table.entry(0), QStringLiteral("ATS"));
    QCOMPARE(table.entry(11), QStringLiteral("PTE"));
    QCOMPARE(table.rateOf(u"ATS"), std::optional<QString>(QString()));
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
    Euro::RateTable table([](const QString &) { return QStringLiteral("1"); });
    QCOMPARE(table.indexOf(code), found);
    // An edit reaches that entry alone; an unknown code changes nothing.
    const Euro::RateTable before = table;
    QCOMPARE(table.setRate(code, QStringLiteral("2,5")), found >= 0);
    for (int i = 0; i < Euro::CurrencyCount; ++i)
        QCOMPARE(table.entry(i), i == found ? code + QStringLiteral("2,5") : before.entry(i));
}

void TestCurrencies::spokenPair_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("ownCode");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("otherCode");
    QTest::addColumn<QString>("spoken");
    const auto row = [](const char *name, const char *own, const char *ownCode, const char *other,
                        const char *otherCode, const QString &spoken) {
        QTest::newRow(name) << own << ownCode << other << otherCode << spoken;
    };
    row("plural from 2 on, keyed comma dropped", "100,", "FRF", "15,24", "EUR",
        "100 francs français, soit 15,24 euros");
    row("singular below 2", "1,99", "EUR", "13,05", "FRF", "1,99 euro, soit 13,05 francs français");
    row("zero is singular", "0,", "DEM", "0", "EUR", "0 mark allemand, soit 0 euro");
    row("2 is plural, feminine names", "2", "ESP", "0,01", "EUR", "2 pesetas espagnoles, soit 0,01 euro");
    row("a negative amount by its size", "-5", "GRD", "-0,01", "EUR", "-5 drachmes grecques, soit -0,01 euro");
    row("exponent form", "1E+15", "ITL", "5,16E+11", "EUR", "1E+15 lires italiennes, soit 5,16E+11 euros");
    row("an emptied other display says why", "1E+300", "EUR", "", "LUF",
        "1E+300 euros, conversion en francs luxembourgeois impossible : dépassement de capacité");
    row("an emptied display says why", "", "EUR", "1E+300", "LUF",
        "conversion en euros impossible : dépassement de capacité");
    row("a sign alone counts as zero", "-", "FRF", "0", "EUR",
        "0 franc français (signe moins en attente), soit 0 euro");
    row("beside a sign alone", "0", "EUR", "-,", "FRF", "0 euro, soit 0 franc français (signe moins en attente)");
    row("a comma alone counts as zero", ",", "DEM", "0", "EUR", "0 mark allemand, soit 0 euro");
    row("text that is no amount says nothing", "abc", "FRF", "0", "EUR", "");
}

void TestCurrencies::spokenPair()
{
    QFETCH(QString, own);
    QFETCH(QString, ownCode);
    QFETCH(QString, other);
    QFETCH(QString, otherCode);
    QFETCH(QString, spoken);
    QCOMPARE(Euro::spokenPair(own, ownCode, other, otherCode), spoken);
}

QTEST_GUILESS_MAIN(TestCurrencies)
#include "tst_currencies.moc"
