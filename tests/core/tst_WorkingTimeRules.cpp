#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "core/WorkingTimeRules.h"
#include "support/TestSupport.h"

#include <QTest>

#include <list>

using namespace Qt::StringLiterals;

namespace {

// Monday 30 November 2026; weeks begin on Monday.
const int Base = TestSupport::day(2026, 11, 30);

int minutes(const QString &text)
{
    return int(ParseTimeText(text, tkInterval).value);
}

// Days separated by "; ", each "OFFSET [ARRIVE-DEPART] [/LUNCH] [+EXTRA]
// [hHOLIDAY]" with the offset in days from Base; or "weeks FIRST-LAST +EXTRA",
// that extra on Monday to Saturday of those weeks. A later day changes what
// an earlier one set.
void fill(TTimeRecorder &store, const QString &days)
{
    for (const QString &day : days.split(u"; "_s)) {
        const QStringList words = day.split(u' ');
        if (words[0] == u"weeks") {
            for (int week = words[1].section(u'-', 0, 0).toInt(); week <= words[1].section(u'-', 1).toInt();
                 ++week)
                for (int offset = 0; offset < 6; ++offset)
                    store.SetExtra(Base + 7 * week + offset, minutes(words[2].sliced(1)));
            continue;
        }
        const int date = Base + words[0].toInt();
        for (const QString &word : words.mid(1)) {
            if (word.startsWith(u'/'))
                store.SetLunch(date, minutes(word.sliced(1)));
            else if (word.startsWith(u'+'))
                store.SetExtra(date, minutes(word.sliced(1)));
            else if (word.startsWith(u'h'))
                store.SetHoliday(date, minutes(word.sliced(1)));
            else {
                store.SetArrive(date, ParseTimeText(word.section(u'-', 0, 0), tkTimeOfDay).value);
                store.SetDepart(date, ParseTimeText(word.section(u'-', 1, 1), tkTimeOfDay).value);
            }
        }
    }
}

// The breaches of the days Base to Base + lastOffset, "OFFSET TEXT" each, joined by "; ".
QString breaches(const TTimeRecorder &store, TRuleSetId set, int lastOffset)
{
    QStringList lines;
    for (const TBreach &breach :
        Breaches(store, TWorkingTimeRules::Of(set), Base, Base + lastOffset, DayNumber::Monday))
        lines << QString::number(breach.Date - Base) + u' ' + BreachText(breach);
    return lines.join(u"; "_s);
}

constexpr TRuleSetId Eu = TRuleSetId::Eu, De = TRuleSetId::Germany, Fr = TRuleSetId::France;

struct Case {
    const char *name;
    std::initializer_list<TRuleSetId> sets;
    const char *days;
    const char *expected;
};

void addRows(std::initializer_list<Case> cases)
{
    QTest::addColumn<int>("set"); // a TRuleSetId
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("expected");
    const char *const codes[] = { "off", "eu", "de", "fr" };
    for (const Case &c : cases)
        for (const TRuleSetId set : c.sets)
            QTest::addRow("%s: %s", codes[int(set)], c.name)
                << int(set) << QString::fromUtf8(c.days) << QString::fromUtf8(c.expected);
}

} // namespace

class TestWorkingTimeRules : public QObject {
    Q_OBJECT

    Regional::Override regional { TestSupport::englishSettings() };

    void check(int lastOffset)
    {
        QFETCH(int, set);
        QFETCH(QString, days);
        QFETCH(QString, expected);
        TTimeRecorder store;
        fill(store, days);
        QCOMPARE(breaches(store, TRuleSetId(set), lastOffset), expected);
    }

private Q_SLOTS:
    // The rules of one day and of the rest between two.
    void days_data()
    {
        const char *const rest1059 = "1 Rest 10:59 before this day, 11:00 required";
        addRows({
            { "rest 10:59 across midnight", { Eu, De, Fr }, "0 14:00-22:00 /0:30; 1 08:59-12:00", rest1059 },
            { "rest 11:00 across midnight", { Eu, De, Fr }, "0 14:00-22:00 /0:30; 1 09:00-12:00", "" },
            { "rest 10:59 after a night shift", { Eu, De, Fr }, "0 22:00-06:00 /0:30; 1 16:59-20:00",
                rest1059 },
            { "rest 11:00 after a night shift", { Eu, De, Fr }, "0 22:00-06:00 /0:30; 1 17:00-20:00", "" },
            { "extra hours move no rest", { Eu, De, Fr }, "0 14:00-22:00 /0:30; 1 +3:00; 2 08:00-12:00", "" },
            { "9:01 present with 0:30 is 8:31 of work", { Eu, De, Fr }, "0 07:43-16:44 /0:30", "" },
            { "holiday hours are no work", { Eu, De, Fr }, "0 08:00-17:45 /0:45 h2:00", "" },
            // Breaks by the work: beyond 6:00 and 9:00 in Germany, from 6:00 in France.
            { "6:00 without a break", { Eu, De }, "0 08:00-14:00", "" },
            { "6:00 without a break", { Fr }, "0 08:00-14:00",
                "0 Break 0:00 on 6:00 of work, 0:20 required" },
            { "5:59 without a break", { Fr }, "0 08:00-13:59", "" },
            { "6:01 without a break", { Eu }, "0 08:00-14:01",
                "0 Break 0:00 on 6:01 of work, 0:15 required" },
            { "6:01 with 0:29", { De }, "0 08:00-14:30 /0:29",
                "0 Break 0:29 on 6:01 of work, 0:30 required" },
            { "6:01 with 0:30", { De }, "0 08:00-14:31 /0:30", "" },
            { "6:00 with 0:20", { Fr }, "0 08:00-14:20 /0:20", "" },
            { "9:00 with 0:30", { De }, "0 08:00-17:30 /0:30", "" },
            { "9:01 with 0:44", { De }, "0 08:00-17:45 /0:44",
                "0 Break 0:44 on 9:01 of work, 0:45 required" },
            { "9:01 with 0:45", { De }, "0 08:00-17:46 /0:45", "" },
            { "9:01 with 0:30", { De }, "0 07:30-17:01 /0:30",
                "0 Break 0:30 on 9:01 of work, 0:45 required" },
            { "9:01 with 0:15", { Eu }, "0 08:00-17:16 /0:15", "" },
            { "9:01 with 0:29", { Fr }, "0 08:00-17:30 /0:29", "" },
            // At most 10:00 of work a day, extra hours included.
            { "10:00 in a day", { De, Fr }, "0 08:00-18:45 /0:45", "" },
            { "10:01 in a day", { De, Fr }, "0 08:00-18:46 /0:45",
                "0 Work 10:01 on this day, 10:00 at most" },
            { "10:01 with extra", { De, Fr }, "0 08:00-17:45 /0:45 +1:01",
                "0 Work 10:01 on this day, 10:00 at most" },
            { "10:01 of a night shift", { De, Fr }, "0 21:00-07:46 /0:45",
                "0 Work 10:01 on this day, 10:00 at most" },
            { "no daily maximum", { Eu }, "0 07:00-19:00 /1:00", "" },
        });
    }
    void days() { check(6); }

    // The weekly rules over their reference periods. Extra hours carry the
    // work of the maximums: they have no times and break no daily rule.
    void weeks_data()
    {
        const char *const sixDays = "0 08:00-16:00 /0:30; 1 08:00-16:00 /0:30; 2 08:00-16:00 /0:30; "
                                    "3 08:00-16:00 /0:30; 4 08:00-16:00 /0:30; 5 08:00-16:00 /0:30";
        std::list<QByteArray> kept; // the texts of the rows, until they are added
        const auto days
            = [&](const char *more) { return kept.emplace_back(sixDays + "; "_ba + more).constData(); };
        const char *const short3459 = "6 Longest rest 34:59 in the week to this day, 35:00 required";
        const char *const short1600 = "6 Longest rest 16:00 in the week to this day, 35:00 required";
        addRows({
            { "48:00 over 17 weeks", { Eu }, "weeks 0-17 +8:00", "" },
            { "a minute more in the first of 17 weeks", { Eu }, "weeks 0-17 +8:00; 0 +8:01",
                "118 Work 48:01 a week on average over the 17 weeks to this day, 48:00 at most" },
            { "48:00 over 24 weeks", { De }, "weeks 0-24 +8:00", "" },
            { "a minute more in the first of 24 weeks", { De }, "weeks 0-24 +8:00; 0 +8:01",
                "167 Work 48:01 a week on average over the 24 weeks to this day, 48:00 at most" },
            { "a week without records counts as none", { De }, "weeks 1-23 +8:20", "" },
            { "48:00 in a week, 44:00 over 12 weeks", { Fr },
                "weeks 0-11 +7:20; weeks 0-0 +8:00; weeks 1-1 +6:40", "" },
            { "48:01 in a week", { Fr }, "weeks 0-0 +8:00; 0 +8:01",
                "6 Work 48:01 in the week to this day, 48:00 at most" },
            { "a minute more than 44:00 over 12 weeks", { Fr }, "weeks 0-12 +7:20; 0 +7:21",
                "83 Work 44:01 a week on average over the 12 weeks to this day, 44:00 at most" },
            // Weekly rest: 35:00 in each week.
            { "35:00 from Saturday into Monday", { Eu, De, Fr }, days("7 03:00-10:00 /0:30"), "" },
            { "34:59 from Saturday into Monday", { Eu, De, Fr }, days("7 02:59-10:00 /0:30"), short3459 },
            { "seven days of work", { Eu, De }, days("6 08:00-16:00 /0:30; 7 08:00-12:00"), short1600 },
            { "seven days of work", { Fr }, days("6 08:00-16:00 /0:30; 7 08:00-12:00"),
                "6 Longest rest 16:00 in the week to this day, 35:00 required; "
                "6 Work 52:30 in the week to this day, 48:00 at most" },
            { "rest from the week before", { Eu, De, Fr }, "6 08:00-16:00 /0:30; 7 08:00-12:00", "" },
        });
    }
    void weeks() { check(7 * 25); }

    // A day's breaches are the same whatever period asks for them.
    void periodEdges()
    {
        TTimeRecorder store;
        fill(store, u"weeks 0-2 +9:00; 13 22:00-06:00; 14 16:00-18:00"_s);
        const TWorkingTimeRules rules = TWorkingTimeRules::Of(TRuleSetId::France);
        const std::vector<TBreach> whole = Breaches(store, rules, Base, Base + 20, DayNumber::Monday);
        std::vector<TBreach> dayByDay;
        for (int date = Base; date <= Base + 20; ++date)
            for (const TBreach &breach : Breaches(store, rules, date, date, DayNumber::Monday))
                dayByDay.push_back(breach);
        QVERIFY(whole.size() >= 4);
        QVERIFY(dayByDay == whole);
    }
};

QTEST_GUILESS_MAIN(TestWorkingTimeRules)
#include "tst_WorkingTimeRules.moc"
