#pragma once
// Shows the program's message boxes as real modal QMessageBox dialogs: installed once at
// start as the handler behind Euro::MsgBox.

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace Euro {

// The dialog for a message of the given style: its icon (16 stop, 32 question, 48
// exclamation, 64 information, 0 none) and buttons (4 Yes and No, otherwise OK).
std::unique_ptr<QMessageBox> makeMessageBox(const QString &text, const QString &title, int style, QWidget *parent);

void installWidgetMessageBoxes();

// Loads Qt's own French texts (message-box buttons, the print dialog, the text boxes' and
// scroll bars' menus) whatever the system locale, once: the program's start loads them, and
// what shows Qt's texts asks for them too, so that it speaks French wherever it is used.
// Returns false when the translation file is not installed.
bool installQtFrench();

} // namespace Euro
