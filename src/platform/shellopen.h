#pragma once
// Opens a document with the desktop's program for its type, the way the program's help key
// expects, without ever making the window wait: the desktop is asked which program handles
// the type, and its answer comes back later on the user-interface thread.
//
// On a Linux desktop the association is xdg-utils': `xdg-mime query default <type>` names
// the handler and `xdg-open` starts it.

#include <QString>
#include <functional>

namespace Euro {

enum class HandlerAnswer {
    Found,     // a program is associated with the type
    NoHandler, // the desktop answered: none is
    Failed,    // no answer: the query could not run, failed or took too long
};

// Asks which program opens documents of mimeType and returns at once; answer runs when the
// desktop has answered. While one query runs, a second ask is dropped.
void QueryDocumentHandler(const QString &mimeType, std::function<void(HandlerAnswer)> answer);

// Opens path with the desktop's program for its type, detached from this process; false
// when the opener could not be started.
bool OpenDocumentDetached(const QString &path);

} // namespace Euro
