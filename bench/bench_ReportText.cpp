// The report text of 10 and 100 years of realistic data, against a floor:
// reading the same days' records from the store and writing each value of
// them as one ClockText, which is as little as any report of them can do.

#include "RealisticData.h"

#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "report/ReportText.h"

#include <QDate>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const BenchData::Size Sizes[] = { BenchData::TenYears, BenchData::HundredYears };

std::unique_ptr<TTimeRecorder> stores[2];
TPeriod periods[2];

// Separators and names fixed so that figures do not depend on the locale.
Regional::Settings englishSettings()
{
    Regional::Settings s = BenchData::settings();
    for (int month = 1; month <= 12; ++month) {
        const QString name = QLocale::c().monthName(month, QLocale::LongFormat);
        s.longMonthNames << name;
        s.shortMonthNames << name.left(3);
    }
    for (int day = 1; day <= 7; ++day) {
        const QString name = QLocale::c().dayName(day == 1 ? 7 : day - 1, QLocale::LongFormat);
        s.longDayNames << name;
        s.shortDayNames << name.left(3);
    }
    return s;
}

void prepareStores()
{
    for (int i = 0; i < 2; ++i) {
        stores[i] = std::make_unique<TTimeRecorder>();
        const int first = DayNumber::fromDate(Sizes[i].firstDay);
        BenchData::fillRealistic(*stores[i], first, Sizes[i].lines);
        stores[i]->SortByDate();
        periods[i] = { first, stores[i]->Record(stores[i]->Count() - 1).Date };
    }
}

void setCounters(benchmark::State &state, int size)
{
    state.SetLabel(Sizes[size].name);
    state.SetItemsProcessed(state.iterations() * (periods[size].EndDate - periods[size].StartDate + 1));
}

// Every column, totals and averages: the most a report writes.
void BM_ReportLines(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    TReportSettings settings;
    settings.FirstDayOfWeek = 2;
    settings.ShowExtraHours = true;
    settings.ShowHols = true;
    settings.ShowComment = true;
    settings.ShowDeviationFromWeeklyTarget = true;
    for (auto _ : state) {
        const QStringList lines = ReportLines(*stores[size], periods[size], settings);
        benchmark::DoNotOptimize(lines.size());
    }
    setCounters(state, size);
}

void BM_Floor_RecordsAsClockText(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const TTimeRecorder &store = *stores[size];
    for (auto _ : state) {
        qsizetype characters = 0;
        for (int day = periods[size].StartDate; day <= periods[size].EndDate; ++day) {
            const int index = store.FindDay(day);
            if (index < 0)
                continue;
            const DayRecord &record = store.Record(index);
            for (const int value :
                { record.Arrive, record.Depart, record.Lunch, record.Extra, record.Holiday })
                characters += ClockText(value < 0 ? 0 : value).size();
        }
        benchmark::DoNotOptimize(characters);
    }
    setCounters(state, size);
}

BENCHMARK(BM_Floor_RecordsAsClockText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    const Regional::Override regional(englishSettings());
    prepareStores();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
