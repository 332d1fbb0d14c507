#include "app/euro.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>

namespace Euro {

QString AppFolder()
{
    QString folder = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void SetTopMost(QWidget *window, bool onTop)
{
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

void ShowHelpFile(QWidget *, const QString &) {}

} // namespace Euro
