// The small shared routines: pixel rounding, application folder, file test, help file,
// stay-on-top, message-box styles.

#include "ui/kit/euro.h"
#include "ui/kit/messageboxes.h"
#include "app/startup.h"
#include "ui/kit/twips.h"
#include "platform/topmost.h"
#include "support/messagecapture.h"
#include "support/testsupport.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <QtTest>

using TestSupport::MessageCapture;

class TestHelpers : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // The desktop's opener, in place of xdg-open.
    void openDocument(const QUrl &url) { m_opened.append(url); }

private:
    QList<QUrl> m_opened;

    // Writes an executable shell script.
    static void writeScript(const QString &path, const QByteArray &body)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body + "\n");
        f.close();
        QVERIFY(f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser));
    }

private Q_SLOTS:
    void twipsRounding_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("1500 twips") << 1500.0 << 100;
        QTest::newRow("750 twips") << 750.0 << 50;
        QTest::newRow("100.5 goes to even 100") << 1507.5 << 100;
        QTest::newRow("101.5 goes to even 102") << 1522.5 << 102;
        QTest::newRow("0.5 goes to even 0") << 7.5 << 0;
        QTest::newRow("just above a half goes up") << 1508.0 << 101;
        QTest::newRow("just below a half goes down") << 1507.0 << 100;
        QTest::newRow("centred window top 3727.5") << 3727.5 << 248;
        QTest::newRow("negative half goes to even") << -22.5 << -2;
    }
    void twipsRounding()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(Euro::twipsToPixels(twips), pixels);
    }

    void appFolderOf_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("folder");
        QTest::newRow("program in a folder") << "/usr/lib/pecunio/Pecunio"
                                             << "/usr/lib/pecunio/";
        QTest::newRow("program in the root") << "/Pecunio"
                                             << "/";
        QTest::newRow("folder with spaces and accents") << "/opt/mes programmes/é/Pecunio"
                                                        << "/opt/mes programmes/é/";
    }
    void appFolderOf()
    {
        QFETCH(QString, executable);
        QFETCH(QString, folder);
        QCOMPARE(Euro::AppFolderOf(executable), folder);
    }

    void appFolderFollowsSymlinks()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("real")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("links")));
        const QString real = dir.path() + QStringLiteral("/real/Pecunio");
        QFile exe(real);
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.close();
        const QString link = dir.path() + QStringLiteral("/links/pecunio");
        QVERIFY(QFile::link(real, link));
        QCOMPARE(Euro::AppFolderOf(link), QFileInfo(real).canonicalPath() + QLatin1Char('/'));
    }

    void appFolderOfThisProgram()
    {
        const QString folder = Euro::AppFolder();
        QVERIFY(folder.endsWith(QLatin1Char('/')));
        QVERIFY(!folder.endsWith(QStringLiteral("//")));
        QVERIFY(QFileInfo::exists(folder + QCoreApplication::applicationName())
                || QFileInfo::exists(folder + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    }

    void fileExists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::newRow("regular file") << "aide.htm" << true;
        QTest::newRow("folder") << "dossier" << false;
        QTest::newRow("hidden file") << ".aide.htm" << false;
        QTest::newRow("missing file") << "absent.htm" << false;
        QTest::newRow("link to a regular file") << "lien.htm" << true;
        QTest::newRow("dangling link") << "casse.htm" << false;
    }
    void fileExists()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QDir d(dir.path());
        for (const char *file : {"aide.htm", ".aide.htm"}) {
            QFile f(d.filePath(QLatin1String(file)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(d.mkpath(QStringLiteral("dossier")));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("aide.htm")), d.filePath(QStringLiteral("lien.htm"))));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("parti.htm")), d.filePath(QStringLiteral("casse.htm"))));
        QCOMPARE(Euro::FileExists(d.filePath(name)), exists);
    }

    // F1 looks for the page in the program's folder; here, the test's own folder.
    void helpFile_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("createFile");
        QTest::addColumn<QByteArray>("query"); // what `xdg-mime query default` does
        QTest::addColumn<bool>("opener");      // the desktop can open documents
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("opened");

        QString folder = Euro::AppFolder();
        folder.chop(1);
        const QString missing = QStringLiteral("Fichier d'aide [aide-test.htm] introuvable. Assurez-vous que celui-ci "
                                               "se trouve dans le dossier :\r\n")
                                + folder;
        const QString noProgram = QStringLiteral("Aucune application associée avec le type de fichier HTML.");
        QTest::newRow("missing page") << "aide-test.htm" << false << QByteArray("echo firefox.desktop") << true
                                      << missing << "fichier d'aide absent" << 16 << false;
        QTest::newRow("hidden page counts as missing")
            << ".aide-test.htm" << true << QByteArray("echo firefox.desktop") << true
            << QStringLiteral("Fichier d'aide [.aide-test.htm] introuvable. Assurez-vous que celui-ci se trouve "
                              "dans le dossier :\r\n")
                   + folder
            << "fichier d'aide absent" << 16 << false;
        // The desktop's answers: a handler, none, or no answer at all.
        QTest::newRow("no program for HTML")
            << "aide-test.htm" << true << QByteArray("echo") << true << noProgram << "Information" << 64 << false;
        QTest::newRow("page opened") << "aide-test.htm" << true << QByteArray("echo firefox.desktop") << true
                                     << QString() << QString() << 0 << true;
        QTest::newRow("query fails: opened all the same, nothing said")
            << "aide-test.htm" << true << QByteArray("exit 3") << true << QString() << QString() << 0 << true;
        QTest::newRow("nothing can open documents") << "aide-test.htm" << true << QByteArray("echo firefox.desktop")
                                                    << false << noProgram << "Information" << 64 << false;
    }
    void helpFile()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, createFile);
        QFETCH(QByteArray, query);
        QFETCH(bool, opener);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, style);
        QFETCH(bool, opened);

        // A stand-in for xdg-mime on a PATH of our own. The offscreen platform opens no
        // document, as a desktop without any opener; the stand-in opener records the page.
        QTemporaryDir bin;
        writeScript(bin.filePath(QStringLiteral("xdg-mime")), query);
        const TestSupport::ScopedEnv path("PATH", QFile::encodeName(bin.path()));
        m_opened.clear();
        if (opener)
            QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openDocument");
        auto removeOpener = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });

        const QString page = Euro::AppFolder() + fileName;
        if (createFile) {
            QFile f(page);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        auto removePage = qScopeGuard([&] { QFile::remove(page); });

        MessageCapture messages;
        Euro::ShowHelpFile(nullptr, fileName);
        // The desktop answers later: nothing has been said yet about an existing page.
        if (Euro::FileExists(page))
            QVERIFY(messages.shown().isEmpty());

        if (text.isEmpty()) {
            QTest::qWait(300);
            QVERIFY(messages.shown().isEmpty());
        } else {
            QTRY_COMPARE(messages.shown().size(), 1);
            QCOMPARE(messages.shown().first().text, text);
            QCOMPARE(messages.shown().first().title, title);
            QCOMPARE(messages.shown().first().style, style);
        }
        if (opened) {
            QTRY_COMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(page)});
        } else {
            QTest::qWait(100);
            QVERIFY(m_opened.isEmpty());
        }
    }

    void setTopMost()
    {
        QWidget window;
        window.resize(120, 80);
        window.move(100, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.frameGeometry();

        Euro::SetTopMost(&window, true);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.frameGeometry(), before);

        Euro::SetTopMost(&window, false);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.frameGeometry(), before);
    }

    void messageBoxStyles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("buttons");
        const QStringList ok{QStringLiteral("OK")};
        QTest::newRow("16 stop") << 16 << int(QMessageBox::Critical) << ok;
        QTest::newRow("36 question yes no")
            << 36 << int(QMessageBox::Question) << QStringList{QStringLiteral("Yes"), QStringLiteral("No")};
        QTest::newRow("48 exclamation") << 48 << int(QMessageBox::Warning) << ok;
        QTest::newRow("64 information") << 64 << int(QMessageBox::Information) << ok;
        QTest::newRow("0 no icon") << 0 << int(QMessageBox::NoIcon) << ok;
    }
    void messageBoxStyles()
    {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(QStringList, buttons);
        const auto box = Euro::makeMessageBox(QStringLiteral("Texte"), QStringLiteral("Pecunio"), style, nullptr);
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(box->windowTitle(), QStringLiteral("Pecunio"));
        QCOMPARE(box->text(), QStringLiteral("Texte"));
        QStringList shown;
        for (QAbstractButton *b : box->buttons()) {
            switch (box->standardButton(b)) {
            case QMessageBox::Ok: shown << QStringLiteral("OK"); break;
            case QMessageBox::Yes: shown << QStringLiteral("Yes"); break;
            case QMessageBox::No: shown << QStringLiteral("No"); break;
            default: shown << QStringLiteral("other"); break;
            }
        }
        shown.sort();
        buttons.sort();
        QCOMPARE(shown, buttons);
    }

    // Qt's own buttons speak French whatever the system locale.
    void qtTextsInFrench()
    {
        QVERIFY(Euro::installQtFrench());
        const auto box = Euro::makeMessageBox(QStringLiteral("Texte"), QStringLiteral("Pecunio"), 36, nullptr);
        QStringList texts;
        for (QAbstractButton *b : box->buttons())
            texts << b->text().remove(QLatin1Char('&'));
        texts.sort();
        QCOMPARE(texts, (QStringList{QStringLiteral("Non"), QStringLiteral("Oui")}));
    }
};

QTEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
