#pragma once

#include "period/Period.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// What `hourframe chart` asks of the window program, which draws the chart
// without a display: the arguments that follow WriteChartOption. The command
// line has read the user's options and settings; the window program draws
// what they name and changes no setting.
struct TChartRequest {
    QString Output; // the file to write; its suffix names the format
    QString DataFile;
    TPeriod Period;
    int Today = 0; // the day the balance is counted up to, at the latest
    QSize Size;
    QStringList Settings; // Name=Value, put in in this order over the user's settings

    QStringList Arguments() const;
    // The request the arguments of Arguments() stand for; nothing for
    // arguments that do not make one.
    static std::optional<TChartRequest> FromArguments(const QStringList &arguments);
};

// The window program's first argument when it is to write a chart.
inline constexpr char WriteChartOption[] = "--write-chart";
