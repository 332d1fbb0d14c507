#include "platform/systeminfo.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace Euro {

QStringList systemInfoToolNames()
{
    return {
        QStringLiteral("kinfocenter"),          // KDE
        QStringLiteral("hardinfo2"),
        QStringLiteral("hardinfo"),
        QStringLiteral("cpu-x"),
        QStringLiteral("lshw-gtk"),
        QStringLiteral("gnome-system-monitor"), // GNOME
        QStringLiteral("mate-system-monitor"),  // MATE
    };
}

QString findSystemInfoTool(const QStringList &names, const QString &searchPath)
{
    const QStringList folders = searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    if (folders.isEmpty())
        return {};
    for (const QString &name : names) {
        const QString found = QStandardPaths::findExecutable(name, folders);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

std::unique_ptr<MemoryRegistry> systemInfoRegistry(const QString &toolPath)
{
    auto registry = std::make_unique<MemoryRegistry>();
    if (!toolPath.isEmpty()) {
        // Stored like a text value of the classic registry: 8-bit text with its final NUL.
        QByteArray data = QFile::encodeName(toolPath);
        data.append('\0');
        registry->setValue(HKEY_LOCAL_MACHINE, MsInfoKeyPath, MsInfoPathValue, REG_SZ, data);
    }
    return registry;
}

std::unique_ptr<MemoryRegistry> systemInfoRegistry()
{
    return systemInfoRegistry(findSystemInfoTool(systemInfoToolNames(), qEnvironmentVariable("PATH")));
}

} // namespace Euro
