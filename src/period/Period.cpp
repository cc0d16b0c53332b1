#include "period/Period.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Regional.h"
#include "core/TimeText.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace Period {
namespace {

int lastDayOfMonth(int year, int month)
{
    return DayNumber::fromDate(QDate(year, month, 1).addMonths(1)) - 1;
}

QString monthName(int year, int month)
{
    return FormatDayNumber(DayNumber::fromDate(QDate(year, month, 1)), u"MMMM yyyy"_s);
}

bool isBlankOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

std::optional<int> yearOf(QStringView text)
{
    try {
        return ParseDecimalInt(text);
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

constexpr QStringView ThisWeekName = u"This Week";
constexpr QStringView LastWeekName = u"Last Week";

// The first day of the week that holds today.
int weekStartOfToday(int firstDayOfWeek)
{
    return DayNumber::weekStartOf(DayNumber::today(), firstDayOfWeek);
}

} // namespace

int LastDayOfWeek(int firstDayOfWeek)
{
    return firstDayOfWeek == 1 ? 7 : firstDayOfWeek - 1;
}

TPeriod ThisWeek(int firstDayOfWeek)
{
    const int start = weekStartOfToday(firstDayOfWeek);
    return { start, start + 6 };
}

TPeriod LastWeek(int firstDayOfWeek)
{
    const int start = weekStartOfToday(firstDayOfWeek);
    return { start - 7, start - 1 };
}

TPeriod YearPeriod(int year)
{
    return { DayNumber::fromDate(QDate(year, 1, 1)), DayNumber::fromDate(QDate(year, 12, 31)) };
}

TPeriod MonthPeriod(int year, int month)
{
    return { DayNumber::fromDate(QDate(year, month, 1)), lastDayOfMonth(year, month) };
}

QStringList PeriodNames(int earliestDate)
{
    const QDate today = Clock::today();
    const int year = today.year();
    QStringList names { ThisWeekName.toString(), LastWeekName.toString(), QString::number(year) };
    for (int month = today.month(); month >= 1; --month) {
        if (lastDayOfMonth(year, month) >= earliestDate)
            names << monthName(year, month);
    }
    if (YearPeriod(year - 1).EndDate >= earliestDate)
        names << QString::number(year - 1);
    for (int month = 12; month >= 1; --month) {
        if (lastDayOfMonth(year - 1, month) >= earliestDate)
            names << monthName(year - 1, month);
    }
    return names;
}

std::optional<TPeriod> PeriodOfName(const QString &name, int firstDayOfWeek)
{
    if (name == ThisWeekName)
        return ThisWeek(firstDayOfWeek);
    if (name == LastWeekName)
        return LastWeek(firstDayOfWeek);
    const int year = Clock::today().year();
    for (const int y : { year, year - 1 }) {
        if (name == QString::number(y))
            return YearPeriod(y);
    }

    // A month: its long name, a blank or tab, and the year.
    const QStringView text = TrimmedView(name);
    qsizetype blank = 0;
    while (blank < text.size() && !isBlankOrTab(text[blank]))
        ++blank;
    const QStringView word = text.first(blank);
    const std::optional<int> monthYear = yearOf(TrimmedView(text.sliced(blank)));
    if (!monthYear || !QDate(*monthYear, 1, 1).isValid())
        return std::nullopt;
    for (int month = 1; month <= 12; ++month) {
        if (word.compare(Regional::longMonthName(month), Qt::CaseInsensitive) == 0)
            return MonthPeriod(*monthYear, month);
    }
    return std::nullopt;
}

bool IsComplete(const TPeriod &period)
{
    return period.StartDate != 0 && period.EndDate != 0 && period.StartDate <= period.EndDate;
}

TPeriod WidenToFullWeeks(const TPeriod &period, int firstDayOfWeek)
{
    const int last = LastDayOfWeek(firstDayOfWeek);
    int end = period.EndDate;
    for (int step = 0; step < 7 && DayNumber::dayOfWeek(end) != last; ++step)
        ++end;
    return { DayNumber::weekStartOf(period.StartDate, firstDayOfWeek), end };
}

} // namespace Period
