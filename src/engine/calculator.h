#pragma once
// The calculator: its state, number entry with live conversion, and the operators.
//
// The two displays ReadOut(0) (euros) and ReadOut(1) (selected currency) are texts held
// here; the text is the value. Every write that changes a display's text runs
// ReadOut_Change synchronously before it returns, which recomputes the converted display
// from the input display; a write that leaves the text unchanged notifies nothing, which
// ends the chain. The window mirrors the texts through displayChanged and never writes
// them itself.

#include "engine/keymap.h"
#include "engine/operators.h"
#include "engine/pastedamount.h"
#include "engine/purchasingpowerreading.h"
#include "engine/ratetable.h"

#include <QObject>
#include <QString>
#include <memory>

class Tape;
struct CalculatorState; // engine/calculatorstate.h

class Calculator : public QObject
{
    Q_OBJECT
public:
    explicit Calculator(Tape &tape, QObject *parent = nullptr);
    ~Calculator() override;

    // The fields, read only (engine/calculatorstate.h): every change goes through an
    // operation below, which keeps the two displays in agreement.
    const CalculatorState &state() const;
    // The fields the window shows.
    qint16 inputDisplay() const;
    qint16 decimalPlaces() const;
    QString currencyCode() const;
    bool keepOnTop() const;

    // The display texts.
    QString ReadOut(int index) const;
    // Writes a display text; when it changes, emits displayChanged and runs ReadOut_Change.
    void setReadOut(int index, const QString &text);

    // Start of a run: the start values of the fields (the start currency, the given rate
    // text, input in the currency, 2 decimals), then "0," into ReadOut(0) and ReadOut(1).
    // Writes nothing on the tape; the window starts the tape itself.
    void start(const QString &startRate);

    // Key routines, as the keypad labels run them.
    void lblBouton_Click(qint16 Index); // digit Index, 0 to 9
    void Decimal_Click();
    void Cancel_Click(); // clear all; appends the clear block
    void CancelEntry_Click();
    // Backspace: the last digit or comma of the amount being keyed goes ("1234," gives
    // "123,", the last digit "0,"); on anything else, what CE does.
    void eraseLastDigit();
    // What a key runs, from the key table: the routine of its command.
    OperatorOutcome run(const Euro::KeyAction &action);
    // What the input display's amount of fromYear is worth in money of toYear, from INSEE's
    // index: for the franc and the euro only (engine/purchasingpowerreading.h).
    Euro::PurchasingPower::Reading purchasingPower(int fromYear, int toYear) const;
    // Writes that reading's line on the tape; false, nothing written, when it was refused.
    bool recordPurchasingPower(int fromYear, int toYear);
    // cmdEffacer_Click: a fresh tape, which starts with the pending amount and operator.
    void clearTape();
    // An Operator: 0 "/", 1 "+", 2 "X", 3 "-", 4 "="; says whether the operation was refused.
    OperatorOutcome Operator_Click(qint16 Index);
    void ReadOut_Change(qint16 Index); // conversion of the non-input display
    // An amount from elsewhere (pasted, dropped), read as NumberText::readPasted reads it for
    // the input display's unit: it replaces the entry being keyed, or starts one, and counts
    // as a keyed operand; a sign keyed just before it applies to it. Refused, with the
    // reason and nothing changed, when the text is not such an amount.
    Euro::NumberText::PastedAmount enterAmount(QStringView text);

    // The choices of the options. A change of rate or of decimals converts the input
    // display again at once, so the pair on screen always holds at the rate and decimals
    // in force; a change of currency or of input display ends with clear all.
    // The currency takes its rate from the rate table; a code not in it changes nothing.
    void selectCurrency(const QString &code);
    // A rate validated for a currency goes into the table, and is taken at once when it is
    // the calculator's own. False, nothing changed, for a code not in the table.
    bool setRate(const QString &code, const QString &rateText);
    void setInputDisplay(qint16 index);   // 0 euros, 1 the currency; others ignored
    void setDecimalPlaces(qint16 places); // 2 or 5; others ignored
    void setKeepOnTop(bool onTop);

    // The rates of the twelve currencies, read with readRate (Euro::RateTable).
    void loadRates(const Euro::RateTable::Reader &readRate);
    const Euro::RateTable &rates() const;

    // The code of the input display's unit: "EUR" or CurrencyCode; and of the other's.
    QString inputUnitCode() const;
    QString convertedUnitCode() const;
    // The input display's amount is too large for the converted display, which is empty.
    bool conversionOverflows() const;

    // "Calcul en Euros", or "Calcul en " followed by CurrencyCode.
    QString modeLine() const;

Q_SIGNALS:
    void displayChanged(int index, const QString &text);

private:
    // No amount, no operand counted, no operator pending, "0," in both displays.
    void resetEntry();
    // An operator key right after a minus taken as a sign: the sign goes, the first amount
    // is shown again.
    void dropSign();
    // The input display still shows, unchanged, the text written for the last result.
    bool showsLastResult() const;

    // The fields, the rates, the display texts and the exact values kept from key to key.
    struct Private;
    Tape &m_tape;
    std::unique_ptr<Private> d;
};
