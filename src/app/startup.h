#pragma once
// What the program does as it starts, before any window: it refuses a second instance.
// (The start-up card then seeds the settings store: initialiseSettings, ui/kit/settings.h.)

#include "ui/kit/settings.h"

namespace Euro {

class InstanceGuard;

// True when this process may run; otherwise says so ("Programme déjà en cours
// d'utilisation...") and returns false, having written nothing.
bool ensureSingleInstance(InstanceGuard &guard);

} // namespace Euro
