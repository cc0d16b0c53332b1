#include "export/CsvExport.h"

#include "core/ChunkedWriter.h"
#include "core/DateText.h"
#include "core/DayHours.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "core/ReplaceFile.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "core/Utf8Text.h"
#include "settings/DataMod.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <string>

namespace {

enum Column { Date, Arrive, Depart, Lunch, Extra, Holiday, Hours, Deviation, Comment, ColumnCount };

const char *const Headings[ColumnCount]
    = { "Date", "Arrive", "Depart", "Lunch", "Extra", "Holiday", "Hours", "Deviation", "Comment" };

// The present columns of a row and the cells written into them.
class RowWriter {
public:
    explicit RowWriter(const TCsvExportOptions &options)
        : m_present { options.Date, options.ArrivalTime, options.DepartureTime, options.LunchTime,
            options.ExtraHours, options.Holidays, options.DailyHours, options.Deviation, options.Comments }
        , m_separator(Utf8Of(options.TimeSeparator))
    {
        while (m_first < ColumnCount && !m_present[m_first])
            ++m_first;
    }

    bool present(Column column) const { return m_present[column]; }
    const std::string &separator() const { return m_separator; }

    // Starts the cell of a present column: every cell but a row's first
    // follows a comma.
    void cell(std::string &out, Column column) const
    {
        if (column != m_first)
            out += ',';
    }

    // A time, or an empty cell for the column's blank value. Values below it
    // have no time form and leave the cell empty too.
    void time(std::string &out, Column column, qint64 minutes, int blank) const
    {
        if (!m_present[column])
            return;
        cell(out, column);
        if (minutes > blank)
            AppendClockText(out, minutes, m_separator);
    }

private:
    bool m_present[ColumnCount];
    int m_first = 0;
    std::string m_separator;
};

// A comment holding a comma is quoted, and then its quotes are doubled so
// that every CSV reader gets the text back. Any other comment is written
// as it is, as files that other tools already read have always had it.
void appendComment(std::string &out, const QString &comment)
{
    if (!comment.contains(u',')) {
        AppendUtf8Text(out, comment);
        return;
    }
    out += '"';
    AppendUtf8Text(out, QString(comment).replace(u'"', QStringLiteral("\"\"")));
    out += '"';
}

} // namespace

TCsvExportOptions CsvExportOptionsFrom(const TData &data)
{
    TCsvExportOptions o;
    o.Date = data.ExportDate();
    o.ArrivalTime = data.ExportArrivalTime();
    o.DepartureTime = data.ExportDepartureTime();
    o.LunchTime = data.ExportLunchTime();
    o.ExtraHours = data.ExportExtraHours();
    o.Holidays = data.ExportHolidays();
    o.DailyHours = data.ExportDailyHours();
    o.Deviation = data.ExportDeviation();
    o.Comments = data.ExportComments();
    o.ColumnHeadings = data.ExportColumnHeadings();
    o.WorkDaysWithNoHours = data.ExportWorkDaysWithNoHours();
    o.WeekendDaysWithNoHours = data.ExportWeekendDaysWithNoHours();
    o.CalculateTotalHours = data.ExportCalculateTotalHours();
    o.IncludeHolsInTotal = data.IncludeHolsInTotal();
    for (int weekday = DayNumber::Sunday; weekday <= DayNumber::Saturday; ++weekday)
        o.DayTargets[weekday - 1] = data.DayTarget(weekday);
    o.ShortDateFormat = Regional::shortDateFormat();
    o.TimeSeparator = Regional::timeSeparator();
    return o;
}

void WriteCsvExport(QIODevice &device, const TTimeRecorder &store, int startDate, int endDate,
    const TCsvExportOptions &options, const QString &targetName)
{
    const QString what
        = targetName.isEmpty() ? QStringLiteral("the export file") : QDir::toNativeSeparators(targetName);
    RowWriter row(options);
    TChunkedWriter writer(device, what);
    std::string &out = writer.Buffer();

    if (options.ColumnHeadings) {
        for (int c = 0; c < ColumnCount; ++c) {
            if (row.present(Column(c))) {
                row.cell(out, Column(c));
                out += Headings[c];
            }
        }
        out += "\r\n";
    }

    qint64 totalHours = 0;
    qint64 totalHolidays = 0;
    // Days without a row worth of data are written blank.
    const DayRecord blank;
    const DatePattern datePattern(options.ShortDateFormat);
    std::u16string dateText;
    // 64 bits, so that a period ending on the last day number still ends.
    for (qint64 date = startDate; date <= endDate; ++date) {
        const int day = int(date);
        const int index = store.FindDay(day);
        const DayRecord *r = index >= 0 ? &store.Record(index) : &blank;
        if (!HasMoreThanLunch(*r)) {
            if (!(DayNumber::isWeekend(day) ? options.WeekendDaysWithNoHours : options.WorkDaysWithNoHours))
                continue;
            r = &blank;
        }
        const qint64 hours = DayHours(*r);

        if (row.present(Date)) {
            row.cell(out, Date);
            dateText.clear();
            datePattern.AppendTo(dateText, day);
            AppendUtf8Text(out, dateText);
        }
        row.time(out, Arrive, r->Arrive, -1);
        row.time(out, Depart, r->Depart, -1);
        row.time(out, Lunch, r->Lunch, 0);
        row.time(out, Extra, r->Extra, 0);
        row.time(out, Holiday, r->Holiday, 0);
        row.time(out, Hours, hours, 0);
        if (row.present(Deviation)) {
            row.cell(out, Deviation);
            const qint64 deviation = hours - options.DayTargets[DayNumber::dayOfWeek(day) - 1];
            if (deviation == 0) {
                out += ' ';
            } else {
                out += deviation > 0 ? '+' : '-';
                AppendClockText(out, deviation > 0 ? deviation : -deviation, row.separator());
            }
        }
        if (row.present(Comment)) {
            row.cell(out, Comment);
            appendComment(out, r->Comment);
        }
        out += "\r\n";

        if (hours > 0)
            totalHours += hours;
        totalHolidays += r->Holiday;
        // With a Holiday column the holidays have a total of their own.
        if (!row.present(Holiday) && options.IncludeHolsInTotal)
            totalHours += r->Holiday;

        writer.LineDone();
    }

    if (options.CalculateTotalHours) {
        const auto total = [&](qint64 minutes) {
            if (minutes > 0)
                AppendClockText(out, minutes, row.separator());
        };
        if (row.present(Hours)) {
            // Laid out on the columns: the word in the Date column, the
            // holidays under Holiday, the hours under Hours.
            if (row.present(Date))
                out += "Total,";
            for (Column c : { Arrive, Depart, Lunch, Extra }) {
                if (row.present(c))
                    out += ',';
            }
            if (row.present(Holiday)) {
                total(totalHolidays);
                out += ',';
            }
            total(totalHours);
        } else {
            out += "Total,";
            total(totalHours);
        }
        out += "\r\n";
    }
    writer.Flush();
}

void ExportCsvFile(const QString &path, const TTimeRecorder &store, int startDate, int endDate,
    const TCsvExportOptions &options)
{
    ReplaceFile(path, [&](QIODevice &file) {
        WriteCsvExport(file, store, startDate, endDate, options, path);
        return true;
    });
}

QString ExportFilePath(const QString &exportFileName, const QString &dataFileName)
{
    if (exportFileName.isEmpty() || QDir::isAbsolutePath(exportFileName))
        return exportFileName;
    const QString base = dataFileName.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : QFileInfo(dataFileName).absolutePath();
    return QDir(base).filePath(exportFileName);
}
