#pragma once
// Whether a text can be a conversion rate: a plain decimal number (digits with at most one
// decimal comma, no sign, no exponent) above zero, since every conversion divides or
// multiplies by it, and no longer than the rate box takes. The rate button and the rates
// read back from the settings store both ask here.

#include <QStringView>

namespace Euro {

// The most characters a rate may have: what the rate box takes.
inline constexpr int RateMaxLength = 8;

enum class RateCheck {
    Ok,
    Empty,
    NotNumeric,   // not a number, or longer than the rate box takes
    NotAboveZero, // zero or negative
};

RateCheck checkRate(QStringView text);

} // namespace Euro
