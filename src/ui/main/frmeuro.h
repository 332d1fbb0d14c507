#pragma once
// The calculator window, the frame that holds the panels: the calculator panel (Frame1,
// KeypadPanel: displays and keypad), the parameters panel (fraParametres, ParametersPanel),
// the tape panel (fraPapier, TapePanel), the currency drop list (lstListe, CodeList) and its
// own bottom row. It owns the calculator and the tape for the whole run, its geometry in
// twips, its load and close, the keys the focused control leaves, its shortcuts and the
// zoom, and it runs the routines that tie the panels together (the panel switches, the
// currency pick). Controls keep the names the event routines use; members of a control
// array are named like "lblBouton(7)".

#include "engine/calculator.h"
#include "engine/keymap.h"
#include "engine/keytable.h"
#include "tape/tape.h"
#include "ui/main/keypadpanel.h"
#include "ui/kit/windowplacement.h"

#include <QWidget>
#include <array>
#include <functional>

class CodeList;
class ControlKeys;
class ParametersPanel;
class PowerPanel;
class PointerWatch;
class TapePanel;
class WindowActions;
class KeyLabel;
class QFocusFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSessionManager;

class FrmEuro : public QWidget
{
    Q_OBJECT
public:
    // The keypad and the keyboard from the rows of a key table: the calculator's own.
    explicit FrmEuro(QWidget *parent = nullptr, std::span<const Euro::KeyRow> keys = Euro::keyTable());
    ~FrmEuro() override;

    Calculator &calculator() { return m_calculator; }
    Tape &tape() { return m_tape; }
    // Its actions, each from one entry: text, keys, menus.
    const WindowActions &windowActions() const { return *m_actions; }

    // Geometry in twips, as the window's routines think of it. Width and height are the
    // outer size: the client area plus the frame of a fixed-single window, 3 pixels on each
    // side and a 19-pixel title bar. That keeps the designed client width (2880 twips at
    // the narrow width, 5100 at the wide one) whatever frame the desktop draws, and reads
    // back exactly what was set. Left and top place the outer frame.
    static constexpr double FrameWidthTwips = Euro::FixedFrameWidthTwips;
    static constexpr double FrameHeightTwips = Euro::FixedFrameHeightTwips;
    // The outer widths of the calculator alone and of the calculator with its tape.
    static constexpr double NarrowWidthTwips = 2970;
    static constexpr double WideWidthTwips = 5190;
    double Width() const;
    double Height() const;
    void setWidth(double twips);
    void setHeight(double twips);
    double Left() const;
    double Top() const;
    void setLeft(double twips);
    void setTop(double twips);

    // Loads the window the first time it is shown.
    void setVisible(bool visible) override;
    bool isLoaded() const { return m_loaded; }

    // The two lists and the tape box are not on the first screen, and item views and text
    // documents weigh on start-up memory: each is built the first time it is needed (its
    // panel opens, the drop list drops, the window widens onto the tape). This builds all
    // three now, as a window would whose panels have all been open.
    void buildDeferredControls();

    // Load: size and place, on top, lists and rate table, start values, displays, tape.
    void Form_Load();
    // Close request: asks; on Yes writes the run-state marker and returns true.
    bool Form_QueryUnload();
    // The desktop session is ending: asks when the session lets it (mayAsk) and returns true
    // when the user refuses, so the session is cancelled; on Yes the program ends.
    bool refusesSessionEnd(bool mayAsk);

    // Keypad.
    void lblBouton_Click(qint16 Index);
    void Decimal_Click();
    void Cancel_Click();
    void CancelEntry_Click();
    void Operator_Click(qint16 Index);

    // Tape commands.
    void cmdEffacer_Click();
    void cmdImprimer_Click();
    // Saves the tape as a text file the user names; Ctrl+S anywhere in the window.
    void saveTapeToFile();

    // Currency selection, rates and options.
    void lstListe_Click();
    void lstPays_Click();
    void cmdTaux_Click();
    void optCalcul_Click(qint16 Index);
    void optDecimal_Click(qint16 Index);
    // The code of the currency whose rate the parameters panel edits.
    const QString &rateCode() const;

    // Panels, key feedback and hover hints.
    void lblFermer_Click(qint16 Index);
    void cmdPlan_Click();
    void Label2_Click();
    void lblBouton_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void lblDevise_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void lblInfo_MouseMove(qint16 Button, qint16 Shift, float X, float Y);

    // Keyboard: the keys the focused control leaves come here (virtual-key code,
    // Shift/Ctrl/Alt mask and the character the key types, if any), and the function keys.
    void Form_KeyDown(int KeyCode, int Shift, QStringView typed = {});

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Tab and Shift+Tab: the next control in the focus order that the user can see.
    bool focusNextPrevChild(bool next) override;

private:
    // The panels, the drop list and the window's own bottom row, under their own names.
    struct Controls {
        KeypadPanel *Frame1 = nullptr;
        ParametersPanel *fraParametres = nullptr;
        TapePanel *fraPapier = nullptr;
        PowerPanel *fraPouvoir = nullptr;
        CodeList *lstListe = nullptr;
        std::array<QLabel *, 3> Label3{};
        QPushButton *cmdPlan = nullptr;
        QPushButton *cmdEffacer = nullptr;
        QPushButton *cmdImprimer = nullptr;
    };

    // The keypad's controls that the window's routines tie together, through their panel.
    const KeypadPanel::Controls &keypad() const;
    // lblFermer(Index), the panel switches, each where its panel has it: 0 closes the
    // parameters, 1 the tape, 2 opens the parameters and 3 the tape, 4 opens or closes the
    // purchasing power and 5 closes it.
    std::array<KeyLabel *, 6> lblFermer() const;
    // The purchasing-power panel in the tape's place, or the tape (false) when the window is wide.
    void showPower(bool shown);

    void createFrames();
    void createWindowControls();
    void setFocusOrder();
    void setPointers();
    void createFixedConnections();

    // Keep-on-top's state on its button: checked, and said in its accessible description.
    void describeKeepOnTop();
    // Where the desktop cannot keep the window on top (frmeuro_ontop.cpp): says so, and the
    // keep-on-top button, which could do nothing, is disabled with that text as its hint.
    void refuseKeepOnTop();

    // The keyboard focus (frmeuro_focus.cpp).
    void setUpKeyboardFocus();
    bool inSight(const QWidget *widget) const;
    // The next or previous control in the focus order that the user can see.
    bool walkFocus(bool next);
    void keepFocusInSight();
    // What a key does to the calculator, by its code and the character it types; Ctrl and
    // Alt (in the Shift mask) make a key a shortcut, whatever it types.
    Euro::KeyAction keyActionOf(int KeyCode, int Shift, QStringView typed) const;
    void showFocusRing(bool shown);
    void followFocus(QWidget *now);
    // The deferred controls, built on first call.
    CodeList *currencyList();
    void fillLists();
    void deferredControlBuilt();

    // Runs what a key does.
    void runKeyAction(const Euro::KeyAction &action);

    // The window's actions (windowactions.cpp): its shortcuts and its menus' entries.
    friend class WindowActions;

    // Amounts in and out (frmeuro_clipboard.cpp).
    enum class AmountSource { Clipboard, Drop };
    // The index of the display object is, or -1.
    int displayIndex(const QObject *object) const;
    // What copying gives: a display's selection, else the amount of display (the input
    // display's when -1), without a trailing comma.
    QString amountToCopy(int display) const;
    void copyAmount(int display);
    void copyFocusedAmount();
    // "100 FRF = 15,24 EUR": the input amount, then the converted one, with their codes.
    QString bothAmounts() const;
    void pasteAmount(const QString &text, AmountSource source);
    void pasteFromClipboard();
    void showDisplayMenu(int display, const QPoint &at);

    // The zoom (frmeuro_zoom.cpp). Ctrl and the wheel anywhere in the window (the pointer
    // watch sees it first): a notch is a step.
    void zoomWheel(int angle);
    // Enlarges (1), reduces (-1) or resets (0) the zoom, and keeps it for the next start.
    void zoomBy(int direction);
    void setZoom(int percent);
    // Whether the window, tape opened, fits the screen at percent; the largest step up to
    // percent at which it does (ui/kit/zoom.h, as the start-up card opens).
    bool zoomFits(int percent) const;
    int largestZoomThatFits(int percent) const;
    // A zoom kept from a larger screen comes down to the largest step that fits this one.
    void fitZoomToScreen();
    void keepOnScreen();
    // The desktop's frame around the client area, or the design's before one is drawn.
    QMargins frameAllowance() const;
    // The focus back on the display keyed into, where it can be.
    void focusInputDisplay();
    // The drop list closes without a pick, as a drop-down list does: on a key that is not
    // its own, on a press outside it, when the focus leaves it or the window is no longer
    // active.
    void closeDropList();
    void pressedOn(QWidget *target);
    void onCommitDataRequest(QSessionManager &manager);
    void endProgram();

    std::span<const Euro::KeyRow> m_keys;
    Controls ui;
    Tape m_tape;
    Calculator m_calculator;
    PointerWatch *m_pointerWatch = nullptr;
    ControlKeys *m_controlKeys = nullptr;
    WindowActions *m_actions = nullptr;
    QFocusFrame *m_focusRing = nullptr;
    bool m_focusShown = false; // the keyboard moved the focus since the last mouse press
    bool m_loaded = false;
    bool m_powerShown = false; // the purchasing power stands in the tape's place
    bool m_ending = false;
    double m_widthTwips = -1;  // the outer width last set, read back as set
    double m_heightTwips = -1; // the outer height last set
    int m_zoomWheel = 0;       // the wheel's turn with Ctrl held, towards the next step
};
