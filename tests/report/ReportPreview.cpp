// Saves pictures of the report options dialog and of the report window on a
// data file (its first two weeks), so that their look can be checked by eye:
// report_preview OPTIONS.png REPORT.png [FILE.hf]
#include "core/TimeRecorder.h"
#include "report/ReportFrm.h"
#include "report/ReportOptionsFrm.h"
#include "settings/DataMod.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cmath>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    TData data;
    TTimeRecorder store;
    if (argc > 3)
        store.LoadFromFile(QString::fromLocal8Bit(argv[3]));

    bool saved = true;
    TReportOptionsForm options(data, &store);
    options.show();
    TReportForm report(data, &store);
    const int first = static_cast<int>(std::floor(store.EarliestDate()));
    report.BuildReport(first, first + 13);
    QTimer::singleShot(500, &options, [&] {
        saved = options.grab().save(QString::fromLocal8Bit(argv[1])) && saved;
        options.hide();
        report.show();
    });
    QTimer::singleShot(1000, &report, [&] {
        saved = report.grab().save(QString::fromLocal8Bit(argv[2])) && saved;
        QApplication::quit();
    });
    QApplication::exec();
    return saved ? 0 : 1;
}
