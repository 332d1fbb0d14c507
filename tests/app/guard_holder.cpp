// Takes the single-instance guard of the name given as argument, says "held", and waits
// to be killed.
#include "app/instanceguard.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Euro::InstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    std::puts(guard.tryAcquire() ? "held" : "refused");
    std::fflush(stdout);
    for (;;)
        ::pause();
}
