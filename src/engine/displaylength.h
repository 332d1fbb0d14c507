#pragma once
// How long a display's text may be, for the engine and for the window's messages alike.

#include <QtGlobal>

namespace Euro::NumberText {

// The longest text a display holds: a sign, 15 digits, the comma and "E+308" for a result
// or a conversion. A keyed amount stops there too, as on a pocket calculator whose display
// is full.
inline constexpr qsizetype MaxTextLength = 22;

} // namespace Euro::NumberText
