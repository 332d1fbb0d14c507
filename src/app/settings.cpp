#include "app/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace Euro {

QString AppName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString settingsFilePath(const QString &application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + application + QStringLiteral(".ini");
}

QString GetSetting(const QString &application, const QString &section, const QString &key)
{
    QSettings store(settingsFilePath(application), QSettings::IniFormat);
    return store.value(section + QLatin1Char('/') + key).toString();
}

void SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value)
{
    QSettings store(settingsFilePath(application), QSettings::IniFormat);
    store.setValue(section + QLatin1Char('/') + key, value);
}

} // namespace Euro
