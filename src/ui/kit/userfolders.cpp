#include "ui/kit/userfolders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace Euro {

QString userHomeFolder()
{
    if (const QString home = qEnvironmentVariable("HOME"); !home.isEmpty())
        return home;
    const passwd *account = ::getpwuid(::getuid());
    return account && account->pw_dir ? QFile::decodeName(account->pw_dir) : QString();
}

bool configFolderFromAccount()
{
    return qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME");
}

QString userConfigFolder()
{
    // With either variable set, Qt's own answer (XDG_CONFIG_HOME, or HOME's .config).
    // Without both, Qt would answer "//.config": the root folder stands in for the home.
    if (!configFolderFromAccount())
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString home = userHomeFolder();
    return home.isEmpty() ? QString() : QDir::cleanPath(home + QStringLiteral("/.config")); // a home of "/" too
}

} // namespace Euro
