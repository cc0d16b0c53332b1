#include "core/Balance.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/Today.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Default targets (7:30 Monday to Thursday, 7:00 Friday, none at the
// weekend), counted from Monday 30 November: Friday's 8:00 leave +1:00.
const QByteArray Week = "30/11/2026,8:,15:30\r\n1/12/2026,8:,15:30\r\n2/12/2026,8:,15:30\r\n"
                        "3/12/2026,8:,15:30\r\n4/12/2026,8:,16:\r\n";

QDateTime at(int day, int hour, int minute)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute));
}

} // namespace

class TestToday : public QObject {
    Q_OBJECT

    Regional::Override regional { TestSupport::englishSettings() };

private Q_SLOTS:
    void rule_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QByteArray>("file"); // after the week above
        QTest::addColumn<int>("defaultLunch");
        QTest::addColumn<int>("opening");
        // The date of December (the day in progress, or today), the hours so
        // far, the times to leave and to reach a zero balance (-1: none), the
        // balance and the last day of December counted.
        QTest::addColumn<QList<int>>("figures");

        // Monday 7 December.
        QTest::newRow("before arrival") << at(7, 8, 0) << ""_ba << 0 << 0 << QList { 7, 0, -1, -1, 60, 6 };
        QTest::newRow("after arrival")
            << at(7, 11, 35) << "7/12/2026,8:30"_ba << 0 << 0 << QList { 7, 185, 960, 900, 60, 6 };
        QTest::newRow("lunch entered")
            << at(7, 11, 35) << "7/12/2026,8:30,,:30"_ba << 0 << 0 << QList { 7, 155, 990, 930, 60, 6 };
        QTest::newRow("default lunch")
            << at(7, 11, 35) << "7/12/2026,8:30"_ba << 45 << 0 << QList { 7, 140, 1005, 945, 60, 6 };
        QTest::newRow("extra hours and an arrival")
            << at(7, 10, 0) << "7/12/2026,8:,,,1:"_ba << 0 << 0 << QList { 7, 180, 870, 810, 60, 6 };
        QTest::newRow("arrival later than now")
            << at(7, 8, 0) << "7/12/2026,9:"_ba << 0 << 0 << QList { 7, 0, 990, 930, 60, 6 };
        QTest::newRow("after departure")
            << at(7, 17, 30) << "7/12/2026,8:30,17:"_ba << 0 << 0 << QList { 7, 510, -1, -1, 120, 7 };
        QTest::newRow("a holiday") << at(7, 8, 0) << "7/12/2026,,,,,7:30"_ba << 0 << 0
                                   << QList { 7, 450, -1, -1, 60, 7 };
        QTest::newRow("extra hours alone")
            << at(7, 8, 0) << "7/12/2026,,,,2:"_ba << 0 << 0 << QList { 7, 120, -1, -1, -270, 7 };
        QTest::newRow("a lunch alone")
            << at(7, 8, 0) << "7/12/2026,,,:30"_ba << 0 << 0 << QList { 7, 0, -1, -1, 60, 6 };
        // 36:00 owed: no time today brings the balance to zero.
        QTest::newRow("a balance beyond the day")
            << at(7, 11, 35) << "7/12/2026,8:30"_ba << 0 << -1200 << QList { 7, 185, 960, -1, -1140, 6 };
        // Saturday: nothing owed, and the balance is ahead already.
        QTest::newRow("a target of 0")
            << at(5, 10, 0) << "5/12/2026,9:"_ba << 0 << 0 << QList { 5, 60, 540, 540, 60, 4 };
        // Monday 22:00 to Tuesday; the times to leave are on Tuesday.
        QTest::newRow("night shift running")
            << at(8, 2, 0) << "7/12/2026,22:"_ba << 0 << 0 << QList { 7, 240, 1770, 1710, 60, 6 };
        QTest::newRow("night shift ended")
            << at(8, 7, 0) << "7/12/2026,22:,6:"_ba << 0 << 0 << QList { 8, 0, -1, -1, 90, 7 };
        QTest::newRow("night shift left open a day")
            << at(8, 23, 0) << "7/12/2026,22:"_ba << 0 << 0 << QList { 8, 0, -1, -1, -390, 7 };
        QTest::newRow("an arrival today ends yesterday's")
            << at(8, 9, 0) << "7/12/2026,22:\r\n8/12/2026,8:"_ba << 0 << 0
            << QList { 8, 60, 930, 1320, -390, 7 };
    }

    void rule()
    {
        QFETCH(QDateTime, now);
        QFETCH(QByteArray, file);
        QFETCH(int, defaultLunch);
        QFETCH(int, opening);
        QFETCH(QList<int>, figures);
        const Clock::Fixed clock(now);
        TTimeRecorder store;
        TestSupport::load(store, Week + file);
        TBalanceSettings settings;
        settings.Opening = opening;

        const TToday today = TodayFigures(store, settings, defaultLunch);
        const int first = TestSupport::day(2026, 12, 1) - 1;
        QCOMPARE((QList<int> { today.Date - first, int(today.SoFar), today.LeaveAt.value_or(-1),
                     today.ZeroBalanceAt.value_or(-1), int(today.Balance), today.CountedTo - first }),
            figures);
        QCOMPARE(today.InProgress, today.LeaveAt.has_value());
        const qint64 balance = figures[4];

        // The balance, the sheet's count of the week and the ledger agree.
        const int later = DayNumber::today() + 3;
        QCOMPARE(Balance(store, settings, later), balance);
        TWeekBalance week;
        week.Reset(store, settings, DayNumber::weekStartOf(DayNumber::today(), DayNumber::Monday));
        QCOMPARE(week.AsOf(later), balance);
        QCOMPARE(BalanceLedger(store, settings, later, DayNumber::Monday).back().Balance, balance);
    }
};

QTEST_GUILESS_MAIN(TestToday)
#include "tst_Today.moc"
