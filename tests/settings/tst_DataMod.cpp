#include "StoreFile.h"
#include "core/Errors.h"
#include "settings/DataMod.h"
#include "settings/RegMgr.h"
#include "settings/VersionData.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <functional>
#include <limits>
#include <vector>

using Assignments = std::function<void(TData &)>;
Q_DECLARE_METATYPE(Assignments)

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Flag, Number, Text };

struct Setting {
    QString name;
    Kind kind;
    QVariant defaultValue;
    QVariant sample; // a valid value other than the default
    std::function<QVariant(const TData &)> get;
    std::function<void(TData &, const QVariant &)> set;
};

#define FLAG(name, byDefault)                                                                                \
    Setting                                                                                                  \
    {                                                                                                        \
        QStringLiteral(#name), Kind::Flag, QVariant(byDefault), QVariant(!(byDefault)),                      \
            [](const TData &d) { return QVariant(d.name()); },                                               \
            [](TData &d, const QVariant &v) { d.Set##name(v.toBool()); }                                     \
    }
#define NUMBER(name, byDefault, sampleValue)                                                                 \
    Setting                                                                                                  \
    {                                                                                                        \
        QStringLiteral(#name), Kind::Number, QVariant(byDefault), QVariant(sampleValue),                     \
            [](const TData &d) { return QVariant(d.name()); },                                               \
            [](TData &d, const QVariant &v) { d.Set##name(v.toInt()); }                                      \
    }
#define TEXT(name, byDefault)                                                                                \
    Setting                                                                                                  \
    {                                                                                                        \
        QStringLiteral(#name), Kind::Text, QVariant(byDefault), QVariant(u"/home/ann/\"odd\" \\ name.hf"_s), \
            [](const TData &d) { return QVariant(d.name()); },                                               \
            [](TData &d, const QVariant &v) { d.Set##name(v.toString()); }                                   \
    }

const std::vector<Setting> &settings()
{
    static const std::vector<Setting> all {
        FLAG(AutoSave, false),
        FLAG(AutoEnterTime, true),
        FLAG(ReopenLastUsedFile, true),
        TEXT(Filename, QString()),
        FLAG(AssociateHfFiles, false),
        FLAG(UseToolTray, false),
        NUMBER(NumberOfComments, 50, 20),
        FLAG(ShowLunchTime, true),
        FLAG(ShowExtraHours, false),
        FLAG(ShowHols, false),
        FLAG(ShowComment, false),
        FLAG(ShowDeviationFromDailyTarget, false),
        FLAG(ShowDeviationFromWeeklyTarget, false),
        FLAG(ShowToolbar, true),
        FLAG(ShowMenu, true),
        NUMBER(MondayTarget, 450, 123),
        NUMBER(TuesdayTarget, 450, 123),
        NUMBER(WednesdayTarget, 450, 123),
        NUMBER(ThusdayTarget, 450, 123),
        NUMBER(FridayTarget, 420, 123),
        NUMBER(SaturdayTarget, 0, 123),
        NUMBER(SundayTarget, 0, 123),
        NUMBER(WeeklyTarget, 2220, 123),
        NUMBER(DefaultLunchTime, 0, 123),
        FLAG(UseDefaultLunchTime, false),
        FLAG(RoundTimes, false),
        NUMBER(RoundTimesTo, 5, 15),
        NUMBER(FirstDayOfWeek, 1, 2),
        FLAG(IncludeHolsInTotal, true),
        TEXT(PrinterFontName, u"Courier New"_s),
        NUMBER(PrinterFontSize, 12, 10),
        FLAG(ReportAdjustDatesToFullWeek, true),
        FLAG(ReportWorkDaysWithNoHours, true),
        FLAG(ReportWeekendDaysWithNoHours, false),
        FLAG(ReportCalculateTotalHours, true),
        FLAG(ReportCalculateAverageHours, true),
        TEXT(ReportFileName, QString()),
        TEXT(ReportPdfFileName, QString()),
        FLAG(ExportAdjustDatesToFullWeek, true),
        FLAG(ExportWorkDaysWithNoHours, true),
        FLAG(ExportWeekendDaysWithNoHours, false),
        FLAG(ExportCalculateTotalHours, true),
        FLAG(ExportColumnHeadings, true),
        FLAG(ExportDate, true),
        FLAG(ExportArrivalTime, true),
        FLAG(ExportDepartureTime, true),
        FLAG(ExportLunchTime, true),
        FLAG(ExportExtraHours, true),
        FLAG(ExportHolidays, true),
        FLAG(ExportDailyHours, true),
        FLAG(ExportDeviation, true),
        FLAG(ExportComments, true),
        FLAG(ExportIsoDates, false),
        TEXT(ExportFileName, QString()),
        NUMBER(BalanceStartDate, 0, 46000),
        NUMBER(BalanceOpening, 0, -195),
        FLAG(ShowBalance, false),
        FLAG(ReportShowBalance, false),
        FLAG(ChartAdjustDatesToFullWeek, true),
        TEXT(ChartFileName, QString()),
        TEXT(TargetHistory, QString()),
        FLAG(ShowLeaveAt, false),
        FLAG(NotifyLeaveTime, false),
        TEXT(HolidayCalendar, QString()),
        NUMBER(VacationDaysPerYear, 0, 25),
        NUMBER(VacationCarriedOver, 0, -3),
        NUMBER(WorkingTimeRules, 0, 2),
        NUMBER(RuleDailyRest, -1, 600),
        NUMBER(RuleBreakAfter, -1, 0),
        NUMBER(RuleBreak, -1, 15),
        NUMBER(RuleLongBreakAfter, -1, 480),
        NUMBER(RuleLongBreak, -1, 60),
        NUMBER(RuleDailyMaximum, -1, 720),
        NUMBER(RuleWeeklyMaximum, -1, 3000),
        NUMBER(RuleAverageWeeklyMaximum, -1, 2400),
        NUMBER(RuleAverageWeeks, -1, 52),
        NUMBER(RuleWeeklyRest, -1, 1440),
    };
    return all;
}

const Setting &setting(const QString &name)
{
    for (const Setting &s : settings()) {
        if (s.name == name)
            return s;
    }
    qFatal("no such setting");
}

void store(const Setting &s, const QVariant &value)
{
    TNTRegistry registry = StoreFile::appKey();
    if (!registry.HasCurrentKey())
        registry.OpenKey(u"\\Software\\Orvane Software\\Hourframe"_s, true);
    if (s.kind == Kind::Text)
        registry.WriteString(s.name, value.toString());
    else
        registry.WriteInteger(s.name, value.toInt());
}

QVariant stored(const Setting &s)
{
    const TNTRegistry registry = StoreFile::appKey();
    if (s.kind == Kind::Text) {
        const std::optional<QString> text = registry.ReadString(s.name);
        return text ? QVariant(*text) : QVariant();
    }
    const std::optional<qint32> number = registry.ReadInteger(s.name);
    if (!number)
        return QVariant();
    return s.kind == Kind::Flag ? QVariant(*number != 0) : QVariant(*number);
}

} // namespace

class TestDataMod : public QObject {
    Q_OBJECT

    Regional::Override m_regional { TestSupport::englishSettings() };

    static void everySetting()
    {
        QTest::addColumn<QString>("name");
        for (const Setting &s : settings())
            QTest::newRow(qPrintable(s.name)) << s.name;
    }

private Q_SLOTS:
    void everySettingIsListed() { QCOMPARE(settings().size(), std::size_t(SettingCount)); }

    void firstStartGivesTheDefaults_data() { everySetting(); }

    void firstStartGivesTheDefaults()
    {
        QFETCH(QString, name);
        TestSupport::TemporaryHome home;
        TData data;
        const Setting &s = setting(name);
        QCOMPARE(s.get(data), s.defaultValue);
        // Reading writes no value.
        QVERIFY(!StoreFile::appKey().ValueExists(name));
    }

    void storedValueIsRead_data() { everySetting(); }

    void storedValueIsRead()
    {
        QFETCH(QString, name);
        TestSupport::TemporaryHome home;
        const Setting &s = setting(name);
        store(s, s.sample);
        TData data;
        QCOMPARE(s.get(data), s.sample);
    }

    void setterWritesAtOnce_data() { everySetting(); }

    void setterWritesAtOnce()
    {
        QFETCH(QString, name);
        TestSupport::TemporaryHome home;
        const Setting &s = setting(name);
        TData data;
        s.set(data, s.sample);
        QCOMPARE(s.get(data), s.sample);
        QCOMPARE(stored(s), s.sample);
        TData again;
        QCOMPARE(s.get(again), s.sample);
    }

    void assigningTheCurrentValueStillWrites()
    {
        TestSupport::TemporaryHome home;
        TData data;
        QVERIFY(!data.AutoSave());
        data.SetAutoSave(false);
        QCOMPARE(StoreFile::appKey().ReadInteger(u"AutoSave"_s), std::optional<qint32>(0));

        // Another program changed it meanwhile; the same assignment writes it back.
        store(setting(u"AutoSave"_s), 1);
        data.SetAutoSave(false);
        QCOMPARE(StoreFile::appKey().ReadInteger(u"AutoSave"_s), std::optional<qint32>(0));
    }

    void batchGivesTheContentOfSingleWrites()
    {
        const Assignments assign = [](TData &d) {
            d.SetShowMenu(false);
            d.SetThusdayTarget(360);
            d.SetAutoSave(true);
            d.SetFilename(u"/home/ann/week.hf"_s);
            d.SetShowMenu(true);
        };
        const QByteArray before = "\"AutoSave\"=dword:00000000\n\"RoundTimes\"=dword:00000001\n";
        QByteArray singleWrites;
        {
            TestSupport::TemporaryHome home;
            StoreFile::writeAppKey(before);
            TData data;
            assign(data);
            singleWrites = StoreFile::bytes();
        }
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey(before);
        TData data;
        data.Batch([&] { assign(data); });
        QCOMPARE(StoreFile::bytes(), singleWrites);

        // A refused assignment part way: what came before it is stored all the same.
        QVERIFY_THROWS_EXCEPTION(RangeError, data.Batch([&] {
            data.SetRoundTimes(false);
            data.SetFirstDayOfWeek(9);
        }));
        QVERIFY(!TData().RoundTimes());
    }

    void writeThatChangesNothingReplacesNothing_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<Assignments>("assign");
        QTest::addColumn<bool>("replaced");
        const QByteArray autoSave = "\"AutoSave\"=dword:00000001\n";
        const Assignments setAutoSave = [](TData &d) { d.SetAutoSave(true); };
        QTest::newRow("one value held") << autoSave << setAutoSave << false;
        QTest::newRow("held in another spelling")
            << QByteArray("\"autosave\"=dword:1\n") << setAutoSave << false;
        QTest::newRow("held as a text") << QByteArray("\"AutoSave\"=\"1\"\n") << setAutoSave << true;
        QTest::newRow("a batch held") << autoSave + "\"Filename\"=\"/home/ann/week.hf\"\n"
                                      << Assignments([](TData &d) {
                                             d.Batch([&] {
                                                 d.SetFilename(u"/home/ann/week.hf"_s);
                                                 d.SetAutoSave(true);
                                             });
                                         })
                                      << false;
        QTest::newRow("Thursday under both names")
            << QByteArray("\"ThusdayTarget\"=dword:00000168\n\"ThursdayTarget\"=dword:00000168\n")
            << Assignments([](TData &d) { d.SetThusdayTarget(360); }) << false;
        QTest::newRow("Thursday's second name missing")
            << QByteArray("\"ThusdayTarget\"=dword:00000168\n")
            << Assignments([](TData &d) { d.SetThusdayTarget(360); }) << true;
    }

    void writeThatChangesNothingReplacesNothing()
    {
        QFETCH(QByteArray, values);
        QFETCH(Assignments, assign);
        QFETCH(bool, replaced);
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey(values);
        const QByteArray before = StoreFile::bytes();
        QVERIFY(StoreFile::age());
        TData data;
        assign(data);
        QCOMPARE(StoreFile::bytes() != before, replaced);
        QCOMPARE(!StoreFile::untouchedSinceAged(), replaced);
    }

    void memoryOnlyLeavesTheStoreAlone_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::newRow("no settings yet") << false;
        QTest::newRow("settings stored") << true;
    }

    void memoryOnlyLeavesTheStoreAlone()
    {
        QFETCH(bool, stored);
        TestSupport::TemporaryHome home;
        if (stored)
            StoreFile::writeAppKey("\"AutoSave\"=dword:00000001\n");
        const QByteArray before = StoreFile::bytes();

        TData data(nullptr, TData::Persistence::MemoryOnly);
        QCOMPARE(data.AutoSave(), stored);
        data.SetMondayTarget(480);
        data.Batch([&] { data.SetAutoSave(!stored); });
        data.SetByName(u"filename"_s, u"/home/ann/week.hf"_s);
        QVERIFY_THROWS_EXCEPTION(RegistryError, data.RegistryManager().WriteInteger(u"AutoSave"_s, 1));
        QCOMPARE(data.MondayTarget(), 480);
        QCOMPARE(data.AutoSave(), !stored);
        QCOMPARE(data.Filename(), u"/home/ann/week.hf"_s);

        QCOMPARE(StoreFile::bytes(), before);
        QCOMPARE(QFileInfo::exists(QFileInfo(StoreFile::path()).absolutePath()), stored);
        QVERIFY(!QFile::exists(StoreFile::path() + u".lock"_s));
    }

    void setByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value"); // nothing for a refused text
        QTest::addColumn<QString>("error");
        QTest::newRow("flag") << u"AutoSave"_s << u"1"_s << QVariant(true) << QString();
        QTest::newRow("flag as a word, any case")
            << u"showmenu"_s << u"False"_s << QVariant(false) << QString();
        QTest::newRow("flag as yes")
            << u"AutoSave"_s << u"yes"_s << QVariant()
            << u"'yes' is not a valid value for AutoSave: give 1 or 0, true or false"_s;
        QTest::newRow("minutes") << u"MondayTarget"_s << u"480"_s << QVariant(480) << QString();
        QTest::newRow("hours and minutes") << u"MondayTarget"_s << u"7:05"_s << QVariant(425) << QString();
        QTest::newRow("minutes past 59") << u"MondayTarget"_s << u"7:60"_s << QVariant()
                                         << u"'7:60' is not a valid value for MondayTarget: give a number of "
                                            "minutes or hours:minutes"_s;
        QTest::newRow("negative minutes")
            << u"DefaultLunchTime"_s << u"-0:30"_s << QVariant()
            << u"-0:30 is out of range for DefaultLunchTime: give 0 to 2147483647"_s;
        QTest::newRow("integer") << u"FirstDayOfWeek"_s << u"7"_s << QVariant(7) << QString();
        QTest::newRow("integer out of range") << u"FirstDayOfWeek"_s << u"8"_s << QVariant()
                                              << u"8 is out of range for FirstDayOfWeek: give 1 to 7"_s;
        QTest::newRow("integer as a time")
            << u"RoundTimesTo"_s << u"0:15"_s << QVariant()
            << u"'0:15' is not a valid value for RoundTimesTo: give a whole number"_s;
        QTest::newRow("signed hours and minutes")
            << u"BalanceOpening"_s << u"-3:15"_s << QVariant(-195) << QString();
        QTest::newRow("day as a date")
            << u"BalanceStartDate"_s << u"2026-01-05"_s << QVariant(46027) << QString();
        QTest::newRow("day that does not exist")
            << u"BalanceStartDate"_s << u"2026-02-30"_s << QVariant()
            << u"'2026-02-30' is not a valid value for BalanceStartDate: give a date yyyy-MM-dd or a day number"_s;
        QTest::newRow("day beyond a data file")
            << u"BalanceStartDate"_s << u"3000000"_s << QVariant()
            << u"3000000 is out of range for BalanceStartDate: give -657434 to 2958465"_s;
        QTest::newRow("text kept as given")
            << u"PrinterFontName"_s << u" Arial "_s << QVariant(u" Arial "_s) << QString();
        QTest::newRow("Thursday spelt right")
            << u"ThursdayTarget"_s << u"8:00"_s << QVariant(480) << QString();
        QTest::newRow("unknown") << u"Colour"_s << u"1"_s << QVariant()
                                 << u"There is no setting named 'Colour'"_s;
    }

    void setByName()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        QFETCH(QString, error);
        TestSupport::TemporaryHome home;
        TData data(nullptr, TData::Persistence::MemoryOnly);
        try {
            data.SetByName(name, text);
            QVERIFY2(error.isEmpty(), "the text was taken");
        } catch (const HourframeError &refused) {
            QCOMPARE(refused.message(), error);
            return;
        }
        const std::optional<TSetting> setting = TData::Find(name);
        QVERIFY(setting);
        QCOMPARE(std::visit([](const auto &held) { return QVariant::fromValue(held); }, data.Value(*setting)),
            value);
    }

    void firstStartDefaultsAndKey()
    {
        TestSupport::TemporaryHome home;
        TData data;
        QCOMPARE(data.WeeklyTarget(), 2220);
        QCOMPARE(data.FirstDayOfWeek(), 1);
        QCOMPARE(data.RegistryManager().Registry().CurrentKey(),
            u"HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe"_s);
        QCOMPARE(data.RegistryManager().ApplicationName(), u"Hourframe"_s);
        QCOMPARE(data.RegistryManager().Company(), u"Orvane Software"_s);
        QCOMPARE(data.RegistryManager().VersionData(), &data.VersionData());
        QVERIFY(!QFile::exists(StoreFile::path())); // a first start writes nothing
    }

    void weeklyTargetDefault_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<int>("weeklyTarget");
        QTest::addColumn<int>("afterMonday"); // once Monday's target is set to 9:00
        QTest::newRow("all defaults") << QByteArray() << 2220 << 2310;
        QTest::newRow("Monday 480") << QByteArray("\"MondayTarget\"=dword:000001e0\n") << 2250 << 2310;
        QTest::newRow("weekend counts") << QByteArray("\"SaturdayTarget\"=dword:0000003c\n"
                                                      "\"SundayTarget\"=dword:0000001e\n")
                                        << 2310 << 2400;
        QTest::newRow("stored weekly target wins") << QByteArray("\"MondayTarget\"=dword:000001e0\n"
                                                                 "\"WeeklyTarget\"=dword:00000258\n")
                                                   << 600 << 600;
        QTest::newRow("stored zero wins") << QByteArray("\"WeeklyTarget\"=dword:00000000\n") << 0 << 0;
        QTest::newRow("negative weekly target") << QByteArray("\"MondayTarget\"=dword:000001e0\n"
                                                              "\"WeeklyTarget\"=dword:ffffffff\n")
                                                << 2250 << 2310;
        QTest::newRow("a day target read as its default")
            << QByteArray("\"MondayTarget\"=dword:fffffff0\n") << 2220 << 2310;
        QTest::newRow("sum beyond the range")
            << QByteArray("\"MondayTarget\"=dword:7fffffff\n"
                          "\"TuesdayTarget\"=dword:7fffffff\n")
            << std::numeric_limits<int>::max() << std::numeric_limits<int>::max();
    }

    void weeklyTargetDefault()
    {
        QFETCH(QByteArray, values);
        QFETCH(int, weeklyTarget);
        QFETCH(int, afterMonday);
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey(values);
        TData data(nullptr, TData::Persistence::MemoryOnly);
        QCOMPARE(data.WeeklyTarget(), weeklyTarget);
        // The default follows the day targets; a stored weekly target stays.
        data.SetMondayTarget(540);
        QCOMPARE(data.WeeklyTarget(), afterMonday);
    }

    // Never stored, the first day of the week is the region's; stored, it stays.
    void firstDayOfWeekDefault_data()
    {
        QTest::addColumn<int>("regional");
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::newRow("Monday where weeks begin on Monday") << 2 << QByteArray() << 2;
        QTest::newRow("Sunday where weeks begin on Sunday") << 1 << QByteArray() << 1;
        QTest::newRow("Saturday where weeks begin on Saturday") << 7 << QByteArray() << 7;
        QTest::newRow("a stored Sunday wins") << 2 << QByteArray("\"FirstDayOfWeek\"=dword:00000001\n") << 1;
        QTest::newRow("a stored day out of range")
            << 2 << QByteArray("\"FirstDayOfWeek\"=dword:00000009\n") << 2;
    }

    void firstDayOfWeekDefault()
    {
        QFETCH(int, regional);
        QFETCH(QByteArray, values);
        QFETCH(int, firstDayOfWeek);
        Regional::Settings region = TestSupport::englishSettings();
        region.firstDayOfWeek = regional;
        const Regional::Override override(region);
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey(values);
        TData data;
        QCOMPARE(data.FirstDayOfWeek(), firstDayOfWeek);
    }

    void dayTargetFollowsTheWeekdayNumbers()
    {
        TestSupport::TemporaryHome home;
        TData data;
        data.SetSundayTarget(1);
        data.SetMondayTarget(2);
        data.SetTuesdayTarget(3);
        data.SetWednesdayTarget(4);
        data.SetThusdayTarget(5);
        data.SetFridayTarget(6);
        data.SetSaturdayTarget(7);
        for (int weekday = 1; weekday <= 7; ++weekday)
            QCOMPARE(data.DayTarget(weekday), weekday);
        QCOMPARE(data.DayTarget(0), 0);
        QCOMPARE(data.DayTarget(8), 0);
    }

    void thursdayIsWrittenUnderBothNames()
    {
        TestSupport::TemporaryHome home;
        TData data;
        data.SetThusdayTarget(360);
        QCOMPARE(data.ThusdayTarget(), 360);
        const TNTRegistry registry = StoreFile::appKey();
        QCOMPARE(registry.ReadInteger(u"ThusdayTarget"_s), std::optional<qint32>(360));
        QCOMPARE(registry.ReadInteger(u"ThursdayTarget"_s), std::optional<qint32>(360));
        const QString text = StoreFile::text();
        QVERIFY(text.indexOf(u"\"ThusdayTarget\"=dword:00000168"_s) >= 0);
        QVERIFY(text.indexOf(u"\"ThusdayTarget\""_s) < text.indexOf(u"\"ThursdayTarget\"=dword:00000168"_s));
    }

    void thursdayIsReadOnlyUnderItsOldName_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<int>("thursday");
        QTest::newRow("only the correct spelling")
            << QByteArray("\"ThursdayTarget\"=dword:0000012c\n") << 450;
        QTest::newRow("both") << QByteArray("\"ThursdayTarget\"=dword:0000012c\n"
                                            "\"ThusdayTarget\"=dword:000000f0\n")
                              << 240;
    }

    void thursdayIsReadOnlyUnderItsOldName()
    {
        QFETCH(QByteArray, values);
        QFETCH(int, thursday);
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey(values);
        TData data;
        QCOMPARE(data.ThusdayTarget(), thursday);
    }

    void storedFlagForms_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<bool>("autoSave");
        QTest::addColumn<bool>("showMenu");
        QTest::newRow("one") << QByteArray("\"AutoSave\"=dword:00000001\n\"ShowMenu\"=dword:00000000\n")
                             << true << false;
        QTest::newRow("any non-zero")
            << QByteArray("\"AutoSave\"=dword:00000007\n\"ShowMenu\"=dword:ffffffff\n") << true << true;
        QTest::newRow("strings read as defaults")
            << QByteArray("\"AutoSave\"=\"1\"\n\"ShowMenu\"=\"0\"\n") << false << true;
    }

    void storedFlagForms()
    {
        QFETCH(QByteArray, values);
        QFETCH(bool, autoSave);
        QFETCH(bool, showMenu);
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey(values);
        TData data;
        QCOMPARE(data.AutoSave(), autoSave);
        QCOMPARE(data.ShowMenu(), showMenu);
    }

    void valuesOutOfRangeReadAsDefaults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("stored");
        QTest::newRow("negative minutes") << u"MondayTarget"_s << -1;
        QTest::newRow("negative lunch") << u"DefaultLunchTime"_s << -30;
        QTest::newRow("first day 0") << u"FirstDayOfWeek"_s << 0;
        QTest::newRow("first day 8") << u"FirstDayOfWeek"_s << 8;
        QTest::newRow("first day 9") << u"FirstDayOfWeek"_s << 9;
        QTest::newRow("round to 0") << u"RoundTimesTo"_s << 0;
        QTest::newRow("no comments") << u"NumberOfComments"_s << 0;
        QTest::newRow("negative comments") << u"NumberOfComments"_s << -3;
        QTest::newRow("font size 0") << u"PrinterFontSize"_s << 0;
    }

    void valuesOutOfRangeReadAsDefaults()
    {
        QFETCH(QString, name);
        QFETCH(int, stored);
        TestSupport::TemporaryHome home;
        const Setting &s = setting(name);
        store(s, stored);
        TData data;
        QCOMPARE(s.get(data), s.defaultValue);
    }

    void valuesOutOfRangeAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::newRow("negative minutes") << u"FridayTarget"_s << -1;
        QTest::newRow("negative Thursday") << u"ThusdayTarget"_s << -5;
        QTest::newRow("first day 8") << u"FirstDayOfWeek"_s << 8;
        QTest::newRow("round to 0") << u"RoundTimesTo"_s << 0;
        QTest::newRow("no comments") << u"NumberOfComments"_s << 0;
        QTest::newRow("font size 0") << u"PrinterFontSize"_s << 0;
    }

    void valuesOutOfRangeAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(int, value);
        TestSupport::TemporaryHome home;
        const Setting &s = setting(name);
        TData data;
        QVERIFY_THROWS_EXCEPTION(RangeError, s.set(data, value));
        QCOMPARE(s.get(data), s.defaultValue);
        QVERIFY(!StoreFile::appKey().ValueExists(name));
    }

    void refusedWriteRaisesWithTheValueChanged()
    {
        TestSupport::TemporaryHome home;
        TData data;
        // A file where the store's folder should be: no write can succeed.
        const QString folder = QFileInfo(StoreFile::path()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        try {
            data.SetAutoSave(true);
            QFAIL("the write was taken");
        } catch (const RegistryError &error) {
            QCOMPARE(error.message(), u"Failed to set data for 'AutoSave'"_s);
        }
        QVERIFY(data.AutoSave());
    }

    void unparsableStoreGivesDefaultsAndIsKeptAside()
    {
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey("\"AutoSave\"=dword:00000001\n\"MondayTarget\"=oops\n");
        const QString original = StoreFile::text();
        TData data;
        QVERIFY(!data.AutoSave());
        QCOMPARE(data.MondayTarget(), 450);
        QCOMPARE(StoreFile::text(), original);
        // The first write replaces it.
        data.SetMondayTarget(480);
        QFile bad(StoreFile::path() + u".bad"_s);
        QVERIFY(bad.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(bad.readAll()), original);
        QCOMPARE(TData().MondayTarget(), 480);
    }

    void writtenStoreIsTheRegistryExportText()
    {
        TestSupport::TemporaryHome home;
        TData data;
        data.SetAutoSave(false);
        data.SetFilename(u"/home/ann/week.hf"_s);
        data.RegistryManager().WriteRect(u"MainFormWindowRect"_s, TRect { 283, 118, 658, 440 });
        QCOMPARE(StoreFile::text(),
            u"Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\n"
            "\"AutoSave\"=dword:00000000\n"
            "\"Filename\"=\"/home/ann/week.hf\"\n"
            "\"MainFormWindowRect\"=\"283,118,658,440\"\n"_s);
    }

    void twoInstancesKeepEachOthersValues()
    {
        TestSupport::TemporaryHome home;
        TData first;
        TData second;
        first.SetAutoSave(true);
        second.SetMondayTarget(480);
        first.SetFilename(u"/home/ann/week.hf"_s);
        second.SetShowMenu(false);
        TData third;
        QVERIFY(third.AutoSave());
        QCOMPARE(third.MondayTarget(), 480);
        QCOMPARE(third.Filename(), u"/home/ann/week.hf"_s);
        QVERIFY(!third.ShowMenu());
    }

    void applicationTitleAndHelpFile()
    {
        TestSupport::TemporaryHome home;
        TData data;
        QCOMPARE(data.ApplicationTitle(), u"Hourframe"_s);
        QCOMPARE(QCoreApplication::applicationName(), u"Hourframe"_s);
        QCOMPARE(data.HelpFile(), ManualPathFor(QCoreApplication::applicationFilePath()));
        QCOMPARE(data.VersionData().VersionInfo().ProductName, u"Hourframe"_s);
    }

    // The window program in libexec/hourframe/ finds the manual in share/,
    // in the installed tree as in the build tree.
    void manualPath_data()
    {
        QTest::addColumn<QStringList>("manuals");
        QTest::addColumn<QString>("found");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("installed") << QStringList { u"share/hourframe/help/index.html"_s }
                                   << u"share/hourframe/help/index.html"_s;
        QTest::newRow("beside the program is not looked at")
            << QStringList { u"libexec/hourframe/help/index.html"_s } << QString();
        QTest::newRow("a folder is no manual")
            << QStringList { u"share/hourframe/help/index.html/x"_s } << QString();
    }

    void manualPath()
    {
        QFETCH(QStringList, manuals);
        QFETCH(QString, found);
        QTemporaryDir prefix;
        for (const QString &manual : manuals) {
            QVERIFY(QDir(prefix.path()).mkpath(QFileInfo(manual).path()));
            QFile file(prefix.filePath(manual));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(ManualPathFor(prefix.filePath(u"libexec/hourframe/hourframe-window"_s)),
            found.isEmpty() ? QString() : prefix.filePath(found));
    }
};

QTEST_GUILESS_MAIN(TestDataMod)
#include "tst_DataMod.moc"
