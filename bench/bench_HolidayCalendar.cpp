// Public-holiday calendars: reading one of 30 years (360 single holidays and
// 4 yearly rules, as bench/startup.sh writes it) and expanding the year that
// the sheet shows, expanding all 30 years, and the balance of 10 years of
// realistic data as of today with and without the calendar.
//   bench_holidaycalendar

#include "RealisticData.h"

#include "core/Balance.h"
#include "core/DayNumber.h"
#include "core/HolidayCalendar.h"
#include "core/TimeRecorder.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray calendarOf30Years(int first)
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//holidays//EN\r\n";
    const int days[][2] = { { 1, 1 }, { 1, 6 }, { 3, 19 }, { 4, 18 }, { 4, 21 }, { 5, 1 }, { 5, 29 },
        { 6, 9 }, { 8, 15 }, { 10, 3 }, { 11, 1 }, { 12, 26 } };
    for (int year = first; year < first + 30; ++year)
        for (const auto &day : days) {
            const QByteArray date
                = QDate(year, day[0], day[1]).toString(QStringLiteral("yyyyMMdd")).toLatin1();
            text += "BEGIN:VEVENT\r\nUID:" + date
                + "@bench.example\r\nDTSTAMP:20240101T000000Z\r\n"
                  "DTSTART;VALUE=DATE:"
                + date + "\r\nSUMMARY:Holiday of " + date + "\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
        }
    for (const char *rule :
        { "BYMONTH=1;BYDAY=3MO", "BYMONTH=5;BYDAY=-1MO", "BYMONTH=9;BYDAY=1MO", "BYMONTH=12;BYMONTHDAY=25" })
        text += "BEGIN:VEVENT\r\nUID:" + QByteArray(rule)
            + "\r\nDTSTART;VALUE=DATE:" + QByteArray::number(first) + "0101\r\nRRULE:FREQ=YEARLY;" + rule
            + "\r\nSUMMARY:Rule\r\nEND:VEVENT\r\n";
    return text + "END:VCALENDAR\r\n";
}

const QByteArray Calendar = calendarOf30Years(2001);
const int ThisYear = DayNumber::fromDate(QDate(2026, 1, 1));

void BM_ReadAndShowAWeek(benchmark::State &state)
{
    for (auto _ : state) {
        const auto calendar = THolidayCalendar::FromBytes(Calendar, QStringLiteral("30 years"));
        benchmark::DoNotOptimize(calendar->Between(ThisYear + 180, ThisYear + 186).size());
    }
    state.SetLabel(std::to_string(Calendar.size()) + " bytes");
}

void BM_ExpandThirtyYears(benchmark::State &state)
{
    const int first = DayNumber::fromDate(QDate(2001, 1, 1));
    const int last = DayNumber::fromDate(QDate(2030, 12, 31));
    for (auto _ : state) {
        state.PauseTiming();
        const auto calendar = THolidayCalendar::FromBytes(Calendar, QStringLiteral("30 years"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(calendar->Between(first, last).size());
    }
}

void BM_BalanceOfTenYears(benchmark::State &state)
{
    TTimeRecorder store;
    BenchData::fillRealistic(
        store, DayNumber::fromDate(BenchData::TenYears.firstDay), BenchData::TenYears.lines);
    store.SortByDate();
    const int today = store.Record(store.Count() - 1).Date + 1;
    const Clock::Fixed clock(QDateTime(DayNumber::toDate(today), QTime(12, 0)));
    TBalanceSettings settings;
    if (state.range(0))
        settings.Targets.Holidays = THolidayCalendar::FromBytes(Calendar, QStringLiteral("30 years"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Balance(store, settings, today));
    state.SetLabel(state.range(0) ? "with the calendar" : "without");
}

} // namespace

BENCHMARK(BM_ReadAndShowAWeek)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandThirtyYears)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceOfTenYears)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
