#include "core/DayNumber.h"
#include "core/HolidayCalendar.h"
#include "core/Targets.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TTargets)

namespace {

using TestSupport::day;

TTargetSet weekOf(int weekday, int weekly)
{
    return TTargetSet { { 0, weekday, weekday, weekday, weekday, weekday, 0 }, weekly };
}

const TTargetSet FullTime = weekOf(480, 2400);
const TTargetSet PartTime = weekOf(384, 1920);
const TTargetSet Quarter = weekOf(240, 1200);

// Full time from the start, then each change applied in turn and the entry
// at `removed`, if any, deleted.
TTargets applied(std::initializer_list<std::pair<int, TTargetSet>> changes, int removed = -1)
{
    TTargets targets(FullTime);
    for (const auto &[from, set] : changes)
        targets.ApplyFrom(from, set);
    if (removed >= 0)
        targets.Remove(removed);
    return targets;
}

// The targets with public holidays on the given days.
TTargets withHolidays(TTargets targets, std::initializer_list<int> days)
{
    QByteArray events;
    for (const int date : days)
        events += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(date) + "\r\nDTSTART;VALUE=DATE:"
            + DayNumber::toDate(date).toString(u"yyyyMMdd"_s).toLatin1() + "\r\nEND:VEVENT\r\n";
    targets.Holidays = THolidayCalendar::FromBytes(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\n" + events + "END:VCALENDAR\r\n", u"cal.ics"_s);
    return targets;
}

} // namespace

// The week of Monday 2 March 2026 under histories of targets.
class TestTargets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void inForce_data()
    {
        QTest::addColumn<TTargets>("made");
        QTest::addColumn<QList<int>>("days"); // Monday to Sunday
        QTest::addColumn<int>("weekly");
        QTest::addColumn<int>("entries");

        const int mon = day(2026, 3, 2), wed = mon + 2, thu = mon + 3, fri = mon + 4;
        const QList<int> full { 480, 480, 480, 480, 480, 0, 0 };
        const QList<int> part { 384, 384, 384, 384, 384, 0, 0 };
        const QList<int> fromThursday { 480, 480, 480, 384, 384, 0, 0 };
        QTest::newRow("no change") << applied({}) << full << 2400 << 1;
        QTest::newRow("change on the week's first day")
            << applied({ { mon, PartTime } }) << part << 1920 << 2;
        QTest::newRow("change the day after the week")
            << applied({ { mon + 7, PartTime } }) << full << 2400 << 2;
        // Each day brings its own week's share: the sum of the days.
        QTest::newRow("change on Thursday, the first entry is never deleted")
            << applied({ { thu, PartTime } }, 0) << fromThursday << 2208 << 2;
        QTest::newRow("two changes in one week") << applied({ { wed, PartTime }, { fri, Quarter } })
                                                 << QList<int> { 480, 480, 384, 384, 240, 0, 0 } << 1968 << 3;
        QTest::newRow("the entry in between deleted")
            << applied({ { wed, PartTime }, { fri, Quarter } }, 1)
            << QList<int> { 480, 480, 480, 480, 240, 0, 0 } << 2160 << 2;
        QTest::newRow("the targets in force again add no entry")
            << applied({ { wed, FullTime } }) << full << 2400 << 1;
        // 45:00 over 40:00 of days and 30:00 over 32:00: Monday to Wednesday
        // 9:00 of the week each, Thursday and Friday 6:00.
        QTest::newRow("weekly targets apart from the days")
            << TTargets({ { TTargetEntry::FromTheStart, weekOf(480, 2700) }, { thu, weekOf(384, 1800) } })
            << fromThursday << 2340 << 2;
        // Three sevenths of 40:00 and four of 20:00.
        QTest::newRow("weekly targets without day targets")
            << TTargets({ { TTargetEntry::FromTheStart, weekOf(0, 2400) }, { thu, weekOf(0, 1200) } })
            << QList<int>(7, 0) << 1714 << 2;
        // A public holiday takes off its share of the week: with a weekly
        // target that is the sum of the days, its day target.
        QTest::newRow("change on Thursday, a public holiday on Friday")
            << withHolidays(applied({ { thu, PartTime } }), { fri })
            << QList<int> { 480, 480, 480, 384, 0, 0, 0 } << 1824 << 2;
        // 40:00 over 37:00 of days, Friday's 7:00 a holiday: 40 x 30/37 = 32:25.9.
        QTest::newRow("40:00 over 37:00 of days, a public holiday on Friday")
            << withHolidays(TTargets(TTargetSet { { 0, 450, 450, 450, 450, 420, 0 }, 2400 }), { fri })
            << QList<int> { 450, 450, 450, 450, 0, 0, 0 } << 1946 << 1;
        // Half of 40:01 is 20:00.5, which goes to the even minute.
        QTest::newRow("half a week, rounded to even")
            << withHolidays(TTargets(TTargetSet { { 0, 480, 480, 480, 480, 0, 0 }, 2401 }), { mon, mon + 1 })
            << QList<int> { 0, 0, 480, 480, 0, 0, 0 } << 1200 << 1;
        // 45:00 over 40:00 until Thursday, 30:00 over 32:00 from it, Tuesday
        // a holiday: 45 x 16/40 + 30 x 12.8/32 = 18:00 + 12:00.
        QTest::newRow("weekly targets apart from the days, a change and a public holiday") << withHolidays(
            TTargets({ { TTargetEntry::FromTheStart, weekOf(480, 2700) }, { thu, weekOf(384, 1800) } }),
            { mon + 1 }) << QList<int> { 480, 0, 480, 384, 384, 0, 0 } << 1800 << 2;
    }

    void inForce()
    {
        QFETCH(TTargets, made);
        QFETCH(QList<int>, days);
        QFETCH(int, weekly);
        QFETCH(int, entries);
        QCOMPARE(int(made.History().size()), entries);
        const int monday = day(2026, 3, 2);
        QList<int> shown;
        qint64 sum = 0;
        for (int offset = 0; offset < 7; ++offset) {
            shown << made.OfDay(monday + offset);
            sum += shown.last();
            // A run of days sums as its days do.
            QCOMPARE(made.SumOfDays(monday, monday + offset), sum);
        }
        QCOMPARE(shown, days);
        QCOMPARE(made.OfWeek(monday), weekly);
        QCOMPARE(made.SumOfDays(monday + 1, monday), qint64(0));
        // A run over years steps from change to change: 52 weeks before the
        // week and 52 after, each in one piece.
        const qint64 around = made.SumOfDays(monday - 364, monday + 7 + 363);
        QCOMPARE(around, 52 * made.InForce(monday - 1).SumOfDays() + sum + 52 * made.Latest().SumOfDays());
    }

    // The settings file's line: what is read is written in one form, which reads back the same.
    void text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");

        const QString full = u"Mon=8:00 Tue=8:00 Wed=8:00 Thu=8:00 Fri=8:00 Sat=0:00 Sun=0:00 Week=40:00"_s;
        const QString part = u"Mon=6:24 Tue=6:24 Wed=6:24 Thu=6:24 Fri=6:24 Sat=0:00 Sun=0:00 Week=32:00"_s;
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("minutes, blanks, any order and case")
            << u"  week=2400 SUN=0 sat=0 Mon=480 Tue=8:00 Wed=480 Thu=480 Fri=480 ;"_s << full;
        const QString march = u"; from 2026-03-02 "_s, september = u"; from 2026-09-07 "_s;
        QTest::newRow("out of order")
            << full + september + part + march + full << full + march + full + september + part;
        QTest::newRow("one date twice, the later counts")
            << full + september + full + september + part << full + september + part;
        QTest::newRow("a day missing") << full + september + part.left(part.lastIndexOf(u' ')) << full;
        QTest::newRow("an unknown name") << full + september + u"Holiday=1:00 "_s + part << full;
        QTest::newRow("minutes of an hour")
            << full + september + QString(part).replace(u"6:24"_s, u"6:60"_s) << full;
        QTest::newRow("no date after the first") << full + u"; "_s + part << full;
        QTest::newRow("a date no file holds") << full + u"; from 10000-01-01 "_s + part << full;
        QTest::newRow("beyond 32 bits")
            << u"Mon=35791394:08 Tue=0 Wed=0 Thu=0 Fri=0 Sat=0 Sun=0 Week=0"_s << QString();
        // The earliest entry holds from the start, whatever its date.
        QTest::newRow("the first with a date") << u"from 2026-03-02 "_s + part << part;
    }

    void text()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        const TTargets targets(ParseTargetHistory(text));
        const QString out = TargetHistoryText(targets.History());
        QCOMPARE(out, written.isEmpty() ? TargetHistoryText({ TTargetEntry {} }) : written);
        QCOMPARE(TTargets(ParseTargetHistory(out)).History(), targets.History());
    }
};

QTEST_GUILESS_MAIN(TestTargets)
#include "tst_Targets.moc"
