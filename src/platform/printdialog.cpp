#include "platform/printdialog.h"

#include "tape/seam.h"

#include <QPrintDialog>
#include <QPrinter>

namespace Euro {

namespace {
bool showPrintDialog(QPrinter &printer, QWidget *owner)
{
    QPrintDialog dialog(&printer, owner);
    // Choosing the printer is all that is asked here: the whole tape is printed.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

Seam<bool(QPrinter &, QWidget *)> &printDialog()
{
    static Seam<bool(QPrinter &, QWidget *)> seam(&showPrintDialog);
    return seam;
}
} // namespace

bool RunPrintDialog(QPrinter &printer, QWidget *owner) { return printDialog()(printer, owner); }

PrintDialogRunner installPrintDialogRunner(PrintDialogRunner runner)
{
    return printDialog().install(std::move(runner));
}

} // namespace Euro
