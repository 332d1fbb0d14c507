#include "engine/msgbox.h"

#include <utility>

namespace Euro {
namespace {
MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}
} // namespace

int MsgBox(const QString &text, int style, const QString &title)
{
    const MessageBoxHandler &handler = currentHandler();
    return handler ? handler(text, title, style) : vbOK;
}

MessageBoxHandler installMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

} // namespace Euro
