#include "ui/kit/settings.h"

#include "engine/currencies.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace Euro {
namespace {

QString storeKey(const QString &section, const QString &key) { return section + QLatin1Char('/') + key; }

// Values this run wrote but could not save (a read-only file, a folder in its place, a full
// disk), by file and key. The run still reads back what it wrote, so a first start on a broken
// store works with the seeded defaults instead of without rates.
QHash<QString, QString> &unsavedValues()
{
    static QHash<QString, QString> values;
    return values;
}

} // namespace

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
    const QString file = settingsFilePath(application);
    const auto unsaved = unsavedValues().constFind(file + QLatin1Char('\n') + storeKey(section, key));
    if (unsaved != unsavedValues().cend())
        return *unsaved;

    const QSettings store(file, QSettings::IniFormat);
    const QVariant value = store.value(storeKey(section, key));
    // A rate typed by hand without quotes ("FRF=6,55957") reads as a list of its
    // comma-separated parts; every value of the store is one text, so join them back.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value)
{
    SaveSettings(application, section, {{key, value}});
}

void SaveSettings(const QString &application, const QString &section, const QList<QPair<QString, QString>> &values)
{
    const QString file = settingsFilePath(application);
    QSettings store(file, QSettings::IniFormat);
    // QSettings writes through a temporary file renamed into place: an interrupted write
    // never leaves half a file.
    store.setAtomicSyncRequired(true);
    for (const auto &[key, value] : values)
        store.setValue(storeKey(section, key), value);
    store.sync();

    const bool saved = store.status() != QSettings::AccessError;
    for (const auto &[key, value] : values) {
        const QString id = file + QLatin1Char('\n') + storeKey(section, key);
        if (saved)
            unsavedValues().remove(id);
        else
            unsavedValues().insert(id, value);
    }
}

QList<SettingValue> firstRunValues(const QDate &today, const QString &appFolder)
{
    QList<SettingValue> values{
        {SectionParametres, KeyFirstRunDate, today.toString(QStringLiteral("dd/MM/yyyy"))},
        {SectionParametres, KeyAppFolder, appFolder},
        {SectionParametres, KeyRunState, RunStateActive},
        {SectionTaux, KeyStartRate, StartRate.toString()},
    };
    for (const Currency &c : CurrencyTable)
        values.append({SectionTaux, c.code.toString(), c.defaultRate.toString()});
    return values;
}

bool initialiseSettings(const QString &application, const QDate &today, const QString &appFolder)
{
    const bool firstRun = GetSetting(application, SectionParametres, KeyFirstRunDate).isEmpty();
    if (firstRun) {
        // One change of the file per section, the values in their order.
        QList<QPair<QString, QString>> batch;
        QString section;
        const auto flush = [&] {
            if (!batch.isEmpty())
                SaveSettings(application, section, batch);
            batch.clear();
        };
        for (const SettingValue &v : firstRunValues(today, appFolder)) {
            if (v.section != section)
                flush();
            section = v.section;
            batch.append({v.key, v.value});
        }
        flush(); // the run state is among the values
        return true;
    }
    SaveSetting(application, SectionParametres, KeyRunState, RunStateActive);
    return false;
}

} // namespace Euro
