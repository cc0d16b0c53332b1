#pragma once

#include "core/TimeRecorder.h"

#include <QByteArray>
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
// value beyond 32-bit minutes, is a ConversionError; a part with a minus sign
// is a RangeError, and so are minutes of 60 or more in a clock time: Arrive
// and Depart, the fields whose defaultValue is -1.
int ParseStoredTime(QStringView text, int defaultValue);

// Reads a stored date, day, month and year separated by "/", "-" or the
// regional date separator, into a day number. Years below 50 count as 20xx,
// other years below 100 as 19xx. A part that is not an integer, or a date
// that does not exist, is a ConversionError; a part beyond 0 to 65535 is a RangeError.
int ParseStoredDate(QStringView text);

// The first and the last day a data file can hold, 1 January 100 and
// 31 December 9999: its reader takes years of at most four digits, and a
// year below 100 as one of 1950 to 2049.
int FirstFileDay();
int LastFileDay();

// The date field of a day: day, month and full year without leading zeros,
// joined by the date separator, whatever the regional date order.
QString DateFieldText(int day);

// The most a data file may hold, 1 GiB: twenty thousand years of days with
// long comments stay far below it.
inline constexpr qint64 MaxDataFileBytes = qint64(1) << 30;

// A data file's bytes as they are now, read as every reader of a data file
// reads it: a regular file only, never opened when it is anything else (a
// named pipe or a device never blocks the reader), at most MaxDataFileBytes.
// Any of these, or a file that cannot be read, is an IoError naming the file
// and the cause; a file holding NUL bytes, which no data file holds, is a
// ConversionError.
QByteArray ReadDataFileBytes(const QString &path);

// Reads every day line of a device opened for reading and hands each record
// to add in file order. Data holding a NUL byte is not a data file: a
// ConversionError before any record. A file that is not valid UTF-8 is read as
// Windows-1252; CR LF, LF and a lone CR all end a line. A line that cannot be read raises its ConversionError
// or RangeError naming sourceName, the line number and the offending text (cut to 80 characters), after the
// records of the lines before it were handed over, and that line's record too with the fields read before the
// failing one when its date could be read; a read failure is an IoError. A negative time is a RangeError.
void ReadDataFile(QIODevice &device, const QString &sourceName, const std::function<void(DayRecord &)> &add);
// The same from bytes read already.
void ReadDataFile(
    const QByteArray &bytes, const QString &sourceName, const std::function<void(DayRecord &)> &add);

// Writes a line for every record that is not empty, in the given order.
// A comment's CR and LF characters are written as blanks, so that every
// day stays on one line. A write failure is an IoError naming targetName.
void WriteDataFile(QIODevice &device, const QString &targetName, const QList<DayRecord> &records);
