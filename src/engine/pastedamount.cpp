#include "engine/pastedamount.h"

#include "tape/tape.h"

#include "engine/currencies.h"
#include "engine/numbertext.h"

#include <algorithm>
#include <utility>

namespace Euro::NumberText {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u00A0' || c == u'\u202F';
}

// A space that groups digits, as French writes "1 234 567".
bool isGroupSpace(QChar c) { return c == u' ' || c == u'\u00A0' || c == u'\u202F'; }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isSign(QChar c) { return c == u'-' || c == u'\u2212'; }

bool isLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool same(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The unit a mark names: a code of the table or "EUR", and the usual short marks; empty
// for any other word.
QString unitOfMark(QStringView mark)
{
    if (mark == u"€" || same(mark, EuroCode))
        return EuroCode.toString();
    for (const Currency &c : CurrencyTable) {
        if (same(mark, c.code))
            return c.code.toString();
        for (QStringView other : c.marks.split(u' ', Qt::SkipEmptyParts)) {
            if (same(mark, other))
                return c.code.toString();
        }
    }
    return QString();
}

// Reads text left to right; every step leaves pos after what it took.
struct Reader {
    QStringView text;
    qsizetype pos = 0;

    bool atEnd() const { return pos >= text.size(); }
    QChar peek(qsizetype ahead = 0) const { return pos + ahead < text.size() ? text[pos + ahead] : QChar(); }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(peek()))
            ++pos;
    }
    // "€" or a run of letters; empty when neither is here.
    QStringView mark()
    {
        const qsizetype from = pos;
        if (peek() == u'€')
            ++pos;
        else
            while (!atEnd() && isLetter(peek()))
                ++pos;
        return text.sliced(from, pos - from);
    }
};

// Digits in groups of three after a first group of one to three, split by sep; the digits
// alone, or nothing when the grouping is not that.
std::optional<QString> ungroup(QStringView part, QChar sep)
{
    QString digits;
    qsizetype group = 0;
    bool first = true;
    for (const QChar c : part) {
        if (c == sep || (sep == u' ' && isGroupSpace(c))) {
            if (group == 0 || (first ? group > 3 : group != 3))
                return std::nullopt;
            first = false;
            group = 0;
        } else if (isDigit(c)) {
            digits += c;
            ++group;
        } else {
            return std::nullopt;
        }
    }
    if (!first && group != 3)
        return std::nullopt;
    return digits;
}

struct Mantissa {
    QString whole;
    QString fraction;
    bool ambiguous = false; // "2.500": the dot may group thousands or mark decimals
};

// The mantissa "1 234,56" / "1.234,56" / "1,234.56" / "12.50": integer and decimal digits.
std::optional<Mantissa> mantissa(QStringView body)
{
    const qsizetype commas = body.count(u',');
    const qsizetype dots = body.count(u'.');
    const bool spaces = std::any_of(body.begin(), body.end(), isGroupSpace);
    QChar decimal, group;
    if (commas > 0 && dots > 0) {
        decimal = body.lastIndexOf(u',') > body.lastIndexOf(u'.') ? u',' : u'.';
        group = decimal == u',' ? u'.' : u',';
        if (body.count(decimal) != 1)
            return std::nullopt;
    } else if (commas + dots == 1) {
        decimal = commas ? u',' : u'.';
    } else if (commas + dots > 1) {
        group = commas ? u',' : u'.';
    }
    if (spaces) {
        if (!group.isNull())
            return std::nullopt; // one way of grouping at a time
        group = u' ';
    }
    const qsizetype at = decimal.isNull() ? -1 : body.indexOf(decimal);
    const QStringView whole = at < 0 ? body : body.first(at);
    const QStringView fraction = at < 0 ? QStringView() : body.sliced(at + 1);
    if (!std::all_of(fraction.begin(), fraction.end(), isDigit))
        return std::nullopt;
    std::optional<QString> wholeDigits = group.isNull() ? ungroup(whole, u'\0') : ungroup(whole, group);
    if (!wholeDigits || (wholeDigits->isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    // A group of thousands has one to three digits before it, and no leading zero.
    const bool ambiguous = decimal == u'.' && commas == 0 && !spaces && fraction.size() == 3 && !whole.isEmpty()
                           && whole.size() <= 3 && whole.front() != u'0';
    return Mantissa{*wholeDigits, fraction.toString(), ambiguous};
}

// Digits as keying them would leave the display: "007" and "500" give "7,5"; "0," for zero.
QString keyedForm(bool negative, QString whole, QString fraction, const QString &exponent)
{
    while (whole.size() > 1 && whole.front() == u'0')
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);
    if (whole == u"0" && fraction.isEmpty())
        return QStringLiteral("0,");
    QString keyed = (negative ? QStringLiteral("-") : QString()) + whole;
    if (!fraction.isEmpty() || exponent.isEmpty())
        keyed += u',' + fraction;
    return keyed + exponent;
}

// A keyed form in the number text form: no final comma.
QString shown(const QString &keyed) { return Tape::displayAmount(keyed); }

} // namespace

PastedAmount readPasted(QStringView text, QStringView unitCode)
{
    PastedAmount out;
    Reader in{text};
    bool negative = false;
    bool marked = false;
    const auto takeSign = [&] {
        if (!isSign(in.peek()))
            return true;
        if (negative)
            return false; // two signs
        negative = true;
        ++in.pos;
        in.skipBlanks();
        return true;
    };
    const auto takeMark = [&] {
        const QStringView mark = in.mark();
        if (mark.isEmpty())
            return true;
        if (marked)
            return false; // two marks
        // The display's own code, or a mark that names a unit, checked once all is read.
        out.markedUnit = same(mark, unitCode) ? unitCode.toString() : unitOfMark(mark);
        if (out.markedUnit.isEmpty())
            return false; // a word
        marked = true;
        in.skipBlanks();
        return true;
    };
    const auto answer = [&out](PasteRefusal refusal) {
        out.refusal = refusal;
        return out;
    };

    in.skipBlanks();
    if (!takeSign() || !takeMark() || !takeSign())
        return answer(PasteRefusal::NotAnAmount);

    // The number: digits and separators, then the exponent the displays write.
    const qsizetype from = in.pos;
    while (!in.atEnd() && (isDigit(in.peek()) || in.peek() == u',' || in.peek() == u'.' || isGroupSpace(in.peek())))
        ++in.pos;
    qsizetype end = in.pos;
    while (end > from && isGroupSpace(text[end - 1]))
        --end; // the space before a mark
    in.pos = end;
    const std::optional<Mantissa> digits = mantissa(text.sliced(from, end - from));
    if (!digits)
        return answer(PasteRefusal::NotAnAmount);
    QString exponent;
    if ((in.peek() == u'E' || in.peek() == u'e')
        && (isDigit(in.peek(1)) || ((in.peek(1) == u'+' || in.peek(1) == u'-') && isDigit(in.peek(2))))) {
        ++in.pos;
        const bool below = in.peek() == u'-';
        if (!isDigit(in.peek()))
            ++in.pos;
        QString power;
        for (; !in.atEnd() && isDigit(in.peek()); ++in.pos)
            power += in.peek();
        while (power.size() > 2 && power.front() == u'0')
            power.remove(0, 1);
        exponent = QStringLiteral("E") + (below ? u'-' : u'+') + power.rightJustified(2, u'0');
    }
    in.skipBlanks();
    if (!takeMark() || !in.atEnd())
        return answer(PasteRefusal::NotAnAmount); // a trailing sign, a second number, a word

    if (marked && out.markedUnit != unitCode)
        return answer(PasteRefusal::OtherUnit);
    if (digits->ambiguous && exponent.isEmpty()) {
        out.asThousands = shown(keyedForm(negative, digits->whole + digits->fraction, QString(), exponent));
        out.asDecimals = shown(keyedForm(negative, digits->whole, digits->fraction, exponent));
        return answer(PasteRefusal::Ambiguous);
    }
    out.keyed = keyedForm(negative, digits->whole, digits->fraction, exponent);
    if (out.keyed == u"0,")
        return answer(PasteRefusal::None);
    if (out.keyed.size() > MaxTextLength)
        return answer(PasteRefusal::TooLong);
    // The same range as a result: nothing beyond the largest magnitude, nothing that would
    // read as zero below the smallest one.
    const ReadResult value = parse(out.keyed);
    if (value.status != ReadStatus::Number || sgn(value.value) == 0)
        return answer(PasteRefusal::OutOfRange);
    return answer(PasteRefusal::None);
}

} // namespace Euro::NumberText
