#pragma once
// The dialog where the user names the file the tape is saved to. It is a seam: the program
// shows Qt's own file dialog (in French once Qt's French texts are loaded, whatever the
// desktop), which adds the default extension to a name typed without one and asks before an
// existing file is replaced, under the name with its extension; tests install a runner that
// answers at once, without a modal loop.

#include <QString>
#include <functional>

class QWidget;

namespace Euro {

struct SaveDialogRequest {
    QString title;         // "Enregistrer la bande"
    QString proposedPath;  // the folder and file name proposed
    QString filter;        // "Texte (*.txt)"
    QString defaultSuffix; // "txt": added to a name typed without an extension
};

// The chosen file, or empty when cancelled.
using SaveDialogRunner = std::function<QString(const SaveDialogRequest &request, QWidget *owner)>;

// Runs the installed runner, or Qt's file dialog when none is installed.
QString RunSaveDialog(const SaveDialogRequest &request, QWidget *owner);

// Installs a runner and returns the previous one (an empty runner restores the dialog).
SaveDialogRunner installSaveDialogRunner(SaveDialogRunner runner);

} // namespace Euro
