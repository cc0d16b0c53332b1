#pragma once

#include "core/Targets.h"

#include <QChar>
#include <QString>

class QIODevice;
class TData;
class TTimeRecorder;

// Everything the CSV export reads besides the store and the period: the
// export options, the day targets and the regional forms of dates and times.
// Plain values, so that the command line can fill them without a settings
// file and a test without a locale.
struct TCsvExportOptions {
    // Columns, in the order they are written.
    bool Date = true;
    bool ArrivalTime = true;
    bool DepartureTime = true;
    bool LunchTime = true;
    bool ExtraHours = true;
    bool Holidays = true;
    bool DailyHours = true;
    bool Deviation = true;
    bool Comments = true;

    bool ColumnHeadings = true;
    bool WorkDaysWithNoHours = true;
    bool WeekendDaysWithNoHours = false;
    bool CalculateTotalHours = true;
    bool IncludeHolsInTotal = true;
    TTargets Targets;

    QString ShortDateFormat = QStringLiteral("dd/MM/yyyy"); // a date pattern of FormatDayNumber
    QChar TimeSeparator = u':';
};

// The export options of the settings and the regional settings in force now.
TCsvExportOptions CsvExportOptionsFrom(const TData &data);

// Writes the CSV text of the days from startDate to endDate (day numbers,
// both included) to a device open for writing: an optional heading row, one
// row per included day, an optional total row, UTF-8 without a byte order
// mark and CR LF after every row. The store is only read. A write failure is
// an IoError naming targetName.
void WriteCsvExport(QIODevice &device, const TTimeRecorder &store, int startDate, int endDate,
    const TCsvExportOptions &options, const QString &targetName = {});

// Writes the same text to a file, which is replaced only once the new text is
// complete: on any failure (an IoError with the reason) the previous file
// stays as it was and no partial file is left behind. The folder must exist.
void ExportCsvFile(const QString &path, const TTimeRecorder &store, int startDate, int endDate,
    const TCsvExportOptions &options);

// Where an export file name points. A relative name is taken from the folder
// of the open data file (dataFileName), or from the user's documents folder
// for an untitled document, never from the current directory, which for a
// program started from the desktop is arbitrary.
QString ExportFilePath(const QString &exportFileName, const QString &dataFileName);
