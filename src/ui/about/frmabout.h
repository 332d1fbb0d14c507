#pragma once
// The About window: the program's name, version and description, a short notice, and a
// button that starts the system's own system-information tool. F2 opens a fresh one each
// time, modally; it is centred on the screen and stays above the other windows.
// The tool is the desktop's own, found through PATH (platform/systeminfo.h).

#include <QDialog>
#include <array>

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
};
