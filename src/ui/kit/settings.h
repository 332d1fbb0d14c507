#pragma once
// The per-user settings store: text values addressed by application name, section and key,
// kept in an INI file in the user's configuration folder (<app>.ini). The application name
// is the executable's file name without extension, read at run time, so a renamed copy of
// the program keeps its own set of values.

#include <QDate>
#include <QLatin1String>
#include <QList>
#include <QPair>
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

// Creates or replaces the value. Failures are silent; a write never leaves a half-written file.
void SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value);

// Writes several values of one section at once, in the given order, as one change of the
// file: (key, value) pairs.
void SaveSettings(const QString &application, const QString &section, const QList<QPair<QString, QString>> &values);

// The file that holds the values of an application.
QString settingsFilePath(const QString &application);

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
