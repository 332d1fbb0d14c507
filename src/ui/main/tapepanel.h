#pragma once
// The operations-tape panel, fraPapier, right of the calculator: its title, its "X" and
// the tape box, which follows the tape piece by piece. The box is read, selected, copied
// and saved, never typed into. The narrow window cuts the panel off; the window widens
// onto it.

#include <QFrame>

class KeyLabel;
class QAction;
class QLabel;
class QPlainTextEdit;
class Tape;

class TapePanel : public QFrame
{
    Q_OBJECT
public:
    TapePanel(const Tape &tape, QWidget *window);

    // The controls, under their own names; the tape box is built the first time it is seen.
    struct Controls {
        QLabel *Label4 = nullptr;      // Label4(1), the title
        KeyLabel *lblFermer = nullptr; // lblFermer(1), hides the tape
        QPlainTextEdit *txtOperations = nullptr;
    };
    const Controls &ui() const { return m_ui; }
    QPlainTextEdit *tapeBox();
    // "Enregistrer la bande…", Ctrl+S: the window adds it, so that it works wherever the
    // focus is in the window.
    QAction *saveAction() const { return m_saveTape; }

Q_SIGNALS:
    void controlBuilt();
    void saveRequested();

private:
    void appendToBox(const QString &piece);
    void clearBox();
    void showMenu(const QPoint &at);

    const Tape &m_tape;
    Controls m_ui;
    QAction *m_saveTape = nullptr;
};
