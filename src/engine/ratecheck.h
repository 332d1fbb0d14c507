#pragma once
// Whether a text can be a conversion rate. A rate is read as every amount is read, and it
// must be above zero: every conversion divides or multiplies by it. The rate button and
// the rates read back from the settings store both ask here.

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
