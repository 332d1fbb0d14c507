// Start-up: the card window, its hand-over to the main window, the single-instance guard,
// and the program started for real on a fresh account.

#include "ui/kit/fonts.h"
#include "app/frmintro.h"
#include "app/instanceguard.h"
#include "ui/kit/settings.h"
#include "ui/kit/twips.h"
#include "app/startup.h"
#include "support/layoutchecks.h"
#include "support/processes.h"
#include "support/messagecapture.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <pwd.h>
#include <unistd.h>

using TestSupport::binaryDir;
using TestSupport::FixedClock;
using TestSupport::MessageCapture;
using TestSupport::startIsolated;
using TestSupport::ThrowAwaySettings;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!binaryDir().isEmpty());
        Euro::registerFonts(); // as the program does at start
    }

    void cardLooksAsDesigned()
    {
        ThrowAwaySettings store;
        FrmIntro intro({});
        QCOMPARE(intro.Label1->text(), QStringLiteral("PECUNIO"));
        QCOMPARE(intro.lblVersion->toolTip(), QStringLiteral("Numéro de version"));
        QVERIFY(intro.lblVersion->alignment() & Qt::AlignRight);
        QVERIFY(!intro.Timer1.isActive());
        QCOMPARE(intro.Timer1.interval(), 1000);
        QVERIFY(intro.windowFlags().testFlag(Qt::WindowStaysOnTopHint)); // before it is first shown

        intro.Form_Load();
        // The name prints large and bold, above and left of the version.
        const QFontInfo name(intro.Label1->font());
        QVERIFY(name.bold());
        QVERIFY(name.pixelSize() > QFontInfo(intro.lblVersion->font()).pixelSize() + 3);
        QVERIFY(intro.Label1->geometry().bottom() < intro.lblVersion->y());
        QVERIFY(intro.Label1->x() < intro.lblVersion->x());
        QCOMPARE(intro.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        // It grows to the left: its right edge is where the design's "Version" ends.
        QLabel design(QStringLiteral("Version"));
        design.setFont(intro.lblVersion->font());
        design.move(Euro::twipsPoint(3000, 960));
        design.adjustSize();
        QCOMPARE(intro.lblVersion->geometry().right(), design.geometry().right());
        QVERIFY(intro.Timer1.isActive());
        // With the version in, nothing is cut off or sticks out, and the fonts are the program's.
        for (const QStringList &faults : {TestSupport::captionsCutOff(&intro), TestSupport::outsideContainer(&intro),
                                          TestSupport::fontsFallenBack(&intro)})
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // The card has no frame: its own size is centred on the screen, to the rounding pixel.
    void cardIsCentred()
    {
        ThrowAwaySettings store;
        FrmIntro intro({});
        intro.centreOnScreen();
        const QRect screen = intro.screen()->geometry();
        const int leftGap = intro.x() - screen.x();
        const int rightGap = screen.right() - intro.geometry().right();
        const int topGap = intro.y() - screen.y();
        const int bottomGap = screen.bottom() - intro.geometry().bottom();
        QVERIFY(leftGap > 0 && topGap > 0);
        QVERIFY2(qAbs(leftGap - rightGap) <= 1, qPrintable(QStringLiteral("%1 / %2").arg(leftGap).arg(rightGap)));
        QVERIFY2(qAbs(topGap - bottomGap) <= 1, qPrintable(QStringLiteral("%1 / %2").arg(topGap).arg(bottomGap)));
    }

    // A fixed single-line border: a black line all round the edge, the white card inside.
    void singleLineBorder()
    {
        ThrowAwaySettings store;
        FrmIntro intro({});
        const QImage card = intro.grab().toImage();
        const int w = card.width(), h = card.height();
        for (const auto &[edge, inside] :
             {std::pair{QPoint(w / 2, 0), QPoint(w / 2, 1)}, std::pair{QPoint(w / 2, h - 1), QPoint(w / 2, h - 2)},
              std::pair{QPoint(0, h / 2), QPoint(1, h / 2)}, std::pair{QPoint(w - 1, h / 2), QPoint(w - 2, h / 2)}}) {
            QCOMPARE(card.pixelColor(edge), QColor(Qt::black));
            QCOMPARE(card.pixelColor(inside), QColor(Qt::white));
        }
    }

    void loadSeedsTheStore()
    {
        ThrowAwaySettings store;
        FixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(7, 24)));
        FrmIntro intro({});
        intro.Form_Load();
        const QString app = Euro::AppName();
        QCOMPARE(Euro::GetSetting(app, QStringLiteral("parametres"), QStringLiteral("date de debut")),
                 QStringLiteral("09/12/2026"));
        QCOMPARE(Euro::GetSetting(app, QStringLiteral("parametres"), QStringLiteral("etat")), QStringLiteral("actif"));
        QCOMPARE(Euro::GetSetting(app, QStringLiteral("taux"), QStringLiteral("taux")), QStringLiteral("6,55957"));
    }

    // The card goes at the second tick, or at any earlier close, and opens the main window once.
    void unloadOpensMainWindowOnce_data()
    {
        QTest::addColumn<bool>("closeEarly");
        QTest::newRow("second timer tick") << false;
        QTest::newRow("closed before the timer") << true;
    }
    void unloadOpensMainWindowOnce()
    {
        QFETCH(bool, closeEarly);
        ThrowAwaySettings store;
        int opened = 0;
        auto *intro = new FrmIntro([&opened] { ++opened; });
        QPointer<FrmIntro> guard(intro);
        intro->setAttribute(Qt::WA_DeleteOnClose);
        intro->Form_Load();
        intro->show();
        if (closeEarly) {
            QTest::qWait(300);
            QCOMPARE(intro->TickCount, qint16(0));
            intro->close();
            QCOMPARE(opened, 1);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(intro->TickCount, qint16(1), 1500);
            QCOMPARE(opened, 0); // still there after the first tick
            QVERIFY(intro->isVisible());
            QTRY_COMPARE_WITH_TIMEOUT(opened, 1, 1500);
        }
        QTRY_VERIFY(guard.isNull());
        QTest::qWait(1200); // no later tick opens it again
        QCOMPARE(opened, 1);
    }

    void secondInstanceIsRefused()
    {
        ThrowAwaySettings store;
        const QString name = QStringLiteral("PecunioTestGuard");
        Euro::InstanceGuard first(name);
        QVERIFY(first.tryAcquire());
        QObject running;
        int raised = 0;
        first.onRaiseRequest(&running, [&raised] { ++raised; });

        MessageCapture messages;
        Euro::InstanceGuard second(name);
        QVERIFY(!Euro::ensureSingleInstance(second));
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, QStringLiteral("Programme déjà en cours d'utilisation..."));
        QCOMPARE(messages.shown().first().title, QStringLiteral("Pecunio"));
        QCOMPARE(messages.shown().first().style, 64);
        QVERIFY(!QFile::exists(Euro::settingsFilePath(Euro::AppName())));
        QTRY_VERIFY(raised >= 1); // the running copy was asked to come to the front

        Euro::InstanceGuard other(QStringLiteral("AutreProgramme"));
        QVERIFY(Euro::ensureSingleInstance(other)); // another executable name is another program
        QCOMPARE(messages.shown().size(), 1);
    }

    // The running copy still comes to the front when the files its requests come through
    // were deleted under it (a cleaner of the runtime folder, the user).
    void raiseOutlivesDeletedFiles()
    {
        const QString name = QStringLiteral("PecunioTestRaise");
        Euro::InstanceGuard first(name);
        QVERIFY(first.tryAcquire());
        QObject running;
        int raised = 0;
        first.onRaiseRequest(&running, [&raised] { ++raised; });
        Euro::InstanceGuard second(name);
        QVERIFY(!second.tryAcquire());
        second.requestRaise();
        QTRY_COMPARE(raised, 1);
        for (const QString &lock : first.lockFilePaths())
            QVERIFY(QFile::remove(lock + QStringLiteral(".raise")));
        QTRY_VERIFY(QFile::exists(first.lockFilePaths().first() + QStringLiteral(".raise")));
        second.requestRaise();
        QTRY_COMPARE(raised, 2);
    }

    // A second copy is refused whatever environment either copy starts in. Each copy is a
    // process of its own, as two starts are.
    void guardHoldsInEveryEnvironment_data()
    {
        QTest::addColumn<QString>("first");  // XDG_RUNTIME_DIR of the running copy, in its home; "-" unset
        QTest::addColumn<QString>("second"); // of the copy started next
        QTest::addColumn<bool>("ownTemp");   // each copy with a temporary folder of its own
        QTest::addColumn<bool>("planted");   // the guard's folder in the home is another account's
        QTest::newRow("no runtime folder for either") << "-"
                                                      << "-" << false << false;
        QTest::newRow("a runtime folder for the first only") << "run"
                                                             << "-" << false << false;
        QTest::newRow("a runtime folder for the second only") << "-"
                                                              << "run" << false << false;
        QTest::newRow("two runtime folders") << "run"
                                             << "run2" << false << false;
        QTest::newRow("runtime folder open to others") << "open"
                                                       << "open" << false << false;
        QTest::newRow("no runtime folder, two temporary folders") << "-"
                                                                  << "-" << true << false;
        QTest::newRow("the home's folder planted by another account") << "-"
                                                                      << "-" << false << true;
    }
    void guardHoldsInEveryEnvironment()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, ownTemp);
        QFETCH(bool, planted);
        if (planted && ::geteuid() != 0)
            QSKIP("only root can give a folder to another account");
        QTemporaryDir home;
        const QDir dir(home.path());
        const auto owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QVERIFY(dir.mkdir(QStringLiteral("run2"), owner) && dir.mkdir(QStringLiteral("tmp0"), owner)
                && dir.mkdir(QStringLiteral("tmp1"), owner)
                && dir.mkdir(QStringLiteral("open"), owner | QFile::ReadOther | QFile::ExeOther));
        const QString guardFolder = dir.filePath(QStringLiteral(".cache/pecunio"));
        if (planted)
            QVERIFY(dir.mkpath(guardFolder) && ::chown(QFile::encodeName(guardFolder).constData(), 65534, 65534) == 0);

        QProcess copies[2];
        auto done = qScopeGuard([&copies] {
            for (QProcess &copy : copies) {
                copy.kill();
                copy.waitForFinished(10000);
            }
        });
        for (int i = 0; i < 2; ++i) {
            const QString runtime = i == 0 ? first : second;
            startIsolated(copies[i], binaryDir() + QStringLiteral("/tests/app/guard_holder"),
                          {QStringLiteral("PecunioTestEnv")}, home.path(), QStringLiteral("offscreen"),
                          [&](QProcessEnvironment &env) {
                              if (runtime == QLatin1String("-"))
                                  env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
                              else
                                  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(runtime));
                              const QString temp = QStringLiteral("tmp%1").arg(ownTemp ? i : 0);
                              env.insert(QStringLiteral("TMPDIR"), dir.filePath(temp));
                          });
            QVERIFY(copies[i].waitForReadyRead(10000));
            QCOMPARE(copies[i].readLine().trimmed(), QByteArray(i == 0 ? "held" : "refused"));
        }
        if (planted)
            QCOMPARE(TestSupport::filesBelow(guardFolder), QStringList()); // another account's folder is not used
    }

    void guardDoesNotOutliveACrash()
    {
        QTemporaryDir home;
        TestSupport::ScopedEnv ownHome("HOME", QFile::encodeName(home.path()));
        QProcess holder;
        startIsolated(holder, binaryDir() + QStringLiteral("/tests/app/guard_holder"), {QStringLiteral("Pecunio")},
                      home.path(), QStringLiteral("offscreen"));
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", (home.path() + QStringLiteral("/run")).toLocal8Bit());
        auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", oldRuntime); });

        {
            Euro::InstanceGuard whileRunning(QStringLiteral("Pecunio"));
            QVERIFY(!whileRunning.tryAcquire());
        }
        ::kill(pid_t(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        Euro::InstanceGuard afterCrash(QStringLiteral("Pecunio"));
        QVERIFY(afterCrash.tryAcquire());
    }

    // A raise request never writes through a link planted where its file goes: beside the
    // lock, or in the shared temporary folder when the runtime folders are unusable.
    void raiseRequestFollowsNoLink_data()
    {
        QTest::addColumn<bool>("runtimeUsable");
        QTest::newRow("link beside the lock") << true;
        QTest::newRow("runtime folder open to others") << false;
    }
    void raiseRequestFollowsNoLink()
    {
        QFETCH(bool, runtimeUsable);
        QTemporaryDir temp;
        const QString run = temp.filePath(QStringLiteral("run")), victim = temp.filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkdir(run, runtimeUsable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                : QFile::Permissions(0x7755)));
        QFile qtRuntime(temp.filePath(QStringLiteral("runtime-") + ::getpwuid(::geteuid())->pw_name)), file(victim);
        QVERIFY(qtRuntime.open(QIODevice::WriteOnly) && file.open(QIODevice::WriteOnly) && file.write("précieux") > 0);
        file.close();
        const QString own = temp.filePath(QStringLiteral(".cache/pecunio"));
        QVERIFY(QDir().mkpath(own)
                && QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString inHome =
            QStringLiteral("/PecunioTestLink-") + QSysInfo::machineHostName() + QStringLiteral(".lock.raise");
        for (const QString &link : {run + QStringLiteral("/PecunioTestLink.lock.raise"),
                                    temp.filePath(QStringLiteral("PecunioTestLink.lock.raise")), own + inHome})
            QVERIFY(QFile::link(victim, link));
        {
            TestSupport::ScopedEnv runtime("XDG_RUNTIME_DIR", QFile::encodeName(run));
            TestSupport::ScopedEnv tmp("TMPDIR", QFile::encodeName(temp.path()));
            TestSupport::ScopedEnv home("HOME", QFile::encodeName(temp.path()));
            Euro::InstanceGuard(QStringLiteral("PecunioTestLink")).requestRaise();
        }
        QCOMPARE(TestSupport::readAll(victim), QByteArray("précieux"));
    }

    // A store larger than any the program writes is neither read nor written: the program
    // starts on the official rates and leaves the file as it is (parsed, it would get "etat").
    void realProgramLeavesAnOversizedStoreAlone()
    {
        QTemporaryDir home;
        const QString ini = home.filePath(QStringLiteral(".config/Pecunio.ini"));
        QByteArray content("[parametres]\ndate%20de%20debut=01/01/2002\n[remplissage]\n");
        while (content.size() < 2 * 1024 * 1024)
            content += "cle" + QByteArray::number(content.size()) + "=valeur\n";
        QFile file(ini);
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral(".config")) && file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        file.close();

        QProcess program;
        startIsolated(program, binaryDir() + QStringLiteral("/Pecunio"), {}, home.path(), QStringLiteral("offscreen"));
        QTest::qWait(3500); // the card is gone and the calculator loaded
        const bool running = program.state() == QProcess::Running;
        program.kill();
        program.waitForFinished(10000);
        QVERIFY2(running, program.readAllStandardError().constData());
        QVERIFY(TestSupport::readAll(ini) == content);
        QCOMPARE(QDir(home.filePath(QStringLiteral(".config"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Pecunio.ini")});
    }

    // The real program on a fresh account, under its own name and renamed.
    void realProgramSeedsItsOwnFile_data()
    {
        QTest::addColumn<QString>("exeName");
        QTest::newRow("as delivered") << "Pecunio";
        QTest::newRow("renamed copy") << "Calculette";
    }
    void realProgramSeedsItsOwnFile()
    {
        QFETCH(QString, exeName);
        QTemporaryDir home;
        QTemporaryDir folder;
        const QString exe = folder.filePath(exeName);
        QVERIFY(QFile::copy(binaryDir() + QStringLiteral("/Pecunio"), exe));

        QProcess program;
        startIsolated(program, exe, {}, home.path(), QStringLiteral("offscreen"));
        QVERIFY(program.waitForStarted(10000));
        const QString ini = home.path() + QStringLiteral("/.config/") + exeName + QStringLiteral(".ini");
        QTRY_VERIFY_WITH_TIMEOUT(QString::fromUtf8(TestSupport::readAll(ini)).contains(QStringLiteral("FIM=")), 15000);
        QTest::qWait(1000); // the start's last write ("etat") is done well before the card goes
        program.kill();
        program.waitForFinished(10000);

        const QString text = QString::fromUtf8(TestSupport::readAll(ini));
        QVERIFY(text.contains(QStringLiteral("etat=actif")));
        QVERIFY(text.contains(QStringLiteral("GRD=\"340,750\"")));
        QVERIFY(text.contains(QStringLiteral("dossier%20application=") + QFileInfo(exe).canonicalPath()
                              + QLatin1Char('/')));
        const QStringList files = QDir(home.path() + QStringLiteral("/.config")).entryList(QDir::Files);
        QVERIFY2(files == QStringList{exeName + QStringLiteral(".ini")}, qPrintable(files.join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
