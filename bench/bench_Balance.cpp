// The running balance of 10 and 100 years of realistic data as of today,
// against a floor: summing the day hours of every record, which any count of
// the balance must do at least. Then a keystroke in a filled week of the
// 100-year store with the Balance row shown and hidden, handled alone and
// handled and painted.
//   QT_QPA_PLATFORM=offscreen bench_balance

#include "RealisticData.h"

#include "core/Balance.h"
#include "core/DayHours.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "ui/TimeEdit.h"
#include "week/WeekSheet.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const BenchData::Size Sizes[] = { BenchData::TenYears, BenchData::HundredYears };

std::unique_ptr<TTimeRecorder> stores[2];
int lastDays[2];

void prepareStores()
{
    for (int i = 0; i < 2; ++i) {
        stores[i] = std::make_unique<TTimeRecorder>();
        BenchData::fillRealistic(*stores[i], DayNumber::fromDate(Sizes[i].firstDay), Sizes[i].lines);
        stores[i]->SortByDate();
        lastDays[i] = stores[i]->Record(stores[i]->Count() - 1).Date;
    }
}

void BM_Floor_SumOfDayHours(benchmark::State &state)
{
    const TTimeRecorder &store = *stores[state.range(0)];
    for (auto _ : state) {
        qint64 sum = 0;
        for (int i = 0; i < store.Count(); ++i)
            sum += DayHours(store.Record(i));
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel(Sizes[state.range(0)].name);
}

// Today is the day after the last record; the start is the first day with data.
void BM_BalanceAsOfToday(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const Clock::Fixed clock(QDateTime(DayNumber::toDate(lastDays[size] + 1), QTime(12, 0)));
    const TBalanceSettings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(Balance(*stores[size], settings, DayNumber::today()));
    state.SetLabel(Sizes[size].name);
}

// One digit typed over the selected Depart field of the last recorded day,
// alternately 5 and 6 o'clock in the evening.
void Keystroke(benchmark::State &state, bool balanceShown, bool painted)
{
    TTimeRecorder &store = *stores[1];
    const Clock::Fixed clock(QDateTime(DayNumber::toDate(lastDays[1]), QTime(12, 0)));
    TData data(nullptr, TData::Persistence::MemoryOnly);
    data.SetShowBalance(balanceShown);
    TWeekSheet sheet(store, data);
    sheet.InitWeek();
    sheet.ShowWeek();
    sheet.show();
    QApplication::processEvents();
    TTimeEdit *depart = sheet.Field(DayNumber::dayOfWeek(lastDays[1]), TWeekSheet::rwDepart);
    depart->setFocus();
    bool five = false;
    for (auto _ : state) {
        five = !five;
        depart->selectAll();
        QKeyEvent press(QEvent::KeyPress, five ? Qt::Key_5 : Qt::Key_6, Qt::NoModifier,
            five ? QStringLiteral("5") : QStringLiteral("6"));
        QApplication::sendEvent(depart, &press);
        if (painted)
            sheet.repaint();
    }
    if (sheet.BalanceShown().isEmpty() == balanceShown)
        state.SkipWithError("the Balance row is not as asked");
    state.SetLabel(balanceShown ? "row shown" : "row hidden");
}

BENCHMARK(BM_Floor_SumOfDayHours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceAsOfToday)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Keystroke, hidden, false, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, shown, true, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, hidden_painted, false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, shown_painted, true, true)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // The user's settings are read but never written.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    const Regional::Override regional(BenchData::settings());
    prepareStores();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
