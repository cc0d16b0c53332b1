#pragma once

#include "core/Regional.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// Dates as the user reads and types them, in the regional short date format.
// Every function reads the regional settings at the moment it runs.

// Reads a typed date as a day number. Day, month and year may be separated by
// the regional date separator, "/", "-", ",", "." or a blank; their order
// follows the regional short date format; the month may be a number or its
// short or full name in any case; a year below 100 is completed within the
// two-digit-year window around the current year. A text that is not a date,
// or names a date that does not exist or lies beyond the year 9999, is a
// ConversionError; a number below 0 or above 65535 is a RangeError.
int ParseDateText(const QString &text);

// A day number formatted with a date pattern: d, dd (day), ddd, dddd (short
// and full day name), M, MM (month), MMM, MMMM (short and full month name),
// yy, yyyy (year), 'quoted text' ('' for a quote). Names are the regional ones.
QString FormatDayNumber(int day, const QString &pattern);

// A date pattern of FormatDayNumber taken apart once, for writers that put a
// date on every line of a long text. Made with regional settings, it takes
// the day and month names from them, so one report uses one set of names
// throughout; made without, it reads each name when it writes it.
class DatePattern {
public:
    explicit DatePattern(const QString &pattern);
    DatePattern(const QString &pattern, const Regional::Settings &names);

    void AppendTo(std::u16string &out, int day) const;
    QString Text(int day) const;

private:
    enum class Field : quint8 {
        Literal,
        Day,
        Day2,
        ShortDayName,
        LongDayName,
        Month,
        Month2,
        ShortMonthName,
        LongMonthName,
        Year2,
        Year4,
    };
    struct Part {
        Field field;
        std::u16string literal;
    };

    QString name(Field field, int number) const;

    std::vector<Part> m_parts;
    std::optional<Regional::Settings> m_names;
};

// A day number in the regional short date format.
QString ShortDateText(int day);

// The regional short date pattern with the year always in four digits, for
// date fields: a date field cannot guess the century of a two-digit year.
QString DateFieldFormat();
// A day number in that pattern, as a date field or the week box shows it.
QString FullYearDateText(int day);

// The regional short name of a weekday (1 = Sunday to 7 = Saturday) with its
// first character in upper case and the rest in lower case: "Mon".
QString DayCaption(int weekday);
