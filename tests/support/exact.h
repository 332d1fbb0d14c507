#pragma once
// Exact values for the engine's tables, from GMP's own reading: independent of ours.

#include "engine/amount.h"

namespace TestSupport {

// rational ("2/3") times 10^exponent.
inline Amount q(const char *rational, int exponent = 0)
{
    Amount v(rational);
    v.canonicalize();
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, (unsigned long)(exponent < 0 ? -exponent : exponent));
    if (exponent >= 0)
        v *= p;
    else
        v /= p;
    return v;
}

} // namespace TestSupport
