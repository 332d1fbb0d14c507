#include "support/messagecapture.h"

namespace TestSupport {

MessageCapture::MessageCapture()
{
    m_previous = Euro::installMessageBoxHandler([this](const QString &text, const QString &title, int style) {
        m_shown.append({text, title, style});
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return (style & Euro::vbYesNo) ? int(Euro::vbYes) : int(Euro::vbOK);
    });
}

MessageCapture::~MessageCapture() { Euro::installMessageBoxHandler(std::move(m_previous)); }

} // namespace TestSupport
