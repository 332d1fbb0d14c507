#pragma once
// Whether a text can be a conversion rate: a plain decimal number (digits with at most one
// decimal comma, no sign, no exponent) above zero, since every conversion divides or
// multiplies by it. The rate button and the rates read back from the settings store both
// ask here.

#include <QStringView>

namespace Euro {

enum class RateCheck {
    Ok,
    Empty,
    NotNumeric,   // not a number, or too large to be one
    NotAboveZero, // zero or negative
};

RateCheck checkRate(QStringView text);

} // namespace Euro
