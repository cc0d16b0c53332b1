#include "core/TimeText.h"
#include "week/WeekFigures.h"

#include <QTest>

namespace {

SheetField invalid(int lastRead)
{
    return SheetField { lastRead, false };
}

} // namespace

Q_DECLARE_METATYPE(SheetDay)

class TestWeekFigures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void day_data()
    {
        QTest::addColumn<SheetDay>("day");
        QTest::addColumn<bool>("includeHolidays");
        QTest::addColumn<qint64>("hours");
        QTest::addColumn<bool>("spanFitsLunch");
        const auto stored = SheetDayFromStored;
        QTest::newRow("arrive equals depart") << stored(480, 480, 0, 0, 0) << true << qint64(0) << true;
        QTest::newRow("lunch equals span, extra counts")
            << stored(540, 555, 15, 20, 0) << true << qint64(20) << true;
        QTest::newRow("lunch longer than span cancels extra and holiday")
            << stored(540, 555, 30, 20, 60) << true << qint64(0) << false;
        QTest::newRow("extra without times") << stored(-1, -1, 0, 120, 0) << true << qint64(120) << true;
        QTest::newRow("holiday not counted") << stored(-1, -1, 0, 0, 480) << false << qint64(0) << true;
        QTest::newRow("stored values in full") << stored(0, 480, 0, 6030, 0) << true << qint64(6510) << true;
        QTest::newRow("invalid arrive: extra only")
            << SheetDay { invalid(480), { 1020 }, {}, { 60 }, {} } << true << qint64(60) << true;
        QTest::newRow("invalid lunch: extra only")
            << SheetDay { { 480 }, { 1020 }, invalid(30), { 60 }, {} } << true << qint64(60) << true;
        QTest::newRow("invalid extra left out")
            << SheetDay { { 480 }, { 1020 }, {}, invalid(60), {} } << true << qint64(540) << true;
    }

    void day()
    {
        QFETCH(SheetDay, day);
        QFETCH(bool, includeHolidays);
        QFETCH(qint64, hours);
        QFETCH(bool, spanFitsLunch);
        const SheetDayFigures figures = CalculateSheetDay(day, 450, includeHolidays);
        QCOMPARE(figures.hours, hours);
        QCOMPARE(figures.deviation, hours - 450);
        QCOMPARE(figures.spanFitsLunch, spanFitsLunch);
    }

    void weeklyTargetMetExactlyIsHoursExtra()
    {
        std::array<SheetDay, 7> days {};
        days[1] = SheetDayFromStored(480, 960, 0, 0, 0);
        const SheetWeekFigures met = CalculateSheetWeek(days, {}, 480, true);
        QCOMPARE(met.weeklyHours, qint64(480));
        QVERIFY(!met.hoursShort);
        QCOMPARE(met.shortfall, qint64(0));
    }

    void roundedTimeOfDay_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("roundTo");
        QTest::addColumn<int>("expected");
        QTest::newRow("up to 15") << 488 << 15 << 495;
        QTest::newRow("tie to even step, down") << 485 << 10 << 480;
        QTest::newRow("tie to even step, up") << 495 << 10 << 500;
        // Not the 0:00 that starts the day that is ending.
        QTest::newRow("up to midnight stays in the day") << 1438 << 5 << 1435;
        QTest::newRow("a step that does not divide the day") << 1439 << 7 << 1435;
        QTest::newRow("a clock rounded up to 24:00") << 1440 << 0 << 1439;
    }

    void roundedTimeOfDay()
    {
        QFETCH(int, minutes);
        QFETCH(int, roundTo);
        QFETCH(int, expected);
        QCOMPARE(RoundedTimeOfDay(minutes, roundTo), expected);
    }
};

QTEST_APPLESS_MAIN(TestWeekFigures)
#include "tst_WeekFigures.moc"
