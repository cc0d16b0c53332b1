#include "core/Balance.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/Today.h"
#include "support/TestSupport.h"

#include <QTest>

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
        QTest::addColumn<int>("date"); // of December: the day in progress, or today
        QTest::addColumn<qint64>("soFar");
        QTest::addColumn<int>("leaveAt"); // -1: none
        QTest::addColumn<int>("zeroBalanceAt");
        QTest::addColumn<qint64>("balance");
        QTest::addColumn<int>("countedTo"); // of December

        // Monday 7 December.
        QTest::newRow("before arrival")
            << at(7, 8, 0) << QByteArray() << 0 << 0 << 7 << qint64(0) << -1 << -1 << qint64(60) << 6;
        QTest::newRow("after arrival") << at(7, 11, 35) << QByteArray("7/12/2026,8:30") << 0 << 0 << 7
                                       << qint64(185) << 960 << 900 << qint64(60) << 6;
        QTest::newRow("lunch entered") << at(7, 11, 35) << QByteArray("7/12/2026,8:30,,:30") << 0 << 0 << 7
                                       << qint64(155) << 990 << 930 << qint64(60) << 6;
        QTest::newRow("default lunch") << at(7, 11, 35) << QByteArray("7/12/2026,8:30") << 45 << 0 << 7
                                       << qint64(140) << 1005 << 945 << qint64(60) << 6;
        QTest::newRow("extra hours and an arrival") << at(7, 10, 0) << QByteArray("7/12/2026,8:,,,1:") << 0
                                                    << 0 << 7 << qint64(180) << 870 << 810 << qint64(60) << 6;
        QTest::newRow("arrival later than now") << at(7, 8, 0) << QByteArray("7/12/2026,9:") << 0 << 0 << 7
                                                << qint64(0) << 990 << 930 << qint64(60) << 6;
        QTest::newRow("after departure") << at(7, 17, 30) << QByteArray("7/12/2026,8:30,17:") << 0 << 0 << 7
                                         << qint64(510) << -1 << -1 << qint64(120) << 7;
        QTest::newRow("a holiday") << at(7, 8, 0) << QByteArray("7/12/2026,,,,,7:30") << 0 << 0 << 7
                                   << qint64(450) << -1 << -1 << qint64(60) << 7;
        QTest::newRow("extra hours alone") << at(7, 8, 0) << QByteArray("7/12/2026,,,,2:") << 0 << 0 << 7
                                           << qint64(120) << -1 << -1 << qint64(-270) << 7;
        QTest::newRow("a lunch alone") << at(7, 8, 0) << QByteArray("7/12/2026,,,:30") << 0 << 0 << 7
                                       << qint64(0) << -1 << -1 << qint64(60) << 6;
        // 36:00 owed: no time today brings the balance to zero.
        QTest::newRow("a balance beyond the day")
            << at(7, 11, 35) << QByteArray("7/12/2026,8:30") << 0 << -1200 << 7 << qint64(185) << 960 << -1
            << qint64(-1140) << 6;
        // Saturday: nothing owed, and the balance is ahead already.
        QTest::newRow("a target of 0") << at(5, 10, 0) << QByteArray("5/12/2026,9:") << 0 << 0 << 5
                                       << qint64(60) << 540 << 540 << qint64(60) << 4;
        // Monday 22:00 to Tuesday; the times to leave are on Tuesday.
        QTest::newRow("night shift running") << at(8, 2, 0) << QByteArray("7/12/2026,22:") << 0 << 0 << 7
                                             << qint64(240) << 1770 << 1710 << qint64(60) << 6;
        QTest::newRow("night shift ended") << at(8, 7, 0) << QByteArray("7/12/2026,22:,6:") << 0 << 0 << 8
                                           << qint64(0) << -1 << -1 << qint64(90) << 7;
        QTest::newRow("night shift left open a day") << at(8, 23, 0) << QByteArray("7/12/2026,22:") << 0 << 0
                                                     << 8 << qint64(0) << -1 << -1 << qint64(-390) << 7;
        QTest::newRow("an arrival today ends yesterday's")
            << at(8, 9, 0) << QByteArray("7/12/2026,22:\r\n8/12/2026,8:") << 0 << 0 << 8 << qint64(60) << 930
            << 1320 << qint64(-390) << 7;
    }

    void rule()
    {
        QFETCH(QDateTime, now);
        QFETCH(QByteArray, file);
        QFETCH(int, defaultLunch);
        QFETCH(int, opening);
        QFETCH(int, date);
        QFETCH(qint64, soFar);
        QFETCH(int, leaveAt);
        QFETCH(int, zeroBalanceAt);
        QFETCH(qint64, balance);
        QFETCH(int, countedTo);
        const Clock::Fixed clock(now);
        TTimeRecorder store;
        TestSupport::load(store, Week + file);
        TBalanceSettings settings;
        settings.Opening = opening;

        const TToday today = TodayFigures(store, settings, defaultLunch);
        QCOMPARE(today.Date, TestSupport::day(2026, 12, date));
        QCOMPARE(today.InProgress, leaveAt >= 0);
        QCOMPARE(today.SoFar, soFar);
        QCOMPARE(today.LeaveAt.value_or(-1), leaveAt);
        QCOMPARE(today.ZeroBalanceAt.value_or(-1), zeroBalanceAt);
        QCOMPARE(today.Balance, balance);
        QCOMPARE(today.CountedTo, TestSupport::day(2026, 12, countedTo));

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
