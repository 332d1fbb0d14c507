// Choosing the calculator's currency, editing and storing rates, the input display and
// the number of decimals.

#include "windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using TestSupport::LoadedWindow;
using TestSupport::storedSetting;

namespace {

const QString NotNumeric = QStringLiteral(
    "Veuillez entrer un montant numérique pour la devise sélectionnée SVP.\r\n(le séparateur décimal est la virgule)");
const QString NotAboveZero =
    QStringLiteral("Veuillez entrer un taux supérieur à zéro pour la devise sélectionnée SVP.");
const QString Empty = QStringLiteral("Veuillez entrer un montant pour la devise sélectionnée SVP.");

QString tableEntry(FrmEuro &window, const QString &code)
{
    const int i = window.calculator().rates().indexOf(code);
    return i >= 0 ? window.calculator().rates().entry(i) : QString();
}

// A click on the item, as the user picks it; a list not shown is picked from by the program.
void pick(QListWidget *list, const QString &startingWith)
{
    const QList<QListWidgetItem *> items = list->findItems(startingWith, Qt::MatchStartsWith);
    QVERIFY2(items.size() == 1, qPrintable(startingWith));
    if (!list->isVisible()) {
        list->setCurrentItem(items.first());
        return;
    }
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

// The rate editor: the button's and the box's state, and the box's text.
struct Editor {
    bool buttonEnabled;
    bool boxLocked;
    QString text;
    bool operator==(const Editor &) const = default;
};

Editor editorOf(const LoadedWindow &w)
{
    return {w.control<QPushButton>(QStringLiteral("cmdTaux"))->isEnabled(),
            w.control<QLineEdit>(QStringLiteral("txtTaux"))->isReadOnly(),
            w.control<QLineEdit>(QStringLiteral("txtTaux"))->text()};
}

char *toString(const Editor &e)
{
    return QTest::toString(
        QStringLiteral("button %1, box %2, \"%3\"")
            .arg(e.buttonEnabled ? "enabled" : "disabled", e.boxLocked ? "locked" : "unlocked", e.text));
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currencyChoice_data();
    void currencyChoice();
    void pickingClosesTheList();
    void editedRateTakenAtOnce();

    void rateEditorStates();
    void rateValidation_data();
    void rateValidation();
    void validationTakesEffectAtOnce();

    void inputDisplay_data();
    void inputDisplay();
    void decimals();
};

void TestOptions::currencyChoice_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("heading");

    QTest::newRow("DEM over FRF") << "DEM" << 1 << "1,95583"
                                  << "Calcul en DEM";
    QTest::newRow("ITL over FRF") << "ITL" << 1 << "1936,27"
                                  << "Calcul en ITL";
    QTest::newRow("IEP, input in euros") << "IEP" << 0 << "0,787564"
                                         << "Calcul en Euros";
    QTest::newRow("FRF already shown") << "FRF" << 1 << QString() << QString();
}

void TestOptions::currencyChoice()
{
    QFETCH(QString, code);
    QFETCH(int, input);
    QFETCH(QString, rate);
    QFETCH(QString, heading);
    const bool changes = !heading.isEmpty();

    LoadedWindow w;
    FrmEuro &window = *w.window;
    if (input == 0)
        window.optCalcul_Click(0);
    // A calculation in progress: 12 + 3 pending.
    window.lblBouton_Click(1);
    window.lblBouton_Click(2);
    window.Operator_Click(1);
    window.lblBouton_Click(3);
    const QString tapeBefore = window.tape().text();
    const QString displays[] = {window.calculator().ReadOut(0), window.calculator().ReadOut(1)};

    window.Label2_Click();
    auto *list = w.control<QListWidget>(QStringLiteral("lstListe"));
    QVERIFY(list->isVisible());
    pick(list, code);

    QVERIFY(list->isHidden());
    const CalculatorState &state = window.calculator().state();
    QCOMPARE(state.CurrencyCode, code);
    QCOMPARE(w.control<QLabel>(QStringLiteral("lblDevise"))->text(), code);
    if (!changes) {
        QCOMPARE(std::get<QString>(state.CurrentRate), QStringLiteral("6,55957"));
        QCOMPARE(window.tape().text(), tapeBefore);
        QCOMPARE(window.calculator().ReadOut(0), displays[0]);
        QCOMPARE(window.calculator().ReadOut(1), displays[1]);
        // The calculation goes on: 12 + 3 = 15.
        window.Operator_Click(4);
        QCOMPARE(window.calculator().ReadOut(1), QStringLiteral("15"));
        return;
    }
    QCOMPARE(std::get<QString>(state.CurrentRate), rate);
    // Back to zero: "0," keyed into the input display, "0" converted into the other.
    QCOMPARE(window.calculator().ReadOut(input), QStringLiteral("0,"));
    QCOMPARE(window.calculator().ReadOut(1 - input), QStringLiteral("0"));
    QVERIFY(window.tape().text().startsWith(tapeBefore));
    const QString added = window.tape().text().mid(tapeBefore.size());
    QVERIFY2(added.contains(heading + QStringLiteral("\r\n")), qPrintable(added));
    // The pending addition is gone and the new rate converts: 100 DEM = 51,13 EUR.
    window.lblBouton_Click(1);
    window.lblBouton_Click(0);
    window.lblBouton_Click(0);
    window.Operator_Click(4);
    if (code == QLatin1String("DEM"))
        QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("51,13"));
    if (code == QLatin1String("IEP"))
        QCOMPARE(window.calculator().ReadOut(1), QStringLiteral("78,76"));
}

void TestOptions::pickingClosesTheList()
{
    LoadedWindow w;
    auto *list = w.control<QListWidget>(QStringLiteral("lstListe"));
    w.window->Label2_Click();
    pick(list, QStringLiteral("BEF"));
    QVERIFY(list->isHidden());
    // A click on the item already picked closes the list too.
    w.window->Label2_Click();
    QVERIFY(list->isVisible());
    const QRect row = list->visualItemRect(list->currentItem());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QVERIFY(list->isHidden());
    QCOMPARE(w.window->calculator().state().CurrencyCode, QStringLiteral("BEF"));
}

void TestOptions::editedRateTakenAtOnce()
{
    LoadedWindow w;
    FrmEuro &window = *w.window;
    auto *list = w.control<QListWidget>(QStringLiteral("lstListe"));
    pick(list, QStringLiteral("DEM"));

    window.lblBouton_Click(9);
    window.lblFermer_Click(2);
    pick(w.control<QListWidget>(QStringLiteral("lstPays")), QStringLiteral("DEM"));
    w.control<QLineEdit>(QStringLiteral("txtTaux"))->setText(QStringLiteral("2"));
    window.cmdTaux_Click();
    // The currency in use converts at the rate the panel shows, the amount on screen too.
    QCOMPARE(std::get<QString>(window.calculator().state().CurrentRate), QStringLiteral("2"));
    QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("4,5"));
    window.lblFermer_Click(0);
    // The start rate is not touched.
    QCOMPARE(storedSetting(Euro::SectionTaux, QStringLiteral("taux")), QStringLiteral("6,55957"));
}

void TestOptions::rateEditorStates()
{
    LoadedWindow w;
    FrmEuro &window = *w.window;
    auto *countries = w.control<QListWidget>(QStringLiteral("lstPays"));
    auto *box = w.control<QLineEdit>(QStringLiteral("txtTaux"));

    QCOMPARE(editorOf(w), (Editor{false, true, QString()}));
    window.lblFermer_Click(2);
    QCOMPARE(editorOf(w), (Editor{false, true, QString()}));

    // The longest default rate fills the box exactly.
    pick(countries, QStringLiteral("IEP"));
    QCOMPARE(editorOf(w), (Editor{true, false, QStringLiteral("0,787564")}));
    QCOMPARE(window.rateCode(), QStringLiteral("IEP"));

    // A typed rate is replaced without a question when another country is picked.
    box->setText(QStringLiteral("0,8"));
    pick(countries, QStringLiteral("ATS"));
    QCOMPARE(editorOf(w), (Editor{true, false, QStringLiteral("13,7603")}));

    box->setText(QStringLiteral("13,8"));
    window.cmdTaux_Click();
    QCOMPARE(editorOf(w), (Editor{true, false, QStringLiteral("13,8")}));
    QVERIFY(w.messages.shown().isEmpty());

    // The panel closes: a typed rate that was not validated is dropped.
    pick(countries, QStringLiteral("NLG"));
    box->setText(QStringLiteral("3"));
    window.lblFermer_Click(0);
    QCOMPARE(editorOf(w), (Editor{false, true, QString()}));
    QCOMPARE(countries->currentRow(), -1);
    QVERIFY(countries->selectedItems().isEmpty());
    QCOMPARE(tableEntry(window, QStringLiteral("NLG")), QStringLiteral("NLG2,20371"));
    QCOMPARE(storedSetting(Euro::SectionTaux, QStringLiteral("NLG")), QStringLiteral("2,20371"));

    // Open again: the same country can be picked afresh.
    window.lblFermer_Click(2);
    pick(countries, QStringLiteral("NLG"));
    QCOMPARE(editorOf(w), (Editor{true, false, QStringLiteral("2,20371")}));
    // The calculator's currency is another matter.
    QCOMPARE(window.calculator().state().CurrencyCode, QStringLiteral("FRF"));

    // Ctrl+click takes the selection away: no currency is chosen, so none can be edited.
    QTest::mouseClick(countries->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      countries->visualItemRect(countries->currentItem()).center());
    QVERIFY(countries->selectedItems().isEmpty());
    QCOMPARE(editorOf(w), (Editor{false, true, QString()}));
}

// One row for each answer of the rate check (its own table holds the texts), to see how
// the window shows it.
void TestOptions::rateValidation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("focusToBox");

    QTest::newRow("empty") << "" << Empty << "Taux ?" << true;
    QTest::newRow("full stop") << "6.6" << NotNumeric << "Taux non valide" << false;
    QTest::newRow("negative fraction") << "-6,6" << NotAboveZero << "Taux non valide" << false;
    QTest::newRow("comma decimal") << "6,6" << QString() << QString() << false;
}

void TestOptions::rateValidation()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(bool, focusToBox);

    LoadedWindow w;
    FrmEuro &window = *w.window;
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.windowHandle()));
    window.lblFermer_Click(2);
    pick(w.control<QListWidget>(QStringLiteral("lstPays")), QStringLiteral("FRF"));
    auto *box = w.control<QLineEdit>(QStringLiteral("txtTaux"));
    auto *button = w.control<QPushButton>(QStringLiteral("cmdTaux"));
    box->setText(typed);
    button->setFocus();
    const Euro::RateTable tableBefore = window.calculator().rates();

    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(box->text(), typed);
    QCOMPARE(window.rateCode(), QStringLiteral("FRF"));
    if (message.isEmpty()) {
        QVERIFY(w.messages.shown().isEmpty());
        QCOMPARE(tableEntry(window, QStringLiteral("FRF")), QStringLiteral("FRF") + typed);
        QCOMPARE(storedSetting(Euro::SectionTaux, QStringLiteral("FRF")), typed);
        QCOMPARE(editorOf(w), (Editor{true, false, typed}));
        // Only that entry changed.
        for (int i = 0; i < Euro::CurrencyCount; ++i) {
            if (!tableBefore.entry(i).startsWith(QLatin1String("FRF")))
                QCOMPARE(window.calculator().rates().entry(i), tableBefore.entry(i));
        }
        // The franc starts the next run at the rate the panel shows.
        QCOMPARE(storedSetting(Euro::SectionTaux, QStringLiteral("taux")), typed);
        return;
    }
    QCOMPARE(w.messages.shown().size(), 1);
    QCOMPARE(w.messages.shown().first().text, message);
    QCOMPARE(w.messages.shown().first().title, title);
    QCOMPARE(w.messages.shown().first().style, int(Euro::vbInformation));
    QVERIFY(window.calculator().rates() == tableBefore);
    QCOMPARE(storedSetting(Euro::SectionTaux, QStringLiteral("FRF")), QStringLiteral("6,55957"));
    QCOMPARE(QApplication::focusWidget(), focusToBox ? static_cast<QWidget *>(box) : button);
    QCOMPARE(editorOf(w), (Editor{true, false, typed}));
}

void TestOptions::validationTakesEffectAtOnce()
{
    LoadedWindow w;
    FrmEuro &window = *w.window;
    window.lblBouton_Click(5);
    window.lblBouton_Click(0);
    window.lblFermer_Click(2);
    pick(w.control<QListWidget>(QStringLiteral("lstPays")), QStringLiteral("FRF"));
    w.control<QLineEdit>(QStringLiteral("txtTaux"))->setText(QStringLiteral("6,6"));
    const QString tape = window.tape().text();
    window.cmdTaux_Click();
    QCOMPARE(tableEntry(window, QStringLiteral("FRF")), QStringLiteral("FRF6,6"));
    QCOMPARE(window.calculator().ReadOut(1), QStringLiteral("50,"));
    QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("7,58"));
    QCOMPARE(window.tape().text(), tape);
    window.lblFermer_Click(0);
    window.lblBouton_Click(0);
    QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("75,76"));
    // The next run starts at that rate too.
    w.window = std::make_unique<FrmEuro>();
    w.window->show();
    QCOMPARE(std::get<QString>(w.window->calculator().state().CurrentRate), QStringLiteral("6,6"));
    w.window->lblBouton_Click(6);
    w.window->Decimal_Click();
    w.window->lblBouton_Click(6);
    QCOMPARE(w.window->calculator().ReadOut(0), QStringLiteral("1"));
}

void TestOptions::inputDisplay_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("euros");
    QTest::addColumn<QString>("currency");

    // 1, 0, 0 keyed after the choice.
    QTest::newRow("euros") << 0 << "Calcul en Euros"
                           << "100,"
                           << "655,96";
    QTest::newRow("currency") << 1 << "Calcul en FRF"
                              << "15,24"
                              << "100,";
}

void TestOptions::inputDisplay()
{
    QFETCH(int, index);
    QFETCH(QString, heading);
    QFETCH(QString, euros);
    QFETCH(QString, currency);

    LoadedWindow w;
    FrmEuro &window = *w.window;
    // Start from the other choice, with a calculation in progress.
    if (index == 1)
        w.control<QRadioButton>(QStringLiteral("optCalcul(0)"))->setChecked(true);
    window.lblBouton_Click(4);
    window.Operator_Click(2);
    window.lblBouton_Click(2);
    const QString tapeBefore = window.tape().text();

    w.control<QRadioButton>(QStringLiteral("optCalcul(%1)").arg(index))->setChecked(true);

    QCOMPARE(window.calculator().state().InputDisplay, qint16(index));
    QCOMPARE(window.calculator().ReadOut(index), QStringLiteral("0,"));
    QCOMPARE(window.calculator().ReadOut(1 - index), QStringLiteral("0"));
    const QString added = window.tape().text().mid(tapeBefore.size());
    QVERIFY2(added.contains(heading + QStringLiteral("\r\n")), qPrintable(added));
    window.lblBouton_Click(1);
    window.lblBouton_Click(0);
    window.lblBouton_Click(0);
    QCOMPARE(window.calculator().ReadOut(0), euros);
    QCOMPARE(window.calculator().ReadOut(1), currency);
}

void TestOptions::decimals()
{
    LoadedWindow w;
    FrmEuro &window = *w.window;
    auto *info = w.control<QLabel>(QStringLiteral("lblInfo"));
    window.lblBouton_Click(1);
    QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("0,15"));

    window.lblFermer_Click(2);
    w.control<QRadioButton>(QStringLiteral("optDecimal(1)"))->setChecked(true);
    QCOMPARE(window.calculator().state().DecimalPlaces, qint16(5));
    // The amount follows at once, the rounding line when the panel closes.
    QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("0,15245"));
    QCOMPARE(info->text(), QStringLiteral("Arrondi à 2 décimales"));
    window.lblFermer_Click(0);
    QCOMPARE(info->text(), QStringLiteral("Arrondi à 5 décimales"));
    window.lblBouton_Click(0);
    QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("1,52449"));

    window.lblFermer_Click(2);
    w.control<QRadioButton>(QStringLiteral("optDecimal(0)"))->setChecked(true);
    QCOMPARE(window.calculator().state().DecimalPlaces, qint16(2));
    QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("1,52"));
    window.lblFermer_Click(0);
    QCOMPARE(info->text(), QStringLiteral("Arrondi à 2 décimales"));
    window.lblBouton_Click(0);
    QCOMPARE(window.calculator().ReadOut(0), QStringLiteral("15,24"));
    QVERIFY(w.messages.shown().isEmpty());
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
