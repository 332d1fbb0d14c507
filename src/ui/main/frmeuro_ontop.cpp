// Keeping the calculator above the other windows where the desktop cannot: a Wayland
// compositor when the program runs natively there (no X display, or the user chose Wayland),
// or an X window manager that does not offer it. The first press of the keep-on-top button
// says so once; the button is then disabled, its hint and description telling why.

#include "ui/main/frmeuro.h"

#include "ui/kit/messageboxes.h"

#include <QPushButton>

void FrmEuro::refuseKeepOnTop()
{
    const QString reason = QStringLiteral("Ce bureau ne permet pas de garder la fenêtre au-dessus des autres.");
    ui.cmdPlan->setEnabled(false);
    ui.cmdPlan->setToolTip(reason);
    ui.cmdPlan->setAccessibleDescription(reason);
    Euro::MsgBox(reason, Euro::vbInformation, Euro::appTitle());
}
