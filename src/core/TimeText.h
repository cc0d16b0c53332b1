#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <string>

// Minutes and their text forms on screen. Every conversion reads the regional
// time separator at the moment it runs.

enum TTimeEditKind { tkTimeOfDay, tkInterval };

// Removes leading and trailing blanks and control characters.
QString TrimBlanks(QStringView text);
QStringView TrimmedView(QStringView text);

// A decimal integer with an optional sign and nothing else; anything else,
// or a number that does not fit in 32 bits, is a ConversionError.
int ParseDecimalInt(QStringView text);

// Minutes (never negative) as hours of at least two digits, the time
// separator and two-digit minutes: 485 gives "08:05", 6000 "100:00".
// A negative argument is a RangeError.
QString ClockText(int minutes);

// The same form appended as UTF-8 to a byte buffer, with the given separator,
// for writers of whole files. It takes 64 bits, so that totals beyond 32-bit
// minutes are written whole. A negative argument is a RangeError.
void AppendClockText(std::string &out, qint64 minutes, const std::string &separator);
// The same, appended to a UTF-16 text, for writers of lines that stay text.
void AppendClockText(std::u16string &out, qint64 minutes, QChar separator);

// Cuts rest at the first character that belongs to delimiters: returns the
// characters before it and leaves rest holding the characters after it (the
// delimiter is dropped). Without a delimiter the whole of rest is returned
// and rest becomes empty. Nothing is trimmed.
QString SplitAtDelimiter(QString &rest, QStringView delimiters);

struct ParsedTime {
    int value = -1; // hours * 60 + minutes; -1 for a blank text
    int hours = -1;
    int minutes = -1;
    bool negative = false; // a part has a minus sign, as "-0:45" has
};

// Reads a typed time. A blank text gives value, hours and minutes -1. A text
// that is not a time, or whose value does not fit in 32-bit minutes, is a
// ConversionError.
ParsedTime ParseTimeText(const QString &text, TTimeEditKind kind);

// Reads a time of day given as a time field reads it ("8:30", "830", "8") into
// minutes, refusing what a field would wrap or count otherwise: hours beyond 23,
// minutes beyond 59, a part with a minus sign, or a blank text; each is a
// ConversionError naming the text.
int ParseClockTime(const QString &text);

// The minutes of a time of day (0 to 1439, or 1440 for a clock that rounded
// up) once rounded to the nearest step of roundTo minutes, ties to even (0:
// no rounding), kept within its day: a time that would round up to midnight
// takes the last step before it instead, since midnight would read as the
// start of the day that is ending. 23:58 rounded to 5 minutes is 23:55.
int RoundedTimeOfDay(int minutes, int roundTo);

// The text of a time display label: a sign ("-" or one blank), hours without
// leading zeros, the time separator and two-digit minutes (" 7:30", "-0:45").
// time is the magnitude as a fraction of a day.
QString SignedHoursText(double time, bool negative, bool blankIfZero, bool blankIfSubZero);
