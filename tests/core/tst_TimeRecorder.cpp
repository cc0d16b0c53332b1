#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/TimeRecorder.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const int Dec1 = DayNumber::fromDate(QDate(2026, 12, 1));

// What a plain scan from the start finds: the reference for every lookup.
int scanFor(const TTimeRecorder &store, double date)
{
    for (int i = 0; i < store.Count(); ++i) {
        if (double(store.Record(i).Date) == date)
            return i;
    }
    return -1;
}

} // namespace

class TestTimeRecorder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_regional.emplace(TestSupport::englishSettings()); }
    void cleanup() { m_regional.reset(); }

    void missingDayReadsAsDefaults()
    {
        TTimeRecorder store;
        QCOMPARE(store.GetArrive(Dec1), -1);
        QCOMPARE(store.GetDepart(Dec1), -1);
        QCOMPARE(store.GetLunch(Dec1), 0);
        QCOMPARE(store.GetExtra(Dec1), 0);
        QCOMPARE(store.GetHoliday(Dec1), 0);
        QCOMPARE(store.GetComment(Dec1), QString());
        QCOMPARE(store.Count(), 0);
        QVERIFY(!store.HasDay(Dec1));
    }

    void settingDefaultCreatesDayWithoutChange()
    {
        TTimeRecorder store;
        QSignalSpy changes(&store, &TTimeRecorder::OnChange);
        store.SetArrive(Dec1, -1);
        store.SetLunch(Dec1 + 1, -1);
        store.SetComment(Dec1 + 2, QString());
        QCOMPARE(store.Count(), 3);
        QVERIFY(store.IsEmptyDay(0));
        QVERIFY(!store.Modified());
        QCOMPARE(changes.count(), 0);
    }

    void effectiveChangeMarksModifiedOnce()
    {
        TTimeRecorder store;
        QSignalSpy changes(&store, &TTimeRecorder::OnChange);
        store.SetArrive(Dec1, 510);
        QVERIFY(store.Modified());
        QCOMPARE(changes.count(), 1);
        store.SetArrive(Dec1, 510);
        QCOMPARE(changes.count(), 1);
        store.SetDepart(Dec1, 1020);
        store.SetExtra(Dec1, 90);
        store.SetHoliday(Dec1, 480);
        QCOMPARE(changes.count(), 4);
        QCOMPARE(store.Count(), 1);
        QCOMPARE(store.GetArrive(Dec1), 510);
        QCOMPARE(store.GetDepart(Dec1), 1020);
        QCOMPARE(store.GetExtra(Dec1), 90);
        QCOMPARE(store.GetHoliday(Dec1), 480);
    }

    void minusOneClearsIntervalsButNotTimes()
    {
        TTimeRecorder store;
        store.SetLunch(Dec1, 30);
        store.SetArrive(Dec1, 510);
        store.SetLunch(Dec1, -1);
        store.SetArrive(Dec1, -1);
        QCOMPARE(store.GetLunch(Dec1), 0);
        QCOMPARE(store.GetArrive(Dec1), -1);
        // Only -1 means "none"; another negative value is stored as given.
        store.SetExtra(Dec1, -30);
        QCOMPARE(store.GetExtra(Dec1), -30);
    }

    void commentInOtherCaseIsAChangeButNotNewHistory()
    {
        TTimeRecorder store;
        QSignalSpy changes(&store, &TTimeRecorder::OnChange);
        store.SetComment(Dec1, QStringLiteral("Day off"));
        store.SetComment(Dec1, QStringLiteral("DAY OFF"));
        QCOMPARE(changes.count(), 2);
        QCOMPARE(store.GetComment(Dec1), QStringLiteral("DAY OFF"));
        QCOMPARE(store.RecentComments(), QStringList { QStringLiteral("Day off") });
        store.SetComment(Dec1, QStringLiteral("DAY OFF"));
        QCOMPARE(changes.count(), 2);
    }

    void recentComments()
    {
        TTimeRecorder store;
        store.AddRecentComment(QStringLiteral("  Visit  "));
        store.AddRecentComment(QStringLiteral("Training"));
        store.AddRecentComment(QStringLiteral("  VISIT  "));
        store.AddRecentComment(QStringLiteral(" \t "));
        store.AddRecentComment(QString());
        // Case is ignored for A-Z only.
        store.AddRecentComment(QStringLiteral("Ärger"));
        store.AddRecentComment(QStringLiteral("ärger"));
        QCOMPARE(store.RecentComments(),
            (QStringList { QStringLiteral("ärger"), QStringLiteral("Ärger"), QStringLiteral("Training"),
                QStringLiteral("  Visit  ") }));
    }

    // The history keeps what the comment dialog can show, and behaves as if it
    // kept everything: an old comment added again does not come back to the top.
    void historyKeepsWhatCanBeShown()
    {
        TTimeRecorder store;
        const auto note = [](int i) { return QStringLiteral("Note %1").arg(i); };
        for (int i = 0; i < 1500; ++i)
            store.AddRecentComment(note(i));
        store.AddRecentComment(QStringLiteral("NOTE 3"));
        store.AddRecentComment(note(1400));
        const QStringList history = store.RecentComments();
        QCOMPARE(history.size(), TTimeRecorder::RecentCommentsShown);
        QCOMPARE(history.first(), note(1499));
        QCOMPARE(history.last(), note(1500 - TTimeRecorder::RecentCommentsShown));
        store.AddRecentComment(QStringLiteral("New"));
        QCOMPARE(store.RecentComments().first(), QStringLiteral("New"));
    }

    void blankCommentMakesEmptyDay()
    {
        TTimeRecorder store;
        store.SetComment(Dec1, QStringLiteral(" \t\r\n"));
        QVERIFY(store.Modified());
        QVERIFY(store.IsEmptyDay(0));
        QVERIFY(store.RecentComments().isEmpty());
        store.SetHoliday(Dec1, 480);
        QVERIFY(!store.IsEmptyDay(0));
    }

    void sameDateTwiceUsesFirst()
    {
        TTimeRecorder store;
        QCOMPARE(store.AddDay(Dec1), 0);
        QCOMPARE(store.AddDay(Dec1), 1);
        store.SetArrive(Dec1, 500);
        QCOMPARE(store.Record(0).Arrive, 500);
        QCOMPARE(store.Record(1).Arrive, -1);
        QCOMPARE(store.FindDay(Dec1), 0);
        // Also when an earlier day was appended after them.
        store.AddDay(Dec1 - 5);
        store.AddDay(Dec1 - 5);
        QCOMPARE(store.FindDay(Dec1 - 5), 2);
        QCOMPARE(store.FindDay(Dec1), 0);
    }

    void datesAreWholeDays()
    {
        TTimeRecorder store;
        QCOMPARE(store.Record(store.AddDay(100.5)).Date, 100);
        QCOMPARE(store.Record(store.AddDay(101.5)).Date, 102);
        QCOMPARE(store.Record(store.AddDay(-0.5)).Date, 0);
        QCOMPARE(store.FindDay(100.5), -1);
        QCOMPARE(store.FindDay(100), 0);
        QCOMPARE(store.FindDay(std::nan("")), -1);
        QCOMPARE(store.FindDay(1e12), -1);
        // A time-of-day part never finds a day, so the setter adds another record.
        store.SetArrive(100.25, 60);
        QCOMPARE(store.Count(), 4);
        QCOMPARE(store.GetArrive(100), -1);
        QVERIFY_THROWS_EXCEPTION(RangeError, store.AddDay(1e12));
        QVERIFY_THROWS_EXCEPTION(RangeError, store.AddDay(std::numeric_limits<double>::infinity()));
        QVERIFY_THROWS_EXCEPTION(RangeError, store.Record(store.Count()));
        QVERIFY_THROWS_EXCEPTION(RangeError, store.IsEmptyDay(-1));
    }

    // The lookup takes short cuts; whatever the order of additions, sorts and
    // replacements, it must find exactly what a scan from the start finds.
    void findDayMatchesScan()
    {
        QRandomGenerator random(20261201);
        TTimeRecorder store;
        for (int round = 0; round < 6; ++round) {
            for (int i = 0; i < 300; ++i) {
                const int day = Dec1 + random.bounded(-200, 200);
                if (random.bounded(3) == 0)
                    store.AddDay(day);
                else
                    store.SetArrive(day, random.bounded(1440));
            }
            if (round % 2 == 1)
                store.SortByDate();
            if (round == 4) {
                // Records put in place of all others, as a merge or a reload does, in any order.
                QList<DayRecord> records = store.Records();
                std::shuffle(records.begin(), records.end(), random);
                store.ReplaceRecords(records);
            }
            for (int day = Dec1 - 210; day <= Dec1 + 210; ++day)
                QCOMPARE(store.FindDay(day), scanFor(store, day));
            // A period visits what the scan finds for each of its days, in order of date.
            for (int period = 0; period < 20; ++period) {
                const int first = Dec1 + random.bounded(-210, 210);
                const int last = first + random.bounded(0, 60);
                QList<qsizetype> expected;
                for (int day = first; day <= last; ++day) {
                    if (const int index = scanFor(store, day); index >= 0)
                        expected.append(index);
                }
                QList<qsizetype> visited;
                store.VisitDays(first, last,
                    [&](const DayRecord &record) { visited.append(&record - store.Records().constData()); });
                QCOMPARE(visited, expected);
            }
        }
    }

    void sortIsStable()
    {
        TTimeRecorder store;
        // Of two records with one date only the first can be tagged.
        store.SetComment(Dec1 + 2, QStringLiteral("a"));
        store.AddDay(Dec1 + 2);
        store.SetComment(Dec1, QStringLiteral("b"));
        store.AddDay(Dec1);
        store.SetComment(Dec1 + 1, QStringLiteral("c"));
        store.SortByDate();
        const QStringList expected { QStringLiteral("b"), QString(), QStringLiteral("c"), QStringLiteral("a"),
            QString() };
        QStringList comments;
        for (int i = 0; i < store.Count(); ++i)
            comments << store.Record(i).Comment;
        QCOMPARE(comments, expected);
        QCOMPARE(store.FindDay(Dec1 + 2), 3);
        QCOMPARE(store.GetComment(Dec1), QStringLiteral("b"));
    }

    void clearKeepsModified()
    {
        TTimeRecorder store;
        store.SetComment(Dec1, QStringLiteral("Day off"));
        QSignalSpy changes(&store, &TTimeRecorder::OnChange);
        store.Clear();
        QCOMPARE(store.Count(), 0);
        QVERIFY(store.Modified());
        QVERIFY(store.RecentComments().isEmpty());
        QCOMPARE(store.FileName(), QString());
        QCOMPARE(store.EarliestDate(), 0.0);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(store.GetComment(Dec1), QString());
        // The history starts afresh.
        store.AddRecentComment(QStringLiteral("day off"));
        QCOMPARE(store.RecentComments(), QStringList { QStringLiteral("day off") });
    }

    void markModified()
    {
        TTimeRecorder store;
        QSignalSpy changes(&store, &TTimeRecorder::OnChange);
        store.MarkModified();
        QVERIFY(store.Modified());
        QCOMPARE(changes.count(), 1);
    }

private:
    std::optional<Regional::Override> m_regional;
};

QTEST_GUILESS_MAIN(TestTimeRecorder)
#include "tst_TimeRecorder.moc"
