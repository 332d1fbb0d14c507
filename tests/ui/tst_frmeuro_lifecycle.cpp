// The calculator window's load, its keypad driving the calculator and the tape, and its
// close question.

#include "windowfixture.h"

#include "ui/kit/twips.h"
#include "ui/kit/messageboxes.h"
#include "ui/about/frmabout.h"
#include "ui/kit/windowplacement.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>
#include <cmath>

using TestSupport::LoadedWindow;
using TestSupport::storedSetting;

namespace {

QString textOf(const Value &value)
{
    const QString *text = std::get_if<QString>(&value);
    return text ? *text : QStringLiteral("<not a text>");
}

QStringList listItems(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Clicks the named labels in turn, as the user would with the mouse.
void clickKeys(const LoadedWindow &loaded, const QString &keys)
{
    for (const QString &name : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QWidget *key = loaded.control(name);
        QVERIFY2(key, qPrintable(name));
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

const QString Header = QStringLiteral("08/12/2026 - 07:24\n-------------------------\nCalcul en FRF\n");

} // namespace

class TestFrmEuroLifecycle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void centredPosition_data();
    void centredPosition();
    void loadSizesPlacesAndKeepsOnTop();
    void loadRunsOnceAtFirstShow();
    void loadFillsListsAndRateTable();
    void deferredControlsBuiltOnFirstUse_data();
    void deferredControlsBuiltOnFirstUse();
    void loadGivesStartValues();
    void loadReadsRatesFromTheStore_data();
    void loadReadsRatesFromTheStore();
    void storeFaultsAreSaid_data();
    void storeFaultsAreSaid();
    void loadStartsTheTape();
    void readableInADarkTheme();
    void displaysShowTheWholeText_data();
    void displaysShowTheWholeText();
    void clickingKeys_data();
    void clickingKeys();
    void facesOutsideTheirLabelsTakeNoClick();
    void tapeBoxIsAppendedToNotRebuilt();
    void clearingTheTapeKeepsTheCalculation();
    void refusedOperationIsTold();
    void closeQuestion_data();
    void closeQuestion();
    void sessionEnd_data();
    void sessionEnd();
};

void TestFrmEuroLifecycle::centredPosition_data()
{
    QTest::addColumn<double>("screenWidth");
    QTest::addColumn<double>("screenHeight");
    QTest::addColumn<double>("windowWidth");
    QTest::addColumn<double>("windowHeight");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");

    QTest::newRow("1024 x 768, narrow window") << 15360.0 << 11520.0 << 2970.0 << 4065.0 << 6195.0 << 3727.5;
    QTest::newRow("1024 x 768, wide window") << 15360.0 << 11520.0 << 5190.0 << 4065.0 << 5085.0 << 3727.5;
    QTest::newRow("800 x 600") << 12000.0 << 9000.0 << 2970.0 << 4065.0 << 4515.0 << 2467.5;
    QTest::newRow("1920 x 1080") << 28800.0 << 16200.0 << 2970.0 << 4065.0 << 12915.0 << 6067.5;
    QTest::newRow("screen smaller than the window") << 1500.0 << 3000.0 << 2970.0 << 4065.0 << -735.0 << -532.5;
}

void TestFrmEuroLifecycle::centredPosition()
{
    QFETCH(double, screenWidth);
    QFETCH(double, screenHeight);
    QFETCH(double, windowWidth);
    QFETCH(double, windowHeight);
    QFETCH(double, left);
    QFETCH(double, top);
    const QPointF at =
        Euro::centredWindowPosition(float(screenWidth), float(screenHeight), float(windowWidth), float(windowHeight));
    QCOMPARE(at.x(), left);
    QCOMPARE(at.y(), top);
}

void TestFrmEuroLifecycle::loadSizesPlacesAndKeepsOnTop()
{
    LoadedWindow loaded;
    FrmEuro *window = loaded.window.get();
    QCOMPARE(window->Width(), 2970.0);
    QCOMPARE(window->Height(), 4065.0);
    // The calculator panel and the help line show whole.
    for (const char *name : {"Frame1", "Label3(0)"})
        QVERIFY2(window->rect().contains(loaded.control(QLatin1String(name))->geometry()), name);
    QVERIFY(!window->isWindowModified());
    // Centred: the outer frame's middle is the screen's middle, to the rounding pixel.
    const QRect screen = window->screen()->geometry();
    const QSize outer = Euro::twipsSize(window->Width(), window->Height());
    const QPoint middle = window->pos() + QPoint(outer.width() / 2, outer.height() / 2);
    QVERIFY2(std::abs(middle.x() - screen.center().x()) <= 1, qPrintable(QString::number(middle.x())));
    QVERIFY2(std::abs(middle.y() - screen.center().y()) <= 1, qPrintable(QString::number(middle.y())));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window->calculator().state().KeepOnTop, qint16(-1));
}

void TestFrmEuroLifecycle::loadRunsOnceAtFirstShow()
{
    TestSupport::ThrowAwaySettings settings;
    TestSupport::MessageCapture messages;
    TestSupport::seedDefaultRates();
    FrmEuro window;
    window.buildDeferredControls(); // lists built before the load stay empty until it
    QVERIFY(!window.isLoaded());
    QCOMPARE(window.findChild<QListWidget *>(QStringLiteral("lstPays"))->count(), 0);
    window.show();
    QVERIFY(window.isLoaded());
    window.hide();
    window.show();
    window.Form_Load();
    // Shown again, loaded once: the lists hold each currency once.
    QCOMPARE(window.findChild<QListWidget *>(QStringLiteral("lstPays"))->count(), Euro::CurrencyCount);
    QCOMPARE(window.findChild<QListWidget *>(QStringLiteral("lstListe"))->count(), Euro::CurrencyCount);
}

void TestFrmEuroLifecycle::deferredControlsBuiltOnFirstUse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("panelSwitch"); // lblFermer index; -1: the drop list's button
    QTest::newRow("drop list, by its button") << "lstListe" << -1;
    QTest::newRow("country list, as the parameters open") << "lstPays" << 2;
    QTest::newRow("tape box, as the window widens onto the tape") << "txtOperations" << 3;
}

// Not built at start; built on first use, the same as one built before the load.
void TestFrmEuroLifecycle::deferredControlsBuiltOnFirstUse()
{
    QFETCH(QString, name);
    QFETCH(int, panelSwitch);
    const QString keys = QStringLiteral("lblBouton(1) lblBouton(2) Operator(1) lblBouton(3) Operator(4)");
    LoadedWindow early;
    LoadedWindow late(true, false);
    QVERIFY(!late.control(name));
    // What the user sees of a control, and where it sits in the tab order.
    const auto seen = [&](const LoadedWindow &w) {
        clickKeys(w, keys);
        if (panelSwitch < 0)
            w.window->Label2_Click();
        else
            w.window->lblFermer_Click(qint16(panelSwitch));
        QWidget *c = w.control(name);
        if (!c)
            return QStringList{QStringLiteral("not built")};
        auto *list = qobject_cast<QListWidget *>(c);
        auto *box = qobject_cast<QPlainTextEdit *>(c);
        QWidget *next = c->nextInFocusChain();
        while (next != c && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return QStringList{QString::fromLatin1(c->metaObject()->className()),
                           c->parentWidget()->objectName(),
                           QString::number(c->geometry().x()) + QLatin1Char(',') + QString::number(c->geometry().y()),
                           c->toolTip(),
                           c->accessibleName(),
                           c->font().toString(),
                           QString::number(c->cursor().shape()),
                           c->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"),
                           next->objectName(),
                           list ? listItems(list).join(QLatin1Char('|')) : box->toPlainText(),
                           box && box->textCursor().atEnd() ? QStringLiteral("at end") : QString()};
    };
    QCOMPARE(seen(late), seen(early));
}

void TestFrmEuroLifecycle::loadFillsListsAndRateTable()
{
    LoadedWindow loaded; // the store holds every currency's default rate
    // Both lists in the engine's sorted order: the codes alone, then code and name.
    const QStringList texts = Euro::sortedListTexts();
    QStringList codes;
    for (const QString &text : texts)
        codes << text.left(3);
    QCOMPARE(listItems(loaded.control<QListWidget>(QStringLiteral("lstListe"))), codes);
    QCOMPARE(listItems(loaded.control<QListWidget>(QStringLiteral("lstPays"))), texts);
    // The rate table holds each currency once, with the rate read from the store.
    for (const Euro::Currency &currency : Euro::CurrencyTable) {
        const QString code = currency.code.toString();
        const int i = loaded.window->calculator().rates().indexOf(code);
        QVERIFY2(i >= 0, qPrintable(code));
        QCOMPARE(loaded.window->calculator().rates().entry(i), code + currency.defaultRate.toString());
    }
}

void TestFrmEuroLifecycle::loadGivesStartValues()
{
    LoadedWindow loaded;
    const CalculatorState &state = loaded.window->calculator().state();
    QCOMPARE(state.KeepOnTop, qint16(-1));
    QCOMPARE(state.CurrencyCode, QStringLiteral("FRF"));
    QCOMPARE(state.DecimalPlaces, qint16(2));
    QCOMPARE(state.InputDisplay, qint16(1));
    QCOMPARE(textOf(state.CurrentRate), QStringLiteral("6,55957"));
    QCOMPARE(state.DecimalTyped, qint16(0));
    QCOMPARE(state.OperandCount, qint16(0));
    QCOMPARE(textOf(state.LastInputKind), QStringLiteral("NONE"));
    QCOMPARE(textOf(state.PendingOperator), QStringLiteral(" "));
    QCOMPARE(loaded.control<QLabel>(QStringLiteral("lblDevise"))->text(), QStringLiteral("FRF"));
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), QStringLiteral("0,"));
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(0)"))->text(), QStringLiteral("0"));
    QCOMPARE(loaded.window->calculator().ReadOut(1), QStringLiteral("0,"));
    QVERIFY(loaded.messages.shown().isEmpty());
}

// Rates read back from the store, which people edit by hand. "key=text" sets a key of the
// rates section ("taux" is the start rate), "key" alone removes it; the others keep their
// default texts.
// Under a dark desktop palette, every control a user can see draws its text in a colour
// that stands out from its own background (contrast ratio of at least 3, as for large text).
void TestFrmEuroLifecycle::readableInADarkTheme()
{
    const QPalette desktop = QApplication::palette(); // a light one here
    QPalette dark(QColor(53, 53, 53));                // a dark window colour; the other roles follow it
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    // A dark desktop theme darkens the style's own standard palette too.
    struct ThemedStyle : QProxyStyle {
        QPalette standardPalette() const override { return QApplication::palette(); }
    };
    QApplication::setStyle(new ThemedStyle);
    QApplication::setPalette(dark);
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    {
        LoadedWindow w;
        w.window->lblFermer_Click(2); // the parameters' list and options too
        w.window->Label2_Click();
        FrmAbout about(w.window.get());
        about.show();
        for (QWidget *top : {static_cast<QWidget *>(w.window.get()), static_cast<QWidget *>(&about)}) {
            // Read as in a light theme: the light desktop's colours, scroll bars included.
            QList<QWidget *> drawn{top};
            for (QScrollBar *bar : top->findChildren<QScrollBar *>())
                drawn << bar;
            for (const QWidget *widget : std::as_const(drawn))
                for (int role = 0; role < QPalette::NoRole; ++role)
                    QCOMPARE(widget->palette().color(QPalette::ColorRole(role)).name(),
                             desktop.color(QPalette::ColorRole(role)).name());
            for (QWidget *control : top->findChildren<QWidget *>()) {
                const auto *label = qobject_cast<QLabel *>(control);
                const bool drawsText = label ? !label->text().isEmpty()
                                             : control->inherits("QAbstractButton") || control->inherits("QLineEdit")
                                                   || control->inherits("QAbstractScrollArea");
                // A disabled control's dimmed text is meant to read as such.
                if (!drawsText || !control->isVisible() || !control->isEnabled())
                    continue;
                control->ensurePolished();
                const QPalette &p = control->palette();
                const double a = luminance(p.color(control->foregroundRole()));
                const double b = luminance(p.color(control->backgroundRole()));
                const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
                QVERIFY2(ratio >= 3.0,
                         qPrintable(control->objectName() + QStringLiteral(": ") + QString::number(ratio)));
            }
        }
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(desktop);
}

void TestFrmEuroLifecycle::displaysShowTheWholeText_data()
{
    QTest::addColumn<int>("display");
    QTest::addColumn<QString>("text");
    for (int display : {0, 1}) {
        const QByteArray name = display == 0 ? "euros: " : "currency: ";
        QTest::newRow(name + "a third") << display << "33,3333333333333";
        QTest::newRow(name + "the longest text") << display << "-1,79769313486232E+308";
        QTest::newRow(name + "a full keyed amount") << display << "-12345678901234567890,";
    }
}

// A long text shrinks the font, same face and weight, until the whole text fits; a short
// one brings the design size back.
void TestFrmEuroLifecycle::displaysShowTheWholeText()
{
    QFETCH(int, display);
    QFETCH(QString, text);
    LoadedWindow w;
    auto *edit = w.control<QLineEdit>(QStringLiteral("ReadOut(%1)").arg(display));
    const QFont design = edit->font();
    w.window->calculator().setInputDisplay(qint16(display)); // the other one converts
    w.window->calculator().setReadOut(display, text);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->font().family(), design.family());
    QCOMPARE(edit->font().bold(), design.bold());
    QVERIFY(edit->font().pointSizeF() < design.pointSizeF());
    // The whole text lies inside the box: the cursor at its start is still in sight.
    const auto cursorAt = [edit](int position) {
        edit->setCursorPosition(position);
        return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    const int start = cursorAt(0);
    const int end = cursorAt(int(text.size()));
    QVERIFY2(start >= 0 && end <= edit->width(), qPrintable(QStringLiteral("%1 %2").arg(start).arg(end)));
    QCOMPARE(end - start, QFontMetrics(edit->font()).horizontalAdvance(text));
    w.window->calculator().setReadOut(display, QStringLiteral("7,"));
    QCOMPARE(edit->font(), design);
}

void TestFrmEuroLifecycle::loadReadsRatesFromTheStore_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("inUse"); // key=the rate the calculator takes for it
    QTest::addColumn<QString>("message");   // the names of the rates set aside

    const auto setAside = [](const QString &names, bool several = false) {
        return several ? QStringLiteral("Les taux %1 enregistrés dans les paramètres sont illisibles : les taux "
                                        "officiels sont utilisés.")
                             .arg(names)
                       : QStringLiteral("Le taux %1 enregistré dans les paramètres est illisible : le taux officiel "
                                        "est utilisé.")
                             .arg(names);
    };
    QTest::newRow("edited rates, start rate apart")
        << QStringList{"taux=7,1", "FRF=6,6", "DEM=2"} << QStringList{"taux=7,1", "FRF=6,6", "DEM=2"} << QString();
    QTest::newRow("full stop") << QStringList{"FRF=6.55957"} << QStringList{"FRF=6,55957"} << setAside("FRF");
    QTest::newRow("empty") << QStringList{"BEF="} << QStringList{"BEF=40,3399"} << setAside("BEF");
    QTest::newRow("missing key") << QStringList{"PTE"} << QStringList{"PTE=200,482"} << setAside("PTE");
    QTest::newRow("letters") << QStringList{"ITL=abc"} << QStringList{"ITL=1936,27"} << setAside("ITL");
    QTest::newRow("exponent form") << QStringList{"ESP=1e3"} << QStringList{"ESP=166,386"} << setAside("ESP");
    QTest::newRow("zero") << QStringList{"IEP=0"} << QStringList{"IEP=0,787564"} << setAside("IEP");
    QTest::newRow("negative") << QStringList{"DEM=-1,95583"} << QStringList{"DEM=1,95583"} << setAside("DEM");
    QTest::newRow("a hundred thousand digits")
        << QStringList{QStringLiteral("FRF=") + QString(100000, u'9')} << QStringList{"FRF=6,55957"} << setAside("FRF");
    QTest::newRow("longer than the rate box")
        << QStringList{"LUF=40339900000000000000000000000"} << QStringList{"LUF=40,3399"} << setAside("LUF");
    // The start rate is a key of its own: the franc's rate is not the one to blame.
    const QString startRate = QStringLiteral("Le taux de départ enregistré dans les paramètres (clé « taux ») est "
                                             "illisible : le calcul commence au taux officiel du FRF.");
    QTest::newRow("start rate") << QStringList{"taux=6.55957", "FRF=6,6"} << QStringList{"taux=6,55957", "FRF=6,6"}
                                << startRate;
    QTest::newRow("several, one message, each currency once")
        << QStringList{"FRF=x", "DEM=-2", "GRD=340,750", "taux", "ATS=1e2"}
        << QStringList{"FRF=6,55957", "DEM=1,95583", "GRD=340,750", "taux=6,55957", "ATS=13,7603"}
        << setAside("ATS, DEM et FRF", true) + QStringLiteral("\r\n") + startRate;
    QTest::newRow("franc only, start rate readable")
        << QStringList{"FRF=x", "taux=6,6"} << QStringList{"FRF=6,55957", "taux=6,6"} << setAside("FRF");
}

void TestFrmEuroLifecycle::loadReadsRatesFromTheStore()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, inUse);
    QFETCH(QString, message);

    TestSupport::ThrowAwaySettings settings;
    TestSupport::MessageCapture messages;
    const QString app = Euro::AppName();
    TestSupport::seedDefaultRates();
    {
        QSettings store(Euro::settingsFilePath(app), QSettings::IniFormat);
        for (const QString &edit : stored) {
            const QString key = edit.section(QLatin1Char('='), 0, 0);
            if (edit.contains(QLatin1Char('=')))
                store.setValue(QString(Euro::SectionTaux) + QLatin1Char('/') + key, edit.section(QLatin1Char('='), 1));
            else
                store.remove(QString(Euro::SectionTaux) + QLatin1Char('/') + key);
        }
    }

    FrmEuro window;
    window.show();
    for (const QString &rate : inUse) {
        const QString key = rate.section(QLatin1Char('='), 0, 0);
        const QString text = rate.section(QLatin1Char('='), 1);
        if (key == Euro::KeyStartRate) {
            QCOMPARE(textOf(window.calculator().state().CurrentRate), text);
        } else {
            QCOMPARE(window.calculator().rates().rateOf(key), std::optional<QString>(text));
            // The parameters panel shows the rate in use, so "Taux" writes it back.
            window.lblFermer_Click(2);
            auto *countries = window.findChild<QListWidget *>(QStringLiteral("lstPays"));
            countries->setCurrentItem(countries->findItems(key, Qt::MatchStartsWith).value(0));
            QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("txtTaux"))->text(), text);
            window.lblFermer_Click(0);
        }
    }
    QTest::qWait(1); // the message comes once the window is up
    if (message.isEmpty()) {
        QVERIFY(messages.shown().isEmpty());
    } else {
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, message);
        QCOMPARE(messages.shown().first().title, QStringLiteral("Pecunio"));
        QCOMPARE(messages.shown().first().style, int(Euro::vbExclamation));
    }
    // Nothing rewritten behind the user's back.
    for (const QString &edit : stored)
        QCOMPARE(storedSetting(Euro::SectionTaux, edit.section(QLatin1Char('='), 0, 0)),
                 edit.section(QLatin1Char('='), 1));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("ReadOut(1)"))->text(), QStringLiteral("0,"));
}

// A store that cannot be read (a folder in its place) or written (its folder under a plain
// file) is said once the window is up, with the legal rates in use; a rate validated all the
// same says that it holds for this run.
void TestFrmEuroLifecycle::storeFaultsAreSaid_data()
{
    QTest::addColumn<bool>("unreadable");
    QTest::newRow("unreadable") << true;
    QTest::newRow("unwritable") << false;
}

void TestFrmEuroLifecycle::storeFaultsAreSaid()
{
    QFETCH(bool, unreadable);
    TestSupport::ThrowAwaySettings settings;
    TestSupport::MessageCapture messages;
    QFile plain(settings.configHome() + QStringLiteral("/plain"));
    QVERIFY(unreadable ? QDir().mkpath(Euro::settingsFilePath(Euro::AppName())) : plain.open(QIODevice::WriteOnly));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(unreadable ? settings.configHome() : plain.fileName() + "/config"));
    const QString file = QDir::toNativeSeparators(Euro::settingsFilePath(Euro::AppName()));
    Euro::initialiseSettings(Euro::AppName(), QDate(2026, 12, 8), QStringLiteral("/opt/pecunio/"));
    FrmEuro window;
    window.show();
    QTest::qWait(1);
    QCOMPARE(window.calculator().rates().rateOf(u"DEM").value_or(QString()), QStringLiteral("1,95583"));
    QCOMPARE(messages.shown().size(), 1);
    QVERIFY(messages.shown().first().text.contains(QStringLiteral(":\r\n") + file + QStringLiteral("\r\n")));
    window.lblFermer_Click(2);
    window.findChild<QListWidget *>(QStringLiteral("lstPays"))->setCurrentRow(2); // DEM
    window.findChild<QLineEdit *>(QStringLiteral("txtTaux"))->setText(QStringLiteral("2"));
    window.cmdTaux_Click();
    QCOMPARE(window.calculator().rates().rateOf(u"DEM").value_or(QString()), QStringLiteral("2"));
    QCOMPARE(messages.shown().last().text, QStringLiteral("Le taux DEM vaut pour cette session seulement : il n'a "
                                                          "pas pu être enregistré dans le fichier :\r\n")
                                               + file);
}

void TestFrmEuroLifecycle::loadStartsTheTape()
{
    LoadedWindow loaded;
    auto *box = loaded.control<QPlainTextEdit>(QStringLiteral("txtOperations"));
    QCOMPARE(loaded.window->tape().text(),
             QStringLiteral("08/12/2026 - 07:24\r\n-------------------------\r\nCalcul en FRF\r\n"));
    QCOMPARE(box->toPlainText(), Header);
    QVERIFY(box->textCursor().atEnd());
}

void TestFrmEuroLifecycle::clickingKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("euros");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("tapeAfterHeader");

    const QString digits = QStringLiteral("lblBouton(%1)");
    QTest::newRow("100 keyed, euros follow") << "lblBouton(1) lblBouton(0) lblBouton(0)"
                                             << "15,24"
                                             << "100,"
                                             << "";
    QTest::newRow("100 + 50 = gives 150 and 22,87")
        << "lblBouton(1) lblBouton(0) lblBouton(0) Operator(1) lblBouton(5) lblBouton(0) Operator(4)"
        << "22,87"
        << "150"
        << "\n          100\n+\n          50\n        ----------\n=        150\n";
    QTest::newRow("2,5 X 4 = with the decimal key")
        << "lblBouton(2) Decimal lblBouton(5) Operator(2) lblBouton(4) Operator(4)"
        << "1,52"
        << "10"
        << "\n          2,5\nX\n          4\n        ----------\n=        10\n";
    QTest::newRow("CE drops the entry being keyed")
        << "lblBouton(7) Operator(1) lblBouton(3) CancelEntry lblBouton(4) Operator(4)"
        << "1,68"
        << "11"
        << "\n          7\n+\n          4\n        ----------\n=        11\n";
    QTest::newRow("C clears all and writes the clear block") << "lblBouton(1) lblBouton(2) Cancel"
                                                             << "0"
                                                             << "0,"
                                                             << "\n-+-+-+-+-+-\n\nCalcul en FRF\n";
    QTest::newRow("2 / 3 =: a long result on one line")
        << "lblBouton(2) Operator(0) lblBouton(3) Operator(4)"
        << "0,1"
        << "0,666666666666667"
        << "\n          2\n/\n          3\n        ----------\n=        0,666666666666667\n";
    QTest::newRow("9 - 3 / 2 = runs left to right")
        << "lblBouton(9) Operator(3) lblBouton(3) Operator(0) lblBouton(2) Operator(4)"
        << "0,46"
        << "3"
        << "\n          9\n-\n          3\n/\n          2\n        ----------\n=        3\n";
}

void TestFrmEuroLifecycle::clickingKeys()
{
    QFETCH(QString, keys);
    QFETCH(QString, euros);
    QFETCH(QString, currency);
    QFETCH(QString, tapeAfterHeader);

    LoadedWindow loaded;
    clickKeys(loaded, keys);
    // The displays follow synchronously, written by the calculator alone.
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(0)"))->text(), euros);
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), currency);
    QCOMPARE(loaded.window->calculator().ReadOut(0), euros);
    auto *box = loaded.control<QPlainTextEdit>(QStringLiteral("txtOperations"));
    QCOMPARE(box->toPlainText(), Header + tapeAfterHeader);
    QCOMPARE(loaded.window->tape().text(), QString(Header + tapeAfterHeader).replace(u'\n', QStringLiteral("\r\n")));
    QVERIFY(box->textCursor().atEnd());
    // No line of the box breaks: a number is never read as two.
    for (QTextBlock line = box->document()->begin(); line.isValid(); line = line.next()) {
        box->document()->documentLayout()->blockBoundingRect(line); // laid out now
        QCOMPARE(line.layout()->lineCount(), 1);
    }
}

void TestFrmEuroLifecycle::facesOutsideTheirLabelsTakeNoClick()
{
    LoadedWindow loaded;
    QWindow *handle = loaded.window->windowHandle();
    QVERIFY(handle);
    auto *seven = loaded.control(QStringLiteral("lblBouton(7)"));
    auto *face = loaded.control(QStringLiteral("shaBouton(7)"));
    // The face's top rises above its label: a click there reaches no key.
    const QPoint faceTop = face->mapTo(loaded.window.get(), QPoint(face->width() / 2, 1));
    QVERIFY(!seven->geometry().contains(seven->parentWidget()->mapFrom(loaded.window.get(), faceTop)));
    QTest::mouseClick(handle, Qt::LeftButton, {}, faceTop);
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), QStringLiteral("0,"));
    // The label's middle is the key.
    const QPoint labelMiddle = seven->mapTo(loaded.window.get(), seven->rect().center());
    QTest::mouseClick(handle, Qt::LeftButton, {}, labelMiddle);
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), QStringLiteral("7,"));
}

void TestFrmEuroLifecycle::tapeBoxIsAppendedToNotRebuilt()
{
    LoadedWindow loaded;
    auto *box = loaded.control<QPlainTextEdit>(QStringLiteral("txtOperations"));
    QList<std::pair<int, int>> removals; // (position, characters removed) of every change
    int lastEnd = box->document()->characterCount() - 1;
    QList<int> appendPositions;
    connect(box->document(), &QTextDocument::contentsChange, this, [&](int from, int removed, int) {
        if (removed > 0)
            removals.append({from, removed});
        appendPositions.append(from);
    });
    clickKeys(loaded, QStringLiteral("lblBouton(1) Operator(1) lblBouton(2) Operator(4) lblBouton(3) Operator(2)"));
    QVERIFY(!appendPositions.isEmpty());
    QVERIFY2(removals.isEmpty(), "the tape box lost text while blocks were appended");
    for (int from : appendPositions) {
        QVERIFY(from >= lastEnd);
        lastEnd = from;
    }
}

void TestFrmEuroLifecycle::clearingTheTapeKeepsTheCalculation()
{
    LoadedWindow loaded;
    clickKeys(loaded, QStringLiteral("lblBouton(8) Operator(1)"));
    QTest::mouseClick(loaded.control(QStringLiteral("cmdEffacer")), Qt::LeftButton);
    auto *box = loaded.control<QPlainTextEdit>(QStringLiteral("txtOperations"));
    // The new tape starts with the pending amount and operator.
    QCOMPARE(box->toPlainText(),
             QStringLiteral("08/12/2026 - 07:24\n-------------------------\n\nCalcul en FRF\n\n          8\n+"));
    clickKeys(loaded, QStringLiteral("lblBouton(2) Operator(4)"));
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), QStringLiteral("10"));
    QVERIFY(box->toPlainText().endsWith(QStringLiteral("\n+\n          2\n        ----------\n=        10\n")));
    QCOMPARE(loaded.window->tape().text().count(QStringLiteral("\r\n")), box->toPlainText().count(u'\n'));
}

void TestFrmEuroLifecycle::refusedOperationIsTold()
{
    // The calculator says what it refused; the window tells the user.
    LoadedWindow loaded;
    TestSupport::MessageCapture messages;
    clickKeys(loaded, QStringLiteral("lblBouton(8) Operator(0) lblBouton(0) Operator(4)"));
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().text, QStringLiteral("Division par zéro."));
    QCOMPARE(messages.shown().first().style, 48);
    QCOMPARE(messages.shown().first().title, QStringLiteral("Pecunio"));
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), QStringLiteral("8,"));
}

void TestFrmEuroLifecycle::closeQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<QString>("marker");

    QTest::newRow("No keeps everything") << int(Euro::vbNo) << true << "actif";
    QTest::newRow("Yes ends the run, marked inactive") << int(Euro::vbYes) << false << "inactif";
}

void TestFrmEuroLifecycle::closeQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, stillOpen);
    QFETCH(QString, marker);

    LoadedWindow loaded;
    Euro::SaveSetting(Euro::AppName(), QStringLiteral("parametres"), QStringLiteral("etat"), QStringLiteral("actif"));
    clickKeys(loaded, QStringLiteral("lblBouton(4) Operator(2) lblBouton(6)"));
    QTest::mouseClick(loaded.control(QStringLiteral("lblFermer(3)")), Qt::LeftButton);
    const QString tapeBefore = loaded.window->tape().text();
    const QSize sizeBefore = loaded.window->size();
    const QPoint placeBefore = loaded.window->pos();

    loaded.messages.answerNext(answer);
    loaded.window->close();

    QCOMPARE(loaded.messages.shown().size(), 1);
    const TestSupport::ShownMessage &asked = loaded.messages.shown().first();
    QCOMPARE(asked.text, QStringLiteral("Voulez-vous vraiment quitter ce programme ?"));
    QCOMPARE(asked.title, QStringLiteral("Pecunio"));
    QCOMPARE(asked.style, 36);
    QCOMPARE(loaded.window->isVisible(), stillOpen);
    QCOMPARE(storedSetting(QStringLiteral("parametres"), QStringLiteral("etat")), marker);
    // Nothing else is saved, and no value on screen moves.
    QCOMPARE(storedSetting(QStringLiteral("taux"), QStringLiteral("taux")), QStringLiteral("6,55957"));
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), QStringLiteral("6,"));
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(0)"))->text(), QStringLiteral("0,91"));
    QCOMPARE(textOf(loaded.window->calculator().state().PendingOperator), QStringLiteral("X"));
    QCOMPARE(loaded.window->tape().text(), tapeBefore);
    QCOMPARE(loaded.window->size(), sizeBefore);
    QCOMPARE(loaded.window->pos(), placeBefore);
    if (stillOpen) {
        // Asked again at the next request.
        loaded.messages.answerNext(Euro::vbNo);
        loaded.window->close();
        QCOMPARE(loaded.messages.shown().size(), 2);
        QVERIFY(loaded.window->isVisible());
    }
}

void TestFrmEuroLifecycle::sessionEnd_data()
{
    QTest::addColumn<bool>("mayAsk");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<QString>("marker");

    QTest::newRow("log-off, No keeps the program running") << true << int(Euro::vbNo) << true << 1 << true << "actif";
    QTest::newRow("log-off, Yes ends it") << true << int(Euro::vbYes) << false << 1 << false << "inactif";
    QTest::newRow("shutdown allowing no question goes ahead unmarked")
        << false << int(Euro::vbNo) << false << 0 << true << "actif";
}

void TestFrmEuroLifecycle::sessionEnd()
{
    QFETCH(bool, mayAsk);
    QFETCH(int, answer);
    QFETCH(bool, refused);
    QFETCH(int, questions);
    QFETCH(bool, stillOpen);
    QFETCH(QString, marker);

    LoadedWindow loaded;
    Euro::SaveSetting(Euro::AppName(), QStringLiteral("parametres"), QStringLiteral("etat"), QStringLiteral("actif"));
    clickKeys(loaded, QStringLiteral("lblBouton(5)"));
    loaded.messages.answerNext(answer);
    QCOMPARE(loaded.window->refusesSessionEnd(mayAsk), refused);
    QCOMPARE(loaded.messages.shown().size(), questions);
    if (questions > 0)
        QCOMPARE(loaded.messages.shown().first().text, QStringLiteral("Voulez-vous vraiment quitter ce programme ?"));
    QCOMPARE(loaded.window->isVisible(), stillOpen);
    QCOMPARE(storedSetting(QStringLiteral("parametres"), QStringLiteral("etat")), marker);
    QCOMPARE(loaded.control<QLineEdit>(QStringLiteral("ReadOut(1)"))->text(), QStringLiteral("5,"));
}

QTEST_MAIN(TestFrmEuroLifecycle)
#include "tst_frmeuro_lifecycle.moc"
