// What the window pays when its file changes on disk, on 10 and 100 years of
// realistic data, against loading the same file: reloading it (no unsaved
// edits) and merging it with an unsaved edit, each from reading the file to
// the week shown again. Every round the file is replaced by the other of two
// versions that differ in one day, as a punch or a sync tool would.
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

#include <cstdio>
#include <memory>

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

// Opening the file: what the others are measured against.
void BM_Load(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    replaceFile(files[size], versions[size][0]);
    TTimeRecorder store;
    for (auto _ : state)
        store.LoadFromFile(files[size]);
    state.SetLabel(Sizes[size].name);
}

void ChangedOnDisk(benchmark::State &state, bool unsavedEdit)
{
    const int size = static_cast<int>(state.range(0));
    replaceFile(files[size], versions[size][0]);
    TData data;
    TMainForm form(data, {});
    form.show();
    QApplication::processEvents();
    form.OpenFile(files[size]);
    // An edit on another day than the one that changes on disk: merged, never asked about.
    if (unsavedEdit)
        form.TimeRecorder().SetComment(lastDays[size] - 1, QStringLiteral("typed in the window"));
    int next = 1;
    for (auto _ : state) {
        state.PauseTiming();
        replaceFile(files[size], versions[size][next]);
        next = 1 - next;
        state.ResumeTiming();
        form.FileWatch().CheckNow();
    }
    if (form.TimeRecorder().Modified() != unsavedEdit
        || form.TimeRecorder().GetDepart(lastDays[size]) != departs[size][1 - next])
        state.SkipWithError("the change on disk was not taken in");
    state.SetLabel(Sizes[size].name);
}

BENCHMARK(BM_Load)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChangedOnDisk, reload, false)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChangedOnDisk, merge, true)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
