#pragma once
// The program's clock: the tape's date line and the first-run date read the time here,
// so that tests can fix it.

#include <QDateTime>
#include <QString>
#include <functional>

namespace Euro {

using ClockSource = std::function<QDateTime()>;

// The current local date and time (the installed source, or the system clock).
QDateTime Now();

// A date as the program writes it, whatever the user's locale: "08/12/2026".
QString dateText(const QDate &date);

// Installs a clock source and returns the previous one (an empty source restores the system clock).
ClockSource installClock(ClockSource source);

} // namespace Euro
