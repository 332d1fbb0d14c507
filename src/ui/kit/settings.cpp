#include "ui/kit/settings.h"

#include "tape/clock.h"

#include "engine/currencies.h"
#include "ui/kit/userfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
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

enum class Fault {
    None,
    Unreadable, // a file that cannot be opened, or no file at all (a folder, a device)
    TooLarge,   // larger than any store the program writes: not parsed
    NoHome,     // neither HOME nor the account gives a home folder to find the file in
    Unwritable,
};

struct FileState {
    Fault fault = Fault::None; // the first one met
    bool told = false;
};

// What went wrong with each file this run, so that it is said once.
QHash<QString, FileState> &fileStates()
{
    static QHash<QString, FileState> states;
    return states;
}

void noteFault(const QString &file, Fault fault)
{
    FileState &state = fileStates()[file];
    if (state.fault == Fault::None)
        state.fault = fault;
}

// The program writes well under a kilobyte. QSettings reads the whole file on every access,
// and a file of tens of megabytes would keep the start-up card up for seconds and take
// hundreds of megabytes: anything past this size is not a store of the program's.
constexpr qint64 MaxStoreBytes = 1024 * 1024;

// Why the file cannot be read, looked at before QSettings (which reads a file it cannot
// open as an empty one, and would write over it); Fault::None when it can, or is absent
// and so holds nothing yet.
Fault readFault(const QString &file)
{
    if (configFolderFromAccount() && !QFileInfo(userHomeFolder()).isDir())
        return Fault::NoHome;
    const QFileInfo info(file);
    if (!info.exists())
        return Fault::None;
    if (!info.isFile())
        return Fault::Unreadable; // a folder, a device or a pipe in its place
    if (info.size() > MaxStoreBytes)
        return Fault::TooLarge;
    return QFile(file).open(QIODevice::ReadOnly) ? Fault::None : Fault::Unreadable;
}

} // namespace

QString AppName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

QString settingsFilePath(const QString &application)
{
    const QString folder = userConfigFolder();
    // Without a home the file has no place: this names it for the messages, and readFault
    // keeps anything from opening it.
    return (folder.isEmpty() ? QStringLiteral("~/.config") : folder) + QLatin1Char('/') + application
           + QStringLiteral(".ini");
}

bool storeReadable(const QString &application)
{
    const QString file = settingsFilePath(application);
    const Fault fault = readFault(file);
    noteFault(file, fault);
    return fault == Fault::None;
}

QString GetSetting(const QString &application, const QString &section, const QString &key)
{
    const QString file = settingsFilePath(application);
    const auto unsaved = unsavedValues().constFind(file + QLatin1Char('\n') + storeKey(section, key));
    if (unsaved != unsavedValues().cend())
        return *unsaved;
    if (const Fault fault = readFault(file); fault != Fault::None) {
        noteFault(file, fault);
        return {};
    }

    const QSettings store(file, QSettings::IniFormat);
    const QVariant value = store.value(storeKey(section, key));
    // A rate typed by hand without quotes ("FRF=6,55957") reads as a list of its
    // comma-separated parts; every value of the store is one text, so join them back.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value)
{
    return SaveSettings(application, {{section, key, value}});
}

bool SaveSettings(const QString &application, const QList<SettingValue> &values)
{
    const QString file = settingsFilePath(application);
    // A file that cannot be read is never written over: it may hold the user's rates.
    const Fault fault = readFault(file);
    bool saved = false;
    if (fault == Fault::None) {
        QSettings store(file, QSettings::IniFormat);
        // QSettings writes through a temporary file renamed into place: an interrupted write
        // never leaves half a file.
        store.setAtomicSyncRequired(true);
        for (const SettingValue &v : values)
            store.setValue(storeKey(v.section, v.key), v.value);
        store.sync();
        saved = store.status() != QSettings::AccessError;
    }
    if (!saved)
        noteFault(file, fault == Fault::None ? Fault::Unwritable : fault);
    for (const SettingValue &v : values) {
        const QString id = file + QLatin1Char('\n') + storeKey(v.section, v.key);
        if (saved)
            unsavedValues().remove(id);
        else
            unsavedValues().insert(id, v.value);
    }
    return saved;
}

QString takeStoreNotice(const QString &application)
{
    const QString file = settingsFilePath(application);
    FileState &state = fileStates()[file];
    if (state.fault == Fault::None || state.told)
        return {};
    state.told = true;
    // The file on a line of its own: a long path wraps there, not inside.
    const QString name = QDir::toNativeSeparators(file);
    switch (state.fault) {
    case Fault::NoHome:
        return QStringLiteral("Les taux enregistrés ne peuvent pas être lus : le dossier personnel qui contient le "
                              "fichier des paramètres est introuvable :\r\n%1\r\nPecunio utilise les taux officiels "
                              "pendant cette session ; les taux que vous modifierez ne vaudront que pour cette "
                              "session.")
            .arg(name);
    case Fault::TooLarge:
        return QStringLiteral("Le fichier des paramètres est trop volumineux pour être lu (plus de 1 Mo) :\r\n%1\r\n"
                              "Pecunio utilise les taux officiels pendant cette session et laisse ce fichier tel quel.")
            .arg(name);
    case Fault::Unreadable:
        return QStringLiteral("Le fichier des paramètres ne peut pas être lu :\r\n%1\r\nPecunio utilise les taux "
                              "officiels pendant cette session et laisse ce fichier tel quel.")
            .arg(name);
    case Fault::Unwritable:
    case Fault::None: break;
    }
    return QStringLiteral("Les paramètres ne peuvent pas être enregistrés dans le fichier :\r\n%1\r\nLes taux que "
                          "vous modifierez ne vaudront que pour cette session.")
        .arg(name);
}

QList<SettingValue> firstRunValues(const QDate &today, const QString &appFolder)
{
    QList<SettingValue> values{
        {SectionParametres, KeyFirstRunDate, dateText(today)},
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
    // An unreadable file may hold the user's rates: the first-run test cannot be answered,
    // and seeding would write over them.
    if (!storeReadable(application))
        return false;
    if (GetSetting(application, SectionParametres, KeyFirstRunDate).isEmpty()) {
        // One change of the file: a first run cut short leaves no first-run date without
        // the rates, and the next start seeds again. The run state is among the values.
        SaveSettings(application, firstRunValues(today, appFolder));
        return true;
    }
    SaveSetting(application, SectionParametres, KeyRunState, RunStateActive);
    return false;
}

} // namespace Euro
