#pragma once

#include <QtGlobal>

#include <array>

// The figures of the week sheet without its widgets: what each day's Hours
// and Deviation labels and the two weekly labels hold for the values in the
// day's entry fields. The sheet's rule differs from the day hours of reports
// and exports: a lunch longer than the span cancels the day's extra and
// holiday minutes too, and holiday minutes count when IncludeHolsInTotal is on.

// One entry field: the minutes it holds, -1 when it is blank, and whether
// its text reads as a valid time. An invalid field keeps the last minutes it
// could read, which the figures then ignore.
struct SheetField {
    int minutes = -1;
    bool valid = true;

    bool IsBlank() const { return valid && minutes < 0; }
};

struct SheetDay {
    SheetField arrive;
    SheetField depart;
    SheetField lunch;
    SheetField extra;
    SheetField holiday;
};

struct SheetDayFigures {
    qint64 hours = 0; // shown blank when 0
    qint64 deviation = 0; // hours less the day's target; shown blank when 0
    // False when the lunch is longer than the time from arrival to departure;
    // the sheet then shows Arrive, Depart and Lunch in red.
    bool spanFitsLunch = true;
};

struct SheetWeekFigures {
    std::array<SheetDayFigures, 7> days; // in the order the days were given
    qint64 weeklyHours = 0;
    bool hoursShort = false; // "Hours short" below the weekly target, else "Hours extra"
    qint64 shortfall = 0; // the distance from the weekly target, never negative
};

SheetDayFigures CalculateSheetDay(const SheetDay &day, int target, bool includeHolidays);

// The days and their targets in the same order, any seven days.
SheetWeekFigures CalculateSheetWeek(const std::array<SheetDay, 7> &days, const std::array<int, 7> &targets,
    int weeklyTarget, bool includeHolidays);

// A day as the sheet shows a stored record: blank for -1 in Arrive and Depart
// and for 0 in Lunch, Extra and Holiday, every stored value valid and in full.
SheetDay SheetDayFromStored(int arrive, int depart, int lunch, int extra, int holiday);
