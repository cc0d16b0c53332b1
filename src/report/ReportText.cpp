#include "report/ReportText.h"

#include "core/ChunkedWriter.h"
#include "core/DateText.h"
#include "core/DayHours.h"
#include "core/DayNumber.h"
#include "core/HolidayCalendar.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "core/Utf8Text.h"
#include "settings/DataMod.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Columns are runs of blanks of fixed length; the layout is made for a
// fixed-pitch font. UTF-16 already, so appending them is a plain copy.
constexpr QStringView Blanks(
    u"                                                                                                    ");

QStringView blanks(qsizetype count)
{
    return Blanks.first(std::clamp<qsizetype>(count, 0, Blanks.size()));
}

QString translated(const char *text)
{
    return QCoreApplication::translate("ReportText", text);
}

// The width of the text in a fixed-pitch font: one column a character.
qsizetype columns(QStringView text)
{
    return text.size();
}

// A heading's word in the room of its column: the word, then blanks up to
// the width of the column, and always at least one.
void appendPiece(QString &line, const QString &word, qsizetype width)
{
    line += word;
    line += blanks(std::max<qsizetype>(1, width - columns(word)));
}

// Everything one report needs to know, read once at the start of the call.
class TReportWriter {
public:
    // weeks, when given, receives every week of the period as it ends.
    TReportWriter(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings,
        const std::function<void(QStringView)> &write,
        const std::function<void(const TReportWeek &)> &weeks = {})
        : m_store(store)
        , m_period(period)
        , m_settings(settings)
        , m_regional(Regional::current())
        , m_date(m_regional.shortDateFormat, m_regional)
        , m_dateWidth(DateWidth())
        , m_dayNameWidth(DayNameWidth())
        , m_lastDayOfWeek(Period::LastDayOfWeek(settings.FirstDayOfWeek))
        , m_write(write)
        , m_weekSink(weeks)
    {
    }

    bool ExtraColumn() const { return m_extra; }
    bool HolidayColumn() const { return m_holiday; }

    void Write()
    {
        ReadDays();
        ChooseColumns();
        WriteTitle();
        WriteHeading();
        for (size_t i = 0; i < m_records.size(); ++i)
            WriteDay(m_period.StartDate + static_cast<int>(i), m_records[i]);
        WriteTotals();
        WriteBreaches();
        WriteBalance();
        WriteAverages();
    }

private:
    // The record of every day of the period, or null, in one pass over the
    // store; and the public holidays of the period.
    void ReadDays()
    {
        if (m_period.EndDate < m_period.StartDate)
            return;
        if (m_settings.Targets.Holidays) {
            const std::span<const THoliday> holidays
                = m_settings.Targets.Holidays->Between(m_period.StartDate, m_period.EndDate);
            m_holidays.assign(holidays.begin(), holidays.end());
        }
        const qint64 days = qint64(m_period.EndDate) - m_period.StartDate + 1;
        m_records.assign(static_cast<size_t>(days), nullptr);
        m_store.VisitDays(m_period.StartDate, m_period.EndDate, [&](const DayRecord &record) {
            m_records[static_cast<size_t>(qint64(record.Date) - m_period.StartDate)] = &record;
        });
    }

    // A column the settings hide is still shown when some day of the period
    // needs it; a lunch alone does not bring in the lunch column.
    void ChooseColumns()
    {
        m_lunch = m_settings.ShowLunchTime;
        m_extra = m_settings.ShowExtraHours;
        m_holiday = m_settings.ShowHols;
        m_comment = m_settings.ShowComment || !m_holidays.empty();
        m_deviation = m_settings.ShowDeviationFromWeeklyTarget;
        for (const DayRecord *record : m_records) {
            if (m_lunch && m_extra && m_holiday && m_comment)
                break;
            if (!record)
                continue;
            m_lunch = m_lunch || (HasMoreThanLunch(*record) && record->Lunch > 0);
            m_extra = m_extra || record->Extra > 0;
            m_holiday = m_holiday || record->Holiday > 0;
            m_comment = m_comment || !record->Comment.isEmpty();
        }
    }

    // The date column: as wide as a date whose day and month have two
    // digits, or as the widest date of the period where the format makes some
    // wider (month names). Any 366 days in a row hold every day of every
    // month, so the first 366 of a longer period hold its widest date.
    qsizetype DateWidth() const
    {
        qsizetype width = columns(m_date.Text(DayNumber::fromDate(QDate(2000, 11, 11))));
        const int last = int(std::min<qint64>(m_period.EndDate, qint64(m_period.StartDate) + 365));
        for (int day = m_period.StartDate; day <= last; ++day)
            width = std::max(width, columns(m_date.Text(day)));
        return width;
    }

    // The weekday column: as wide as the widest short day name, three
    // characters in English, four in French.
    qsizetype DayNameWidth() const
    {
        qsizetype width = 0;
        for (const QString &name : m_regional.shortDayNames)
            width = std::max(width, columns(name));
        return width;
    }

    // Any text the report makes, built with + or not.
    void AddLine(const QString &line) { m_write(line); }

    void WriteTitle()
    {
        const QString fileName = m_store.FileName();
        AddLine(u"Hourframe ["_s
            + (fileName.isEmpty() ? translated(QT_TRANSLATE_NOOP("ReportText", "Untitled")) : fileName)
            + u']');
        AddLine({});
        AddLine(translated(QT_TRANSLATE_NOOP("ReportText", "Report from %1 to %2"))
                    .arg(m_date.Text(m_period.StartDate), m_date.Text(m_period.EndDate)));
        AddLine({});
    }

    // Each word of the heading stands over its column; the widths are those
    // of the English words with the blanks that follow them.
    void WriteHeading()
    {
        const QString date = translated(QT_TRANSLATE_NOOP("ReportText", "Date"));
        QString line = date;
        if (m_dateWidth >= columns(date))
            line += blanks(m_dateWidth - columns(date) + 1);
        line += blanks(2);
        appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Day")), m_dayNameWidth + 3);
        appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Arrive")), 10);
        appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Depart")), 10);
        if (m_lunch)
            appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Lunch")), 9);
        if (m_extra)
            appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Extra")), 10);
        if (m_holiday)
            appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Holiday")), 10);
        appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Hours")), 9);
        appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Weekly")), 9);
        if (m_deviation)
            appendPiece(line, translated(QT_TRANSLATE_NOOP("ReportText", "Deviation")), 12);
        if (m_comment)
            line += translated(QT_TRANSLATE_NOOP("ReportText", "Comment"));
        AddLine(QStringView(line).trimmed().toString());
    }

    void WriteDay(int day, const DayRecord *record)
    {
        static const DayRecord Blank;
        const bool hasData = record && (record->Lunch > 0 || HasMoreThanLunch(*record));
        const int weekday = DayNumber::dayOfWeek(day);
        const bool weekend = DayNumber::isWeekend(day);
        const bool included = hasData || (!weekend && m_settings.ReportWorkDaysWithNoHours)
            || (weekend && m_settings.ReportWeekendDaysWithNoHours);
        const DayRecord &values = hasData ? *record : Blank;

        // Lines are built in one buffer that keeps its room from day to day.
        std::u16string &line = m_line;
        line.clear();
        if (included) {
            const qint64 hours = DayHours(values);
            Count(values, hours);
            AppendDateAndDay(line, day);
            AppendValue(line, values.Arrive, -1);
            AppendText(line, blanks(5));
            AppendValue(line, values.Depart, -1);
            AppendText(line, blanks(5));
            if (m_lunch) {
                AppendValue(line, values.Lunch, 0);
                AppendText(line, blanks(4));
            }
            if (m_extra) {
                AppendValue(line, values.Extra, 0);
                AppendText(line, blanks(5));
            }
            if (m_holiday) {
                AppendValue(line, values.Holiday, 0);
                AppendText(line, blanks(5));
            }
            AppendValue(line, hours, 0);
            AppendText(line, blanks(4));
        }

        const bool weekEnd = weekday == m_lastDayOfWeek;
        const bool subtotal = weekEnd && m_weekDays > 0;
        if (subtotal) {
            ++m_weeks;
            // The week's figures of an unlisted day stand where a listed
            // day's do, under the heading Weekly: the date and day name
            // columns, Arrive and Depart (10 each), Lunch (9), Extra and
            // Holiday (10 each) and Hours (9).
            if (!included)
                AppendText(line,
                    blanks(m_dateWidth + m_dayNameWidth + 6 + 10 + 10 + 9 * int(m_lunch)
                        + 10 * (int(m_extra) + int(m_holiday)) + 9));
            AppendValue(line, m_weekSum, 0);
            AppendText(line, blanks(4));
            if (m_deviation) {
                const qint64 deviation = m_weekSum - WeekTarget(day);
                AppendText(line, blanks(2));
                line += deviation > 0 ? u'+' : deviation < 0 ? u'-' : u' ';
                AppendValue(line, deviation < 0 ? -deviation : deviation, 0);
            }
        } else {
            AppendText(line, blanks(21));
        }
        if (weekEnd || day == m_period.EndDate)
            EndWeek(day, subtotal);

        if (included && m_comment)
            AppendText(line, values.Comment.isEmpty() ? HolidayName(day) : QStringView(values.Comment));

        std::size_t end = line.size();
        while (end > 0 && line[end - 1] <= u' ')
            --end;
        if (end > 0)
            m_write(QStringView(line.data(), qsizetype(end)));
    }

    // What a day's line begins with: the date and the short day name, each
    // followed by the blanks up to the next column.
    void AppendDateAndDay(std::u16string &line, int day) const
    {
        const std::size_t start = line.size();
        m_date.AppendTo(line, day);
        AppendText(line, blanks(m_dateWidth - qsizetype(line.size() - start) + 3));
        const QString &dayName = m_regional.shortDayNames.value(DayNumber::dayOfWeek(day) - 1);
        AppendText(line, dayName);
        AppendText(line, blanks(m_dayNameWidth - columns(dayName) + 3));
    }

    // Days are asked for in date order.
    QStringView HolidayName(int day)
    {
        while (m_nextHoliday < m_holidays.size() && m_holidays[m_nextHoliday].Date < day)
            ++m_nextHoliday;
        return m_nextHoliday < m_holidays.size() && m_holidays[m_nextHoliday].Date == day
            ? QStringView(m_holidays[m_nextHoliday].Name)
            : QStringView();
    }

    // The target of the week that ends, or is cut off by the period, on day.
    qint64 WeekTarget(int day) const
    {
        return m_settings.Targets.OfWeek(DayNumber::weekStartOf(day, m_settings.FirstDayOfWeek));
    }

    // Hands the week that ends on day to whoever asked for weeks, and starts
    // the next one.
    void EndWeek(int day, bool subtotal)
    {
        if (m_weekSink) {
            const int first
                = std::max(DayNumber::weekStartOf(day, m_settings.FirstDayOfWeek), m_period.StartDate);
            m_weekSink({ first, day, m_weekSum, m_weekExtra, m_weekHolidays, WeekTarget(day), subtotal });
        }
        m_weekSum = 0;
        m_weekDays = 0;
        m_weekExtra = 0;
        m_weekHolidays = 0;
    }

    // With holidays counted as time worked every listed day counts for the
    // averages; without, only days with hours.
    void Count(const DayRecord &values, qint64 hours)
    {
        const qint64 holiday = values.Holiday;
        if (m_settings.IncludeHolsInTotal) {
            m_weekSum += holiday;
            m_weekHolidays += holiday;
            m_total += holiday;
            if (hours <= 0) {
                ++m_weekDays;
                ++m_dayCount;
            }
        }
        m_holidayTotal += holiday;
        if (hours > 0) {
            ++m_weekDays;
            ++m_dayCount;
            m_weekSum += hours;
            m_total += hours;
            // The day's hours hold its extra minutes; a negative extra
            // typed into the file by hand is not shown as a part.
            m_weekExtra += std::clamp<qint64>(values.Extra, 0, hours);
        }
    }

    // Totals keep their trailing blanks: a zero total is five blanks.
    void WriteTotals()
    {
        if (!m_settings.ReportCalculateTotalHours)
            return;
        AddLine({});
        if (m_holiday)
            AddLine(ValueLine(TotalHolidaysLabel, m_holidayTotal));
        AddLine(ValueLine(TotalHoursLabel, m_total));
    }

    // The breaches of the working-time rules in the period, one line each,
    // dated as the day lines are. The weeks alone need none of it.
    void WriteBreaches()
    {
        if (!m_settings.Rules.IsOn() || m_weekSink)
            return;
        const std::vector<TBreach> breaches = Breaches(
            m_store, m_settings.Rules, m_period.StartDate, m_period.EndDate, m_settings.FirstDayOfWeek);
        if (breaches.empty())
            return;
        AddLine({});
        AddLine(translated(QT_TRANSLATE_NOOP("ReportText", "Breaches of the working-time rules (%1)"))
                    .arg(RuleSetName(m_settings.Rules.Set)));
        std::u16string line;
        for (const TBreach &breach : breaches) {
            line.clear();
            AppendDateAndDay(line, breach.Date);
            AppendText(line, BreachText(breach));
            m_write(QStringView(line.data(), qsizetype(line.size())));
        }
    }

    // The balance as the period finds it and as it leaves it; as of today
    // where the period reaches beyond.
    void WriteBalance()
    {
        if (!m_settings.ReportShowBalance)
            return;
        AddLine({});
        AddLine(Label(BroughtForwardLabel)
            + BalanceText(Balance(m_store, m_settings.Balance, m_period.StartDate - 1)));
        AddLine(
            Label(CarriedForwardLabel) + BalanceText(Balance(m_store, m_settings.Balance, m_period.EndDate)));
        if (!m_settings.Vacation.IsSet())
            return;
        const TVacation vacation
            = VacationOf(m_store, m_settings.Balance, m_settings.Vacation, m_period.EndDate);
        const auto line = [&](const char *label, qint64 hundredths) {
            AddLine(Padded(translated(label).arg(vacation.Year)) + VacationDaysWithUnit(hundredths));
        };
        line(VacationTakenLabel, vacation.TakenHundredths);
        line(VacationLeftLabel, vacation.LeftHundredths);
    }

    void WriteAverages()
    {
        if (!m_settings.ReportCalculateAverageHours)
            return;
        AddLine({});
        if (m_dayCount > 0)
            AddLine(ValueLine(AverageDailyLabel, m_total / m_dayCount));
        if (m_weeks > 0 && DayNumber::dayOfWeek(m_period.StartDate) == m_settings.FirstDayOfWeek
            && DayNumber::dayOfWeek(m_period.EndDate) == m_lastDayOfWeek)
            AddLine(ValueLine(AverageWeeklyLabel, m_total / m_weeks));
    }

    // The labels of the totals, the balance, the vacation and the averages, and
    // the room they take: their values line up one column after the longest
    // of them, the 26th in English.
    static constexpr const char *TotalHolidaysLabel
        = QT_TRANSLATE_NOOP("ReportText", "Total holidays for period");
    static constexpr const char *TotalHoursLabel = QT_TRANSLATE_NOOP("ReportText", "Total hours for period");
    static constexpr const char *BroughtForwardLabel
        = QT_TRANSLATE_NOOP("ReportText", "Balance brought forward");
    static constexpr const char *CarriedForwardLabel
        = QT_TRANSLATE_NOOP("ReportText", "Balance carried forward");
    static constexpr const char *AverageDailyLabel = QT_TRANSLATE_NOOP("ReportText", "Average daily hours");
    static constexpr const char *AverageWeeklyLabel = QT_TRANSLATE_NOOP("ReportText", "Average weekly hours");

    static constexpr const char *VacationTakenLabel = QT_TRANSLATE_NOOP("ReportText", "Vacation taken in %1");
    static constexpr const char *VacationLeftLabel = QT_TRANSLATE_NOOP("ReportText", "Vacation left in %1");

    // A label and the blanks up to the values' column.
    QString Padded(const QString &text) const
    {
        qsizetype width = 0;
        for (const char *each : { TotalHolidaysLabel, TotalHoursLabel, BroughtForwardLabel,
                 CarriedForwardLabel, AverageDailyLabel, AverageWeeklyLabel })
            width = std::max(width, columns(translated(each)));
        for (const char *each : { VacationTakenLabel, VacationLeftLabel })
            width = std::max(width, columns(translated(each).arg(2000)));
        return text + blanks(std::max<qsizetype>(1, width + 1 - columns(text)));
    }

    QString Label(const char *label) const { return Padded(translated(label)); }

    QString ValueLine(const char *label, qint64 value) const
    {
        std::u16string line;
        AppendText(line, Label(label));
        AppendValue(line, value, 0);
        return QString::fromStdU16String(line);
    }

    // A value equal to its column's blank value is five blanks. The store
    // holds no negative durations, but a hand-edited file might: such a
    // value prints with a minus sign rather than stopping the report.
    void AppendValue(std::u16string &line, qint64 value, qint64 blankValue) const
    {
        if (value == blankValue) {
            AppendText(line, blanks(5));
            return;
        }
        if (value < 0) {
            line += u'-';
            value = -value;
        }
        AppendClockText(line, value, m_regional.timeSeparator);
    }

    const TTimeRecorder &m_store;
    const TPeriod m_period;
    const TReportSettings m_settings;
    const Regional::Settings m_regional;
    const DatePattern m_date;
    const qsizetype m_dateWidth;
    const qsizetype m_dayNameWidth;
    const int m_lastDayOfWeek;
    const std::function<void(QStringView)> &m_write;
    const std::function<void(const TReportWeek &)> m_weekSink;

    std::vector<const DayRecord *> m_records;
    std::vector<THoliday> m_holidays;
    std::size_t m_nextHoliday = 0;
    bool m_lunch = false;
    bool m_extra = false;
    bool m_holiday = false;
    bool m_comment = false;
    bool m_deviation = false;

    // Running counters, 64 bits so that long periods with large values add up.
    qint64 m_weekSum = 0;
    qint64 m_weekDays = 0;
    qint64 m_weekExtra = 0;
    qint64 m_weekHolidays = 0;
    qint64 m_total = 0;
    qint64 m_dayCount = 0;
    qint64 m_weeks = 0;
    qint64 m_holidayTotal = 0;

    std::u16string m_line;
};

} // namespace

TReportSettings ReportSettingsOf(const TData &data)
{
    TReportSettings s;
    s.FirstDayOfWeek = data.FirstDayOfWeek();
    s.Targets = data.Targets();
    s.IncludeHolsInTotal = data.IncludeHolsInTotal();
    s.ShowLunchTime = data.ShowLunchTime();
    s.ShowExtraHours = data.ShowExtraHours();
    s.ShowHols = data.ShowHols();
    s.ShowComment = data.ShowComment();
    s.ShowDeviationFromWeeklyTarget = data.ShowDeviationFromWeeklyTarget();
    s.ReportWorkDaysWithNoHours = data.ReportWorkDaysWithNoHours();
    s.ReportWeekendDaysWithNoHours = data.ReportWeekendDaysWithNoHours();
    s.ReportCalculateTotalHours = data.ReportCalculateTotalHours();
    s.ReportCalculateAverageHours = data.ReportCalculateAverageHours();
    s.ReportShowBalance = data.ReportShowBalance();
    s.Balance = BalanceSettingsOf(data);
    s.Vacation = VacationSettingsOf(data);
    s.Rules = WorkingTimeRulesOf(data);
    return s;
}

void ForEachReportLine(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings,
    const std::function<void(QStringView line)> &write)
{
    TReportWriter(store, period, settings, write).Write();
}

TReportWeeks ReportWeeks(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings)
{
    TReportWeeks weeks;
    const std::function<void(QStringView)> ignore = [](QStringView) {};
    const std::function<void(const TReportWeek &)> add
        = [&](const TReportWeek &week) { weeks.Weeks.push_back(week); };
    TReportWriter writer(store, period, settings, ignore, add);
    writer.Write();
    weeks.ExtraColumn = writer.ExtraColumn();
    weeks.HolidayColumn = writer.HolidayColumn();
    return weeks;
}

QStringList ReportLines(const TTimeRecorder &store, const TPeriod &period, const TReportSettings &settings)
{
    QStringList lines;
    if (period.EndDate >= period.StartDate) {
        const qint64 days = qint64(period.EndDate) - period.StartDate + 1;
        lines.reserve(days + days / 7 + 16);
    }
    ForEachReportLine(store, period, settings, [&](QStringView line) { lines << line.toString(); });
    return lines;
}

void WriteReportText(
    QIODevice &device, const QStringList &lines, const char *lineEnd, const QString &targetName)
{
    TChunkedWriter out(device, QDir::toNativeSeparators(targetName));
    for (const QString &line : lines) {
        AppendUtf8Text(out.Buffer(), line);
        out.Buffer() += lineEnd;
        out.LineDone();
    }
    out.Flush();
}
