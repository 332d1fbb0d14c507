#include "platform/systeminfo.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace Euro {

QList<SystemInfoTool> systemInfoTools()
{
    const QString settings = QStringLiteral("gnome-control-center");
    return {
        // GNOME Settings' page about the system: its name changed across versions, and the
        // panel's desktop entry tells which one is installed.
        {settings, {QStringLiteral("system"), QStringLiteral("about")}, QStringLiteral("gnome-system-panel.desktop")},
        {settings, {QStringLiteral("about")}, QStringLiteral("gnome-about-panel.desktop")},
        {settings, {QStringLiteral("info-overview")}, QStringLiteral("gnome-info-overview-panel.desktop")},
        {QStringLiteral("kinfocenter"), {}, {}},
        {QStringLiteral("xfce4-about"), {}, {}},
        {QStringLiteral("cinnamon-settings"), {QStringLiteral("info")}, {}},
        {QStringLiteral("hardinfo2"), {}, {}},
        {QStringLiteral("hardinfo"), {}, {}},
        {QStringLiteral("cpu-x"), {}, {}},
        {QStringLiteral("lshw-gtk"), {}, {}},
        {QStringLiteral("gnome-system-monitor"), {}, {}},
        {QStringLiteral("mate-system-monitor"), {}, {}},
    };
}

QString findSystemInfoTool(const QList<SystemInfoTool> &tools, const QString &searchPath)
{
    const QStringList folders = searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    if (folders.isEmpty())
        return {};
    for (const SystemInfoTool &tool : tools) {
        const QString found = QStandardPaths::findExecutable(tool.program, folders);
        if (found.isEmpty())
            continue;
        if (!tool.page.isEmpty() && QStandardPaths::locate(QStandardPaths::ApplicationsLocation, tool.page).isEmpty())
            continue;
        if (tool.arguments.isEmpty())
            return found;
        return QLatin1Char('"') + found + QStringLiteral("\" ") + tool.arguments.join(QLatin1Char(' '));
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
    return systemInfoRegistry(findSystemInfoTool(systemInfoTools(), qEnvironmentVariable("PATH")));
}

} // namespace Euro
