#pragma once
// Running programs from the tests, and reading what they leave behind.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

class QProcess;

namespace TestSupport {

// The build folder (the program, the test helpers), as CTest hands it to every test.
QString binaryDir();

struct Run {
    int exitCode = -1; // -1 when the program crashed or did not finish
    QString out;
    QString err;
};

// Runs a program to its end, within timeoutMs; env replaces the environment when given.
Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env = {},
        int timeoutMs = 300000);

// Starts a program with a home, a configuration and a runtime folder of its own, on the
// given platform plug-in, with no display to open; adjust, when given, changes that
// environment last (to unset HOME, to name a display).
void startIsolated(QProcess &process, const QString &program, const QStringList &arguments, const QString &home,
                   const QString &platform, const std::function<void(QProcessEnvironment &)> &adjust = {});

// Every file and link below a folder, relative to it, sorted.
QStringList filesBelow(const QString &folder);

// A file's bytes; empty when it cannot be read.
QByteArray readAll(const QString &path);

} // namespace TestSupport
