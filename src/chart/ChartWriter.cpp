#include "chart/ChartWriter.h"

#include "chart/ChartData.h"
#include "chart/ChartRequest.h"
#include "chart/ChartView.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"
#include "report/ReportText.h"
#include "settings/DataMod.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cstdio>
#include <exception>

int WriteChartProgram(const QStringList &arguments)
{
    const std::optional<TChartRequest> request = TChartRequest::FromArguments(arguments);
    if (!request) {
        std::fputs(
            "hourframe-window: --write-chart OUT FILE FROM TO TODAY WIDTH HEIGHT [Name=Value...]\n", stderr);
        return 2;
    }
    // The command line's today, so that both count the balance alike.
    const Clock::Fixed today(QDateTime(DayNumber::toDate(request->Today), Clock::now().time()));
    QString failure;
    try {
        TData settings(nullptr, TData::Persistence::MemoryOnly);
        for (const QString &setting : request->Settings) {
            const qsizetype equals = setting.indexOf(u'=');
            settings.SetByName(setting.first(std::max<qsizetype>(equals, 0)), setting.mid(equals + 1));
        }
        TTimeRecorder store;
        store.LoadFromFile(request->DataFile);
        TChartView view(ChartData(store, request->Period, ReportSettingsOf(settings)));
        view.resize(request->Size);
        view.show();
        // The chart lays itself out in the events its showing posts.
        QCoreApplication::processEvents();
        SaveChart(view, request->Output);
        return 0;
    } catch (const HourframeError &error) {
        failure = error.message();
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    std::fputs((failure.simplified() + u'\n').toLocal8Bit().constData(), stderr);
    return 1;
}
