// The program's pictures: each one is there once the resources are registered, and reading
// them loads none of Qt's image plug-ins (each would stay in memory for the whole run).

#include "ui/kit/resources.h"

#include <QFile>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT

    static bool imagePluginLoaded()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    }

private Q_SLOTS:
    void initTestCase() { Euro::registerResources(); }

    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("window icon, small") << ":/pecunio/icons/pecunio-32.png" << QSize(32, 32);
        QTest::newRow("window icon, large") << ":/pecunio/icons/pecunio-48.png" << QSize(48, 48);
        QTest::newRow("About's icon at 200 %") << ":/pecunio/icons/pecunio-64.png" << QSize(64, 64);
        QTest::newRow("About's icon at 300 %") << ":/pecunio/icons/pecunio-96.png" << QSize(96, 96);
        QTest::newRow("pointing hand") << ":/pecunio/cursors/hand.png" << QSize(32, 32);
    }
    void pictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QCOMPARE(Euro::pngPixmap(path).size(), size);
        QVERIFY(!imagePluginLoaded());
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
