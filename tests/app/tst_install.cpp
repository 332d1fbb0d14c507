// The installed layout: `cmake --install` of this build into a throw-away prefix lays out
// the program's own folder, the command link and the desktop integration, and the desktop
// tools accept what was installed.

#include "support/processes.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using TestSupport::readAll;
using TestSupport::Run;
using TestSupport::run;

namespace {

const QString AppId = QStringLiteral(PECUNIO_APP_ID);

QString linkText(const QString &path)
{
    char target[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return n < 0 ? QString() : QFile::decodeName(QByteArray(target, int(n)));
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

    TestSupport::ThrowAwaySettings settings;
    QTemporaryDir prefix;

    QString installed(const QString &relative) const { return prefix.filePath(relative); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString build = qEnvironmentVariable("PECUNIO_TEST_BINARY_DIR");
        QVERIFY2(!build.isEmpty(), "run through CTest");
        QVERIFY(prefix.isValid());
        const Run install = run(QStringLiteral(PECUNIO_CMAKE_COMMAND),
                                {QStringLiteral("--install"), build, QStringLiteral("--prefix"), prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    }

    void files_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        QTest::newRow("program") << "lib/pecunio/Pecunio"
                                 << "executable";
        QTest::newRow("help page next to it") << "lib/pecunio/aide.htm"
                                              << "file";
        QTest::newRow("command link") << "bin/pecunio"
                                      << "link";
        QTest::newRow("desktop entry") << "share/applications/" + AppId + ".desktop"
                                       << "file";
        QTest::newRow("metainfo") << "share/metainfo/" + AppId + ".metainfo.xml"
                                  << "file";
        QTest::newRow("icon 32") << "share/icons/hicolor/32x32/apps/" + AppId + ".png"
                                 << "png 32";
        QTest::newRow("icon 48") << "share/icons/hicolor/48x48/apps/" + AppId + ".png"
                                 << "png 48";
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + AppId + ".svg"
                                       << "svg";
    }
    void files()
    {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        const QFileInfo info(installed(path));
        QVERIFY2(info.exists(), qPrintable(path));
        if (kind == QLatin1String("link")) {
            QVERIFY(info.isSymLink());
            return;
        }
        QVERIFY(info.isFile() && !info.isSymLink());
        QVERIFY(info.size() > 0);
        if (kind == QLatin1String("executable"))
            QVERIFY(info.isExecutable());
        if (kind.startsWith(QLatin1String("png"))) {
            const int side = kind.mid(4).toInt();
            QCOMPARE(QImage(info.filePath()).size(), QSize(side, side));
        }
        if (kind == QLatin1String("svg"))
            QVERIFY(readAll(info.filePath()).contains("<svg"));
    }

    void manifestListsEverything()
    {
        // Removing the listed files removes all that was installed, the command link included.
        QStringList listed;
        const QString text = QString::fromUtf8(
            readAll(qEnvironmentVariable("PECUNIO_TEST_BINARY_DIR") + QStringLiteral("/install_manifest.txt")));
        for (const QString &path : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            listed.append(QDir(prefix.path()).relativeFilePath(path));
        listed.sort();
        QCOMPARE(listed, TestSupport::filesBelow(prefix.path()));
    }

    void nothingElseInTheProgramFolder()
    {
        QStringList entries =
            QDir(installed(QStringLiteral("lib/pecunio"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        entries.sort();
        QCOMPARE(entries, (QStringList{"Pecunio", "aide.htm"}));
    }

    void linkIsRelative()
    {
        // A relative link keeps working when the whole tree is moved or packaged.
        QCOMPARE(linkText(installed(QStringLiteral("bin/pecunio"))), QStringLiteral("../lib/pecunio/Pecunio"));
        QCOMPARE(QFileInfo(installed(QStringLiteral("bin/pecunio"))).canonicalFilePath(),
                 QFileInfo(installed(QStringLiteral("lib/pecunio/Pecunio"))).canonicalFilePath());
    }

    void helpPageIsTheOneWritten()
    {
        QCOMPARE(readAll(installed(QStringLiteral("lib/pecunio/aide.htm"))),
                 readAll(QStringLiteral(PECUNIO_SOURCE_DIR "/data/aide.htm")));
    }

    void desktopEntry()
    {
        const QString path = installed(QStringLiteral("share/applications/") + AppId + QStringLiteral(".desktop"));
        const Run check = run(QStringLiteral("desktop-file-validate"), {path});
        QVERIFY2(check.exitCode == 0 && (check.out + check.err).trimmed().isEmpty(), qPrintable(check.out + check.err));

        QSettings entry(path, QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value(QStringLiteral("Name")).toString(), QStringLiteral("Pecunio"));
        QCOMPARE(entry.value(QStringLiteral("Comment")).toString(),
                 QStringLiteral("Calculez et convertissez en euros les monnaies de la zone euro"));
        QCOMPARE(entry.value(QStringLiteral("GenericName")).toString(), QStringLiteral("Calculatrice euro"));
        // It starts the installed link and shows the installed icon.
        QCOMPARE(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("pecunio"));
        QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), AppId);
        // Started through the link, the window's class is the link's name: docks match it.
        QCOMPARE(entry.value(QStringLiteral("StartupWMClass")).toString(),
                 entry.value(QStringLiteral("Exec")).toString());
    }

    void metainfo()
    {
        const QString path = installed(QStringLiteral("share/metainfo/") + AppId + QStringLiteral(".metainfo.xml"));
        const Run check =
            run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), path});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
        const QByteArray xml = readAll(path);
        QVERIFY(xml.contains("<id>" + AppId.toUtf8() + "</id>"));
        QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + AppId.toUtf8() + ".desktop</launchable>"));
        QVERIFY(xml.contains("<release version=\"" PECUNIO_VERSION_STRING "\""));
        QVERIFY(xml.contains("<binary>pecunio</binary>"));
    }

    void settingsNameThroughTheLink()
    {
        // Started through bin/pecunio, the program still calls itself Pecunio (its settings
        // file stays Pecunio.ini) and finds its help page in lib/pecunio.
        QTemporaryDir tree;
        QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("lib/pecunio")));
        QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("bin")));
        const QString program = tree.filePath(QStringLiteral("lib/pecunio/Pecunio"));
        QVERIFY(QFile::copy(QStringLiteral(PECUNIO_PROBE_PATH), program));
        QVERIFY(QFile::link(QStringLiteral("../lib/pecunio/Pecunio"), tree.filePath(QStringLiteral("bin/pecunio"))));

        const Run probe = run(tree.filePath(QStringLiteral("bin/pecunio")), {});
        QCOMPARE(probe.exitCode, 0);
        const QStringList lines = probe.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 2, qPrintable(probe.out));
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("Pecunio"));
        QCOMPARE(lines.last(),
                 QFileInfo(tree.filePath(QStringLiteral("lib/pecunio"))).canonicalFilePath() + QLatin1Char('/'));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
