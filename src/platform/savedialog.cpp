#include "platform/savedialog.h"

#include <QFileDialog>

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
    return QFileDialog::getSaveFileName(owner, request.title, request.proposedPath, request.filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
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
