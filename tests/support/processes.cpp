#include "support/processes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace TestSupport {

QString binaryDir() { return qEnvironmentVariable("PECUNIO_TEST_BINARY_DIR"); }

Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env, int timeoutMs)
{
    QProcess process;
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs))
        return {-1, QString(), QStringLiteral("%1 did not finish: %2").arg(program, process.errorString())};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

void startIsolated(QProcess &process, const QString &program, const QStringList &arguments, const QString &home,
                   const QString &platform, const std::function<void(QProcessEnvironment &)> &adjust)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QDir(home).mkpath(QStringLiteral("run"));
    QFile::setPermissions(home + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (adjust)
        adjust(env);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
}

QStringList filesBelow(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(folder).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestSupport
