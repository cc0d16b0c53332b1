#include "core/DayHours.h"

#include <QTest>

class TestDayHours : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dayHours_data()
    {
        QTest::addColumn<int>("arrive");
        QTest::addColumn<int>("depart");
        QTest::addColumn<int>("lunch");
        QTest::addColumn<int>("extra");
        QTest::addColumn<qint64>("hours");
        QTest::newRow("ordinary day") << 510 << 1020 << 30 << 0 << qint64(480);
        QTest::newRow("extra added") << 510 << 1020 << 30 << 60 << qint64(540);
        QTest::newRow("night shift") << 1320 << 360 << 0 << 0 << qint64(480);
        QTest::newRow("arrive equals depart") << 480 << 480 << 0 << 15 << qint64(15);
        QTest::newRow("lunch equals span") << 540 << 555 << 15 << 20 << qint64(20);
        QTest::newRow("lunch longer than span") << 540 << 555 << 30 << 20 << qint64(20);
        QTest::newRow("no depart") << 510 << -1 << 30 << 45 << qint64(45);
        QTest::newRow("no arrive") << -1 << 1020 << 0 << 0 << qint64(0);
        QTest::newRow("departure past a day") << 480 << 1500 << 0 << 0 << qint64(1020);
        QTest::newRow("beyond 32 bits") << 0 << 2147483647 << 0 << 2147483647 << qint64(4294967294);
    }

    void dayHours()
    {
        QFETCH(int, arrive);
        QFETCH(int, depart);
        QFETCH(int, lunch);
        QFETCH(int, extra);
        QFETCH(qint64, hours);
        QCOMPARE(DayHours(arrive, depart, lunch, extra), hours);
    }
};

QTEST_APPLESS_MAIN(TestDayHours)
#include "tst_DayHours.moc"
