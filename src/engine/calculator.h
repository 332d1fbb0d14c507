#pragma once
// The calculator: its state, number entry with live conversion, and the operators.
//
// The two displays ReadOut(0) (euros) and ReadOut(1) (selected currency) are texts held
// here; the text is the value. Every write that changes a display's text runs
// ReadOut_Change synchronously before it returns, which recomputes the converted display
// from the input display; a write that leaves the text unchanged notifies nothing, which
// ends the chain. The window mirrors the texts through displayChanged and never writes
// them itself.

#include "engine/pastedamount.h"
#include "engine/ratetable.h"
#include "engine/value.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class Tape;

// The operator keys, by the index their key routine takes.
enum class Operator : qint16 { Divide = 0, Add = 1, Multiply = 2, Subtract = 3, Equals = 4 };
inline constexpr qint16 OperatorCount = 5;
// Their captions, as the keys, the tape and PendingOperator write them.
inline constexpr char16_t OperatorCaptions[OperatorCount] = {u'/', u'+', u'X', u'-', u'='};

// The calculator's fields, under the names the whole program uses.
struct CalculatorState {
    qint16 DecimalPlaces = 2;     // decimals of the converted display: 2 or 5
    qint16 InputDisplay = 1;      // index of the ReadOut display keyed into: 0 euros, 1 currency
    Value CurrentRate;            // rate text of the selected currency, e.g. "6,55957"
    QString CurrencyCode;         // three-letter code of the selected currency
    qint16 KeepOnTop = -1;        // window stays above others: 0 or -1
    Value Operand1;               // first operand, then the running result
    Value Operand2;               // second operand
    qint16 DecimalTyped = 0;      // the decimal separator was keyed: 0 or -1
    qint16 OperandCount = 0;      // operands held: 0 or 1 between two events
    Value LastInputKind;          // "NONE", "NUMS", "OPS", "NEG" or "CE"
    Value PendingOperator;        // " ", "+", "-", "X", "/" or "="
    Value EntryText;              // input display text when an operator key was pressed
};

class Calculator : public QObject
{
    Q_OBJECT
public:
    explicit Calculator(Tape &tape, QObject *parent = nullptr);

    // The fields. The window only reads them: every change goes through an operation
    // below, which keeps the two displays in agreement.
    CalculatorState &state() { return m_state; }
    const CalculatorState &state() const { return m_state; }

    // The display texts.
    QString ReadOut(int index) const;
    // Writes a display text; when it changes, emits displayChanged and runs ReadOut_Change.
    void setReadOut(int index, const QString &text);

    // Start of a run: the start values of the fields (the start currency, the given rate
    // text, input in the currency, 2 decimals), then "0," into ReadOut(0) and ReadOut(1).
    // Writes nothing on the tape; the window starts the tape itself.
    void start(const QString &startRate);

    // Key routines, as the keypad labels run them.
    void lblBouton_Click(qint16 Index);   // digit Index, 0 to 9
    void Decimal_Click();
    void Cancel_Click();                  // clear all; appends the clear block
    void CancelEntry_Click();
    // Backspace: the last digit or comma of the amount being keyed goes ("1234," gives
    // "123,", the last digit "0,"); on anything else, what CE does.
    void eraseLastDigit();
    // cmdEffacer_Click: a fresh tape, which starts with the pending amount and operator.
    void clearTape();
    void Operator_Click(qint16 Index);    // an Operator: 0 "/", 1 "+", 2 "X", 3 "-", 4 "="
    void ReadOut_Change(qint16 Index);    // conversion of the non-input display
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
    void setInputDisplay(qint16 index);      // 0 euros, 1 the currency; others ignored
    void setDecimalPlaces(qint16 places);    // 2 or 5; others ignored
    void setKeepOnTop(bool onTop);

    // The rates of the twelve currencies, read with readRate (Euro::RateTable).
    void loadRates(const Euro::RateTable::Reader &readRate);
    const Euro::RateTable &rates() const { return m_rates; }

    // The code of the input display's unit: "EUR" or CurrencyCode; and of the other's.
    QString inputUnitCode() const;
    QString convertedUnitCode() const;
    // The input display's amount is too large for the converted display, which is empty.
    bool conversionOverflows() const;

    // "Calcul en Euros", or "Calcul en " followed by CurrencyCode.
    QString modeLine() const;

    // Operator captions by index: "/", "+", "X", "-", "="; empty outside the keys.
    static QString operatorCaption(qint16 Index);
    // The operator a caption names, if any.
    static std::optional<Operator> operatorOf(QStringView caption);

Q_SIGNALS:
    void displayChanged(int index, const QString &text);

private:
    // No amount, no operand counted, no operator pending, "0," in both displays.
    void resetEntry();
    // An operator key right after a minus taken as a sign: the sign goes, the first amount
    // is shown again.
    void dropSign();
    // The pending operation on Operand1 and Operand2; when it is refused, Operand1 stays
    // and the reason comes back as the tape writes it.
    std::optional<QString> runPendingOperation();
    // The input display still shows, unchanged, the text written for the last result.
    bool showsLastResult() const;
    // The overflow message; the reason comes back as the tape writes it.
    QString reportOverflow();
    // The converted text: empty beyond the largest magnitude, none while the source has
    // no digits yet.
    std::optional<QString> convert(const QString &sourceText, bool fromCurrency);
    // CurrentRate read as a number, read again only when it changes.
    const std::optional<Amount> &currentRateValue();

    Tape &m_tape;
    CalculatorState m_state;
    Euro::RateTable m_rates;
    std::array<QString, 2> m_readOut;

    // The last conversion, by what it was computed from: the change notification of the
    // converted display asks again for the very same result, which is then not recomputed.
    struct Conversion {
        bool known = false;
        bool fromCurrency = false;
        qint16 decimals = 0;
        QString source;
        Value rate;
        std::optional<QString> result; // none when the conversion failed
    };
    Conversion m_lastConversion;

    // The display and text of the last result written; the display is -1 once anything
    // else was written to it.
    struct ResultWrite {
        int display = -1;
        QString text;
    };
    ResultWrite m_lastResult;

    struct RateReading {
        bool known = false;
        Value rate;
        std::optional<Amount> value;
    };
    RateReading m_rateReading;

    // The exact and the rounded conversion, kept from key to key so that their storage is
    // reused rather than allocated again.
    Amount m_exactConversion;
    Amount m_roundedConversion;
};
