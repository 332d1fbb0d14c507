#pragma once
// The command line of a Linux program: --help and --version answer on the terminal, and a
// mistake is named there, all before the program opens a display, touches its settings or
// takes the single-instance lock. Qt's own options (-platform, -display, -style, ...) are
// let through for QApplication, which reads them itself.

#include <QString>
#include <QStringList>

#include <optional>

namespace Euro {

struct CommandLineAnswer {
    bool startProgram = true; // nothing to answer: the calculator starts
    int exitStatus = 0;       // 0 for --help and --version, 2 for a mistake
    QString output;           // for standard output
    QString error;            // for standard error
};

// Reads the arguments, the program's own name first.
CommandLineAnswer readCommandLine(const QStringList &arguments);

// For main(): writes the answer to the terminal and returns the exit status, or nothing
// when the calculator should start.
std::optional<int> answerCommandLine(int argc, char *argv[]);

} // namespace Euro
