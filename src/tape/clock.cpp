#include "tape/clock.h"

#include <utility>

namespace Euro {
namespace {
ClockSource &currentSource()
{
    static ClockSource source;
    return source;
}
} // namespace

QDateTime Now()
{
    const ClockSource &source = currentSource();
    return source ? source() : QDateTime::currentDateTime();
}

ClockSource installClock(ClockSource source)
{
    return std::exchange(currentSource(), std::move(source));
}

} // namespace Euro
