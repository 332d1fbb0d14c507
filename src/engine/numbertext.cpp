#include "engine/numbertext.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>
#include <limits>

namespace Euro::NumberText {

QString format(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0.0)
        return QStringLiteral("0"); // negative zero too
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    QString out;
    out.reserve(int(res.ptr - buf));
    for (const char *p = buf; p != res.ptr; ++p) {
        const char c = *p;
        out.append(QLatin1Char(c == '.' ? ',' : c == 'e' ? 'E' : c));
    }
    return out;
}

ReadResult parse(QStringView text)
{
    // Rebuilt in ASCII in the form from_chars reads: [-]digits.digits e[-]digits
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && text[i] == u'-') {
        negative = true;
        ++i;
    }
    QVarLengthArray<char, 64> num;
    num.reserve(n + 8);
    if (negative)
        num.push_back('-');

    qsizetype intDigits = 0, significantInt = 0, fracLeadingZeros = 0;
    bool nonZeroSeen = false, fracNonZero = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        const char c = char(text[i].unicode());
        if (c != '0')
            nonZeroSeen = true;
        if (nonZeroSeen)
            ++significantInt;
        num.push_back(c);
        ++intDigits;
        ++i;
    }
    qsizetype fracDigits = 0;
    if (i < n && text[i] == u',') {
        ++i;
        num.push_back('.');
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            const char c = char(text[i].unicode());
            if (!fracNonZero && c == '0')
                ++fracLeadingZeros;
            if (c != '0')
                fracNonZero = true;
            num.push_back(c);
            ++fracDigits;
            ++i;
        }
    }
    if (intDigits + fracDigits == 0) {
        if (i == n)
            return {ReadStatus::NoDigits, 0.0};
        return {ReadStatus::Malformed, 0.0};
    }
    if (intDigits == 0)
        num.insert(negative ? 1 : 0, '0');

    long long exponent = 0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            expNegative = text[i] == u'-';
            ++i;
        }
        const qsizetype expStart = i;
        num.push_back('e');
        if (expNegative)
            num.push_back('-');
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            const int d = text[i].unicode() - '0';
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + d;
            num.push_back(char('0' + d));
            ++i;
        }
        if (i == expStart)
            return {ReadStatus::Malformed, 0.0};
        if (expNegative)
            exponent = -exponent;
    }
    if (i != n)
        return {ReadStatus::Malformed, 0.0};

    double value = 0.0;
    const char *first = num.data();
    const char *last = num.data() + num.size();
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large, or so small that it reads as zero: tell them apart by the position
        // of the first significant digit.
        long long magnitude = 0;
        if (significantInt > 0)
            magnitude = significantInt - 1 + exponent;
        else if (fracNonZero)
            magnitude = -(fracLeadingZeros + 1) + exponent;
        else
            return {ReadStatus::Number, negative ? -0.0 : 0.0};
        if (magnitude > 0)
            return {ReadStatus::OutOfRange, 0.0};
        return {ReadStatus::Number, negative ? -0.0 : 0.0};
    }
    if (res.ec != std::errc() || res.ptr != last)
        return {ReadStatus::Malformed, 0.0};
    if (!std::isfinite(value))
        return {ReadStatus::OutOfRange, 0.0};
    return {ReadStatus::Number, value};
}

std::optional<double> read(QStringView text)
{
    const ReadResult r = parse(text);
    if (r.status != ReadStatus::Number)
        return std::nullopt;
    return r.value;
}

} // namespace Euro::NumberText
