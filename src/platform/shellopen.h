#pragma once
// Asks the desktop which program opens a type of document, without ever making the window
// wait: its answer comes back later on the user-interface thread. The help key asks it
// before opening its page, since the opener itself cannot say that no program shows HTML.
//
// On a Linux desktop the association is xdg-utils': `xdg-mime query default <type>` names
// the handler.

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

} // namespace Euro
