#include "core/Targets.h"

#include "core/DayNumber.h"
#include "core/HolidayCalendar.h"

#include <algorithm>
#include <numeric>

// Whole weeks at the week's sum, then the days left over, without visiting
// every day: a balance may count a century.
qint64 TTargets::SumOfDays(int first, int last) const
{
    if (last < first)
        return 0;
    const qint64 days = qint64(last) - first + 1;
    const qint64 week = std::accumulate(Days.cbegin(), Days.cend(), qint64(0));
    qint64 sum = days / 7 * week;
    const int weekday = DayNumber::dayOfWeek(first);
    for (int i = 0; i < days % 7; ++i)
        sum += Days[std::size_t((weekday - 1 + i) % 7)];
    return sum - HolidayTargets(first, last);
}

bool TTargets::IsHoliday(int date) const
{
    return Holidays && Holidays->IsHoliday(date);
}

qint64 TTargets::HolidayTargets(int first, int last) const
{
    qint64 sum = 0;
    if (Holidays)
        for (const THoliday &holiday : Holidays->Between(first, last))
            sum += OfWorkday(holiday.Date);
    return sum;
}

int TTargets::OfWeekWithHolidays(int weekStart) const
{
    return int(std::max<qint64>(0, Weekly - HolidayTargets(weekStart, weekStart + 6)));
}
