#include "engine/rounding.h"

#include <charconv>
#include <cmath>

namespace Euro {

double roundAmount(double value, int decimals)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;

    // The 15 significant digits of the amount: d.dddddddddddddde[+-]x
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, 14);
    char digits[16];
    int count = 0;
    const char *p = buf;
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits[count++] = *p;
    }
    int exponent = 0;
    if (p != res.ptr) {
        const char *e = p + 1;
        if (*e == '+')
            ++e;
        std::from_chars(e, res.ptr, exponent);
    }

    // Digit k has the weight 10^(exponent - k); keep those down to 10^-decimals.
    const int kept = exponent + decimals + 1;
    if (kept >= count)
        return value; // nothing beyond the wanted decimals
    const bool negative = std::signbit(value);
    if (kept < 0)
        return negative ? -0.0 : 0.0;

    // Round the kept digits half up on the magnitude (away from zero).
    char out[24];
    int outExponent = exponent;
    int len = kept;
    for (int k = 0; k < kept; ++k)
        out[k] = digits[k];
    if (digits[kept] >= '5') {
        int k = kept - 1;
        while (k >= 0 && out[k] == '9')
            out[k--] = '0';
        if (k >= 0) {
            ++out[k];
        } else {
            // All nines carried over: one more leading digit.
            for (int m = len; m > 0; --m)
                out[m] = out[m - 1];
            out[0] = '1';
            ++len;
            ++outExponent;
        }
    }
    if (len == 0)
        return negative ? -0.0 : 0.0;

    // Back to a double: 0.<digits> times 10^(outExponent + 1).
    char text[48];
    int t = 0;
    if (negative)
        text[t++] = '-';
    text[t++] = '0';
    text[t++] = '.';
    for (int k = 0; k < len; ++k)
        text[t++] = out[k];
    text[t++] = 'e';
    const auto er = std::to_chars(text + t, text + sizeof text, outExponent + 1);
    double result = 0.0;
    std::from_chars(text, er.ptr, result);
    return result;
}

} // namespace Euro
