#include "core/DayNumber.h"
#include "core/Regional.h"

#include <QTest>

class TestDayNumber : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("weekday");
        QTest::newRow("epoch") << QDate(1899, 12, 30) << 0 << DayNumber::Saturday;
        QTest::newRow("before epoch") << QDate(1899, 12, 29) << -1 << DayNumber::Friday;
        QTest::newRow("1 Jan 2000") << QDate(2000, 1, 1) << 36526 << DayNumber::Saturday;
        QTest::newRow("6 Dec 2026") << QDate(2026, 12, 6) << 46362 << DayNumber::Sunday;
        QTest::newRow("7 Dec 2026") << QDate(2026, 12, 7) << 46363 << DayNumber::Monday;
        QTest::newRow("29 Feb 2024") << QDate(2024, 2, 29) << 45351 << DayNumber::Thursday;
    }

    void roundTrip()
    {
        QFETCH(QDate, date);
        QFETCH(int, day);
        QFETCH(int, weekday);
        QCOMPARE(DayNumber::fromDate(date), day);
        QCOMPARE(DayNumber::toDate(day), date);
        QCOMPARE(DayNumber::dayOfWeek(day), weekday);
    }

    void weekStart_data()
    {
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<QDate>("start");
        // Wednesday 9 December 2026.
        QTest::newRow("Sunday") << 1 << QDate(2026, 12, 6);
        QTest::newRow("Monday") << 2 << QDate(2026, 12, 7);
        QTest::newRow("Wednesday itself") << 4 << QDate(2026, 12, 9);
        QTest::newRow("Thursday") << 5 << QDate(2026, 12, 3);
        QTest::newRow("Saturday") << 7 << QDate(2026, 12, 5);
    }

    void weekStart()
    {
        QFETCH(int, firstDayOfWeek);
        QFETCH(QDate, start);
        const int wednesday = DayNumber::fromDate(QDate(2026, 12, 9));
        QCOMPARE(DayNumber::toDate(DayNumber::weekStartOf(wednesday, firstDayOfWeek)), start);
    }

    void clockIsInjectable()
    {
        Clock::Fixed clock(QDateTime(QDate(2026, 12, 7), QTime(8, 29, 30)));
        QCOMPARE(DayNumber::today(), DayNumber::fromDate(QDate(2026, 12, 7)));
        QCOMPARE(DayNumber::minutesNow(), 510); // 509.5 goes to the even 510
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(8, 30, 30)));
        QCOMPARE(DayNumber::minutesNow(), 510); // 510.5 goes to the even 510
    }
};

QTEST_GUILESS_MAIN(TestDayNumber)
#include "tst_DayNumber.moc"
