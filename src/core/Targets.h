#pragma once

#include "core/DayNumber.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <climits>
#include <cstddef>
#include <memory>
#include <vector>

class THolidayCalendar;

// What a day and a week are to be worked, in minutes: one target per weekday
// and one for the week.
struct TTargetSet {
    std::array<int, 7> Days { 0, 450, 450, 450, 450, 420, 0 }; // by weekday, Sunday first
    int Weekly = 2220;

    int OfWeekday(int weekday) const { return Days[std::size_t(weekday - 1)]; }
    qint64 SumOfDays() const;
    bool operator==(const TTargetSet &) const = default;
};

// The targets in force from a day on, until the next entry of a history.
struct TTargetEntry {
    // The first entry of a history holds for every day before the second:
    // it has no date of its own.
    static constexpr int FromTheStart = INT_MIN;

    int From = FromTheStart;
    TTargetSet Targets;
    bool operator==(const TTargetEntry &) const = default;
};

// Which targets hold on which day. Every figure measured against a target
// (the sheet's deviations and weekly figures, the report's weekly deviation,
// the CSV deviation, the balance, the command line) asks these functions for
// it, so that the rule is made here alone: the targets in force on a day are
// those of the last entry of the history that starts on or before it, and a
// public holiday's target is 0.
class TTargets {
public:
    // The public holidays; none without a calendar.
    std::shared_ptr<const THolidayCalendar> Holidays;

    // The default targets on every day.
    TTargets() = default;
    // The same targets on every day.
    explicit TTargets(const TTargetSet &targets);
    // Entries in any order; of two with the same date the later one counts.
    // The earliest becomes the first entry, which holds from the start.
    // No entry at all gives the default targets on every day.
    explicit TTargets(std::vector<TTargetEntry> history);

    // Never empty; ascending by date, the first from the start.
    const std::vector<TTargetEntry> &History() const { return m_history; }
    // The entry that holds from the last change on.
    const TTargetSet &Latest() const { return m_history.back().Targets; }

    // The targets in force on a day number.
    const TTargetSet &InForce(int date) const { return m_history[EntryOf(date)].Targets; }
    // The target of a day number.
    int OfDay(int date) const { return Holidays && IsHoliday(date) ? 0 : OfWorkday(date); }
    // The target the day would have if it were no public holiday.
    int OfWorkday(int date) const { return InForce(date).OfWeekday(DayNumber::dayOfWeek(date)); }
    bool IsHoliday(int date) const;
    // The sum of the targets of the days first to last, both included; 0 when
    // last is before first. One step per change of targets or public holiday
    // within them, not per day.
    qint64 SumOfDays(int first, int last) const;
    // The target of the seven days from weekStart, as a payroll clerk shares
    // a week out: each day brings the share of the weekly target in force on
    // it that its day target has of that set's week (a seventh each where
    // all day targets are 0), and a public holiday brings none. The shares
    // are added before rounding, so a week without a change or a holiday
    // owes its weekly target exactly; where the weekly target is the sum of
    // the day targets, a week owes the sum of its days' targets.
    int OfWeek(int weekStart) const;

    // The targets from a day on become these: entries from that day on are
    // replaced, and none is added where the targets in force before the day
    // are these already. The first day a data file holds, or one before it,
    // stands for the start: the history is then these targets alone.
    void ApplyFrom(int date, const TTargetSet &targets);
    // Removes an entry other than the first; the days it held fall to the one before it.
    void Remove(std::size_t index);
    // The latest entry's targets become these, the days it holds keep their start.
    void SetLatest(const TTargetSet &targets) { m_history.back().Targets = targets; }

private:
    std::size_t EntryOf(int date) const;
    // The targets the public holidays from first to last take off.
    qint64 HolidayTargets(int first, int last) const;

    std::vector<TTargetEntry> m_history { TTargetEntry {} };
};

// The history as the settings file keeps it, one line of text readable by
// people: entries separated by "; ", each "from yyyy-MM-dd" (the first entry
// without it) and then Mon=7:30 Tue=7:30 Wed=7:30 Thu=7:30 Fri=7:00
// Sat=0:00 Sun=0:00 Week=37:00, in hours and minutes.
QString TargetHistoryText(const std::vector<TTargetEntry> &history);
// Reads what TargetHistoryText writes, and also minutes without a colon, the
// parts of an entry in any order and blanks of any length. An entry that
// cannot be read in full (an unknown or missing name, a time or date of
// another form, a date outside the days a data file holds, an entry after
// the first without a date) is left out, the others are kept; the result is
// ascending by date, and of two entries with the same date the later counts.
std::vector<TTargetEntry> ParseTargetHistory(QStringView text);
