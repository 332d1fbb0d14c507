#pragma once
// Amounts are exact rational numbers (GMP's mpq_class): what is keyed in, the rates and
// the running result are held with no binary step, so 100 - 99,99 is 0,01 and a
// conversion is rounded once, on the exact product or quotient.
//
// The running result keeps full precision from key to key, within bounds that keep every
// key equally cheap: magnitudes beyond MaxMagnitude overflow, nonzero magnitudes below
// MinMagnitude are zero, and a value whose numerator and denominator together outgrow
// MaxBits is rounded to 34 significant digits (a chain of divisions by 7, say).

#include <gmpxx.h>

#include <cstdint>

using Amount = mpq_class;

namespace Euro::Amounts {

// Largest magnitude a result may have: 1,79769313486232E+308.
const Amount &maxMagnitude();
// Smallest nonzero magnitude a value keeps: 1E-308; below it an amount is zero.
const Amount &minMagnitude();

inline constexpr int BoundedDigits = 34;
inline constexpr int MaxBits = 1280; // a 34-digit value anywhere in range fits in this

// |value| beyond the largest magnitude.
bool overflows(const Amount &value);

// value within the bounds above: zero below the smallest magnitude, rounded to
// BoundedDigits significant digits when it has outgrown MaxBits, unchanged otherwise.
// An overflowing value comes back unchanged: callers check overflows() first.
// Taken by value: a result moved in comes back without a copy.
Amount bounded(Amount value);

// 10 to the power n, as an integer, made once and kept for the run.
const mpz_class &pow10(unsigned long n);
// x times 10 to the power n, in place.
void mulPow10(mpz_class &x, unsigned long n);
// z = n, whatever the width of unsigned long (32 bits on some architectures).
void setUnsigned(mpz_ptr z, std::uint64_t n);

} // namespace Euro::Amounts
