// The Debian packages scripts/package.sh built with dpkg-buildpackage: dpkg-deb reads back
// the files and control fields, the debug symbols tell the compiler's flags, man renders the
// manual page, and lintian has nothing to say about the source and binary packages.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "support/processes.h"

using TestSupport::filesBelow;
using TestSupport::Run;
using TestSupport::run;

namespace {

QString collapsed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    QString deb;
    QString changes;         // lists the source package and both binary ones
    QString unpacked;        // the package's files, unpacked by dpkg-deb
    QString debugFile;       // the program's, from pecunio-dbgsym
    QString compilerCommand; // as the debug information records it

    QString field(const QString &name) const
    {
        return run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), deb, name}).out.trimmed();
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-deb")).isEmpty())
            QSKIP("dpkg-deb is not installed, so no Debian package is built here (Debian's dpkg package has it)");
        const QDir packages(QStringLiteral(PECUNIO_PACKAGE_DIR));
        if (packages.path().isEmpty() || packages.path() == QLatin1String("."))
            QSKIP("no packages named: scripts/package.sh builds them, scripts/test.sh names their folder");
        QVERIFY2(!qEnvironmentVariable("PECUNIO_TEST_BINARY_DIR").isEmpty(), "run through CTest");
        QVERIFY(work.isValid());

        const QString arch = run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).out.trimmed();
        const QString suffix = QStringLiteral("_" PECUNIO_VERSION_STRING "_") + arch;
        deb = packages.filePath(QStringLiteral("pecunio") + suffix + QStringLiteral(".deb"));
        changes = packages.filePath(QStringLiteral("pecunio") + suffix + QStringLiteral(".changes"));
        const QString dbgsym = packages.filePath(QStringLiteral("pecunio-dbgsym") + suffix + QStringLiteral(".deb"));
        const QString listing = packages.entryList(QDir::Files).join(QLatin1Char(' '));
        for (const QString &file :
             {deb, changes, dbgsym, packages.filePath(QStringLiteral("pecunio_" PECUNIO_VERSION_STRING ".dsc"))})
            QVERIFY2(QFileInfo::exists(file), qPrintable(file + QStringLiteral(" missing: ") + listing));

        unpacked = work.filePath(QStringLiteral("root"));
        const QString debugRoot = work.filePath(QStringLiteral("debug"));
        for (const auto &[package, root] : {std::pair{deb, unpacked}, std::pair{dbgsym, debugRoot}}) {
            const Run extract = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--extract"), package, root});
            QVERIFY2(extract.exitCode == 0, qPrintable(extract.err));
        }
        // The debug file is named after the program's build id.
        const Run notes = run(QStringLiteral("readelf"),
                              {QStringLiteral("--notes"), unpacked + QStringLiteral("/usr/lib/pecunio/Pecunio")});
        const QString id = QRegularExpression(QStringLiteral("Build ID: ([0-9a-f]+)")).match(notes.out).captured(1);
        QVERIFY2(id.size() > 2, qPrintable(notes.out + notes.err));
        debugFile = debugRoot + QStringLiteral("/usr/lib/debug/.build-id/") + id.left(2) + QLatin1Char('/') + id.mid(2)
                    + QStringLiteral(".debug");
        QVERIFY2(QFileInfo::exists(debugFile), qPrintable(debugFile));
        // The compiler and its flags, as recorded for each unit (DW_AT_producer).
        const Run strings = run(QStringLiteral("readelf"), {QStringLiteral("--decompress"),
                                                            QStringLiteral("--string-dump=.debug_str"), debugFile});
        compilerCommand = QRegularExpression(QStringLiteral("GNU C\\+\\+[^\n]*")).match(strings.out).captured();
        QVERIFY2(!compilerCommand.isEmpty(), qPrintable(strings.err));
    }

    void holdsExactlyTheInstalledTree()
    {
        // What `cmake --install` lays out, under /usr, with debhelper's changelog and lintian's
        // overrides, and nothing else.
        QTemporaryDir prefix;
        const Run install = run(QStringLiteral(PECUNIO_CMAKE_COMMAND),
                                {QStringLiteral("--install"), qEnvironmentVariable("PECUNIO_TEST_BINARY_DIR"),
                                 QStringLiteral("--prefix"), prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
        QVERIFY(!filesBelow(prefix.path()).isEmpty());
        QCOMPARE(QDir(unpacked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"usr"});
        QStringList expected = filesBelow(prefix.path()) << QStringLiteral("share/doc/pecunio/changelog.gz")
                                                         << QStringLiteral("share/lintian/overrides/pecunio");
        expected.sort();
        QCOMPARE(filesBelow(unpacked + QStringLiteral("/usr")), expected);

        // The package's listing agrees with what was unpacked; directories are 0755, owned by root.
        const Run listing = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
        QVERIFY2(listing.exitCode == 0, qPrintable(listing.err));
        for (const QString &line : listing.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QVERIFY2(line.contains(QLatin1String(" root/root ")), qPrintable(line));
            if (line.startsWith(QLatin1Char('d')))
                QVERIFY2(line.startsWith(QLatin1String("drwxr-xr-x ")), qPrintable(line));
        }
    }

    void debianFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("linkTarget");
        QTest::newRow("command") << "usr/bin/pecunio"
                                 << "../lib/pecunio/Pecunio";
        QTest::newRow("manual page, section 1") << "usr/share/man/man1/pecunio.1.gz" << QString();
        QTest::newRow("changelog") << "usr/share/doc/pecunio/changelog.gz" << QString();
        QTest::newRow("copyright") << "usr/share/doc/pecunio/copyright" << QString();
    }
    void debianFiles()
    {
        QFETCH(QString, path);
        QFETCH(QString, linkTarget);
        const QFileInfo file(unpacked + QLatin1Char('/') + path);
        QVERIFY2(file.exists(), qPrintable(path));
        if (!linkTarget.isEmpty())
            QCOMPARE(file.symLinkTarget(), QFileInfo(file.dir(), linkTarget).absoluteFilePath());
    }

    void copyrightNamesTheLicence()
    {
        QFile copyright(unpacked + QStringLiteral("/usr/share/doc/pecunio/copyright"));
        QVERIFY(copyright.open(QIODevice::ReadOnly));
        const QByteArray text = copyright.readAll();
        QVERIFY(text.contains("\nLicense: GPL-3+\n"));
        QVERIFY(text.contains("/usr/share/common-licenses/GPL-3"));
    }

    void controlFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("package") << "Package"
                                 << "pecunio";
        QTest::newRow("version") << "Version" << PECUNIO_VERSION_STRING;
        QTest::newRow("architecture")
            << "Architecture" << run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).out.trimmed();
        QTest::newRow("section") << "Section"
                                 << "utils";
        QTest::newRow("priority") << "Priority"
                                  << "optional";
        QTest::newRow("Wayland plug-in") << "Recommends"
                                         << "qt6-wayland";
    }
    void controlFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QCOMPARE(field(name), value);
    }

    void maintainerNamesTheProject()
    {
        QVERIFY(QRegularExpression(QStringLiteral("^The Pecunio developers <[^ @<>]+@[^ @<>]+>$"))
                    .match(field(QStringLiteral("Maintainer")))
                    .hasMatch());
    }

    void depends()
    {
        QStringList names;
        for (const QString &entry : field(QStringLiteral("Depends")).split(QLatin1Char(',')))
            names.append(entry.section(QLatin1Char('('), 0, 0).trimmed());
        // Needed at run time without being linked.
        QStringList expected{"fonts-wine", "fonts-liberation2", "qt6-translations-l10n", "xdg-utils"};
        // Found by dpkg-shlibdeps in the program itself.
        expected << "libc6"
                 << "libqt6widgets6"
                 << "libqt6printsupport6";
        const Run needed = run(QStringLiteral("readelf"),
                               {QStringLiteral("--dynamic"), unpacked + QStringLiteral("/usr/lib/pecunio/Pecunio")});
        QVERIFY2(needed.exitCode == 0, qPrintable(needed.err));
        if (needed.out.contains(QLatin1String("[libgmp.so.10]")))
            expected << "libgmp10";
        for (const QString &name : expected)
            QVERIFY2(names.contains(name),
                     qPrintable(name + QStringLiteral(" missing from Depends: ") + names.join(QLatin1Char(' '))));
    }

    // Debian's flags, as the compiler recorded them in the debug information.
    void compiledWith_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("present");
        QTest::newRow("Debian's optimisation") << "-O2" << true;
        QTest::newRow("no optimisation of the project's") << "-O3" << false;
        QTest::newRow("hardening") << "-fstack-protector-strong" << true;
        QTest::newRow("debug information") << "-g" << true;
    }
    void compiledWith()
    {
        QFETCH(QString, flag);
        QFETCH(bool, present);
        QCOMPARE(compilerCommand.split(QLatin1Char(' ')).contains(flag), present);
    }

    void descriptionIsTheMetainfos()
    {
        QFile metainfoFile(QStringLiteral(PECUNIO_SOURCE_DIR "/data/pecunio.metainfo.xml.in"));
        QVERIFY(metainfoFile.open(QIODevice::ReadOnly));
        const QString metainfo = QString::fromUtf8(metainfoFile.readAll());

        const QStringList lines = field(QStringLiteral("Description")).split(QLatin1Char('\n'));
        QCOMPARE(lines.first(),
                 QRegularExpression(QStringLiteral("<summary>([^<]*)</summary>")).match(metainfo).captured(1));
        QString body;
        for (const QString &line : lines.mid(1)) {
            QVERIFY2(line.size() <= 80, qPrintable(line));
            body += QLatin1Char(' ') + (line.trimmed() == QLatin1String(".") ? QString() : line.trimmed());
        }
        body = collapsed(body);
        // Every paragraph and item, English and French, with the French summary.
        auto texts = QRegularExpression(QStringLiteral("<(?:p|li|summary)(?: [^>]*)?>([^<]*)<")).globalMatch(metainfo);
        int count = 0;
        while (texts.hasNext()) {
            const QString text = collapsed(texts.next().captured(1));
            if (text == lines.first())
                continue;
            QVERIFY2(body.contains(text), qPrintable(text));
            ++count;
        }
        QVERIFY(count >= 4);
    }

    void manualPage()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty())
            QSKIP("man is not installed (Debian's man-db package has it)");
        // As lintian renders it: any warning of man or groff is a fault of the page.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        env.insert(QStringLiteral("MANROFFSEQ"), QString());
        const Run page = run(QStringLiteral("man"),
                             {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
                              QStringLiteral("-l"), QStringLiteral("-Tutf8"), QStringLiteral("-Z"),
                              unpacked + QStringLiteral("/usr/share/man/man1/pecunio.1.gz")},
                             env);
        QCOMPARE(page.err, QString());
        QCOMPARE(page.exitCode, 0);
        QVERIFY(page.out.size() > 1000);
    }

    void lintianHasNothingToSay()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
            QSKIP("lintian is not installed: the package is not checked (scripts/deps.sh installs it)");
        // Every tag, down to the pedantic ones, is mended or overridden with its reason.
        const Run check =
            run(QStringLiteral("lintian"), {QStringLiteral("--pedantic"), QStringLiteral("--info"),
                                            QStringLiteral("--tag-display-limit"), QStringLiteral("0"), changes});
        QStringList tags;
        for (const QString &line : check.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (QRegularExpression(QStringLiteral("^[A-Z]: ")).match(line).hasMatch())
                tags.append(line);
        }
        QVERIFY2(tags.isEmpty(), qPrintable(tags.join(QLatin1Char('\n'))));
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
