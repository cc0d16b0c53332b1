// The time from OK in the options to the first paint, for the chart and for
// the report of the same ten years of realistic data, through the main
// window's Chart and Report commands. Runs on any Qt platform (offscreen or a
// display):
//   chart_window [RUNS]
// Prints each run and the medians.

#include "DialogDriver.h"
#include "RealisticData.h"

#include "chart/ChartFrm.h"
#include "chart/ChartOptionsFrm.h"
#include "chart/ChartView.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "report/ReportFrm.h"
#include "report/ReportOptionsFrm.h"
#include "report/ReportText.h"
#include "settings/DataMod.h"
#include "shell/MainFrm.h"
#include "ui/Presenter.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Answers an options dialog with the period and OK, then shows the window
// until the part that draws the chart or the text has painted.
class BenchPresenter : public TDesktopPresenter {
public:
    TPeriod period;
    QElapsedTimer clock;
    BenchDriver::PaintWatch watch;

    int ExecDialog(QDialog &dialog) override
    {
        if (qobject_cast<TPeriodOptionsForm *>(&dialog))
            return BenchDriver::AnswerPeriodDialog(dialog, period, clock);
        QWidget *painted = nullptr;
        if (auto *chart = qobject_cast<TChartForm *>(&dialog))
            painted = chart->ChartView()->viewport();
        else
            painted = BenchDriver::Child<QPlainTextEdit>(dialog, "moReport")->viewport();
        watch.ShowUntilPainted(dialog, *painted, clock);
        painted->removeEventFilter(&watch);
        dialog.close();
        return QDialog::Rejected;
    }
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    const Regional::Override regional(BenchData::settings());

    TData data;
    data.SetAutoEnterTime(false);
    data.SetReopenLastUsedFile(false);
    TMainForm form(data, {});
    TTimeRecorder &store = form.TimeRecorder();
    const int first = DayNumber::fromDate(BenchData::TenYears.firstDay);
    BenchData::fillRealistic(store, first, BenchData::TenYears.lines);
    store.SortByDate();

    BenchPresenter presenter;
    presenter.period = { first, store.Record(store.Count() - 1).Date };
    const TScopedPresenter scoped(presenter);
    std::vector<double> chart;
    std::vector<double> report;
    for (int run = 0; run < runs; ++run) {
        form.acChart->trigger();
        chart.push_back(static_cast<double>(presenter.watch.firstPaint) / 1e6);
        form.acReport->trigger();
        report.push_back(static_cast<double>(presenter.watch.firstPaint) / 1e6);
        std::printf("run %d: OK to first paint, chart %.1f ms, report %.1f ms\n", run + 1, chart.back(),
            report.back());
    }
    std::printf("median: chart %.1f ms, report %.1f ms\n", median(chart), median(report));

    // Of which the chart's figures: the report's weeks and the balance ledger.
    QElapsedTimer part;
    part.start();
    const TChartData figures = ChartData(store, presenter.period, ReportSettingsOf(data));
    std::printf("the chart's figures: %.2f ms, %zu records\n", static_cast<double>(part.nsecsElapsed()) / 1e6,
        figures.Records.size());
    return 0;
}
