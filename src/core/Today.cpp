#include "core/Today.h"

#include "core/Balance.h"
#include "core/DayHours.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"

#include <algorithm>

namespace {

constexpr int MinutesPerDay = 1440;

// Today and the whole minutes of the day passed, from one reading of the clock.
struct TNow {
    int today;
    int minutes;
};

TNow Now()
{
    const QDateTime now = Clock::now();
    return { DayNumber::fromDate(now.date()), now.time().msecsSinceStartOfDay() / 60000 };
}

// The record the getters read for a day; a day without one reads as blank.
const DayRecord &RecordOf(const TTimeRecorder &store, int date)
{
    static const DayRecord Blank;
    const int index = store.FindDay(date);
    return index < 0 ? Blank : store.Record(index);
}

bool IsOpen(const DayRecord &record)
{
    return record.Arrive >= 0 && record.Arrive < MinutesPerDay && record.Depart < 0;
}

std::optional<int> InProgress(const TTimeRecorder &store, const TNow &now)
{
    const DayRecord &today = RecordOf(store, now.today);
    if (IsOpen(today))
        return now.today;
    const DayRecord &yesterday = RecordOf(store, now.today - 1);
    if (today.Arrive < 0 && !IsClosedDay(today) && IsOpen(yesterday) && yesterday.Arrive > now.minutes)
        return now.today - 1;
    return std::nullopt;
}

// The time from the start of the day that leaves needed minutes worked after
// the lunch, or the arrival when nothing is needed.
std::optional<int> LeaveTime(int arrive, int lunch, qint64 needed)
{
    if (needed <= 0)
        return arrive;
    const qint64 span = lunch + needed;
    if (span >= MinutesPerDay)
        return std::nullopt;
    return arrive + int(span);
}

} // namespace

bool IsClosedDay(const DayRecord &record)
{
    return record.Depart >= 0 || (record.Arrive < 0 && (record.Holiday > 0 || record.Extra > 0));
}

std::optional<int> DayInProgress(const TTimeRecorder &store)
{
    return InProgress(store, Now());
}

int LastCountedDay(const TTimeRecorder &store, int asOf)
{
    const TNow now = Now();
    int last = std::min(asOf, now.today);
    if (last == now.today && !IsClosedDay(RecordOf(store, now.today)))
        --last;
    if (last == now.today - 1 && InProgress(store, now) == last)
        --last;
    return last;
}

TToday TodayFigures(const TTimeRecorder &store, const TBalanceSettings &settings, int defaultLunch,
    const std::function<qint64(int)> &balanceAsOf)
{
    const TNow now = Now();
    const std::optional<int> progress = InProgress(store, now);
    TToday today;
    today.Date = progress.value_or(now.today);
    today.InProgress = progress.has_value();
    const DayRecord &record = RecordOf(store, today.Date);
    today.Arrive = record.Arrive;
    today.Target = settings.Targets.OfDay(today.Date);
    today.Lunch = record.Lunch > 0 ? record.Lunch : defaultLunch;
    const qint64 holiday = settings.IncludeHolsInTotal ? record.Holiday : 0;
    today.CountedTo = LastCountedDay(store, now.today);
    today.Balance = balanceAsOf(now.today);
    if (!today.InProgress) {
        today.SoFar = DayHours(record) + holiday;
        return today;
    }
    const int elapsed = std::max(0, now.minutes + (now.today - today.Date) * MinutesPerDay - record.Arrive);
    today.SoFar = DayHours(0, elapsed, today.Lunch, record.Extra) + holiday;
    const qint64 needed = today.Target - record.Extra - holiday;
    today.LeaveAt = LeaveTime(record.Arrive, today.Lunch, needed);
    today.ZeroBalanceAt = LeaveTime(record.Arrive, today.Lunch, needed - balanceAsOf(today.Date - 1));
    return today;
}

TToday TodayFigures(const TTimeRecorder &store, const TBalanceSettings &settings, int defaultLunch)
{
    return TodayFigures(
        store, settings, defaultLunch, [&](int day) { return Balance(store, settings, day); });
}
