// A long run of random input over the real calculator window: clicks anywhere on the
// visible controls, random keys, both panels, currency and option choices, and rates typed
// and validated with texts of every kind. After every event the window must still be whole:
// displays that read as numbers (or are being keyed), a tape that only grows unless it was
// cleared, and a store that only ever holds rates, apart from hand-edited texts left as they
// were.
//
// The run is reproducible: the seed is printed, and PECUNIO_RANDOM_SEED replays it.
// PECUNIO_RANDOM_EVENTS sets the number of events (the build's own count otherwise).

#include "windowfixture.h"

#include "ui/kit/settings.h"
#include "engine/currencies.h"
#include "engine/numbertext.h"
#include "platform/printdialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#ifndef PECUNIO_RANDOM_EVENTS
#define PECUNIO_RANDOM_EVENTS 100000
#endif

namespace {

int eventCount()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("PECUNIO_RANDOM_EVENTS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : PECUNIO_RANDOM_EVENTS;
}

quint32 seed()
{
    bool ok = false;
    const uint fromEnvironment = qEnvironmentVariable("PECUNIO_RANDOM_SEED").toUInt(&ok);
    return ok ? fromEnvironment : QRandomGenerator::system()->generate();
}

// Rate texts as a user might type them: rates, and texts that are not numbers, negative,
// zero, huge or tiny, or empty. The box takes eight characters at most.
const QStringList TypedRates{
    QStringLiteral("6,55957"), QStringLiteral("1,95583"), QStringLiteral("7"),        QStringLiteral(",5"),
    QStringLiteral("2,"),      QStringLiteral("6,6E1"),   QStringLiteral("0,000001"), QStringLiteral("99999999"),
    QStringLiteral("1E+308"),  QStringLiteral("1E-300"),  QStringLiteral("9E+99999"), QStringLiteral("6.55957"),
    QStringLiteral("abc"),     QStringLiteral("-1,5"),    QStringLiteral("0"),        QStringLiteral("-0"),
    QStringLiteral(""),        QStringLiteral(","),       QStringLiteral("-"),        QStringLiteral("1,2,3"),
    QStringLiteral(" 6,5"),    QStringLiteral("E5"),
};

// Hand edits a user may have made to the store before the run.
const QStringList HandEdits{QStringLiteral("6.55957"), QStringLiteral("-1,95583"), QStringLiteral("abc"),
                            QStringLiteral(""),        QStringLiteral("0"),        QString(300, u'9')};

struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

QList<KeyStroke> keyboard()
{
    QList<KeyStroke> keys;
    for (Qt::Key k :
         {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Space,     Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,
          Qt::Key_Down,  Qt::Key_Return,  Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Home,
          Qt::Key_End,   Qt::Key_PageUp,  Qt::Key_PageDown,  Qt::Key_F1,     Qt::Key_F2,     Qt::Key_F3,
          Qt::Key_Comma, Qt::Key_Period,  Qt::Key_Minus,     Qt::Key_Plus,   Qt::Key_Equal,  Qt::Key_Asterisk,
          Qt::Key_Slash, Qt::Key_A,       Qt::Key_E,         Qt::Key_X,      Qt::Key_Z})
        keys.append({k, Qt::NoModifier});
    for (int d = Qt::Key_0; d <= Qt::Key_9; ++d) {
        keys.append({Qt::Key(d), Qt::NoModifier});     // the main block's digits
        keys.append({Qt::Key(d), Qt::KeypadModifier}); // the keypad's,
        keys.append({Qt::Key(d), Qt::KeypadModifier}); // twice as likely
    }
    for (Qt::Key k : {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk, Qt::Key_Slash, Qt::Key_Enter, Qt::Key_Period,
                      Qt::Key_Comma, Qt::Key_Delete})
        keys.append({k, Qt::KeypadModifier});
    for (Qt::Key k : {Qt::Key_Tab, Qt::Key_A, Qt::Key_V, Qt::Key_Z})
        keys.append({k, Qt::ControlModifier});
    keys.append({Qt::Key_Tab, Qt::ShiftModifier});
    keys.append({Qt::Key_I, Qt::AltModifier});
    return keys;
}

// Texts a display may show: a number, or an entry being keyed ("0,", ",5", "-").
bool displayable(const QString &text)
{
    if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return false;
    const auto status = Euro::NumberText::parse(text).status;
    return status == Euro::NumberText::ReadStatus::Number || status == Euro::NumberText::ReadStatus::NoDigits;
}

// The offscreen platform says so at every change of the stay-on-top state: once is enough.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        previousHandler(type, context, message);
}

} // namespace

class TestRandomWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void randomInput();

private:
    QWidget *randomVisibleControl();
    void click(QWidget *control, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void clickCentre(const QString &name);
    void clickItem(QListWidget *list);
    void press(const KeyStroke &stroke);
    void editRate();
    void step();
    void check();

    QRandomGenerator m_random;
    FrmEuro *m_window = nullptr;
    QList<KeyStroke> m_keys = keyboard();
    QString m_action;   // the last event, for the failure report
    QString m_tapeTail; // the end of the tape after the last event
    qsizetype m_tapeLength = 0;
    bool m_tapeCleared = false;
    QMap<QString, QString> m_handEdited; // key -> the text the user left in the store
    QString m_storeFile;
    QDateTime m_storeSeen;
    qint64 m_storeSize = -1;
};

QWidget *TestRandomWindow::randomVisibleControl()
{
    QList<QWidget *> visible;
    for (QWidget *w : m_window->findChildren<QWidget *>()) {
        if (w->isVisible() && w->width() > 0 && w->height() > 0)
            visible.append(w);
    }
    return visible.isEmpty() ? m_window : visible.at(m_random.bounded(int(visible.size())));
}

void TestRandomWindow::click(QWidget *control, QPoint at, Qt::MouseButton button)
{
    // The event goes where the user's pointer would land: the topmost control there.
    const QPoint inWindow = control->mapTo(m_window, at);
    QWidget *target = m_window->childAt(inWindow);
    if (!target)
        target = m_window;
    const QPoint local = target->mapFrom(m_window, inWindow);
    m_action = QStringLiteral("click %1 at %2,%3 on %4")
                   .arg(button == Qt::LeftButton ? "left" : "right")
                   .arg(local.x())
                   .arg(local.y())
                   .arg(target->objectName().isEmpty() ? QString::fromLatin1(target->metaObject()->className())
                                                       : target->objectName());
    if (m_random.bounded(4) == 0) {
        // The pointer passes over it first: hover hints.
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    QTest::mouseClick(target, button, Qt::NoModifier, local);
}

void TestRandomWindow::clickCentre(const QString &name)
{
    auto *control = m_window->findChild<QWidget *>(name);
    if (control && control->isVisible())
        click(control, control->rect().center());
}

void TestRandomWindow::clickItem(QListWidget *list)
{
    if (!list || !list->isVisible() || list->count() == 0)
        return;
    QListWidgetItem *item = list->item(m_random.bounded(list->count()));
    list->scrollToItem(item);
    click(list->viewport(), list->visualItemRect(item).center());
}

void TestRandomWindow::press(const KeyStroke &stroke)
{
    QWidget *focus = QApplication::focusWidget();
    QWidget *target = focus && (focus == m_window || m_window->isAncestorOf(focus)) ? focus : m_window;
    m_action = QStringLiteral("key %1 (modifiers %2) on %3")
                   .arg(QKeySequence(stroke.key).toString())
                   .arg(int(stroke.modifiers), 0, 16)
                   .arg(target->objectName());
    if (stroke.key == Qt::Key_F2) {
        // The About window is modal: close it as soon as it is up.
        QTimer::singleShot(0, m_window, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
    }
    QTest::keyClick(target, stroke.key, stroke.modifiers);
}

void TestRandomWindow::editRate()
{
    auto *parameters = m_window->findChild<QWidget *>(QStringLiteral("fraParametres"));
    if (parameters && parameters->isHidden()) {
        clickCentre(QStringLiteral("lblFermer(2)"));
        check();
    }
    clickItem(m_window->findChild<QListWidget *>(QStringLiteral("lstPays")));
    check();
    auto *box = m_window->findChild<QLineEdit *>(QStringLiteral("txtTaux"));
    if (!box || !box->isVisible())
        return;
    click(box, box->rect().center());
    box->selectAll();
    const QString text = TypedRates.at(m_random.bounded(int(TypedRates.size())));
    QTest::keyClicks(box, text);
    m_action = QStringLiteral("typed \"%1\" as a rate").arg(text);
    check();
    clickCentre(QStringLiteral("cmdTaux"));
}

void TestRandomWindow::step()
{
    const int kind = m_random.bounded(100);
    if (kind < 45) {
        QWidget *control = randomVisibleControl();
        const QPoint at(m_random.bounded(control->width()), m_random.bounded(control->height()));
        click(control, at, m_random.bounded(10) == 0 ? Qt::RightButton : Qt::LeftButton);
    } else if (kind < 85) {
        press(m_keys.at(m_random.bounded(int(m_keys.size()))));
    } else if (kind < 90) {
        clickCentre(QStringLiteral("lblFermer(%1)").arg(m_random.bounded(4)));
    } else if (kind < 94) {
        // The currency picker: open it, then pick.
        clickCentre(m_random.bounded(2) ? QStringLiteral("Label2") : QStringLiteral("lblDevise"));
        check();
        clickItem(m_window->findChild<QListWidget *>(QStringLiteral("lstListe")));
    } else if (kind < 97) {
        static const QStringList options{QStringLiteral("optCalcul(0)"), QStringLiteral("optCalcul(1)"),
                                         QStringLiteral("optDecimal(0)"), QStringLiteral("optDecimal(1)")};
        clickCentre(options.at(m_random.bounded(int(options.size()))));
    } else {
        editRate();
    }
}

void TestRandomWindow::check()
{
    QVERIFY2(m_window->isVisible(), qPrintable(m_action));

    for (int i = 0; i < 2; ++i) {
        const QString shown = m_window->findChild<QLineEdit *>(QStringLiteral("ReadOut(%1)").arg(i))->text();
        const QString held = m_window->calculator().ReadOut(i);
        QVERIFY2(
            displayable(shown) && displayable(held),
            qPrintable(
                QStringLiteral("display %1 shows \"%2\" (holds \"%3\") after %4").arg(i).arg(shown, held, m_action)));
    }

    const QString tape = m_window->tape().text();
    if (!m_tapeCleared) {
        QVERIFY2(tape.size() >= m_tapeLength
                     && tape.mid(m_tapeLength - m_tapeTail.size(), m_tapeTail.size()) == m_tapeTail,
                 qPrintable(QStringLiteral("the tape lost text after ") + m_action));
    }
    m_tapeCleared = false;
    m_tapeLength = tape.size();
    m_tapeTail = tape.right(64);

    // The store changes only when it is written; read it again then.
    const QFileInfo store(m_storeFile);
    if (store.lastModified() != m_storeSeen || store.size() != m_storeSize) {
        m_storeSeen = store.lastModified();
        m_storeSize = store.size();
        QStringList keys{Euro::KeyStartRate};
        for (const Euro::Currency &c : Euro::CurrencyTable)
            keys << c.code.toString();
        for (const QString &key : keys) {
            const QString text = Euro::GetSetting(Euro::AppName(), Euro::SectionTaux, key);
            const bool leftAsItWas = m_handEdited.contains(key) && m_handEdited.value(key) == text;
            const std::optional<Amount> rate = Euro::NumberText::read(text);
            QVERIFY2((rate && *rate > 0) || leftAsItWas,
                     qPrintable(QStringLiteral("the store holds \"%1\" for %2 after %3").arg(text, key, m_action)));
        }
    }
}

void TestRandomWindow::randomInput()
{
    const quint32 runSeed = seed();
    const int events = eventCount();
    qInfo("random input: %d events, seed %u (replay with PECUNIO_RANDOM_SEED=%u)", events, runSeed, runSeed);
    m_random.seed(runSeed);
    previousHandler = qInstallMessageHandler(quietHandler);
    auto restoreHandler = qScopeGuard([] { qInstallMessageHandler(previousHandler); });

    // Help finds no desktop tools here, so F1 starts nothing; printing is cancelled.
    QTemporaryDir emptyPath;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    auto restorePath = qScopeGuard([&] { qputenv("PATH", oldPath); });
    const Euro::PrintDialogRunner previousDialog =
        Euro::installPrintDialogRunner([](QPrinter &, QWidget *) { return false; });
    auto restoreDialog = qScopeGuard([&] { Euro::installPrintDialogRunner(previousDialog); });

    TestSupport::ThrowAwaySettings settings;
    TestSupport::FixedClock clock(TestSupport::tapeMoment());
    TestSupport::MessageCapture messages;
    TestSupport::seedDefaultRates();
    m_storeFile = Euro::settingsFilePath(Euro::AppName());
    {
        // A few rates edited by hand before the start.
        QSettings store(m_storeFile, QSettings::IniFormat);
        for (int i = m_random.bounded(4); i > 0; --i) {
            const QString key =
                m_random.bounded(13) == 12
                    ? QString(Euro::KeyStartRate)
                    : Euro::CurrencyTable.at(size_t(m_random.bounded(Euro::CurrencyCount))).code.toString();
            const QString text = HandEdits.at(m_random.bounded(int(HandEdits.size())));
            store.setValue(QString(Euro::SectionTaux) + QLatin1Char('/') + key, text);
            m_handEdited.insert(key, text);
        }
    }

    FrmEuro window;
    m_window = &window;
    connect(&window.tape(), &Tape::cleared, this, [this] { m_tapeCleared = true; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.windowHandle()));
    m_action = QStringLiteral("the load");
    check();

    for (int n = 0; n < events; ++n) {
        step();
        check();
        if (QTest::currentTestFailed()) {
            qWarning("event %d of seed %u", n, runSeed);
            return;
        }
        if (n % 256 == 0) {
            QCoreApplication::processEvents(); // timers, repaints, deferred deletes
            messages.clear();
        }
    }
}

QTEST_MAIN(TestRandomWindow)
#include "tst_randomwindow.moc"
