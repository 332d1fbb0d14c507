#include "tape/clock.h"

#include "tape/seam.h"

#include <QLocale>

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

QString dateText(const QDate &date) { return QLocale::c().toString(date, QStringLiteral("dd/MM/yyyy")); }

ClockSource installClock(ClockSource source) { return clock().install(std::move(source)); }

} // namespace Euro
