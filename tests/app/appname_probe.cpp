// Prints the settings' application name and the program's folder, as the program sees them
// when started under its own name or through a link.

#include "ui/kit/euro.h"
#include "ui/kit/settings.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << Euro::AppName() << '\n' << Euro::AppFolder() << '\n';
    return 0;
}
