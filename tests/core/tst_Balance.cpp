#include "core/Balance.h"
#include "core/DayNumber.h"
#include "core/HolidayCalendar.h"
#include "core/TimeRecorder.h"
#include "core/Vacation.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::day;
using TestSupport::load;

// Default targets; a null start counts from the first day holding data.
TBalanceSettings settingsFrom(const QDate &start, int opening, bool holidaysWorked = true)
{
    TBalanceSettings settings;
    settings.StartDate = start.isNull() ? 0 : DayNumber::fromDate(start);
    settings.Opening = opening;
    settings.IncludeHolsInTotal = holidaysWorked;
    return settings;
}

// The federal holidays of tests/data: in 2025 ten on a Monday to Thursday
// and two on a Friday; 4 July 2026 is a Saturday.
std::shared_ptr<const THolidayCalendar> federalHolidays()
{
    return THolidayCalendar::FromFile(QStringLiteral(HOURFRAME_TEST_DATA "/holidays-yearly.ics"));
}

} // namespace

// Targets are the defaults: 7:30 Monday to Thursday, 7:00 Friday, none at the
// weekend. Today is Monday 7 December 2026.
class TestBalance : public QObject {
    Q_OBJECT

    Regional::Override regional { TestSupport::englishSettings() };
    Clock::Fixed clock { QDateTime(QDate(2026, 12, 7), QTime(12, 0)) };

private Q_SLOTS:
    void rule_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QDate>("start"); // null: from the first day holding data
        QTest::addColumn<int>("opening");
        QTest::addColumn<bool>("holidaysWorked");
        QTest::addColumn<QDate>("asOf");
        QTest::addColumn<qint64>("balance");

        const QDate none;
        // Mon 7:30 worked; Tue and Wed have no record and cost their targets.
        QTest::newRow("days with no record") << QByteArray("30/11/2026,8:,16:,:30\r\n") << none << 0 << true
                                             << QDate(2026, 12, 2) << qint64(-900);
        QTest::newRow("holiday only, counted as worked")
            << QByteArray("1/12/2026,,,,,7:30\r\n") << none << 0 << true << QDate(2026, 12, 1) << qint64(0);
        QTest::newRow("holiday only, not counted") << QByteArray("1/12/2026,,,,,7:30\r\n") << none << 0
                                                   << false << QDate(2026, 12, 1) << qint64(-450);
        // 22:00 to 6:00 is 8:00 against Thursday's 7:30.
        QTest::newRow("night shift") << QByteArray("3/12/2026,22:,6:\r\n") << none << 0 << true
                                     << QDate(2026, 12, 3) << qint64(30);
        // Only the extra hour counts: 1:00 against 7:30.
        QTest::newRow("lunch longer than the span") << QByteArray("2/12/2026,9:,9:15,:30,1:\r\n") << none << 0
                                                    << true << QDate(2026, 12, 2) << qint64(-390);
        // Wednesday to Sunday: 7:30 + 7:00 worked against 7:30 + 7:30 + 7:00.
        const QByteArray midWeek("2/12/2026,8:,15:30\r\n4/12/2026,8:,15:\r\n");
        QTest::newRow("first record mid-week")
            << midWeek << none << 0 << true << QDate(2026, 12, 6) << qint64(-450);
        QTest::newRow("opening balance")
            << midWeek << none << 120 << true << QDate(2026, 12, 6) << qint64(-330);
        // Monday and Tuesday before the first record are owed too.
        QTest::newRow("start before the first record")
            << midWeek << QDate(2026, 11, 30) << 120 << true << QDate(2026, 12, 6) << qint64(-1230);
        QTest::newRow("start after the first record")
            << midWeek << QDate(2026, 12, 4) << 0 << true << QDate(2026, 12, 6) << qint64(0);
        // Counted as of today, Monday 7 December, which is not closed yet.
        QTest::newRow("as of a day in the future")
            << midWeek << none << 0 << true << QDate(2026, 12, 31) << qint64(-450);
        QTest::newRow("as of a day before the start")
            << midWeek << none << 45 << true << QDate(2026, 12, 1) << qint64(45);
        QTest::newRow("no data at all")
            << QByteArray() << none << -45 << true << QDate(2026, 12, 6) << qint64(-45);
        QTest::newRow("a lunch alone holds data")
            << QByteArray("3/12/2026,,,:30\r\n") << none << 0 << true << QDate(2026, 12, 4) << qint64(-870);
        // The first of two lines of one day counts; the file is out of order.
        QTest::newRow("unsorted file, a day twice")
            << QByteArray("3/12/2026,22:,6:\r\n1/12/2026,8:,16:\r\n1/12/2026,,,,9:\r\n") << none << 0 << true
            << QDate(2026, 12, 3) << qint64(-390);
        QTest::newRow("beyond 32 bits")
            << QByteArray("1/12/2026,,,,33333333:20\r\n2/12/2026,,,,33333333:20\r\n") << none << 0 << true
            << QDate(2026, 12, 2) << qint64(3999999100);
        // 100 weeks of 37:00 owed from a Sunday.
        QTest::newRow("long period") << QByteArray() << QDate(2024, 12, 15) << 0 << true
                                     << QDate(2026, 11, 14) << qint64(-222000);
    }

    void rule()
    {
        QFETCH(QByteArray, file);
        QFETCH(QDate, start);
        QFETCH(int, opening);
        QFETCH(bool, holidaysWorked);
        QFETCH(QDate, asOf);
        QFETCH(qint64, balance);
        TTimeRecorder store;
        load(store, file);
        const TBalanceSettings settings = settingsFrom(start, opening, holidaysWorked);
        const int asOfDay = DayNumber::fromDate(asOf);
        QCOMPARE(Balance(store, settings, asOfDay), balance);

        // The sheet's count of its week and the week-by-week account agree.
        TWeekBalance week;
        week.Reset(store, settings, DayNumber::weekStartOf(std::min(asOfDay, DayNumber::today()), 2));
        QCOMPARE(week.AsOf(asOfDay), balance);
        const std::vector<TBalanceWeek> ledger = BalanceLedger(store, settings, asOfDay, 2);
        QCOMPARE(ledger.empty() ? qint64(opening) : ledger.back().Balance, balance);
    }

    // 8:00 worked every workday from Monday 5 January to Friday 4 December,
    // full time (8:00 a day) until the change, 32 hours (6:24 a day) from it.
    // By hand: a change on Wednesday 8 July leaves it even until then, that
    // week 3 x 1:36 = 4:48 ahead, then 21 weeks of 8:00 ahead: 172:48. A
    // change before the first record gives 48 weeks of 8:00 ahead, and with a
    // start a week before it, 40:00 and 5 x 32:00 owed first.
    void targetChange_data()
    {
        QTest::addColumn<QDate>("change");
        QTest::addColumn<QDate>("start"); // null: from the first day holding data
        QTest::addColumn<qint64>("balance");
        QTest::addColumn<int>("changedWeek"); // of the ledger, with its target
        QTest::addColumn<qint64>("changedTarget");
        QTest::newRow("on a Wednesday")
            << QDate(2026, 7, 8) << QDate() << qint64(10368) << 26 << qint64(2 * 480 + 3 * 384);
        QTest::newRow("before the first record")
            << QDate(2025, 12, 1) << QDate() << qint64(23040) << 0 << qint64(1920);
        QTest::newRow("before the first record, counted from before the change")
            << QDate(2025, 12, 1) << QDate(2025, 11, 24) << qint64(23040 - 2400 - 9600) << 1 << qint64(1920);
    }

    void targetChange()
    {
        QFETCH(QDate, change);
        QFETCH(QDate, start);
        QFETCH(qint64, balance);
        QFETCH(int, changedWeek);
        QFETCH(qint64, changedTarget);
        TTimeRecorder store;
        for (int date = day(2026, 1, 5); date <= day(2026, 12, 4); ++date) {
            if (!DayNumber::isWeekend(date)) {
                store.SetArrive(date, 480);
                store.SetDepart(date, 960);
            }
        }
        TBalanceSettings before = settingsFrom(start, 0);
        before.Targets = TTargets(TTargetSet { { 0, 480, 480, 480, 480, 480, 0 }, 2400 });
        TBalanceSettings after = before;
        after.Targets.ApplyFrom(
            DayNumber::fromDate(change), TTargetSet { { 0, 384, 384, 384, 384, 384, 0 }, 1920 });
        QCOMPARE(Balance(store, after, DayNumber::today()), balance);

        // Weeks before the change keep their figures.
        const std::vector<TBalanceWeek> old
            = BalanceLedger(store, before, DayNumber::today(), DayNumber::Monday);
        const std::vector<TBalanceWeek> weeks
            = BalanceLedger(store, after, DayNumber::today(), DayNumber::Monday);
        QCOMPARE(weeks.size(), old.size());
        for (int i = 0; i < changedWeek; ++i) {
            QCOMPARE(weeks[i].Target, old[i].Target);
            QCOMPARE(weeks[i].Balance, old[i].Balance);
        }
        QCOMPARE(weeks[changedWeek].Target, changedTarget);
        QCOMPARE(weeks.back().Target, qint64(1920));
        QCOMPARE(weeks.back().Balance, balance);
    }

    // Counted by hand: 2025 owes 52 weeks of 37:00 and a Wednesday, 1931:30;
    // its public holidays take off 10 x 7:30 + 2 x 7:00 = 89:00.
    void publicHolidays_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("asOf");
        QTest::addColumn<qint64>("withHolidays");
        QTest::addColumn<qint64>("without");

        QTest::newRow("a year") << QByteArray() << QDate(2025, 1, 1) << QDate(2025, 12, 31) << qint64(-110550)
                                << qint64(-115890);
        QTest::newRow("a holiday on a Saturday changes nothing")
            << QByteArray() << QDate(2026, 6, 29) << QDate(2026, 7, 5) << qint64(-2220) << qint64(-2220);
        QTest::newRow("work on a holiday counts as worked")
            << QByteArray("4/7/2025,8:,16:\r\n") << QDate(2025, 7, 4) << QDate(2025, 7, 4) << qint64(480)
            << qint64(60);
        QTest::newRow("two holidays on one day take one day's target")
            << QByteArray() << QDate(2025, 1, 20) << QDate(2025, 1, 26) << qint64(-1770) << qint64(-2220);
    }

    void publicHolidays()
    {
        QFETCH(QByteArray, file);
        QFETCH(QDate, start);
        QFETCH(QDate, asOf);
        QFETCH(qint64, withHolidays);
        QFETCH(qint64, without);
        TTimeRecorder store;
        load(store, file);
        TBalanceSettings settings = settingsFrom(start, 0);
        const int last = DayNumber::fromDate(asOf);
        QCOMPARE(Balance(store, settings, last), without);
        settings.Targets.Holidays = federalHolidays();
        QCOMPARE(Balance(store, settings, last), withHolidays);
        QCOMPARE(BalanceLedger(store, settings, last, DayNumber::Monday).back().Balance, withHolidays);
    }

    // Holiday hours over the day's target: 3:45 of a Monday's 7:30 is half a
    // day; before 2025, 8:00 from Monday to Friday. Today is 7 December 2026;
    // the allowance is 25 days.
    void vacation_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QDate>("start"); // null: from the first day holding data
        QTest::addColumn<int>("carriedOver");
        QTest::addColumn<QDate>("asOf");
        QTest::addColumn<QString>("takenAndLeft");

        const QDate none, yearEnd(2025, 12, 31);
        const QByteArray days("6/1/2025,,,,,3:45\r\n7/1/2025,,,,,7:30\r\n10/1/2025,,,,,7:\r\n");
        QTest::newRow("half a day, a day, a Friday") << days << none << 0 << yearEnd << u"2.5 22.5"_s;
        QTest::newRow("up to the as-of day") << days << none << 0 << QDate(2025, 1, 6) << u"0.5 24.5"_s;
        QTest::newRow("carried over into the first year")
            << days << QDate(2025, 1, 1) << 3 << QDate(2025, 6, 30) << u"2.5 25.5"_s;
        QTest::newRow("a new year: its own allowance, nothing carried")
            << days + "5/1/2026,,,,,2:30\r\n"
            << QDate(2025, 1, 1) << 3 << QDate(2026, 3, 1) << u"0.33 24.67"_s;
        // Saturday 11 January, and Monday 20 January, a public holiday.
        QTest::newRow("days with a target of 0 take none")
            << QByteArray("11/1/2025,,,,,7:30\r\n20/1/2025,,,,,7:30\r\n") << none << 0 << yearEnd
            << u"0 25"_s;
        QTest::newRow("before the balance starts") << days << QDate(2025, 6, 1) << 0 << yearEnd << u"0 25"_s;
        QTest::newRow("carried over, less than taken") << days << none << -4 << yearEnd << u"2.5 18.5"_s;
        // Counted as the balance is, to yesterday: 2026.
        QTest::newRow("a year after today") << days + "5/1/2026,,,,,2:30\r\n"
                                            << none << 0 << QDate(2027, 2, 1) << u"0.33 24.67"_s;
        // Days of 8:00 in 2024: exactly 13.375 days, rounded once to the even
        // hundredth; days summed as doubles fall just below it.
        QTest::newRow("13.375 days add up with what is left")
            << QByteArray("2/12/2024,,,,,16:24\r\n3/12/2024,,,,,47:48\r\n4/12/2024,,,,,42:48\r\n") << none
            << -29 << QDate(2024, 12, 31) << u"13.38 -17.38"_s;
    }

    void vacation()
    {
        QFETCH(QByteArray, file);
        QFETCH(QDate, start);
        QFETCH(int, carriedOver);
        QFETCH(QDate, asOf);
        QFETCH(QString, takenAndLeft);
        TTimeRecorder store;
        load(store, file);
        TBalanceSettings settings = settingsFrom(start, 0);
        settings.Targets
            = TTargets({ { TTargetEntry::FromTheStart, { { 0, 480, 480, 480, 480, 480, 0 }, 2400 } },
                { day(2025, 1, 1), {} } });
        settings.Targets.Holidays = federalHolidays();
        const TVacation vacation
            = VacationOf(store, settings, { 25, carriedOver }, DayNumber::fromDate(asOf));
        QCOMPARE(vacation.Year, std::min(asOf, QDate(2026, 12, 6)).year());
        QCOMPARE(
            VacationDaysText(vacation.TakenHundredths) + u' ' + VacationDaysText(vacation.LeftHundredths),
            takenAndLeft);
    }

    // A decimal comma in German and French, two places at most.
    void vacationText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qint64>("hundredths");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << u"en"_s << qint64(-5) << u"-0.05 days"_s;
        QTest::newRow("German") << u"de"_s << qint64(2450) << u"24,5 Tage"_s;
        QTest::newRow("French") << u"fr"_s << qint64(-1738) << u"-17,38 jours"_s;
    }

    void vacationText()
    {
        QFETCH(QString, language);
        QFETCH(qint64, hundredths);
        QFETCH(QString, text);
        Regional::Settings region = TestSupport::englishSettings();
        region.decimalPoint = language == u"en"_s ? u"."_s : u","_s;
        const Regional::Override inRegion(region);
        const TestSupport::Language translated(language);
        QCOMPARE(VacationDaysWithUnit(hundredths), text);
    }

    // The sheet's count follows every edit of its week, also one that moves
    // the first day holding data.
    void weekBalanceFollowsEditsOfItsWeek_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("opening");
        QTest::newRow("no data before the week") << QByteArray() << QDate() << 60;
        QTest::newRow("data before the week") << QByteArray("23/11/2026,,,,,,\"before\"\r\n") << QDate() << 0;
        QTest::newRow("start in the week") << QByteArray("23/11/2026,8:,9:\r\n") << QDate(2026, 12, 3) << 0;
        QTest::newRow("start before the week") << QByteArray() << QDate(2026, 11, 20) << -30;
    }

    void weekBalanceFollowsEditsOfItsWeek()
    {
        QFETCH(QByteArray, file);
        QFETCH(QDate, start);
        QFETCH(int, opening);
        TTimeRecorder store;
        load(store, file);
        const TBalanceSettings settings = settingsFrom(start, opening);
        const int weekStart = day(2026, 11, 30);
        const auto times = [&](int offset, int arrive, int depart) {
            store.SetArrive(weekStart + offset, arrive);
            store.SetDepart(weekStart + offset, depart);
        };
        const std::vector<std::function<void()>> edits { [&] { times(1, 480, 960); },
            [&] { times(4, 1320, 360); }, [&] { times(1, -1, -1); },
            [&] { store.SetHoliday(weekStart, 450); }, [&] { store.SetHoliday(weekStart, 0); },
            [&] { times(6, 0, 600); } };
        TWeekBalance week;
        week.Reset(store, settings, weekStart);
        for (const auto &change : edits) {
            change();
            for (int asOf = weekStart - 1; asOf <= weekStart + 8; ++asOf)
                QCOMPARE(week.AsOf(asOf), Balance(store, settings, asOf));
        }
    }
};

QTEST_GUILESS_MAIN(TestBalance)
#include "tst_Balance.moc"
