#pragma once
// The print dialog where the user picks the printer before the tape is printed. It is a
// seam: the program shows Qt's dialog (which offers printing to a PDF file even with no
// printer configured); tests install a runner that accepts at once, without a modal loop.

#include <functional>

class QPrinter;
class QWidget;

namespace Euro {

// Sets up printer; true when the user accepted, false when cancelled.
using PrintDialogRunner = std::function<bool(QPrinter &printer, QWidget *owner)>;

// Runs the installed runner, or the platform's print dialog when none is installed.
bool RunPrintDialog(QPrinter &printer, QWidget *owner);

// Installs a runner and returns the previous one (an empty runner restores the dialog).
PrintDialogRunner installPrintDialogRunner(PrintDialogRunner runner);

} // namespace Euro
