#include "engine/numbertext.h"

#include "engine/rounding.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <numeric>

namespace Euro::NumberText {

namespace {

constexpr int TextDigits = 15;
constexpr long LargestExponent = 308; // of the largest magnitude's leading digit
constexpr long SmallestExponent = -308;

bool isAsciiDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// GMP asks for mpz_sizeinbase + 2 bytes, and sizeinbase may count one digit too many:
// a significand of exactly TextDigits digits needs TextDigits + 3.
using DigitBuffer = char[TextDigits + 3];

// The digits of a decimal fraction of at most TextDigits significant digits whose
// numerator and denominator fit in machine words (every converted amount, most results),
// worked out there: TextDigits digits, zeros after the last, and the power of ten of the
// first. False for any other value.
bool machineDigits(const Amount &value, DigitBuffer &digits, long &exponent)
{
    if (!mpz_fits_slong_p(value.get_num_mpz_t()) || !mpz_fits_ulong_p(value.get_den_mpz_t()))
        return false;
    const std::uint64_t den = mpz_get_ui(value.get_den_mpz_t());
    std::uint64_t power = 1; // the least 10^places that den divides
    int places = 0;
    while (power % den != 0) {
        if (places == 19) // 10^19 is the largest power of ten a 64-bit word holds
            return false;
        power *= 10;
        ++places;
    }
    const long num = mpz_get_si(value.get_num_mpz_t());
    const std::uint64_t magnitude = num < 0 ? 0 - std::uint64_t(num) : std::uint64_t(num);
    const std::uint64_t factor = power / den;
    if (magnitude > (1'000'000'000'000'000 - 1) / factor) // more than TextDigits digits: rounding needed
        return false;
    const std::uint64_t scaled = magnitude * factor;
    const int length = int(std::to_chars(digits, digits + TextDigits, scaled).ptr - digits);
    std::fill(digits + length, digits + TextDigits, '0');
    digits[TextDigits] = '\0';
    exponent = long(length) - 1 - places;
    return true;
}

} // namespace

QString format(const Amount &value)
{
    if (sgn(value) == 0)
        return QStringLiteral("0");
    DigitBuffer digits;
    long e = 0;
    if (!machineDigits(value, digits, e)) {
        const Euro::Significant s = Euro::significantDigits(value, TextDigits);
        Q_ASSERT(mpz_sizeinbase(s.significand.get_mpz_t(), 10) + 2 <= sizeof(digits));
        mpz_get_str(digits, 10, s.significand.get_mpz_t());
        e = s.exponent;
    }
    int count = TextDigits;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    char out[TextDigits + 32];
    int len = 0;
    const auto put = [&](char c) { out[len++] = c; };
    if (sgn(value) < 0)
        put('-');
    if (e < -4 || e >= TextDigits) {
        put(digits[0]);
        if (count > 1) {
            put(',');
            for (int k = 1; k < count; ++k)
                put(digits[k]);
        }
        put('E');
        put(e < 0 ? '-' : '+');
        const long magnitude = e < 0 ? -e : e;
        if (magnitude < 10)
            put('0'); // at least two exponent digits: "1E-05"
        len = int(std::to_chars(out + len, out + sizeof out, magnitude).ptr - out);
    } else if (e < 0) {
        put('0');
        put(',');
        for (long k = 0; k < -e - 1; ++k)
            put('0');
        for (int k = 0; k < count; ++k)
            put(digits[k]);
    } else {
        const int intDigits = int(e) + 1;
        for (int k = 0; k < intDigits; ++k)
            put(k < count ? digits[k] : '0');
        if (count > intDigits) {
            put(',');
            for (int k = intDigits; k < count; ++k)
                put(digits[k]);
        }
    }
    return QString::fromLatin1(out, len);
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
    QVarLengthArray<char, 64> digits;
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
    // built, so "1E+999999999" costs nothing: below 1E-308 is zero, and only a leading
    // digit at the very top of the range needs the exact comparison.
    const long long leading = (long long)intDigits - 1 - firstSignificant + exponent;
    if (leading > LargestExponent)
        return {ReadStatus::OutOfRange, Amount()};
    if (leading < SmallestExponent)
        return {ReadStatus::Number, Amount()};

    // value = digits * 10^(exponent - fracDigits)
    ReadResult out{ReadStatus::Number, Amount()};
    mpz_ptr num = out.value.get_num_mpz_t();
    mpz_ptr den = out.value.get_den_mpz_t();
    const qsizetype significant = digits.size() - qsizetype(firstSignificant);
    const long long shift = exponent - (long long)fracDigits;
    if (significant <= 18 && shift < 0 && shift >= -19) {
        // The everyday amount: mantissa and power of ten in machine words, the fraction
        // reduced there, so GMP only stores the two results. 18 digits need 64 bits.
        std::uint64_t m = 0;
        for (qsizetype k = qsizetype(firstSignificant); k < digits.size(); ++k)
            m = m * 10 + std::uint64_t(digits[k] - '0');
        std::uint64_t p = 1;
        for (long long k = shift; k < 0; ++k)
            p *= 10;
        const std::uint64_t g = std::gcd(m, p);
        Euro::Amounts::setUnsigned(num, m / g);
        Euro::Amounts::setUnsigned(den, p / g);
    } else {
        if (significant <= 18) {
            std::uint64_t m = 0;
            for (qsizetype k = qsizetype(firstSignificant); k < digits.size(); ++k)
                m = m * 10 + std::uint64_t(digits[k] - '0');
            Euro::Amounts::setUnsigned(num, m);
        } else {
            digits.push_back('\0');
            mpz_set_str(num, digits.data() + firstSignificant, 10);
        }
        if (shift >= 0) {
            mpz_mul(num, num, Euro::Amounts::pow10((unsigned long)shift).get_mpz_t());
        } else {
            mpz_set(den, Euro::Amounts::pow10((unsigned long)-shift).get_mpz_t());
            out.value.canonicalize();
        }
        if (leading == LargestExponent && Euro::Amounts::overflows(out.value))
            return {ReadStatus::OutOfRange, Amount()};
    }
    if (negative)
        mpz_neg(num, num);
    return out;
}

std::optional<Amount> read(QStringView text)
{
    ReadResult r = parse(text);
    if (r.status != ReadStatus::Number)
        return std::nullopt;
    return std::move(r.value);
}

} // namespace Euro::NumberText
