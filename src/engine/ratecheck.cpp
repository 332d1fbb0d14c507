#include "engine/ratecheck.h"

#include "engine/numbertext.h"

namespace Euro {

RateCheck checkRate(QStringView text)
{
    if (text.isEmpty())
        return RateCheck::Empty;
    const std::optional<Amount> rate = NumberText::read(text);
    if (!rate)
        return RateCheck::NotNumeric;
    if (sgn(*rate) <= 0)
        return RateCheck::NotAboveZero;
    return RateCheck::Ok;
}

} // namespace Euro
