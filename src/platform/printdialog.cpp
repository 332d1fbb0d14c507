#include "platform/printdialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace Euro {

namespace {
PrintDialogRunner &installedRunner()
{
    static PrintDialogRunner runner;
    return runner;
}

bool showPrintDialog(QPrinter &printer, QWidget *owner)
{
    QPrintDialog dialog(&printer, owner);
    // Choosing the printer is all that is asked here: the whole tape is printed.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}
} // namespace

bool RunPrintDialog(QPrinter &printer, QWidget *owner)
{
    const PrintDialogRunner &runner = installedRunner();
    return runner ? runner(printer, owner) : showPrintDialog(printer, owner);
}

PrintDialogRunner installPrintDialogRunner(PrintDialogRunner runner)
{
    PrintDialogRunner previous = std::move(installedRunner());
    installedRunner() = std::move(runner);
    return previous;
}

} // namespace Euro
