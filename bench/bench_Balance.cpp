// The running balance of 10 and 100 years of realistic data as of today,
// with one set of targets and with 50 changes of them, against a floor:
// summing the day hours of every record, which any count of the balance must
// do at least; and the account of 100 years week by week, also with one record
// out of order at the top. Then a keystroke in a filled week of the
// 100-year store with the Balance row shown and hidden, handled alone and
// handled and painted, and with the German working-time rules checked; and
// those rules checked over the whole 100 years against the account week by
// week, which reads the same days.
//   QT_QPA_PLATFORM=offscreen bench_balance

#include "RealisticData.h"

#include "core/Balance.h"
#include "core/DayHours.h"
#include "core/DayNumber.h"
#include "core/Targets.h"
#include "core/TimeRecorder.h"
#include "core/WorkingTimeRules.h"
#include "settings/DataMod.h"
#include "ui/TimeEdit.h"
#include "week/WeekSheet.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

const BenchData::Size Sizes[] = { BenchData::TenYears, BenchData::HundredYears };

std::unique_ptr<TTimeRecorder> stores[2];
int lastDays[2];
// The 100-year store with its last day moved to the top, as a file with one
// line out of order loads: only that first record is in order.
std::unique_ptr<TTimeRecorder> outOfOrder;

void prepareStores()
{
    for (int i = 0; i < 2; ++i) {
        stores[i] = std::make_unique<TTimeRecorder>();
        BenchData::fillRealistic(*stores[i], DayNumber::fromDate(Sizes[i].firstDay), Sizes[i].lines);
        stores[i]->SortByDate();
        lastDays[i] = stores[i]->Record(stores[i]->Count() - 1).Date;
    }
    QList<DayRecord> records = stores[1]->Records();
    std::rotate(records.begin(), records.end() - 1, records.end());
    outOfOrder = std::make_unique<TTimeRecorder>();
    outOfOrder->ReplaceRecords(records);
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

// Targets that change count times, evenly over the store's days; the weekly
// hours step between 40 and 30.
TTargets ChangingTargets(int size, int count)
{
    TTargets targets;
    const int first = DayNumber::fromDate(Sizes[size].firstDay);
    const int step = (lastDays[size] - first) / (count + 1);
    for (int change = 1; change <= count; ++change) {
        const int day = 360 + 30 * (change % 5);
        targets.ApplyFrom(first + change * step, TTargetSet { { 0, day, day, day, day, day, 0 }, 5 * day });
    }
    return targets;
}

// Today is the day after the last record; the start is the first day with
// data. The second argument is the number of target changes.
void BM_BalanceAsOfToday(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const int changes = static_cast<int>(state.range(1));
    const Clock::Fixed clock(QDateTime(DayNumber::toDate(lastDays[size] + 1), QTime(12, 0)));
    TBalanceSettings settings;
    settings.Targets = ChangingTargets(size, changes);
    if (int(settings.Targets.History().size()) != changes + 1)
        state.SkipWithError("the changes are not all in the history");
    for (auto _ : state)
        benchmark::DoNotOptimize(Balance(*stores[size], settings, DayNumber::today()));
    state.SetLabel(Sizes[size].name + std::string(changes > 0 ? ", targets changing" : ""));
}

// The account week by week of the same; the third argument 1 takes the
// store with one record out of order, which must cost no more.
void BM_LedgerAsOfToday(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const int changes = static_cast<int>(state.range(1));
    const bool unsorted = state.range(2) != 0;
    const Clock::Fixed clock(QDateTime(DayNumber::toDate(lastDays[size] + 1), QTime(12, 0)));
    TBalanceSettings settings;
    settings.Targets = ChangingTargets(size, changes);
    const TTimeRecorder &store = unsorted ? *outOfOrder : *stores[size];
    for (auto _ : state)
        benchmark::DoNotOptimize(BalanceLedger(store, settings, DayNumber::today(), DayNumber::Monday));
    state.SetLabel(Sizes[size].name + std::string(changes > 0 ? ", targets changing" : "")
        + std::string(unsorted ? ", one record out of order" : ""));
}

// One digit typed over the selected Depart field of the last recorded day,
// alternately 5 and 6 o'clock in the evening.
void Keystroke(benchmark::State &state, bool balanceShown, bool painted, int rules = 0)
{
    TTimeRecorder &store = *stores[1];
    const Clock::Fixed clock(QDateTime(DayNumber::toDate(lastDays[1]), QTime(12, 0)));
    TData data(nullptr, TData::Persistence::MemoryOnly);
    data.SetShowBalance(balanceShown);
    data.SetWorkingTimeRules(rules);
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
    state.SetLabel(std::string(balanceShown ? "row shown" : "row hidden") + (rules ? ", rules checked" : ""));
}

// The German rules over the whole 100-year store, as hourframe check does it.
void BM_GermanRulesOf100Years(benchmark::State &state)
{
    const TWorkingTimeRules rules = TWorkingTimeRules::Of(TRuleSetId::Germany);
    const int first = DayNumber::fromDate(Sizes[1].firstDay);
    for (auto _ : state)
        benchmark::DoNotOptimize(Breaches(*stores[1], rules, first, lastDays[1], DayNumber::Monday));
}

BENCHMARK(BM_Floor_SumOfDayHours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceAsOfToday)->ArgsProduct({ { 0, 1 }, { 0, 50 } })->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LedgerAsOfToday)->ArgsProduct({ { 1 }, { 0, 50 }, { 0, 1 } })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Keystroke, hidden, false, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, shown, true, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, hidden_painted, false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, shown_painted, true, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, hidden_rules, false, false, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, hidden_painted_rules, false, true, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GermanRulesOf100Years)->Unit(benchmark::kMillisecond);

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
