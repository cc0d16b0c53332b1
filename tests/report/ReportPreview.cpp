// Saves pictures of the report options dialog and of the report window on a
// data file, so that their look can be checked by eye:
// report_preview OPTIONS.png REPORT.png [FILE.hf]
#include "core/TimeRecorder.h"
#include "report/ReportOptionsFrm.h"
#include "settings/DataMod.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    TData data;
    TTimeRecorder store;
    if (argc > 3)
        store.LoadFromFile(QString::fromLocal8Bit(argv[3]));

    int result = 1;
    TReportOptionsForm options(data, &store);
    options.show();
    QTimer::singleShot(500, &options, [&] {
        result = options.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return result;
}
