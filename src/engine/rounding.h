#pragma once
// The one rounding of the program: the converted display's amount to 2 or 5 decimals.
//
// Euro conversion rounds an amount exactly halfway up, away from zero, never to the even
// neighbour. "Exactly halfway" is judged on the amount as the number text form shows it
// (15 significant digits), so a double lying just below the half of its decimal value
// still rounds up.

namespace Euro {

// value rounded to decimals places (0 to 15), halves away from zero; infinite and
// not-a-number values come back unchanged.
double roundAmount(double value, int decimals);

} // namespace Euro
