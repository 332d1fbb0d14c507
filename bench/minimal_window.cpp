// The yardstick for start-up figures: the smallest Qt Widgets program that shows a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Pecunio"));
    window.setWindowTitle(QStringLiteral("Pecunio"));
    window.resize(200, 100);
    window.show();
    return app.exec();
}
