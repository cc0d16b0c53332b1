#include "chart/ChartData.h"

#include "core/Balance.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "report/ReportText.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Chart", text);
}

// The first day of the month a week belongs to.
QDate MonthOfWeek(int anyDay, int firstDayOfWeek)
{
    const QDate middle = DayNumber::toDate(DayNumber::weekStartOf(anyDay, firstDayOfWeek) + 3);
    return QDate(middle.year(), middle.month(), 1);
}

// The weeks that fall into one month made one record.
std::vector<TChartRecord> ByMonth(const std::vector<TChartRecord> &weeks, int firstDayOfWeek)
{
    std::vector<TChartRecord> months;
    for (const TChartRecord &week : weeks) {
        const QDate month = MonthOfWeek(week.First, firstDayOfWeek);
        if (months.empty() || month != months.back().Month) {
            months.push_back(week);
            months.back().Month = month;
            continue;
        }
        TChartRecord &record = months.back();
        record.Last = week.Last;
        record.Weeks += week.Weeks;
        record.Hours += week.Hours;
        record.Extra += week.Extra;
        record.Holidays += week.Holidays;
        record.Target += week.Target;
        if (week.Balance)
            record.Balance = week.Balance;
    }
    return months;
}

// 1, 2 or 5 times a power of ten, at least 1 and at least size.
double NiceStep(double size)
{
    double power = 1;
    while (true) {
        for (const double factor : { 1.0, 2.0, 5.0 }) {
            if (factor * power >= size)
                return factor * power;
        }
        power *= 10;
    }
}

// Steps of the horizontal axis's labels, in records, smallest first.
std::vector<std::size_t> LabelSteps(bool months, std::size_t records)
{
    std::vector<std::size_t> steps = months ? std::vector<std::size_t> { 1, 2, 3, 6, 12 }
                                            : std::vector<std::size_t> { 1, 2, 4, 8, 13, 26, 52 };
    while (steps.back() < records)
        steps.push_back(steps.back() + (months ? 12 : 52));
    return steps;
}

QString MonthText(const QDate &month)
{
    return Regional::longMonthName(month.month()) + u' ' + QString::number(month.year());
}

QString AxisLabel(const TChartRecord &record)
{
    if (record.Month.isNull())
        return ShortDateText(record.First);
    return Regional::shortMonthName(record.Month.month()) + u' ' + QString::number(record.Month.year());
}

} // namespace

TChartData ChartData(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings)
{
    TChartData chart;
    chart.Period = period;
    const TReportWeeks report = ReportWeeks(store, period, settings);
    chart.ExtraShown = report.ExtraColumn;
    // Holidays that do not count as time worked are not part of the hours.
    chart.HolidaysShown = report.HolidayColumn && settings.IncludeHolsInTotal;

    const std::vector<TBalanceWeek> ledger
        = BalanceLedger(store, settings.Balance, period.EndDate, settings.FirstDayOfWeek);
    std::vector<TChartRecord> weeks;
    weeks.reserve(report.Weeks.size());
    for (const TReportWeek &week : report.Weeks) {
        TChartRecord record;
        record.First = week.First;
        record.Last = week.Last;
        record.Hours = week.Hours;
        record.Extra = chart.ExtraShown ? week.Extra : 0;
        record.Holidays = chart.HolidaysShown ? week.Holidays : 0;
        record.Target = week.Target;
        // The ledger has one line a week, each week from its first day.
        if (!ledger.empty()) {
            const qint64 line = (qint64(DayNumber::weekStartOf(week.First, settings.FirstDayOfWeek))
                                    - ledger.front().WeekStart)
                / 7;
            if (line >= 0 && line < qint64(ledger.size()))
                record.Balance = ledger[std::size_t(line)].Balance;
        }
        chart.BalanceShown = chart.BalanceShown || record.Balance.has_value();
        weeks.push_back(record);
    }
    chart.Months = weeks.size() > MaxWeeklyRecords;
    chart.Records = chart.Months ? ByMonth(weeks, settings.FirstDayOfWeek) : std::move(weeks);
    return chart;
}

TChartAxes ChartAxes(double hoursMax, double balanceMin, double balanceMax)
{
    hoursMax = std::max(hoursMax, 0.0);
    balanceMin = std::min(balanceMin, 0.0);
    balanceMax = std::max(balanceMax, 0.0);
    const double hoursStep = NiceStep(hoursMax / 5);
    const double balanceStep = NiceStep((balanceMax - balanceMin) / 5);
    // Room above the highest value and below the lowest, never a value on the frame.
    const double below = balanceMin < 0 ? std::floor(-balanceMin / balanceStep) + 1 : 0;
    const double above = std::max(std::floor(hoursMax / hoursStep), std::floor(balanceMax / balanceStep)) + 1;
    return { -below * hoursStep, above * hoursStep, -below * balanceStep, above * balanceStep,
        int(below + above) + 1 };
}

TChartAxes ChartAxes(const TChartData &chart)
{
    double hours = 0;
    double low = 0;
    double high = 0;
    for (const TChartRecord &record : chart.Records) {
        hours = std::max({ hours, record.PerWeek(record.Hours), record.PerWeek(record.Target) });
        if (record.Balance) {
            low = std::min(low, double(*record.Balance) / 60);
            high = std::max(high, double(*record.Balance) / 60);
        }
    }
    return ChartAxes(hours, low, high);
}

std::vector<std::pair<std::size_t, QString>> ChartAxisLabels(const TChartData &chart, int maxLabels)
{
    std::vector<std::pair<std::size_t, QString>> labels;
    const std::size_t count = chart.Records.size();
    if (count == 0 || maxLabels < 1)
        return labels;
    std::size_t step = 0;
    for (const std::size_t candidate : LabelSteps(chart.Months, count)) {
        step = candidate;
        if ((count + step - 1) / step <= std::size_t(maxLabels))
            break;
    }
    // Months are named from a January on, or from the month a smaller step
    // falls on: every quarter from January, April, July, October.
    std::size_t first = 0;
    while (chart.Months && first + 1 < std::min(count, step)
        && (chart.Records[first].Month.year() * 12 + chart.Records[first].Month.month() - 1) % int(step) != 0)
        ++first;
    for (std::size_t index = first; index < count; index += step)
        labels.emplace_back(index, AxisLabel(chart.Records[index]));
    return labels;
}

QString WidestAxisLabel(bool months)
{
    // Two-digit days and months, and the longest short month name.
    TChartRecord record;
    record.First = DayNumber::fromDate(QDate(2000, 12, 28));
    if (months) {
        int widest = 1;
        for (int month = 2; month <= 12; ++month) {
            if (Regional::shortMonthName(month).size() > Regional::shortMonthName(widest).size())
                widest = month;
        }
        record.Month = QDate(2000, widest, 1);
    }
    return AxisLabel(record);
}

QString ChartTitle(const TChartData &chart)
{
    const QString pattern = chart.Months
        ? translated(QT_TRANSLATE_NOOP("Chart", "Hours a week by month, %1 to %2"))
        : translated(QT_TRANSLATE_NOOP("Chart", "Hours a week, %1 to %2"));
    return pattern.arg(ShortDateText(chart.Period.StartDate), ShortDateText(chart.Period.EndDate));
}

QString ChartRecordText(const TChartData &chart, std::size_t index)
{
    if (index >= chart.Records.size())
        return QString();
    const TChartRecord &record = chart.Records[index];
    QStringList lines;
    const QString days = translated(QT_TRANSLATE_NOOP("Chart", "%1 to %2"))
                             .arg(ShortDateText(record.First), ShortDateText(record.Last));
    lines << (chart.Months
            ? translated(QT_TRANSLATE_NOOP("Chart", "%1 (%2)")).arg(MonthText(record.Month), days)
            : days);
    // Whole minutes, ties to the even minute.
    const auto perWeek
        = [&](qint64 minutes) { return HoursText(qint64(std::nearbyint(double(minutes) / record.Weeks))); };
    if (chart.Months)
        lines << translated(QT_TRANSLATE_NOOP("Chart", "Hours: %1 a week (%2 in all)"))
                     .arg(perWeek(record.Hours), HoursText(record.Hours));
    else
        lines << translated(QT_TRANSLATE_NOOP("Chart", "Hours: %1")).arg(HoursText(record.Hours));
    if (chart.ExtraShown)
        lines << translated(QT_TRANSLATE_NOOP("Chart", "of which extra: %1")).arg(perWeek(record.Extra));
    if (chart.HolidaysShown)
        lines
            << translated(QT_TRANSLATE_NOOP("Chart", "of which holidays: %1")).arg(perWeek(record.Holidays));
    lines << translated(QT_TRANSLATE_NOOP("Chart", "Target: %1")).arg(perWeek(record.Target));
    lines << (record.Balance
            ? translated(QT_TRANSLATE_NOOP("Chart", "Balance: %1")).arg(BalanceText(*record.Balance))
            : translated(QT_TRANSLATE_NOOP("Chart", "Balance: not counted")));
    return lines.join(u'\n');
}

std::optional<TChartFormat> ChartFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return TChartFormat::Png;
    if (suffix == u"svg")
        return TChartFormat::Svg;
    if (suffix == u"pdf")
        return TChartFormat::Pdf;
    return std::nullopt;
}
