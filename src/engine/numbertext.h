#pragma once
// The one place where amounts become text and text becomes amounts.
//
// Displays, operands and the tape carry amounts as text with a decimal comma, never
// grouped, never depending on the system locale. A result or a conversion is written with
// at most 15 significant digits, in the exponent form ("1E+15", "1E-05") outside 1E-4 to
// 1E15; a keyed amount keeps every digit keyed, up to MaxTextLength characters. Reading is exact: "0,1" is one
// tenth, not the binary number nearest to it.

#include "engine/amount.h"
#include "engine/displaylength.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace Euro::NumberText {

// What reading a text found.
enum class ReadStatus {
    Number,     // a number, in value
    NoDigits,   // "", ",", "-", "-,": keyed without any digit
    Malformed,  // anything else that is not a number
    OutOfRange, // well formed, but beyond the largest magnitude
};

struct ReadResult {
    ReadStatus status = ReadStatus::Malformed;
    Amount value;
};

// The number text form: 15 significant digits (the 15th rounded half away from zero),
// decimal comma, trailing zeros dropped.
QString format(const Amount &value);

// Reads an optional "-", digits with an optional comma (leading or trailing comma
// allowed) and an optional exponent ("E", an optional sign, digits). Magnitudes below
// the smallest one read as zero.
ReadResult parse(QStringView text);

// The number, or nothing when the text is not one.
std::optional<Amount> read(QStringView text);

} // namespace Euro::NumberText
