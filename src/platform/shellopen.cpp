#include "platform/shellopen.h"

#include <QProcess>
#include <QStandardPaths>

namespace Euro {

int ShellOpenDocument(const QString &path, const QString &mimeType)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (opener.isEmpty() || query.isEmpty())
        return ShellOpenNoAssociation;

    QProcess mime;
    mime.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!mime.waitForFinished(5000) || mime.exitStatus() != QProcess::NormalExit || mime.exitCode() != 0)
        return ShellOpenNoAssociation;
    if (QString::fromLocal8Bit(mime.readAllStandardOutput()).trimmed().isEmpty())
        return ShellOpenNoAssociation;

    return QProcess::startDetached(opener, {path}) ? ShellOpenStarted : ShellOpenFailed;
}

} // namespace Euro
