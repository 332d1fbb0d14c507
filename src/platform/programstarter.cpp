#include "platform/programstarter.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace Euro {

bool StartProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    // A file's path is started whole, spaces and all; anything else is a command line, a
    // quoted path followed by the tool's arguments.
    if (QFileInfo(path).isFile())
        return QProcess::startDetached(path, {});
    QStringList words = QProcess::splitCommand(path);
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}

} // namespace Euro
