#include "chart/ChartData.h"
#include "core/Balance.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "report/ReportText.h"
#include "support/TestSupport.h"

#include <QTest>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::day;

// Workdays with times and lunches, some extra hours, whole holidays, now and
// then a Saturday; nothing after the last day.
void fill(TTimeRecorder &store, int first, int last)
{
    for (int d = first; d <= last; ++d) {
        if (d % 17 == 0 && !DayNumber::isWeekend(d)) {
            store.SetHoliday(d, 450);
        } else if (!DayNumber::isWeekend(d) || d % 29 == 0) {
            store.SetArrive(d, 450 + d % 60);
            store.SetDepart(d, 960 + d % 75);
            store.SetLunch(d, d % 3 == 0 ? 0 : 30);
            store.SetExtra(d, d % 11 == 0 ? 90 : 0);
        }
    }
}

// The week sums of the report's subtotal lines, read from the Weekly column.
QList<qint64> subtotals(const QStringList &lines)
{
    QList<qint64> sums;
    const qsizetype heading = lines.indexOf(lines.filter(u"Weekly"_s).value(0));
    const qsizetype column = lines.value(heading).indexOf(u"Weekly"_s);
    for (qsizetype i = heading + 1; i < lines.size() && !lines[i].isEmpty(); ++i) {
        const QStringList parts = lines[i].mid(column - 2, 9).trimmed().split(u':');
        if (parts.size() == 2)
            sums << parts[0].toLongLong() * 60 + parts[1].toLongLong();
    }
    return sums;
}

} // namespace

// Today is Monday 7 December 2026.
class TestChartData : public QObject {
    Q_OBJECT

    Regional::Override regional { TestSupport::englishSettings() };
    Clock::Fixed clock { QDateTime(QDate(2026, 12, 7), QTime(12, 0)) };

private Q_SLOTS:
    // The chart shows what the report and the balance ledger count, week by
    // week or month by month.
    void sameAsReportAndLedger_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<bool>("holidaysWorked");
        QTest::addColumn<bool>("showColumns"); // extra and holidays shown by the settings
        QTest::addColumn<QDate>("balanceStart"); // null: from the first day with data
        QTest::addColumn<bool>("months");

        const QDate none;
        QTest::newRow("a year, Sunday weeks")
            << QDate(2025, 12, 28) << QDate(2027, 1, 2) << 1 << true << false << none << false;
        QTest::newRow("Monday weeks, holidays not worked")
            << QDate(2026, 1, 5) << QDate(2026, 12, 27) << 2 << false << true << none << false;
        QTest::newRow("part weeks at both ends")
            << QDate(2026, 3, 4) << QDate(2026, 9, 17) << 2 << true << true << none << false;
        QTest::newRow("balance from mid-period")
            << QDate(2026, 1, 4) << QDate(2026, 7, 4) << 1 << true << false << QDate(2026, 3, 11) << false;
        QTest::newRow("ten years by month")
            << QDate(2016, 12, 25) << QDate(2026, 12, 26) << 1 << true << true << none << true;
    }

    void sameAsReportAndLedger()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, firstDayOfWeek);
        QFETCH(bool, holidaysWorked);
        QFETCH(bool, showColumns);
        QFETCH(QDate, balanceStart);
        QFETCH(bool, months);

        TTimeRecorder store;
        fill(store, day(2016, 1, 4), day(2026, 12, 11));
        TReportSettings settings;
        settings.FirstDayOfWeek = firstDayOfWeek;
        settings.IncludeHolsInTotal = holidaysWorked;
        settings.ShowExtraHours = settings.ShowHols = showColumns;
        settings.Balance.IncludeHolsInTotal = holidaysWorked;
        settings.Balance.StartDate = balanceStart.isNull() ? 0 : DayNumber::fromDate(balanceStart);
        const TPeriod period { DayNumber::fromDate(from), DayNumber::fromDate(to) };

        const TChartData chart = ChartData(store, period, settings);
        const TReportWeeks report = ReportWeeks(store, period, settings);
        const std::vector<TBalanceWeek> ledger
            = BalanceLedger(store, settings.Balance, period.EndDate, firstDayOfWeek);
        std::map<int, TBalanceWeek> ledgerWeeks;
        for (const TBalanceWeek &week : ledger)
            ledgerWeeks[week.WeekStart] = week;

        QCOMPARE(chart.Months, months);
        QCOMPARE(chart.ExtraShown, report.ExtraColumn);
        QCOMPARE(chart.HolidaysShown, report.HolidayColumn && holidaysWorked);
        // The subtotal lines of the report text are the weeks that have one;
        // a sum of 0 is blanks there.
        QList<qint64> withSubtotal;
        for (const TReportWeek &week : report.Weeks) {
            if (week.Subtotal && week.Hours != 0)
                withSubtotal << week.Hours;
        }
        QCOMPARE(subtotals(ReportLines(store, period, settings)), withSubtotal);

        std::size_t week = 0;
        for (const TChartRecord &record : chart.Records) {
            TChartRecord sum;
            std::optional<qint64> balance;
            for (int weeks = 0; weeks < record.Weeks; ++weeks, ++week) {
                const TReportWeek &reported = report.Weeks.at(week);
                sum.Hours += reported.Hours;
                sum.Extra += chart.ExtraShown ? reported.Extra : 0;
                sum.Holidays += chart.HolidaysShown ? reported.Holidays : 0;
                sum.Target += reported.Target;
                const auto line = ledgerWeeks.find(DayNumber::weekStartOf(reported.First, firstDayOfWeek));
                if (line == ledgerWeeks.end())
                    continue;
                balance = line->second.Balance;
                // The ledger counts whole weeks from the start to today as the report does.
                const bool whole = reported.Last - reported.First == 6
                    && reported.First >= ledger.front().WeekStart
                    && (balanceStart.isNull() || reported.First > DayNumber::fromDate(balanceStart))
                    && reported.Last < DayNumber::today();
                if (whole)
                    QCOMPARE(line->second.Worked, reported.Hours);
            }
            QCOMPARE(record.Hours, sum.Hours);
            QCOMPARE(record.Extra, sum.Extra);
            QCOMPARE(record.Holidays, sum.Holidays);
            QCOMPARE(record.Target, sum.Target);
            QCOMPARE(record.Balance, balance);
        }
        QCOMPARE(week, report.Weeks.size());
        // The last balance is the balance as of the end, or as of today when that comes first.
        const auto last = std::find_if(chart.Records.rbegin(), chart.Records.rend(),
            [](const TChartRecord &record) { return record.Balance.has_value(); });
        QVERIFY(last != chart.Records.rend());
        QCOMPARE(last->Balance, Balance(store, settings.Balance, period.EndDate));
    }

    void axes_data()
    {
        QTest::addColumn<double>("hours");
        QTest::addColumn<double>("balanceMin");
        QTest::addColumn<double>("balanceMax");
        QTest::addColumn<QList<double>>("expected"); // hours min, max, balance min, max, ticks

        QTest::newRow("no balance") << 42.0 << 0.0 << 0.0 << QList<double> { 0, 50, 0, 5, 6 };
        QTest::newRow("balance above") << 42.0 << 0.0 << 310.0 << QList<double> { 0, 50, 0, 500, 6 };
        QTest::newRow("balance below and above")
            << 38.0 << -45.0 << 12.0 << QList<double> { -30, 40, -60, 80, 8 };
        QTest::newRow("balance below only") << 0.5 << -3.0 << 0.0 << QList<double> { -4, 1, -4, 1, 6 };
        QTest::newRow("nothing at all") << 0.0 << 0.0 << 0.0 << QList<double> { 0, 1, 0, 1, 2 };
    }

    void axes()
    {
        QFETCH(double, hours);
        QFETCH(double, balanceMin);
        QFETCH(double, balanceMax);
        QFETCH(QList<double>, expected);

        const TChartAxes axes = ChartAxes(hours, balanceMin, balanceMax);
        QCOMPARE((QList<double> {
                     axes.HoursMin, axes.HoursMax, axes.BalanceMin, axes.BalanceMax, double(axes.Ticks) }),
            expected);
    }

    void axisLabels_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("maxLabels");
        QTest::addColumn<QList<int>>("records");
        QTest::addColumn<QString>("firstLabel");

        const QDate start(2025, 12, 28);
        QTest::newRow("every week") << start << QDate(2026, 2, 28) << 20
                                    << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8 } << u"28/12/2025"_s;
        QTest::newRow("every 8 weeks")
            << start << QDate(2027, 1, 2) << 8 << QList<int> { 0, 8, 16, 24, 32, 40, 48 } << u"28/12/2025"_s;
        QTest::newRow("no room") << start << QDate(2027, 1, 2) << 0 << QList<int> {} << QString();
        // The first record is December 2016, so Januaries are the second on.
        QTest::newRow("every year from January")
            << QDate(2016, 12, 25) << QDate(2026, 12, 26) << 11
            << QList<int> { 1, 13, 25, 37, 49, 61, 73, 85, 97, 109 } << u"Jan 2017"_s;
        QTest::newRow("every two years") << QDate(2016, 12, 25) << QDate(2026, 12, 26) << 6
                                         << QList<int> { 13, 37, 61, 85, 109 } << u"Jan 2018"_s;
    }

    void axisLabels()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, maxLabels);
        QFETCH(QList<int>, records);
        QFETCH(QString, firstLabel);

        TTimeRecorder store;
        const TChartData chart
            = ChartData(store, { DayNumber::fromDate(from), DayNumber::fromDate(to) }, TReportSettings());
        QList<int> labelled;
        for (const auto &[index, text] : ChartAxisLabels(chart, maxLabels))
            labelled << int(index);
        QCOMPARE(labelled, records);
        QCOMPARE(ChartAxisLabels(chart, maxLabels).empty() ? QString()
                                                           : ChartAxisLabels(chart, maxLabels)[0].second,
            firstLabel);
    }

    void recordText_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");

        // 41:30 worked from 29 November, of which 1:30 extra and 7:30
        // holidays; the balance starts that day with 18:45.
        QTest::newRow("week") << QDate(2026, 11, 1) << QDate(2026, 12, 12) << 4
                              << u"29/11/2026 to 05/12/2026\nHours: 41:30\nof which extra: 1:30\n"
                                 "of which holidays: 7:30\nTarget: 37:00\nBalance: +23:15"_s;
        QTest::newRow("week after today")
            << QDate(2026, 11, 1) << QDate(2026, 12, 19) << 6
            << u"13/12/2026 to 19/12/2026\nHours: 0:00\nof which extra: 0:00\nof which holidays: 0:00\n"
               "Target: 37:00\nBalance: not counted"_s;
        // Four weeks; halves of a minute go to the even minute. The balance
        // is as of today, in the second week.
        QTest::newRow("month")
            << QDate(2016, 12, 25) << QDate(2026, 12, 26) << 120
            << u"December 2026 (29/11/2026 to 26/12/2026)\nHours: 10:22 a week (41:30 in all)\n"
               "of which extra: 0:22\nof which holidays: 1:52\nTarget: 37:00\nBalance: +23:15"_s;
    }

    void recordText()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, index);
        QFETCH(QString, text);

        TTimeRecorder store;
        TestSupport::load(store,
            "30/11/2026,8:,17:,:30\r\n1/12/2026,8:,18:,:30,1:30\r\n2/12/2026,,,,,7:30\r\n"
            "3/12/2026,8:,16:\r\n4/12/2026,8:,14:30\r\n"_ba);
        TReportSettings settings;
        settings.Balance.StartDate = day(2026, 11, 29);
        settings.Balance.Opening = 1125;
        const TChartData chart
            = ChartData(store, { DayNumber::fromDate(from), DayNumber::fromDate(to) }, settings);
        QCOMPARE(ChartRecordText(chart, std::size_t(index)), text);
    }
};

QTEST_GUILESS_MAIN(TestChartData)
#include "tst_ChartData.moc"
