#pragma once
// Starts another program on its own: the About window's system-information tool. The
// program runs detached, with its own windows; nothing waits for it or watches it.

#include <QString>

namespace Euro {

// Starts the program at path with no arguments, or, when path names no file, the command
// line it holds ("/usr/bin/tool" page); false when it could not be started.
bool StartProgram(const QString &path);

} // namespace Euro
