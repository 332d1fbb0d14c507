#include "ui/kit/euro.h"

#include "ui/kit/messageboxes.h"
#include "platform/shellopen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace Euro {

QString AppFolderOf(const QString &executablePath)
{
    const QFileInfo exe(executablePath);
    const QString resolved = exe.canonicalFilePath(); // symlinks followed; empty when missing
    QString folder = resolved.isEmpty() ? exe.absolutePath() : QFileInfo(resolved).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString AppFolder() { return AppFolderOf(QCoreApplication::applicationFilePath()); }

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

void ShowHelpFile(QWidget *window, const QString &fileName)
{
    Q_UNUSED(window); // the opened document gets its own window
    const QString folder = AppFolder();
    const QString path = folder + fileName;
    if (FileExists(path)) {
        // openUrl only tells whether an opener (xdg-open, or the desktop's own) started: one
        // that then finds no program for HTML fails unseen. So the desktop is asked first
        // which program shows HTML; it may be slow, and the window goes on meanwhile. Its
        // plain answer "none", or no opener at all, is reported; without any answer the page
        // is opened all the same.
        QueryDocumentHandler(QStringLiteral("text/html"), [path](HandlerAnswer answer) {
            if (answer == HandlerAnswer::NoHandler || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
                MsgBox(QStringLiteral("Aucune application associée avec le type de fichier HTML."), vbInformation,
                       QStringLiteral("Information"));
        });
        return;
    }
    // The help page is looked up in the application folder itself: name that folder.
    QString shownFolder = folder;
    if (shownFolder.size() > 1)
        shownFolder.chop(1);
    MsgBox(QStringLiteral("Fichier d'aide [") + fileName
               + QStringLiteral("] introuvable. Assurez-vous que celui-ci se trouve dans le dossier :")
               + QStringLiteral("\r\n") + shownFolder,
           vbCritical, QStringLiteral("fichier d'aide absent"));
}

} // namespace Euro
