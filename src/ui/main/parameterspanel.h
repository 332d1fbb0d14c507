#pragma once
// The parameters panel, fraParametres: the rates of the twelve currencies and the rounding.
// Two currencies are kept apart: the calculator's own (picked in the drop list) and the
// one whose rate is being edited (RateCode, picked here in lstPays). Choosing one never
// changes the other. The panel lies hidden below the calculator and takes its place when
// it opens; the window opens and closes it.

#include <QFrame>
#include <QString>
#include <array>

class Calculator;
class KeyLabel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class ParametersPanel : public QFrame
{
    Q_OBJECT
public:
    ParametersPanel(Calculator &calculator, QWidget *window);

    // The controls, under their own names; lstPays is built the first time it is needed.
    struct Controls {
        QLabel *Label4 = nullptr;      // Label4(0), the title
        KeyLabel *lblFermer = nullptr; // lblFermer(0), closes the panel
        QListWidget *lstPays = nullptr;
        QPushButton *cmdTaux = nullptr;
        QLineEdit *txtTaux = nullptr;
        QFrame *Line1 = nullptr;
        QLabel *Label5 = nullptr;
        std::array<QRadioButton *, 2> optDecimal{};
    };
    const Controls &ui() const { return m_ui; }
    QListWidget *countryList();
    // The list texts, once the store's rates are there.
    void fillList();

    // The code of the currency whose rate the panel edits.
    const QString &rateCode() const { return RateCode; }

    void lstPays_Click();
    void cmdTaux_Click();
    void optDecimal_Click(qint16 Index);

    // The panel closes: no country chosen, the typed rate not validated is gone. The
    // rounding line it leaves behind: "Arrondi à 2 décimales" or "Arrondi à 5 décimales".
    QString closeChoices();

Q_SIGNALS:
    // A control built on first use is there.
    void controlBuilt();

private:
    // The rate editor back to "no currency chosen": Taux disabled, the rate box empty and locked.
    void closeRateEditor();

    Calculator &m_calculator;
    Controls m_ui;
    QString RateCode; // picked in lstPays; never the calculator's CurrencyCode
};
