// The small parts the window is built from: the key label's mouse reports, the face under
// it, a list's clicks, and the key codes handed to the window's key routine.

#include "engine/keymap.h"
#include "ui/kit/windowkit.h"
#include "ui/main/faceshape.h"
#include "ui/main/keylabel.h"
#include "ui/main/listclicks.h"
#include "ui/main/virtualkey.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

class TestKeyParts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pressAndRelease_data();
    void pressAndRelease();
    void pressReleaseClickOrder();
    void moveReportsPositionInTwips();
    void paintsAsALabel_data();
    void paintsAsALabel();
    void buttonMask_data();
    void buttonMask();
    void faceOutline_data();
    void faceOutline();
    void faceLetsTheMouseThrough();
    void listClicks_data();
    void listClicks();
    void virtualKeyCode_data();
    void virtualKeyCode();
    void shiftState_data();
    void shiftState();
};

void TestKeyParts::pressAndRelease_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("buttonMask");

    QTest::newRow("left press and release inside clicks") << int(Qt::LeftButton) << QPoint(10, 8) << 1 << 1;
    QTest::newRow("left release outside does not click, still releases")
        << int(Qt::LeftButton) << QPoint(100, 8) << 0 << 1;
    QTest::newRow("right button never clicks") << int(Qt::RightButton) << QPoint(10, 8) << 0 << 2;
    QTest::newRow("middle button never clicks") << int(Qt::MiddleButton) << QPoint(10, 8) << 0 << 4;
}

void TestKeyParts::pressAndRelease()
{
    QFETCH(int, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    QFETCH(int, buttonMask);

    KeyLabel key;
    key.resize(18, 17);
    QSignalSpy down(&key, &KeyLabel::mouseDown);
    QSignalSpy up(&key, &KeyLabel::mouseUp);
    QSignalSpy clicked(&key, &KeyLabel::clicked);
    const auto which = Qt::MouseButton(button);
    QTest::mousePress(&key, which, Qt::ShiftModifier, QPoint(9, 8));
    QTest::mouseRelease(&key, which, Qt::ShiftModifier, releaseAt);
    QCOMPARE(down.size(), 1);
    QCOMPARE(up.size(), 1);
    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(down.first().at(0).value<qint16>(), qint16(buttonMask));
    QCOMPARE(down.first().at(1).value<qint16>(), qint16(1));
    QCOMPARE(up.first().at(0).value<qint16>(), qint16(buttonMask));
    QCOMPARE(up.first().at(2).value<float>(), float(releaseAt.x() * 15));
}

void TestKeyParts::pressReleaseClickOrder()
{
    KeyLabel key;
    key.resize(18, 17);
    key.show();
    QVERIFY(QTest::qWaitForWindowExposed(&key));
    QStringList order;
    connect(&key, &KeyLabel::mouseDown, this, [&order] { order << QStringLiteral("down"); });
    connect(&key, &KeyLabel::mouseUp, this, [&order] { order << QStringLiteral("up"); });
    connect(&key, &KeyLabel::clicked, this, [&order] { order << QStringLiteral("click"); });
    // Two quick clicks, as the desktop delivers them: the second one is also a double click.
    QTest::mouseClick(key.windowHandle(), Qt::LeftButton, {}, QPoint(9, 8));
    QTest::mouseDClick(key.windowHandle(), Qt::LeftButton, {}, QPoint(9, 8));
    // Each click is a key stroke: "00" keyed fast gives two zeros, each press once.
    const QStringList once{"down", "up", "click"};
    QCOMPARE(order, once + once + once);
}

void TestKeyParts::moveReportsPositionInTwips()
{
    KeyLabel key;
    key.resize(40, 20);
    QVERIFY(key.hasMouseTracking());
    QSignalSpy moved(&key, &KeyLabel::mouseMove);
    QMouseEvent move(QEvent::MouseMove, QPointF(7, 3), key.mapToGlobal(QPointF(7, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::ControlModifier);
    QCoreApplication::sendEvent(&key, &move);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved.first().at(0).value<qint16>(), qint16(0));
    QCOMPARE(moved.first().at(1).value<qint16>(), qint16(2));
    QCOMPARE(moved.first().at(2).value<float>(), 105.0f);
    QCOMPARE(moved.first().at(3).value<float>(), 45.0f);
}

void TestKeyParts::paintsAsALabel_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("framed");
    QTest::addColumn<bool>("wrapped");
    QTest::addColumn<QString>("font"); // family and points
    QTest::addColumn<QSize>("size");
    // The window's own keys, as it sets them up.
    const int topLeft = Qt::AlignLeft | Qt::AlignTop;
    QTest::newRow("key caption") << "7" << int(Qt::AlignHCenter | Qt::AlignTop) << false << false << "Tahoma 9"
                                 << QSize(18, 17);
    QTest::newRow("framed switch") << "<" << int(Qt::AlignCenter) << true << false << "System 9.75" << QSize(16, 19);
    QTest::newRow("a caption taller than its frame")
        << QString::fromUtf8("paramètres") << int(Qt::AlignCenter) << true << false << "Tahoma 6.75" << QSize(69, 13);
    QTest::newRow("one letter a line") << "O P E R A T I O N S" << topLeft << true << true << "Tahoma 6.75"
                                       << QSize(10, 112);
    QTest::newRow("indented from a framed corner")
        << "X" << int(Qt::AlignRight | Qt::AlignBottom) << true << false << "Tahoma 9" << QSize(30, 20);
}

void TestKeyParts::paintsAsALabel()
{
    QFETCH(QString, caption);
    QFETCH(int, alignment);
    QFETCH(bool, framed);
    QFETCH(bool, wrapped);
    QFETCH(QString, font);
    QFETCH(QSize, size);
    // The key and the label it replaces, alike in everything the window sets on them.
    KeyLabel key;
    QLabel label;
    key.setFramed(framed);
    if (framed)
        label.setFrameStyle(QFrame::Box | QFrame::Plain);
    const auto setUp = [&](auto &w) {
        w.setText(caption);
        w.setAlignment(Qt::Alignment(alignment));
        w.setWordWrap(wrapped);
        w.setFont(Euro::designFont(font.section(u' ', 0, 0), font.section(u' ', 1).toDouble(), true));
        Euro::setColours(&w, Qt::darkBlue, Qt::yellow);
        w.resize(size);
    };
    setUp(key);
    setUp(label);
    QCOMPARE(key.grab().toImage(), label.grab().toImage());
}

void TestKeyParts::buttonMask_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("mask");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("left") << int(Qt::LeftButton) << 1;
    QTest::newRow("right") << int(Qt::RightButton) << 2;
    QTest::newRow("middle") << int(Qt::MiddleButton) << 4;
    QTest::newRow("a side button counts for nothing") << int(Qt::BackButton) << 0;
}

void TestKeyParts::buttonMask()
{
    QFETCH(int, buttons);
    QFETCH(int, mask);
    QCOMPARE(KeyLabel::buttonMask(Qt::MouseButtons(buttons)), qint16(mask));
}

void TestKeyParts::faceOutline_data()
{
    QTest::addColumn<bool>("rounded");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRectF>("outline");

    QTest::newRow("round key") << false << QSize(19, 19) << QRectF(0, 0, 19, 19);
    QTest::newRow("taller face keeps a circle, centred") << false << QSize(19, 22) << QRectF(0, 1.5, 19, 19);
    QTest::newRow("wider face keeps a circle, centred") << false << QSize(25, 19) << QRectF(3, 0, 19, 19);
    QTest::newRow("rounded rectangle fills its box") << true << QSize(43, 19) << QRectF(0, 0, 43, 19);
}

void TestKeyParts::faceOutline()
{
    QFETCH(bool, rounded);
    QFETCH(QSize, size);
    QFETCH(QRectF, outline);
    FaceShape face(rounded ? FaceShape::Kind::RoundedRectangle : FaceShape::Kind::Circle);
    face.resize(size);
    QCOMPARE(face.outline(), outline);
}

void TestKeyParts::faceLetsTheMouseThrough()
{
    QWidget container;
    container.resize(60, 60);
    auto *under = new KeyLabel(&container);
    under->setGeometry(0, 0, 60, 60);
    auto *face = new FaceShape(FaceShape::Kind::Circle, &container);
    face->setGeometry(10, 10, 19, 19);
    face->setFillColor(Qt::black);
    face->setBorderColor(QColor(0xd4, 0xd0, 0xc8));
    face->setBorderWidth(2);
    QCOMPARE(face->borderColor(), QColor(0xd4, 0xd0, 0xc8));
    // Though lying on top, the face is not what the pointer finds.
    QCOMPARE(container.childAt(20, 20), under);
    // The face paints its fill inside and its border on the edge.
    face->setBorderColor(Qt::red);
    const QImage image = face->grab().toImage();
    QCOMPARE(QColor(image.pixel(9, 9)), QColor(Qt::black));
    const QColor edge(image.pixel(9, 0));
    QVERIFY2(edge.red() > 200 && edge.green() < 50 && edge.blue() < 50, qPrintable(edge.name()));
}

void TestKeyParts::listClicks_data()
{
    QTest::addColumn<QString>("actions"); // "select n" by the program, "click n" on row n (-1 below the rows), "down"
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("picked"); // the row selected when the last click came

    QTest::newRow("the program selects a row") << "select 2" << 1 << "DEM";
    QTest::newRow("the program clears the selection") << "select 2 select -1" << 2 << "";
    QTest::newRow("the program selects the same row twice") << "select 2 select 2" << 1 << "DEM";
    QTest::newRow("a click on a row") << "click 1" << 1 << "BEF";
    QTest::newRow("a click on the row already selected") << "click 1 click 1" << 2 << "BEF";
    QTest::newRow("a click on the row the program selected") << "select 1 click 1" << 2 << "BEF";
    QTest::newRow("a click on another row") << "click 1 click 2" << 2 << "DEM";
    QTest::newRow("the arrow key moves the selection") << "click 0 down" << 2 << "BEF";
    QTest::newRow("the arrow key, then a click on the new row") << "click 0 down click 1" << 3 << "BEF";
    QTest::newRow("a click below the rows") << "click -1" << 0 << "";
}

void TestKeyParts::listClicks()
{
    QFETCH(QString, actions);
    QFETCH(int, clicks);
    QFETCH(QString, picked);

    QListWidget list;
    list.addItems({QStringLiteral("ATS"), QStringLiteral("BEF"), QStringLiteral("DEM")});
    list.resize(80, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    auto *watcher = new ListClicks(&list);
    QSignalSpy spy(watcher, &ListClicks::clicked);
    QString pickedAtClick;
    connect(watcher, &ListClicks::clicked, this, [&] {
        const QList<QListWidgetItem *> selected = list.selectedItems();
        pickedAtClick = selected.isEmpty() ? QString() : selected.first()->text();
    });
    const QStringList words = actions.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (word == QLatin1String("down")) {
            QTest::keyClick(&list, Qt::Key_Down);
            continue;
        }
        const int row = words.at(++i).toInt();
        if (word == QLatin1String("select")) {
            list.setCurrentRow(row);
        } else {
            const QPoint at =
                row < 0 ? QPoint(10, list.viewport()->height() - 5) : list.visualItemRect(list.item(row)).center();
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        }
    }
    QCOMPARE(spy.size(), clicks);
    QCOMPARE(pickedAtClick, picked);
}

void TestKeyParts::virtualKeyCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code"); // as the engine's key map knows keys

    QTest::newRow("keypad 0") << int(Qt::Key_0) << true << int(Euro::VkNumpad0);
    QTest::newRow("keypad 7") << int(Qt::Key_7) << true << int(Euro::VkNumpad0 + 7);
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << true << int(Euro::VkAdd);
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << true << int(Euro::VkMultiply);
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << true << int(Euro::VkSubtract);
    QTest::newRow("main-block full stop has no code") << int(Qt::Key_Period) << false << int(Euro::VkNone);
    QTest::newRow("F2") << int(Qt::Key_F2) << false << int(Euro::VkF2);
    QTest::newRow("keypad decimal as a period") << int(Qt::Key_Period) << true << int(Euro::VkDecimal);
    QTest::newRow("keypad decimal as a comma") << int(Qt::Key_Comma) << true << int(Euro::VkDecimal);
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << true << int(Euro::VkDivide);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << int(Euro::VkReturn);
    QTest::newRow("main Enter") << int(Qt::Key_Return) << false << int(Euro::VkReturn);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << false << int(Euro::VkBack);
    QTest::newRow("Delete") << int(Qt::Key_Delete) << false << int(Euro::VkDelete);
    QTest::newRow("keypad Delete without Num Lock") << int(Qt::Key_Delete) << true << int(Euro::VkDelete);
    QTest::newRow("F1") << int(Qt::Key_F1) << false << int(Euro::VkF1);
    QTest::newRow("main-block 5 is not keypad 5") << int(Qt::Key_5) << false << int(Euro::Vk0 + 5);
    QTest::newRow("main-block + has no code") << int(Qt::Key_Plus) << false << int(Euro::VkNone);
    QTest::newRow("letter A") << int(Qt::Key_A) << false << int(Euro::VkA);
    QTest::newRow("an accented letter has no code") << int(Qt::Key_Eacute) << false << int(Euro::VkNone);
}

void TestKeyParts::virtualKeyCode()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(int, code);
    QCOMPARE(Euro::virtualKeyCode(key, keypad), code);
    const QKeyEvent event(QEvent::KeyPress, key, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(Euro::virtualKeyCode(event), code);
}

void TestKeyParts::shiftState_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("mask");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("Shift") << int(Qt::ShiftModifier) << 1;
    QTest::newRow("Ctrl") << int(Qt::ControlModifier) << 2;
    QTest::newRow("Alt") << int(Qt::AltModifier) << 4;
    QTest::newRow("Shift Ctrl Alt") << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
    QTest::newRow("keypad is not a shift key") << int(Qt::KeypadModifier) << 0;
}

void TestKeyParts::shiftState()
{
    QFETCH(int, modifiers);
    QFETCH(int, mask);
    QCOMPARE(Euro::shiftState(Qt::KeyboardModifiers(modifiers)), mask);
}

QTEST_MAIN(TestKeyParts)
#include "tst_keyparts.moc"
