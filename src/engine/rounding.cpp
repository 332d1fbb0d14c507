#include "engine/rounding.h"

#include <cstdint>
#include <numeric>

namespace Euro {

namespace {

using Euro::Amounts::mulPow10;
using Euro::Amounts::pow10;

// The decimal digits of n > 0.
long digitCount(const mpz_class &n)
{
    const long guess = long(mpz_sizeinbase(n.get_mpz_t(), 10)); // exact or one too many
    return guess > 1 && cmp(n, pow10((unsigned long)(guess - 1))) < 0 ? guess - 1 : guess;
}

} // namespace

Amount roundAmount(const Amount &value, int decimals)
{
    Amount out;
    roundAmount(value, decimals, out);
    return out;
}

void roundAmount(const Amount &value, int decimals, Amount &out)
{
    if (sgn(value) == 0) {
        out = 0;
        return;
    }
    const unsigned long places = (unsigned long)(decimals < 0 ? 0 : decimals);
    // r = |num| * 10^places / den, half up: floor(floor((2a + den) / den) / 2) with
    // a = |num| * 10^places, all in the result's own numerator.
    mpz_ptr r = out.get_num_mpz_t();
    mpz_ptr d = out.get_den_mpz_t();
    mpz_mul(r, value.get_num_mpz_t(), pow10(places).get_mpz_t());
    mpz_abs(r, r);
    mpz_mul_2exp(r, r, 1);
    mpz_add(r, r, value.get_den_mpz_t());
    mpz_fdiv_q(r, r, value.get_den_mpz_t());
    mpz_fdiv_q_2exp(r, r, 1);
    if (places <= 19 && mpz_fits_ulong_p(r)) {
        // The everyday result: reduced by 10^places in machine words.
        std::uint64_t p = 1; // 10^19 needs 64 bits, wider than unsigned long on 32 bits
        for (unsigned long k = 0; k < places; ++k)
            p *= 10;
        const std::uint64_t q = mpz_get_ui(r);
        const std::uint64_t g = std::gcd(q, p);
        Euro::Amounts::setUnsigned(r, q / g);
        Euro::Amounts::setUnsigned(d, p / g);
    } else {
        mpz_set(d, pow10(places).get_mpz_t());
        out.canonicalize();
    }
    if (sgn(value) < 0)
        mpz_neg(r, r);
}

Significant significantDigits(const Amount &value, int digits)
{
    Significant out;
    if (sgn(value) == 0 || digits < 1)
        return out;
    mpz_class a = abs(value.get_num());
    const mpz_class &b = value.get_den();

    // The digit counts place the leading digit of a/b within a few places; scaling by
    // three guard digits more gives an integer part t with at least one digit to drop.
    const long guess = long(mpz_sizeinbase(a.get_mpz_t(), 10)) - long(mpz_sizeinbase(b.get_mpz_t(), 10));
    const long shift = long(digits) + 2 - guess; // a/b * 10^shift
    mpz_class t;
    if (shift >= 0) {
        mulPow10(a, (unsigned long)shift);
        mpz_fdiv_q(t.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    } else {
        mpz_class den = b;
        mulPow10(den, (unsigned long)-shift);
        mpz_fdiv_q(t.get_mpz_t(), a.get_mpz_t(), den.get_mpz_t());
    }
    const long length = digitCount(t);
    out.exponent = length - 1 - shift;

    // Half up on t's dropped digits. The fraction cut off below t is less than one unit
    // of t, so it cannot lift the dropped digits from below a half to a half.
    const unsigned long drop = (unsigned long)(length - digits);
    mpz_class rest;
    const mpz_class unit = pow10(drop);
    mpz_fdiv_qr(out.significand.get_mpz_t(), rest.get_mpz_t(), t.get_mpz_t(), unit.get_mpz_t());
    rest *= 2;
    if (cmp(rest, unit) >= 0) {
        ++out.significand;
        if (cmp(out.significand, pow10((unsigned long)digits)) == 0) { // 9,99... into a new digit
            out.significand /= 10;
            ++out.exponent;
        }
    }
    return out;
}

Amount roundSignificant(const Amount &value, int digits)
{
    if (sgn(value) == 0)
        return value;
    const Significant s = significantDigits(value, digits);
    mpz_class num = s.significand;
    const long shift = s.exponent - (long(digits) - 1);
    Amount out;
    if (shift >= 0) {
        mulPow10(num, (unsigned long)shift);
        out = Amount(num);
    } else {
        out = Amount(num, pow10((unsigned long)-shift));
        out.canonicalize();
    }
    if (sgn(value) < 0)
        out = -out;
    return out;
}

} // namespace Euro
