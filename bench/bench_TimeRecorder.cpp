// Loading, saving and looking up days in stores of realistic size, against
// a floor: reading the same file with std::getline and cutting its lines at
// commas, which is as little as any loader can do.

#include "RealisticData.h"

#include "core/DayNumber.h"
#include "core/TimeRecorder.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using BenchData::Size;

// 10 and 100 years of workdays, and a million lines.
const Size Sizes[] = {
    BenchData::TenYears,
    BenchData::HundredYears,
    BenchData::OrSmallest({ "1,000,000 lines", QDate(1800, 1, 1), 1000000 }),
};

std::unique_ptr<QTemporaryDir> folder;
QString files[3];

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool prepareFiles()
{
    folder = std::make_unique<QTemporaryDir>();
    for (int i = 0; i < 3; ++i) {
        files[i] = folder->filePath(QStringLiteral("size%1.hf").arg(i));
        TTimeRecorder store;
        BenchData::fillRealistic(store, DayNumber::fromDate(Sizes[i].firstDay), Sizes[i].lines);
        store.SaveToFile(files[i]);

        // A file the program wrote comes back byte for byte through load and save.
        TTimeRecorder again;
        again.LoadFromFile(files[i]);
        const QString copy = files[i] + QStringLiteral(".copy");
        again.SaveToFile(copy);
        const QByteArray original = readBytes(files[i]);
        const bool same = original == readBytes(copy);
        QFile::remove(copy);
        std::printf("%-16s %8lld lines %9lld bytes, load+save reproduces it byte for byte: %s\n",
            Sizes[i].name, static_cast<long long>(original.count('\n')),
            static_cast<long long>(original.size()), same ? "yes" : "NO");
        if (!same)
            return false;
    }
    return true;
}

void setCounters(benchmark::State &state, int size)
{
    state.SetLabel(Sizes[size].name);
    state.SetItemsProcessed(state.iterations() * Sizes[size].lines);
    state.SetBytesProcessed(state.iterations() * QFile(files[size]).size());
}

void BM_Floor_GetlineSplit(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const std::string path = files[size].toStdString();
    std::vector<std::string_view> fields;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        std::size_t total = 0;
        while (std::getline(in, line)) {
            fields.clear();
            std::string_view rest(line);
            for (;;) {
                const std::size_t comma = rest.find(',');
                fields.push_back(rest.substr(0, comma));
                if (comma == std::string_view::npos)
                    break;
                rest.remove_prefix(comma + 1);
            }
            total += fields.size();
            benchmark::DoNotOptimize(fields.data());
        }
        benchmark::DoNotOptimize(total);
    }
    setCounters(state, size);
}

void BM_LoadFromFile(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto store = std::make_unique<TTimeRecorder>();
        store->LoadFromFile(files[size]);
        benchmark::DoNotOptimize(store->Count());
        // Freeing the store is not part of loading.
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    setCounters(state, size);
}

void BM_SaveToFile(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    TTimeRecorder store;
    store.LoadFromFile(files[size]);
    const QString target = folder->filePath(QStringLiteral("saved.hf"));
    for (auto _ : state)
        store.SaveToFile(target);
    setCounters(state, size);
}

// Saving without the disk: formatting the lines into memory.
void BM_SaveToDevice(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    TTimeRecorder store;
    store.LoadFromFile(files[size]);
    QByteArray bytes;
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        store.SaveToDevice(buffer);
    }
    setCounters(state, size);
}

// Lookups of single days in a million records: FindDay and the six getters of
// a day, over days that exist and days that do not.
void BM_FindDayAndGetters_1M(benchmark::State &state)
{
    TTimeRecorder store;
    store.LoadFromFile(files[2]);
    const int first = store.Record(0).Date;
    const int span = store.Record(store.Count() - 1).Date - first + 1;
    std::mt19937 random(7);
    std::vector<int> days(4096);
    for (int &day : days)
        day = first + static_cast<int>(random() % span);
    std::size_t i = 0;
    for (auto _ : state) {
        const double day = days[i++ & 4095];
        benchmark::DoNotOptimize(store.FindDay(day));
        benchmark::DoNotOptimize(store.GetArrive(day));
        benchmark::DoNotOptimize(store.GetDepart(day));
        benchmark::DoNotOptimize(store.GetLunch(day));
        benchmark::DoNotOptimize(store.GetExtra(day));
        benchmark::DoNotOptimize(store.GetHoliday(day));
        benchmark::DoNotOptimize(store.GetComment(day));
    }
    state.SetItemsProcessed(state.iterations() * 7);
}

// What showing one week costs: 42 getter calls and 35 setter calls that write
// back what was read, on a store of 100 years.
void BM_ShowWeek_100Years(benchmark::State &state)
{
    TTimeRecorder store;
    store.LoadFromFile(files[1]);
    const int first = store.Record(0).Date;
    const int weeks = (store.Record(store.Count() - 1).Date - first) / 7;
    std::mt19937 random(11);
    std::vector<int> starts(1024);
    for (int &start : starts)
        start = first + 7 * static_cast<int>(random() % weeks);
    std::size_t i = 0;
    for (auto _ : state) {
        const int start = starts[i++ & 1023];
        int values[7][5];
        QString comments[7];
        for (int d = 0; d < 7; ++d) {
            const double day = start + d;
            values[d][0] = store.GetArrive(day);
            values[d][1] = store.GetDepart(day);
            values[d][2] = store.GetLunch(day);
            values[d][3] = store.GetExtra(day);
            values[d][4] = store.GetHoliday(day);
            comments[d] = store.GetComment(day);
        }
        for (int d = 0; d < 7; ++d) {
            const double day = start + d;
            store.SetArrive(day, values[d][0]);
            store.SetDepart(day, values[d][1]);
            store.SetLunch(day, values[d][2]);
            store.SetExtra(day, values[d][3]);
            store.SetHoliday(day, values[d][4]);
        }
        benchmark::DoNotOptimize(comments);
    }
}

} // namespace

BENCHMARK(BM_Floor_GetlineSplit)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToDevice)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindDayAndGetters_1M)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_ShowWeek_100Years)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    Regional::Override regional(BenchData::settings());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!prepareFiles())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    folder.reset();
    return 0;
}
