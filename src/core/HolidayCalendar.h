#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <span>
#include <vector>

// One public holiday: a day and its name, or the names of all the holidays
// that fall on it, joined.
struct THoliday {
    int Date = 0; // a day number
    QString Name;
};

// The public holidays of an iCalendar file (RFC 5545) as the regions publish
// them: all-day events, single or yearly (RRULE, RDATE, EXDATE, moved
// occurrences by RECURRENCE-ID), several days long through DTEND or DURATION,
// or timed events in a time zone, whose days are counted in that zone.
// libical reads the file; its recurrences are expanded when a year is first
// asked about, for a range of years at once, and kept: looking a day up
// never expands anything again.
class THolidayCalendar {
public:
    // Reads a calendar file. A file that cannot be read, or that is not a
    // calendar throughout, is an IoError or a ConversionError whose message
    // names the file (as given) and, for the latter, the line and the problem.
    static std::shared_ptr<const THolidayCalendar> FromFile(const QString &path);
    // The same for the file's bytes; sourceName stands for the file in messages.
    static std::shared_ptr<const THolidayCalendar> FromBytes(
        const QByteArray &bytes, const QString &sourceName);

    // What the file says of one event; kept to expand it for more years.
    struct Event;

    THolidayCalendar(const THolidayCalendar &) = delete;
    THolidayCalendar &operator=(const THolidayCalendar &) = delete;
    ~THolidayCalendar();

    bool IsHoliday(int date) const;
    // The holiday's name; empty on any other day.
    QString NameOf(int date) const;
    // The holidays from first to last, both included, in date order. Valid
    // until the calendar is next asked about a year it has not expanded.
    std::span<const THoliday> Between(int first, int last) const;

private:
    THolidayCalendar();
    void Cover(int first, int last) const;
    void Expand(int firstYear, int lastYear) const;

    std::vector<Event> m_events;
    // The expanded years and their holidays, one per day in date order.
    mutable int m_firstYear = 0;
    mutable int m_lastYear = -1;
    mutable std::vector<THoliday> m_days;
};
