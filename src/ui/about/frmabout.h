#pragma once
// The About window: the program's name, version and description, a short notice, and a
// button that starts the system's own system-information tool. F2 opens a fresh one each
// time, modally; it is centred on the screen and stays above the other windows.
//
// The tool is found through two registry entries (see platform/systeminfo.h); the registry
// and the way the tool is started can be replaced, so tests run without either.

#include "platform/registry.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    // Loads the window (Form_Load runs here); show it with exec().
    explicit FrmAbout(QWidget *owner = nullptr);
    ~FrmAbout() override;

    // Caption, version, title, centred position, on top.
    void Form_Load();

    // Finds and starts the system-information tool, or says it is not available.
    void StartSysInfo();

    // Reads a text or 32-bit number value; true when the key opened and the value was read.
    bool GetKeyValue(quint32 root, const QString &keyPath, const QString &valueName, QString &valueText);

    // Seams: the registry asked (not owned; nullptr restores the machine's stand-in) and the
    // routine that starts a program (empty restores the detached start).
    using ProgramStarter = std::function<bool(const QString &path)>;
    void setRegistry(Euro::Registry *registry);
    void setProgramStarter(ProgramStarter starter);

    // Controls, named as in the design.
    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    std::array<QLabel *, 2> lblDescription{};
    std::array<QLabel *, 2> lblAvertissement{};
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void createControls();
    Euro::Registry &registry();

    // A failure raised inside the lookup, which ends StartSysInfo at once.
    enum class Lookup { Read, Failed, Raised };
    Lookup lookupKeyValue(quint32 root, const QString &keyPath, const QString &valueName, QString &valueText);

    Euro::Registry *m_registry = nullptr;
    std::unique_ptr<Euro::Registry> m_ownRegistry;
    ProgramStarter m_starter;
};
