#include "engine/ratecheck.h"

#include "engine/numbertext.h"

namespace Euro {

namespace {

// Digits with at most one comma, at least one digit: no sign, no exponent, no spaces.
bool isPlainDecimal(QStringView text)
{
    int commas = 0;
    int digits = 0;
    for (QChar c : text) {
        if (c == u',')
            ++commas;
        else if (c >= u'0' && c <= u'9')
            ++digits;
        else
            return false;
    }
    return commas <= 1 && digits > 0;
}

} // namespace

RateCheck checkRate(QStringView text)
{
    if (text.isEmpty())
        return RateCheck::Empty;
    // A minus sign says what is wrong more plainly than "not a number" would.
    if (text.startsWith(u'-') && isPlainDecimal(text.sliced(1)))
        return RateCheck::NotAboveZero;
    // A stored text is held to the box's limit too: a 29-digit rate reads every amount as 0.
    if (!isPlainDecimal(text) || text.size() > RateMaxLength)
        return RateCheck::NotNumeric;
    const std::optional<Amount> rate = NumberText::read(text);
    if (!rate)
        return RateCheck::NotNumeric;
    if (sgn(*rate) <= 0)
        return RateCheck::NotAboveZero;
    return RateCheck::Ok;
}

} // namespace Euro
