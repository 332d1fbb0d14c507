#include "tape/tape.h"

#include "tape/clock.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringBuilder>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString DateRule = QStringLiteral("-------------------------");
const QString ClearRule = QStringLiteral("-+-+-+-+-+-");
const QString OperandIndent = QStringLiteral("          ");     // 10 spaces
const QString TotalRule = QStringLiteral("        ----------"); // 8 spaces, 10 hyphens
const QString TotalLead = QStringLiteral("=        ");          // "=" and 8 spaces
const QString ModePrefix = QStringLiteral("Calcul en ");

} // namespace

Tape::Tape(QObject *parent)
    : QObject(parent)
{}

QString Tape::text() const { return m_text; }

qsizetype Tape::length() const { return m_text.size(); }

void Tape::startHeader(const QString &modeLine)
{
    empty();
    append(dateTimeLine() % CrLf % DateRule % CrLf % modeLine % CrLf);
}

void Tape::clearTape(const QString &modeLine)
{
    empty();
    append(dateTimeLine() % CrLf % DateRule % CrLf % CrLf % modeLine % CrLf);
}

void Tape::appendClearBlock(const QString &modeLine) { append(CrLf % ClearRule % CrLf % CrLf % modeLine % CrLf); }

void Tape::appendOperandLine(const QString &displayText) { append(CrLf % OperandIndent % displayAmount(displayText)); }

void Tape::appendOperatorLine(const QString &caption) { append(CrLf % caption); }

void Tape::appendTotalBlock(const QString &displayText, const QString &remark)
{
    const QString note = remark.isEmpty() ? QString() : QStringLiteral("  (") % remark % u')';
    append(CrLf % TotalRule % CrLf % TotalLead % displayAmount(displayText) % note % CrLf);
}

void Tape::appendRemark(const QString &line) { append(CrLf % line % CrLf); }

void Tape::appendRefusedTotal(const QString &reason) { append(CrLf % TotalRule % CrLf % TotalLead % reason % CrLf); }

QString Tape::dateTimeLine()
{
    // Fixed digits and pattern, whatever the user's locale.
    const QDateTime now = Euro::Now();
    return Euro::dateText(now.date()) + QLocale::c().toString(now.time(), QStringLiteral(" - HH:mm"));
}

QString Tape::displayAmount(QStringView displayText)
{
    return (displayText.endsWith(u',') ? displayText.chopped(1) : displayText).toString();
}

bool Tape::isHeadingLine(QStringView line)
{
    static const QRegularExpression dateTime(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} - \\d\\d:\\d\\d$"));
    return isModeLine(line) || line == DateRule || line == ClearRule || dateTime.match(line.toString()).hasMatch();
}

QString Tape::modeLine(bool inEuros, QStringView code)
{
    return ModePrefix + (inEuros ? QStringLiteral("Euros") : code.toString());
}

bool Tape::isModeLine(QStringView line) { return line.startsWith(ModePrefix); }

bool Tape::isTotalRule(QStringView line) { return line == TotalRule; }

void Tape::empty()
{
    m_text.clear();
    Q_EMIT cleared();
}

void Tape::append(const QString &piece)
{
    // QString grows its block geometrically on its own: appending stays cheap however
    // long the tape is.
    m_text.append(piece);
    Q_EMIT appended(piece);
}
