// The time from OK in the report options to the first paint of the report
// window, for a report of 100 years of realistic data, through the main
// window's Report command. Runs on any Qt platform (offscreen or a display):
//   report_window [RUNS]
// Prints the lines of the report, how many times the text area was painted
// until the window was first on screen, and the median time.

#include "DialogDriver.h"
#include "RealisticData.h"

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
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Answers the options dialog with the whole period and OK, then shows the
// report window until its text area has painted.
class BenchPresenter : public TDesktopPresenter {
public:
    TPeriod period;
    QElapsedTimer clock;
    BenchDriver::PaintWatch watch;
    qsizetype lines = 0;
    QString pdfName;

    QString SaveFileName(QWidget *, const TFileDialogOptions &) override { return pdfName; }

    int ExecDialog(QDialog &dialog) override
    {
        if (qobject_cast<TReportOptionsForm *>(&dialog))
            return BenchDriver::AnswerPeriodDialog(dialog, period, clock);
        auto &report = static_cast<TReportForm &>(dialog);
        QWidget *text = BenchDriver::Child<QPlainTextEdit>(report, "moReport")->viewport();
        watch.ShowUntilPainted(report, *text, clock);
        // A moment more, to see whether it paints again.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 200)
            QCoreApplication::processEvents();
        lines = report.Lines().size();
        text->removeEventFilter(&watch);
        report.close();
        return QDialog::Rejected;
    }
};

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
    const int first = DayNumber::fromDate(BenchData::HundredYears.firstDay);
    BenchData::fillRealistic(store, first, BenchData::HundredYears.lines);
    store.SortByDate();

    BenchPresenter presenter;
    presenter.period = { first, store.Record(store.Count() - 1).Date };
    const TScopedPresenter scoped(presenter);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        form.acReport->trigger();
        times.push_back(static_cast<double>(presenter.watch.firstPaint) / 1e6);
        std::printf("run %d: %lld lines, %d paint(s) of the text area, OK to first paint %.1f ms\n", run + 1,
            static_cast<long long>(presenter.lines), presenter.watch.paints, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("median: %.1f ms\n", times[times.size() / 2]);

    // Where the time goes: the options written on OK, the report text, and
    // the text with its window.
    QElapsedTimer part;
    part.start();
    data.SetReportAdjustDatesToFullWeek(data.ReportAdjustDatesToFullWeek());
    data.SetReportWorkDaysWithNoHours(data.ReportWorkDaysWithNoHours());
    data.SetReportWeekendDaysWithNoHours(data.ReportWeekendDaysWithNoHours());
    data.SetReportCalculateAverageHours(data.ReportCalculateAverageHours());
    data.SetReportCalculateTotalHours(data.ReportCalculateTotalHours());
    std::printf("storing the options: %.1f ms\n", static_cast<double>(part.nsecsElapsed()) / 1e6);
    part.restart();
    const QStringList lines = ReportLines(store, presenter.period, ReportSettingsOf(data));
    std::printf("report text: %.1f ms\n", static_cast<double>(part.nsecsElapsed()) / 1e6);
    part.restart();
    {
        TReportForm report(data, &store, &form);
        report.BuildReport(presenter.period.StartDate, presenter.period.EndDate);
        std::printf("report window with its text: %.1f ms\n", static_cast<double>(part.nsecsElapsed()) / 1e6);

        // The pages of the whole report as PDF, busy dialog included.
        report.show();
        presenter.pdfName = home.filePath(QStringLiteral("report.pdf"));
        part.restart();
        report.acSaveAsPdf->trigger();
        std::printf("saving it as PDF: %.1f ms, %lld bytes\n", static_cast<double>(part.nsecsElapsed()) / 1e6,
            static_cast<long long>(QFileInfo(presenter.pdfName).size()));
    }
    return 0;
}
