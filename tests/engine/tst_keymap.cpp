// The keyboard map as the user meets it: a key pressed between "1 2" and "3 =" does what
// clicking its keypad key does there (the same displays, the same tape), help and About
// leave the calculation alone, and only they still act while the parameters panel keeps
// the other keys.

#include "engine/calculator.h"
#include "engine/keymap.h"
#include "support/keysequence.h"
#include "tape/tape.h"

#include <QTest>

using Euro::KeyCommand;

namespace {

// What the window does with a key's action, for the calculator's keys.
void run(Calculator &calc, const Euro::KeyAction &action)
{
    switch (action.command) {
    case KeyCommand::Digit: calc.lblBouton_Click(action.index); break;
    case KeyCommand::Operator: calc.Operator_Click(action.index); break;
    case KeyCommand::Decimal: calc.Decimal_Click(); break;
    case KeyCommand::EraseDigit: calc.eraseLastDigit(); break;
    case KeyCommand::ClearEntry: calc.CancelEntry_Click(); break;
    case KeyCommand::ClearAll: calc.Cancel_Click(); break;
    case KeyCommand::Help:
    case KeyCommand::About:
    case KeyCommand::None: break;
    }
}

QString screenAndTape(const Calculator &calc, const Tape &tape)
{
    return calc.ReadOut(0) + u'|' + calc.ReadOut(1) + u'|' + tape.text();
}

} // namespace

class TestKeyMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyDoesWhatItsClickDoes_data();
    void keyDoesWhatItsClickDoes();
};

void TestKeyMap::keyDoesWhatItsClickDoes_data()
{
    // Codes in Windows numbering, the character the key types, the keypad clicks it stands
    // for ("" none), and what else it opens.
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("opens");

    QTest::newRow("keypad 0") << 96 << "" << "0" << "";
    QTest::newRow("keypad 7") << 103 << "" << "7" << "";
    QTest::newRow("keypad + adds") << 107 << "" << "+" << "";
    QTest::newRow("keypad / divides") << 111 << "" << "/" << "";
    QTest::newRow("keypad * multiplies") << 106 << "" << "X" << "";
    QTest::newRow("keypad - subtracts") << 109 << "" << "-" << "";
    QTest::newRow("Enter is the equals key") << 13 << "" << "=" << "";
    QTest::newRow("keypad decimal separator") << 110 << "" << "," << "";
    QTest::newRow("Backspace erases a digit") << 8 << "" << "BS" << "";
    QTest::newRow("Delete clears all") << 46 << "" << "C" << "";
    QTest::newRow("F1 opens the help") << 112 << "" << "" << "help";
    QTest::newRow("F2 opens About") << 113 << "" << "" << "about";
    QTest::newRow("typing block 5 by its code alone") << 53 << "" << "" << "";
    QTest::newRow("typing block 5 types 5") << 53 << "5" << "5" << "";
    QTest::newRow("French layout: the 1 key types &") << 49 << "&" << "" << "";
    // Typed characters and the key they run: "x" and "*" both multiply.
    for (const auto &[typed, caption] : {std::pair{"+", "+"}, {"-", "-"}, {"*", "X"}, {"x", "X"}, {"/", "/"}, {"=", "="}})
        QTest::addRow("typed %s", typed) << 0 << typed << caption << "";
    QTest::newRow("typed comma") << 0 << "," << "," << "";
    QTest::newRow("typed dot") << 0 << "." << "," << "";
    QTest::newRow("other letters do nothing") << 69 << "e" << "" << "";
    QTest::newRow("the code wins over the text") << 46 << "." << "C" << "";
    QTest::newRow("keypad separator key does nothing") << 108 << "" << "" << "";
    QTest::newRow("Tab does nothing") << 9 << "" << "" << "";
    QTest::newRow("Space does nothing") << 32 << "" << "" << "";
}

void TestKeyMap::keyDoesWhatItsClickDoes()
{
    QFETCH(int, code);
    QFETCH(QString, typed);
    QFETCH(QString, clicks);
    QFETCH(QString, opens);

    const Euro::KeyAction action = Euro::keyAction(code, typed);
    if (typed.isEmpty())
        QCOMPARE(Euro::keyAction(code), action);

    Tape keyedTape;
    Calculator keyed(keyedTape);
    keyed.start(QStringLiteral("6,55957"));
    QVERIFY(TestKeys::press(keyed, QStringLiteral("1 2")));
    run(keyed, action);
    QVERIFY(TestKeys::press(keyed, QStringLiteral("3 =")));

    Tape clickedTape;
    Calculator clicked(clickedTape);
    clicked.start(QStringLiteral("6,55957"));
    QVERIFY(TestKeys::press(clicked, QStringLiteral("1 2 ") + clicks + QStringLiteral(" 3 =")));
    QCOMPARE(screenAndTape(keyed, keyedTape), screenAndTape(clicked, clickedTape));

    const QString opened = action.command == KeyCommand::Help    ? QStringLiteral("help")
                           : action.command == KeyCommand::About ? QStringLiteral("about")
                                                                 : QString();
    QCOMPARE(opened, opens);
    QCOMPARE(Euro::actsOverParameters(action), !opens.isEmpty());
}

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
