#include "ui/main/tapefile.h"

#include "tape/clock.h"
#include "tape/tape.h"
#include "platform/savedialog.h"
#include "ui/kit/messageboxes.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>

namespace Euro {

namespace {

// The mode the tape starts in, as the first printed page names it.
QString firstModeLine(const QStringList &lines, const QString &fallback)
{
    for (const QString &line : lines) {
        if (Tape::isModeLine(line))
            return line;
    }
    return fallback;
}

} // namespace

QString tapeFileText(const QString &tapeText, const PageHeading &heading)
{
    QStringList title{QStringLiteral("Pecunio"), heading.modeLine, heading.date};
    title.removeAll(QString());
    QString text = title.join(QStringLiteral(" \u2014 ")) + u'\n';
    // The printed lines start with the empty line that parts them from the heading.
    for (const QString &line : printedTapeLines(tapeText))
        text += line + u'\n';
    return text;
}

QString proposedTapeFile()
{
    const QString name = QLocale::c().toString(Now().date(), QStringLiteral("'bande-'yyyy-MM-dd'.txt'"));
    // The documents folder where the desktop made one; the home folder otherwise, rather
    // than whatever folder the program was started from.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(QFileInfo(documents).isDir() ? documents : QDir::homePath()).filePath(name);
}

bool saveTape(QWidget *owner, const QString &tapeText, const QString &modeLine)
{
    installQtFrench(); // the dialog's texts
    const PageHeading heading{dateText(Now().date()), firstModeLine(printedTapeLines(tapeText), modeLine)};
    const QByteArray contents = tapeFileText(tapeText, heading).toUtf8();
    SaveDialogRequest request{QStringLiteral("Enregistrer la bande"), proposedTapeFile(),
                              QStringLiteral("Texte (*.txt)"), QStringLiteral("txt")};
    for (;;) {
        const QString path = RunSaveDialog(request, owner);
        if (path.isEmpty())
            return false; // cancelled: nothing written, nothing said
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit())
            return true;
        // The system's reason, then the dialog again on the name that failed.
        MsgBox(QStringLiteral("Impossible d'enregistrer la bande dans « %1 » : %2.")
                   .arg(QDir::toNativeSeparators(path), file.errorString()),
               vbExclamation, appTitle());
        request.proposedPath = path;
    }
}

} // namespace Euro
