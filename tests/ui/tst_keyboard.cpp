// The calculator window's keyboard: the keypad driving the keys exactly as clicks do, the
// typing block only moving the focus, keys reaching the focused control, the parameters
// panel keeping its keys, help and About; Tab walking the controls in sight, the focused
// control's own keys, and the keys' and panel switches' accessible press action.

#include "windowfixture.h"
#include "support/keysequence.h"

#include "ui/kit/euro.h"
#include "ui/about/frmabout.h"
#include "ui/main/virtualkey.h"
#include "platform/savedialog.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QApplication>
#include <QFocusFrame>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using TestSupport::LoadedWindow;

namespace {

struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// "KP_7" a keypad key, "7" the typing block's, plus a few names; "Shift+" or "Ctrl+"
// before a key holds that modifier.
KeyStroke stroke(QString token)
{
    Qt::KeyboardModifiers modifiers;
    if (token.startsWith(QLatin1String("Shift+"))) {
        modifiers |= Qt::ShiftModifier;
        token = token.mid(6);
    } else if (token.startsWith(QLatin1String("Ctrl+"))) {
        modifiers |= Qt::ControlModifier;
        token = token.mid(5);
    }
    const bool keypad = token.startsWith(QLatin1String("KP_"));
    const QString name = keypad ? token.mid(3) : token;
    if (keypad)
        modifiers |= Qt::KeypadModifier;
    if (name.size() == 1 && name.at(0).isDigit())
        return {Qt::Key(Qt::Key_0 + name.at(0).digitValue()), modifiers};
    static const QHash<QString, Qt::Key> names{
        {QStringLiteral("Add"), Qt::Key_Plus},
        {QStringLiteral("Subtract"), Qt::Key_Minus},
        {QStringLiteral("Multiply"), Qt::Key_Asterisk},
        {QStringLiteral("Divide"), Qt::Key_Slash},
        {QStringLiteral("Decimal"), Qt::Key_Period},
        {QStringLiteral("Comma"), Qt::Key_Comma},
        {QStringLiteral("Enter"), Qt::Key_Enter},
        {QStringLiteral("Return"), Qt::Key_Return},
        {QStringLiteral("Backspace"), Qt::Key_Backspace},
        {QStringLiteral("Delete"), Qt::Key_Delete},
        {QStringLiteral("A"), Qt::Key_A},
        {QStringLiteral("Space"), Qt::Key_Space},
        {QStringLiteral("F"), Qt::Key_F},
        {QStringLiteral("D"), Qt::Key_D},
        {QStringLiteral("E"), Qt::Key_E},
        {QStringLiteral("F1"), Qt::Key_F1},
        {QStringLiteral("F2"), Qt::Key_F2},
        {QStringLiteral("Tab"), Qt::Key_Tab},
        {QStringLiteral("Backtab"), Qt::Key_Backtab},
        {QStringLiteral("Up"), Qt::Key_Up},
        {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("Left"), Qt::Key_Left},
        {QStringLiteral("Right"), Qt::Key_Right},
        {QStringLiteral("End"), Qt::Key_End},
        {QStringLiteral("Escape"), Qt::Key_Escape},
        {QStringLiteral("C"), Qt::Key_C},
        {QStringLiteral("V"), Qt::Key_V},
        {QStringLiteral("X"), Qt::Key_X},
        {QStringLiteral("Insert"), Qt::Key_Insert},
        {QStringLiteral("Equal"), Qt::Key_Equal},
        {QStringLiteral("S"), Qt::Key_S},
        {QStringLiteral("Home"), Qt::Key_Home},
        {QStringLiteral("PageUp"), Qt::Key_PageUp},
        {QStringLiteral("PageDown"), Qt::Key_PageDown},
    };
    return {names.value(name, Qt::Key_unknown), modifiers};
}

// Keys typed where the focus is, as the user types them.
void type(const QString &tokens)
{
    for (const QString &token : tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const KeyStroke k = stroke(token);
        QVERIFY2(k.key != Qt::Key_unknown, qPrintable(token));
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, k.key, k.modifiers);
    }
}

// The same operations run by clicking: "7" digit, "," decimal, "+" "-" "X" "/" "=",
// "C" clear all, "CE" clear entry.
void click(FrmEuro &w, const QString &tokens)
{
    QString bad;
    QVERIFY2(TestKeys::press(w, tokens, &bad), qPrintable(bad));
}

void activate(QWidget &window)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QString focusName()
{
    const QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

// "narrow" as loaded, "wide" with the tape shown, "parameters" with their panel open; a
// "+list" after it shows the currency list too.
void setView(FrmEuro &w, const QString &view)
{
    if (view.startsWith(QLatin1String("wide")))
        w.lblFermer_Click(3);
    if (view.startsWith(QLatin1String("parameters")))
        w.lblFermer_Click(2);
    if (view.endsWith(QLatin1String("+list")))
        w.Label2_Click();
}

// What the user sees of the window (displays, tape, width, panels, currency list) and
// whether a decimal comma was keyed.
QString looks(const LoadedWindow &w)
{
    FrmEuro &window = *w.window;
    return QStringList{window.calculator().ReadOut(0),
                       window.calculator().ReadOut(1),
                       QString::number(window.calculator().state().DecimalTyped),
                       QString::number(window.Width()),
                       QString::number(w.control(QStringLiteral("fraParametres"))->isVisible()),
                       QString::number(w.control(QStringLiteral("lstListe"))->isVisible()),
                       w.window->tape().text()}
        .join(QLatin1Char('|'));
}

// Opens target's right-click menu and chooses entry in it; the menu's entries.
QStringList chooseInMenu(QWidget *target, const QString &entry)
{
    QStringList entries;
    QTimer::singleShot(0, target, [&entries, entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            entries << action->text();
            if (action->text() == entry)
                chosen = action;
        }
        menu->close();
        QVERIFY2(chosen, qPrintable(entry));
        chosen->trigger();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(target, &event);
    return entries;
}

// Counts the key presses a control itself receives.
class KeyCounter : public QObject
{
public:
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++presses;
        return false;
    }
};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:

    void keysDoWhatClicksDo_data();
    void keysDoWhatClicksDo();
    void everyKeyFocusesTheInputDisplay_data();
    void everyKeyFocusesTheInputDisplay();
    void keysGoOnToTheFocusedControl();
    void parametersPanelKeepsItsKeys();
    void helpKey_data();
    void helpKey();
    void aboutKey_data();
    void aboutKey();
    void focusWalk_data();
    void focusWalk();
    void narrowingTakesTheFocusBack();
    void focusedControlKeys_data();
    void focusedControlKeys();
    void pressAction_data();
    void pressAction();
    void amountsInAndOut_data();
    void amountsInAndOut();
    void saveTape_data();
    void saveTape();
    void displaysSayBothAmounts_data();
    void displaysSayBothAmounts();
};

void TestKeyboard::keysDoWhatClicksDo_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("euros");

    QTest::newRow("keypad 7 decimal 5") << "KP_7 KP_Decimal KP_5"
                                        << "7 , 5"
                                        << "7,5"
                                        << "1,14";
    QTest::newRow("keypad addition with Enter") << "KP_1 KP_0 KP_0 KP_Add KP_5 KP_0 KP_Enter"
                                                << "1 0 0 + 5 0 ="
                                                << "150"
                                                << "22,87";
    QTest::newRow("Backspace corrects one digit") << "KP_1 KP_2 KP_3 KP_4 Backspace KP_Add KP_5 KP_Enter"
                                                  << "1 2 3 4 BS + 5 ="
                                                  << "128"
                                                  << "19,51";
    QTest::newRow("Backspace on the last digit clears the entry") << "KP_1 KP_2 KP_Add KP_7 Backspace KP_3 KP_Enter"
                                                                  << "1 2 + 7 CE 3 ="
                                                                  << "15"
                                                                  << "2,29";
    QTest::newRow("Delete clears everything") << "KP_1 KP_2 KP_Add KP_7 Delete"
                                              << "1 2 + 7 C"
                                              << "0,"
                                              << "0";
    // The typing block keys what it types: "Add" is the typing block's "+", "Decimal" its ".",
    // "Shift+1" a digit on a French layout.
    QTest::newRow("typing block digits and operators") << "1 2 Add 3 Return"
                                                       << "1 2 + 3 ="
                                                       << "15"
                                                       << "2,29";
    QTest::newRow("typing block mixed with the keypad") << "KP_1 KP_2 Add KP_3 KP_Enter"
                                                        << "1 2 + 3 ="
                                                        << "15"
                                                        << "2,29";
    QTest::newRow("typing block dot, slash and equals") << "9 Decimal 5 Divide 2 Equal"
                                                        << "9 , 5 / 2 ="
                                                        << "4,75"
                                                        << "0,72";
    QTest::newRow("x and * multiply, comma is decimal") << "2 X 3 Multiply 1 Comma 5 Return"
                                                        << "2 X 3 X 1 , 5 ="
                                                        << "9"
                                                        << "1,37";
    QTest::newRow("French layout: digits with Shift") << "Shift+1 Shift+2 Subtract Shift+5 Return"
                                                      << "1 2 - 5 ="
                                                      << "7"
                                                      << "1,07";
    QTest::newRow("modifiers held change nothing") << "Shift+KP_4 Ctrl+KP_Multiply Shift+KP_2 Ctrl+Return"
                                                   << "4 X 2 ="
                                                   << "8"
                                                   << "1,22";
}

void TestKeyboard::keysDoWhatClicksDo()
{
    QFETCH(QString, keys);
    QFETCH(QString, clicks);
    QFETCH(QString, currency);
    QFETCH(QString, euros);

    LoadedWindow byKeys;
    activate(*byKeys.window);
    byKeys.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->setFocus();
    type(keys);
    LoadedWindow byClicks;
    click(*byClicks.window, clicks);

    const Calculator &k = byKeys.window->calculator();
    const Calculator &c = byClicks.window->calculator();
    QCOMPARE(k.ReadOut(1), currency);
    QCOMPARE(k.ReadOut(0), euros);
    QCOMPARE(c.ReadOut(1), currency);
    QCOMPARE(c.ReadOut(0), euros);
    QCOMPARE(byKeys.window->tape().text(), byClicks.window->tape().text());
    QCOMPARE(byKeys.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), currency);
    QVERIFY(byKeys.messages.shown().isEmpty());
    // Keying amounts leaves the window as it looks: no focus ring.
    QVERIFY(!byKeys.window->findChild<QFocusFrame *>()->isVisible());
}

void TestKeyboard::everyKeyFocusesTheInputDisplay_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("focusFirst");
    QTest::addColumn<QString>("key");

    QTest::newRow("typing digit, currency input") << 1 << "cmdPlan"
                                                  << "5";
    QTest::newRow("keypad digit, currency input") << 1 << "lstListe"
                                                  << "KP_5";
    QTest::newRow("letter, currency input") << 1 << "ReadOut(0)"
                                            << "A";
    QTest::newRow("arrow on the other display") << 1 << "ReadOut(0)"
                                                << "Left";
    QTest::newRow("typing digit, euro input") << 0 << "cmdPlan"
                                              << "5";
    QTest::newRow("keypad Enter, euro input") << 0 << "ReadOut(1)"
                                              << "KP_Enter";
    QTest::newRow("Delete, euro input") << 0 << "txtOperations"
                                        << "Delete";
}

void TestKeyboard::everyKeyFocusesTheInputDisplay()
{
    QFETCH(int, input);
    QFETCH(QString, focusFirst);
    QFETCH(QString, key);

    LoadedWindow w;
    activate(*w.window);
    if (input == 0)
        w.window->optCalcul_Click(0);
    QWidget *first = w.control(focusFirst);
    QVERIFY(first);
    if (first->isHidden())
        w.window->Label2_Click(); // the currency list opens
    QCoreApplication::processEvents();
    first->setFocus();
    QCOMPARE(QApplication::focusWidget(), first);
    // Taking the focus picks no currency.
    QCOMPARE(w.window->calculator().state().CurrencyCode, QStringLiteral("FRF"));
    type(key);
    QCOMPARE(QApplication::focusWidget(), w.control(QStringLiteral("ReadOut(%1)").arg(input)));
}

void TestKeyboard::keysGoOnToTheFocusedControl()
{
    LoadedWindow w;
    activate(*w.window);
    auto *display = w.control<QLineEdit>(QStringLiteral("ReadOut(1)"));
    display->setFocus();
    KeyCounter counter;
    display->installEventFilter(&counter);
    type(QStringLiteral("KP_1 KP_Add 7 Backspace"));
    display->removeEventFilter(&counter);
    QCOMPARE(counter.presses, 4);
    // The locked display keeps the calculator's text.
    QCOMPARE(display->text(), w.window->calculator().ReadOut(1));
    QCOMPARE(display->text(), QStringLiteral("0,"));
}

void TestKeyboard::parametersPanelKeepsItsKeys()
{
    LoadedWindow w;
    activate(*w.window);
    type(QStringLiteral("KP_4 KP_2 KP_Add KP_1"));
    const QString tapeBefore = w.window->tape().text();
    const Euro::RateTable tableBefore = w.window->calculator().rates();
    const QString storedBefore = Euro::GetSetting(Euro::AppName(), QStringLiteral("taux"), QStringLiteral("FRF"));

    w.window->lblFermer_Click(2);
    auto *countries = w.control<QListWidget>(QStringLiteral("lstPays"));
    countries->setCurrentRow(countries->row(countries->findItems(QStringLiteral("FRF"), Qt::MatchStartsWith).first()));
    auto *rate = w.control<QLineEdit>(QStringLiteral("txtTaux"));
    QCOMPARE(rate->text(), QStringLiteral("6,55957"));
    rate->setFocus();
    rate->selectAll();
    type(QStringLiteral("KP_7 KP_Decimal Comma KP_2 KP_5 Backspace Enter KP_Enter Delete KP_Add"));
    // Keys edit the rate box only ("7,,2" then Backspace; Delete at the end deletes nothing);
    // the keypad's decimal key types the comma rates are written with.
    QCOMPARE(rate->text(), QStringLiteral("7,,2+"));
    QCOMPARE(QApplication::focusWidget(), rate);
    QCOMPARE(w.window->tape().text(), tapeBefore);
    QCOMPARE(w.window->calculator().ReadOut(1), QStringLiteral("1,"));
    QCOMPARE(w.window->calculator().ReadOut(0), QStringLiteral("0,15"));
    QVERIFY(w.window->calculator().rates() == tableBefore);
    QCOMPARE(Euro::GetSetting(Euro::AppName(), QStringLiteral("taux"), QStringLiteral("FRF")), storedBefore);
    QVERIFY(w.messages.shown().isEmpty());

    // Closed again, the keypad drives the calculator once more.
    w.window->lblFermer_Click(0);
    w.control(QStringLiteral("ReadOut(1)"))->setFocus();
    type(QStringLiteral("KP_Enter"));
    QCOMPARE(w.window->calculator().ReadOut(1), QStringLiteral("43"));
}

void TestKeyboard::helpKey_data()
{
    QTest::addColumn<bool>("parameters");
    QTest::newRow("calculator shown") << false;
    QTest::newRow("parameters panel open") << true;
}

void TestKeyboard::helpKey()
{
    QFETCH(bool, parameters);
    LoadedWindow w;
    if (Euro::FileExists(Euro::AppFolder() + QStringLiteral("aide.htm")))
        QSKIP("a help page lies beside the test; it would open in a browser");
    activate(*w.window);
    if (parameters)
        w.window->lblFermer_Click(2);
    else
        w.control(QStringLiteral("cmdPlan"))->setFocus();
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    type(QStringLiteral("F1"));
    QCOMPARE(w.messages.shown().size(), 1);
    QVERIFY(w.messages.shown().first().text.startsWith(QStringLiteral("Fichier d'aide [aide.htm] introuvable.")));
    QCOMPARE(w.messages.shown().first().title, QStringLiteral("fichier d'aide absent"));
    if (!parameters)
        QCOMPARE(QApplication::focusWidget(), w.control(QStringLiteral("ReadOut(1)")));
}

void TestKeyboard::aboutKey_data() { helpKey_data(); }

void TestKeyboard::aboutKey()
{
    QFETCH(bool, parameters);
    LoadedWindow w;
    activate(*w.window);
    if (parameters)
        w.window->lblFermer_Click(2);
    type(QStringLiteral("KP_3"));
    const QString before = w.window->calculator().ReadOut(1);

    QStringList seen;
    int opened = 0;
    // Looks at the modal window while the calculator waits for it, then closes it.
    std::function<void()> closeAbout = [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            QTimer::singleShot(10, closeAbout);
            return;
        }
        if (auto *about = qobject_cast<FrmAbout *>(modal)) {
            ++opened;
            seen << about->lblTitle->text();
            about->reject();
        }
    };
    for (int i = 0; i < 2; ++i) {
        activate(*w.window); // as the desktop gives the window back its activation after About
        QTimer::singleShot(0, closeAbout);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w.window.get(), Qt::Key_F2);
    }
    QCOMPARE(opened, 2);
    QVERIFY(!seen.first().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
    // A fresh window each time, and the calculator untouched.
    QCOMPARE(w.window->findChildren<FrmAbout *>().size(), 0);
    QCOMPARE(w.window->calculator().ReadOut(1), before);
    QCOMPARE(before, parameters ? QStringLiteral("0,") : QStringLiteral("3,"));
}

void TestKeyboard::focusWalk_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus");

    // In the order a reader meets them: row by row in the panel shown, the tape beside it,
    // then the window's bottom row; hidden controls and those cut off are skipped.
    QTest::newRow("narrow: the drop list's button follows the currency display") << "narrow"
                                                                                 << "ReadOut(1)"
                                                                                 << "Tab"
                                                                                 << "Label2";
    QTest::newRow("narrow: then the tape's switch") << "narrow"
                                                    << "Label2"
                                                    << "Tab"
                                                    << "lblFermer(3)";
    QTest::newRow("narrow: then the parameters' switch") << "narrow"
                                                         << "lblFermer(3)"
                                                         << "Tab"
                                                         << "lblFermer(2)";
    QTest::newRow("narrow: then keep-on-top") << "narrow"
                                              << "lblFermer(2)"
                                              << "Tab"
                                              << "cmdPlan";
    QTest::newRow("narrow: Tab skips the print button cut off") << "narrow"
                                                                << "cmdPlan"
                                                                << "Tab"
                                                                << "lblFermer(4)";
    QTest::newRow("narrow: Shift+Tab skips it too") << "narrow"
                                                    << "lblFermer(4)"
                                                    << "Shift+Backtab"
                                                    << "cmdPlan";
    QTest::newRow("narrow: the purchasing power's switch, then the euro display") << "narrow"
                                                                                  << "lblFermer(4)"
                                                                                  << "Tab"
                                                                                  << "ReadOut(0)";
    QTest::newRow("narrow: the options are one stop, at the chosen one") << "narrow"
                                                                         << "ReadOut(0)"
                                                                         << "Tab"
                                                                         << "optCalcul(1)";
    QTest::newRow("narrow: Shift+Tab goes backwards") << "narrow"
                                                      << "optCalcul(1)"
                                                      << "Shift+Backtab"
                                                      << "ReadOut(0)";
    QTest::newRow("narrow: Tab with Shift goes backwards") << "narrow"
                                                           << "ReadOut(1)"
                                                           << "Shift+Tab"
                                                           << "optCalcul(1)";
    QTest::newRow("wide: the tape's close box, then the tape") << "wide"
                                                               << "lblFermer(2)"
                                                               << "Tab Tab"
                                                               << "txtOperations";
    QTest::newRow("wide: the bottom row to the print button") << "wide"
                                                              << "cmdPlan"
                                                              << "Tab Tab"
                                                              << "cmdImprimer";
    QTest::newRow("parameters: the panel, then keep-on-top") << "parameters"
                                                             << "txtTaux"
                                                             << "Tab Tab"
                                                             << "cmdPlan";
    QTest::newRow("parameters: round to the panel's close box") << "parameters"
                                                                << "cmdPlan"
                                                                << "Tab"
                                                                << "lblFermer(0)";
    QTest::newRow("parameters: the disabled Taux button is skipped") << "parameters"
                                                                     << "txtTaux"
                                                                     << "Shift+Backtab"
                                                                     << "lstPays";
}

void TestKeyboard::focusWalk()
{
    QFETCH(QString, view);
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, focus);

    LoadedWindow w;
    activate(*w.window);
    setView(*w.window, view);
    w.control(from)->setFocus();
    QCOMPARE(focusName(), from);
    const QString before = looks(w);
    type(keys);
    QCOMPARE(focusName(), focus);
    // The walk runs no key of the calculator.
    QCOMPARE(looks(w), before);
    // The focus is marked where it went.
    auto *ring = w.window->findChild<QFocusFrame *>();
    QVERIFY(ring && ring->isVisible());
    QCOMPARE(ring->widget(), QApplication::focusWidget());
}

void TestKeyboard::narrowingTakesTheFocusBack()
{
    LoadedWindow w;
    activate(*w.window);
    setView(*w.window, QStringLiteral("wide"));
    w.control(QStringLiteral("cmdEffacer"))->setFocus();
    w.window->lblFermer_Click(1);
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    const QRect inWindow(focused->mapTo(w.window.get(), QPoint(0, 0)), focused->size());
    QVERIFY2(w.window->rect().contains(inWindow), qPrintable(focused->objectName()));
}

void TestKeyboard::focusedControlKeys_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("what"); // looked at afterwards, after "1 2 +" was clicked
    QTest::addColumn<QString>("value");

    QTest::newRow("Down on the currency option goes round to euros") << "narrow"
                                                                     << "optCalcul(1)"
                                                                     << "Down"
                                                                     << "optCalcul(0)"
                                                                     << "heading"
                                                                     << "Calcul en Euros";
    QTest::newRow("Up then Right: back to the currency") << "narrow"
                                                         << "optCalcul(1)"
                                                         << "Up Right"
                                                         << "optCalcul(1)"
                                                         << "heading"
                                                         << "Calcul en FRF";
    QTest::newRow("Right on 2 decimals chooses 5") << "parameters"
                                                   << "optDecimal(0)"
                                                   << "Right"
                                                   << "optDecimal(1)"
                                                   << "decimals"
                                                   << "5";
    QTest::newRow("Space chooses the focused option") << "narrow"
                                                      << "optCalcul(0)"
                                                      << "Space"
                                                      << "optCalcul(0)"
                                                      << "input"
                                                      << "0";
    QTest::newRow("Space presses keep-on-top") << "narrow"
                                               << "cmdPlan"
                                               << "Space"
                                               << "cmdPlan"
                                               << "keep on top"
                                               << "0";
    QTest::newRow("Space presses the tape's Effacer") << "wide"
                                                      << "cmdEffacer"
                                                      << "Space"
                                                      << "cmdEffacer"
                                                      << "tape cleared"
                                                      << "yes";
    QTest::newRow("a keypad digit on an option keys the digit") << "narrow"
                                                                << "optCalcul(0)"
                                                                << "KP_5"
                                                                << "ReadOut(1)"
                                                                << "display"
                                                                << "5,";
    QTest::newRow("Enter on a button is the equals key") << "narrow"
                                                         << "cmdPlan"
                                                         << "Return"
                                                         << "ReadOut(1)"
                                                         << "keep on top"
                                                         << "-1";
    QTest::newRow("an arrow on a button goes to the display") << "narrow"
                                                              << "cmdPlan"
                                                              << "Down"
                                                              << "ReadOut(1)"
                                                              << "keep on top"
                                                              << "-1";
    QTest::newRow("Down on the shown currency list only moves") << "narrow+list"
                                                                << "lstListe"
                                                                << "Down End Up"
                                                                << "lstListe"
                                                                << "currency"
                                                                << "FRF";
    // At either end of the list a key that moves has nowhere to go: the list stays open.
    QTest::newRow("Up on the first code stays there") << "narrow+list"
                                                      << "lstListe"
                                                      << "Home Up"
                                                      << "lstListe"
                                                      << "highlight"
                                                      << "ATS";
    QTest::newRow("Home on the first code stays there") << "narrow+list"
                                                        << "lstListe"
                                                        << "Home Home"
                                                        << "lstListe"
                                                        << "highlight"
                                                        << "ATS";
    QTest::newRow("Page Up on the first code stays there") << "narrow+list"
                                                           << "lstListe"
                                                           << "PageUp PageUp"
                                                           << "lstListe"
                                                           << "highlight"
                                                           << "ATS";
    QTest::newRow("Down on the last code stays there") << "narrow+list"
                                                       << "lstListe"
                                                       << "End Down"
                                                       << "lstListe"
                                                       << "highlight"
                                                       << "PTE";
    QTest::newRow("End on the last code stays there") << "narrow+list"
                                                      << "lstListe"
                                                      << "End End"
                                                      << "lstListe"
                                                      << "highlight"
                                                      << "PTE";
    QTest::newRow("Page Down on the last code stays there") << "narrow+list"
                                                            << "lstListe"
                                                            << "PageDown PageDown"
                                                            << "lstListe"
                                                            << "highlight"
                                                            << "PTE";
    QTest::newRow("the list still picks after browsing its ends") << "narrow+list"
                                                                  << "lstListe"
                                                                  << "End Down Home Up Return"
                                                                  << "ReadOut(1)"
                                                                  << "currency"
                                                                  << "ATS";
    QTest::newRow("Down then Enter picks the next currency") << "narrow+list"
                                                             << "lstListe"
                                                             << "Down Return"
                                                             << "ReadOut(1)"
                                                             << "currency"
                                                             << "GRD";
    QTest::newRow("Space picks the highlighted currency once") << "narrow+list"
                                                               << "lstListe"
                                                               << "Up Space"
                                                               << "ReadOut(1)"
                                                               << "heading"
                                                               << "Calcul en FIM";
    QTest::newRow("Escape closes the list with no change") << "narrow+list"
                                                           << "lstListe"
                                                           << "Down Escape"
                                                           << "ReadOut(1)"
                                                           << "currency"
                                                           << "FRF";
    QTest::newRow("a letter on the shown currency list picks none") << "narrow+list"
                                                                    << "lstListe"
                                                                    << "A"
                                                                    << "lstListe"
                                                                    << "currency"
                                                                    << "FRF";
    QTest::newRow("a letter then Enter picks the code it found") << "narrow+list"
                                                                 << "lstListe"
                                                                 << "A Return"
                                                                 << "ReadOut(1)"
                                                                 << "currency"
                                                                 << "ATS";
    // It opens on FRF; a letter typed again goes on to the next code it starts, as list boxes do.
    QTest::newRow("f f goes on to FRF") << "narrow+list"
                                        << "lstListe"
                                        << "F F"
                                        << "lstListe"
                                        << "highlight"
                                        << "FRF";
    QTest::newRow("f f f comes round to FIM") << "narrow+list"
                                              << "lstListe"
                                              << "F F F"
                                              << "lstListe"
                                              << "highlight"
                                              << "FIM";
    QTest::newRow("d e spells DEM") << "narrow+list"
                                    << "lstListe"
                                    << "D E"
                                    << "lstListe"
                                    << "highlight"
                                    << "DEM";
    QTest::newRow("d e then Enter picks DEM") << "narrow+list"
                                              << "lstListe"
                                              << "D E Return"
                                              << "ReadOut(1)"
                                              << "currency"
                                              << "DEM";
    QTest::newRow("a keypad digit closes the list, keys the digit") << "narrow+list"
                                                                    << "lstListe"
                                                                    << "KP_5"
                                                                    << "ReadOut(1)"
                                                                    << "list"
                                                                    << "0";
    QTest::newRow("a shortcut closes the list") << "narrow+list"
                                                << "lstListe"
                                                << "Ctrl+C"
                                                << "ReadOut(1)"
                                                << "list"
                                                << "0";
    QTest::newRow("Tab leaves the list closed") << "narrow+list"
                                                << "lstListe"
                                                << "Tab"
                                                << "lblFermer(3)"
                                                << "list"
                                                << "0";
    QTest::newRow("Space on paramètres opens the panel on its list") << "narrow"
                                                                     << "lblFermer(2)"
                                                                     << "Space"
                                                                     << "lstPays"
                                                                     << "parameters"
                                                                     << "1";
    QTest::newRow("Space on the panel's close box: back to the display") << "parameters"
                                                                         << "lblFermer(0)"
                                                                         << "Space"
                                                                         << "ReadOut(1)"
                                                                         << "parameters"
                                                                         << "0";
    QTest::newRow("Space on O P E R A T I O N S shows the tape") << "narrow"
                                                                 << "lblFermer(3)"
                                                                 << "Space"
                                                                 << "lblFermer(3)"
                                                                 << "width"
                                                                 << "5190";
    QTest::newRow("Space on < drops the list, to be browsed") << "narrow"
                                                              << "Label2"
                                                              << "Space"
                                                              << "lstListe"
                                                              << "list"
                                                              << "1";
    QTest::newRow("Up on the tape stays there") << "wide"
                                                << "txtOperations"
                                                << "Up"
                                                << "txtOperations"
                                                << "display"
                                                << "12,";
}

void TestKeyboard::focusedControlKeys()
{
    QFETCH(QString, view);
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, focus);
    QFETCH(QString, what);
    QFETCH(QString, value);

    LoadedWindow w;
    FrmEuro &window = *w.window;
    activate(window);
    click(window, QStringLiteral("1 2 +"));
    setView(window, view);
    w.control(from)->setFocus();
    type(keys);
    // Where the focus is in the window (keep-on-top shows the window anew, not yet active).
    QCOMPARE(window.focusWidget() ? window.focusWidget()->objectName() : QString(), focus);

    const CalculatorState &state = window.calculator().state();
    const QString tape = window.tape().text();
    const QString heading = tape.mid(tape.lastIndexOf(QLatin1String("Calcul en"))).section(QLatin1Char('\r'), 0, 0);
    const auto *codes = w.control<QListWidget>(QStringLiteral("lstListe"));
    const QHash<QString, QString> seen{
        {QStringLiteral("heading"), heading},
        {QStringLiteral("input"), QString::number(state.InputDisplay)},
        {QStringLiteral("decimals"), QString::number(state.DecimalPlaces)},
        {QStringLiteral("keep on top"), QString::number(state.KeepOnTop)},
        // A cleared tape has an empty line between its rule and its mode line; the start's has none.
        {QStringLiteral("tape cleared"),
         QString::fromLatin1(tape.contains(QLatin1String("-------------------------\r\n\r\nCalcul")) ? "yes" : "no")},
        {QStringLiteral("display"), window.calculator().ReadOut(1)},
        {QStringLiteral("currency"), state.CurrencyCode},
        {QStringLiteral("parameters"), QString::number(w.control(QStringLiteral("fraParametres"))->isVisible())},
        {QStringLiteral("width"), QString::number(window.Width())},
        {QStringLiteral("list"), QString::number(w.control(QStringLiteral("lstListe"))->isVisible())},
        {QStringLiteral("highlight"), codes->currentItem() ? codes->currentItem()->text() : QString()},
    };
    QVERIFY2(seen.contains(what), qPrintable(what));
    QCOMPARE(seen.value(what), value);
}

void TestKeyboard::pressAction_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("view");
    QTest::addColumn<bool>("pressable");

    for (int digit = 0; digit < 10; ++digit)
        QTest::addRow("digit %d", digit) << QStringLiteral("lblBouton(%1)").arg(digit) << "narrow" << true;
    for (int op = 0; op < 5; ++op)
        QTest::addRow("operator %d", op) << QStringLiteral("Operator(%1)").arg(op) << "narrow" << true;
    QTest::newRow("decimal key") << "Decimal"
                                 << "narrow" << true;
    QTest::newRow("C") << "Cancel"
                       << "narrow" << true;
    QTest::newRow("CE") << "CancelEntry"
                        << "narrow" << true;
    QTest::newRow("X of the parameters") << "lblFermer(0)"
                                         << "parameters" << true;
    QTest::newRow("X of the tape") << "lblFermer(1)"
                                   << "wide" << true;
    QTest::newRow("paramètres") << "lblFermer(2)"
                                << "narrow" << true;
    QTest::newRow("O P E R A T I O N S") << "lblFermer(3)"
                                         << "narrow" << true;
    QTest::newRow("< beside the currency") << "Label2"
                                           << "narrow" << true;
    QTest::newRow("the currency code only shows a hint") << "lblDevise"
                                                         << "narrow" << false;
    QTest::newRow("the rounding line only shows a hint") << "lblInfo"
                                                         << "narrow" << false;
}

void TestKeyboard::pressAction()
{
    QFETCH(QString, label);
    QFETCH(QString, view);
    QFETCH(bool, pressable);

    // Two windows alike; one is clicked with the mouse, the other pressed as a screen reader does.
    LoadedWindow byMouse;
    LoadedWindow byAction;
    for (LoadedWindow *w : {&byMouse, &byAction}) {
        click(*w->window, QStringLiteral("1 2 + 3"));
        setView(*w->window, view);
    }
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(byAction.control(label));
    QVERIFY(accessible && accessible->actionInterface());
    const QStringList actions = accessible->actionInterface()->actionNames();
    QCOMPARE(actions.contains(QAccessibleActionInterface::pressAction()), pressable);
    QCOMPARE(accessible->role(), pressable ? QAccessible::Button : QAccessible::StaticText);
    if (!pressable)
        return;

    // The button's own press: shown pressed a moment, clicked as it comes up.
    const QString before = looks(byAction);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(looks(byAction) != before);
    QTest::mouseClick(byMouse.control(label), Qt::LeftButton);
    QCOMPARE(looks(byAction), looks(byMouse));
}

void TestKeyboard::amountsInAndOut_data()
{
    QTest::addColumn<QString>("clipboard"); // before
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("focus");
    // ";" between steps: "keys:..." typed; "select:from:length" in the focused display;
    // "dblclick" on it; "menu:display:entry", "tapemenu:entry" chosen in a right-click menu;
    // "drop:display:text"; "switch:index" clicks a panel switch; "focus:control".
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("copied"); // the clipboard after ("" unchanged, "<tape>" the tape's text)
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("message");

    const auto row = [](const char *name, const QString &clipboard, const char *clicks, const char *focus,
                        const char *steps, const QString &copied, const char *currency, const QString &message = {}) {
        QTest::newRow(name) << clipboard << clicks << focus << steps << copied << currency << message;
    };
    const QString refused = QStringLiteral("Le presse-papiers ne contient pas un montant : « %1 ».");
    row("Ctrl+C: the focused display, without its comma", "", "1 2", "ReadOut(1)", "keys:Ctrl+C", "12", "12,");
    row("Ctrl+Insert: the converted display", "", "1 0 0", "ReadOut(0)", "keys:Ctrl+Insert", "15,24", "100,");
    row("a selection is copied as it is", "", "1 0 0", "ReadOut(0)", "select:0:2;keys:Ctrl+C", "15", "100,");
    row("Ctrl+A selects the focused display", "", "1 0 0", "ReadOut(0)", "keys:Ctrl+A;keys:Ctrl+C", "15,24", "100,");
    row("a double click selects the whole amount", "", "1 2 3 4 , 5 6", "ReadOut(1)", "dblclick;keys:Ctrl+C", "1234,56",
        "1234,56");
    row("focus elsewhere: the input amount", "", "1 0 0 ,", "cmdPlan", "keys:Ctrl+C", "100", "100,");
    // The parameters panel covers the displays: their amounts are not copied from it.
    row("parameters: Ctrl+C on an option copies nothing", "avant", "1 2", "ReadOut(1)",
        "switch:2;focus:optDecimal(0);keys:Ctrl+C", "", "12,");
    row("parameters: Ctrl+Insert on the country list copies nothing", "avant", "1 2", "ReadOut(1)",
        "switch:2;focus:lstPays;keys:Ctrl+Insert", "", "12,");
    row("parameters: the rate box copies its own text", "avant", "1 2", "ReadOut(1)",
        "switch:2;focus:lstPays;keys:Down;focus:txtTaux;keys:Ctrl+A;keys:Ctrl+C", "40,3399", "12,");
    row("parameters closed: the input amount again", "avant", "1 2", "ReadOut(1)",
        "switch:2;switch:0;focus:cmdPlan;keys:Ctrl+C", "12", "12,");
    row("Ctrl+V with a pending operator", "1 234,5", "1 0 0 +", "ReadOut(1)", "keys:Ctrl+V;keys:Return", "", "1334,5");
    row("Shift+Insert pastes", "\t2 000 F\n", "9", "ReadOut(0)", "keys:Shift+Insert", "", "2000,");
    row("a refused paste changes nothing", "abc", "1 2", "ReadOut(1)", "keys:Ctrl+V", "", "12,", refused.arg("abc"));
    row("a refusal quotes 40 characters", QString(50, u'a'), "1 2", "ReadOut(1)", "keys:Ctrl+V", "", "12,",
        refused.arg(QString(40, u'a') + u'…'));
    row("menu: Copier les deux montants", "", "1 0 0", "ReadOut(1)", "menu:0:Copier les deux montants",
        "100 FRF = 15,24 EUR", "100,");
    row("menu: Copier", "", "1 0 0", "ReadOut(1)", "menu:0:Copier", "15,24", "100,");
    row("menu: Coller", "7", "1 0 0", "ReadOut(1)", "menu:1:Coller", "", "7,");
    row("tape menu: Copier toute la bande", "", "1 +", "ReadOut(1)", "tapemenu:Copier toute la bande", "<tape>", "1,");
    row("a drop on the euro display", "", "9", "ReadOut(1)", "drop:0:3 FF", "", "3,");
    row("a refused drop", "", "9", "ReadOut(1)", "drop:0:12 $", "", "9,",
        QStringLiteral("Le texte déposé ne contient pas un montant : « 12 $ »."));
    // Every refusal says why.
    row("an ambiguous paste gives both readings", "2.500", "1 2", "ReadOut(1)", "keys:Ctrl+V", "", "12,",
        QStringLiteral("Montant ambigu : « 2.500 » peut se lire 2 500 ou 2,5. Écrivez 2500 ou 2,5."));
    row("a drop marked in euros", "", "9", "ReadOut(1)", "drop:1:100 €", "", "9,",
        QStringLiteral("Ce montant est en euros ; la saisie se fait en FRF."));
    row("a paste longer than a display", QString(23, u'9'), "9", "ReadOut(1)", "keys:Ctrl+V", "", "9,",
        QStringLiteral("Ce montant est trop long : un afficheur en montre 22 caractères au plus."));
}

void TestKeyboard::amountsInAndOut()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, clicks);
    QFETCH(QString, focus);
    QFETCH(QString, steps);
    QFETCH(QString, copied);
    QFETCH(QString, currency);
    QFETCH(QString, message);

    LoadedWindow w;
    FrmEuro &window = *w.window;
    activate(window);
    setView(window, QStringLiteral("wide"));
    QGuiApplication::clipboard()->setText(clipboard);
    click(window, clicks);
    w.control(focus)->setFocus();
    const auto display = [&](const QString &index) { return w.control<QLineEdit>("ReadOut(" + index + ")"); };

    QStringList menuEntries;
    for (const QString &step : steps.split(u';')) {
        const QStringList part = step.split(u':');
        const QString kind = part.first();
        if (kind == QLatin1String("keys")) {
            type(part.value(1));
        } else if (kind == QLatin1String("select")) {
            qobject_cast<QLineEdit *>(QApplication::focusWidget())
                ->setSelection(part.value(1).toInt(), part.value(2).toInt());
        } else if (kind == QLatin1String("dblclick")) {
            QTest::mouseDClick(QApplication::focusWidget(), Qt::LeftButton);
        } else if (kind == QLatin1String("menu") || kind == QLatin1String("tapemenu")) {
            QWidget *target = kind == QLatin1String("menu")
                                  ? static_cast<QWidget *>(display(part.value(1)))
                                  : w.control<QPlainTextEdit>(QStringLiteral("txtOperations"))->viewport();
            menuEntries = chooseInMenu(target, part.last());
        } else if (kind == QLatin1String("switch")) {
            window.lblFermer_Click(qint16(part.value(1).toInt()));
        } else if (kind == QLatin1String("focus")) {
            w.control(part.value(1))->setFocus();
        } else if (kind == QLatin1String("drop")) {
            QMimeData data;
            data.setText(part.value(2));
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(display(part.value(1)), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(display(part.value(1)), &drop);
        } else {
            QFAIL(qPrintable(step));
        }
    }
    if (steps.startsWith(QLatin1String("menu:")))
        QCOMPARE(menuEntries, (QStringList{"Copier", "Coller", "Copier les deux montants", "", "Agrandir", "Réduire",
                                           "Taille normale"}));
    if (copied == QLatin1String("<tape>")) {
        QVERIFY(menuEntries.contains(QStringLiteral("Copier toute la bande")));
        copied = window.tape().text().remove(u'\r');
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), copied.isEmpty() ? clipboard : copied);
    QCOMPARE((QStringList{window.calculator().ReadOut(1), display("1")->text()}), QStringList(2, currency));
    QCOMPARE(w.messages.shown().size(), message.isEmpty() ? 0 : 1);
    for (const TestSupport::ShownMessage &m : w.messages.shown())
        QCOMPARE((QStringList{m.text, m.title, QString::number(m.style)}), (QStringList{message, "Pecunio", "48"}));
}

void TestKeyboard::saveTape_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("steps"); // "keys:..." typed, or "tapemenu" for the tape's menu entry
    QTest::newRow("Ctrl+S on a display") << "ReadOut(1)"
                                         << "keys:Ctrl+S";
    QTest::newRow("Ctrl+S on the tape") << "txtOperations"
                                        << "keys:Ctrl+S";
    QTest::newRow("Ctrl+S on the parameters' rate box") << "txtTaux"
                                                        << "keys:Ctrl+S";
    QTest::newRow("the tape's menu") << "ReadOut(1)"
                                     << "tapemenu";
}

void TestKeyboard::saveTape()
{
    QFETCH(QString, focus);
    QFETCH(QString, steps);
    LoadedWindow w;
    FrmEuro &window = *w.window;
    activate(window);
    setView(window, focus == QLatin1String("txtTaux") ? QStringLiteral("parameters") : QStringLiteral("wide"));
    click(window, QStringLiteral("1 0 0 + 5 0 ="));
    const QString before = looks(w);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bande.txt"));
    int asked = 0;
    const Euro::SaveDialogRunner previous =
        Euro::installSaveDialogRunner([&](const Euro::SaveDialogRequest &, QWidget *) {
            ++asked;
            return path;
        });
    w.control(focus)->setFocus();
    if (steps == QLatin1String("tapemenu"))
        chooseInMenu(w.control<QPlainTextEdit>(QStringLiteral("txtOperations"))->viewport(),
                     QStringLiteral("Enregistrer la bande…"));
    else
        type(steps.mid(5));
    Euro::installSaveDialogRunner(previous);
    QCOMPARE(asked, 1);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    // The printed page's heading, an empty line, then the tape's lines as the tape box shows them.
    QCOMPARE(QString::fromUtf8(saved.readAll()),
             QStringLiteral("Pecunio — Calcul en FRF — 08/12/2026\n\n") + window.tape().text().remove(u'\r'));
    QCOMPARE(looks(w), before); // nothing keyed, nothing typed into the rate box
}

void TestKeyboard::displaysSayBothAmounts_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("keys"); // typed after the clicks, where the focus is
    QTest::addColumn<QString>("euros");
    QTest::addColumn<QString>("currency");
    QTest::newRow("at start") << "narrow"
                              << ""
                              << ""
                              << "0 euro, soit 0 franc français"
                              << "0 franc français, soit 0 euro";
    QTest::newRow("100 francs") << "narrow"
                                << "1 0 0"
                                << ""
                                << "15,24 euros, soit 100 francs français"
                                << "100 francs français, soit 15,24 euros";
    QTest::newRow("another currency, still zero") << "narrow+list"
                                                  << ""
                                                  << "A Return"
                                                  << "0 euro, soit 0 schilling autrichien"
                                                  << "0 schilling autrichien, soit 0 euro";
}

void TestKeyboard::displaysSayBothAmounts()
{
    QFETCH(QString, view);
    QFETCH(QString, clicks);
    QFETCH(QString, keys);
    QFETCH(QString, euros);
    QFETCH(QString, currency);
    LoadedWindow w;
    activate(*w.window);
    setView(*w.window, view);
    click(*w.window, clicks);
    type(keys);
    QCOMPARE(w.control(QStringLiteral("ReadOut(0)"))->accessibleDescription(), euros);
    QCOMPARE(w.control(QStringLiteral("ReadOut(1)"))->accessibleDescription(), currency);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
