#pragma once
// The start-up window: the program's name and version on a white card for two seconds.
// It is made without a font, so that it can be shown as soon as a bare window could; its
// load, which may follow the show, lays out the texts before the first paint, seeds the
// settings store on the first run and marks the program as running. Its unloading, by the
// timer or by any other close, opens the main window exactly once. It opens at the zoom in
// force, brought down to the largest step that fits the screen, as the calculator does.

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;

class FrmIntro : public QWidget
{
    Q_OBJECT
public:
    // openMainWindow is called once, when this window unloads.
    explicit FrmIntro(std::function<void()> openMainWindow, QWidget *parent = nullptr);

    // Timer on, texts in their fonts and the version caption, on top, first-run seeding,
    // "etat" = "actif".
    void Form_Load();

    // The card is shown in the middle of the screen.
    void centreOnScreen();

    qint16 TickCount = 0;

    QLabel *Label1 = nullptr;
    QLabel *lblVersion = nullptr;
    QTimer Timer1;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void layOutTexts();
    void Timer1_Timer();
    void Form_Unload();

    std::function<void()> m_openMainWindow;
    bool m_unloaded = false;
};
