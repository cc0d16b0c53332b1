#include "core/DayNumber.h"
#include "period/Period.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::day;

QStringList months(int year, int from, int to)
{
    static const char *const names[] = { "January", "February", "March", "April", "May", "June", "July",
        "August", "September", "October", "November", "December" };
    QStringList list;
    for (int m = from; m >= to; --m)
        list << QString::fromLatin1(names[m - 1]) + u' ' + QString::number(year);
    return list;
}

} // namespace

class TestPeriod : public QObject {
    Q_OBJECT

    Regional::Override regional { TestSupport::englishSettings() };

private Q_SLOTS:
    void periodNames_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("earliest");
        QTest::addColumn<QStringList>("names");
        const QStringList weeks { u"This Week"_s, u"Last Week"_s };
        QTest::newRow("empty document: every month of both years") << QDate(2026, 12, 6) << 0
                                                                   << weeks + QStringList { u"2026"_s }
                + months(2026, 12, 1) + QStringList { u"2025"_s } + months(2025, 12, 1);
        QTest::newRow("January: one month of the current year") << QDate(2027, 1,
            15) << 0 << weeks + QStringList { u"2027"_s, u"January 2027"_s, u"2026"_s } + months(2026, 12, 1);
        QTest::newRow("data from 15 March: no previous year") << QDate(
            2026, 12, 6) << day(2026, 3, 15) << weeks + QStringList { u"2026"_s } + months(2026, 12, 3);
        QTest::newRow("data from the last day of the previous year")
            << QDate(2026, 2, 10) << day(2025, 12, 31)
            << weeks
                + QStringList { u"2026"_s, u"February 2026"_s, u"January 2026"_s, u"2025"_s,
                      u"December 2025"_s };
        QTest::newRow("data only after today: the weeks and the year")
            << QDate(2026, 2, 10) << day(2026, 6, 1) << weeks + QStringList { u"2026"_s };
    }

    void periodNames()
    {
        QFETCH(QDate, today);
        QFETCH(int, earliest);
        QFETCH(QStringList, names);
        const Clock::Fixed clock(QDateTime(today, QTime(12, 0)));
        QCOMPARE(Period::PeriodNames(earliest), names);
    }

    void periodOfName_data()
    {
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("start"); // invalid: the text names no period
        QTest::addColumn<QDate>("end");
        // Today is Sunday 6 December 2026.
        QTest::newRow("this week from Monday")
            << 2 << u"This Week"_s << QDate(2026, 11, 30) << QDate(2026, 12, 6);
        QTest::newRow("last week from Monday")
            << 2 << u"Last Week"_s << QDate(2026, 11, 23) << QDate(2026, 11, 29);
        QTest::newRow("this week from Sunday, today")
            << 1 << u"This Week"_s << QDate(2026, 12, 6) << QDate(2026, 12, 12);
        QTest::newRow("this week from Saturday")
            << 7 << u"This Week"_s << QDate(2026, 12, 5) << QDate(2026, 12, 11);
        QTest::newRow("current year") << 1 << u"2026"_s << QDate(2026, 1, 1) << QDate(2026, 12, 31);
        QTest::newRow("previous year") << 1 << u"2025"_s << QDate(2025, 1, 1) << QDate(2025, 12, 31);
        QTest::newRow("leap February") << 1 << u"February 2024"_s << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("February") << 1 << u"February 2026"_s << QDate(2026, 2, 1) << QDate(2026, 2, 28);
        QTest::newRow("any case, blanks and a tab")
            << 1 << u"  dECEMBER\t 2025 "_s << QDate(2025, 12, 1) << QDate(2025, 12, 31);
        QTest::newRow("an older year is no name") << 1 << u"2020"_s << QDate() << QDate();
        QTest::newRow("unknown month") << 1 << u"Smarch 2026"_s << QDate() << QDate();
        QTest::newRow("month without a year") << 1 << u"March"_s << QDate() << QDate();
    }

    void periodOfName()
    {
        QFETCH(int, firstDayOfWeek);
        QFETCH(QString, name);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        const Clock::Fixed clock(QDateTime(QDate(2026, 12, 6), QTime(23, 59)));
        const std::optional<TPeriod> period = Period::PeriodOfName(name, firstDayOfWeek);
        QCOMPARE(period.has_value(), start.isValid());
        if (period)
            QCOMPARE(*period, (TPeriod { DayNumber::fromDate(start), DayNumber::fromDate(end) }));
    }

    void widenToFullWeeks_data()
    {
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QDate>("wideStart");
        QTest::addColumn<QDate>("wideEnd");
        QTest::newRow("Monday weeks")
            << 2 << QDate(2026, 12, 2) << QDate(2026, 12, 4) << QDate(2026, 11, 30) << QDate(2026, 12, 6);
        QTest::newRow("Sunday weeks end on Saturday")
            << 1 << QDate(2026, 12, 2) << QDate(2026, 12, 4) << QDate(2026, 11, 29) << QDate(2026, 12, 5);
        QTest::newRow("whole weeks stay")
            << 2 << QDate(2026, 11, 30) << QDate(2026, 12, 13) << QDate(2026, 11, 30) << QDate(2026, 12, 13);
        QTest::newRow("one day, Saturday weeks")
            << 7 << QDate(2026, 12, 4) << QDate(2026, 12, 4) << QDate(2026, 11, 28) << QDate(2026, 12, 4);
    }

    void widenToFullWeeks()
    {
        QFETCH(int, firstDayOfWeek);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QDate, wideStart);
        QFETCH(QDate, wideEnd);
        const TPeriod period { DayNumber::fromDate(start), DayNumber::fromDate(end) };
        QCOMPARE(Period::WidenToFullWeeks(period, firstDayOfWeek),
            (TPeriod { DayNumber::fromDate(wideStart), DayNumber::fromDate(wideEnd) }));
    }
};

QTEST_GUILESS_MAIN(TestPeriod)
#include "tst_Period.moc"
