#pragma once
// What the program does as it starts, before any window: it refuses a second instance
// and seeds the settings store on the first run before marking
// the program as running.

#include <QDate>
#include <QList>
#include <QString>

namespace Euro {

class InstanceGuard;

// True when this process may run; otherwise says so ("Programme déja en cours
// d'utilisation...") and returns false, having written nothing.
bool ensureSingleInstance(InstanceGuard &guard);

struct SettingValue {
    QString section;
    QString key;
    QString value;
};


// The sixteen values of a first run, in the order they are written: the first-run date,
// the application folder, the run state, the start rate, then the twelve default rates.
QList<SettingValue> firstRunValues(const QDate &today, const QString &appFolder);

// Seeds the store when "date de debut" is empty, then writes "etat" = "actif".
// Returns true when it seeded.
bool initialiseSettings(const QString &application, const QDate &today, const QString &appFolder);

} // namespace Euro
