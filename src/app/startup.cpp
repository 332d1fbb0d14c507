#include "app/startup.h"

#include "app/instanceguard.h"
#include "app/settings.h"
#include "engine/currencies.h"
#include "engine/msgbox.h"

namespace Euro {

bool ensureSingleInstance(InstanceGuard &guard)
{
    if (guard.tryAcquire())
        return true;
    MsgBox(QStringLiteral("Programme déja en cours d'utilisation..."), vbInformation, appTitle());
    return false;
}

QList<SettingValue> firstRunValues(const QDate &today, const QString &appFolder)
{
    const QString parametres = QStringLiteral("parametres");
    const QString taux = QStringLiteral("taux");
    QList<SettingValue> values{
        {parametres, QStringLiteral("date de debut"), today.toString(QStringLiteral("dd/MM/yyyy"))},
        {parametres, QStringLiteral("dossier application"), appFolder},
        {parametres, QStringLiteral("etat"), QStringLiteral("actif")},
        {taux, QStringLiteral("taux"), StartRate.toString()},
    };
    for (const Currency &c : CurrencyTable)
        values.append({taux, c.code.toString(), c.defaultRate.toString()});
    return values;
}

bool initialiseSettings(const QString &application, const QDate &today, const QString &appFolder)
{
    const bool firstRun = GetSetting(application, QStringLiteral("parametres"), QStringLiteral("date de debut")).isEmpty();
    if (firstRun) {
        for (const SettingValue &v : firstRunValues(today, appFolder))
            SaveSetting(application, v.section, v.key, v.value);
    }
    SaveSetting(application, QStringLiteral("parametres"), QStringLiteral("etat"), QStringLiteral("actif"));
    return firstRun;
}

} // namespace Euro
