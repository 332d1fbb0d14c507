#include "platform/savedialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace Euro {

namespace {
SaveDialogRunner &installedRunner()
{
    static SaveDialogRunner runner;
    return runner;
}

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
} // namespace

QString RunSaveDialog(const SaveDialogRequest &request, QWidget *owner)
{
    const SaveDialogRunner &runner = installedRunner();
    return runner ? runner(request, owner) : showSaveDialog(request, owner);
}

SaveDialogRunner installSaveDialogRunner(SaveDialogRunner runner)
{
    SaveDialogRunner previous = std::move(installedRunner());
    installedRunner() = std::move(runner);
    return previous;
}

} // namespace Euro
