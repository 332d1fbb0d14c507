#include "engine/amount.h"

#include "engine/rounding.h"

#include <QMutex>

#include <array>
#include <map>

namespace Euro::Amounts {

namespace {

Amount makeMax()
{
    Amount q(mpz_class("179769313486232") * pow10(308 - 14)); // wider than long on 32 bits
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
    // Sizes in bits settle all but the values near the limit (2^1023 < max < 2^1024).
    const long numBits = long(mpz_sizeinbase(value.get_num_mpz_t(), 2));
    const long denBits = long(mpz_sizeinbase(value.get_den_mpz_t(), 2));
    if (numBits - denBits < 1022)
        return false;
    if (numBits - denBits > 1026)
        return true;
    return cmp(abs(value), maxMagnitude()) > 0;
}

Amount bounded(Amount value)
{
    if (sgn(value) == 0)
        return value;
    // Sizes in bits settle all but the values near the smallest magnitude
    // (2^-1024 < 1E-308 < 2^-1023): 2^(numBits-1-denBits) <= |value| < 2^(numBits-denBits+1).
    const long numBits = long(mpz_sizeinbase(value.get_num_mpz_t(), 2));
    const long denBits = long(mpz_sizeinbase(value.get_den_mpz_t(), 2));
    if (numBits - denBits + 1 <= -1024)
        return Amount(0);
    if (numBits - 1 - denBits < -1023) {
        mpz_class scaled; // |value| < 1E-308 when |num| * 10^308 < den
        mpz_mul(scaled.get_mpz_t(), value.get_num_mpz_t(), pow10(308).get_mpz_t());
        if (mpz_cmpabs(scaled.get_mpz_t(), value.get_den_mpz_t()) < 0)
            return Amount(0);
    }
    const size_t bits = mpz_sizeinbase(value.get_num_mpz_t(), 2) + mpz_sizeinbase(value.get_den_mpz_t(), 2);
    if (bits <= size_t(MaxBits))
        return value;
    return Euro::roundSignificant(value, BoundedDigits);
}

namespace {

// The powers every key uses (decimals, digits of an amount), made once.
const std::array<mpz_class, 48> &smallPowers()
{
    static const std::array<mpz_class, 48> table = [] {
        std::array<mpz_class, 48> t;
        t[0] = 1;
        for (size_t i = 1; i < t.size(); ++i)
            t[i] = t[i - 1] * 10;
        return t;
    }();
    return table;
}

} // namespace

const mpz_class &pow10(unsigned long n)
{
    if (n < smallPowers().size())
        return smallPowers()[n];
    // The large powers (near the ends of the range) are made the first time they are
    // asked for; a map keeps each one where it was made.
    static std::map<unsigned long, mpz_class> large;
    static QMutex guard;
    const QMutexLocker lock(&guard);
    mpz_class &p = large[n];
    if (sgn(p) == 0)
        mpz_ui_pow_ui(p.get_mpz_t(), 10, n);
    return p;
}

void mulPow10(mpz_class &x, unsigned long n) { x *= pow10(n); }

void setUnsigned(mpz_ptr z, std::uint64_t n)
{
    if constexpr (sizeof(unsigned long) >= sizeof n) {
        mpz_set_ui(z, (unsigned long)n);
    } else {
        mpz_set_ui(z, (unsigned long)(n >> 32));
        mpz_mul_2exp(z, z, 32);
        mpz_add_ui(z, z, (unsigned long)(n & 0xFFFFFFFFu));
    }
}

} // namespace Euro::Amounts
