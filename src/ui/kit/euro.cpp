#include "ui/kit/euro.h"

#include "engine/msgbox.h"
#include "platform/shellopen.h"

#include <QCoreApplication>
#include <QFileInfo>
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
        // The desktop may be slow to say which program shows HTML; the window goes on
        // meanwhile. Only its plain answer "none" is reported. Without any answer the page is
        // handed to the opener all the same, which says nothing when it cannot show it.
        QueryDocumentHandler(QStringLiteral("text/html"), [path](HandlerAnswer answer) {
            if (answer == HandlerAnswer::NoHandler)
                MsgBox(QStringLiteral("Aucune application associée avec le type de fichier HTML."), vbInformation,
                       QStringLiteral("Information"));
            else
                OpenDocumentDetached(path);
        });
        return;
    }
    // The help page is looked up in the application folder itself: name that folder.
    QString shownFolder = folder;
    if (shownFolder.size() > 1)
        shownFolder.chop(1);
    MsgBox(QStringLiteral("Fichier d'aide [") + fileName
               + QStringLiteral("] introuvable. Assurez-vous que celui-ci doit se trouver dans le dossier:")
               + QStringLiteral("\r\n") + shownFolder,
           vbCritical, QStringLiteral("fichier d'aide absent"));
}

} // namespace Euro
