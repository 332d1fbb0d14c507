#pragma once
// Where the About window looks for the system-information tool: two registry entries, the
// first naming the tool (its full path, and the arguments it needs, as a command line), the
// second the folder that holds it. On Linux the stand-in registry answers the first entry
// with the system-information program of the desktop found through PATH, and holds
// nothing else.

#include "platform/memoryregistry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace Euro {

// First lookup: the tool's full path.
inline constexpr char MsInfoKeyPath[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char MsInfoPathValue[] = "PATH";
// Second lookup: the folder that holds the tool, under the file name MsInfoFileName.
inline constexpr char SharedToolsKeyPath[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char SharedToolsMsInfoValue[] = "MSINFO";
inline constexpr char MsInfoFileName[] = "MSINFO32.EXE";

struct SystemInfoTool {
    QString program;      // looked up through PATH
    QStringList arguments;
    QString page;         // a desktop entry that must be installed for that page to exist; "" for none
};

// The system-information programs of the common desktops, then the stand-alone ones, best
// first.
QList<SystemInfoTool> systemInfoTools();

// The first of tools found in searchPath (a PATH-style list), its page installed, as a
// command line: its full path alone, or quoted and followed by its arguments; "" for none.
QString findSystemInfoTool(const QList<SystemInfoTool> &tools, const QString &searchPath);

// The stand-in registry: the first entry holds toolPath when it is not empty; nothing else.
std::unique_ptr<MemoryRegistry> systemInfoRegistry(const QString &toolPath);

// The stand-in for this machine, searched through the PATH of this process.
std::unique_ptr<MemoryRegistry> systemInfoRegistry();

} // namespace Euro
