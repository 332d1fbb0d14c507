#pragma once
// A header of the engine that reaches up into the window: the include-direction check
// must name it.
#include <ui/main/window.h>
