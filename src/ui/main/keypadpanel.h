#pragma once
// The calculator panel, Frame1: the two displays with the input choice beside them, the
// currency code with the "<" box of its drop list, the keypad (the digit keys in
// fraClavier, the operators and the clear keys beside it) drawn from labels over round
// faces, the panel switches and the rounding line. Every key is one row of the key table
// (engine/keytable.h): where it lies, its face, caption, hint and what it does. A click on a
// key says what it does (keyClicked); the window runs it, as it runs the keyboard's keys.
// The displays mirror the calculator's ReadOut texts.

#include "engine/keymap.h"

#include <QFont>
#include <QFrame>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace Euro {
struct KeyRow;
}

class Calculator;
class DisplayBox;
class FaceShape;
class HintLabel;
class KeyLabel;
class QLabel;
class QRadioButton;

class KeypadPanel : public QFrame
{
    Q_OBJECT
public:
    // The keys are the rows of a key table (engine/keytable.h), the calculator's own in the program.
    KeypadPanel(const Calculator &calculator, std::span<const Euro::KeyRow> keys, QWidget *window);

    // The controls, under their own names.
    struct Controls {
        QFrame *fraClavier = nullptr;
        FaceShape *Shape2 = nullptr;
        std::array<DisplayBox *, 2> ReadOut{};
        QLabel *Label1 = nullptr;
        std::array<QRadioButton *, 2> optCalcul{};
        HintLabel *lblDevise = nullptr;
        KeyLabel *Label2 = nullptr;
        std::vector<KeyLabel *> keys;       // lblBouton(0) to (9), Operator(0) to (4), Decimal, ...: in table order
        std::vector<FaceShape *> shaBouton; // by face: shaBouton(0) on
        KeyLabel *lblFermer3 = nullptr;     // lblFermer(3), "O P E R A T I O N S"
        KeyLabel *lblFermer2 = nullptr;     // lblFermer(2), "paramètres"
        KeyLabel *lblFermer4 = nullptr;     // lblFermer(4), "pouvoir d'achat"
        QFrame *Line2 = nullptr;
        HintLabel *lblInfo = nullptr;
    };
    const Controls &ui() const { return m_ui; }
    // The keys of the keypad, in the order of the key table.
    QList<KeyLabel *> keys() const;

    // Writes a display's text as the calculator gives it, in the design's font or smaller.
    void showDisplay(int index, const QString &text);
    // The rounding line, lblInfo: "Arrondi à 2 décimales" or "Arrondi à 5 décimales".
    void showRounding(const QString &caption);
    // The displays' accessible descriptions: both amounts in words.
    void describeDisplays();
    // After a zoom step: the boxes of the euro sign and the rounding line, the displays'
    // fonts from their design again.
    void rezoom(double from, double to);

    // A key's face shows it pressed while the mouse holds it (face: its index in shaBouton).
    void showKeyPressed(int face, bool pressed);
    void lblBouton_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void lblDevise_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void lblInfo_MouseMove(qint16 Button, qint16 Shift, float X, float Y);

Q_SIGNALS:
    void keyClicked(const Euro::KeyAction &action);

private:
    void createDisplays();
    void createKeys();

    const Calculator &m_calculator;
    std::span<const Euro::KeyRow> m_keyRows;
    Controls m_ui;
    std::array<std::optional<QFont>, 2> m_displayFonts; // the displays' design fonts
};
