// Shows the chart window on a data file for a period, so that its look can be
// checked by eye (a screenshot under Xvfb, in any style):
//   chart_preview FILE.hf FROM TO [SECONDS] [Qt options such as -style Adwaita-Dark]
// FROM and TO are yyyy-MM-dd; the window stays open for SECONDS (default 5).
#include "chart/ChartFrm.h"
#include "chart/ChartOptionsFrm.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"

#include <QApplication>
#include <QDate>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4)
        return 2;
    TData data(nullptr, TData::Persistence::MemoryOnly);
    TTimeRecorder store;
    store.LoadFromFile(arguments[1]);
    const int from = DayNumber::fromDate(QDate::fromString(arguments[2], Qt::ISODate));
    const int to = DayNumber::fromDate(QDate::fromString(arguments[3], Qt::ISODate));
    TChartOptionsForm options(data, &store);
    options.move(20, 20);
    options.show();
    TChartForm chart(data, &store);
    chart.BuildChart(from, to);
    chart.move(20, 200);
    chart.show();
    QTimer::singleShot(arguments.value(4, QStringLiteral("5")).toInt() * 1000, &app, &QApplication::quit);
    return QApplication::exec();
}
