#pragma once
// The operations-tape panel, fraPapier, right of the calculator: its title, its "X" and
// the tape box, which follows the tape piece by piece. The box is read, selected, copied
// and saved (the window's entries in its menu), never typed into. The narrow window cuts the panel off; the window widens
// onto it.

#include <QFrame>

class KeyLabel;
class QMenu;
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

Q_SIGNALS:
    void controlBuilt();
    // The box's right-click menu, with the box's own entries, before it opens: the window
    // adds its own (copying the whole tape, saving it).
    void menuShown(QMenu *menu);

private:
    void appendToBox(const QString &piece);
    void clearBox();
    void showMenu(const QPoint &at);

    const Tape &m_tape;
    Controls m_ui;
};
