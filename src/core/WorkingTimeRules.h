#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <vector>

class TTimeRecorder;

// The working-time rules: daily rest, breaks, daily and weekly maximums and
// weekly rest, checked against the days of a store. The sheet, the report
// and `hourframe check` all ask Breaches() and word a breach with
// BreachText(), so that a rule is decided here alone.
//
// A day holds one block of work, from its arrival to its departure (a
// departure before the arrival is on the next morning, so rest is measured
// on the real times) less its lunch, which is the day's break. Extra
// minutes have no times: they count as work in the maximums and move no
// rest. Holiday minutes are not work.

enum class TRuleSetId { Off = 0, Eu = 1, Germany = 2, France = 3 };

// The values of a rule set in minutes (AverageWeeks in weeks); 0 leaves a
// rule out.
struct TWorkingTimeRules {
    TRuleSetId Set = TRuleSetId::Off;
    int DailyRest = 0; // between the end of one block and the start of the next
    // The break a day's work needs: Break once the work is beyond BreakAfter,
    // LongBreak once it is beyond LongBreakAfter.
    int BreakAfter = 0;
    int Break = 0;
    int LongBreakAfter = 0;
    int LongBreak = 0;
    // Whether work of exactly BreakAfter (or LongBreakAfter) already needs
    // the break ("once it reaches"), or only more than that. Part of the
    // set, not a value the user changes.
    bool BreakAtThreshold = false;
    int DailyMaximum = 0;
    int WeeklyMaximum = 0; // in any one week
    int AverageWeeklyMaximum = 0; // on average over AverageWeeks weeks
    int AverageWeeks = 0;
    int WeeklyRest = 0; // the longest rest of each week (see Breaches)

    bool IsOn() const { return Set != TRuleSetId::Off; }
    bool operator==(const TWorkingTimeRules &) const = default;

    // The values of a set as the law texts give them; Off checks nothing.
    static TWorkingTimeRules Of(TRuleSetId set);
};

// The highest value a rule takes: a week in minutes, and a year of weeks.
inline constexpr int MostRuleMinutes = 7 * 24 * 60;
inline constexpr int MostAverageWeeks = 52;

// The sets' short names on the command line ("eu", "de", "fr") and the
// names people read ("EU minimum", "Germany", "France"; "Off").
QString RuleSetCode(TRuleSetId set);
std::optional<TRuleSetId> RuleSetOfCode(const QString &code);
QString RuleSetName(TRuleSetId set);
QStringList RuleSetCodes();

enum class TRule { DailyRest, Break, DailyMaximum, WeeklyRest, WeeklyMaximum, AverageWeeklyMaximum };

// One rule broken on one day. The weekly rules are broken on the last day
// of their week (weeks as the sheet shows them).
struct TBreach {
    int Date = 0;
    TRule Rule = TRule::DailyRest;
    // What the day or week had: the rest, the break, the work, the average
    // (rounded up, so that it never reads as the limit it exceeds).
    qint64 Actual = 0;
    qint64 Limit = 0; // what the rule requires, or allows at most
    qint64 Work = 0; // Break: the day's work from its times
    int Weeks = 0; // AverageWeeklyMaximum: the weeks averaged over
    bool operator==(const TBreach &) const = default;
};

// Every breach on the days first to last, both included, in order of date
// and, within a day, of TRule. The days around them count where a rule
// reaches beyond (the rest before the first day, the weeks of an average),
// so a day's breaches do not depend on the period asked for. Weeks begin on
// firstDayOfWeek (1 = Sunday to 7 = Saturday). A week's rest is the longest
// of the rests that begin in it, each up to the next block however far, and
// of the part within the week of the rest it begins in. Days without records
// count as days without work, also in an average.
std::vector<TBreach> Breaches(
    const TTimeRecorder &store, const TWorkingTimeRules &rules, int first, int last, int firstDayOfWeek);

// "Rest 9:30 before this day, 11:00 required", in the regional time separator.
QString BreachText(const TBreach &breach);
// A stable name of the rule for scripts: "dailyRest", "break", ...
QString RuleCode(TRule rule);
