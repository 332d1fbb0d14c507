#pragma once
// A display never hides a digit: when its text is wider than its box, the font shrinks,
// same face and weight, until the whole text fits; a short text gets the design size back.

#include <QFont>

class QLineEdit;

namespace Euro {

// Sets on edit the largest size of design, at most the design size, at which edit's
// text fits between its margins.
void fitDisplayFont(QLineEdit *edit, const QFont &design);

} // namespace Euro
