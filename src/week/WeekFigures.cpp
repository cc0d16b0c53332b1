#include "week/WeekFigures.h"

namespace {

constexpr qint64 MinutesPerDay = 1440;

SheetField storedField(int minutes, int blankValue)
{
    return SheetField { minutes < 0 || minutes == blankValue ? -1 : minutes, true };
}

} // namespace

SheetDayFigures CalculateSheetDay(const SheetDay &day, int target, bool includeHolidays)
{
    const SheetField &a = day.arrive;
    const SheetField &d = day.depart;
    const SheetField &l = day.lunch;
    SheetDayFigures figures;
    if (!a.IsBlank() && a.valid && !d.IsBlank() && d.valid && l.valid) {
        qint64 span = qint64(d.minutes) - a.minutes;
        if (span < 0)
            span += MinutesPerDay; // departed after midnight
        // A blank lunch holds -1, which always fits.
        figures.spanFitsLunch = span - l.minutes >= 0;
        if (l.minutes > 0)
            span -= l.minutes;
        figures.hours = figures.spanFitsLunch ? span : 0;
    }
    if (figures.spanFitsLunch) {
        if (day.extra.valid && day.extra.minutes > 0)
            figures.hours += day.extra.minutes;
        if (includeHolidays && day.holiday.valid && day.holiday.minutes > 0)
            figures.hours += day.holiday.minutes;
    }
    figures.deviation = figures.hours - target;
    return figures;
}

SheetWeekFigures CalculateSheetWeek(const std::array<SheetDay, 7> &days, const std::array<int, 7> &targets,
    int weeklyTarget, bool includeHolidays)
{
    SheetWeekFigures week;
    for (std::size_t i = 0; i < days.size(); ++i) {
        week.days[i] = CalculateSheetDay(days[i], targets[i], includeHolidays);
        week.weeklyHours += week.days[i].hours;
    }
    week.hoursShort = week.weeklyHours < weeklyTarget;
    week.shortfall = week.hoursShort ? weeklyTarget - week.weeklyHours : week.weeklyHours - weeklyTarget;
    return week;
}

SheetDay SheetDayFromStored(int arrive, int depart, int lunch, int extra, int holiday)
{
    return SheetDay { storedField(arrive, -1), storedField(depart, -1), storedField(lunch, 0),
        storedField(extra, 0), storedField(holiday, 0) };
}
