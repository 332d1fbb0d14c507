#include "ui/kit/resources.h"

#include <QImageReader>

// Q_INIT_RESOURCE names a function of the global namespace.
static void initPecunioResources() { Q_INIT_RESOURCE(resources); }

namespace Euro {

void registerResources() { initPecunioResources(); }

QPixmap pngPixmap(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon coinIcon()
{
    QIcon coins;
    for (const int size : {32, 48, 64, 96})
        coins.addPixmap(pngPixmap(QStringLiteral(":/pecunio/icons/pecunio-%1.png").arg(size)));
    return coins;
}

} // namespace Euro
