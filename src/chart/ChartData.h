#pragma once

#include "period/Period.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

class TTimeRecorder;
struct TReportSettings;

// One bar of the chart: a week, or a month of weeks when the period is longer
// than two years. Minutes are sums over its weeks; the chart shows them as
// hours a week, so a month shows the average of its weeks.
struct TChartRecord {
    int First = 0; // its first and last day within the period
    int Last = 0;
    int Weeks = 1;
    QDate Month; // the first day of the month a month stands for; null for a week
    qint64 Hours = 0; // what the report's weekly subtotals count, all of it
    qint64 Extra = 0; // the extra minutes among Hours, when the report shows extra hours
    qint64 Holidays = 0; // the holidays among Hours, when the report shows holidays
    qint64 Target = 0; // the weekly targets in force, as the report's weekly deviation has them
    // The running balance at its end as the balance ledger gives it; none for
    // a record that ends before the balance starts or begins after today.
    std::optional<qint64> Balance;

    // minutes as hours a week.
    double PerWeek(qint64 minutes) const { return double(minutes) / 60.0 / Weeks; }
};

struct TChartData {
    TPeriod Period;
    bool Months = false;
    bool ExtraShown = false;
    bool HolidaysShown = false;
    bool BalanceShown = false; // some record has a balance
    std::vector<TChartRecord> Records;
};

// Periods of more weeks than this are drawn a month to a bar: two years and
// their partial weeks at both ends.
inline constexpr std::size_t MaxWeeklyRecords = 106;

// The chart of a period, made of the report's weeks (ReportWeeks) and the
// balance ledger (BalanceLedger) with the same settings, so that it shows
// what they show. A week belongs to the month of its middle day.
TChartData ChartData(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings);

// The ranges of the two vertical axes, in hours: hours a week from 0 (and
// below, when the balance goes below 0) and the balance, in steps of 1, 2 or
// 5 times a power of ten hours, with the same number of steps on each and 0
// at the same height, so that both share one grid.
struct TChartAxes {
    double HoursMin = 0;
    double HoursMax = 1;
    double BalanceMin = 0;
    double BalanceMax = 1;
    int Ticks = 2;

    friend bool operator==(const TChartAxes &, const TChartAxes &) = default;
};
TChartAxes ChartAxes(double hoursMax, double balanceMin, double balanceMax);
TChartAxes ChartAxes(const TChartData &chart);

// The records the horizontal axis names, by index, each with the short date
// of a week's first day or the short name and year of a month: every
// step-th record, the step being the smallest of 1, 2, 4, 8, 13, 26 or 52
// weeks (1, 2, 3, 6 or 12 months, then multiples of a year) that names no
// more than maxLabels records. Weeks are named from the first; months from
// the first whose number since January of the year 0 the step divides.
std::vector<std::pair<std::size_t, QString>> ChartAxisLabels(const TChartData &chart, int maxLabels);

// The widest text ChartAxisLabels gives records of this kind.
QString WidestAxisLabel(bool months);

// The chart's title: what a bar stands for and the period.
QString ChartTitle(const TChartData &chart);

// What hovering over a record tells: the week or month, its hours with their
// extra and holiday parts, the target and the balance.
QString ChartRecordText(const TChartData &chart, std::size_t index);

// The formats a chart is saved in, by the file name's suffix (letter case
// aside); nothing for any other name.
enum class TChartFormat { Png, Svg, Pdf };
std::optional<TChartFormat> ChartFormatOf(const QString &path);
