// The keyboard map as the user meets it: a key pressed between "1 2" and "3 =" does what
// clicking its keypad key does there (the same displays, the same tape); the function keys
// are the window's, not the calculator's.

#include "engine/calculator.h"
#include "engine/keymap.h"
#include "support/keysequence.h"
#include "tape/tape.h"

#include <QTest>

namespace {

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
    // Codes in Windows numbering, the character the key types, and the keypad clicks it
    // stands for ("" none).
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clicks");

    QTest::newRow("keypad 0") << 96 << ""
                              << "0";
    QTest::newRow("keypad 7") << 103 << ""
                              << "7";
    QTest::newRow("keypad + adds") << 107 << ""
                                   << "+";
    QTest::newRow("keypad / divides") << 111 << ""
                                      << "/";
    QTest::newRow("keypad * multiplies") << 106 << ""
                                         << "X";
    QTest::newRow("keypad - subtracts") << 109 << ""
                                        << "-";
    QTest::newRow("Enter is the equals key") << 13 << ""
                                             << "=";
    QTest::newRow("keypad decimal separator") << 110 << ""
                                              << ",";
    QTest::newRow("Backspace erases a digit") << 8 << ""
                                              << "BS";
    QTest::newRow("Delete clears all") << 46 << ""
                                       << "C";
    QTest::newRow("F1 is the window's help") << 112 << ""
                                             << "";
    QTest::newRow("F2 is the window's About") << 113 << ""
                                              << "";
    QTest::newRow("typing block 5 by its code alone") << 53 << ""
                                                      << "";
    QTest::newRow("typing block 5 types 5") << 53 << "5"
                                            << "5";
    QTest::newRow("French layout: the 1 key types &") << 49 << "&"
                                                      << "";
    // Typed characters and the key they run: "x" and "*" both multiply.
    for (const auto &[typed, caption] :
         {std::pair{"+", "+"}, {"-", "-"}, {"*", "X"}, {"x", "X"}, {"/", "/"}, {"=", "="}})
        QTest::addRow("typed %s", typed) << 0 << typed << caption;
    QTest::newRow("typed comma") << 0 << ","
                                 << ",";
    QTest::newRow("typed dot") << 0 << "."
                               << ",";
    QTest::newRow("other letters do nothing") << 69 << "e"
                                              << "";
    QTest::newRow("the code wins over the text") << 46 << "."
                                                 << "C";
    QTest::newRow("keypad separator key does nothing") << 108 << ""
                                                       << "";
    QTest::newRow("Tab does nothing") << 9 << ""
                                      << "";
    QTest::newRow("Space does nothing") << 32 << ""
                                        << "";
}

void TestKeyMap::keyDoesWhatItsClickDoes()
{
    QFETCH(int, code);
    QFETCH(QString, typed);
    QFETCH(QString, clicks);

    const Euro::KeyAction action = Euro::keyAction(code, typed);

    Tape keyedTape;
    Calculator keyed(keyedTape);
    keyed.start(QStringLiteral("6,55957"));
    QVERIFY(TestKeys::press(keyed, QStringLiteral("1 2")));
    keyed.run(action);
    QVERIFY(TestKeys::press(keyed, QStringLiteral("3 =")));

    Tape clickedTape;
    Calculator clicked(clickedTape);
    clicked.start(QStringLiteral("6,55957"));
    QVERIFY(TestKeys::press(clicked, QStringLiteral("1 2 ") + clicks + QStringLiteral(" 3 =")));
    QCOMPARE(screenAndTape(keyed, keyedTape), screenAndTape(clicked, clickedTape));
}

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
