#include "app/startup.h"

#include "app/instanceguard.h"
#include "ui/kit/messageboxes.h"

#include <QApplication>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace Euro {

namespace {

// Qt's messages while the application is made, held back: a platform plug-in that cannot
// open its display warns in English, then ends the program with a fatal message.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

struct StartMessages {
    QMutex lock;
    QList<HeldMessage> held;
    QString noDisplay; // what a start that cannot open the display says
};

StartMessages &startMessages()
{
    static StartMessages messages;
    return messages;
}

void holdStartMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    StartMessages &messages = startMessages();
    if (type == QtFatalMsg) {
        // Nothing is written yet (the settings and the guard come later): ending here is clean.
        std::fputs(messages.noDisplay.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(NoDisplayStatus);
    }
    const QMutexLocker locker(&messages.lock);
    messages.held.append({type, context.file, context.function, context.category, context.line, text});
}

// "pecunio : impossible d'ouvrir l'affichage graphique (la variable DISPLAY n'est pas définie)."
QString noDisplayMessage(int argc, char **argv)
{
    QString program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString();
    if (program.isEmpty())
        program = QStringLiteral("pecunio");
    QString display = qEnvironmentVariable("DISPLAY");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray option(argv[i]);
        if (option == "-display" || option == "--display")
            display = QString::fromLocal8Bit(argv[i + 1]); // Qt's own option wins over the variable
    }
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    QStringList named;
    if (!display.isEmpty())
        named.append(QStringLiteral("DISPLAY vaut « %1 »").arg(display));
    if (!wayland.isEmpty())
        named.append(QStringLiteral("WAYLAND_DISPLAY vaut « %1 »").arg(wayland));
    const QString why =
        named.isEmpty() ? QStringLiteral("la variable DISPLAY n'est pas définie") : named.join(QStringLiteral(", "));
    return QStringLiteral("%1 : impossible d'ouvrir l'affichage graphique (%2).\n").arg(program, why);
}

} // namespace

std::unique_ptr<QApplication> openApplication(int &argc, char **argv)
{
    StartMessages &messages = startMessages();
    messages.noDisplay = noDisplayMessage(argc, argv);
    const QtMessageHandler previous = qInstallMessageHandler(holdStartMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);

    const QMutexLocker locker(&messages.lock);
    for (const HeldMessage &m : std::as_const(messages.held)) {
        const QMessageLogContext context(m.file.isNull() ? nullptr : m.file.constData(), m.line,
                                         m.function.isNull() ? nullptr : m.function.constData(),
                                         m.category.isNull() ? nullptr : m.category.constData());
        if (previous)
            previous(m.type, context, m.text);
        else
            std::fprintf(stderr, "%s\n", m.text.toLocal8Bit().constData());
    }
    messages.held.clear();
    return app;
}

bool ensureSingleInstance(InstanceGuard &guard)
{
    if (guard.tryAcquire())
        return true;
    guard.requestRaise(); // the running window comes to the front, under the message that follows
    MsgBox(QStringLiteral("Programme déjà en cours d'utilisation..."), vbInformation, appTitle());
    return false;
}

} // namespace Euro
