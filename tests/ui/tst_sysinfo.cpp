// Finding and starting the system-information tool: stand-in tools on a PATH of the test's
// own leave a mark saying how they were started; without one that starts, the message.

#include "support/messagecapture.h"
#include "support/testsupport.h"
#include "ui/about/frmabout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::MessageCapture;
using TestSupport::ScopedEnv;

namespace {

void writeFile(const QString &path, const QByteArray &body, bool executable)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(body);
    f.close();
    if (executable)
        QVERIFY(f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser));
}

} // namespace

class TestSysInfo : public QObject
{
    Q_OBJECT

    TestSupport::ThrowAwaySettings settings;

private Q_SLOTS:
    void startSysInfo_data()
    {
        // What lies in the PATH folder: a tool that runs; "name!" a file that cannot run;
        // "name~" one that cannot start; "*.desktop" an installed settings page.
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started"); // the tool's name and its arguments; "" for the message

        QTest::newRow("nothing installed") << QStringList{} << "";
        QTest::newRow("one tool") << QStringList{"hardinfo"} << "hardinfo";
        QTest::newRow("the better known first") << QStringList{"gnome-system-monitor", "kinfocenter"} << "kinfocenter";
        QTest::newRow("a file that cannot run is skipped") << QStringList{"cpu-x", "kinfocenter!"} << "cpu-x";
        QTest::newRow("other programs do not count") << QStringList{"xterm", "sysinfo.sh"} << "";
        QTest::newRow("GNOME Settings on its system page")
            << QStringList{"hardinfo2", "gnome-control-center", "gnome-system-panel.desktop"}
            << "gnome-control-center system about";
        QTest::newRow("GNOME Settings without its page is skipped")
            << QStringList{"gnome-control-center", "lshw-gtk"} << "lshw-gtk";
        QTest::newRow("a tool failing to start shows the message") << QStringList{"kinfocenter~"} << "";
        QTest::newRow("after a failed start no other tool is tried") << QStringList{"kinfocenter~", "hardinfo"} << "";
    }
    void startSysInfo()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);

        // The tools' folder has a space in its name: the program is started whole, never
        // split as a command line.
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("mes outils"));
        const QString apps = root.filePath(QStringLiteral("data/applications"));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(apps) && QDir().mkpath(root.filePath(QStringLiteral("other"))));
        const QString mark = root.filePath(QStringLiteral("started"));
        for (QString name : installed) {
            if (name.endsWith(QLatin1String(".desktop")))
                writeFile(QDir(apps).filePath(name), "[Desktop Entry]\n", false);
            else if (name.endsWith(QLatin1Char('!')))
                writeFile(QDir(bin).filePath(name.chopped(1)), "#!/bin/sh\n", false);
            else if (name.endsWith(QLatin1Char('~')))
                writeFile(QDir(bin).filePath(name.chopped(1)), "#!/nowhere/sh\n", true);
            else
                writeFile(QDir(bin).filePath(name),
                          "#!/bin/sh\necho \"${0##*/} $*\" > '" + QFile::encodeName(mark) + "'\n", true);
        }
        const ScopedEnv path("PATH",
                             QFile::encodeName(root.filePath(QStringLiteral("other")) + QLatin1Char(':') + bin));
        const ScopedEnv dataDirs("XDG_DATA_DIRS", QFile::encodeName(root.filePath(QStringLiteral("data"))));
        const ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));

        MessageCapture messages;
        FrmAbout about;
        about.StartSysInfo();

        const auto marked = [&] {
            QFile f(mark);
            return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()).trimmed() : QString();
        };
        if (started.isEmpty()) {
            QCOMPARE(messages.shown().size(), 1);
            QCOMPARE(messages.shown().first().text,
                     QStringLiteral("Les informations système ne sont pas disponibles actuellement"));
            QCOMPARE(messages.shown().first().title, QStringLiteral("Pecunio"));
            QCOMPARE(messages.shown().first().style, 0);
            QTest::qWait(200);
            QCOMPARE(marked(), QString());
        } else {
            QTRY_COMPARE(marked(), started);
            QVERIFY(messages.shown().isEmpty());
        }
    }
};

QTEST_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
