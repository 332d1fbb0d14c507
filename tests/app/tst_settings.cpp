// The settings store: values read back as written, hand-edited files, broken stores, and
// what a start writes.

#include "ui/kit/settings.h"
#include "app/startup.h"
#include "engine/currencies.h"
#include "support/processes.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <grp.h>
#include <pwd.h>
#include <sys/inotify.h>
#include <unistd.h>

using TestSupport::ThrowAwaySettings;

class TestSettings : public QObject
{
    Q_OBJECT

private:
    static void writeFile(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    const QString app = QStringLiteral("Pecunio");
    const QString parametres = QStringLiteral("parametres");
    const QString taux = QStringLiteral("taux");

private Q_SLOTS:
    void fileIsNamedAfterTheProgram()
    {
        ThrowAwaySettings store;
        QCOMPARE(Euro::settingsFilePath(app), store.configHome() + QStringLiteral("/Pecunio.ini"));
        Euro::SaveSetting(app, taux, QStringLiteral("FRF"), QStringLiteral("6,55957"));
        QVERIFY(QFile::exists(store.configHome() + QStringLiteral("/Pecunio.ini")));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("rate with a comma") << "taux"
                                           << "FRF"
                                           << "6,55957";
        QTest::newRow("trailing zero kept") << "taux"
                                            << "GRD"
                                            << "340,750";
        QTest::newRow("key with spaces") << "parametres"
                                         << "date de debut"
                                         << "09/12/2026";
        QTest::newRow("folder with accents and spaces") << "parametres"
                                                        << "dossier application"
                                                        << "/home/zoé/mes programmes/";
        QTest::newRow("empty value") << "taux"
                                     << "BEF"
                                     << "";
        QTest::newRow("leading and trailing spaces") << "taux"
                                                     << "DEM"
                                                     << " 1,95583 ";
        QTest::newRow("quote and semicolon") << "parametres"
                                             << "etat"
                                             << "a\"b;c=d";
    }
    void roundTrip()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        ThrowAwaySettings store;
        Euro::SaveSetting(app, section, key, value);
        QCOMPARE(Euro::GetSetting(app, section, key), value);
    }

    void absentKeyReadsEmpty()
    {
        ThrowAwaySettings store;
        QCOMPARE(Euro::GetSetting(app, taux, QStringLiteral("FRF")), QString());
        Euro::SaveSetting(app, taux, QStringLiteral("BEF"), QStringLiteral("40,3399"));
        QCOMPARE(Euro::GetSetting(app, taux, QStringLiteral("FRF")), QString());
    }

    // Values a user typed into the file by hand, without quotes.
    void handEditedFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("rate without quotes") << QByteArray("[taux]\nFRF=6,55957\n") << "taux"
                                             << "FRF"
                                             << "6,55957";
        QTest::newRow("rate in quotes") << QByteArray("[taux]\nFRF=\"6,6\"\n") << "taux"
                                        << "FRF"
                                        << "6,6";
        QTest::newRow("integer rate") << QByteArray("[taux]\nITL=1936\n") << "taux"
                                      << "ITL"
                                      << "1936";
        QTest::newRow("key typed with spaces") << QByteArray("[parametres]\ndate de debut=01/02/2003\n") << "parametres"
                                               << "date de debut"
                                               << "01/02/2003";
        QTest::newRow("utf-8 accents") << QByteArray("[parametres]\netat=activé\n") << "parametres"
                                       << "etat" << QStringLiteral("activé");
    }
    void handEditedFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        ThrowAwaySettings store;
        writeFile(Euro::settingsFilePath(app), content);
        QCOMPARE(Euro::GetSetting(app, section, key), value);
    }

    void firstRunValuesInOrder()
    {
        const auto values = Euro::firstRunValues(QDate(2026, 12, 9), QStringLiteral("/opt/pecunio/"));
        QStringList got;
        for (const auto &v : values)
            got << v.section + QLatin1Char('/') + v.key + QLatin1Char('=') + v.value;
        const QStringList expected{
            "parametres/date de debut=09/12/2026",
            "parametres/dossier application=/opt/pecunio/",
            "parametres/etat=actif",
            "taux/taux=6,55957",
            "taux/FRF=6,55957",
            "taux/BEF=40,3399",
            "taux/LUF=40,3399",
            "taux/ATS=13,7603",
            "taux/NLG=2,20371",
            "taux/PTE=200,482",
            "taux/ESP=166,386",
            "taux/IEP=0,787564",
            "taux/DEM=1,95583",
            "taux/GRD=340,750",
            "taux/ITL=1936,27",
            "taux/FIM=5,94573",
        };
        QCOMPARE(got, expected);
    }

    void firstStartSeedsLaterStartsDoNot()
    {
        ThrowAwaySettings store;
        QVERIFY(Euro::initialiseSettings(app, QDate(2026, 12, 9), QStringLiteral("/opt/pecunio/")));
        for (const auto &v : Euro::firstRunValues(QDate(2026, 12, 9), QStringLiteral("/opt/pecunio/")))
            QCOMPARE(Euro::GetSetting(app, v.section, v.key), v.value);

        // A user's edited rate and a later start: only "etat" is written again.
        Euro::SaveSetting(app, taux, QStringLiteral("FRF"), QStringLiteral("6,6"));
        Euro::SaveSetting(app, parametres, QStringLiteral("etat"), QStringLiteral("inactif"));
        QVERIFY(!Euro::initialiseSettings(app, QDate(2027, 1, 1), QStringLiteral("/ailleurs/")));
        QCOMPARE(Euro::GetSetting(app, taux, QStringLiteral("FRF")), QStringLiteral("6,6"));
        QCOMPARE(Euro::GetSetting(app, parametres, QStringLiteral("date de debut")), QStringLiteral("09/12/2026"));
        QCOMPARE(Euro::GetSetting(app, parametres, QStringLiteral("etat")), QStringLiteral("actif"));

        // Without its first-run date, the store is seeded afresh: edited rates go back to defaults.
        writeFile(Euro::settingsFilePath(app), "[taux]\nFRF=\"6,6\"\n");
        QVERIFY(Euro::initialiseSettings(app, QDate(2027, 1, 1), QStringLiteral("/opt/pecunio/")));
        QCOMPARE(Euro::GetSetting(app, taux, QStringLiteral("FRF")), QStringLiteral("6,55957"));
    }

    void renamedProgramHasItsOwnValues()
    {
        ThrowAwaySettings store;
        Euro::initialiseSettings(app, QDate(2026, 12, 9), QStringLiteral("/opt/pecunio/"));
        Euro::SaveSetting(app, taux, QStringLiteral("DEM"), QStringLiteral("2"));
        const QByteArray before = [&] {
            QFile f(Euro::settingsFilePath(app));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        QVERIFY(Euro::initialiseSettings(QStringLiteral("Calculette"), QDate(2026, 12, 10), QStringLiteral("/x/")));
        QCOMPARE(Euro::GetSetting(QStringLiteral("Calculette"), taux, QStringLiteral("DEM")),
                 QStringLiteral("1,95583"));
        QFile f(Euro::settingsFilePath(app));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    // A broken store never stops the program: it works with what it can read, keeps what it
    // wrote for the rest of the run, seeds nothing over a file it cannot read, and says once
    // what it could not do, naming the file. (Permissions do not stop root.)
    void brokenStore_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("notice"); // what the message says, "" for no message
        const QString unwritable = ::geteuid() == 0 ? QString() : QStringLiteral("ne peuvent pas être enregistrés");
        QTest::newRow("garbled file") << "garbled"
                                      << "";
        QTest::newRow("folder in place of the file") << "folder"
                                                     << "ne peut pas être lu";
        QTest::newRow("read-only file") << "readonly" << unwritable;
        QTest::newRow("read-only configuration folder") << "readonlyfolder" << unwritable;
        QTest::newRow("configuration folder under a plain file") << "underfile"
                                                                 << "ne peuvent pas être enregistrés";
        QTest::newRow("larger than any store the program writes") << "oversized"
                                                                  << "trop volumineux pour être lu";
    }
    void brokenStore()
    {
        QFETCH(QString, kind);
        QFETCH(QString, notice);
        ThrowAwaySettings store;
        const QString path = Euro::settingsFilePath(app);
        // 2 MB of a store that reads: were it parsed, FRF would read "9" and nothing be seeded.
        QByteArray oversized("[parametres]\ndate%20de%20debut=01/01/2002\n[taux]\nFRF=9\n[remplissage]\n");
        while (oversized.size() < 2 * 1024 * 1024)
            oversized += "cle" + QByteArray::number(oversized.size()) + "=valeur\n";
        if (kind == QLatin1String("garbled")) {
            writeFile(path, QByteArray("\x00\x01\xff\xfe[[[taux\n\x00=\n==\n[", 17));
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("oversized")) {
            writeFile(path, oversized);
        } else if (kind == QLatin1String("readonly")) {
            writeFile(path, "[taux]\nBEF=\"40,3399\"\n");
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
        } else if (kind == QLatin1String("readonlyfolder")) {
            QVERIFY(QFile::setPermissions(store.configHome(), QFile::ReadOwner | QFile::ExeOwner));
        } else {
            writeFile(store.configHome() + QStringLiteral("/plain"), "");
            qputenv("XDG_CONFIG_HOME", (store.configHome() + QStringLiteral("/plain/config")).toLocal8Bit());
        }
        auto restore = qScopeGuard([&] {
            QFile::setPermissions(store.configHome(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        });
        const QString file = Euro::settingsFilePath(app);

        Euro::initialiseSettings(app, QDate(2026, 12, 9), QStringLiteral("/opt/pecunio/"));
        const bool seeded = kind != QLatin1String("folder") && kind != QLatin1String("oversized");
        QCOMPARE(Euro::GetSetting(app, taux, QStringLiteral("FRF")), seeded ? QStringLiteral("6,55957") : QString());
        QCOMPARE(Euro::GetSetting(app, parametres, QStringLiteral("etat")),
                 seeded ? QStringLiteral("actif") : QString());
        if (kind == QLatin1String("folder"))
            QVERIFY(QFileInfo(path).isDir());
        // No temporary file is left behind by a failed write.
        const QStringList leftovers = QDir(store.configHome()).entryList(QDir::Files | QDir::Hidden);
        for (const QString &f : leftovers)
            QVERIFY2(f == QLatin1String("Pecunio.ini") || f == QLatin1String("plain"), qPrintable(f));

        const QString told = Euro::takeStoreNotice(app);
        QVERIFY2(notice.isEmpty() ? told.isEmpty() : told.contains(notice) && told.contains(file), qPrintable(told));
        QCOMPARE(Euro::takeStoreNotice(app), QString()); // said once
        if (kind == QLatin1String("oversized")) {
            // A rate edited during the run holds for the run; the file is never written over.
            QVERIFY(!Euro::SaveSetting(app, taux, QStringLiteral("FRF"), QStringLiteral("7")));
            QCOMPARE(Euro::GetSetting(app, taux, QStringLiteral("FRF")), QStringLiteral("7"));
            QCOMPARE(TestSupport::readAll(path), oversized);
        }
    }

    // The store as a program started in an odd environment finds it: with HOME unset or
    // empty, in the account's home from the password database (not in "//.config"); with no
    // home at all, a message that the saved rates cannot be read, naming the file. The probe
    // runs as a process of its own, as the account given, and only looks.
    void storeFoundFromTheEnvironment_data()
    {
        QTest::addColumn<QString>("home");   // HOME, "-" for unset
        QTest::addColumn<QString>("config"); // XDG_CONFIG_HOME, "-" for unset
        QTest::addColumn<int>("uid");        // the account the probe runs as
        QTest::addColumn<QString>("file");   // where it finds the store
        QTest::addColumn<bool>("readable");
        const int self = int(::getuid());
        const auto configOf = [](const passwd *account) {
            return QDir::cleanPath(QFile::decodeName(account->pw_dir) + QStringLiteral("/.config/store_probe.ini"));
        };
        const QString own = configOf(::getpwuid(::getuid()));
        QTest::newRow("HOME unset") << "-"
                                    << "-" << self << own << true;
        QTest::newRow("HOME empty") << ""
                                    << "" << self << own << true;
        QTest::newRow("HOME set") << "/ailleurs"
                                  << "-" << self << "/ailleurs/.config/store_probe.ini" << true;
        QTest::newRow("HOME unset, XDG_CONFIG_HOME set") << "-"
                                                         << "/conf" << self << "/conf/store_probe.ini" << true;
        // Accounts of the system: "nobody", whose home is not there, and a number no account has.
        if (const passwd *nobody = ::getpwuid(65534); nobody && !QFileInfo::exists(QFile::decodeName(nobody->pw_dir)))
            QTest::newRow("HOME unset, an account whose home is missing") << "-"
                                                                          << "-" << 65534 << configOf(nobody) << false;
        if (!::getpwuid(54321))
            QTest::newRow("HOME unset, an account unknown to the system")
                << "-"
                << "-" << 54321 << "~/.config/store_probe.ini" << false;
    }
    void storeFoundFromTheEnvironment()
    {
        QFETCH(QString, home);
        QFETCH(QString, config);
        QFETCH(int, uid);
        QFETCH(QString, file);
        QFETCH(bool, readable);
        if (uid != int(::getuid()) && ::geteuid() != 0)
            QSKIP("only root starts a program as another account");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const auto &[name, value] : {std::pair{"HOME", home}, std::pair{"XDG_CONFIG_HOME", config}})
            value == QLatin1String("-") ? env.remove(QLatin1String(name)) : env.insert(QLatin1String(name), value);
        QProcess probe;
        probe.setProcessEnvironment(env);
        if (uid != int(::getuid()))
            probe.setChildProcessModifier([uid] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(gid_t(uid)) != 0 || ::setuid(uid_t(uid)) != 0)
                    ::_exit(127);
            });
        probe.start(TestSupport::binaryDir() + QStringLiteral("/tests/app/store_probe"), {});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), file);
        QCOMPARE(lines.value(1), readable ? QStringLiteral("lisible") : QStringLiteral("illisible"));
        const QString notice = lines.mid(2).join(QLatin1Char('\n')).trimmed();
        QVERIFY2(readable ? notice.isEmpty()
                          : notice.startsWith(QStringLiteral("Les taux enregistrés ne peuvent pas être lus"))
                                && notice.contains(file),
                 qPrintable(notice));
    }

    // A first run cut short leaves all sixteen values or none: they reach the file in one change.
    void firstRunIsOneChangeOfTheFile()
    {
        ThrowAwaySettings store;
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        auto done = qScopeGuard([watch] { ::close(watch); });
        const QByteArray folder = QFile::encodeName(store.configHome());
        QVERIFY(::inotify_add_watch(watch, folder.constData(), IN_CREATE | IN_MOVED_TO) >= 0);
        QVERIFY(Euro::initialiseSettings(app, QDate(2026, 12, 9), QStringLiteral("/opt/pecunio/")));
        int changes = 0;
        alignas(inotify_event) char events[4096];
        for (ssize_t got; (got = ::read(watch, events, sizeof events)) > 0;) {
            for (const char *at = events; at < events + got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                changes += QByteArray(event->name) == "Pecunio.ini";
                at += sizeof(inotify_event) + event->len;
            }
        }
        QCOMPARE(changes, 1);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
