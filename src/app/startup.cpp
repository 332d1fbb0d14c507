#include "app/startup.h"

#include "app/instanceguard.h"
#include "app/settings.h"
#include "engine/currencies.h"
#include "engine/msgbox.h"

#include <QCoreApplication>

namespace Euro {

bool ensureSingleInstance(InstanceGuard &guard)
{
    if (guard.tryAcquire())
        return true;
    MsgBox(QStringLiteral("Programme déja en cours d'utilisation..."), vbInformation, appTitle());
    guard.requestRaise(); // the running window comes to the front
    return false;
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
