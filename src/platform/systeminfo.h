#pragma once
// The desktop's own system-information tool, for the About window: the first of the common
// desktops' tools, then the stand-alone ones, found through PATH.

#include <QString>
#include <QStringList>
#include <optional>

namespace Euro {

struct SystemInfoTool {
    QString program; // its full path
    QStringList arguments;
};

// The first tool of the list found through this process's PATH, the page it needs installed;
// none when no tool is there.
std::optional<SystemInfoTool> findSystemInfoTool();

} // namespace Euro
