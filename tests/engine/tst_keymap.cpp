// The keyboard map: which click routine each virtual-key code runs, and which keys still act
// while the parameters panel keeps the others.

#include "engine/calculator.h"
#include "engine/keymap.h"

#include <QTest>

using Euro::KeyCommand;

Q_DECLARE_METATYPE(Euro::KeyCommand)

class TestKeyMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyAction_data();
    void keyAction();
};

void TestKeyMap::keyAction_data()
{
    // Codes in Windows numbering; "key" is the digit keyed or the caption of the operator key run.
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("typed"); // the character the key types
    QTest::addColumn<KeyCommand>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("overParameters");

    QTest::newRow("keypad 0") << 96 << "" << KeyCommand::Digit << "0" << false;
    QTest::newRow("keypad 7") << 103 << "" << KeyCommand::Digit << "7" << false;
    QTest::newRow("keypad + adds") << 107 << "" << KeyCommand::Operator << "+" << false;
    QTest::newRow("keypad / divides") << 111 << "" << KeyCommand::Operator << "/" << false;
    QTest::newRow("keypad * multiplies") << 106 << "" << KeyCommand::Operator << "X" << false;
    QTest::newRow("keypad - subtracts") << 109 << "" << KeyCommand::Operator << "-" << false;
    QTest::newRow("Enter is the equals key") << 13 << "" << KeyCommand::Operator << "=" << false;
    QTest::newRow("keypad decimal separator") << 110 << "" << KeyCommand::Decimal << "" << false;
    QTest::newRow("Backspace clears the entry") << 8 << "" << KeyCommand::ClearEntry << "" << false;
    QTest::newRow("Delete clears all") << 46 << "" << KeyCommand::ClearAll << "" << false;
    QTest::newRow("F1 opens the help") << 112 << "" << KeyCommand::Help << "" << true;
    QTest::newRow("F2 opens About") << 113 << "" << KeyCommand::About << "" << true;
    QTest::newRow("typing block 5 by its code alone") << 53 << "" << KeyCommand::None << "" << false;
    QTest::newRow("typing block 5 types 5") << 53 << "5" << KeyCommand::Digit << "5" << false;
    QTest::newRow("French layout: the 1 key types &") << 49 << "&" << KeyCommand::None << "" << false;
    // Typed characters and the operator they run: "x" and "*" both multiply.
    for (const auto &[typed, caption] : {std::pair{"+", "+"}, {"-", "-"}, {"*", "X"}, {"x", "X"}, {"/", "/"}, {"=", "="}})
        QTest::addRow("typed %s", typed) << 0 << typed << KeyCommand::Operator << caption << false;
    QTest::newRow("typed comma") << 0 << "," << KeyCommand::Decimal << "" << false;
    QTest::newRow("typed dot") << 0 << "." << KeyCommand::Decimal << "" << false;
    QTest::newRow("other letters do nothing") << 69 << "e" << KeyCommand::None << "" << false;
    QTest::newRow("the code wins over the text") << 46 << "." << KeyCommand::ClearAll << "" << false;
    QTest::newRow("keypad separator key does nothing") << 108 << "" << KeyCommand::None << "" << false;
    QTest::newRow("Tab does nothing") << 9 << "" << KeyCommand::None << "" << false;
    QTest::newRow("Space does nothing") << 32 << "" << KeyCommand::None << "" << false;
}

void TestKeyMap::keyAction()
{
    QFETCH(int, code);
    QFETCH(QString, typed);
    QFETCH(KeyCommand, command);
    QFETCH(QString, key);
    QFETCH(bool, overParameters);

    const Euro::KeyAction action = Euro::keyAction(code, typed);
    if (typed.isEmpty())
        QCOMPARE(Euro::keyAction(code), action);
    QCOMPARE(action.command, command);
    if (command == KeyCommand::Digit)
        QCOMPARE(QString::number(action.index), key);
    if (command == KeyCommand::Operator)
        QCOMPARE(Calculator::operatorCaption(action.index), key);
    QCOMPARE(Euro::actsOverParameters(action), overParameters);
}

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
