#pragma once
// The one door for every message box of the program: real modal QMessageBox dialogs, with
// the French texts and the classic styles the program's messages were written for. The
// calculator shows nothing itself; the windows show what its outcomes mean. Tests install a
// handler that records what would have been shown and answers at once, without a modal loop.

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace Euro {

enum MsgStyle : int {
    vbOKOnly = 0,       // no icon, OK
    vbYesNo = 4,        // Yes and No buttons
    vbCritical = 16,    // stop icon, OK
    vbQuestion = 32,    // question icon
    vbExclamation = 48, // exclamation icon, OK
    vbInformation = 64, // information icon, OK
};

enum MsgResult : int { vbOK = 1, vbYes = 6, vbNo = 7 };

// text, title, style -> the button chosen (vbOK, vbYes or vbNo)
using MessageBoxHandler = std::function<int(const QString &text, const QString &title, int style)>;

// Shows a modal message box (a QMessageBox over the active window) and returns the button
// chosen; while a test has installed a handler, the handler answers instead.
int MsgBox(const QString &text, int style, const QString &title);

// Installs a handler and returns the previous one (an empty handler shows real boxes again).
MessageBoxHandler installMessageBoxHandler(MessageBoxHandler handler);

// The program's own message title.
inline QString appTitle() { return QStringLiteral("Pecunio"); }

// The dialog for a message of the given style: its icon (16 stop, 32 question, 48
// exclamation, 64 information, 0 none) and buttons (4 Yes and No, otherwise OK).
std::unique_ptr<QMessageBox> makeMessageBox(const QString &text, const QString &title, int style, QWidget *parent);

// Loads Qt's own French texts (message-box buttons, the print dialog, the text boxes' and
// scroll bars' menus) whatever the system locale, once: the program's start loads them, and
// what shows Qt's texts asks for them too, so that it speaks French wherever it is used.
// Returns false when the translation file is not installed.
bool installQtFrench();

} // namespace Euro
