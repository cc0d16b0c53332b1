#pragma once

#include "core/Targets.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

class TTimeRecorder;

// What the running balance is counted with, as plain values, so that it can
// be counted without the settings object. The defaults are those of a first start.
struct TBalanceSettings {
    TTargets Targets;
    bool IncludeHolsInTotal = true;
    // The first day counted; 0 counts from the first day that holds data.
    int StartDate = 0;
    qint64 Opening = 0; // minutes carried over from before the start
};

// The first day the balance counts: the start date, or the first day of the
// store that holds data; nothing when there is no such day.
std::optional<int> BalanceStart(const TTimeRecorder &store, const TBalanceSettings &settings);

// The minutes worked and the target minutes of the days first to last,
// both included, whatever the start date and today. A day worked is its
// day hours, and its holiday minutes when holidays count as time worked; a
// day without a record counts nothing worked.
struct TBalanceSums {
    qint64 Worked = 0;
    qint64 Target = 0;
};
TBalanceSums BalanceSums(const TTimeRecorder &store, const TBalanceSettings &settings, int first, int last);

// The running balance as of a day: the opening balance plus, for every day
// from the start to the last day counted (LastCountedDay: never after today,
// today only once closed), the minutes worked less the day's target.
qint64 Balance(const TTimeRecorder &store, const TBalanceSettings &settings, int asOf);

// A balance as signed hours and minutes with the regional time separator:
// "+12:30", "-3:15", and "0:00" without a sign.
QString BalanceText(qint64 minutes);
// The same without the plus sign: "12:30", "-3:15", "0:00".
QString HoursText(qint64 minutes);

// Reads a balance typed as BalanceText writes it, or as a time of the
// interval kind with an optional sign: "+12:30", "-3:15", "-45" (minutes);
// a blank text is 0. Anything else is a ConversionError.
int ParseBalanceText(const QString &text);

// One line of the week-by-week account of the balance. A week is counted
// only from the start date and only up to the day it is taken as of.
struct TBalanceWeek {
    int WeekStart = 0; // the first day of the week, as the sheet shows weeks
    qint64 Worked = 0;
    qint64 Target = 0;
    qint64 Balance = 0; // at the end of the week
};

// The weeks from the start to the last day counted as of asOf, weeks
// beginning on firstDayOfWeek (1 = Sunday to 7 = Saturday). Empty when the
// start lies after that day; the last week's Balance is Balance(asOf).
std::vector<TBalanceWeek> BalanceLedger(
    const TTimeRecorder &store, const TBalanceSettings &settings, int asOf, int firstDayOfWeek);

// The balance of a store whose days change only within one week, as the week
// sheet changes them: the days before the week are counted once by Reset,
// and every AsOf reads only the week's days again. AsOf gives what Balance
// gives, as long as no day outside the week changes after Reset.
class TWeekBalance {
public:
    void Reset(const TTimeRecorder &store, const TBalanceSettings &settings, int weekStart);
    qint64 AsOf(int asOf) const;

private:
    const TTimeRecorder *m_store = nullptr;
    TBalanceSettings m_settings;
    int m_weekStart = 0;
    // The start date, or the first day holding data when one lies before the
    // week; and the balance the days before the week leave.
    std::optional<int> m_start;
    qint64 m_beforeWeek = 0;
    // A balance taken as of a day before the week does not change.
    mutable std::optional<std::pair<int, qint64>> m_earlier;
};
