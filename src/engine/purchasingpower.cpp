#include "engine/purchasingpower.h"

#include "engine/currencies.h"
#include "engine/numbertext.h"
#include "engine/rounding.h"

namespace Euro::PurchasingPower {

namespace {

constexpr int FrancYear = 1960; // 100 anciens francs made 1 franc on 1 January 1960
constexpr int EuroYear = 2002;  // the euro's coins and notes, 1 January 2002

// Euros for one unit of a money, at the franc's fixed rate of the currency table.
const Amount &eurosPer(Money money)
{
    static const Amount franc = 1 / *NumberText::read(defaultRate(u"FRF"));
    static const Amount ancienFranc = franc / 100;
    static const Amount euro = 1;
    switch (money) {
    case Money::AncienFranc: return ancienFranc;
    case Money::Franc: return franc;
    case Money::Euro: break;
    }
    return euro;
}

// Half the spread of b/a when each index is off by up to half a hundredth, over b/a:
// ((b + 1/2) / (a - 1/2) - (b - 1/2) / (a + 1/2)) / (2 b / a), indices in hundredths.
Amount relativeUncertainty(int a, int b)
{
    const mpz_class ta = 2 * mpz_class(a);
    const mpz_class tb = 2 * mpz_class(b);
    Amount high(tb + 1, ta - 1);
    Amount low(tb - 1, ta + 1);
    high.canonicalize();
    low.canonicalize();
    return (high - low) * a / (2 * mpz_class(b));
}

// An amount in the number text form, then its unit's word.
QString amountText(const Amount &amount, Money money)
{
    return NumberText::format(amount) + u' ' + unitWord(money, amount);
}

// A sum of money worked out to the hundredth, written with its two decimals: « 22,70 € ».
QString moneyText(const Amount &rounded, Money money)
{
    QString number = NumberText::format(rounded);
    if (!number.contains(u'E')) {
        const qsizetype comma = number.indexOf(u',');
        number = comma < 0 ? number + QStringLiteral(",00") : number.leftJustified(comma + 3, u'0');
    }
    return number + u' ' + unitWord(money, rounded);
}

// « 100 F de 1985 », and « (655,96 F) » when the amount was keyed in other money than its year's.
QString fromText(const Outcome &o)
{
    QString text = amountText(o.keyed, o.keyedMoney) + QStringLiteral(" de ") + QString::number(o.fromYear);
    if (o.keyedMoney != o.fromMoney)
        text += QStringLiteral(" (") + moneyText(roundAmount(o.inYearMoney, 2), o.fromMoney) + u')';
    return text;
}

QString toText(const Outcome &o)
{
    return moneyText(o.result, o.resultMoney) + QStringLiteral(" de ") + QString::number(o.toYear);
}

} // namespace

Money moneyOf(int year) { return year < FrancYear ? Money::AncienFranc : year < EuroYear ? Money::Franc : Money::Euro; }

QString unitWord(Money money, const Amount &amount)
{
    switch (money) {
    case Money::AncienFranc: return abs(amount) < 2 ? QStringLiteral("ancien franc") : QStringLiteral("anciens francs");
    case Money::Franc: return QStringLiteral("F");
    case Money::Euro: break;
    }
    return QStringLiteral("€");
}

const Amount &precisionThreshold()
{
    static const Amount threshold(1, 200);
    return threshold;
}

Outcome convert(const Amount &amount, QStringView unitCode, int fromYear, int toYear)
{
    Outcome out;
    out.fromYear = fromYear;
    out.toYear = toYear;
    const bool euros = unitCode == EuroCode;
    if (!euros && unitCode != u"FRF") {
        out.refusal = Refusal::OtherUnit;
        return out;
    }
    const int a = PriceIndex::hundredths(fromYear);
    const int b = PriceIndex::hundredths(toYear);
    if (a == 0 || b == 0) {
        out.refusal = Refusal::YearOutsideTable;
        return out;
    }

    out.keyed = amount;
    out.fromMoney = moneyOf(fromYear);
    out.keyedMoney = euros ? Money::Euro : out.fromMoney == Money::Euro ? Money::Franc : out.fromMoney;
    out.resultMoney = moneyOf(toYear);

    const Amount keyedInEuros = amount * eurosPer(out.keyedMoney);
    out.inYearMoney = keyedInEuros / eurosPer(out.fromMoney);
    Amount worthInEuros = keyedInEuros;
    if (fromYear != toYear) { // the same year is the amount itself, whatever the index's precision
        worthInEuros = keyedInEuros * b / a;
        out.uncertainty = relativeUncertainty(a, b);
    }
    const Amount worth = worthInEuros / eurosPer(out.resultMoney);
    if (Amounts::overflows(worth) || Amounts::overflows(out.inYearMoney)) {
        out.refusal = Refusal::OutOfRange;
        return out;
    }
    out.result = roundAmount(worth, 2);
    out.resultInEuros = roundAmount(worthInEuros, 2);
    out.imprecise = out.uncertainty > precisionThreshold();
    out.refusal = Refusal::None;
    return out;
}

Outcome convert(QStringView displayText, QStringView unitCode, int fromYear, int toYear)
{
    const NumberText::ReadResult read = NumberText::parse(displayText);
    // An entry keyed without digits yet ("-", ",") counts as zero, as it does everywhere.
    const bool number = read.status == NumberText::ReadStatus::Number
                        || (read.status == NumberText::ReadStatus::NoDigits && !displayText.isEmpty());
    Outcome out = convert(number ? read.value : Amount(0), unitCode, fromYear, toYear);
    if (out.ok() && !number) {
        out = Outcome();
        out.fromYear = fromYear;
        out.toYear = toYear;
        out.refusal = Refusal::NotAnAmount;
    }
    return out;
}

QString sentence(const Outcome &o)
{
    if (!o.ok())
        return {};
    // The keyed amount is the subject: singular below 2, as its unit's word.
    const QString verb = abs(o.keyed) < 2 ? QStringLiteral(" vaut ") : QStringLiteral(" valent ");
    QString text = fromText(o) + verb + toText(o);
    if (o.resultMoney != Money::Euro)
        text += QStringLiteral(", soit ") + moneyText(o.resultInEuros, Money::Euro);
    return text;
}

QString tapeLine(const Outcome &o)
{
    if (!o.ok())
        return {};
    return fromText(o) + QStringLiteral(" = ") + toText(o) + QStringLiteral(" (Insee)");
}

QString precisionNote(const Outcome &o)
{
    if (!o.ok() || !o.imprecise)
        return {};
    // The coarser index is the smaller: name it.
    const int a = PriceIndex::hundredths(o.fromYear);
    const int b = PriceIndex::hundredths(o.toYear);
    const int year = a <= b ? o.fromYear : o.toYear;
    const int index = a <= b ? a : b;
    const Amount percent = roundSignificant(o.uncertainty * 100, 2);
    // The index as published, with its two decimals ("1,00").
    const QString published =
        QString::number(index / 100) + u',' + QString::number(index % 100).rightJustified(2, u'0');
    return QStringLiteral("Résultat à ±%1 % près : l'indice de %2, %3, n'est publié qu'au centième.")
        .arg(NumberText::format(percent), QString::number(year), published);
}

Reading read(QStringView displayText, QStringView unitCode, int fromYear, int toYear)
{
    const Outcome outcome = convert(displayText, unitCode, fromYear, toYear);
    return {outcome.refusal, sentence(outcome), tapeLine(outcome), precisionNote(outcome)};
}

QString sourceLine()
{
    return QStringLiteral("Source : Insee, indice des prix à la consommation (série 011813530, base %1)")
        .arg(PriceIndex::baseYear());
}

} // namespace Euro::PurchasingPower
