// What an old amount is worth in money of another year: the rule across the changes of
// unit, its rounding and its precision, the refusals; and the shipped data file read on its
// own, against the table the build made from it.

#include "engine/purchasingpower.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace PP = Euro::PurchasingPower;

Q_DECLARE_METATYPE(PP::Refusal)

class TestPurchasingPower : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rule_data();
    void rule();
    void texts();
    void shippedFile();
};

void TestPurchasingPower::rule_data()
{
    QTest::addColumn<QString>("keyed");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<PP::Refusal>("refusal");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("note");

    const PP::Refusal ok = PP::Refusal::None;
    QTest::newRow("INSEE's converter: 100 F of 1998 in 2013")
        << "100"
        << "FRF" << 1998 << 2013 << ok << "100 F de 1998 valent 19,39 € de 2013"
        << "";
    QTest::newRow("100 F of 1985 today") << "100,"
                                         << "FRF" << 1985 << 2025 << ok << "100 F de 1985 valent 31,86 € de 2025"
                                         << "";
    QTest::newRow("anciens francs of 1955 in francs of 1985, and in euros")
        << "100"
        << "FRF" << 1955 << 1985 << ok << "100 anciens francs de 1955 valent 8,17 F de 1985, soit 1,24 €"
        << "";

    // The changes of unit, both ways.
    QTest::newRow("1959 to 1960: anciens francs to francs")
        << "100"
        << "FRF" << 1959 << 1960 << ok << "100 anciens francs de 1959 valent 1,04 F de 1960, soit 0,16 €"
        << "";
    QTest::newRow("1960 to 1959: francs to anciens francs")
        << "100"
        << "FRF" << 1960 << 1959 << ok << "100 F de 1960 valent 9648,24 anciens francs de 1959, soit 14,71 €"
        << "";
    QTest::newRow("2001 to 2002: francs to euros")
        << "100"
        << "FRF" << 2001 << 2002 << ok << "100 F de 2001 valent 15,54 € de 2002"
        << "";
    QTest::newRow("2002 to 2001: euros to francs")
        << "100"
        << "EUR" << 2002 << 2001 << ok << "100 € de 2002 valent 643,50 F de 2001, soit 98,10 €"
        << "";
    QTest::newRow("before 1960 to after 2002")
        << "1000"
        << "FRF" << 1950 << 2025 << ok << "1000 anciens francs de 1950 valent 33,73 € de 2025"
        << "";
    QTest::newRow("after 2002 to before 1960")
        << "100"
        << "EUR" << 2025 << 1955 << ok << "100 € de 2025 valent 3843,91 anciens francs de 1955, soit 5,86 €"
        << "";

    // Keyed in the other money than the year's: expressed in the year's at the fixed rate first.
    QTest::newRow("euros keyed for a year of francs")
        << "100"
        << "EUR" << 1985 << 2025 << ok << "100 € de 1985 (655,96 F) valent 208,99 € de 2025"
        << "";
    QTest::newRow("francs keyed for a year of euros, same year")
        << "100"
        << "FRF" << 2010 << 2010 << ok << "100 F de 2010 (15,24 €) valent 15,24 € de 2010"
        << "";
    QTest::newRow("one euro keyed for a year of anciens francs")
        << "1"
        << "EUR" << 1955 << 1955 << ok
        << "1 € de 1955 (655,96 anciens francs) vaut 655,96 anciens francs de 1955, soit 1,00 €"
        << "";
    QTest::newRow("below 2, singular") << "1,5"
                                       << "FRF" << 1955 << 1955 << ok
                                       << "1,5 ancien franc de 1955 vaut 1,50 ancien franc de 1955, soit 0,00 €"
                                       << "";

    // The same year is the amount itself, and the rounding is half up, away from zero.
    QTest::newRow("same year") << "100"
                               << "FRF" << 1985 << 1985 << ok << "100 F de 1985 valent 100,00 F de 1985, soit 15,24 €"
                               << "";
    QTest::newRow("half a cent up") << "0,125"
                                    << "EUR" << 2010 << 2010 << ok << "0,125 € de 2010 vaut 0,13 € de 2010"
                                    << "";
    QTest::newRow("negative half a cent away from zero")
        << "-0,125"
        << "EUR" << 2010 << 2010 << ok << "-0,125 € de 2010 vaut -0,13 € de 2010"
        << "";

    // The precision note: above 0,5 % from 1945 (index 1,00) to 2025, not from 1946 (1,53).
    QTest::newRow("precision: 1945, just above the threshold")
        << "100"
        << "FRF" << 1945 << 2025 << ok << "100 anciens francs de 1945 valent 15,24 € de 2025"
        << "Résultat à ±0,51 % près : l'indice de 1945, 1,00, n'est publié qu'au centième.";
    QTest::newRow("precision: 1946, below it")
        << "100"
        << "FRF" << 1946 << 2025 << ok << "100 anciens francs de 1946 valent 9,96 € de 2025"
        << "";
    QTest::newRow("precision: 1901, the coarsest")
        << "100"
        << "FRF" << 1901 << 2025 << ok << "100 anciens francs de 1901 valent 508,16 € de 2025"
        << "Résultat à ±17 % près : l'indice de 1901, 0,03, n'est publié qu'au centième.";
    QTest::newRow("precision: the coarse year as the result's")
        << "100"
        << "EUR" << 2025 << 1901 << ok << "100 € de 2025 valent 19,68 anciens francs de 1901, soit 0,03 €"
        << "Résultat à ±17 % près : l'indice de 1901, 0,03, n'est publié qu'au centième.";

    // Refusals.
    QTest::newRow("year before the table") << "100"
                                           << "FRF" << 1900 << 2025 << PP::Refusal::YearOutsideTable << ""
                                           << "";
    QTest::newRow("year after the table") << "100"
                                          << "FRF" << 1985 << PP::lastYear() + 1 << PP::Refusal::YearOutsideTable << ""
                                          << "";
    QTest::newRow("another currency") << "100"
                                      << "DEM" << 1985 << 2025 << PP::Refusal::OtherUnit << ""
                                      << "";
    QTest::newRow("another currency before an unreadable amount")
        << ""
        << "DEM" << 1985 << 2025 << PP::Refusal::OtherUnit << ""
        << "";
    QTest::newRow("no number") << "abc"
                               << "EUR" << 1985 << 2025 << PP::Refusal::NotAnAmount << ""
                               << "";
    QTest::newRow("result beyond the largest magnitude") << "1E+308"
                                                         << "EUR" << 1901 << 2025 << PP::Refusal::OutOfRange << ""
                                                         << "";
}

void TestPurchasingPower::rule()
{
    QFETCH(QString, keyed);
    QFETCH(QString, unit);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(PP::Refusal, refusal);
    QFETCH(QString, sentence);
    QFETCH(QString, note);

    const PP::Outcome outcome = PP::convert(QStringView(keyed), unit, from, to);
    QCOMPARE(outcome.refusal, refusal);
    QCOMPARE(PP::sentence(outcome), sentence);
    QCOMPARE(PP::precisionNote(outcome), note);
    QCOMPARE(outcome.imprecise, !note.isEmpty());
    if (from == to && outcome.ok())
        QCOMPARE(outcome.uncertainty, Amount(0));
}

void TestPurchasingPower::texts()
{
    QCOMPARE(PP::tapeLine(PP::convert(u"100", u"FRF", 1985, 2025)), u"100 F de 1985 = 31,86 € de 2025 (Insee)");
    QCOMPARE(PP::tapeLine(PP::convert(u"100", u"EUR", 1985, 2025)),
             u"100 € de 1985 (655,96 F) = 208,99 € de 2025 (Insee)");
    QCOMPARE(PP::tapeLine(PP::convert(u"100", u"DEM", 1985, 2025)), QString());
    QCOMPARE(PP::sourceLine(), u"Source : Insee, indice des prix à la consommation (série 011813530, base 2025)");
}

void TestPurchasingPower::shippedFile()
{
    // The file itself, read here apart from the build's generator.
    QFile file(QStringLiteral(PECUNIO_PRICE_INDEX_CSV));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(u"Source : Insee"));
    const QRegularExpression row(QStringLiteral("^(\\d{4});(\\d+)\\.(\\d\\d)$"));
    QSet<int> years;
    int last = 0;
    bool columns = false;
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'#'))
            continue;
        if (!columns) {
            QCOMPARE(line, u"annee;indice");
            columns = true;
            continue;
        }
        const QRegularExpressionMatch m = row.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        const int year = m.captured(1).toInt();
        const int hundredths = (m.captured(2) + m.captured(3)).toInt();
        QVERIFY2(!years.contains(year), qPrintable(line));
        years.insert(year);
        QVERIFY2(hundredths > 0, qPrintable(line));
        QCOMPARE(Euro::PriceIndex::hundredths(year), hundredths);
        last = std::max(last, year);
    }
    QCOMPARE(PP::firstYear(), 1901);
    QCOMPARE(PP::lastYear(), last);
    QCOMPARE(years.size(), last - 1901 + 1); // each year once, none missing, none before 1901
    QVERIFY(years.contains(1901));
    QCOMPARE(Euro::PriceIndex::hundredths(1900), 0);
    QCOMPARE(Euro::PriceIndex::hundredths(last + 1), 0);
}

QTEST_GUILESS_MAIN(TestPurchasingPower)
#include "tst_purchasingpower.moc"
