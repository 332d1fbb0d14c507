#pragma once
// The per-user settings store: text values addressed by application name, section and key,
// kept in an INI file in the user's configuration folder (<app>.ini). The application name
// is the executable's file name without extension, read at run time, so a renamed copy of
// the program keeps its own set of values.

#include <QDate>
#include <QLatin1String>
#include <QList>
#include <QString>

namespace Euro {

// The sections and keys of the store. The rates are kept in SectionTaux under each
// currency's code, and the start currency's rate apart under KeyStartRate.
inline constexpr QLatin1String SectionParametres{"parametres"};
inline constexpr QLatin1String SectionTaux{"taux"};
inline constexpr QLatin1String KeyFirstRunDate{"date de debut"}; // set once, on the first run
inline constexpr QLatin1String KeyAppFolder{"dossier application"};
inline constexpr QLatin1String KeyRunState{"etat"};
inline constexpr QLatin1String KeyStartRate{"taux"};
inline constexpr QLatin1String RunStateActive{"actif"};
inline constexpr QLatin1String RunStateInactive{"inactif"};
inline constexpr QLatin1String KeyZoom{"zoom"}; // the windows' zoom in percent, "125"

// The executable's file name without its extension ("Pecunio").
QString AppName();

// The stored text, or "" when absent or unreadable.
QString GetSetting(const QString &application, const QString &section, const QString &key);

// Creates or replaces the value; true when the file holds it. A write never leaves a
// half-written file. A value that could not be stored is still read back for the rest of
// the run.
bool SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value);

struct SettingValue {
    QString section;
    QString key;
    QString value;
};

// Writes several values at once, in the given order, as one change of the file: a write
// cut short leaves all of them or none.
bool SaveSettings(const QString &application, const QList<SettingValue> &values);

// The file that holds the values of an application, in the user's configuration folder
// (userfolders.h); "~/.config/<app>.ini", only ever named, when there is no home folder.
QString settingsFilePath(const QString &application);

// False when the application's file is there but cannot be read (no read permission, a
// folder in its place, more than 1 MB: larger than any the program writes) or has no place
// (no home folder), a fault then told by takeStoreNotice. An absent file is readable: it
// holds nothing yet. An unreadable file is never written over.
bool storeReadable(const QString &application);

// What the store could not do this run, said once: the message naming the file, the first
// time it is asked after the file could not be read or written; "" otherwise.
QString takeStoreNotice(const QString &application);

// The sixteen values of a first run, in the order they are written: the first-run date,
// the application folder, the run state, the start rate, then the twelve default rates.
QList<SettingValue> firstRunValues(const QDate &today, const QString &appFolder);

// Seeds the store when "date de debut" is empty, then writes "etat" = "actif".
// Returns true when it seeded. A file that cannot be read is left alone: nothing is seeded
// over rates that may be there.
bool initialiseSettings(const QString &application, const QDate &today, const QString &appFolder);

} // namespace Euro
