#pragma once

#include "core/WorkingTimeRules.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <climits>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class THolidayCalendar;
class TRegistryManager;
class TVersionData;
struct TBalanceSettings;
class TTargets;
struct TTargetEntry;
struct TVacationSettings;

// Every setting, one row each, in the order they are read at start-up:
//   FLAG(name, default)
//   NUMBER(name, Integer, Minutes or Day, default, minimum, maximum)
//   TEXT(name, default)
// The name is the value name in the store, the getter's name and, after
// "Set", the setter's. A Day is a day number (0 for none); given as a text
// it may also be a date in the form yyyy-MM-dd. A number outside its range is refused by the setter
// and reads as the default. Adding a setting is adding its row.
// clang-format off
#define HOURFRAME_SETTINGS(FLAG, NUMBER, TEXT)                                        \
    FLAG(AutoSave,                      false)                                        \
    FLAG(AutoEnterTime,                 true)                                         \
    TEXT(Filename,                      "")                                           \
    FLAG(ReopenLastUsedFile,            true)                                         \
    FLAG(AssociateHfFiles,              false)                                        \
    FLAG(ReportWorkDaysWithNoHours,     true)                                         \
    FLAG(ReportCalculateTotalHours,     true)                                         \
    FLAG(ReportCalculateAverageHours,   true)                                         \
    FLAG(ReportWeekendDaysWithNoHours,  false)                                        \
    FLAG(ReportAdjustDatesToFullWeek,   true)                                         \
    TEXT(ReportFileName,                "")                                           \
    TEXT(ReportPdfFileName,             "")                                           \
    FLAG(ShowDeviationFromWeeklyTarget, false)                                        \
    FLAG(ShowDeviationFromDailyTarget,  false)                                        \
    FLAG(ShowLunchTime,                 true)                                         \
    FLAG(ShowComment,                   false)                                        \
    FLAG(ShowExtraHours,                false)                                        \
    FLAG(ShowHols,                      false)                                        \
    FLAG(ShowToolbar,                   true)                                         \
    FLAG(ShowMenu,                      true)                                         \
    TEXT(PrinterFontName,               "Courier New")                                \
    NUMBER(PrinterFontSize,             Integer, 12,              1, INT_MAX)         \
    NUMBER(SaturdayTarget,              Minutes, 0,               0, INT_MAX)         \
    NUMBER(SundayTarget,                Minutes, 0,               0, INT_MAX)         \
    NUMBER(MondayTarget,                Minutes, 450,             0, INT_MAX)         \
    NUMBER(TuesdayTarget,               Minutes, 450,             0, INT_MAX)         \
    NUMBER(WednesdayTarget,             Minutes, 450,             0, INT_MAX)         \
    NUMBER(ThusdayTarget,               Minutes, 450,             0, INT_MAX)         \
    NUMBER(FridayTarget,                Minutes, 420,             0, INT_MAX)         \
    NUMBER(WeeklyTarget,                Minutes, SumOfDayTargets, 0, INT_MAX)         \
    FLAG(UseToolTray,                   false)                                        \
    NUMBER(RoundTimesTo,                Integer, 5,               1, INT_MAX)         \
    FLAG(RoundTimes,                    false)                                        \
    NUMBER(FirstDayOfWeek,              Integer, 1,               1, 7)               \
    FLAG(ExportAdjustDatesToFullWeek,   true)                                         \
    FLAG(ExportWorkDaysWithNoHours,     true)                                         \
    FLAG(ExportWeekendDaysWithNoHours,  false)                                        \
    FLAG(ExportCalculateTotalHours,     true)                                         \
    FLAG(ExportColumnHeadings,          true)                                         \
    FLAG(ExportDate,                    true)                                         \
    FLAG(ExportArrivalTime,             true)                                         \
    FLAG(ExportDepartureTime,           true)                                         \
    FLAG(ExportLunchTime,               true)                                         \
    FLAG(ExportExtraHours,              true)                                         \
    FLAG(ExportHolidays,                true)                                         \
    FLAG(ExportDailyHours,              true)                                         \
    FLAG(ExportDeviation,               true)                                         \
    FLAG(ExportComments,                true)                                         \
    FLAG(ExportIsoDates,                false)                                        \
    TEXT(ExportFileName,                "")                                           \
    FLAG(IncludeHolsInTotal,            true)                                         \
    NUMBER(DefaultLunchTime,            Minutes, 0,               0, INT_MAX)         \
    FLAG(UseDefaultLunchTime,           false)                                        \
    NUMBER(NumberOfComments,            Integer, 50,              1, INT_MAX)         \
    NUMBER(BalanceStartDate,            Day,     0,  FirstFileDay(), LastFileDay())   \
    NUMBER(BalanceOpening,              Minutes, 0,         INT_MIN, INT_MAX)         \
    FLAG(ShowBalance,                   false)                                        \
    FLAG(ReportShowBalance,             false)                                        \
    FLAG(ChartAdjustDatesToFullWeek,    true)                                         \
    TEXT(ChartFileName,                 "")                                           \
    TEXT(TargetHistory,                 "")                                           \
    FLAG(ShowLeaveAt,                   false)                                        \
    FLAG(NotifyLeaveTime,               false)                                        \
    TEXT(HolidayCalendar,               "")                                           \
    NUMBER(VacationDaysPerYear,         Integer, 0,               0, 366)             \
    NUMBER(VacationCarriedOver,         Integer, 0,            -366, 366)             \
    NUMBER(WorkingTimeRules,            Integer, 0,               0, 3)               \
    NUMBER(RuleDailyRest,               Minutes, FromRuleSet,    -1, 10080)           \
    NUMBER(RuleBreakAfter,              Minutes, FromRuleSet,    -1, 10080)           \
    NUMBER(RuleBreak,                   Minutes, FromRuleSet,    -1, 10080)           \
    NUMBER(RuleLongBreakAfter,          Minutes, FromRuleSet,    -1, 10080)           \
    NUMBER(RuleLongBreak,               Minutes, FromRuleSet,    -1, 10080)           \
    NUMBER(RuleDailyMaximum,            Minutes, FromRuleSet,    -1, 10080)           \
    NUMBER(RuleWeeklyMaximum,           Minutes, FromRuleSet,    -1, 10080)           \
    NUMBER(RuleAverageWeeklyMaximum,    Minutes, FromRuleSet,    -1, 10080)           \
    NUMBER(RuleAverageWeeks,            Integer, FromRuleSet,    -1, 52)              \
    NUMBER(RuleWeeklyRest,              Minutes, FromRuleSet,    -1, 10080)
// clang-format on

// The default of WeeklyTarget: the sum of the seven day targets as just read.
// FirstDayOfWeek's default of 1 (Sunday) gives way to the regional first day
// of the week (Regional::firstDayOfWeek) when the value is read.
inline constexpr int SumOfDayTargets = -1;
// The default of each value of the working-time rules: the value of the
// rule set that WorkingTimeRules chooses (0 Off, 1 EU minimum, 2 Germany,
// 3 France). A value stored as anything else has been changed by the user.
inline constexpr int FromRuleSet = -1;

#define HOURFRAME_SETTING_ENUMERATOR(name, ...) name,
enum class TSetting {
    HOURFRAME_SETTINGS(
        HOURFRAME_SETTING_ENUMERATOR, HOURFRAME_SETTING_ENUMERATOR, HOURFRAME_SETTING_ENUMERATOR)
};
#undef HOURFRAME_SETTING_ENUMERATOR

#define HOURFRAME_SETTING_COUNT(...) +1
inline constexpr int SettingCount
    = 0 HOURFRAME_SETTINGS(HOURFRAME_SETTING_COUNT, HOURFRAME_SETTING_COUNT, HOURFRAME_SETTING_COUNT);
#undef HOURFRAME_SETTING_COUNT

// A flag is stored as the number 1 or 0, an integer, a count of minutes or a
// day number as a 32-bit number, a text as a string.
enum class TSettingKind { Flag, Integer, Minutes, Day, Text };

// A flag holds a bool, an integer or minutes an int, a text a QString.
using TSettingValue = std::variant<bool, int, QString>;

struct TSettingInfo {
    QString name;
    TSettingKind kind;
    TSettingValue defaultValue;
    int minimum = 0; // numbers only
    int maximum = 0;
};

// The table's row of a setting.
const TSettingInfo &SettingInfo(TSetting setting);

// The application's settings. Every setting is read once when the object is
// created, from one parse of the per-user store file; a getter gives the
// value held in memory. A setter changes it and writes it to the store at
// once, unless the file already holds that value; several setters run in
// Batch() write once. The main program owns the one instance and hands it to
// every window that needs it.
//
// A value that the store refuses raises RegistryError with the value already
// changed in memory. A number outside its row's range is refused with
// RangeError, and such a stored number reads as the default.
class TData : public QObject {
    Q_OBJECT

public:
    // WriteThrough stores every assignment in the per-user file. MemoryOnly
    // reads the file and never changes or creates it, for runs that must
    // leave the user's settings as they are.
    enum class Persistence { WriteThrough, MemoryOnly };

    explicit TData(QObject *parent = nullptr, Persistence persistence = Persistence::WriteThrough);

    TVersionData &VersionData() const { return *m_versionData; }
    TRegistryManager &RegistryManager() const { return *m_registryManager; }

    // The product name; also the application's name for Qt.
    QString ApplicationTitle() const { return m_applicationTitle; }
    // The manual's first page; empty when there is no manual. Looked up when
    // asked: the command line, which never opens it, does not pay for the look.
    QString HelpFile() const;

    // One getter and one setter for every row of the table:
    // bool AutoSave() and SetAutoSave(bool), int MondayTarget() and
    // SetMondayTarget(int), QString Filename() and SetFilename(const QString &), ...
    // SetThusdayTarget also writes the number, second, under "ThursdayTarget",
    // which is never read.
    // clang-format off
#define HOURFRAME_FLAG_ACCESSORS(name, byDefault)                                                      \
    bool name() const { return std::get<bool>(Value(TSetting::name)); }                                \
    void Set##name(bool value) { Assign(TSetting::name, TSettingValue(std::in_place_type<bool>, value)); }
#define HOURFRAME_NUMBER_ACCESSORS(name, kind, byDefault, minimum, maximum)                            \
    int name() const { return std::get<int>(Value(TSetting::name)); }                                  \
    void Set##name(int value) { Assign(TSetting::name, TSettingValue(std::in_place_type<int>, value)); }
#define HOURFRAME_TEXT_ACCESSORS(name, byDefault)                                                      \
    QString name() const { return std::get<QString>(Value(TSetting::name)); }                          \
    void Set##name(const QString &value) { Assign(TSetting::name, TSettingValue(value)); }
    HOURFRAME_SETTINGS(HOURFRAME_FLAG_ACCESSORS, HOURFRAME_NUMBER_ACCESSORS, HOURFRAME_TEXT_ACCESSORS)
#undef HOURFRAME_FLAG_ACCESSORS
#undef HOURFRAME_NUMBER_ACCESSORS
#undef HOURFRAME_TEXT_ACCESSORS
    // clang-format on

    // The target of a weekday, 1 = Sunday to 7 = Saturday; 0 for any other number.
    int DayTarget(int weekday) const;
    // The targets in force on every day, for whatever measures days against
    // them: the entries of TargetHistory, the latest of them with the day
    // targets and WeeklyTarget, which are the targets from its start on. No
    // history is one entry from the start. The public holidays come with them.
    TTargets Targets() const;
    // Stores a history: its latest targets as the day targets and
    // WeeklyTarget, the whole of it as TargetHistory (empty for one entry),
    // in one write.
    void SetTargets(const TTargets &targets);
    // Whether a setting is a day target or WeeklyTarget.
    static bool IsTarget(TSetting setting);

    // The public holidays of the HolidayCalendar file, read when first asked
    // for and again once the setting names another file; none without a
    // file, or when it cannot be read, which HolidayCalendarFailed then tells.
    std::shared_ptr<const THolidayCalendar> Holidays() const;
    // A calendar file read afresh, or why it cannot be read. Holidays() takes
    // the last one read, so that a file looked at beforehand (as Preferences
    // does) is neither read nor reported twice.
    struct HolidayCalendarRead {
        std::shared_ptr<const THolidayCalendar> calendar;
        QString problem;
    };
    const HolidayCalendarRead &ReadHolidayCalendar(const QString &path) const;
    // Held back, Holidays() gives none and reads nothing, so that the window
    // shows its first week without waiting for a long calendar; released,
    // the next call reads it.
    void HoldBackHolidays(bool held)
    {
        m_holidaysHeldBack = held;
    }

    const TSettingValue &Value(TSetting setting) const
    {
        return m_values[std::size_t(setting)];
    }
    // What the setter of the setting does; the value must be of its kind.
    void Assign(TSetting setting, const TSettingValue &value);

    // The setting of that value name, letter case aside; ThursdayTarget is
    // another name of ThusdayTarget.
    static std::optional<TSetting> Find(const QString &name);
    // Assigns a setting named by its value name (letter case aside) from a
    // text: a flag as 1 or 0, true or false; an integer in decimal; minutes
    // in decimal or as hours:minutes, either with a sign; a day as a day
    // number or a date yyyy-MM-dd; a text as it is. An unknown name or a
    // text of the wrong form is a ConversionError, a number outside the
    // setting's range a RangeError, each naming the setting.
    void SetByName(const QString &name, const QString &text);

    // Runs assignments, whose setter calls are then stored as one change of
    // the settings file, in the order first assigned and with the content
    // one write each would give; nothing is replaced when the file holds
    // them all. Made for a dialog's OK, which stores every value it shows:
    // a value assigned unchanged does not overwrite a different one that
    // another instance stored meanwhile, it takes that value instead.
    // Everything assigned is on disk when Batch returns, also when
    // assignments throws part way (the failure then goes on to the caller).
    void Batch(const std::function<void()> &assignments);

Q_SIGNALS:
    // The HolidayCalendar file cannot be read: the file, the line and the
    // problem. Holidays() then goes on without holidays.
    void HolidayCalendarFailed(const QString &message) const;

private:
    struct PendingValue {
        TSetting setting;
        TSettingValue held; // before the first assignment
    };

    void HourframeDataCreate();
    int WeeklyTargetDefault() const;
    void Store(bool batch);

    Persistence m_persistence;
    TVersionData *m_versionData;
    TRegistryManager *m_registryManager;
    QString m_applicationTitle;
    std::array<TSettingValue, SettingCount> m_values;
    // WeeklyTarget was stored or assigned; until then it is the sum of the
    // day targets, also after one of them changes.
    bool m_weeklyTargetGiven = false;
    QList<PendingValue> m_pending;
    int m_batchDepth = 0;
    // The file of the setting and what it gave; the file read last by
    // ReadHolidayCalendar and what it gave.
    mutable std::optional<std::pair<QString, HolidayCalendarRead>> m_holidays;
    mutable std::optional<std::pair<QString, HolidayCalendarRead>> m_lookedAt;
    bool m_holidaysHeldBack = false;
    // TargetHistory as last read into entries: the sheet asks for the
    // targets on every keystroke, the text changes only in Preferences.
    mutable QString m_historyText;
    mutable std::shared_ptr<const std::vector<TTargetEntry>> m_history;
};

// The values the settings object holds now.
TBalanceSettings BalanceSettingsOf(const TData &data);
// The lunch a day is taken to have when none is entered: the default lunch
// when it is used, else 0.
int DefaultLunchOf(const TData &data);
TVacationSettings VacationSettingsOf(const TData &data);
// The working-time rules of the chosen set, with the values the user changed.
TWorkingTimeRules WorkingTimeRulesOf(const TData &data);
// Each value of the working-time rules and its setting.
struct TRuleValue {
    TSetting setting;
    int TWorkingTimeRules::*member;
};
const std::array<TRuleValue, 10> &RuleValues();

// The manual's first page for the window program's file: in the data folder
// of the installed tree, or of the build tree laid out alike; empty when it
// does not exist.
QString ManualPathFor(const QString &programPath);
