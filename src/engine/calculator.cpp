#include "engine/calculator.h"

#include "engine/currencies.h"
#include "engine/msgbox.h"
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

Calculator::Calculator(Tape &tape, QObject *parent) : QObject(parent), m_tape(tape) {}

QString Calculator::ReadOut(int index) const
{
    if (index < 0 || index > 1)
        return QString();
    return m_readOut[size_t(index)];
}

void Calculator::setReadOut(int index, const QString &text)
{
    if (index < 0 || index > 1)
        return;
    QString &current = m_readOut.at(size_t(index));
    if (index == m_lastResult.display)
        m_lastResult.display = -1; // any later write to it, even the same text, is keyed
    if (current == text)
        return;
    current = text;
    Q_EMIT displayChanged(index, text);
    ReadOut_Change(qint16(index));
}

void Calculator::start(const QString &startRate)
{
    m_state = CalculatorState{}; // 2 decimals, input in the currency, on top
    m_state.CurrentRate = startRate;
    m_state.CurrencyCode = Euro::StartCurrencyCode.toString();
    resetEntry();
}

void Calculator::resetEntry()
{
    m_state.DecimalTyped = 0;
    m_state.OperandCount = 0;
    m_state.LastInputKind = None;
    m_state.PendingOperator = NoOperator;
    setReadOut(0, ZeroEntry);
    setReadOut(1, ZeroEntry);
}

void Calculator::lblBouton_Click(qint16 Index)
{
    const int input = m_state.InputDisplay;
    const QChar digit = QChar(u'0' + (Index % 10 + 10) % 10);
    // A full display takes no more digits, as on a pocket calculator; nor does an amount
    // entered in the exponent form.
    if (isText(m_state.LastInputKind, Nums)
        && (ReadOut(input).size() >= Euro::NumberText::MaxTextLength || ReadOut(input).contains(u'E')))
        return;
    if (!isText(m_state.LastInputKind, Nums)) {
        setReadOut(input, QStringLiteral(","));
        m_state.DecimalTyped = 0;
    }
    const QString t = ReadOut(input);
    if (m_state.DecimalTyped) {
        setReadOut(input, t + digit);
    } else {
        const qsizetype comma = t.indexOf(u',');
        setReadOut(input, (comma < 0 ? t : t.first(comma)) + digit + u',');
    }
    if (isText(m_state.LastInputKind, Neg))
        setReadOut(input, Minus + ReadOut(input));
    m_state.LastInputKind = Nums;
}

void Calculator::Decimal_Click()
{
    if (isText(m_state.LastInputKind, Neg))
        setReadOut(m_state.InputDisplay, QStringLiteral("-,"));
    else if (!isText(m_state.LastInputKind, Nums))
        setReadOut(m_state.InputDisplay, QStringLiteral(","));
    m_state.DecimalTyped = -1;
    m_state.LastInputKind = Nums;
}

Euro::NumberText::PastedAmount Calculator::enterAmount(QStringView pasted)
{
    Euro::NumberText::PastedAmount amount = Euro::NumberText::readPasted(pasted, inputUnitCode());
    if (!amount.read())
        return amount;
    QString text = amount.keyed;
    if (isText(m_state.LastInputKind, Neg) && text != ZeroEntry)
        text = text.startsWith(Minus) ? text.sliced(1) : Minus + text;
    if (text.size() > Euro::NumberText::MaxTextLength) {
        amount.refusal = Euro::NumberText::PasteRefusal::TooLong; // with the sign keyed before it
        return amount;
    }
    // Further digits go where keying them would: after the comma once decimals are there.
    const qsizetype comma = text.indexOf(u',');
    m_state.DecimalTyped = comma >= 0 && comma + 1 < text.size() ? -1 : 0;
    setReadOut(m_state.InputDisplay, text);
    m_state.LastInputKind = Nums;
    return amount;
}

void Calculator::selectCurrency(const QString &code)
{
    const std::optional<QString> rate = m_rates.rateOf(code);
    if (!rate)
        return;
    m_state.CurrencyCode = code;
    m_state.CurrentRate = *rate;
    Cancel_Click(); // both displays back to zero, a heading naming the new currency
}

bool Calculator::setRate(const QString &code, const QString &rateText)
{
    if (!m_rates.setRate(code, rateText))
        return false;
    if (code == m_state.CurrencyCode) {
        m_state.CurrentRate = rateText;
        ReadOut_Change(qint16(m_state.InputDisplay));
    }
    return true; // another currency takes it when it is next chosen
}

void Calculator::loadRates(const Euro::RateTable::Reader &readRate) { m_rates = Euro::RateTable(readRate); }

void Calculator::setInputDisplay(qint16 index)
{
    if (index != 0 && index != 1)
        return;
    m_state.InputDisplay = index;
    Cancel_Click(); // the tape names the new input unit
}

void Calculator::setDecimalPlaces(qint16 places)
{
    if (places != 2 && places != 5)
        return;
    m_state.DecimalPlaces = places;
    ReadOut_Change(qint16(m_state.InputDisplay));
}

void Calculator::setKeepOnTop(bool onTop) { m_state.KeepOnTop = onTop ? -1 : 0; }

QString Calculator::inputUnitCode() const
{
    return m_state.InputDisplay == 0 ? QStringLiteral("EUR") : m_state.CurrencyCode;
}

QString Calculator::convertedUnitCode() const
{
    return m_state.InputDisplay == 0 ? m_state.CurrencyCode : QStringLiteral("EUR");
}

bool Calculator::conversionOverflows() const
{
    return m_lastConversion.known && m_lastConversion.result && m_lastConversion.result->isEmpty();
}

void Calculator::Cancel_Click()
{
    m_state.Operand1 = qint16(0);
    m_state.Operand2 = qint16(0);
    resetEntry();
    m_tape.appendClearBlock(modeLine());
}

void Calculator::eraseLastDigit()
{
    // Only an amount being keyed loses a digit; a result, an amount after an operator or
    // one in the exponent form is cleared as CE clears it.
    const int input = m_state.InputDisplay;
    const QString t = ReadOut(input);
    if (!isText(m_state.LastInputKind, Nums) || t.contains(u'E')) {
        CancelEntry_Click();
        return;
    }
    QString erased;
    if (!m_state.DecimalTyped) {
        erased = t.chopped(2) + u','; // "1234," keeps its comma at the end: "123,"
    } else if (t.endsWith(u',')) {
        m_state.DecimalTyped = 0; // the comma keyed goes; the entry form still shows one
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

void Calculator::clearTape()
{
    m_tape.clearTape(modeLine());
    // The new tape starts with what is pending, so that what follows adds up.
    const QString *pending = std::get_if<QString>(&m_state.PendingOperator);
    if (m_state.OperandCount == 1 && pending && *pending != NoOperator && *pending != Equals) {
        m_tape.appendOperandLine(displayText(m_state.Operand1));
        m_tape.appendOperatorLine(*pending);
    }
}

void Calculator::CancelEntry_Click()
{
    m_state.DecimalTyped = 0;
    m_state.LastInputKind = EntryCleared;
    setReadOut(m_state.InputDisplay, ZeroEntry);
}

void Calculator::Operator_Click(qint16 Index)
{
    if (Index < 0 || Index >= OperatorCount)
        return; // not an operator key
    const Operator op = Operator(Index);
    // A second minus after a minus taken as a sign changes nothing: the sign is there
    // already, and the first operand must not become "-".
    if (op == Operator::Subtract && isText(m_state.LastInputKind, Neg))
        return;
    const QString caption = operatorCaption(Index);
    const int input = m_state.InputDisplay;
    // Another operator right after a minus taken as a sign corrects the operator: the sign
    // goes, and the first amount comes back on display, as if the minus had not been pressed.
    // Before any amount, the sign waits for one and the key changes nothing.
    if (isText(m_state.LastInputKind, Neg)) {
        if (m_state.OperandCount == 0)
            return;
        dropSign();
    }
    const QString t = ReadOut(input);

    m_state.EntryText = t;
    // Cleared with CE, the entry counts as an amount of zero.
    const bool amountKeyed = isText(m_state.LastInputKind, Nums) || isText(m_state.LastInputKind, EntryCleared);
    if (amountKeyed)
        ++m_state.OperandCount;

    // A minus taken as a sign is the sign of the next amount: the tape writes it with that
    // amount, and nothing now.
    std::optional<QString> refused;
    switch (m_state.OperandCount) {
    case 0:
        if (op == Operator::Subtract) {
            setReadOut(input, Minus + t);
            m_state.LastInputKind = Neg;
            return;
        }
        break;
    case 1:
        // The result still shown as written keeps its exact value; anything keyed since
        // counts as its text.
        if (!showsLastResult())
            m_state.Operand1 = t;
        if (op == Operator::Subtract && !amountKeyed && !isText(m_state.PendingOperator, Equals)) {
            setReadOut(input, Minus);
            m_state.LastInputKind = Neg;
            return;
        }
        break;
    default:
        m_state.Operand2 = m_state.EntryText;
        refused = runPendingOperation();
        setReadOut(input, displayText(m_state.Operand1));
        m_lastResult = {input, ReadOut(input)};
        m_state.OperandCount = 1;
        break;
    }

    if (!isText(m_state.LastInputKind, Neg)) {
        m_state.LastInputKind = Ops;
        m_state.PendingOperator = caption;
    }

    m_tape.appendOperandLine(t);
    if (refused) {
        // The tape never states a result that was not computed: the reason stands in its
        // place, then, within a chain, the amount the calculation goes on with.
        m_tape.appendRefusedTotal(*refused);
        if (!isText(m_state.PendingOperator, Equals)) {
            m_tape.appendOperandLine(ReadOut(input));
            m_tape.appendOperatorLine(caption);
        }
    } else if (!isText(m_state.PendingOperator, Equals)) {
        m_tape.appendOperatorLine(caption);
    } else if (conversionOverflows()) {
        m_tape.appendTotalBlock(ReadOut(input), Euro::conversionOverflowNote(convertedUnitCode()));
    } else {
        m_tape.appendTotalBlock(ReadOut(input));
    }
}

void Calculator::dropSign()
{
    const int input = m_state.InputDisplay;
    const QString restored = displayText(m_state.Operand1);
    setReadOut(input, restored);
    if (std::holds_alternative<Amount>(m_state.Operand1))
        m_lastResult = {input, restored}; // the result shown again keeps its exact value
    m_state.LastInputKind = Ops;
}

bool Calculator::showsLastResult() const
{
    return m_lastResult.display == m_state.InputDisplay && std::holds_alternative<Amount>(m_state.Operand1)
           && ReadOut(m_lastResult.display) == m_lastResult.text;
}

std::optional<QString> Calculator::runPendingOperation()
{
    const QString *pending = std::get_if<QString>(&m_state.PendingOperator);
    const std::optional<Operator> op = pending ? operatorOf(*pending) : std::nullopt;

    const std::optional<Amount> second = operandValue(m_state.Operand2);
    if (!second)
        return reportOverflow();
    if (op == Operator::Equals) {
        m_state.Operand1 = *second;
        return std::nullopt;
    }
    if (op == Operator::Divide && sgn(*second) == 0) {
        const QString reason = QStringLiteral("Division par zéro");
        Euro::MsgBox(reason + u'.', Euro::vbExclamation, Euro::appTitle());
        return reason;
    }
    const std::optional<Amount> first = operandValue(m_state.Operand1);
    if (!first)
        return reportOverflow();
    Amount result;
    switch (op.value_or(Operator::Equals)) {
    case Operator::Add: result = *first + *second; break;
    case Operator::Subtract: result = *first - *second; break;
    case Operator::Multiply: result = *first * *second; break;
    case Operator::Divide: result = *first / *second; break;
    case Operator::Equals: return std::nullopt; // no operation pending: the first operand stays
    }
    if (Euro::Amounts::overflows(result))
        return reportOverflow();
    m_state.Operand1 = Euro::Amounts::bounded(std::move(result));
    return std::nullopt;
}

QString Calculator::reportOverflow()
{
    const QString reason = QStringLiteral("Dépassement de capacité");
    Euro::MsgBox(reason + u'.', Euro::vbExclamation, Euro::appTitle());
    return reason;
}

void Calculator::ReadOut_Change(qint16 Index)
{
    Q_UNUSED(Index);
    const bool fromCurrency = m_state.InputDisplay != 0;
    const int source = fromCurrency ? 1 : 0;
    const int target = fromCurrency ? 0 : 1;
    const QString &sourceText = m_readOut.at(size_t(source));

    Conversion &last = m_lastConversion;
    if (!last.known || last.fromCurrency != fromCurrency || last.decimals != m_state.DecimalPlaces
        || last.source != sourceText || last.rate != m_state.CurrentRate) {
        last.known = true;
        last.fromCurrency = fromCurrency;
        last.decimals = m_state.DecimalPlaces;
        last.source = sourceText;
        last.rate = m_state.CurrentRate;
        last.result = convert(sourceText, fromCurrency);
    }
    // A conversion beyond the largest magnitude empties the converted display rather than
    // keep an amount that belongs to another input; conversionOverflows() tells why.
    if (last.result)
        setReadOut(target, *last.result);
}

std::optional<QString> Calculator::convert(const QString &sourceText, bool fromCurrency)
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
        mpq_div(m_exactConversion.get_mpq_t(), amount.value.get_mpq_t(), rate->get_mpq_t());
    else
        mpq_mul(m_exactConversion.get_mpq_t(), amount.value.get_mpq_t(), rate->get_mpq_t());
    if (Euro::Amounts::overflows(m_exactConversion))
        return QString();
    Euro::roundAmount(m_exactConversion, m_state.DecimalPlaces, m_roundedConversion);
    return Euro::NumberText::format(m_roundedConversion);
}

const std::optional<Amount> &Calculator::currentRateValue()
{
    RateReading &r = m_rateReading;
    if (!r.known || r.rate != m_state.CurrentRate) {
        r.known = true;
        r.rate = m_state.CurrentRate;
        if (const QString *text = std::get_if<QString>(&m_state.CurrentRate))
            r.value = Euro::NumberText::read(*text);
        else if (const Amount *a = std::get_if<Amount>(&m_state.CurrentRate))
            r.value = *a;
        else if (const qint16 *i = std::get_if<qint16>(&m_state.CurrentRate))
            r.value = Amount(*i);
        else
            r.value = std::nullopt;
    }
    return r.value;
}

QString Calculator::modeLine() const
{
    if (m_state.InputDisplay == 0)
        return QStringLiteral("Calcul en Euros");
    return QStringLiteral("Calcul en ") + m_state.CurrencyCode;
}

QString Calculator::operatorCaption(qint16 Index)
{
    if (Index < 0 || Index >= OperatorCount)
        return QString();
    return QString(QChar(OperatorCaptions[Index]));
}

std::optional<Operator> Calculator::operatorOf(QStringView caption)
{
    if (caption.size() != 1)
        return std::nullopt;
    for (qint16 i = 0; i < OperatorCount; ++i) {
        if (caption[0] == QChar(OperatorCaptions[i]))
            return Operator(i);
    }
    return std::nullopt;
}
