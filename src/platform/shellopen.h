#pragma once
// Opens a document with the desktop's program for its type, the way the program's help key
// expects: it answers with a code rather than an exception, and says when no program is
// associated with the type.
//
// On a Linux desktop the association is xdg-utils': `xdg-mime query default <type>` names
// the handler and `xdg-open` starts it.

#include <QString>

namespace Euro {

enum ShellOpenResult : int {
    ShellOpenNoAssociation = 31, // no program is associated with the document's type
    ShellOpenFailed = 0,         // a handler exists but could not be started
    ShellOpenStarted = 42,       // any code above 32 means the document is being opened
};

// Opens path (a document of the given MIME type) detached from this process.
int ShellOpenDocument(const QString &path, const QString &mimeType);

} // namespace Euro
