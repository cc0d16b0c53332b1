#include "cli/Subcommands.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "settings/DataMod.h"
#include "support/TestSupport.h"
#include "ui/TimeEdit.h"
#include "week/WeekSheet.h"

#include <QComboBox>
#include <QLabel>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The settings the figures depend on, each with the range its values are drawn from.
struct NumberSetting {
    const char16_t *name;
    void (TData::*set)(int);
    int first;
    int last;
};
const NumberSetting Numbers[] = {
    { u"FirstDayOfWeek", &TData::SetFirstDayOfWeek, 1, 7 },
    { u"SundayTarget", &TData::SetSundayTarget, 0, 600 },
    { u"MondayTarget", &TData::SetMondayTarget, 0, 600 },
    { u"TuesdayTarget", &TData::SetTuesdayTarget, 0, 600 },
    { u"WednesdayTarget", &TData::SetWednesdayTarget, 0, 600 },
    { u"ThusdayTarget", &TData::SetThusdayTarget, 0, 600 },
    { u"FridayTarget", &TData::SetFridayTarget, 0, 600 },
    { u"SaturdayTarget", &TData::SetSaturdayTarget, 0, 600 },
    { u"WeeklyTarget", &TData::SetWeeklyTarget, 0, 3000 },
};

const QString DayPrefixes[] = { u"Sun"_s, u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s, u"Fri"_s, u"Sat"_s };

// A stored value: often the blank one, sometimes more than a field shows.
int randomMinutes(QRandomGenerator &random, int blank, int usual)
{
    const int draw = random.bounded(10);
    return draw < 3 ? blank : draw < 9 ? random.bounded(usual) : random.bounded(usual, 6000);
}

// The figure whose heading ends where its cells end, blank or not.
QString cellEndingAt(const QString &line, qsizetype end)
{
    if (line.size() < end || line[end - 1] == u' ')
        return {};
    return line.left(end).split(u' ').constLast();
}

QString trimmed(const QLabel *label)
{
    return label->text().trimmed();
}

} // namespace

// The sheet and `hourframe week` count with one rule: for random weeks under
// random settings, each with one field typed, every figure of the sheet reads
// as the week table prints it.
class TestSheetAndWeekCommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void figuresAgreeOnRandomWeeks()
    {
        TestSupport::TemporaryHome home;
        const Regional::Override regional { TestSupport::englishSettings() };
        const Clock::Fixed clock { QDateTime(QDate(2026, 12, 9), QTime(10, 0)) };
        const QString path = home.path() + u"/random.hf"_s;
        TData settings(nullptr, TData::Persistence::MemoryOnly);
        TTimeRecorder store;
        TWeekSheet sheet(store, settings);
        QRandomGenerator random(27);
        for (int week = 0; week < 300; ++week) {
            const int date = TestSupport::day(2020, 1, 1) + random.bounded(20 * 366);
            QStringList arguments { path, u"--date"_s, DayNumber::toDate(date).toString(Qt::ISODate) };
            for (const NumberSetting &setting : Numbers) {
                const int value = random.bounded(setting.first, setting.last + 1);
                (settings.*setting.set)(value);
                arguments << u"--set"_s << QString::fromUtf16(setting.name) + u'=' + QString::number(value);
            }
            const bool holidays = random.bounded(2) == 1;
            settings.SetIncludeHolsInTotal(holidays);
            arguments << u"--set"_s << u"IncludeHolsInTotal="_s + QString::number(int(holidays));
            store.Clear();
            for (int day = date - 6; day <= date + 6; ++day) {
                store.SetArrive(day, randomMinutes(random, -1, 1440));
                store.SetDepart(day, randomMinutes(random, -1, 1440));
                store.SetLunch(day, randomMinutes(random, 0, 120));
                store.SetExtra(day, randomMinutes(random, 0, 240));
                store.SetHoliday(day, randomMinutes(random, 0, 480));
            }

            sheet.InitWeek();
            sheet.findChild<QComboBox *>(u"cbWeekBeginning"_s)->setEditText(ShortDateText(date));
            sheet.ShowWeek();
            TTimeEdit *typed = sheet.Field(random.bounded(1, 8), random.bounded(1, 6));
            typed->selectAll();
            QTest::keyClicks(typed, ClockText(random.bounded(600)));
            QStringList shown { ShortDateText(sheet.WeekStart()) };
            for (int day = 0; day < 7; ++day) {
                const QString name = u"te"_s + DayPrefixes[DayNumber::dayOfWeek(sheet.WeekStart() + day) - 1];
                shown << trimmed(sheet.findChild<QLabel *>(name + u"Hours"_s))
                      << trimmed(sheet.findChild<QLabel *>(name + u"Deviation"_s));
            }
            shown << trimmed(sheet.findChild<QLabel *>(u"teWeeklyHours"_s))
                  << sheet.findChild<QLabel *>(u"laWeeklyShortfall"_s)->text()
                  << trimmed(sheet.findChild<QLabel *>(u"teShortfall"_s));

            store.SaveToFile(path);
            const QStringList lines = QString::fromUtf8(Cli::RunWeek(arguments)).split(u'\n');
            const QString &heading = lines.at(2);
            const qsizetype hoursEnd = heading.indexOf(u"Hours"_s) + 5;
            const qsizetype deviationEnd = heading.indexOf(u"Deviation"_s) + 9;
            QStringList printed { lines.at(0).mid(QStringLiteral("Week beginning ").size()) };
            for (int day = 0; day < 7; ++day)
                printed << cellEndingAt(lines.at(3 + day), hoursEnd)
                        << cellEndingAt(lines.at(3 + day), deviationEnd);
            const QString shortfall = lines.at(12).simplified();
            printed << lines.at(11).simplified().section(u' ', -1) << shortfall.section(u' ', 0, -2)
                    << shortfall.section(u' ', -1);
            QCOMPARE(shown, printed);
        }
    }
};

QTEST_MAIN(TestSheetAndWeekCommand)
#include "tst_SheetAndWeekCommand.moc"
