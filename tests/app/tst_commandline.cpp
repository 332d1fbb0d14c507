// The command line, on the real program: what --help, --version and mistakes print, their
// exit status, and that they neither open a display nor touch the settings store or the
// single-instance lock; Qt's own options still start the calculator.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/processes.h"

using TestSupport::filesBelow;

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// The program in a home of its own, on the X11 platform with no X server: were it to
// open a display, it would fail.
void startWithoutDisplay(QProcess &process, const QStringList &arguments, const QString &home)
{
    TestSupport::startIsolated(process, TestSupport::binaryDir() + QStringLiteral("/Pecunio"), arguments, home,
                               QStringLiteral("xcb"));
}

const QString Hint = QStringLiteral("Essayez « Pecunio --help » pour en savoir plus.\n");

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(!qEnvironmentVariableIsEmpty("PECUNIO_TEST_BINARY_DIR"), "run through CTest"); }

    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // standard output, or its first line for the help
        QTest::addColumn<QString>("err");

        const QString version = QStringLiteral("Pecunio 1.0.0\n");
        const QString usage = QStringLiteral("Utilisation : Pecunio [OPTION]");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version << QString();
        QTest::newRow("--version after a Qt option")
            << QStringList{"-platform", "offscreen", "--version"} << 0 << version << QString();
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
        QTest::newRow("-h wins over -v") << QStringList{"-v", "-h"} << 0 << usage << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << QString()
                                        << "Pecunio : option inconnue « --frobnicate »\n" + Hint;
        QTest::newRow("unknown single-dash option, with --version")
            << QStringList{"--version", "-x"} << 2 << QString() << "Pecunio : option inconnue « -x »\n" + Hint;
        QTest::newRow("two unknown options")
            << QStringList{"-x", "--yz=1"} << 2 << QString() << "Pecunio : options inconnues « -x », « --yz »\n" + Hint;
        QTest::newRow("a file name") << QStringList{"calcul.txt"} << 2 << QString()
                                     << "Pecunio : argument inattendu « calcul.txt »\n" + Hint;
        QTest::newRow("Qt option without its value") << QStringList{"-platform"} << 2 << QString()
                                                     << "Pecunio : il manque une valeur après « -platform »\n" + Hint;
        QTest::newRow("value given to --version") << QStringList{"--version=2"} << 2 << QString()
                                                  << "Pecunio : l'option « --version » ne prend pas de valeur\n" + Hint;
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QTemporaryDir home;
        QProcess program;
        startWithoutDisplay(program, arguments, home.path());
        QVERIFY2(program.waitForFinished(30000), "the program kept running");
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == status, qPrintable(stdErr));
        QCOMPARE(stdErr, err);
        if (out.startsWith(QLatin1String("Utilisation"))) {
            QCOMPARE(stdOut.section(QLatin1Char('\n'), 0, 0), out);
            for (const char *option : {"-h, --help", "-v, --version", "man pecunio"})
                QVERIFY2(stdOut.contains(QLatin1String(option)), option);
        } else {
            QCOMPARE(stdOut, out);
        }
        // No settings written, no lock taken.
        QCOMPARE(filesBelow(home.path()), QStringList());
    }

    // Without a display the program says so in French, alone on the error output, and ends
    // with its own status, before it touches the settings or the single-instance lock.
    void noDisplay_data()
    {
        QTest::addColumn<QString>("display"); // DISPLAY, "" for unset
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        const QString message = QStringLiteral("Pecunio : impossible d'ouvrir l'affichage graphique (%1).\n");
        QTest::newRow("no DISPLAY") << QString() << QStringList()
                                    << message.arg(QStringLiteral("la variable DISPLAY n'est pas définie"));
        QTest::newRow("DISPLAY naming no server") << ":197" << QStringList() << message.arg("DISPLAY vaut « :197 »");
        QTest::newRow("-display naming no server")
            << QString() << QStringList{"-display", ":198"} << message.arg("DISPLAY vaut « :198 »");
    }
    void noDisplay()
    {
        QFETCH(QString, display);
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        QTemporaryDir home;
        QProcess program;
        TestSupport::startIsolated(program, TestSupport::binaryDir() + QStringLiteral("/Pecunio"), arguments,
                                   home.path(), QStringLiteral("xcb"), [&display](QProcessEnvironment &env) {
                                       if (!display.isEmpty())
                                           env.insert(QStringLiteral("DISPLAY"), display);
                                   });
        QVERIFY2(program.waitForFinished(30000), "the program kept running");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 3);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
        QCOMPARE(filesBelow(home.path()), QStringList());
    }

    void qtOptionsStillStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("-platform") << QStringList{"-platform", "offscreen"};
        QTest::newRow("double dashes, -display, -style= and -reverse")
            << QStringList{"--platform", "offscreen", "-display", ":99", "-style=Fusion", "-reverse"};
    }
    void qtOptionsStillStart()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir home;
        QProcess program;
        startWithoutDisplay(program, arguments, home.path());
        QVERIFY(program.waitForStarted(10000));
        // The start-up seeds the store: the program runs, on the platform the options chose.
        const QString ini = home.filePath(QStringLiteral(".config/Pecunio.ini"));
        QTRY_VERIFY2_WITH_TIMEOUT(QFile(ini).size() > 0 || program.state() == QProcess::NotRunning,
                                  "the program neither started nor ended", 15000);
        const bool running = program.state() == QProcess::Running;
        program.kill();
        program.waitForFinished(10000);
        QVERIFY2(running, program.readAllStandardError().constData());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
