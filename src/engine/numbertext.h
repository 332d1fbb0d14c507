#pragma once
// The one place where amounts become text and text becomes amounts.
//
// Displays, operands and the tape carry amounts as text with a decimal comma, never
// grouped, never depending on the system locale: at most 15 significant digits, and the
// exponent form ("1E+15", "1E-05") outside 1E-4 to 1E15.

#include <QString>
#include <QStringView>
#include <optional>

namespace Euro::NumberText {

// What reading a text found.
enum class ReadStatus {
    Number,     // a number, in value
    NoDigits,   // "", ",", "-", "-,": keyed without any digit
    Malformed,  // anything else that is not a number
    OutOfRange, // well formed, but too large for a double
};

struct ReadResult {
    ReadStatus status = ReadStatus::Malformed;
    double value = 0.0;
};

// The number text form: 15 significant digits, decimal comma, trailing zeros dropped.
// Infinite and not-a-number values have no text form and give an empty text.
QString format(double value);

// Reads an optional "-", digits with an optional comma (leading or trailing comma
// allowed) and an optional exponent ("E", an optional sign, digits).
ReadResult parse(QStringView text);

// The number, or nothing when the text is not one.
std::optional<double> read(QStringView text);

} // namespace Euro::NumberText
