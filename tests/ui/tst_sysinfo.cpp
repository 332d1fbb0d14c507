// Finding and starting the system-information tool: the registry lookup against a registry
// held in memory, the order of the two entries, and the Linux stand-in.

#include "platform/memoryregistry.h"
#include "platform/systeminfo.h"
#include "support/testsupport.h"
#include "ui/about/frmabout.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::MessageCapture;

namespace {

const QString Unavailable = QStringLiteral("Les informations système ne sont pas disponibles actuellement");

QByteArray dword(quint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray text(const QByteArray &chars, bool withNul)
{
    return withNul ? chars + QByteArray(1, '\0') : chars;
}

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
    void getKeyValue_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("value");

        const QByteArray path = "/usr/bin/hardinfo";
        QTest::newRow("text stored with its NUL loses it") << true << 1u << text(path, true) << true << "/usr/bin/hardinfo";
        QTest::newRow("text stored without NUL keeps every character")
            << true << 1u << text(path, false) << true << "/usr/bin/hardinfo";
        QTest::newRow("one-character text without NUL") << true << 1u << QByteArray("x") << true << "x";
        QTest::newRow("only a NUL reads as empty") << true << 1u << QByteArray(1, '\0') << true << "";
        QTest::newRow("8-bit text read in the local encoding")
            << true << 1u << text("/opt/système/outil", true) << true << "/opt/système/outil";
        QTest::newRow("text of exactly 1024 bytes") << true << 1u << QByteArray(1024, 'a') << true
                                                    << QString(1024, QLatin1Char('a'));
        QTest::newRow("1024 bytes with the NUL last")
            << true << 1u << text(QByteArray(1023, 'b'), true) << true << QString(1023, QLatin1Char('b'));
        QTest::newRow("text over 1024 bytes counts as absent")
            << true << 1u << text(QByteArray(1024, 'c'), true) << false << "";
        QTest::newRow("much longer text counts as absent") << true << 1u << QByteArray(5000, 'd') << false << "";
        QTest::newRow("number 42") << true << 4u << dword(42) << true << "42";
        QTest::newRow("number with all four bytes") << true << 4u << dword(0x12345678) << true << "305419896";
        QTest::newRow("number with a low NUL byte") << true << 4u << dword(0x01020300) << true << "16909056";
        QTest::newRow("number zero") << true << 4u << dword(0) << true << "0";
        QTest::newRow("largest number") << true << 4u << dword(0xFFFFFFFF) << true << "4294967295";
        QTest::newRow("binary value leaves the text alone") << true << 3u << QByteArray("\x01\x02", 2) << true
                                                            << "before";
        QTest::newRow("empty value is a failure that leaves the text alone")
            << true << 1u << QByteArray() << false << "before";
        QTest::newRow("no such value") << false << 1u << QByteArray() << false << "";
    }
    void getKeyValue()
    {
        QFETCH(bool, present);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(bool, result);
        QFETCH(QString, value);

        Euro::MemoryRegistry registry;
        const QByteArray key = "SOFTWARE\\Test\\Tool";
        registry.addKey(Euro::HKEY_LOCAL_MACHINE, key);
        if (present)
            registry.setValue(Euro::HKEY_LOCAL_MACHINE, key, "Path", type, data);
        FrmAbout about;
        about.setRegistry(&registry);

        QString out = QStringLiteral("before");
        QCOMPARE(about.GetKeyValue(Euro::HKEY_LOCAL_MACHINE, QString::fromLatin1(key), QStringLiteral("Path"), out),
                 result);
        QCOMPARE(out, value);
        // The key was opened for reading only, and closed again whatever happened.
        QCOMPARE(registry.accessRequested(), QList<quint32>{Euro::KEY_READ});
        QCOMPARE(registry.openHandleCount(), 0);
        QCOMPARE(registry.closedHandles().size(), 1);
    }

    void getKeyValueWithoutKey_data()
    {
        QTest::addColumn<quint32>("root");
        QTest::addColumn<QString>("key");
        QTest::newRow("no such key") << Euro::HKEY_LOCAL_MACHINE << "SOFTWARE\\Nothing";
        QTest::newRow("key under another root") << quint32(0x80000001) << "SOFTWARE\\Test\\Tool";
    }
    void getKeyValueWithoutKey()
    {
        QFETCH(quint32, root);
        QFETCH(QString, key);
        Euro::MemoryRegistry registry;
        registry.setValue(Euro::HKEY_LOCAL_MACHINE, "SOFTWARE\\Test\\Tool", "Path", Euro::REG_SZ, "x");
        FrmAbout about;
        about.setRegistry(&registry);
        QString out = QStringLiteral("before");
        QVERIFY(!about.GetKeyValue(root, key, QStringLiteral("Path"), out));
        QCOMPARE(out, QString());
        QCOMPARE(registry.openHandleCount(), 0);
    }

    void keysAreReadOnly()
    {
        // An ordinary user may not ask for write rights: that is why lookups read only.
        Euro::MemoryRegistry registry;
        registry.setValue(Euro::HKEY_LOCAL_MACHINE, Euro::MsInfoKeyPath, Euro::MsInfoPathValue, Euro::REG_SZ, "t");
        Euro::RegHandle handle = 1;
        QCOMPARE(registry.openKey(Euro::HKEY_LOCAL_MACHINE, Euro::MsInfoKeyPath, 0, Euro::KEY_READ_WRITE, handle),
                 Euro::ERROR_ACCESS_DENIED);
        QCOMPARE(handle, Euro::RegHandle(0));
        QCOMPARE(registry.openHandleCount(), 0);
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QString>("first");        // value of the first entry ("-": no entry)
        QTest::addColumn<QString>("second");       // "-": no entry, "tool": folder with the tool, "empty": without
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QStringList>("started");  // "<dir>" stands for the tool folder
        QTest::addColumn<bool>("message");

        QTest::newRow("first entry started as it stands, even with no file there")
            << "/nowhere/msinfo" << "-" << true << QStringList{"/nowhere/msinfo"} << false;
        QTest::newRow("first entry failing to start shows the message")
            << "/nowhere/msinfo" << "-" << false << QStringList{"/nowhere/msinfo"} << true;
        QTest::newRow("first entry wins over the second")
            << "/usr/bin/kinfocenter" << "tool" << true << QStringList{"/usr/bin/kinfocenter"} << false;
        QTest::newRow("only the second entry, tool in its folder")
            << "-" << "tool" << true << QStringList{"<dir>/MSINFO32.EXE"} << false;
        QTest::newRow("only the second entry, no tool in its folder")
            << "-" << "empty" << true << QStringList{} << true;
        QTest::newRow("neither entry") << "-" << "-" << true << QStringList{} << true;
        QTest::newRow("first entry of another type gives an empty path")
            << "binary" << "tool" << false << QStringList{""} << true;
        QTest::newRow("empty first entry ends the search at once")
            << "empty value" << "tool" << true << QStringList{} << true;
    }
    void startSysInfo()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, startWorks);
        QFETCH(QStringList, started);
        QFETCH(bool, message);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (second == QLatin1String("tool"))
            writeFile(folder.filePath(QStringLiteral("MSINFO32.EXE")), "#!/bin/sh\n", true);

        Euro::MemoryRegistry registry;
        if (first == QLatin1String("binary"))
            registry.setValue(Euro::HKEY_LOCAL_MACHINE, Euro::MsInfoKeyPath, Euro::MsInfoPathValue, 3, "\x01");
        else if (first == QLatin1String("empty value"))
            registry.setValue(Euro::HKEY_LOCAL_MACHINE, Euro::MsInfoKeyPath, Euro::MsInfoPathValue, Euro::REG_SZ, {});
        else if (first != QLatin1String("-"))
            registry.setValue(Euro::HKEY_LOCAL_MACHINE, Euro::MsInfoKeyPath, Euro::MsInfoPathValue, Euro::REG_SZ,
                              text(first.toLocal8Bit(), true));
        if (second != QLatin1String("-"))
            registry.setValue(Euro::HKEY_LOCAL_MACHINE, Euro::SharedToolsKeyPath, Euro::SharedToolsMsInfoValue,
                              Euro::REG_SZ, text(folder.path().toLocal8Bit(), true));

        MessageCapture messages;
        FrmAbout about;
        about.setRegistry(&registry);
        QStringList calls;
        about.setProgramStarter([&](const QString &path) {
            calls << path;
            return startWorks && !path.isEmpty();
        });
        about.StartSysInfo();

        started.replaceInStrings(QStringLiteral("<dir>"), folder.path());
        QCOMPARE(calls, started);
        QCOMPARE(messages.shown().size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(messages.shown().first().text, Unavailable);
            QCOMPARE(messages.shown().first().title, QStringLiteral("Pecunio"));
            QCOMPARE(messages.shown().first().style, 0);
        }
        QCOMPARE(registry.openHandleCount(), 0);
        for (quint32 access : registry.accessRequested())
            QCOMPARE(access, Euro::KEY_READ);
    }

    void findTool_data()
    {
        QTest::addColumn<QStringList>("executables");  // in the first PATH folder; *.desktop: an installed page
        QTest::addColumn<QStringList>("plainFiles");   // not executable
        QTest::addColumn<QString>("found");            // the program, and its arguments
        QTest::newRow("nothing installed") << QStringList{} << QStringList{} << "";
        QTest::newRow("one tool") << QStringList{"hardinfo"} << QStringList{} << "hardinfo";
        QTest::newRow("the better known first") << QStringList{"gnome-system-monitor", "kinfocenter"}
                                                << QStringList{} << "kinfocenter";
        QTest::newRow("a file that cannot run is skipped")
            << QStringList{"cpu-x"} << QStringList{"kinfocenter"} << "cpu-x";
        QTest::newRow("other programs do not count") << QStringList{"xterm", "sysinfo.sh"} << QStringList{} << "";
        QTest::newRow("GNOME Settings on its system page") << QStringList{"hardinfo2", "gnome-control-center",
                                                                          "gnome-system-panel.desktop"}
                                                           << QStringList{} << "gnome-control-center system about";
    }
    void findTool()
    {
        QFETCH(QStringList, executables);
        QFETCH(QStringList, plainFiles);
        QFETCH(QString, found);
        QTemporaryDir bin, other, data;
        QVERIFY(QDir(data.path()).mkpath(QStringLiteral("applications")));
        for (const QString &name : executables) {
            const bool page = name.endsWith(QLatin1String(".desktop"));
            const QString at = page ? data.filePath(QStringLiteral("applications/") + name) : bin.filePath(name);
            writeFile(at, "#!/bin/sh\n", !page);
        }
        for (const QString &name : plainFiles)
            writeFile(bin.filePath(name), "data", false);
        const QByteArray oldData = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
        auto restore = qScopeGuard([&] { qputenv("XDG_DATA_DIRS", oldData); });
        const QString path = other.path() + QLatin1Char(':') + bin.path();
        QStringList words = found.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty())
            words.first() = bin.filePath(words.first());
        QCOMPARE(QProcess::splitCommand(Euro::findSystemInfoTool(Euro::systemInfoTools(), path)), words);
    }

    void findToolWithEmptyPath()
    {
        QCOMPARE(Euro::findSystemInfoTool(Euro::systemInfoTools(), QString()), QString());
    }

    void standInAnswersOnlyTheFirstEntry_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::newRow("tool found") << "/usr/bin/hardinfo";
        QTest::newRow("no tool") << "";
    }
    void standInAnswersOnlyTheFirstEntry()
    {
        QFETCH(QString, tool);
        auto registry = Euro::systemInfoRegistry(tool);
        FrmAbout about;
        about.setRegistry(registry.get());
        QString value;
        QCOMPARE(about.GetKeyValue(Euro::HKEY_LOCAL_MACHINE, QString::fromLatin1(Euro::MsInfoKeyPath),
                                   QString::fromLatin1(Euro::MsInfoPathValue), value),
                 !tool.isEmpty());
        QCOMPARE(value, tool);
        QVERIFY(!about.GetKeyValue(Euro::HKEY_LOCAL_MACHINE, QString::fromLatin1(Euro::SharedToolsKeyPath),
                                   QString::fromLatin1(Euro::SharedToolsMsInfoValue), value));
        QCOMPARE(registry->openHandleCount(), 0);
    }

    void standInStartsTheToolDetached()
    {
        // A tool found through PATH is really started, on its own: it leaves a mark behind.
        QTemporaryDir bin;
        const QString mark = bin.filePath(QStringLiteral("started"));
        writeFile(bin.filePath(QStringLiteral("hardinfo")),
                  "#!/bin/sh\necho \"$$\" > '" + QFile::encodeName(mark) + "'\n", true);
        auto registry =
            Euro::systemInfoRegistry(Euro::findSystemInfoTool(Euro::systemInfoTools(), bin.path()));
        MessageCapture messages;
        FrmAbout about;
        about.setRegistry(registry.get());
        about.StartSysInfo();
        QTRY_VERIFY(QFile::exists(mark));
        QVERIFY(messages.shown().isEmpty());
    }

    void standInWithoutToolSaysSo()
    {
        auto registry = Euro::systemInfoRegistry(QString());
        MessageCapture messages;
        FrmAbout about;
        about.setRegistry(registry.get());
        about.StartSysInfo();
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, Unavailable);
    }
};

QTEST_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
