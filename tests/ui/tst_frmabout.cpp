// The About window: its texts, the layout's invariants, centring and keys, and the
// system-information button with no tool on PATH.

#include "ui/kit/fonts.h"
#include "ui/kit/resources.h"
#include "ui/kit/twips.h"
#include "support/layoutchecks.h"
#include "support/messagecapture.h"
#include "support/testsupport.h"
#include "ui/about/frmabout.h"
#include "ui/kit/windowplacement.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::MessageCapture;

class TestFrmAbout : public QObject
{
    Q_OBJECT

    TestSupport::ThrowAwaySettings settings;

private Q_SLOTS:
    void initTestCase() // as the program does at start
    {
        Euro::registerFonts();
        Euro::registerResources();
    }

    void texts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("title label shows the title alone") << "lblTitle"
                                                           << "Pecunio";
        QTest::newRow("version from the one version source")
            << "lblVersion" << QStringLiteral("Version " PECUNIO_VERSION_STRING);
        QTest::newRow("description heading") << "lblDescription(0)"
                                             << "Description de l'application";
        QTest::newRow("description") << "lblDescription(1)"
                                     << "Calculez et convertissez en Euro toutes les monnaies européennes";
        QTest::newRow("notice heading") << "lblAvertissement(0)"
                                        << "Avertissement:";
        QTest::newRow("OK button") << "cmdOK"
                                   << "OK";
        QTest::newRow("system information button") << "cmdSysInfo"
                                                   << "&Infos système...";
    }
    void texts()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        FrmAbout about;
        QWidget *widget = about.findChild<QWidget *>(control);
        QVERIFY2(widget, qPrintable(control));
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), text);
        else
            QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), text);
    }

    // Nothing is cut off, nothing sticks out of the dialog, every font is the program's own.
    void layoutHolds()
    {
        FrmAbout about;
        for (const QStringList &faults : {TestSupport::captionsCutOff(&about), TestSupport::outsideContainer(&about),
                                          TestSupport::fontsFallenBack(&about)})
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void captionAndFrame()
    {
        FrmAbout about;
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about.windowTitle(), QStringLiteral("À propos de Pecunio"));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(about.isModal());
        // The notice is a real text, in small print, wrapped.
        QVERIFY(about.lblAvertissement[1]->text().size() > 40);
        QVERIFY(about.lblAvertissement[1]->wordWrap());
        QVERIFY(about.lblAvertissement[1]->font().pointSizeF() < about.font().pointSizeF());
        // It prints in the serif stand-in Debian has, and the whole of it fits its box.
        QCOMPARE(QFontInfo(about.lblAvertissement[1]->font()).family(), QStringLiteral("Liberation Serif"));
        QVERIFY(about.lblAvertissement[1]->heightForWidth(about.lblAvertissement[1]->width())
                <= about.lblAvertissement[1]->height());
        // The title really prints larger and bold, whatever fonts the machine has.
        const QFontInfo title(about.lblTitle->font());
        QVERIFY(title.bold());
        QVERIFY(title.pixelSize() > QFontInfo(about.lblVersion->font()).pixelSize() + 3);
    }

    void icon()
    {
        FrmAbout about;
        const QPixmap pixmap = about.picIcon->pixmap();
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.size(), QSize(32, 32));
        // Gold, not an empty square: the middle of the stack is a warm, opaque colour.
        const QColor middle = pixmap.toImage().pixelColor(16, 20);
        QCOMPARE(middle.alpha(), 255);
        QVERIFY(middle.red() > middle.blue() + 60);
    }

    void centredOnTheScreen()
    {
        FrmAbout about;
        const QRect screen = about.screen()->geometry();
        // Centred in twips on its outer size, the design's frame around the client area:
        // each side's gap differs by at most a pixel of rounding.
        const int outerWidth = about.width() + Euro::twipsToPixels(Euro::FixedFrameWidthTwips);
        const int outerHeight = about.height() + Euro::twipsToPixels(Euro::FixedFrameHeightTwips);
        const int leftGap = about.x() - screen.x();
        const int rightGap = screen.right() - (about.x() + outerWidth - 1);
        const int topGap = about.y() - screen.y();
        const int bottomGap = screen.bottom() - (about.y() + outerHeight - 1);
        QVERIFY2(qAbs(leftGap - rightGap) <= 1, qPrintable(QStringLiteral("%1 / %2").arg(leftGap).arg(rightGap)));
        QVERIFY2(qAbs(topGap - bottomGap) <= 1, qPrintable(QStringLiteral("%1 / %2").arg(topGap).arg(bottomGap)));
        QVERIFY(leftGap > 0 && topGap > 0);
    }

    // An etched line between the description and the notice: one grey row with white under it,
    // across the text and short of the dialog's edges.
    void etchedSeparator()
    {
        FrmAbout about;
        const QImage image = about.grab().toImage();
        const QColor grey(0x80, 0x80, 0x80);
        const int middle = about.width() / 2;
        QList<int> greyRows;
        for (int y = about.lblDescription[1]->geometry().bottom() + 1; y < about.lblAvertissement[0]->y(); ++y) {
            if (image.pixelColor(middle, y) == grey)
                greyRows << y;
        }
        QCOMPARE(greyRows.size(), 1);
        const int line = greyRows.first();
        QCOMPARE(image.pixelColor(middle, line + 1), QColor(Qt::white));
        QCOMPARE(image.pixelColor(middle, line + 2), QColor(Qt::white));
        QVERIFY(image.pixelColor(middle, line - 1) != QColor(Qt::white));
        int left = middle, right = middle;
        while (left > 0 && image.pixelColor(left - 1, line) == grey)
            --left;
        while (right < image.width() - 1 && image.pixelColor(right + 1, line) == grey)
            ++right;
        QVERIFY(left > 0 && right < image.width() - 1);
        QVERIFY(left <= about.lblAvertissement[0]->x() && left <= about.lblDescription[1]->x());
        QVERIFY(right >= about.lblDescription[1]->geometry().right());
        QVERIFY(right >= about.cmdOK->geometry().right() - 1);
    }

    void closing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Esc closes like OK") << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter presses OK") << int(Qt::Key_Return) << true;
        QTest::newRow("space on the focused OK") << int(Qt::Key_Space) << true;
    }
    void closing()
    {
        QFETCH(int, key);
        QFETCH(bool, accepted);
        FrmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.activateWindow();
        QTRY_COMPARE(about.focusWidget(), static_cast<QWidget *>(about.cmdOK));
        QVERIFY(about.cmdOK->isDefault());
        QTest::keyClick(about.focusWidget(), Qt::Key(key));
        if (key == Qt::Key_Space) // a button clicks on release
            QTest::keyRelease(about.focusWidget(), Qt::Key_Space);
        QTRY_VERIFY(!about.isVisible());
        QCOMPARE(about.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }

    void altIStartsSystemInformation()
    {
        MessageCapture messages;
        QTemporaryDir emptyPath;
        const TestSupport::ScopedEnv path("PATH", QFile::encodeName(emptyPath.path()));
        FrmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.activateWindow();
        QTRY_VERIFY(about.isActiveWindow());
        QTest::keyClick(&about, Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text,
                 QStringLiteral("Les informations système ne sont pas disponibles actuellement"));
        QCOMPARE(messages.shown().first().title, QStringLiteral("Pecunio"));
        QCOMPARE(messages.shown().first().style, 0);
        QVERIFY(about.isVisible()); // the dialog stays open after the message
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
