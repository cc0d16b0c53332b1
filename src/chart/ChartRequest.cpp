#include "chart/ChartRequest.h"

using namespace Qt::StringLiterals;

QStringList TChartRequest::Arguments() const
{
    return QStringList { QString::fromLatin1(WriteChartOption), Output, DataFile,
        QString::number(Period.StartDate), QString::number(Period.EndDate), QString::number(Today),
        QString::number(Size.width()), QString::number(Size.height()) }
    + Settings;
}

std::optional<TChartRequest> TChartRequest::FromArguments(const QStringList &arguments)
{
    if (arguments.size() < 8 || arguments[0] != QLatin1String(WriteChartOption))
        return std::nullopt;
    TChartRequest request;
    request.Output = arguments[1];
    request.DataFile = arguments[2];
    bool ok[5] = {};
    request.Period = { arguments[3].toInt(&ok[0]), arguments[4].toInt(&ok[1]) };
    request.Today = arguments[5].toInt(&ok[2]);
    request.Size = QSize(arguments[6].toInt(&ok[3]), arguments[7].toInt(&ok[4]));
    for (const bool number : ok) {
        if (!number)
            return std::nullopt;
    }
    request.Settings = arguments.mid(8);
    return request;
}
