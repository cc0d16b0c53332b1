#include "core/DayNumber.h"
#include "core/HolidayCalendar.h"
#include "core/TimeRecorder.h"
#include "report/ReportExample.h"
#include "report/ReportText.h"
#include "support/TestSupport.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TReportSettings)
Q_DECLARE_METATYPE(Regional::Settings)

namespace {

using TestSupport::day;

QString blanks(int count)
{
    return QString(count, u' ');
}

} // namespace

class TestReportText : public QObject {
    Q_OBJECT

    Regional::Override regional { TestSupport::englishSettings() };

private Q_SLOTS:
    // The worked example, and the balance block that follows its totals.
    void workedExample_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("opening");
        QTest::addColumn<QString>("broughtForward"); // empty: the balance is not shown
        QTest::addColumn<QString>("carriedForward");
        // The German rules with the daily rest changed to 16:00; empty: the rules are off.
        QTest::addColumn<QString>("breaches");
        QTest::newRow("no balance") << QDate(2026, 12, 7) << QDate() << 0 << QString() << QString()
                                    << QString();
        // From Monday: +0:30, +0:15, -7:30 (Wednesday), +0:30, Friday's holiday even.
        QTest::newRow("whole week") << QDate(2026, 12, 7) << QDate() << 60 << u"+1:00"_s << u"-5:15"_s
                                    << QString();
        // Tuesday +0:15; Wednesday, today, is not closed and the rest of the week is not owed yet.
        QTest::newRow("start in the period, today in it")
            << QDate(2026, 12, 2) << QDate(2026, 12, 1) << 0 << u"0:00"_s << u"+0:15"_s << QString();
        // Monday 17:00 to Tuesday 08:45; the other rests and every other rule are kept.
        QTest::newRow("one breach, then the balance")
            << QDate(2026, 12, 7) << QDate() << 60 << u"+1:00"_s << u"-5:15"_s
            << u"Breaches of the working-time rules (Germany)\n"
               "01/12/2026   Tue   Rest 15:45 before this day, 16:00 required"_s;
    }

    void workedExample()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, start);
        QFETCH(int, opening);
        QFETCH(QString, broughtForward);
        QFETCH(QString, carriedForward);
        QFETCH(QString, breaches);
        const Clock::Fixed clock(QDateTime(today, QTime(12, 0)));
        const QString path = QStringLiteral(HOURFRAME_TEST_DATA "/report-example.hf");
        TTimeRecorder store;
        store.LoadFromFile(path);
        TReportSettings settings;
        settings.FirstDayOfWeek = 2;
        settings.ShowDeviationFromWeeklyTarget = true;
        settings.ReportShowBalance = !broughtForward.isEmpty();
        settings.Balance.StartDate = start.isNull() ? 0 : DayNumber::fromDate(start);
        settings.Balance.Opening = opening;
        if (!breaches.isEmpty()) {
            settings.Rules = TWorkingTimeRules::Of(TRuleSetId::Germany);
            settings.Rules.DailyRest = 16 * 60;
        }
        QString expected = ReportExampleAfterTitle();
        if (!breaches.isEmpty())
            expected.replace(u"30:45\n\nAverage"_s, u"30:45\n\n"_s + breaches + u"\n\nAverage"_s);
        if (settings.ReportShowBalance)
            expected.replace(u"\n\nAverage"_s,
                u"\n\nBalance brought forward   "_s + broughtForward + u"\nBalance carried forward   "_s
                    + carriedForward + u"\n\nAverage"_s);
        const QStringList lines = ReportLines(store, { day(2026, 11, 30), day(2026, 12, 6) }, settings);
        QCOMPARE(lines.join(u'\n'), u"Hourframe ["_s + path + u"]\n"_s + expected);
        QVERIFY(!store.Modified());
    }

    // In every language the heading's words begin where the English ones
    // do, over the columns of their values.
    void translatedHeadingsStandOverTheirColumns_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << u"de"_s;
        QTest::newRow("French") << u"fr"_s;
    }

    void translatedHeadingsStandOverTheirColumns()
    {
        QFETCH(QString, language);
        TTimeRecorder store;
        store.LoadFromFile(QStringLiteral(HOURFRAME_TEST_DATA "/report-example.hf"));
        TReportSettings settings;
        settings.FirstDayOfWeek = 2;
        settings.ShowExtraHours = true;
        settings.ShowDeviationFromWeeklyTarget = true;
        const TPeriod period { day(2026, 11, 30), day(2026, 12, 6) };
        const QStringList english = ReportLines(store, period, settings);
        QStringList translated;
        {
            const TestSupport::Language translation(language);
            translated = ReportLines(store, period, settings);
        }
        const auto starts = [](const QString &heading) {
            QList<qsizetype> columns;
            for (qsizetype i = 0; i < heading.size(); ++i)
                if (heading[i] != u' ' && (i == 0 || heading[i - 1] == u' '))
                    columns << i;
            return columns;
        };
        QVERIFY(translated.at(4) != english.at(4));
        QCOMPARE(starts(translated.at(4)), starts(english.at(4)));
        QCOMPARE(translated.mid(5, 5), english.mid(5, 5)); // the days themselves
    }

    void edgeCases_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<TReportSettings>("settings");
        QTest::addColumn<QStringList>("lines"); // after the title

        TReportSettings mondayWeeks;
        mondayWeeks.FirstDayOfWeek = 2;
        const QString heading = u"Date         Day   Arrive    Depart    "_s;

        TReportSettings noBlankDays = mondayWeeks;
        noBlankDays.ReportWorkDaysWithNoHours = false;
        QTest::newRow("no day listed")
            << QByteArray() << QDate(2026, 11, 30) << QDate(2026, 12, 6) << noBlankDays
            << QStringList { heading + u"Lunch    Hours    Weekly"_s, QString(),
                   u"Total hours for period    "_s + blanks(5), QString() };

        TReportSettings noLunch = noBlankDays;
        noLunch.ShowLunchTime = false;
        QTest::newRow("lunch alone, arrival alone")
            << QByteArray("30/11/2026,,,:30\r\n1/12/2026,9:,,,1:\r\n") << QDate(2026, 11, 30)
            << QDate(2026, 12, 6) << noLunch
            << QStringList { heading + u"Extra     Hours    Weekly"_s, u"30/11/2026   Mon"_s,
                   u"01/12/2026   Tue   09:00               01:00     01:00"_s, blanks(58) + u"01:00"_s,
                   QString(), u"Total hours for period    01:00"_s, QString(),
                   u"Average daily hours       00:30"_s, u"Average weekly hours      01:00"_s };

        TReportSettings exactTarget = noBlankDays;
        exactTarget.ShowDeviationFromWeeklyTarget = true;
        exactTarget.Targets = TTargets(TTargetSet { TTargetSet().Days, 510 });
        QTest::newRow("night shift, long lunch, target met")
            << QByteArray("30/11/2026,22:,6:\r\n1/12/2026,9:,10:,1:30,:30\r\n") << QDate(2026, 11, 30)
            << QDate(2026, 12, 6) << exactTarget
            << QStringList { heading + u"Lunch    Extra     Hours    Weekly   Deviation"_s,
                   u"30/11/2026   Mon   22:00     06:00"_s + blanks(24) + u"08:00"_s,
                   u"01/12/2026   Tue   09:00     10:00     01:30    00:30     00:30"_s,
                   blanks(67) + u"08:30"_s, QString(), u"Total hours for period    08:30"_s, QString(),
                   u"Average daily hours       04:15"_s, u"Average weekly hours      08:30"_s };

        TReportSettings holidaysApart = mondayWeeks;
        holidaysApart.IncludeHolsInTotal = false;
        QTest::newRow("holiday not worked, period ends mid-week")
            << QByteArray("30/11/2026,,,,,7:\r\n1/12/2026,8:,16:\r\n") << QDate(2026, 11, 30)
            << QDate(2026, 12, 3) << holidaysApart
            << QStringList { heading + u"Lunch    Holiday   Hours    Weekly"_s,
                   u"30/11/2026   Mon"_s + blanks(32) + u"07:00"_s,
                   u"01/12/2026   Tue   08:00     16:00"_s + blanks(24) + u"08:00"_s, u"02/12/2026   Wed"_s,
                   u"03/12/2026   Thu"_s, QString(), u"Total holidays for period 07:00"_s,
                   u"Total hours for period    08:00"_s, QString(), u"Average daily hours       08:00"_s };

        TReportSettings quiet = noBlankDays;
        quiet.ReportCalculateTotalHours = false;
        quiet.ReportCalculateAverageHours = false;
        // A week that ends on an unlisted day has its subtotal under Weekly
        // whichever columns are shown.
        TReportSettings everyColumn = quiet;
        everyColumn.ShowExtraHours = everyColumn.ShowHols = true;
        everyColumn.IncludeHolsInTotal = false;
        QTest::newRow("every column, week ends unlisted")
            << QByteArray("30/11/2026,8:,16:,,1:,2:\r\n") << QDate(2026, 11, 30) << QDate(2026, 12, 6)
            << everyColumn
            << QStringList { heading + u"Lunch    Extra     Holiday   Hours    Weekly"_s,
                   u"30/11/2026   Mon   08:00     16:00"_s + blanks(14) + u"01:00     02:00     09:00"_s,
                   blanks(77) + u"09:00"_s };
        QTest::newRow("totals beyond 32 bits")
            << QByteArray("30/11/2026,,,,33333333:20\r\n1/12/2026,,,,33333333:20\r\n") << QDate(2026, 11, 30)
            << QDate(2026, 12, 6) << quiet
            << QStringList { heading + u"Lunch    Extra     Hours    Weekly"_s,
                   u"30/11/2026   Mon"_s + blanks(32) + u"33333333:20     33333333:20"_s,
                   u"01/12/2026   Tue"_s + blanks(32) + u"33333333:20     33333333:20"_s,
                   blanks(67) + u"66666666:40"_s };
    }

    void edgeCases()
    {
        QFETCH(QByteArray, file);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(TReportSettings, settings);
        QFETCH(QStringList, lines);
        TTimeRecorder store;
        TestSupport::load(store, file);
        const QStringList report
            = ReportLines(store, { DayNumber::fromDate(start), DayNumber::fromDate(end) }, settings);
        const QStringList title { u"Hourframe [Untitled]"_s, QString(),
            u"Report from "_s + start.toString(u"dd/MM/yyyy"_s) + u" to "_s + end.toString(u"dd/MM/yyyy"_s),
            QString() };
        QCOMPARE(report, title + lines);
    }

    // The Christmas week of the Berlin calendar: Thursday 24, Friday 25 and
    // Saturday 26 December are public holidays; Tuesday is a day of vacation
    // and Wednesday half of one.
    void publicHolidaysAndVacation()
    {
        const Clock::Fixed clock(QDateTime(QDate(2026, 12, 28), QTime(12, 0)));
        TTimeRecorder store;
        TestSupport::load(store,
            "21/12/2026,8:,16:\r\n22/12/2026,,,,,7:30\r\n23/12/2026,,,,,3:45\r\n"
            "24/12/2026,,,,,,\"Office party\"\r\n");
        TReportSettings settings;
        settings.FirstDayOfWeek = 2;
        settings.ShowDeviationFromWeeklyTarget = true;
        settings.ReportShowBalance = true;
        settings.Targets.Holidays
            = THolidayCalendar::FromFile(QStringLiteral(HOURFRAME_TEST_DATA "/holidays-timezone.ics"));
        settings.Balance.Targets = settings.Targets;
        settings.Balance.StartDate = day(2026, 12, 21);
        settings.Vacation = { 25, 2 };
        const QStringList lines = ReportLines(store, { day(2026, 12, 21), day(2026, 12, 27) }, settings);
        const auto lineOf = [&](const QString &start) {
            const QStringList found = lines.filter(QRegularExpression(u"^"_s + start));
            return found.size() == 1 ? found.first() : QString();
        };
        QVERIFY(lineOf(u"24/12/2026"_s).endsWith(u"   Office party"_s));
        QVERIFY(lineOf(u"25/12/2026"_s).endsWith(u"   Weihnachten"_s));
        QCOMPARE(lineOf(u"26/12/2026"_s), QString());
        // 8:00 and 11:15 of holiday against 37:00 less Thursday's 7:30 and Friday's 7:00.
        QVERIFY(lineOf(u" {67}"_s).endsWith(u"19:15      -03:15"_s));
        const QStringList block { u"Balance brought forward   0:00"_s, u"Balance carried forward   -3:15"_s,
            u"Vacation taken in 2026    1.5 days"_s, u"Vacation left in 2026     25.5 days"_s };
        QCOMPARE(lines.mid(lines.indexOf(block.first()), 4), block);
    }

    // Dates and day names of any width keep the columns under their
    // headings: each date is padded to the widest of the report, each day
    // name to the widest of the week.
    void columnsLineUp_data()
    {
        QTest::addColumn<Regional::Settings>("regional");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QStringList>("lines"); // heading and days

        const QString times = u"08:00     16:00"_s + blanks(14) + u"08:00"_s;
        // A week's subtotal on a day not listed stands under Weekly.
        const auto subtotal = [](const QString &heading) -> QString {
            return blanks(heading.indexOf(u"Weekly"_s)) + u"08:00"_s;
        };
        QTest::newRow("one-digit day and month")
            << TestSupport::withDateFormat(u'/', u"d/M/yyyy"_s) << QDate(2026, 1, 1) << QDate(2026, 1, 1)
            << QStringList { u"Date         Day   Arrive    Depart    Lunch    Hours    Weekly"_s,
                   u"1/1/2026     Thu   "_s + times };
        QTest::newRow("month names, a month")
            << TestSupport::withDateFormat(u' ', u"d MMM yyyy"_s) << QDate(2026, 11, 1) << QDate(2026, 11, 10)
            << QStringList { u"Date          Day   Arrive    Depart    Lunch    Hours    Weekly"_s,
                   u"2 Nov 2026    Mon   "_s + times,
                   subtotal(u"Date          Day   Arrive    Depart    Lunch    Hours    Weekly"_s),
                   u"10 Nov 2026   Tue   "_s + times };
        QTest::newRow("two-digit year")
            << TestSupport::withDateFormat(u'.', u"dd.MM.yy"_s) << QDate(2026, 11, 2) << QDate(2026, 11, 8)
            << QStringList { u"Date       Day   Arrive    Depart    Lunch    Hours    Weekly"_s,
                   u"02.11.26   Mon   "_s + times,
                   subtotal(u"Date       Day   Arrive    Depart    Lunch    Hours    Weekly"_s) };
        Regional::Settings french = TestSupport::englishSettings();
        french.shortDayNames
            = QStringList { u"dim."_s, u"lun."_s, u"mar."_s, u"mer."_s, u"jeu."_s, u"ven."_s, u"sam."_s };
        QTest::newRow("four-letter day names")
            << french << QDate(2026, 11, 2) << QDate(2026, 11, 8)
            << QStringList { u"Date         Day    Arrive    Depart    Lunch    Hours    Weekly"_s,
                   u"02/11/2026   lun.   "_s + times,
                   subtotal(u"Date         Day    Arrive    Depart    Lunch    Hours    Weekly"_s) };
    }

    void columnsLineUp()
    {
        QFETCH(Regional::Settings, regional);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QStringList, lines);
        const Regional::Override override(regional);
        TTimeRecorder store;
        for (const QDate date : { QDate(2026, 1, 1), QDate(2026, 11, 2), QDate(2026, 11, 10) }) {
            store.SetArrive(DayNumber::fromDate(date), 480);
            store.SetDepart(DayNumber::fromDate(date), 960);
        }
        TReportSettings settings;
        settings.FirstDayOfWeek = 2;
        settings.ReportWorkDaysWithNoHours = false;
        settings.ReportCalculateTotalHours = false;
        settings.ReportCalculateAverageHours = false;
        const QStringList report
            = ReportLines(store, { DayNumber::fromDate(start), DayNumber::fromDate(end) }, settings);
        QCOMPARE(report.mid(4), lines);
    }
};

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_ReportText.moc"
