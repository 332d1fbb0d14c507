#pragma once
// The one door for every message box of the program.
//
// The calculator (which links Qt Core only) and the windows ask here; the application
// installs a handler that shows a real QMessageBox, and tests install one that records
// what would have been shown and answers at once, without a modal loop.
// Styles are the classic message-box numbers the program's texts were written for.

#include <QString>
#include <functional>

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

// Shows a message box through the installed handler; with none installed, answers vbOK.
int MsgBox(const QString &text, int style, const QString &title);

// Installs a handler and returns the previous one (an empty handler removes it).
MessageBoxHandler installMessageBoxHandler(MessageBoxHandler handler);

// The program's own message title.
inline QString appTitle() { return QStringLiteral("Pecunio"); }

} // namespace Euro
