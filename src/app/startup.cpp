#include "app/startup.h"

#include "app/instanceguard.h"
#include "engine/msgbox.h"

#include <QCoreApplication>

namespace Euro {

bool ensureSingleInstance(InstanceGuard &guard)
{
    if (guard.tryAcquire())
        return true;
    MsgBox(QStringLiteral("Programme déjà en cours d'utilisation..."), vbInformation, appTitle());
    guard.requestRaise(); // the running window comes to the front
    return false;
}

} // namespace Euro
