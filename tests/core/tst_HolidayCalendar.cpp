#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/HolidayCalendar.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString dataFile(const char *name)
{
    return QStringLiteral(HOURFRAME_TEST_DATA "/") + QString::fromLatin1(name);
}

// "MM-dd name" for each holiday of the year, joined with " | ".
QString holidaysOf(const THolidayCalendar &calendar, int year)
{
    QStringList listed;
    for (const THoliday &holiday :
        calendar.Between(TestSupport::day(year, 1, 1), TestSupport::day(year, 12, 31)))
        listed.append(DayNumber::toDate(holiday.Date).toString(u"MM-dd"_s) + u' ' + holiday.Name);
    return listed.join(u" | "_s);
}

const QByteArray Head("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n");

QByteArray vevent(const QByteArray &lines)
{
    return "BEGIN:VEVENT\r\nUID:1@test\r\n" + lines + "END:VEVENT\r\n";
}

// A calendar of one event; its lines begin on line 6.
QByteArray calendarOf(const QByteArray &lines)
{
    return Head + vevent(lines) + "END:VCALENDAR\r\n";
}

} // namespace

class TestHolidayCalendar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Counted by hand from a printed calendar of each year.
    void holidaysOfRealCalendars_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("holidays");

        const char *yearly = "holidays-yearly.ics";
        QTest::newRow("yearly rules, 2024")
            << dataFile(yearly) << 2024
            << u"01-01 New Year's Day | 01-15 Martin Luther King Jr. Day | 02-19 Washington's Birthday | "
               u"05-27 Memorial Day | 06-19 Juneteenth National Independence Day | 07-04 Independence Day | "
               u"09-02 Labor Day | 10-14 Columbus Day | 11-11 Veterans Day | 11-28 Thanksgiving Day | "
               u"11-29 Day after Thanksgiving | 12-25 Christmas Day"_s;
        QTest::newRow("yearly rules, 2025: two holidays on one day")
            << dataFile(yearly) << 2025
            << u"01-01 New Year's Day | 01-20 Martin Luther King Jr. Day, Inauguration Day | "
               u"02-17 Washington's Birthday | 05-26 Memorial Day | 06-19 Juneteenth National Independence "
               u"Day | 07-04 Independence Day | 09-01 Labor Day | 10-13 Columbus Day | 11-11 Veterans Day | "
               u"11-27 Thanksgiving Day | 11-28 Day after Thanksgiving | 12-25 Christmas Day"_s;
        QTest::newRow("yearly rules, before the rules begin") << dataFile(yearly) << 2019 << QString();

        const char *multiday = "holidays-multiday.ics";
        QTest::newRow("several days, 2024")
            << dataFile(multiday) << 2024
            << u"01-01 New Year's Day | 03-29 Good Friday | 04-01 Easter Monday | 05-06 Early May bank "
               u"holiday | "
               u"07-29 Summer closing | 07-30 Summer closing | 07-31 Summer closing | 08-01 Summer closing | "
               u"08-02 Summer closing | 12-24 Christmas closing | 12-25 Christmas closing | "
               u"12-26 Christmas closing"_s;
        QTest::newRow("several days, 2025: moved, DURATION, cancelled")
            << dataFile(multiday) << 2025
            << u"01-01 New Year's Day | 04-18 Good Friday | 04-21 Easter Monday | "
               u"05-08 Early May bank holiday (moved) | 06-09 Jubilee holiday | 06-10 Jubilee holiday | "
               u"12-24 Christmas closing | 12-25 Christmas closing | 12-26 Christmas closing"_s;
        QTest::newRow("several days, 2026: an EXDATE and a closing into the next year")
            << dataFile(multiday) << 2026
            << u"01-01 New Year's Day | 04-03 Good Friday | 04-06 Easter Monday | 05-04 Early May bank "
               u"holiday | "
               u"12-24 Christmas closing | 12-25 Christmas closing | 12-26 Christmas closing | "
               u"12-27 Christmas closing | 12-28 Christmas closing | 12-29 Christmas closing | "
               u"12-30 Christmas closing | 12-31 Christmas closing"_s;
        QTest::newRow("several days, 2027")
            << dataFile(multiday) << 2027
            << u"01-01 New Year's Day, Christmas closing | 05-03 Early May bank holiday | "
               u"12-24 Christmas closing | 12-25 Christmas closing | 12-26 Christmas closing"_s;

        const char *zone = "holidays-timezone.ics";
        QTest::newRow("time zone and folded lines, 2024")
            << dataFile(zone) << 2024
            << u"01-01 Neujahr | 05-01 Tag der Arbeit | 05-09 Christi Himmelfahrt | "
               u"10-03 Tag der Deutschen Einheit | 11-20 Buß- und Bettag | 12-24 Heiligabend (halber Tag) | "
               u"12-25 Weihnachten | 12-26 Weihnachten"_s;
        QTest::newRow("time zone and folded lines, 2025: RDATE")
            << dataFile(zone) << 2025
            << u"01-01 Neujahr | 05-01 Tag der Arbeit | 05-29 Christi Himmelfahrt | "
               u"10-03 Tag der Deutschen Einheit | 11-19 Buß- und Bettag | 12-24 Heiligabend (halber Tag) | "
               u"12-25 Weihnachten | 12-26 Weihnachten"_s;
    }

    void holidaysOfRealCalendars()
    {
        QFETCH(QString, file);
        QFETCH(int, year);
        QFETCH(QString, holidays);
        const auto calendar = THolidayCalendar::FromFile(file);
        // Asked for a later year first, the calendar expands again for this one.
        QCOMPARE(holidaysOf(*calendar, 2030).isEmpty(), false);
        QCOMPARE(holidaysOf(*calendar, year), holidays);
    }

    void dayLookups()
    {
        const auto calendar = THolidayCalendar::FromFile(dataFile("holidays-multiday.ics"));
        QVERIFY(calendar->IsHoliday(TestSupport::day(2024, 7, 31)));
        QVERIFY(!calendar->IsHoliday(TestSupport::day(2024, 8, 3)));
        QCOMPARE(calendar->NameOf(TestSupport::day(2025, 5, 8)), u"Early May bank holiday (moved)"_s);
        QCOMPARE(calendar->NameOf(TestSupport::day(2025, 5, 5)), QString());
        // Far outside the years of any rule, and a century at once: a hundred
        // New Year's Days and early May holidays, 297 days of the yearly
        // Christmas closing and 8 of the longer one in 2026, and the 13 days
        // of single events.
        QVERIFY(!calendar->IsHoliday(TestSupport::day(1, 1, 2)));
        QCOMPARE(calendar->Between(TestSupport::day(2024, 1, 1), TestSupport::day(2123, 12, 31)).size(),
            std::size_t(100 + 100 + 297 + 8 + 13));
        // UNTIL ends a rule.
        const auto yearly = THolidayCalendar::FromFile(dataFile("holidays-yearly.ics"));
        QCOMPARE(yearly->NameOf(TestSupport::day(2029, 12, 25)), u"Christmas Day"_s);
        QCOMPARE(yearly->NameOf(TestSupport::day(2030, 12, 25)), QString());
    }

    void unreadableCalendars_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");

        const QByteArray newYear = vevent("DTSTART;VALUE=DATE:20240101\r\nSUMMARY:New Year\r\n");
        QTest::newRow("a line that is no property")
            << Head + newYear
                + "BEGIN:VEVENT\r\nSUMMARY:Odd\r\ngarbage line here\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"
            << u"cal.ics, line 11: Got a data line, but could not find a property name or component begin "
               u"tag: garbage line here"_s;
        QTest::newRow("folded lines count as the line they begin on")
            << Head + "X-WR-CALNAME:A long\r\n  name\r\n" + vevent("DTSTART;VALUE=DATE:2024\r\n 13-01\r\n")
                + "END:VCALENDAR\r\n"
            << u"cal.ics, line 8: Can't parse as DATE value in DTSTART property. Removing entire property: "
               u"202413-01"_s;
        QTest::newRow("no DTSTART") << calendarOf("SUMMARY:Someday\r\n")
                                    << u"cal.ics, line 4: the event has no DTSTART date"_s;
        QTest::newRow("an RRULE that is none")
            << calendarOf("DTSTART;VALUE=DATE:20240101\r\nRRULE:EVERY YEAR\r\n")
            << u"cal.ics, line 7: Can't parse as RECUR value in RRULE property. Removing entire property: "
               u"EVERY YEAR"_s;
        QTest::newRow("repeats by the minute")
            << calendarOf("DTSTART;VALUE=DATE:20240101\r\nRRULE:FREQ=MINUTELY\r\n")
            << u"cal.ics, line 4: the event repeats more often than daily"_s;
        QTest::newRow("ends before it begins")
            << calendarOf("DTSTART;VALUE=DATE:20240105\r\nDTEND;VALUE=DATE:20240101\r\n")
            << u"cal.ics, line 4: the event ends before it begins"_s;
        QTest::newRow("a mistyped year in DTEND")
            << calendarOf("DTSTART;VALUE=DATE:20240105\r\nDTEND;VALUE=DATE:20340106\r\n")
            << u"cal.ics, line 4: the event lasts longer than a year"_s;
        QTest::newRow("cut short") << Head + newYear
                                   << u"cal.ics, line 8: the calendar ends without END:VCALENDAR"_s;
        QTest::newRow("a data file") << QByteArray("\r\n1/12/2026,8:,16:\r\n")
                                     << u"cal.ics, line 2: this line is not part of a calendar"_s;
        QTest::newRow("empty") << QByteArray()
                               << u"cal.ics, line 1: this is no iCalendar file: it does not begin with "
                                  u"BEGIN:VCALENDAR"_s;
        QTest::newRow("another kind of component") << QByteArray("BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\n")
                                                   << u"cal.ics, line 2: Parse error in property name: FN"_s;
    }

    void unreadableCalendars()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        try {
            THolidayCalendar::FromBytes(bytes, u"cal.ics"_s);
            QFAIL("read");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    void filesThatCannotBeRead()
    {
        QTemporaryDir folder;
        for (const QString &path : { folder.filePath(u"missing.ics"_s), folder.path() }) {
            try {
                THolidayCalendar::FromFile(path);
                QFAIL("read");
            } catch (const IoError &error) {
                QVERIFY2(error.message().contains(path), qPrintable(error.message()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestHolidayCalendar)
#include "tst_HolidayCalendar.moc"
