// Texts from the clipboard in, the amount as keyed or a refusal out.

#include "engine/pastedamount.h"

#include <QMap>
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
    QTest::addColumn<QString>("keyed"); // refused: "!" and the reason

    const QString noAmount = QStringLiteral("!no amount");
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
    row("a comma before three digits is decimal", "1,234", "FRF", "1,234");
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
    row("a leading zero groups nothing", "0.500", "EUR", "0,5");
    row("four digits before a dot group nothing", "1234.567", "EUR", "1234,567");
    row("the exponent form groups nothing", "2.500E+05", "EUR", "2,5E+05");

    // Refused.
    row("empty", "", "EUR", noAmount);
    row("blanks only", " \n", "EUR", noAmount);
    row("letters", "abc", "EUR", noAmount);
    row("two signs", "--5", "EUR", noAmount);
    row("two signs round a mark", "-€-5", "EUR", noAmount);
    row("plus sign", "+5", "EUR", noAmount);
    row("sign after", "5-", "EUR", noAmount);
    row("another currency's mark", "100 FRF", "EUR", "!unit FRF");
    row("euro sign for francs", "100 €", "FRF", "!unit EUR");
    row("DM for francs", "100 DM", "FRF", "!unit DEM");
    row("F for euros", "-5 f", "EUR", "!unit FRF");
    row("a dot before three digits", "2.500 DM", "DEM", "!ambiguous 2500 or 2,5");
    row("a dot before three zeros", "1.000", "FRF", "!ambiguous 1000 or 1");
    row("a signed dot before three digits", "-1.234", "EUR", "!ambiguous -1234 or -1,234");
    row("dollar", "$5", "EUR", noAmount);
    row("two marks", "€ 5 EUR", "EUR", noAmount);
    row("two numbers", "12 34", "EUR", noAmount);
    row("grouping not by threes", "1.23.456", "EUR", noAmount);
    row("two decimal commas after dots", "1.234,5,6", "EUR", noAmount);
    row("dots and spaces together", "1 234.567,8", "EUR", noAmount);
    row("grouping after the decimal", "0,123 456", "EUR", noAmount);
    row("mark alone", "€", "EUR", noAmount);
    row("comma alone", ",", "EUR", noAmount);
    row("a word after", "12 euros", "EUR", noAmount);
    row("exponent without digits", "12E", "EUR", noAmount);
    row("more than a display holds", "1234567890123456789012", "EUR", "!too long");
    row("beyond the largest magnitude", "1E+309", "EUR", "!out of range");
    row("below the smallest magnitude", "1E-309", "EUR", "!out of range");
}

void TestPastedAmount::read()
{
    QFETCH(QString, text);
    QFETCH(QString, unit);
    QFETCH(QString, keyed);
    using Euro::NumberText::PasteRefusal;
    const Euro::NumberText::PastedAmount a = Euro::NumberText::readPasted(text, unit);
    const QMap<PasteRefusal, QString> reasons{
        {PasteRefusal::None, a.keyed},
        {PasteRefusal::NotAnAmount, "!no amount"},
        {PasteRefusal::OtherUnit, "!unit " + a.markedUnit},
        {PasteRefusal::Ambiguous, "!ambiguous " + a.asThousands + " or " + a.asDecimals},
        {PasteRefusal::TooLong, "!too long"},
        {PasteRefusal::OutOfRange, "!out of range"}};
    QCOMPARE(reasons.value(a.refusal), keyed);
}

QTEST_APPLESS_MAIN(TestPastedAmount)
#include "tst_pastedamount.moc"
