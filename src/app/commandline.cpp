#include "app/commandline.h"

#include "ui/kit/version.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace Euro {
namespace {

// QApplication's and the X11 platform's own options. The command line is read before
// QApplication exists, so they must be known here to be let through untouched.
const char *const QtFlagOptions[] = {"reverse", "widgetcount", "testability", "dograb", "nograb"};
const char *const QtValueOptions[] = {"platform",        "platformpluginpath",
                                      "platformtheme",   "plugin",
                                      "qwindowgeometry", "geometry",
                                      "qwindowtitle",    "title",
                                      "qwindowicon",     "icon",
                                      "session",         "style",
                                      "stylesheet",      "qmljsdebugger",
                                      "display",         "name",
                                      "visual"};

QString quoted(const QString &text) { return QStringLiteral("« %1 »").arg(text); }

// The argument as typed for an option the parser names without its dashes.
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString bare = arguments.at(i).section(QLatin1Char('='), 0, 0);
        const QString typed = bare;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name && typed != bare)
            return typed;
    }
    return QStringLiteral("--") + name;
}

// The parser's own messages are English; they are told again in French here.
QString mistake(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        QStringList names;
        for (const QString &name : unknown)
            names.append(quoted(typedOption(arguments, name)));
        return (unknown.size() == 1 ? QStringLiteral("option inconnue %1") : QStringLiteral("options inconnues %1"))
            .arg(names.join(QStringLiteral(", ")));
    }
    const QString text = parser.errorText();
    const QString option = QRegularExpression(QStringLiteral("'([^']*)'")).match(text).captured(1);
    if (text.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("il manque une valeur après %1").arg(quoted(option));
    if (text.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("l'option %1 ne prend pas de valeur").arg(quoted(option));
    return QStringLiteral("ligne de commande incorrecte");
}

} // namespace

CommandLineAnswer readCommandLine(const QStringList &arguments)
{
    QString program = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    if (program.isEmpty())
        program = QStringLiteral("pecunio");

    QCommandLineParser parser;
    // Qt's options take one dash ("-platform"), so "-abc" is one option, not three.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QList<QCommandLineOption> own{
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("affiche cette aide et quitte")},
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("affiche la version et quitte")}};
    parser.addOptions(own);
    for (const char *name : QtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("valeur"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLineAnswer answer;
    QString error;
    if (!parser.parse(arguments))
        error = mistake(parser, arguments);
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("argument inattendu %1").arg(quoted(parser.positionalArguments().first()));

    if (!error.isEmpty()) {
        answer.startProgram = false;
        answer.exitStatus = 2;
        answer.error = QStringLiteral("%1 : %2\nEssayez « %1 --help » pour en savoir plus.\n").arg(program, error);
    } else if (parser.isSet(own.at(0))) {
        answer.startProgram = false;
        answer.output = QStringLiteral("Utilisation : %1 [OPTION]\n"
                                       "Calculatrice euro pour les anciennes monnaies de la zone euro.\n"
                                       "Sans option, la calculatrice s'ouvre.\n\nOptions :\n")
                            .arg(program);
        for (const QCommandLineOption &option : own)
            answer.output +=
                QStringLiteral("  -%1, --%2  %3\n")
                    .arg(option.names().at(0), option.names().at(1).leftJustified(8), option.description());
        answer.output += QStringLiteral("\nLes options de Qt sont acceptées (-platform, -display, -style...).\n"
                                        "Pour en savoir plus : man pecunio\n");
    } else if (parser.isSet(own.at(1))) {
        answer.startProgram = false;
        answer.output = QStringLiteral("Pecunio %1.%2.%3\n").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
    }
    return answer;
}

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineAnswer answer = readCommandLine(arguments);
    if (answer.startProgram)
        return std::nullopt;
    std::fputs(answer.output.toLocal8Bit().constData(), stdout);
    std::fputs(answer.error.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return answer.exitStatus;
}

} // namespace Euro
