// Texts from the clipboard in, the amount as keyed or a refusal out.

#include "engine/pastedamount.h"

#include <QTest>

class TestPastedAmount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
};

void TestPastedAmount::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("keyed"); // empty: refused

    const QString refused;
    const auto row = [](const char *name, const QString &text, const char *unit, const QString &keyed) {
        QTest::newRow(name) << text << QString::fromLatin1(unit) << keyed;
    };
    // Forms people write.
    row("integer", "12", "FRF", "12,");
    row("decimals", "15,24", "EUR", "15,24");
    row("blanks around", " \t12,5\r\n", "EUR", "12,5");
    row("minus", "-5", "EUR", "-5,");
    row("minus sign U+2212", QStringLiteral("\u22125,5"), "EUR", "-5,5");
    row("sign apart", "- 5", "EUR", "-5,");
    row("French grouping", "1 234 567,89", "FRF", "1234567,89");
    row("no-break space", QStringLiteral("1\u00A0234,5"), "FRF", "1234,5");
    row("narrow no-break space", QStringLiteral("1\u202F234"), "FRF", "1234,");
    row("dot groups, comma decimal", "1.234,56", "FRF", "1234,56");
    row("comma groups, dot decimal", "1,234.56", "FRF", "1234,56");
    row("several commas group", "1,234,567", "FRF", "1234567,");
    row("one dot is decimal", "12.50", "FRF", "12,5");
    row("several dots group", "1.234.567", "FRF", "1234567,");
    row("trailing comma", "12,", "EUR", "12,");
    row("leading comma", ",5", "EUR", "0,5");
    row("leading zeros", "007", "EUR", "7,");
    row("zero", "-0,00", "EUR", "0,");
    row("exponent form", "1,5E+20", "EUR", "1,5E+20");
    row("exponent, small e and dot", "1.5e-7", "EUR", "1,5E-07");
    row("euro sign after", "12,50 €", "EUR", "12,5");
    row("euro sign before, sign first", "-€12", "EUR", "-12,");
    row("euro code, any case", "eur 3", "EUR", "3,");
    row("franc F", "100F", "FRF", "100,");
    row("franc FF", "100 FF", "FRF", "100,");
    row("franc code before", "FRF 1 000", "FRF", "1000,");
    row("mark DM", "50 DM", "DEM", "50,");
    row("lira code", "1936,27 ITL", "ITL", "1936,27");
    row("21 digits fill a display", "123456789012345678901", "EUR", "123456789012345678901,");

    // Refused.
    row("empty", "", "EUR", refused);
    row("blanks only", " \n", "EUR", refused);
    row("letters", "abc", "EUR", refused);
    row("two signs", "--5", "EUR", refused);
    row("two signs round a mark", "-€-5", "EUR", refused);
    row("plus sign", "+5", "EUR", refused);
    row("sign after", "5-", "EUR", refused);
    row("another currency's mark", "100 FRF", "EUR", refused);
    row("euro sign for francs", "100 €", "FRF", refused);
    row("DM for francs", "100 DM", "FRF", refused);
    row("dollar", "$5", "EUR", refused);
    row("two marks", "€ 5 EUR", "EUR", refused);
    row("two numbers", "12 34", "EUR", refused);
    row("grouping not by threes", "1.23.456", "EUR", refused);
    row("two decimal commas after dots", "1.234,5,6", "EUR", refused);
    row("dots and spaces together", "1 234.567,8", "EUR", refused);
    row("grouping after the decimal", "0,123 456", "EUR", refused);
    row("mark alone", "€", "EUR", refused);
    row("comma alone", ",", "EUR", refused);
    row("a word after", "12 euros", "EUR", refused);
    row("exponent without digits", "12E", "EUR", refused);
    row("more than a display holds", "1234567890123456789012", "EUR", refused);
    row("beyond the largest magnitude", "1E+309", "EUR", refused);
    row("below the smallest magnitude", "1E-309", "EUR", refused);
}

void TestPastedAmount::read()
{
    QFETCH(QString, text);
    QFETCH(QString, unit);
    QFETCH(QString, keyed);
    QCOMPARE(Euro::NumberText::readPasted(text, unit).value_or(QString()), keyed);
}

QTEST_APPLESS_MAIN(TestPastedAmount)
#include "tst_pastedamount.moc"
