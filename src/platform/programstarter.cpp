#include "platform/programstarter.h"

#include <QProcess>

namespace Euro {

bool StartProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, {});
}

} // namespace Euro
