#include "core/Balance.h"

#include "core/DayHours.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "core/Today.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace {

qint64 Worked(const DayRecord &record, bool includeHolidays)
{
    return DayHours(record) + (includeHolidays ? record.Holiday : 0);
}

// The first day up to last that holds data, and the minutes worked up to
// last. Days before the first that holds data are empty and count nothing
// worked, so one pass gives both.
struct TFirstAndWorked {
    std::optional<int> first;
    qint64 worked = 0;
};

TFirstAndWorked FirstAndWorked(const TTimeRecorder &store, bool includeHolidays, int last)
{
    TFirstAndWorked result;
    store.VisitDays(INT_MIN, last, [&](const DayRecord &record) {
        if ((!result.first || record.Date < *result.first) && !IsEmptyRecord(record))
            result.first = record.Date;
        result.worked += Worked(record, includeHolidays);
    });
    return result;
}

// The first day counted up to last, from the start date or from the first
// day holding data, and the minutes worked less the targets from it to last.
struct TCounted {
    std::optional<int> start;
    qint64 difference = 0;
};

TCounted CountUpTo(const TTimeRecorder &store, const TBalanceSettings &settings, int last)
{
    if (settings.StartDate != 0) {
        const TBalanceSums sums = BalanceSums(store, settings, settings.StartDate, last);
        return { settings.StartDate, sums.Worked - sums.Target };
    }
    const TFirstAndWorked counted = FirstAndWorked(store, settings.IncludeHolsInTotal, last);
    if (!counted.first)
        return {};
    return { counted.first, counted.worked - settings.Targets.SumOfDays(*counted.first, last) };
}

// The balance counting the days up to last, whatever today is.
qint64 CountedBalance(const TTimeRecorder &store, const TBalanceSettings &settings, int last)
{
    return settings.Opening + CountUpTo(store, settings, last).difference;
}

} // namespace

std::optional<int> BalanceStart(const TTimeRecorder &store, const TBalanceSettings &settings)
{
    if (settings.StartDate != 0)
        return settings.StartDate;
    return FirstAndWorked(store, settings.IncludeHolsInTotal, INT_MAX).first;
}

TBalanceSums BalanceSums(const TTimeRecorder &store, const TBalanceSettings &settings, int first, int last)
{
    TBalanceSums sums;
    if (last < first)
        return sums;
    store.VisitDays(first, last,
        [&](const DayRecord &record) { sums.Worked += Worked(record, settings.IncludeHolsInTotal); });
    sums.Target = settings.Targets.SumOfDays(first, last);
    return sums;
}

qint64 Balance(const TTimeRecorder &store, const TBalanceSettings &settings, int asOf)
{
    return CountedBalance(store, settings, LastCountedDay(store, asOf));
}

QString HoursText(qint64 minutes)
{
    const qint64 size = minutes < 0 ? -minutes : minutes;
    return (minutes < 0 ? QStringLiteral("-") : QString()) + QString::number(size / 60)
        + Regional::timeSeparator() + QString::number(size % 60).rightJustified(2, u'0');
}

QString BalanceText(qint64 minutes)
{
    return (minutes > 0 ? QStringLiteral("+") : QString()) + HoursText(minutes);
}

int ParseBalanceText(const QString &text)
{
    QStringView rest = TrimmedView(text);
    if (rest.isEmpty())
        return 0;
    const bool negative = rest.startsWith(u'-');
    if (negative || rest.startsWith(u'+'))
        rest = TrimmedView(rest.sliced(1));
    const auto refuse = [&] {
        return ConversionError(
            QCoreApplication::translate("Balance", "%1 is not a valid balance").arg(QuotedText(text)));
    };
    if (rest.isEmpty() || rest.startsWith(u'-') || rest.startsWith(u'+'))
        throw refuse();
    const ParsedTime parsed = ParseTimeText(rest.toString(), tkInterval);
    if (parsed.hours < 0 || parsed.minutes < 0 || parsed.minutes > 59)
        throw refuse();
    return negative ? -parsed.value : parsed.value;
}

std::vector<TBalanceWeek> BalanceLedger(
    const TTimeRecorder &store, const TBalanceSettings &settings, int asOf, int firstDayOfWeek)
{
    std::vector<TBalanceWeek> weeks;
    asOf = LastCountedDay(store, asOf);
    const std::optional<int> start = BalanceStart(store, settings);
    if (!start || *start > asOf)
        return weeks;
    qint64 balance = settings.Opening;
    for (qint64 week = DayNumber::weekStartOf(*start, firstDayOfWeek); week <= asOf; week += 7) {
        const int from = std::max(int(week), *start);
        const int to = int(std::min<qint64>(week + 6, asOf));
        const TBalanceSums sums = BalanceSums(store, settings, from, to);
        balance += sums.Worked - sums.Target;
        weeks.push_back({ int(week), sums.Worked, sums.Target, balance });
    }
    return weeks;
}

void TWeekBalance::Reset(const TTimeRecorder &store, const TBalanceSettings &settings, int weekStart)
{
    m_store = &store;
    m_settings = settings;
    m_weekStart = weekStart;
    m_earlier.reset();
    const TCounted before = CountUpTo(store, settings, weekStart - 1);
    m_start = before.start;
    m_beforeWeek = settings.Opening + before.difference;
}

qint64 TWeekBalance::AsOf(int asOf) const
{
    if (!m_store)
        return m_settings.Opening;
    asOf = LastCountedDay(*m_store, asOf);
    if (asOf < m_weekStart) {
        // Nothing of the week is counted, and the days before it stay as they are.
        if (!m_earlier || m_earlier->first != asOf)
            m_earlier = std::pair(asOf, CountedBalance(*m_store, m_settings, asOf));
        return m_earlier->second;
    }
    std::optional<int> start = m_start;
    if (!start)
        m_store->VisitDays(m_weekStart, asOf, [&](const DayRecord &record) {
            if ((!start || record.Date < *start) && !IsEmptyRecord(record))
                start = record.Date;
        });
    if (!start || *start > asOf)
        return m_settings.Opening;
    const TBalanceSums week = BalanceSums(*m_store, m_settings, std::max(*start, m_weekStart), asOf);
    return m_beforeWeek + week.Worked - week.Target;
}
