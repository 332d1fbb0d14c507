#pragma once
// The purchasing-power panel, fraPouvoir, in the tape's place right of the calculator: what
// the amount keyed in francs or euros, of a year, is worth in money of another year, from
// INSEE's consumer price index. It follows the input display as it is keyed; the years are
// chosen from the table's first to its last, the result's starting at the last. Its line
// goes on the tape on request. The index is the franc's and the euro's: for another
// currency the panel says so and computes nothing.

#include <QFrame>

class Calculator;
class KeyLabel;
class QLabel;
class QPushButton;
class QSpinBox;

class PowerPanel : public QFrame
{
    Q_OBJECT
public:
    PowerPanel(Calculator &calculator, QWidget *window);

    // The controls, under their own names.
    struct Controls {
        QLabel *Label4 = nullptr;      // Label4(2), the title
        KeyLabel *lblFermer = nullptr; // lblFermer(5), closes the panel
        QLabel *lblDe = nullptr;
        QSpinBox *txtAnneeDe = nullptr; // the year of the amount
        QLabel *lblEn = nullptr;
        QSpinBox *txtAnneeEn = nullptr; // the year of the result
        QLabel *lblValeur = nullptr;    // the sentence
        QLabel *lblPrecision = nullptr;
        QLabel *lblSource = nullptr;
        QPushButton *cmdInscrire = nullptr;
    };
    const Controls &ui() const { return m_ui; }

    // The sentence shown, « 100 F de 1985 valent 31,86 € de 2025 », or why there is none.
    QString sentence() const;
    // Reads the input display again: the window calls it on every change that counts.
    void refresh();
    // « Inscrire sur la bande »: the panel's line on the tape.
    void cmdInscrire_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Calculator &m_calculator;
    Controls m_ui;
};
