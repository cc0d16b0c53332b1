#include "core/WorkingTimeRules.h"

#include "core/Balance.h"
#include "core/DayHours.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MinutesPerDay = 24 * 60;
// Longer than any rest a rule can ask for: a rest whose other end lies
// outside the days looked at.
constexpr qint64 EndlessRest = std::numeric_limits<qint64>::max();

// The days around a period that its checks read: rest needs the blocks of
// the days next to it, which lie within a week of any rest a rule can ask
// for, and an average the weeks before.
constexpr int DaysAround = 14;

QString translated(const char *text)
{
    return QCoreApplication::translate("WorkingTimeRules", text);
}

// A day as the rules see it.
struct TDayWork {
    bool block = false; // arrival and departure with work between them
    qint64 start = 0; // minutes from day 0, 00:00
    qint64 end = 0;
    qint64 net = 0; // the block less the lunch
    int lunch = 0;
    qint64 work = 0; // net and extra: what the maximums count
};

TDayWork WorkOf(const DayRecord &record)
{
    TDayWork day;
    day.work = std::max<qint64>(0, DayHours(record));
    if (record.Arrive < 0 || record.Depart < 0)
        return day;
    qint64 span = qint64(record.Depart) - record.Arrive;
    if (span < 0)
        span += MinutesPerDay;
    // A lunch as long as the span leaves no work, as in the day's hours.
    if (span <= record.Lunch || span <= 0)
        return day;
    day.block = true;
    day.start = qint64(record.Date) * MinutesPerDay + record.Arrive;
    day.end = day.start + span;
    day.lunch = std::max(record.Lunch, 0);
    day.net = span - day.lunch;
    return day;
}

// The days of a stretch, read in one pass over the store. Only the days
// from the first to the last record are held: a period of centuries around
// a few records costs no more than the records.
class TDays {
public:
    TDays(const TTimeRecorder &store, int from, int to)
        : m_from(from)
    {
        std::vector<std::pair<int, TDayWork>> found;
        store.VisitDays(
            from, to, [&](const DayRecord &record) { found.emplace_back(record.Date, WorkOf(record)); });
        if (found.empty())
            return;
        const auto [earliest, latest] = std::minmax_element(
            found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        m_from = earliest->first;
        m_days.resize(std::size_t(latest->first - m_from + 1));
        for (const auto &[date, work] : found)
            m_days[std::size_t(date - m_from)] = work;
    }

    // The first and the last day held; To() is before From() when none is.
    int From() const { return m_from; }
    int To() const { return m_from + int(m_days.size()) - 1; }
    // A day not held is a day without work.
    const TDayWork &operator[](int day) const
    {
        static const TDayWork none;
        return day < From() || day > To() ? none : m_days[std::size_t(day - m_from)];
    }

private:
    int m_from;
    std::vector<TDayWork> m_days;
};

// The break a day's work needs.
qint64 BreakNeeded(const TWorkingTimeRules &rules, qint64 work)
{
    const auto beyond
        = [&](int threshold) { return rules.BreakAtThreshold ? work >= threshold : work > threshold; };
    if (rules.LongBreak > 0 && beyond(rules.LongBreakAfter))
        return rules.LongBreak;
    if (rules.Break > 0 && beyond(rules.BreakAfter))
        return rules.Break;
    return 0;
}

void CheckDays(
    const TDays &days, const TWorkingTimeRules &rules, int first, int last, std::vector<TBreach> &breaches)
{
    // The end of the last block before the day, if one lies among the days read.
    std::optional<qint64> lastEnd;
    for (int date = days.From(); date <= std::min(last, days.To()); ++date) {
        const TDayWork &day = days[date];
        if (date >= first) {
            if (day.block && lastEnd && rules.DailyRest > 0) {
                const qint64 rest = std::max<qint64>(0, day.start - *lastEnd);
                if (rest < rules.DailyRest)
                    breaches.push_back({ date, TRule::DailyRest, rest, rules.DailyRest });
            }
            if (day.block) {
                const qint64 needed = BreakNeeded(rules, day.net);
                if (day.lunch < needed)
                    breaches.push_back({ date, TRule::Break, day.lunch, needed, day.net });
            }
            if (rules.DailyMaximum > 0 && day.work > rules.DailyMaximum)
                breaches.push_back({ date, TRule::DailyMaximum, day.work, rules.DailyMaximum });
        }
        if (day.block)
            lastEnd = std::max(day.end, lastEnd.value_or(day.end));
    }
}

// The longest rest of a week: each rest that begins in it, after a block
// that ends in it, up to the start of the next block; and the part within
// the week of the rest that the week begins in. Nothing when no block ends
// in the week.
std::optional<qint64> LongestRestIn(const TDays &days, int weekStart)
{
    const qint64 weekBegins = qint64(weekStart) * MinutesPerDay;
    const qint64 weekEnds = weekBegins + 7 * MinutesPerDay;
    std::optional<qint64> longest;
    bool first = true;
    // A block ends at most a day after it starts.
    for (int date = std::max(days.From(), weekStart - 1); date <= weekStart + 6; ++date) {
        const TDayWork &day = days[date];
        if (!day.block || day.end < weekBegins || day.end >= weekEnds)
            continue;
        if (first && day.start > weekBegins)
            longest = day.start - weekBegins;
        first = false;
        qint64 rest = EndlessRest;
        for (int next = date + 1; next <= days.To(); ++next) {
            if (days[next].block) {
                rest = std::max<qint64>(0, days[next].start - day.end);
                break;
            }
        }
        longest = std::max(rest, longest.value_or(rest));
    }
    return longest;
}

void CheckWeeks(const TDays &days, const TWorkingTimeRules &rules, int first, int last, int firstDayOfWeek,
    std::vector<TBreach> &breaches)
{
    const int weeks = std::max(1, rules.AverageWeeks);
    // The work of the weeks of an average, the oldest first: a running sum
    // over the weeks up to the one checked.
    std::vector<qint64> window;
    qint64 windowSum = 0;
    const int firstChecked = DayNumber::weekStartOf(first, firstDayOfWeek);
    for (int week = firstChecked - 7 * (weeks - 1); week + 6 <= last; week += 7) {
        qint64 work = 0;
        for (int date = week; date < week + 7; ++date)
            work += days[date].work;
        window.push_back(work);
        windowSum += work;
        if (int(window.size()) > weeks) {
            windowSum -= window.front();
            window.erase(window.begin());
        }
        const int weekEnd = week + 6;
        if (weekEnd < first)
            continue;
        if (rules.WeeklyRest > 0) {
            const std::optional<qint64> rest = LongestRestIn(days, week);
            if (rest && *rest < rules.WeeklyRest)
                breaches.push_back({ weekEnd, TRule::WeeklyRest, *rest, rules.WeeklyRest });
        }
        if (rules.WeeklyMaximum > 0 && work > rules.WeeklyMaximum)
            breaches.push_back({ weekEnd, TRule::WeeklyMaximum, work, rules.WeeklyMaximum });
        if (rules.AverageWeeklyMaximum > 0 && rules.AverageWeeks > 0
            && windowSum > qint64(rules.AverageWeeklyMaximum) * weeks)
            breaches.push_back({ weekEnd, TRule::AverageWeeklyMaximum, (windowSum + weeks - 1) / weeks,
                rules.AverageWeeklyMaximum, 0, weeks });
    }
}

} // namespace

TWorkingTimeRules TWorkingTimeRules::Of(TRuleSetId set)
{
    TWorkingTimeRules rules;
    rules.Set = set;
    switch (set) {
    case TRuleSetId::Off:
        break;
    case TRuleSetId::Eu:
        // The directive asks for a break beyond 6 hours and leaves its
        // length to national law; 15 minutes is the shortest part of a
        // break that counts anywhere here.
        rules = { set, 11 * 60, 6 * 60, 15, 0, 0, false, 0, 0, 48 * 60, 17, 35 * 60 };
        break;
    case TRuleSetId::Germany:
        rules = { set, 11 * 60, 6 * 60, 30, 9 * 60, 45, false, 10 * 60, 0, 48 * 60, 24, 35 * 60 };
        break;
    case TRuleSetId::France:
        rules = { set, 11 * 60, 6 * 60, 20, 0, 0, true, 10 * 60, 48 * 60, 44 * 60, 12, 35 * 60 };
        break;
    }
    return rules;
}

QString RuleSetCode(TRuleSetId set)
{
    switch (set) {
    case TRuleSetId::Eu:
        return u"eu"_s;
    case TRuleSetId::Germany:
        return u"de"_s;
    case TRuleSetId::France:
        return u"fr"_s;
    case TRuleSetId::Off:
        break;
    }
    return u"off"_s;
}

std::optional<TRuleSetId> RuleSetOfCode(const QString &code)
{
    for (const TRuleSetId set : { TRuleSetId::Off, TRuleSetId::Eu, TRuleSetId::Germany, TRuleSetId::France })
        if (code.compare(RuleSetCode(set), Qt::CaseInsensitive) == 0)
            return set;
    return std::nullopt;
}

QStringList RuleSetCodes()
{
    return { u"eu"_s, u"de"_s, u"fr"_s };
}

QString RuleSetName(TRuleSetId set)
{
    switch (set) {
    case TRuleSetId::Eu:
        return translated(QT_TRANSLATE_NOOP("WorkingTimeRules", "EU minimum"));
    case TRuleSetId::Germany:
        return translated(QT_TRANSLATE_NOOP("WorkingTimeRules", "Germany"));
    case TRuleSetId::France:
        return translated(QT_TRANSLATE_NOOP("WorkingTimeRules", "France"));
    case TRuleSetId::Off:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("WorkingTimeRules", "Off"));
}

std::vector<TBreach> Breaches(
    const TTimeRecorder &store, const TWorkingTimeRules &rules, int first, int last, int firstDayOfWeek)
{
    std::vector<TBreach> breaches;
    if (!rules.IsOn() || last < first)
        return breaches;
    const int weeksBefore = 7 * std::max(1, rules.AverageWeeks);
    const TDays days(store, first - weeksBefore - DaysAround, last + DaysAround);
    CheckDays(days, rules, first, last, breaches);
    CheckWeeks(days, rules, first, last, firstDayOfWeek, breaches);
    std::stable_sort(breaches.begin(), breaches.end(), [](const TBreach &a, const TBreach &b) {
        return a.Date != b.Date ? a.Date < b.Date : a.Rule < b.Rule;
    });
    return breaches;
}

QString BreachText(const TBreach &breach)
{
    const QString actual = HoursText(breach.Actual);
    const QString limit = HoursText(breach.Limit);
    switch (breach.Rule) {
    case TRule::DailyRest:
        return translated(QT_TRANSLATE_NOOP("WorkingTimeRules", "Rest %1 before this day, %2 required"))
            .arg(actual, limit);
    case TRule::Break:
        return translated(QT_TRANSLATE_NOOP("WorkingTimeRules", "Break %1 on %2 of work, %3 required"))
            .arg(actual, HoursText(breach.Work), limit);
    case TRule::DailyMaximum:
        return translated(QT_TRANSLATE_NOOP("WorkingTimeRules", "Work %1 on this day, %2 at most"))
            .arg(actual, limit);
    case TRule::WeeklyRest:
        return translated(
            QT_TRANSLATE_NOOP("WorkingTimeRules", "Longest rest %1 in the week to this day, %2 required"))
            .arg(actual, limit);
    case TRule::WeeklyMaximum:
        return translated(
            QT_TRANSLATE_NOOP("WorkingTimeRules", "Work %1 in the week to this day, %2 at most"))
            .arg(actual, limit);
    case TRule::AverageWeeklyMaximum:
        return translated(QT_TRANSLATE_NOOP("WorkingTimeRules",
                              "Work %1 a week on average over the %2 weeks to this day, %3 at most"))
            .arg(actual, QString::number(breach.Weeks), limit);
    }
    return {};
}

QString RuleCode(TRule rule)
{
    static const char16_t *const codes[] = { u"dailyRest", u"break", u"dailyMaximum", u"weeklyRest",
        u"weeklyMaximum", u"averageWeeklyMaximum" };
    return QString::fromUtf16(codes[int(rule)]);
}
