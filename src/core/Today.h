#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

struct DayRecord;
struct TBalanceSettings;
class TTimeRecorder;

// How the day being worked counts. The running balance counts every day
// before today in full, and today only once it is closed; until then it is
// the balance at the end of yesterday, and the day's hours so far and the
// times to leave are shown beside it.

// A day is closed when it holds a departure, or holiday or extra minutes and
// no arrival.
bool IsClosedDay(const DayRecord &record);

// The day being worked now, by the clock: today while it holds an arrival
// and no departure. A night shift is kept on the day it began, so while
// today holds no time and nothing that closes it, it is yesterday when that
// holds an arrival later in the day than now and no departure: less than a
// day has passed since, and a day's span is less than a day.
std::optional<int> DayInProgress(const TTimeRecorder &store);

// The last day the running balance counts when taken as of a day: never a
// day after today, nor today until it is closed, nor a night shift from
// yesterday that is still being worked.
int LastCountedDay(const TTimeRecorder &store, int asOf);

// The day being worked, or today, as of now.
struct TToday {
    int Date = 0; // the day in progress, else today
    bool InProgress = false;
    int Arrive = -1; // -1 before arriving
    // Hours worked on it: until now while in progress, else what it holds;
    // holiday minutes included when they count as worked.
    qint64 SoFar = 0;
    int Target = 0;
    // The lunch the times to leave allow for: the one entered, else the
    // default lunch where one is used.
    int Lunch = 0;
    // While in progress, the times to leave in minutes from the start of
    // Date (1440 and more on the next day): the one that meets the day's
    // target, and the one that brings the running balance to zero. Nothing
    // when the span would be a day or longer. A target met already gives the
    // arrival.
    std::optional<int> LeaveAt;
    std::optional<int> ZeroBalanceAt;
    int CountedTo = 0; // the last day the balance counts
    qint64 Balance = 0; // the running balance as of today
};

// balanceAsOf gives the running balance as of a day, as Balance does;
// defaultLunch is 0 when no default lunch is used.
TToday TodayFigures(const TTimeRecorder &store, const TBalanceSettings &settings, int defaultLunch,
    const std::function<qint64(int)> &balanceAsOf);
// The same with Balance.
TToday TodayFigures(const TTimeRecorder &store, const TBalanceSettings &settings, int defaultLunch);
