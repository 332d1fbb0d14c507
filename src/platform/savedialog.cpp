#include "platform/savedialog.h"

#include "tape/seam.h"

#include <QFileDialog>
#include <QFileInfo>

namespace Euro {

namespace {
QString showSaveDialog(const SaveDialogRequest &request, QWidget *owner)
{
    // Qt's own dialog: a desktop's native one would speak the desktop's language.
    const QFileInfo proposed(request.proposedPath);
    QFileDialog dialog(owner, request.title, proposed.path(), request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(proposed.fileName());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

Seam<QString(const SaveDialogRequest &, QWidget *)> &saveDialog()
{
    static Seam<QString(const SaveDialogRequest &, QWidget *)> seam(&showSaveDialog);
    return seam;
}
} // namespace

QString RunSaveDialog(const SaveDialogRequest &request, QWidget *owner) { return saveDialog()(request, owner); }

SaveDialogRunner installSaveDialogRunner(SaveDialogRunner runner) { return saveDialog().install(std::move(runner)); }

} // namespace Euro
