#pragma once

#include "core/Balance.h"
#include "core/Targets.h"
#include "core/Vacation.h"
#include "core/WorkingTimeRules.h"
#include "period/Period.h"

#include <QStringList>
#include <QStringView>

#include <functional>
#include <vector>

class QIODevice;
class TData;
class TTimeRecorder;

// The settings a report is made with, as plain values, so that a report can
// be made without the settings object (the command line sets them itself).
// The defaults are those of a first start.
struct TReportSettings {
    int FirstDayOfWeek = 1; // 1 = Sunday to 7 = Saturday
    TTargets Targets;
    bool IncludeHolsInTotal = true;
    bool ShowLunchTime = true;
    bool ShowExtraHours = false;
    bool ShowHols = false;
    bool ShowComment = false;
    bool ShowDeviationFromWeeklyTarget = false;
    bool ReportWorkDaysWithNoHours = true;
    bool ReportWeekendDaysWithNoHours = false;
    bool ReportCalculateTotalHours = true;
    bool ReportCalculateAverageHours = true;
    bool ReportShowBalance = false;
    TBalanceSettings Balance;
    TVacationSettings Vacation;
    TWorkingTimeRules Rules; // Off: no list of breaches
};

// The values the settings object holds now.
TReportSettings ReportSettingsOf(const TData &data);

// The report of a period as fixed-width text lines: the title with the
// document's name, the period, the heading, one line per listed day with a
// subtotal at each week's end, then totals, the breaches of the working-time
// rules in the period (when a rule set is chosen and there are some), the running balance before and
// after the period with the vacation of the period's last year (when there is
// an allowance), and averages as the settings ask. A public holiday's name stands in the comment column
// of a day without a comment of its own.
// Dates, weekday names and the time separator follow the regional settings
// in force at the call. The store is only read.
QStringList ReportLines(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings);

// The same lines handed to write one at a time as they are made, for a writer
// that need not hold a long report whole. A line is valid during the call only.
void ForEachReportLine(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings,
    const std::function<void(QStringView line)> &write);

// One week of the report as its subtotal line counts it, clipped to the
// period: the hours of the days of the week within the period, holidays
// among them when they count as time worked, against the week's target.
// Every week the period touches has one, also those that get no subtotal
// line (a week ending after the period, or one without a counted day).
struct TReportWeek {
    int First = 0; // the first and last day of the week within the period
    int Last = 0;
    qint64 Hours = 0; // the week sum of the subtotal line
    qint64 Extra = 0; // the extra minutes among Hours
    qint64 Holidays = 0; // the holiday minutes among Hours
    qint64 Target = 0; // what the weekly deviation measures Hours against
    bool Subtotal = false; // the report writes a subtotal line for it
};

struct TReportWeeks {
    std::vector<TReportWeek> Weeks;
    // The report's extra and holiday columns are shown, by the settings or
    // because a day of the period needs them.
    bool ExtraColumn = false;
    bool HolidayColumn = false;
};

// The weeks of the report of a period, counted by the same pass that writes
// its lines.
TReportWeeks ReportWeeks(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings);

// The lines as a text file on a device open for writing: UTF-8, each line
// followed by lineEnd, the last one too. A write failure is an IoError
// naming targetName.
void WriteReportText(
    QIODevice &device, const QStringList &lines, const char *lineEnd, const QString &targetName);
