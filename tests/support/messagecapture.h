#pragma once
// For the tests of the windows: the message boxes recorded instead of shown.

#include "ui/kit/messageboxes.h"

#include <QList>
#include <QString>

namespace TestSupport {

struct ShownMessage {
    QString text;
    QString title;
    int style = 0;
};

// While alive, every Euro::MsgBox is recorded instead of shown, and answered with the
// next queued answer (vbOK or, for a question, vbYes when the queue is empty).
class MessageCapture
{
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    void answerNext(int answer) { m_answers.append(answer); }
    const QList<ShownMessage> &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

private:
    QList<ShownMessage> m_shown;
    QList<int> m_answers;
    Euro::MessageBoxHandler m_previous;
};

} // namespace TestSupport
