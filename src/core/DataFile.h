#pragma once

#include "core/TimeRecorder.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

class QIODevice;

// The data file: one line per day that holds anything,
//   day/month/year,arrive,depart,lunch,extra,holiday,"comment"
// with the regional date and time separators, trailing empty fields left
// out, CR LF line ends and UTF-8 text. Every function reads the regional
// separators when it runs.

// Minutes in the short form of the file: 510 gives "8:30", 1020 "17:", 30 ":30".
// A negative value gives an empty text; 0 gives the time separator alone,
// or an empty text when 0 is the field's blank value.
QString CompactTimeText(int minutes, int blankValue);

// Reads a stored time: hours, separator, minutes, either part may be left
// out; a blank text gives defaultValue. A part that is not an integer, or a
// value beyond 32-bit minutes, is a ConversionError.
int ParseStoredTime(QStringView text, int defaultValue);

// Reads a stored date, day, month and year separated by "/", "-" or the
// regional date separator, into a day number. Years below 50 count as 20xx,
// other years below 100 as 19xx. A part that is not an integer, or a date
// that does not exist, is a ConversionError; a part beyond 0 to 65535 is a RangeError.
int ParseStoredDate(QStringView text);

// The date field of a day: day, month and full year without leading zeros,
// joined by the date separator, whatever the regional date order.
QString DateFieldText(int day);

// Reads every day line of a device opened for reading and hands each record
// to add in file order. A file that is not valid UTF-8 is read as
// Windows-1252; CR LF, LF and a lone CR all end a line. Before the first
// record, expectRecords is told about how many records the file holds.
// A line that cannot be read raises its ConversionError or RangeError naming
// sourceName, the line number and the offending text, after the records of
// the lines before it were handed over; a read failure is an IoError.
void ReadDataFile(QIODevice &device, const QString &sourceName, const std::function<void(DayRecord &)> &add,
    const std::function<void(qsizetype)> &expectRecords = {});

// Writes a line for every record that is not empty, in the given order.
// A comment's CR and LF characters are written as blanks, so that every
// day stays on one line. A write failure is an IoError naming targetName.
void WriteDataFile(QIODevice &device, const QString &targetName, const QList<DayRecord> &records);
