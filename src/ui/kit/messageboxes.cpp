#include "ui/kit/messageboxes.h"

#include "tape/seam.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMessageBox>

namespace Euro {
namespace {

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int showMessageBox(const QString &text, const QString &title, int style)
{
    installQtFrench(); // "Oui", "Non"
    const std::unique_ptr<QMessageBox> box = makeMessageBox(text, title, style, QApplication::activeWindow());
    const int button = box->exec();
    if ((style & 0x7) == vbYesNo)
        return button == QMessageBox::Yes ? vbYes : vbNo;
    return vbOK;
}

Seam<int(const QString &, const QString &, int)> &messageBoxes()
{
    static Seam<int(const QString &, const QString &, int)> seam(&showMessageBox);
    return seam;
}

} // namespace

int MsgBox(const QString &text, int style, const QString &title) { return messageBoxes()(text, title, style); }

MessageBoxHandler installMessageBoxHandler(MessageBoxHandler handler)
{
    return messageBoxes().install(std::move(handler));
}

std::unique_ptr<QMessageBox> makeMessageBox(const QString &text, const QString &title, int style, QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(iconFor(style), title, text, QMessageBox::NoButton, parent);
    // The program's windows stay on top; so must its messages.
    box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if ((style & 0x7) == vbYesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

bool installQtFrench()
{
    static const bool installed = [] {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        static QTranslator qtFrench; // lives as long as the program
        return qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))
               && QCoreApplication::installTranslator(&qtFrench);
    }();
    return installed;
}

} // namespace Euro
