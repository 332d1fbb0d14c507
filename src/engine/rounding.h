#pragma once
// The roundings of the program, all exact and all half away from zero (a half goes up
// in magnitude, never to the even neighbour), as euro conversion demands.

#include "engine/amount.h"

namespace Euro {

// value rounded to decimals places (0 or more): the converted display's 2 or 5 decimals.
Amount roundAmount(const Amount &value, int decimals);
// The same, written into `into` (not value itself), whose storage is reused.
void roundAmount(const Amount &value, int decimals, Amount &into);

// The significant digits of a nonzero |value| rounded to `digits` of them: the integer
// `significand` has exactly `digits` digits and |value| ~ significand * 10^(exponent -
// digits + 1), so `exponent` is the power of ten of the leading digit (after rounding).
// Zero gives a zero significand and exponent 0.
struct Significant {
    mpz_class significand;
    long exponent = 0;
};
Significant significantDigits(const Amount &value, int digits);

// value rounded to `digits` significant digits.
Amount roundSignificant(const Amount &value, int digits);

} // namespace Euro
