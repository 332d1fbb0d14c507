#pragma once
// Small routines shared by the program's windows.

#include <QString>

class QWidget;

namespace Euro {

// The folder of the running executable (symlinks resolved), ending in exactly one "/".
QString AppFolder();

// The folder of the given executable, symlinks resolved, ending in exactly one "/".
QString AppFolderOf(const QString &executablePath);

// True when path names an existing regular file that is neither a folder nor hidden.
bool FileExists(const QString &path);

// Opens AppFolder() + fileName with the desktop's handler for HTML, or says why it cannot.
// Returns at once: the desktop's answer, and a message it calls for, come later.
void ShowHelpFile(QWidget *window, const QString &fileName);

} // namespace Euro
