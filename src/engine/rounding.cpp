#include "engine/rounding.h"

namespace Euro {

namespace {

using Euro::Amounts::pow10;

// n / d rounded half up, for n, d > 0.
mpz_class divideHalfUp(const mpz_class &n, const mpz_class &d)
{
    mpz_class q = (2 * n + d) / (2 * d);
    return q;
}

// a * 10^k, k of either sign, as the fraction num / den.
void scale(const mpz_class &a, const mpz_class &b, long k, mpz_class &num, mpz_class &den)
{
    if (k >= 0) {
        num = a * pow10((unsigned long)k);
        den = b;
    } else {
        num = a;
        den = b * pow10((unsigned long)-k);
    }
}

} // namespace

Amount roundAmount(const Amount &value, int decimals)
{
    if (sgn(value) == 0)
        return value;
    const mpz_class scaleTo = pow10((unsigned long)(decimals < 0 ? 0 : decimals));
    const mpz_class a = abs(value.get_num());
    mpz_class r = divideHalfUp(a * scaleTo, value.get_den());
    if (sgn(value) < 0)
        r = -r;
    Amount out(r, scaleTo);
    out.canonicalize();
    return out;
}

Significant significantDigits(const Amount &value, int digits)
{
    Significant out;
    if (sgn(value) == 0 || digits < 1)
        return out;
    const mpz_class a = abs(value.get_num());
    const mpz_class &b = value.get_den();

    // The power of ten of the leading digit: 10^e <= a/b < 10^(e+1). The digit counts
    // give it within a step or two; exact comparisons settle it.
    long e = long(mpz_sizeinbase(a.get_mpz_t(), 10)) - long(mpz_sizeinbase(b.get_mpz_t(), 10));
    mpz_class n, d;
    for (;;) {
        scale(b, mpz_class(1), e, n, d); // b * 10^e as n / d
        if (a * d < n) { // a/b < 10^e
            --e;
            continue;
        }
        scale(b, mpz_class(1), e + 1, n, d);
        if (a * d >= n) { // a/b >= 10^(e+1)
            ++e;
            continue;
        }
        break;
    }

    // a/b * 10^(digits - 1 - e), rounded half up.
    scale(a, b, long(digits) - 1 - e, n, d);
    out.significand = divideHalfUp(n, d);
    if (out.significand == pow10((unsigned long)digits)) { // 9,99... carried into a new digit
        out.significand /= 10;
        ++e;
    }
    out.exponent = e;
    return out;
}

Amount roundSignificant(const Amount &value, int digits)
{
    if (sgn(value) == 0)
        return value;
    const Significant s = significantDigits(value, digits);
    mpz_class num, den;
    scale(s.significand, mpz_class(1), s.exponent - (long(digits) - 1), num, den);
    if (sgn(value) < 0)
        num = -num;
    Amount out(num, den);
    out.canonicalize();
    return out;
}

} // namespace Euro
