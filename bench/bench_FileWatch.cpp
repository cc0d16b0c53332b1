// What the window pays when its file changes on disk, on 10 and 100 years of
// realistic data, against loading the same file: reloading it (no unsaved
// edits) and merging it with an unsaved edit, each from reading the file to
// the week shown again. Every round the file is replaced by the other of two
// versions that differ in one day, as a punch or a sync tool would. Then the
// first edit after a reload.
//   QT_QPA_PLATFORM=offscreen bench_filewatch

#include "RealisticData.h"

#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "shell/FileWatch.h"
#include "shell/MainFrm.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

const BenchData::Size Sizes[] = { BenchData::TenYears, BenchData::HundredYears };

std::unique_ptr<QTemporaryDir> folder;
QString files[2];
QByteArray versions[2][2]; // per size: as written, and with the last day's departure a minute later
int departs[2][2]; // that departure in each version
int lastDays[2];

QByteArray bytesOf(TTimeRecorder &store, const QString &path)
{
    store.SaveToFile(path);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void prepareFiles()
{
    folder = std::make_unique<QTemporaryDir>();
    for (int i = 0; i < 2; ++i) {
        files[i] = folder->filePath(QStringLiteral("size%1.hf").arg(i));
        TTimeRecorder store;
        BenchData::fillRealistic(store, DayNumber::fromDate(Sizes[i].firstDay), Sizes[i].lines);
        store.SortByDate();
        lastDays[i] = store.Record(store.Count() - 1).Date;
        departs[i][0] = store.GetDepart(lastDays[i]);
        departs[i][1] = departs[i][0] + 1;
        versions[i][0] = bytesOf(store, files[i]);
        store.SetDepart(lastDays[i], departs[i][1]);
        versions[i][1] = bytesOf(store, files[i]);
        std::printf("%-10s %6lld lines %7lld bytes\n", Sizes[i].name,
            static_cast<long long>(versions[i][0].count('\n')),
            static_cast<long long>(versions[i][0].size()));
    }
}

// As a sync tool writes it: complete, then renamed over the old file.
void replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    file.commit();
}

double threadMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Each round replaces the file and then, one after the other, loads it into a
// store of its own (what the others are measured against), lets a window
// without edits reload it and a window with an unsaved edit merge it. The
// three are timed in turns, in processor time of this thread, so that other
// work on the machine weighs on all of them alike; the counters are medians.
void BM_ChangedOnDisk(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    replaceFile(files[size], versions[size][0]);
    TData data;
    TMainForm reloading(data, {});
    TMainForm merging(data, {});
    for (TMainForm *form : { &reloading, &merging }) {
        form->show();
        QApplication::processEvents();
        form->OpenFile(files[size]);
    }
    // An edit on another day than the one that changes on disk: merged, never asked about.
    merging.TimeRecorder().SetComment(lastDays[size] - 1, QStringLiteral("typed in the window"));
    TTimeRecorder loaded;
    std::vector<double> load;
    std::vector<double> reload;
    std::vector<double> merge;
    int next = 1;
    for (auto _ : state) {
        replaceFile(files[size], versions[size][next]);
        next = 1 - next;
        double start = threadMs();
        loaded.LoadFromFile(files[size]);
        double end = threadMs();
        load.push_back(end - start);
        start = end;
        reloading.FileWatch().CheckNow();
        end = threadMs();
        reload.push_back(end - start);
        start = end;
        merging.FileWatch().CheckNow();
        merge.push_back(threadMs() - start);
    }
    const int expected = departs[size][1 - next];
    if (reloading.TimeRecorder().Modified() || !merging.TimeRecorder().Modified()
        || reloading.TimeRecorder().GetDepart(lastDays[size]) != expected
        || merging.TimeRecorder().GetDepart(lastDays[size]) != expected)
        state.SkipWithError("the change on disk was not taken in");
    state.counters["load_ms"] = median(load);
    state.counters["reload_ms"] = median(reload);
    state.counters["merge_ms"] = median(merge);
    state.counters["reload_x"] = median(reload) / median(load);
    state.counters["merge_x"] = median(merge) / median(load);
    state.SetLabel(Sizes[size].name);
}

// The first edit after a reload: the store shares its records with the base
// it keeps for the next merge, and the edit gives it a copy of its own. A
// fixed count of rounds: each also saves, which is not timed.
void BM_FirstEditAfterReload(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    replaceFile(files[size], versions[size][0]);
    TData data;
    TMainForm form(data, {});
    form.show();
    QApplication::processEvents();
    form.OpenFile(files[size]);
    int next = 1;
    int minutes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        replaceFile(files[size], versions[size][next]);
        next = 1 - next;
        form.FileWatch().CheckNow();
        state.ResumeTiming();
        form.TimeRecorder().SetExtra(lastDays[size], ++minutes);
        state.PauseTiming();
        form.FileWatch().Save(files[size]);
        state.ResumeTiming();
    }
    state.SetLabel(Sizes[size].name);
}

BENCHMARK(BM_ChangedOnDisk)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(BenchData::Quick ? 1 : 60)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstEditAfterReload)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(BenchData::Quick ? 1 : 50)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The user's settings are read but never written; no lock outside the temporary folder.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    QApplication app(argc, argv);
    const Regional::Override regional(BenchData::settings());
    prepareFiles();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
