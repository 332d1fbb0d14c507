#pragma once
// A text-or-number value: nothing, a 16-bit integer, an exact amount or a text. It keeps
// whichever it was last given; written into a display, a text goes unchanged and a
// number in the number text form.

#include "engine/amount.h"

#include <QString>
#include <variant>

using Value = std::variant<std::monostate, qint16, Amount, QString>;
