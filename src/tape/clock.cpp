#include "tape/clock.h"

#include "tape/seam.h"

namespace Euro {
namespace {
QDateTime systemClock() { return QDateTime::currentDateTime(); }

Seam<QDateTime()> &clock()
{
    static Seam<QDateTime()> seam(&systemClock);
    return seam;
}
} // namespace

QDateTime Now() { return clock()(); }

ClockSource installClock(ClockSource source) { return clock().install(std::move(source)); }

} // namespace Euro
