// Prints where the settings store is found in the environment it is started in, and what
// the program would say of it: the file, "lisible" or "illisible", then the message ("" when
// none). It only looks: nothing is written.
#include "ui/kit/settings.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString name = Euro::AppName();
    QTextStream(stdout) << Euro::settingsFilePath(name) << '\n'
                        << (Euro::storeReadable(name) ? "lisible" : "illisible") << '\n'
                        << Euro::takeStoreNotice(name) << '\n';
    return 0;
}
