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

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <string>

namespace {

enum Column { Date, Arrive, Depart, Lunch, Extra, Holiday, Hours, Deviation, Comment, ColumnCount };

const char *const Headings[ColumnCount]
    = { "Date", "Arrive", "Depart", "Lunch", "Extra", "Holiday", "Hours", "Deviation", "Comment" };

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

// The rows of one export, appended as UTF-8 to a buffer: the heading row, a
// row per day, and the total row, which counts the days written before it.
class CsvWriter {
public:
    explicit CsvWriter(const TCsvExportOptions &options)
        : m_options(options)
        , m_present { options.Date, options.ArrivalTime, options.DepartureTime, options.LunchTime,
            options.ExtraHours, options.Holidays, options.DailyHours, options.Deviation, options.Comments }
        , m_separator(Utf8Of(options.TimeSeparator))
        , m_datePattern(options.ShortDateFormat)
    {
        while (m_first < ColumnCount && !m_present[m_first])
            ++m_first;
    }

    void WriteHeading(std::string &out) const
    {
        for (int c = 0; c < ColumnCount; ++c) {
            if (m_present[c]) {
                cell(out, Column(c));
                out += Headings[c];
            }
        }
        out += "\r\n";
    }

    void WriteDay(std::string &out, int day, const DayRecord &r)
    {
        const qint64 hours = DayHours(r);
        if (m_present[Date]) {
            cell(out, Date);
            m_dateText.clear();
            m_datePattern.AppendTo(m_dateText, day);
            AppendUtf8Text(out, m_dateText);
        }
        time(out, Arrive, r.Arrive, -1);
        time(out, Depart, r.Depart, -1);
        time(out, Lunch, r.Lunch, 0);
        time(out, Extra, r.Extra, 0);
        time(out, Holiday, r.Holiday, 0);
        time(out, Hours, hours, 0);
        if (m_present[Deviation]) {
            cell(out, Deviation);
            appendSigned(out, hours - m_options.Targets.OfDay(day));
        }
        if (m_present[Comment]) {
            cell(out, Comment);
            appendComment(out, r.Comment);
        }
        out += "\r\n";

        if (hours > 0)
            m_totalHours += hours;
        m_totalHolidays += r.Holiday;
        // With a Holiday column the holidays have a total of their own.
        if (!m_present[Holiday] && m_options.IncludeHolsInTotal)
            m_totalHours += r.Holiday;
    }

    void WriteTotal(std::string &out) const
    {
        if (m_present[Hours]) {
            // Laid out on the columns: the word in the Date column, the
            // holidays under Holiday, the hours under Hours.
            if (m_present[Date])
                out += "Total,";
            for (Column c : { Arrive, Depart, Lunch, Extra }) {
                if (m_present[c])
                    out += ',';
            }
            if (m_present[Holiday]) {
                total(out, m_totalHolidays);
                out += ',';
            }
            total(out, m_totalHours);
        } else {
            out += "Total,";
            total(out, m_totalHours);
        }
        out += "\r\n";
    }

private:
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

    // A deviation with its sign; none is a blank.
    void appendSigned(std::string &out, qint64 minutes) const
    {
        if (minutes == 0) {
            out += ' ';
            return;
        }
        out += minutes > 0 ? '+' : '-';
        AppendClockText(out, minutes > 0 ? minutes : -minutes, m_separator);
    }

    void total(std::string &out, qint64 minutes) const
    {
        if (minutes > 0)
            AppendClockText(out, minutes, m_separator);
    }

    const TCsvExportOptions &m_options;
    bool m_present[ColumnCount];
    int m_first = 0;
    const std::string m_separator;
    const DatePattern m_datePattern;
    std::u16string m_dateText;
    qint64 m_totalHours = 0;
    qint64 m_totalHolidays = 0;
};

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
    o.Targets = data.Targets();
    // Spreadsheets read the region's dates; scripts are given one form everywhere.
    o.ShortDateFormat = data.ExportIsoDates() ? QStringLiteral("yyyy-MM-dd") : Regional::shortDateFormat();
    o.TimeSeparator = Regional::timeSeparator();
    return o;
}

void WriteCsvExport(QIODevice &device, const TTimeRecorder &store, int startDate, int endDate,
    const TCsvExportOptions &options, const QString &targetName)
{
    const QString what = targetName.isEmpty() ? QCoreApplication::translate("CsvExport", "the export file")
                                              : QDir::toNativeSeparators(targetName);
    CsvWriter rows(options);
    TChunkedWriter writer(device, what);
    std::string &out = writer.Buffer();

    if (options.ColumnHeadings)
        rows.WriteHeading(out);
    // Days without a row worth of data are written blank.
    const DayRecord blank;
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
        rows.WriteDay(out, day, *r);
        writer.LineDone();
    }
    if (options.CalculateTotalHours)
        rows.WriteTotal(out);
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
