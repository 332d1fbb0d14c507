#include "platform/systeminfo.h"

#include <QList>
#include <QStandardPaths>

namespace Euro {

namespace {

struct Candidate {
    QString program; // looked up through PATH
    QStringList arguments;
    QString page; // a desktop entry that must be installed for that page to exist; "" for none
};

// Best first.
QList<Candidate> candidates()
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

} // namespace

std::optional<SystemInfoTool> findSystemInfoTool()
{
    for (const Candidate &tool : candidates()) {
        const QString found = QStandardPaths::findExecutable(tool.program);
        if (found.isEmpty())
            continue;
        if (!tool.page.isEmpty() && QStandardPaths::locate(QStandardPaths::ApplicationsLocation, tool.page).isEmpty())
            continue;
        return SystemInfoTool{found, tool.arguments};
    }
    return std::nullopt;
}

} // namespace Euro
