#include "platform/shellopen.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace Euro {

namespace {
// A desktop that has not answered by then is not going to.
constexpr int QueryTimeoutMs = 10000;
} // namespace

void QueryDocumentHandler(const QString &mimeType, std::function<void(HandlerAnswer)> answer)
{
    static QPointer<QProcess> running;
    if (running)
        return;
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) {
        answer(HandlerAnswer::Failed);
        return;
    }

    // Owned by the application, so a query still running at the end is stopped then.
    auto *process = new QProcess(QCoreApplication::instance());
    running = process;
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, answer](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0)
                             answer(HandlerAnswer::Failed);
                         else if (process->readAllStandardOutput().trimmed().isEmpty())
                             answer(HandlerAnswer::NoHandler);
                         else
                             answer(HandlerAnswer::Found);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, answer](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // the end of a started query comes through finished
        process->deleteLater();
        answer(HandlerAnswer::Failed);
    });
    QTimer::singleShot(QueryTimeoutMs, process, [process] { process->kill(); });
    process->start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
}

} // namespace Euro
