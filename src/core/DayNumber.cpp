#include "core/DayNumber.h"

#include "core/Regional.h"
#include "core/Rounding.h"

#include <algorithm>

namespace DayNumber {
namespace {

// The Julian day of 30 December 1899, a constant so that day numbers also work
// while other files' globals are being initialised.
constexpr qint64 EpochJulianDay = 2415019;

} // namespace

int fromDate(const QDate &date)
{
    return static_cast<int>(date.toJulianDay() - EpochJulianDay);
}

QDate toDate(int day)
{
    return QDate::fromJulianDay(EpochJulianDay + day);
}

int dayOfWeek(int day)
{
    // Day 0 was a Saturday.
    int r = (day + 6) % 7;
    if (r < 0)
        r += 7;
    return r + 1;
}

bool isWeekend(int day)
{
    const int weekday = dayOfWeek(day);
    return weekday == Saturday || weekday == Sunday;
}

int weekStartOf(int day, int firstDayOfWeek)
{
    int d = day;
    for (int step = 0; step < 7 && dayOfWeek(d) != firstDayOfWeek; ++step)
        --d;
    return d;
}

int today()
{
    return fromDate(Clock::today());
}

int minutesNow()
{
    const double minutes = Clock::now().time().msecsSinceStartOfDay() / 60000.0;
    // The last half minute of the day is 23:59, not the 0:00 that starts it.
    return std::min(static_cast<int>(roundHalfEven(minutes)), 24 * 60 - 1);
}

} // namespace DayNumber
