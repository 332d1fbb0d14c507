#pragma once
// The user's own folders, found the same way in every environment: a program started with
// HOME unset (by a service, a cron job, "env -i") still finds the account's home.

#include <QString>

namespace Euro {

// HOME, or, when it is unset or empty, the account's home folder from the password
// database; "" when neither names one. Whether it exists is not checked.
QString userHomeFolder();

// The folder of the user's configuration files: XDG_CONFIG_HOME when set, otherwise
// ".config" in userHomeFolder(); "" when there is no home to put it in.
QString userConfigFolder();

// True when userConfigFolder() comes from the password database (HOME and XDG_CONFIG_HOME
// both unset or empty).
bool configFolderFromAccount();

} // namespace Euro
