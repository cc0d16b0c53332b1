#include "cli/Subcommands.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Targets.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "export/CsvExport.h"
#include "report/ReportText.h"
#include "settings/DataMod.h"
#include "support/TestSupport.h"
#include "ui/TimeEdit.h"
#include "week/WeekSheet.h"

#include <QBuffer>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

// A figure shown as hours and minutes with a sign or none, blank for 0.
int signedMinutes(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return 0;
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.sliced(1);
    const qsizetype colon = text.indexOf(u':');
    const int minutes = text.first(colon).toInt() * 60 + text.sliced(colon + 1).toInt();
    return negative ? -minutes : minutes;
}

TTargetSet workdaysOf(int minutes, int weekly)
{
    return TTargetSet { { 0, minutes, minutes, minutes, minutes, minutes, 0 }, weekly };
}

// What the sheet, the CSV export with the report and `hourframe week` show
// of a week from Monday: the day deviations, Monday first, then the week's
// (hours less its target). The CSV export has the days, the report the week.
QList<QList<int>> figuresOf(
    TWeekSheet &sheet, const TTimeRecorder &store, const TData &data, int monday, const QString &path)
{
    QList<QList<int>> shown(3);
    sheet.InitWeek();
    sheet.findChild<QComboBox *>(u"cbWeekBeginning"_s)->setEditText(ShortDateText(monday));
    sheet.ShowWeek();
    for (int day = 0; day < 7; ++day)
        shown[0] << signedMinutes(
            sheet.findChild<QLabel *>(u"te"_s + DayPrefixes[(day + 1) % 7] + u"Deviation"_s)->text());
    const bool extra = sheet.findChild<QLabel *>(u"laWeeklyShortfall"_s)->text() == u"Hours extra";
    shown[0] << (extra ? 1 : -1) * signedMinutes(sheet.findChild<QLabel *>(u"teShortfall"_s)->text());

    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    WriteCsvExport(csv, store, monday, monday + 6, CsvExportOptionsFrom(data), QString());
    const QList<QByteArray> rows = csv.data().split('\n');
    const qsizetype deviation = rows.first().trimmed().split(',').indexOf("Deviation");
    for (int day = 1; day <= 7; ++day)
        shown[1] << signedMinutes(QString::fromUtf8(rows.at(day).split(',').at(deviation)));

    // The week's line is the last before the totals: the week's hours and,
    // unless it is 0, their deviation. The weekend is not listed.
    const QStringList report = ReportLines(store, { monday, monday + 6 }, ReportSettingsOf(data));
    const QStringList weekEnd = report.at(report.indexOf(QString(), 5) - 1).split(u' ', Qt::SkipEmptyParts);
    shown[1] << (weekEnd.size() == 2 ? signedMinutes(weekEnd.last()) : 0);

    const QJsonObject week = QJsonDocument::fromJson(
        Cli::RunWeek({ path, u"--date"_s, DayNumber::toDate(monday).toString(Qt::ISODate), u"--json"_s }))
                                 .object();
    for (const QJsonValue day : week[u"days"_s].toArray())
        shown[2] << day[u"deviation"_s].toInt();
    shown[2] << (week[u"hoursShort"_s].toBool() ? -1 : 1) * week[u"shortfall"_s].toInt();
    return shown;
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

    // Targets that change from a day: the sheet, the report, the CSV export
    // and `hourframe week` show a week alike, the same as before the change
    // for days before it. 8:00 is worked every workday against 40 hours
    // (8:00 a day) that become 32 (6:24 a day).
    void targetsInForceAgree_data()
    {
        QTest::addColumn<QDate>("week"); // a Monday
        QTest::addColumn<QDate>("change");
        QTest::addColumn<QList<int>>("figures"); // the day deviations, Monday first, then the week's

        QTest::newRow("a week before the change")
            << QDate(2026, 3, 2) << QDate(2026, 3, 16) << QList<int>(8, 0);
        QTest::newRow("the week of a change on Wednesday")
            << QDate(2026, 3, 2) << QDate(2026, 3, 4) << QList<int> { 0, 0, 96, 96, 96, 0, 0, 288 };
        QTest::newRow("a change on the week's first day")
            << QDate(2026, 3, 2) << QDate(2026, 3, 2) << QList<int> { 96, 96, 96, 96, 96, 0, 0, 480 };
        QTest::newRow("a week after the change")
            << QDate(2026, 3, 9) << QDate(2026, 3, 4) << QList<int> { 96, 96, 96, 96, 96, 0, 0, 480 };
    }

    void targetsInForceAgree()
    {
        QFETCH(QDate, week);
        QFETCH(QDate, change);
        QFETCH(QList<int>, figures);
        TestSupport::TemporaryHome home;
        const Regional::Override regional { TestSupport::englishSettings() };
        const Clock::Fixed clock { QDateTime(QDate(2026, 4, 30), QTime(10, 0)) };
        const QString path = home.path() + u"/weeks.hf"_s;
        TTimeRecorder store;
        for (int day = TestSupport::day(2026, 2, 23); day <= TestSupport::day(2026, 3, 20); ++day) {
            if (!DayNumber::isWeekend(day)) {
                store.SetArrive(day, 480);
                store.SetDepart(day, 1020);
                store.SetLunch(day, 60);
            }
        }
        store.SaveToFile(path);
        TData data;
        data.Batch([&] {
            data.SetFirstDayOfWeek(DayNumber::Monday);
            data.SetShowDeviationFromWeeklyTarget(true);
            data.SetExportWeekendDaysWithNoHours(true);
            data.SetTargets(TTargets(workdaysOf(480, 2400)));
        });
        TWeekSheet sheet(store, data);
        const int monday = DayNumber::fromDate(week);

        for (const bool changed : { false, true }) {
            if (changed) {
                TTargets targets = data.Targets();
                targets.ApplyFrom(DayNumber::fromDate(change), workdaysOf(384, 1920));
                data.SetTargets(targets);
            }
            const QList<int> expected = changed ? figures : QList<int>(8, 0);
            for (const QList<int> &shown : figuresOf(sheet, store, data, monday, path))
                QCOMPARE(shown, expected);
        }
    }
};

QTEST_MAIN(TestSheetAndWeekCommand)
#include "tst_SheetAndWeekCommand.moc"
