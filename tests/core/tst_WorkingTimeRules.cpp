#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "core/WorkingTimeRules.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Monday 30 November 2026; weeks begin on Monday.
const int Base = TestSupport::day(2026, 11, 30);

int minutes(QStringView text)
{
    return int(ParseTimeText(text.toString(), tkInterval).value);
}

// Days written as "OFFSET [ARRIVE-DEPART] [/LUNCH] [+EXTRA] [hHOLIDAY]", the
// offset in days from Base; or "weeks FIRST-LAST +EXTRA", that extra on
// Monday to Saturday of those weeks. A later line changes what an earlier set.
void fill(TTimeRecorder &store, const QStringList &days)
{
    for (const QString &line : days) {
        const QStringList words = line.split(u' ');
        if (words[0] == u"weeks") {
            const QStringList range = words[1].split(u'-');
            for (int week = range[0].toInt(); week <= range[1].toInt(); ++week)
                for (int day = 0; day < 6; ++day)
                    store.SetExtra(Base + 7 * week + day, minutes(QStringView(words[2]).sliced(1)));
            continue;
        }
        const int date = Base + words[0].toInt();
        for (const QString &word : words.mid(1)) {
            const QStringView rest = QStringView(word).sliced(1);
            if (word.startsWith(u'/'))
                store.SetLunch(date, minutes(rest));
            else if (word.startsWith(u'+'))
                store.SetExtra(date, minutes(rest));
            else if (word.startsWith(u'h'))
                store.SetHoliday(date, minutes(rest));
            else {
                store.SetArrive(date, ParseTimeText(word.section(u'-', 0, 0), tkTimeOfDay).value);
                store.SetDepart(date, ParseTimeText(word.section(u'-', 1, 1), tkTimeOfDay).value);
            }
        }
    }
}

// Each breach as "OFFSET TEXT".
QStringList breaches(const TTimeRecorder &store, TRuleSetId set, int lastOffset)
{
    QStringList lines;
    for (const TBreach &breach :
        Breaches(store, TWorkingTimeRules::Of(set), Base, Base + lastOffset, DayNumber::Monday))
        lines << QString::number(breach.Date - Base) + u' ' + BreachText(breach);
    return lines;
}

} // namespace

class TestWorkingTimeRules : public QObject {
    Q_OBJECT

    Regional::Override regional { TestSupport::englishSettings() };

    void addColumns()
    {
        QTest::addColumn<int>("set"); // a TRuleSetId
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QStringList>("expected");
    }

    void check(int lastOffset)
    {
        QFETCH(int, set);
        QFETCH(QStringList, days);
        QFETCH(QStringList, expected);
        TTimeRecorder store;
        fill(store, days);
        QCOMPARE(breaches(store, TRuleSetId(set), lastOffset), expected);
    }

private Q_SLOTS:
    // The rules of one day and of the rest between two, for each set.
    void days_data()
    {
        addColumns();
        const struct {
            const char *name;
            TRuleSetId set;
        } sets[] = { { "eu", TRuleSetId::Eu }, { "de", TRuleSetId::Germany }, { "fr", TRuleSetId::France } };
        for (const auto &entry : sets) {
            const char *name = entry.name;
            const int set = int(entry.set);
            const auto row
                = [name](const char *what) -> QTestData & { return QTest::addRow("%s: %s", name, what); };
            row("rest 10:59 across midnight")
                << set << QStringList { u"0 14:00-22:00 /0:30"_s, u"1 08:59-12:00"_s }
                << QStringList { u"1 Rest 10:59 before this day, 11:00 required"_s };
            row("rest 11:00 across midnight")
                << set << QStringList { u"0 14:00-22:00 /0:30"_s, u"1 09:00-12:00"_s } << QStringList {};
            row("rest 10:59 after a night shift")
                << set << QStringList { u"0 22:00-06:00 /0:30"_s, u"1 16:59-20:00"_s }
                << QStringList { u"1 Rest 10:59 before this day, 11:00 required"_s };
            row("rest 11:00 after a night shift")
                << set << QStringList { u"0 22:00-06:00 /0:30"_s, u"1 17:00-20:00"_s } << QStringList {};
            row("a day without times moves no rest")
                << set << QStringList { u"0 14:00-22:00 /0:30"_s, u"1 +3:00"_s, u"2 08:00-12:00"_s }
                << QStringList {};
            row("9:01 present with 0:30 is 8:31 of work")
                << set << QStringList { u"0 07:43-16:44 /0:30"_s } << QStringList {};
            row("holiday hours are no work")
                << set << QStringList { u"0 08:00-17:45 /0:45"_s, u"0 h2:00"_s } << QStringList {};
        }

        // Breaks by the net work: more than 6:00 and 9:00 in Germany.
        const int de = int(TRuleSetId::Germany);
        QTest::newRow("de: 6:00 without a break")
            << de << QStringList { u"0 08:00-14:00"_s } << QStringList {};
        QTest::newRow("de: 6:01 with 0:29")
            << de << QStringList { u"0 08:00-14:30 /0:29"_s }
            << QStringList { u"0 Break 0:29 on 6:01 of work, 0:30 required"_s };
        QTest::newRow("de: 6:01 with 0:30")
            << de << QStringList { u"0 08:00-14:31 /0:30"_s } << QStringList {};
        QTest::newRow("de: 9:00 with 0:30")
            << de << QStringList { u"0 08:00-17:30 /0:30"_s } << QStringList {};
        QTest::newRow("de: 9:01 with 0:44")
            << de << QStringList { u"0 08:00-17:45 /0:44"_s }
            << QStringList { u"0 Break 0:44 on 9:01 of work, 0:45 required"_s };
        QTest::newRow("de: 9:01 with 0:45")
            << de << QStringList { u"0 08:00-17:46 /0:45"_s } << QStringList {};
        QTest::newRow("de: 9:01 of work with 0:30")
            << de << QStringList { u"0 07:30-17:01 /0:30"_s }
            << QStringList { u"0 Break 0:30 on 9:01 of work, 0:45 required"_s };
        // France: 20 minutes once the work reaches 6:00.
        const int fr = int(TRuleSetId::France);
        QTest::newRow("fr: 5:59 without a break")
            << fr << QStringList { u"0 08:00-13:59"_s } << QStringList {};
        QTest::newRow("fr: 6:00 without a break")
            << fr << QStringList { u"0 08:00-14:00"_s }
            << QStringList { u"0 Break 0:00 on 6:00 of work, 0:20 required"_s };
        QTest::newRow("fr: 6:00 with 0:20")
            << fr << QStringList { u"0 08:00-14:20 /0:20"_s } << QStringList {};
        QTest::newRow("fr: 9:01 with 0:29")
            << fr << QStringList { u"0 08:00-17:30 /0:29"_s } << QStringList {};
        // EU minimum: a break beyond 6:00.
        const int eu = int(TRuleSetId::Eu);
        QTest::newRow("eu: 6:00 without a break")
            << eu << QStringList { u"0 08:00-14:00"_s } << QStringList {};
        QTest::newRow("eu: 6:01 without a break")
            << eu << QStringList { u"0 08:00-14:01"_s }
            << QStringList { u"0 Break 0:00 on 6:01 of work, 0:15 required"_s };
        QTest::newRow("eu: 9:01 with 0:15")
            << eu << QStringList { u"0 08:00-17:16 /0:15"_s } << QStringList {};

        // At most 10:00 of work a day, extra hours included, in Germany and France.
        for (const auto &entry : { std::pair("de", de), std::pair("fr", fr) }) {
            const char *name = entry.first;
            const int set = int(entry.second);
            const auto row
                = [name](const char *what) -> QTestData & { return QTest::addRow("%s: %s", name, what); };
            row("10:00 in a day") << set << QStringList { u"0 08:00-18:45 /0:45"_s } << QStringList {};
            row("10:01 in a day") << set << QStringList { u"0 08:00-18:46 /0:45"_s }
                                  << QStringList { u"0 Work 10:01 on this day, 10:00 at most"_s };
            row("10:01 with extra hours") << set << QStringList { u"0 08:00-17:45 /0:45 +1:01"_s }
                                          << QStringList { u"0 Work 10:01 on this day, 10:00 at most"_s };
            row("10:01 of a night shift") << set << QStringList { u"0 21:00-07:46 /0:45"_s }
                                          << QStringList { u"0 Work 10:01 on this day, 10:00 at most"_s };
        }
        QTest::newRow("eu: no daily maximum")
            << eu << QStringList { u"0 07:00-19:00 /1:00"_s } << QStringList {};
    }
    void days() { check(6); }

    // The weekly maximums over their reference periods. Extra hours carry the
    // work: they have no times and break no daily rule.
    void weeks_data()
    {
        addColumns();
        const auto average = [](int weeks, const char *hours) {
            return u"%1 Work %2 a week on average over the %3 weeks to this day, %4 at most"_s.arg(
                QString::number(7 * weeks - 1), u"48:01"_s, QString::number(weeks),
                QString::fromLatin1(hours));
        };
        QTest::newRow("eu: 48:00 over 17 weeks")
            << int(TRuleSetId::Eu) << QStringList { u"weeks 0-17 +8:00"_s } << QStringList {};
        QTest::newRow("eu: a minute more in the first of 17 weeks")
            << int(TRuleSetId::Eu) << QStringList { u"weeks 0-17 +8:00"_s, u"0 +8:01"_s }
            << QStringList { average(17, "48:00") };
        QTest::newRow("de: 48:00 over 24 weeks")
            << int(TRuleSetId::Germany) << QStringList { u"weeks 0-24 +8:00"_s } << QStringList {};
        QTest::newRow("de: a minute more in the first of 24 weeks")
            << int(TRuleSetId::Germany) << QStringList { u"weeks 0-24 +8:00"_s, u"0 +8:01"_s }
            << QStringList { average(24, "48:00") };
        QTest::newRow("de: a week without records counts as none")
            << int(TRuleSetId::Germany) << QStringList { u"weeks 1-23 +8:20"_s } << QStringList {};
        QTest::newRow("fr: 48:00 in a week, 44:00 over 12 weeks")
            << int(TRuleSetId::France)
            << QStringList { u"weeks 0-11 +7:20"_s, u"weeks 0-0 +8:00"_s, u"weeks 1-1 +6:40"_s }
            << QStringList {};
        QTest::newRow("fr: 48:01 in a week")
            << int(TRuleSetId::France) << QStringList { u"weeks 0-0 +8:00"_s, u"0 +8:01"_s }
            << QStringList { u"6 Work 48:01 in the week to this day, 48:00 at most"_s };
        QTest::newRow("fr: a minute more than 44:00 over 12 weeks")
            << int(TRuleSetId::France) << QStringList { u"weeks 0-12 +7:20"_s, u"0 +7:21"_s }
            << QStringList {
                   u"83 Work 44:01 a week on average over the 12 weeks to this day, 44:00 at most"_s
               };

        // Weekly rest: 35:00 in each week.
        for (const auto &entry : { std::pair("eu", int(TRuleSetId::Eu)),
                 std::pair("de", int(TRuleSetId::Germany)), std::pair("fr", int(TRuleSetId::France)) }) {
            const char *name = entry.first;
            const int set = int(entry.second);
            const auto row
                = [name](const char *what) -> QTestData & { return QTest::addRow("%s: %s", name, what); };
            QStringList sixDays;
            for (int day = 0; day < 6; ++day)
                sixDays << QString::number(day) + u" 08:00-16:00 /0:30"_s;
            row("35:00 from Saturday into Monday")
                << set << (sixDays + QStringList { u"7 03:00-10:00 /0:30"_s }) << QStringList {};
            row("34:59 from Saturday into Monday")
                << set << (sixDays + QStringList { u"7 02:59-10:00 /0:30"_s })
                << QStringList { u"6 Longest rest 34:59 in the week to this day, 35:00 required"_s };
            row("seven days of work")
                << set << (sixDays + QStringList { u"6 08:00-16:00 /0:30"_s, u"7 08:00-12:00"_s })
                << QStringList { u"6 Longest rest 16:00 in the week to this day, 35:00 required"_s }
                    + (set == int(TRuleSetId::France)
                            ? QStringList { u"6 Work 52:30 in the week to this day, 48:00 at most"_s }
                            : QStringList {});
            row("rest from the week before")
                << set << QStringList { u"6 08:00-16:00 /0:30"_s, u"7 08:00-12:00"_s } << QStringList {};
        }
    }
    void weeks() { check(7 * 25); }

    void off()
    {
        TTimeRecorder store;
        fill(store, { u"0 08:00-20:00"_s, u"1 02:00-03:00"_s });
        QVERIFY(Breaches(store, TWorkingTimeRules::Of(TRuleSetId::Off), Base, Base + 6, DayNumber::Monday)
                    .empty());
        // The same days break rules once a set is chosen.
        QVERIFY(!Breaches(store, TWorkingTimeRules::Of(TRuleSetId::Eu), Base, Base + 6, DayNumber::Monday)
                     .empty());
    }

    // A day's breaches are the same whatever period asks for them.
    void periodEdges()
    {
        TTimeRecorder store;
        fill(store, { u"weeks 0-2 +9:00"_s, u"13 22:00-06:00"_s, u"14 16:00-18:00"_s });
        const TWorkingTimeRules rules = TWorkingTimeRules::Of(TRuleSetId::France);
        const std::vector<TBreach> whole = Breaches(store, rules, Base, Base + 20, DayNumber::Monday);
        std::vector<TBreach> dayByDay;
        for (int date = Base; date <= Base + 20; ++date)
            for (const TBreach &breach : Breaches(store, rules, date, date, DayNumber::Monday))
                dayByDay.push_back(breach);
        QCOMPARE(dayByDay.size(), whole.size());
        QVERIFY(dayByDay == whole);
        QVERIFY(whole.size() >= 4);
    }
};

QTEST_GUILESS_MAIN(TestWorkingTimeRules)
#include "tst_WorkingTimeRules.moc"
