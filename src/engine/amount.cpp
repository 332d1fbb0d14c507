#include "engine/amount.h"

#include "engine/rounding.h"

namespace Euro::Amounts {

namespace {

Amount makeMax()
{
    Amount q(mpz_class(179769313486232) * pow10(308 - 14));
    return q;
}

Amount makeMin()
{
    Amount q(mpz_class(1), pow10(308));
    q.canonicalize();
    return q;
}

} // namespace

const Amount &maxMagnitude()
{
    static const Amount max = makeMax();
    return max;
}

const Amount &minMagnitude()
{
    static const Amount min = makeMin();
    return min;
}

bool overflows(const Amount &value)
{
    return abs(value) > maxMagnitude();
}

Amount bounded(const Amount &value)
{
    if (sgn(value) == 0)
        return value;
    if (abs(value) < minMagnitude())
        return Amount(0);
    const size_t bits = mpz_sizeinbase(value.get_num_mpz_t(), 2) + mpz_sizeinbase(value.get_den_mpz_t(), 2);
    if (bits <= size_t(MaxBits))
        return value;
    return Euro::roundSignificant(value, BoundedDigits);
}

mpz_class pow10(unsigned long n)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, n);
    return p;
}

} // namespace Euro::Amounts
