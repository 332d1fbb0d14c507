#include "engine/numbertext.h"

#include "engine/rounding.h"

#include <QVarLengthArray>

#include <string>

namespace Euro::NumberText {

namespace {

constexpr int TextDigits = 15;
constexpr long LargestExponent = 308; // of the largest magnitude's leading digit
constexpr long SmallestExponent = -308;

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

QString format(const Amount &value)
{
    if (sgn(value) == 0)
        return QStringLiteral("0");
    const Euro::Significant s = Euro::significantDigits(value, TextDigits);
    std::string digits = s.significand.get_str();
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const long e = s.exponent;

    QString out;
    out.reserve(int(digits.size()) + 8);
    if (sgn(value) < 0)
        out.append(u'-');
    if (e < -4 || e >= TextDigits) {
        out.append(QLatin1Char(digits[0]));
        if (digits.size() > 1) {
            out.append(u',');
            out.append(QLatin1String(digits.data() + 1, qsizetype(digits.size() - 1)));
        }
        out.append(e < 0 ? QLatin1String("E-") : QLatin1String("E+"));
        const long magnitude = e < 0 ? -e : e;
        if (magnitude < 10)
            out.append(u'0');
        out.append(QString::number(magnitude));
    } else if (e < 0) {
        out.append(QLatin1String("0,"));
        out.append(QString(int(-e - 1), u'0'));
        out.append(QLatin1String(digits.data(), qsizetype(digits.size())));
    } else {
        const size_t intDigits = size_t(e) + 1;
        if (digits.size() <= intDigits) {
            out.append(QLatin1String(digits.data(), qsizetype(digits.size())));
            out.append(QString(int(intDigits - digits.size()), u'0'));
        } else {
            out.append(QLatin1String(digits.data(), qsizetype(intDigits)));
            out.append(u',');
            out.append(QLatin1String(digits.data() + intDigits, qsizetype(digits.size() - intDigits)));
        }
    }
    return out;
}

ReadResult parse(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && text[i] == u'-') {
        negative = true;
        ++i;
    }

    // All the mantissa's digits in one integer; the comma only moves the exponent.
    std::string digits;
    digits.reserve(size_t(n));
    long long firstSignificant = -1; // index in digits of the first nonzero digit
    qsizetype intDigits = 0;
    while (i < n && isAsciiDigit(text[i])) {
        if (firstSignificant < 0 && text[i] != u'0')
            firstSignificant = (long long)digits.size();
        digits.push_back(char(text[i].unicode()));
        ++intDigits;
        ++i;
    }
    qsizetype fracDigits = 0;
    if (i < n && text[i] == u',') {
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            if (firstSignificant < 0 && text[i] != u'0')
                firstSignificant = (long long)digits.size();
            digits.push_back(char(text[i].unicode()));
            ++fracDigits;
            ++i;
        }
    }
    if (intDigits + fracDigits == 0)
        return {i == n ? ReadStatus::NoDigits : ReadStatus::Malformed, Amount()};

    long long exponent = 0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            expNegative = text[i] == u'-';
            ++i;
        }
        const qsizetype expStart = i;
        while (i < n && isAsciiDigit(text[i])) {
            if (exponent < 1'000'000'000) // far beyond any magnitude: only its sign matters
                exponent = exponent * 10 + (text[i].unicode() - u'0');
            ++i;
        }
        if (i == expStart)
            return {ReadStatus::Malformed, Amount()};
        if (expNegative)
            exponent = -exponent;
    }
    if (i != n)
        return {ReadStatus::Malformed, Amount()};
    if (firstSignificant < 0)
        return {ReadStatus::Number, Amount()}; // zero, however written

    // The power of ten of the leading digit decides the range before any big number is
    // built, so "1E+999999999" costs nothing.
    const long long leading = (long long)intDigits - 1 - firstSignificant + exponent;
    if (leading > LargestExponent)
        return {ReadStatus::OutOfRange, Amount()};
    if (leading < SmallestExponent - 1)
        return {ReadStatus::Number, Amount()};

    // value = digits * 10^(exponent - fracDigits)
    Amount value;
    mpz_class mantissa(digits.c_str() + firstSignificant, 10);
    const long long shift = exponent - (long long)fracDigits;
    if (shift >= 0) {
        value = Amount(mantissa * Euro::Amounts::pow10((unsigned long)shift));
    } else {
        value = Amount(mantissa, Euro::Amounts::pow10((unsigned long)-shift));
        value.canonicalize();
    }
    if (Euro::Amounts::overflows(value))
        return {ReadStatus::OutOfRange, Amount()};
    if (value < Euro::Amounts::minMagnitude())
        return {ReadStatus::Number, Amount()};
    if (negative)
        value = -value;
    return {ReadStatus::Number, value};
}

std::optional<Amount> read(QStringView text)
{
    ReadResult r = parse(text);
    if (r.status != ReadStatus::Number)
        return std::nullopt;
    return std::move(r.value);
}

} // namespace Euro::NumberText
