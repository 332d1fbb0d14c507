// Pecunio: a French desktop euro calculator.

#include "app/commandline.h"
#include "ui/kit/fonts.h"
#include "app/frmintro.h"
#include "app/instanceguard.h"
#include "ui/kit/messageboxes.h"
#include "ui/kit/resources.h"
#include "ui/kit/settings.h"
#include "app/startup.h"
#include "ui/kit/zoom.h"
#include "ui/main/frmeuro.h"
#include "platform/windowsystem.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // --help, --version and mistakes are answered on the terminal, before any window.
    if (const auto status = Euro::answerCommandLine(argc, argv))
        return *status;

    Euro::choosePlatform(argc, argv); // XWayland on a Wayland session, which keeps windows on top
    // Without a display, a French line on the terminal and a status of its own.
    const std::unique_ptr<QApplication> application = Euro::openApplication(argc, argv);
    QApplication &app = *application;
    // The program ends only through the main window's confirmed close.
    QApplication::setQuitOnLastWindowClosed(false);
    // Ties the running windows to the installed desktop entry (menu name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral(PECUNIO_APP_ID));

    // Only what the start-up card needs comes before it is shown: the single-instance check
    // and the zoom. Its font follows before its first paint; the calculator's fonts once it
    // is on screen. Qt's French texts (a fraction of a millisecond) come first, so that no
    // text of Qt's own is ever shown in English: message buttons, menus, the scroll bars'
    // menu, the print and save dialogs.
    Euro::installQtFrench();
    Euro::registerResources();
    // The zoom the user chose last time, from the start-up card on.
    Euro::useStoredZoom();

    Euro::InstanceGuard guard(Euro::AppName());
    if (!Euro::ensureSingleInstance(guard))
        return 0;
    // A refused second start brings the running window to the front, restored if minimised,
    // and over it the message box it waits on, if any.
    guard.onRaiseRequest(&app, [] {
        const auto bringForward = [](QWidget *window) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            window->activateWindow();
        };
        QWidget *main = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && (qobject_cast<FrmEuro *>(window) || (!main && qobject_cast<FrmIntro *>(window))))
                main = window; // the calculator, or the start-up card before it
        }
        if (main)
            bringForward(main);
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != main)
            bringForward(modal);
    });

    auto *intro = new FrmIntro([] {
        Euro::registerFonts();
        auto *main = new FrmEuro;
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->show();
    });
    intro->setAttribute(Qt::WA_DeleteOnClose);
    intro->centreOnScreen();
    intro->show();
    // Reading the font database takes longer than all the rest of the start: the card is
    // on screen meanwhile, and its texts are drawn at its first paint, which the event loop
    // brings once this is done.
    Euro::registerFonts(Euro::wineFontFolder(), {QStringLiteral("MS Sans Serif")});
    intro->Form_Load();
    return app.exec();
}
