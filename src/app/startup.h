#pragma once
// What the program does as it starts, before any window: it opens the display, and refuses
// a second instance. (The start-up card then seeds the settings store: initialiseSettings,
// ui/kit/settings.h.)

#include "ui/kit/settings.h"

#include <memory>

class QApplication;

namespace Euro {

class InstanceGuard;

// The exit status of a start without a display (the manual page lists it): 0 is a normal end
// and 2 a mistake on the command line.
inline constexpr int NoDisplayStatus = 3;

// The application on its display. When none can be opened (no DISPLAY, an X server that
// does not answer), says so in French on standard error, in place of Qt's English lines,
// and ends the program with NoDisplayStatus; Qt's messages of a start that succeeds are
// passed on as they came.
std::unique_ptr<QApplication> openApplication(int &argc, char **argv);

// True when this process may run; otherwise says so ("Programme déjà en cours
// d'utilisation...") and returns false, having written nothing.
bool ensureSingleInstance(InstanceGuard &guard);

} // namespace Euro
