#include "engine/calculator.h"

#include "engine/msgbox.h"
#include "engine/numbertext.h"
#include "engine/rounding.h"
#include "tape/tape.h"

#include <cmath>

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
    if (const double *d = std::get_if<double>(&v))
        return Euro::NumberText::format(*d);
    if (const qint16 *i = std::get_if<qint16>(&v))
        return QString::number(*i);
    return QString();
}

// An operand read as a number. An amount keyed without any digit ("," "-" "-,") counts
// as zero; a text with digits that is no double (far too large) cannot be calculated.
std::optional<double> operandValue(const Value &v)
{
    if (const double *d = std::get_if<double>(&v))
        return *d;
    if (const qint16 *i = std::get_if<qint16>(&v))
        return double(*i);
    if (const QString *s = std::get_if<QString>(&v)) {
        const Euro::NumberText::ReadResult r = Euro::NumberText::parse(*s);
        if (r.status == ReadStatus::Number)
            return r.value;
        if (r.status == ReadStatus::NoDigits)
            return 0.0;
        return std::nullopt;
    }
    return 0.0; // nothing: zero
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
    m_state.CurrencyCode = QStringLiteral("FRF");
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

void Calculator::Cancel_Click()
{
    m_state.Operand1 = qint16(0);
    m_state.Operand2 = qint16(0);
    resetEntry();
    m_tape.appendClearBlock(modeLine());
}

void Calculator::CancelEntry_Click()
{
    m_state.DecimalTyped = 0;
    m_state.LastInputKind = EntryCleared;
    setReadOut(m_state.InputDisplay, ZeroEntry);
}

void Calculator::Operator_Click(qint16 Index)
{
    const QString caption = operatorCaption(Index);
    if (caption.isEmpty())
        return; // not an operator key
    const int input = m_state.InputDisplay;
    const QString t = ReadOut(input);

    m_state.EntryText = t;
    m_tape.appendOperandLine(t);
    if (isText(m_state.LastInputKind, Nums))
        ++m_state.OperandCount;

    switch (m_state.OperandCount) {
    case 0:
        if (caption == Minus && !isText(m_state.LastInputKind, Neg)) {
            setReadOut(input, Minus + t);
            m_state.LastInputKind = Neg;
        }
        break;
    case 1:
        m_state.Operand1 = t;
        if (caption == Minus && !isText(m_state.LastInputKind, Nums)
            && !isText(m_state.PendingOperator, Equals)) {
            setReadOut(input, Minus);
            m_state.LastInputKind = Neg;
        }
        break;
    default:
        m_state.Operand2 = m_state.EntryText;
        runPendingOperation();
        setReadOut(input, displayText(m_state.Operand1));
        m_state.OperandCount = 1;
        break;
    }

    if (!isText(m_state.LastInputKind, Neg)) {
        m_state.LastInputKind = Ops;
        m_state.PendingOperator = caption;
    }

    if (!isText(m_state.PendingOperator, Equals))
        m_tape.appendOperatorLine(caption);
    else
        m_tape.appendTotalBlock(ReadOut(input));
}

void Calculator::runPendingOperation()
{
    const QString *pending = std::get_if<QString>(&m_state.PendingOperator);
    const QString op = pending ? *pending : QString();

    const std::optional<double> second = operandValue(m_state.Operand2);
    if (!second) {
        reportOverflow();
        return;
    }
    if (op == Equals) {
        m_state.Operand1 = *second;
        return;
    }
    if (op == QLatin1String("/") && *second == 0.0) {
        Euro::MsgBox(QStringLiteral("Division par zéro."), Euro::vbExclamation, Euro::appTitle());
        return;
    }
    const std::optional<double> first = operandValue(m_state.Operand1);
    if (!first) {
        reportOverflow();
        return;
    }
    double result;
    if (op == QLatin1String("+"))
        result = *first + *second;
    else if (op == Minus)
        result = *first - *second;
    else if (op == QLatin1String("X"))
        result = *first * *second;
    else if (op == QLatin1String("/"))
        result = *first / *second;
    else
        return; // no operation pending: the first operand stays
    if (!std::isfinite(result)) {
        reportOverflow();
        return;
    }
    m_state.Operand1 = result;
}

void Calculator::reportOverflow()
{
    Euro::MsgBox(QStringLiteral("Dépassement de capacité."), Euro::vbExclamation, Euro::appTitle());
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
    // A conversion that fails leaves the converted display as it was, without a message.
    if (last.result)
        setReadOut(target, *last.result);
}

std::optional<QString> Calculator::convert(const QString &sourceText, bool fromCurrency) const
{
    const std::optional<double> amount = Euro::NumberText::read(sourceText);
    if (!amount)
        return std::nullopt;
    std::optional<double> rate;
    if (const QString *text = std::get_if<QString>(&m_state.CurrentRate))
        rate = Euro::NumberText::read(*text);
    else if (const double *d = std::get_if<double>(&m_state.CurrentRate))
        rate = *d;
    else if (const qint16 *i = std::get_if<qint16>(&m_state.CurrentRate))
        rate = double(*i);
    if (!rate || (fromCurrency && *rate == 0.0))
        return std::nullopt;
    const double converted = fromCurrency ? *amount / *rate : *amount * *rate;
    if (!std::isfinite(converted))
        return std::nullopt;
    return Euro::NumberText::format(Euro::roundAmount(converted, m_state.DecimalPlaces));
}

QString Calculator::modeLine() const
{
    if (m_state.InputDisplay == 0)
        return QStringLiteral("Calcul en Euros");
    return QStringLiteral("Calcul en ") + m_state.CurrencyCode;
}

QString Calculator::operatorCaption(qint16 Index)
{
    switch (Index) {
    case 0: return QStringLiteral("/");
    case 1: return QStringLiteral("+");
    case 2: return QStringLiteral("X");
    case 3: return QStringLiteral("-");
    case 4: return QStringLiteral("=");
    default: return QString();
    }
}
