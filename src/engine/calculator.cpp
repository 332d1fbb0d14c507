#include "engine/calculator.h"

#include "engine/calculatorstate.h"

#include "engine/currencies.h"
#include "engine/numbertext.h"
#include "engine/pastedamount.h"
#include "engine/rounding.h"
#include "engine/spokenamount.h"
#include "tape/tape.h"

#include <algorithm>

namespace {

using Euro::NumberText::ReadStatus;

bool isText(const Value &v, QStringView text)
{
    const QString *s = std::get_if<QString>(&v);
    return s && *s == text;
}

// A value written into a display: a text unchanged, a number in the number text form.
QString displayText(const Value &v)
{
    if (const QString *s = std::get_if<QString>(&v))
        return *s;
    if (const Amount *a = std::get_if<Amount>(&v))
        return Euro::NumberText::format(*a);
    if (const qint16 *i = std::get_if<qint16>(&v))
        return QString::number(*i);
    return QString();
}

// An operand read as a number. An amount keyed without any digit ("," "-" "-,") counts
// as zero; a text with digits beyond the largest magnitude cannot be calculated.
std::optional<Amount> operandValue(const Value &v)
{
    if (const Amount *a = std::get_if<Amount>(&v))
        return *a;
    if (const qint16 *i = std::get_if<qint16>(&v))
        return Amount(*i);
    if (const QString *s = std::get_if<QString>(&v)) {
        Euro::NumberText::ReadResult r = Euro::NumberText::parse(*s);
        if (r.status == ReadStatus::Number)
            return std::move(r.value);
        if (r.status == ReadStatus::NoDigits)
            return Amount(0);
        return std::nullopt;
    }
    return Amount(0); // nothing: zero
}

const QString Nums = QStringLiteral("NUMS");
const QString Ops = QStringLiteral("OPS");
const QString Neg = QStringLiteral("NEG");
const QString None = QStringLiteral("NONE");
const QString EntryCleared = QStringLiteral("CE");
const QString NoOperator = QStringLiteral(" ");
const QString Minus = QStringLiteral("-");
const QString Equals = QStringLiteral("=");
const QString ZeroEntry = QStringLiteral("0,");

} // namespace

struct Calculator::Private {
    CalculatorState state;
    Euro::RateTable rates;
    std::array<QString, 2> readOut;

    // The last conversion, by what it was computed from: the change notification of the
    // converted display asks again for the very same result, which is then not recomputed.
    struct Conversion {
        bool known = false;
        bool fromCurrency = false;
        qint16 decimals = 0;
        QString source;
        Value rate;
        std::optional<QString> result; // none when the conversion failed, empty beyond the largest magnitude
    };
    Conversion lastConversion;

    // The display and text of the last result written; the display is -1 once anything
    // else was written to it.
    struct ResultWrite {
        int display = -1;
        QString text;
    };
    ResultWrite lastResult;

    struct RateReading {
        bool known = false;
        Value rate;
        std::optional<Amount> value;
    };
    RateReading rateReading;

    // The exact and the rounded conversion, kept from key to key so that their storage is
    // reused rather than allocated again.
    Amount exactConversion;
    Amount roundedConversion;

    // The pending operation on Operand1 and Operand2; when it is refused, Operand1 stays.
    OperatorOutcome runPendingOperation();
    // The converted text: empty beyond the largest magnitude, none while it cannot be known.
    std::optional<QString> convert(const QString &sourceText, bool fromCurrency);
    // CurrentRate read as a number, read again only when it changes.
    const std::optional<Amount> &currentRateValue();
};

Calculator::Calculator(Tape &tape, QObject *parent)
    : QObject(parent)
    , m_tape(tape)
    , d(std::make_unique<Private>())
{}

Calculator::~Calculator() = default;

const CalculatorState &Calculator::state() const { return d->state; }
qint16 Calculator::inputDisplay() const { return d->state.InputDisplay; }
qint16 Calculator::decimalPlaces() const { return d->state.DecimalPlaces; }
QString Calculator::currencyCode() const { return d->state.CurrencyCode; }
bool Calculator::keepOnTop() const { return d->state.KeepOnTop != 0; }
const Euro::RateTable &Calculator::rates() const { return d->rates; }

QString Calculator::ReadOut(int index) const
{
    if (index < 0 || index > 1)
        return QString();
    return d->readOut[size_t(index)];
}

void Calculator::setReadOut(int index, const QString &text)
{
    if (index < 0 || index > 1)
        return;
    QString &current = d->readOut.at(size_t(index));
    if (index == d->lastResult.display)
        d->lastResult.display = -1; // any later write to it, even the same text, is keyed
    if (current == text)
        return;
    current = text;
    Q_EMIT displayChanged(index, text);
    ReadOut_Change(qint16(index));
}

void Calculator::start(const QString &startRate)
{
    d->state = CalculatorState{}; // 2 decimals, input in the currency, on top
    d->state.CurrentRate = startRate;
    d->state.CurrencyCode = Euro::StartCurrencyCode.toString();
    resetEntry();
}

void Calculator::resetEntry()
{
    d->state.DecimalTyped = 0;
    d->state.OperandCount = 0;
    d->state.LastInputKind = None;
    d->state.PendingOperator = NoOperator;
    setReadOut(0, ZeroEntry);
    setReadOut(1, ZeroEntry);
}

void Calculator::lblBouton_Click(qint16 Index)
{
    const int input = d->state.InputDisplay;
    const QChar digit = QChar(u'0' + (Index % 10 + 10) % 10);
    // A full display takes no more digits, as on a pocket calculator; nor does an amount
    // entered in the exponent form.
    if (isText(d->state.LastInputKind, Nums)
        && (ReadOut(input).size() >= Euro::NumberText::MaxTextLength || ReadOut(input).contains(u'E')))
        return;
    if (!isText(d->state.LastInputKind, Nums)) {
        setReadOut(input, QStringLiteral(","));
        d->state.DecimalTyped = 0;
    }
    const QString t = ReadOut(input);
    if (d->state.DecimalTyped) {
        setReadOut(input, t + digit);
    } else {
        const qsizetype comma = t.indexOf(u',');
        setReadOut(input, (comma < 0 ? t : t.first(comma)) + digit + u',');
    }
    if (isText(d->state.LastInputKind, Neg))
        setReadOut(input, Minus + ReadOut(input));
    d->state.LastInputKind = Nums;
}

void Calculator::Decimal_Click()
{
    if (isText(d->state.LastInputKind, Neg))
        setReadOut(d->state.InputDisplay, QStringLiteral("-,"));
    else if (!isText(d->state.LastInputKind, Nums))
        setReadOut(d->state.InputDisplay, QStringLiteral(","));
    d->state.DecimalTyped = -1;
    d->state.LastInputKind = Nums;
}

Euro::NumberText::PastedAmount Calculator::enterAmount(QStringView pasted)
{
    Euro::NumberText::PastedAmount amount = Euro::NumberText::readPasted(pasted, inputUnitCode());
    if (!amount.read())
        return amount;
    QString text = amount.keyed;
    if (isText(d->state.LastInputKind, Neg) && text != ZeroEntry)
        text = text.startsWith(Minus) ? text.sliced(1) : Minus + text;
    if (text.size() > Euro::NumberText::MaxTextLength) {
        amount.refusal = Euro::NumberText::PasteRefusal::TooLong; // with the sign keyed before it
        return amount;
    }
    // Further digits go where keying them would: after the comma once decimals are there.
    const qsizetype comma = text.indexOf(u',');
    d->state.DecimalTyped = comma >= 0 && comma + 1 < text.size() ? -1 : 0;
    setReadOut(d->state.InputDisplay, text);
    d->state.LastInputKind = Nums;
    return amount;
}

void Calculator::selectCurrency(const QString &code)
{
    const std::optional<QString> rate = d->rates.rateOf(code);
    if (!rate)
        return;
    d->state.CurrencyCode = code;
    d->state.CurrentRate = *rate;
    Cancel_Click(); // both displays back to zero, a heading naming the new currency
}

bool Calculator::setRate(const QString &code, const QString &rateText)
{
    if (!d->rates.setRate(code, rateText))
        return false;
    if (code == d->state.CurrencyCode) {
        d->state.CurrentRate = rateText;
        ReadOut_Change(qint16(d->state.InputDisplay));
    }
    return true; // another currency takes it when it is next chosen
}

void Calculator::loadRates(const Euro::RateTable::Reader &readRate) { d->rates = Euro::RateTable(readRate); }

void Calculator::setInputDisplay(qint16 index)
{
    if (index != 0 && index != 1)
        return;
    d->state.InputDisplay = index;
    Cancel_Click(); // the tape names the new input unit
}

void Calculator::setDecimalPlaces(qint16 places)
{
    if (places != 2 && places != 5)
        return;
    d->state.DecimalPlaces = places;
    ReadOut_Change(qint16(d->state.InputDisplay));
}

void Calculator::setKeepOnTop(bool onTop) { d->state.KeepOnTop = onTop ? -1 : 0; }

QString Calculator::inputUnitCode() const
{
    return d->state.InputDisplay == 0 ? Euro::EuroCode.toString() : d->state.CurrencyCode;
}

QString Calculator::convertedUnitCode() const
{
    return d->state.InputDisplay == 0 ? d->state.CurrencyCode : Euro::EuroCode.toString();
}

bool Calculator::conversionOverflows() const
{
    return d->lastConversion.known && d->lastConversion.result && d->lastConversion.result->isEmpty();
}

void Calculator::Cancel_Click()
{
    d->state.Operand1 = qint16(0);
    d->state.Operand2 = qint16(0);
    resetEntry();
    m_tape.appendClearBlock(modeLine());
}

void Calculator::eraseLastDigit()
{
    // Only an amount being keyed loses a digit; a result, an amount after an operator or
    // one in the exponent form is cleared as CE clears it.
    const int input = d->state.InputDisplay;
    const QString t = ReadOut(input);
    if (!isText(d->state.LastInputKind, Nums) || t.contains(u'E')) {
        CancelEntry_Click();
        return;
    }
    QString erased;
    if (!d->state.DecimalTyped) {
        erased = t.chopped(2) + u','; // "1234," keeps its comma at the end: "123,"
    } else if (t.endsWith(u',')) {
        d->state.DecimalTyped = 0; // the comma keyed goes; the entry form still shows one
        erased = t;
    } else {
        erased = t.chopped(1);
    }
    if (!std::any_of(erased.cbegin(), erased.cend(), [](QChar c) { return c.isDigit(); })) {
        CancelEntry_Click(); // the last digit gone: "0,", an amount of zero
        return;
    }
    setReadOut(input, erased);
}

OperatorOutcome Calculator::run(const Euro::KeyAction &action)
{
    using Euro::KeyCommand;
    switch (action.command) {
    case KeyCommand::Digit: lblBouton_Click(action.index); break;
    case KeyCommand::Decimal: Decimal_Click(); break;
    case KeyCommand::Operator: return Operator_Click(action.index);
    case KeyCommand::EraseDigit: eraseLastDigit(); break;
    case KeyCommand::ClearEntry: CancelEntry_Click(); break;
    case KeyCommand::ClearAll: Cancel_Click(); break;
    case KeyCommand::None: break;
    }
    return OperatorOutcome::Done;
}

Euro::PurchasingPower::Reading Calculator::purchasingPower(int fromYear, int toYear) const
{
    return Euro::PurchasingPower::read(ReadOut(d->state.InputDisplay), inputUnitCode(), fromYear, toYear);
}

bool Calculator::recordPurchasingPower(int fromYear, int toYear)
{
    const Euro::PurchasingPower::Reading reading = purchasingPower(fromYear, toYear);
    if (!reading.ok())
        return false;
    m_tape.appendRemark(reading.tapeLine);
    return true;
}

void Calculator::clearTape()
{
    m_tape.clearTape(modeLine());
    // The new tape starts with what is pending, so that what follows adds up.
    const QString *pending = std::get_if<QString>(&d->state.PendingOperator);
    if (d->state.OperandCount == 1 && pending && *pending != NoOperator && *pending != Equals) {
        m_tape.appendOperandLine(displayText(d->state.Operand1));
        m_tape.appendOperatorLine(*pending);
    }
}

void Calculator::CancelEntry_Click()
{
    d->state.DecimalTyped = 0;
    d->state.LastInputKind = EntryCleared;
    setReadOut(d->state.InputDisplay, ZeroEntry);
}

OperatorOutcome Calculator::Operator_Click(qint16 Index)
{
    if (Index < 0 || Index >= OperatorCount)
        return OperatorOutcome::Done; // not an operator key: nothing happens
    const Operator op = Operator(Index);
    // A second minus after a minus taken as a sign changes nothing: the sign is there
    // already, and the first operand must not become "-".
    if (op == Operator::Subtract && isText(d->state.LastInputKind, Neg))
        return OperatorOutcome::Done;
    const QString caption = Euro::operatorCaption(Index);
    const int input = d->state.InputDisplay;
    // Another operator right after a minus taken as a sign corrects the operator: the sign
    // goes, and the first amount comes back on display, as if the minus had not been pressed.
    // Before any amount, the sign waits for one and the key changes nothing.
    if (isText(d->state.LastInputKind, Neg)) {
        if (d->state.OperandCount == 0)
            return OperatorOutcome::Done;
        dropSign();
    }
    const QString t = ReadOut(input);

    d->state.EntryText = t;
    // Cleared with CE, the entry counts as an amount of zero.
    const bool amountKeyed = isText(d->state.LastInputKind, Nums) || isText(d->state.LastInputKind, EntryCleared);
    if (amountKeyed)
        ++d->state.OperandCount;

    // A minus taken as a sign is the sign of the next amount: the tape writes it with that
    // amount, and nothing now.
    OperatorOutcome outcome = OperatorOutcome::Done;
    switch (d->state.OperandCount) {
    case 0:
        if (op == Operator::Subtract) {
            setReadOut(input, Minus + t);
            d->state.LastInputKind = Neg;
            return OperatorOutcome::Done;
        }
        break;
    case 1:
        // The result still shown as written keeps its exact value; anything keyed since
        // counts as its text.
        if (!showsLastResult())
            d->state.Operand1 = t;
        if (op == Operator::Subtract && !amountKeyed && !isText(d->state.PendingOperator, Equals)) {
            setReadOut(input, Minus);
            d->state.LastInputKind = Neg;
            return OperatorOutcome::Done;
        }
        break;
    default:
        d->state.Operand2 = d->state.EntryText;
        outcome = d->runPendingOperation();
        setReadOut(input, displayText(d->state.Operand1));
        d->lastResult = {input, ReadOut(input)};
        d->state.OperandCount = 1;
        break;
    }

    if (!isText(d->state.LastInputKind, Neg)) {
        d->state.LastInputKind = Ops;
        d->state.PendingOperator = caption;
    }

    m_tape.appendOperandLine(t);
    if (outcome != OperatorOutcome::Done) {
        // The tape never states a result that was not computed: the reason stands in its
        // place, then, within a chain, the amount the calculation goes on with.
        m_tape.appendRefusedTotal(Euro::refusalReason(outcome));
        if (!isText(d->state.PendingOperator, Equals)) {
            m_tape.appendOperandLine(ReadOut(input));
            m_tape.appendOperatorLine(caption);
        }
    } else if (!isText(d->state.PendingOperator, Equals)) {
        m_tape.appendOperatorLine(caption);
    } else if (conversionOverflows()) {
        m_tape.appendTotalBlock(ReadOut(input), Euro::conversionOverflowNote(convertedUnitCode()));
    } else {
        m_tape.appendTotalBlock(ReadOut(input));
    }
    return outcome;
}

void Calculator::dropSign()
{
    const int input = d->state.InputDisplay;
    const QString restored = displayText(d->state.Operand1);
    setReadOut(input, restored);
    if (std::holds_alternative<Amount>(d->state.Operand1))
        d->lastResult = {input, restored}; // the result shown again keeps its exact value
    d->state.LastInputKind = Ops;
}

bool Calculator::showsLastResult() const
{
    return d->lastResult.display == d->state.InputDisplay && std::holds_alternative<Amount>(d->state.Operand1)
           && ReadOut(d->lastResult.display) == d->lastResult.text;
}

OperatorOutcome Calculator::Private::runPendingOperation()
{
    const QString *pending = std::get_if<QString>(&state.PendingOperator);
    const std::optional<Operator> op = pending ? Euro::operatorOf(*pending) : std::nullopt;

    const std::optional<Amount> second = operandValue(state.Operand2);
    if (!second)
        return OperatorOutcome::Overflow;
    if (op == Operator::Equals) {
        state.Operand1 = *second;
        return OperatorOutcome::Done;
    }
    if (op == Operator::Divide && sgn(*second) == 0)
        return OperatorOutcome::DivisionByZero;
    const std::optional<Amount> first = operandValue(state.Operand1);
    if (!first)
        return OperatorOutcome::Overflow;
    Amount result;
    switch (op.value_or(Operator::Equals)) {
    case Operator::Add: result = *first + *second; break;
    case Operator::Subtract: result = *first - *second; break;
    case Operator::Multiply: result = *first * *second; break;
    case Operator::Divide: result = *first / *second; break;
    case Operator::Equals: return OperatorOutcome::Done; // no operation pending: the first operand stays
    }
    if (Euro::Amounts::overflows(result))
        return OperatorOutcome::Overflow;
    state.Operand1 = Euro::Amounts::bounded(std::move(result));
    return OperatorOutcome::Done;
}

void Calculator::ReadOut_Change(qint16 Index)
{
    Q_UNUSED(Index);
    const bool fromCurrency = d->state.InputDisplay != 0;
    const int source = fromCurrency ? 1 : 0;
    const int target = fromCurrency ? 0 : 1;
    const QString &sourceText = d->readOut.at(size_t(source));

    Private::Conversion &last = d->lastConversion;
    if (!last.known || last.fromCurrency != fromCurrency || last.decimals != d->state.DecimalPlaces
        || last.source != sourceText || last.rate != d->state.CurrentRate) {
        last.known = true;
        last.fromCurrency = fromCurrency;
        last.decimals = d->state.DecimalPlaces;
        last.source = sourceText;
        last.rate = d->state.CurrentRate;
        last.result = d->convert(sourceText, fromCurrency);
    }
    // A conversion beyond the largest magnitude empties the converted display rather than
    // keep an amount that belongs to another input; conversionOverflows() tells why.
    if (last.result)
        setReadOut(target, *last.result);
}

std::optional<QString> Calculator::Private::convert(const QString &sourceText, bool fromCurrency)
{
    const Euro::NumberText::ReadResult amount = Euro::NumberText::parse(sourceText);
    if (amount.status == ReadStatus::OutOfRange)
        return QString();
    if (amount.status != ReadStatus::Number && (amount.status != ReadStatus::NoDigits || sourceText.isEmpty()))
        return std::nullopt;
    const std::optional<Amount> &rate = currentRateValue();
    if (!rate || (fromCurrency && sgn(*rate) == 0))
        return std::nullopt;
    // An entry without digits yet ("-", ",", "-,") counts as zero, and so does its conversion.
    if (amount.status == ReadStatus::NoDigits)
        return Euro::NumberText::format(Amount(0));
    // Computed once on the exact amount and rate, rounded once.
    if (fromCurrency)
        mpq_div(exactConversion.get_mpq_t(), amount.value.get_mpq_t(), rate->get_mpq_t());
    else
        mpq_mul(exactConversion.get_mpq_t(), amount.value.get_mpq_t(), rate->get_mpq_t());
    if (Euro::Amounts::overflows(exactConversion))
        return QString();
    Euro::roundAmount(exactConversion, state.DecimalPlaces, roundedConversion);
    return Euro::NumberText::format(roundedConversion);
}

const std::optional<Amount> &Calculator::Private::currentRateValue()
{
    RateReading &r = rateReading;
    if (!r.known || r.rate != state.CurrentRate) {
        r.known = true;
        r.rate = state.CurrentRate;
        if (const QString *text = std::get_if<QString>(&state.CurrentRate))
            r.value = Euro::NumberText::read(*text);
        else if (const Amount *a = std::get_if<Amount>(&state.CurrentRate))
            r.value = *a;
        else if (const qint16 *i = std::get_if<qint16>(&state.CurrentRate))
            r.value = Amount(*i);
        else
            r.value = std::nullopt;
    }
    return r.value;
}

QString Calculator::modeLine() const { return Tape::modeLine(d->state.InputDisplay == 0, d->state.CurrencyCode); }
