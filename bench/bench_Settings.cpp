// What storing settings costs, against the least it can: one flushed replace
// of the settings file with the same content; and what reading a settings
// file of 200,000 values costs (well under a second: it grows in step with
// the values, not with their square).
//   bench_settings            the benchmarks (Google Benchmark flags apply)
//   bench_settings --one-ok   one Preferences OK in a fresh settings folder,
//                             to count its flushes with strace
//   bench_settings --side-by-side N
//                             N Preferences OKs, each followed by one flushed
//                             replace, so that both meet the disk in the same
//                             state; prints the medians

#include "RealisticData.h"

#include "settings/DataMod.h"
#include "settings/NtRegistry.h"
#include "settings/PreferencesFrm.h"
#include "settings/RegFile.h"
#include "ui/Printers.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Opens the Options dialog, lets edit change it, and returns the dialog
// ready for OK.
std::unique_ptr<TPreferencesForm> OpenPreferences(TData &data, bool changeAutoSave)
{
    auto form = std::make_unique<TPreferencesForm>(data);
    form->show();
    if (changeAutoSave)
        form->findChild<QCheckBox *>(QStringLiteral("ckAutoSave"))->click();
    return form;
}

void PressOk(TPreferencesForm &form)
{
    form.findChild<QPushButton *>(QStringLiteral("btOk"))->click();
}

// A settings folder of its own for each benchmark, first filled by one OK.
struct Settings {
    QTemporaryDir home;
    std::unique_ptr<TData> data;

    Settings()
    {
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        data = std::make_unique<TData>();
        PressOk(*OpenPreferences(*data, false));
    }
};

void PreferencesOk(benchmark::State &state, bool changed)
{
    Settings settings;
    for (auto _ : state) {
        state.PauseTiming();
        const std::unique_ptr<TPreferencesForm> form = OpenPreferences(*settings.data, changed);
        state.ResumeTiming();
        PressOk(*form);
    }
}

void BM_PreferencesOk(benchmark::State &state)
{
    PreferencesOk(state, true);
}
BENCHMARK(BM_PreferencesOk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PreferencesOkUnchanged(benchmark::State &state)
{
    PreferencesOk(state, false);
}
BENCHMARK(BM_PreferencesOkUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same 27 settings through their setters one by one, as OK stored them
// before it had batches: one write each, Thursday's target twice.
void BM_PreferencesOneWriteEach(benchmark::State &state)
{
    Settings settings;
    TData &d = *settings.data;
    int flip = 0;
    for (auto _ : state) {
        flip = 1 - flip;
        d.SetAssociateHfFiles(flip);
        d.SetReopenLastUsedFile(flip);
        d.SetUseToolTray(flip);
        d.SetShowDeviationFromWeeklyTarget(flip);
        d.SetShowDeviationFromDailyTarget(flip);
        d.SetShowLunchTime(flip);
        d.SetShowComment(flip);
        d.SetShowExtraHours(flip);
        d.SetShowHols(flip);
        d.SetWeeklyTarget(2220 + flip);
        d.SetPrinterFontName(flip ? QStringLiteral("Courier") : QStringLiteral("Courier New"));
        d.SetPrinterFontSize(12 + flip);
        d.SetSaturdayTarget(flip);
        d.SetSundayTarget(flip);
        d.SetMondayTarget(450 + flip);
        d.SetTuesdayTarget(450 + flip);
        d.SetWednesdayTarget(450 + flip);
        d.SetThusdayTarget(450 + flip);
        d.SetFridayTarget(420 + flip);
        d.SetDefaultLunchTime(flip);
        d.SetUseDefaultLunchTime(flip);
        d.SetAutoSave(flip);
        d.SetAutoEnterTime(flip);
        d.SetRoundTimesTo(5 + flip);
        d.SetRoundTimes(flip);
        d.SetIncludeHolsInTotal(flip);
        d.SetFirstDayOfWeek(1 + flip);
    }
}
BENCHMARK(BM_PreferencesOneWriteEach)->Unit(benchmark::kMillisecond)->UseRealTime();

QByteArray StoredSettings()
{
    QFile stored(TNTRegistry::DefaultStorePath());
    stored.open(QIODevice::ReadOnly);
    return stored.readAll();
}

// The floor: the settings file as OK leaves it, written to a new file,
// flushed and put in place, without lock, reading or parsing.
bool ReplaceFlushed(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return file.commit();
}

void BM_OneFlushedReplace(benchmark::State &state)
{
    Settings settings;
    const QByteArray content = StoredSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReplaceFlushed(TNTRegistry::DefaultStorePath(), content));
}
BENCHMARK(BM_OneFlushedReplace)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading every setting at start-up, against one parse of the same file.
void BM_ReadAllSettings(benchmark::State &state)
{
    Settings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(TData().WeeklyTarget());
}
BENCHMARK(BM_ReadAllSettings)->Unit(benchmark::kMicrosecond);

void BM_ParseSettingsFile(benchmark::State &state)
{
    Settings settings;
    const QByteArray content = StoredSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(RegFile::parse(content));
}
BENCHMARK(BM_ParseSettingsFile)->Unit(benchmark::kMicrosecond);

// A settings file grown by other programs or by hand to many values, all in
// the application's key: reading it takes time in step with its size.
QByteArray ManyValues(int count)
{
    QByteArray content = "Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\r\n";
    for (int i = 0; i < count; ++i) {
        content
            += "\"Value" + QByteArray::number(i) + (i % 2 ? "\"=dword:0000002a\r\n" : "\"=\"some text\"\r\n");
    }
    return content;
}

void BM_ParseManyValues(benchmark::State &state)
{
    const QByteArray content = ManyValues(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RegFile::parse(content));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseManyValues)
    ->RangeMultiplier(4)
    ->Range(12500, BenchData::Quick ? 12500 : 200000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Every setting read at start-up from such a file.
void BM_ReadSettingsAmongManyValues(benchmark::State &state)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QDir().mkpath(QFileInfo(TNTRegistry::DefaultStorePath()).absolutePath());
    QFile file(TNTRegistry::DefaultStorePath());
    file.open(QIODevice::WriteOnly);
    file.write(ManyValues(BenchData::Quick ? 12500 : 200000));
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(TData().WeeklyTarget());
}
BENCHMARK(BM_ReadSettingsAmongManyValues)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TScopedPrinterCheck noPrinters(false);
    if (argc == 2 && std::strcmp(argv[1], "--one-ok") == 0) {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        TData data;
        PressOk(*OpenPreferences(data, true));
        return data.AutoSave() ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--side-by-side") == 0) {
        Settings settings;
        const QString floorFile = settings.home.filePath(QStringLiteral("floor.reg"));
        std::vector<double> ok;
        std::vector<double> floor;
        for (int i = std::atoi(argv[2]); i > 0; --i) {
            const std::unique_ptr<TPreferencesForm> form = OpenPreferences(*settings.data, true);
            QElapsedTimer timer;
            timer.start();
            PressOk(*form);
            ok.push_back(timer.nsecsElapsed() / 1e6);
            const QByteArray content = StoredSettings();
            timer.start();
            ReplaceFlushed(floorFile, content);
            floor.push_back(timer.nsecsElapsed() / 1e6);
        }
        const auto median = [](std::vector<double> &times) {
            std::sort(times.begin(), times.end());
            return times[times.size() / 2];
        };
        const double okMedian = median(ok);
        const double floorMedian = median(floor);
        std::printf("Preferences OK %.2f ms, one flushed replace %.2f ms, %.2fx (medians of %zu)\n", okMedian,
            floorMedian, okMedian / floorMedian, ok.size());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
