#pragma once
// Where the About window looks for the system-information tool: two registry entries, the
// first naming the tool's full path, the second the folder that holds it. On Linux the
// stand-in registry answers the first entry with a well-known system-information program
// found through PATH, and holds nothing else.

#include "platform/memoryregistry.h"

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

// Well-known programs that show the machine's hardware and system, best first.
QStringList systemInfoToolNames();

// The full path of the first of names found in searchPath (a PATH-style list), or "".
QString findSystemInfoTool(const QStringList &names, const QString &searchPath);

// The stand-in registry: the first entry holds toolPath when it is not empty; nothing else.
std::unique_ptr<MemoryRegistry> systemInfoRegistry(const QString &toolPath);

// The stand-in for this machine, searched through the PATH of this process.
std::unique_ptr<MemoryRegistry> systemInfoRegistry();

} // namespace Euro
