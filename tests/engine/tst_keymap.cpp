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
    QTest::addColumn<KeyCommand>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("overParameters");

    QTest::newRow("keypad 0") << 96 << KeyCommand::Digit << "0" << false;
    QTest::newRow("keypad 7") << 103 << KeyCommand::Digit << "7" << false;
    QTest::newRow("keypad + adds") << 107 << KeyCommand::Operator << "+" << false;
    QTest::newRow("keypad / divides") << 111 << KeyCommand::Operator << "/" << false;
    QTest::newRow("keypad * multiplies") << 106 << KeyCommand::Operator << "X" << false;
    QTest::newRow("keypad - subtracts") << 109 << KeyCommand::Operator << "-" << false;
    QTest::newRow("Enter is the equals key") << 13 << KeyCommand::Operator << "=" << false;
    QTest::newRow("keypad decimal separator") << 110 << KeyCommand::Decimal << "" << false;
    QTest::newRow("Backspace clears the entry") << 8 << KeyCommand::ClearEntry << "" << false;
    QTest::newRow("Delete clears all") << 46 << KeyCommand::ClearAll << "" << false;
    QTest::newRow("F1 opens the help") << 112 << KeyCommand::Help << "" << true;
    QTest::newRow("F2 opens About") << 113 << KeyCommand::About << "" << true;
    QTest::newRow("typing block 5 does nothing") << 53 << KeyCommand::None << "" << false;
    QTest::newRow("keypad separator key does nothing") << 108 << KeyCommand::None << "" << false;
    QTest::newRow("Tab does nothing") << 9 << KeyCommand::None << "" << false;
    QTest::newRow("Space does nothing") << 32 << KeyCommand::None << "" << false;
}

void TestKeyMap::keyAction()
{
    QFETCH(int, code);
    QFETCH(KeyCommand, command);
    QFETCH(QString, key);
    QFETCH(bool, overParameters);

    const Euro::KeyAction action = Euro::keyAction(code);
    QCOMPARE(action.command, command);
    if (command == KeyCommand::Digit)
        QCOMPARE(QString::number(action.index), key);
    if (command == KeyCommand::Operator)
        QCOMPARE(Calculator::operatorCaption(action.index), key);
    QCOMPARE(Euro::actsOverParameters(action), overParameters);
}

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
