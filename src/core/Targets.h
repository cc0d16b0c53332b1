#pragma once

#include "core/DayNumber.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <memory>

class THolidayCalendar;

// What a day and a week are to be worked, in minutes. Every figure measured
// against a target (the sheet's deviations and weekly figures, the report's
// weekly deviation, the CSV deviation, the balance, the command line) asks
// these functions for it, so that a rule for which target holds on which day
// is made here alone. Today a day's target is the one of its weekday, and 0
// on a public holiday.
struct TTargets {
    std::array<int, 7> Days { 0, 450, 450, 450, 450, 420, 0 }; // by weekday, Sunday first
    int Weekly = 2220;
    // The public holidays; none without a calendar.
    std::shared_ptr<const THolidayCalendar> Holidays;

    // The target of a day number.
    int OfDay(int date) const { return Holidays && IsHoliday(date) ? 0 : OfWorkday(date); }
    // The sum of the targets of the days first to last, both included; 0 when
    // last is before first.
    qint64 SumOfDays(int first, int last) const;
    // The target of the week that begins on weekStart: the weekly target less
    // the day targets of the public holidays in it, never below 0.
    int OfWeek(int weekStart) const { return Holidays ? OfWeekWithHolidays(weekStart) : Weekly; }

    bool IsHoliday(int date) const;
    // The target the day would have if it were no public holiday.
    int OfWorkday(int date) const { return Days[std::size_t(DayNumber::dayOfWeek(date) - 1)]; }

private:
    // The targets the public holidays from first to last take off.
    qint64 HolidayTargets(int first, int last) const;
    int OfWeekWithHolidays(int weekStart) const;
};
