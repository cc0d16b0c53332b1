#include "settings/DataMod.h"

#include "BuildInfo.h"
#include "core/Balance.h"
#include "core/DataFile.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/HolidayCalendar.h"
#include "core/Regional.h"
#include "core/Targets.h"
#include "core/TimeText.h"
#include "core/Vacation.h"
#include "settings/RegFile.h"
#include "settings/RegMgr.h"
#include "settings/VersionData.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const std::array<TSettingInfo, SettingCount> &SettingsTable()
{
#define HOURFRAME_FLAG_ROW(name, byDefault)                                                                  \
    TSettingInfo { QStringLiteral(#name), TSettingKind::Flag,                                                \
        TSettingValue(std::in_place_type<bool>, byDefault) },
#define HOURFRAME_NUMBER_ROW(name, kind, byDefault, minimum, maximum)                                        \
    TSettingInfo { QStringLiteral(#name), TSettingKind::kind,                                                \
        TSettingValue(std::in_place_type<int>, byDefault), minimum, maximum },
#define HOURFRAME_TEXT_ROW(name, byDefault)                                                                  \
    TSettingInfo { QStringLiteral(#name), TSettingKind::Text, TSettingValue(QStringLiteral(byDefault)) },
    static const std::array<TSettingInfo, SettingCount> table { { HOURFRAME_SETTINGS(
        HOURFRAME_FLAG_ROW, HOURFRAME_NUMBER_ROW, HOURFRAME_TEXT_ROW) } };
#undef HOURFRAME_FLAG_ROW
#undef HOURFRAME_NUMBER_ROW
#undef HOURFRAME_TEXT_ROW
    return table;
}

// The day targets by weekday, Sunday first.
constexpr TSetting DayTargetSettings[]
    = { TSetting::SundayTarget, TSetting::MondayTarget, TSetting::TuesdayTarget, TSetting::WednesdayTarget,
          TSetting::ThusdayTarget, TSetting::FridayTarget, TSetting::SaturdayTarget };

// Thursday's target keeps its historic value name "ThusdayTarget"; every
// write of it also writes the same number, second, under the correct
// spelling, for other programs. That name is never read.
QString AlsoWrittenAs(TSetting setting)
{
    return setting == TSetting::ThusdayTarget ? u"ThursdayTarget"_s : QString();
}

bool InRange(const TSettingInfo &info, qint64 number)
{
    return number >= info.minimum && number <= info.maximum;
}

// A stored value as the setting reads it; nothing when it is of the wrong
// type or outside the range, which reads as the default.
std::optional<TSettingValue> Decode(const TSettingInfo &info, const RegFile::Value *stored)
{
    if (!stored)
        return std::nullopt;
    if (info.kind == TSettingKind::Text) {
        const std::optional<QString> text = RegFile::textOf(*stored);
        return text ? std::optional<TSettingValue>(*text) : std::nullopt;
    }
    const std::optional<qint32> number = RegFile::integerOf(*stored);
    if (!number)
        return std::nullopt;
    if (info.kind == TSettingKind::Flag)
        return TSettingValue(std::in_place_type<bool>, *number != 0);
    if (!InRange(info, *number))
        return std::nullopt;
    return TSettingValue(std::in_place_type<int>, *number);
}

RegFile::Value Encode(const QString &name, const TSettingValue &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return RegFile::stringValue(name, *text);
    if (const auto *flag = std::get_if<bool>(&value))
        return RegFile::dwordValue(name, *flag ? 1 : 0);
    return RegFile::dwordValue(name, quint32(std::get<int>(value)));
}

QString ExpectedForm(TSettingKind kind)
{
    switch (kind) {
    case TSettingKind::Flag:
        return QCoreApplication::translate("TData", "1 or 0, true or false");
    case TSettingKind::Integer:
        return QCoreApplication::translate("TData", "a whole number");
    case TSettingKind::Minutes:
        return QCoreApplication::translate("TData", "a number of minutes or hours:minutes");
    case TSettingKind::Day:
        return QCoreApplication::translate("TData", "a date yyyy-MM-dd or a day number");
    case TSettingKind::Text:
        break;
    }
    return QCoreApplication::translate("TData", "a text");
}

std::optional<qint64> ParseNumber(TSettingKind kind, const QString &text)
{
    try {
        if (kind == TSettingKind::Day && text.size() == 10 && text[4] == u'-') {
            const QDate date = QDate::fromString(text, Qt::ISODate);
            return date.isValid() ? std::optional<qint64>(DayNumber::fromDate(date)) : std::nullopt;
        }
        const qsizetype colon = text.indexOf(u':');
        if (kind != TSettingKind::Minutes || colon < 0)
            return ParseDecimalInt(text);
        const QStringView hours = QStringView(text).left(colon);
        const QStringView minutes = QStringView(text).mid(colon + 1);
        if (minutes.size() != 2 || !minutes[0].isDigit() || !minutes[1].isDigit() || minutes.toInt() >= 60)
            return std::nullopt;
        const qint64 total = qAbs(qint64(ParseDecimalInt(hours))) * 60 + minutes.toInt();
        return hours.startsWith(u'-') ? -total : total;
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

// A setting's value from a text given by name; see TData::SetByName.
TSettingValue ParseValue(const TSettingInfo &info, const QString &text)
{
    const auto wrongForm = [&] {
        return ConversionError(
            QCoreApplication::translate("TData", "'%1' is not a valid value for %2: give %3")
                .arg(text, info.name, ExpectedForm(info.kind)));
    };
    switch (info.kind) {
    case TSettingKind::Text:
        return text;
    case TSettingKind::Flag: {
        const QString word = text.trimmed().toLower();
        if (word == u"1"_s || word == u"true"_s)
            return TSettingValue(std::in_place_type<bool>, true);
        if (word == u"0"_s || word == u"false"_s)
            return TSettingValue(std::in_place_type<bool>, false);
        throw wrongForm();
    }
    case TSettingKind::Integer:
    case TSettingKind::Minutes:
    case TSettingKind::Day:
        break;
    }
    const std::optional<qint64> number = ParseNumber(info.kind, text.trimmed());
    if (!number)
        throw wrongForm();
    if (!InRange(info, *number))
        throw RangeError(QCoreApplication::translate("TData", "%1 is out of range for %2: give %3 to %4")
                             .arg(text.trimmed(), info.name, QString::number(info.minimum),
                                 QString::number(info.maximum)));
    return TSettingValue(std::in_place_type<int>, int(*number));
}

} // namespace

const TSettingInfo &SettingInfo(TSetting setting)
{
    return SettingsTable()[std::size_t(setting)];
}

QString ManualPathFor(const QString &programPath)
{
    const QString path = QDir::cleanPath(
        QFileInfo(programPath).dir().filePath(QString::fromLatin1(BuildInfo::InstalledManual)));
    return QFileInfo(path).isFile() ? path : QString();
}

TData::TData(QObject *parent, Persistence persistence)
    : QObject(parent)
    , m_persistence(persistence)
    , m_versionData(new TVersionData(this))
    , m_registryManager(new TRegistryManager(this))
{
    m_registryManager->SetReadOnly(persistence == Persistence::MemoryOnly);
    HourframeDataCreate();
}

void TData::HourframeDataCreate()
{
    m_applicationTitle = m_versionData->VersionInfo().ProductName;
    QCoreApplication::setApplicationName(m_applicationTitle);
    m_registryManager->SetApplicationName(m_versionData->VersionInfo().ProductName);

    // Every value from one look at the file, by the same rule as the typed
    // reads: a missing, wrongly typed or out-of-range value reads as the default.
    m_registryManager->ReadValues([this](const RegFile::Key *key) {
        for (std::size_t i = 0; i < m_values.size(); ++i) {
            const TSettingInfo &info = SettingsTable()[i];
            // The day targets come before WeeklyTarget in the table. A week
            // begins where the user lives begins it until a first day is chosen.
            const bool weekly = TSetting(i) == TSetting::WeeklyTarget;
            const TSettingValue byDefault = weekly
                ? TSettingValue(std::in_place_type<int>, WeeklyTargetDefault())
                : TSetting(i) == TSetting::FirstDayOfWeek
                ? TSettingValue(std::in_place_type<int>, Regional::firstDayOfWeek())
                : info.defaultValue;
            const std::optional<TSettingValue> stored = Decode(info, key ? key->find(info.name) : nullptr);
            m_values[i] = stored.value_or(byDefault);
            if (weekly)
                m_weeklyTargetGiven = stored.has_value();
        }
    });
}

QString TData::HelpFile() const
{
    return ManualPathFor(QCoreApplication::applicationFilePath());
}

int TData::DayTarget(int weekday) const
{
    return weekday >= 1 && weekday <= 7 ? std::get<int>(Value(DayTargetSettings[weekday - 1])) : 0;
}

TTargets TData::Targets() const
{
    TTargetSet latest;
    for (int weekday = 1; weekday <= 7; ++weekday)
        latest.Days[std::size_t(weekday - 1)] = DayTarget(weekday);
    latest.Weekly = WeeklyTarget();
    const QString history = TargetHistory();
    if (!m_history || m_historyText != history) {
        m_history = std::make_shared<const std::vector<TTargetEntry>>(ParseTargetHistory(history));
        m_historyText = history;
    }
    TTargets targets(*m_history);
    targets.SetLatest(latest);
    targets.Holidays = Holidays();
    return targets;
}

void TData::SetTargets(const TTargets &targets)
{
    const TTargetSet &latest = targets.Latest();
    Batch([&] {
        for (std::size_t i = 0; i < std::size(DayTargetSettings); ++i)
            Assign(DayTargetSettings[i], TSettingValue(std::in_place_type<int>, latest.Days[i]));
        SetWeeklyTarget(latest.Weekly);
        SetTargetHistory(targets.History().size() > 1 ? TargetHistoryText(targets.History()) : QString());
    });
}

bool TData::IsTarget(TSetting setting)
{
    return setting == TSetting::WeeklyTarget
        || std::find(std::begin(DayTargetSettings), std::end(DayTargetSettings), setting)
        != std::end(DayTargetSettings);
}

std::shared_ptr<const THolidayCalendar> TData::Holidays() const
{
    const QString path = HolidayCalendar();
    if (path.isEmpty() || m_holidaysHeldBack)
        return nullptr;
    if (m_holidays && m_holidays->first == path)
        return m_holidays->second.calendar;
    if (m_lookedAt && m_lookedAt->first == path) {
        m_holidays = std::exchange(m_lookedAt, std::nullopt);
        return m_holidays->second.calendar;
    }
    ReadHolidayCalendar(path);
    m_holidays = std::exchange(m_lookedAt, std::nullopt);
    if (!m_holidays->second.problem.isEmpty())
        Q_EMIT HolidayCalendarFailed(m_holidays->second.problem);
    return m_holidays->second.calendar;
}

const TData::HolidayCalendarRead &TData::ReadHolidayCalendar(const QString &path) const
{
    HolidayCalendarRead read;
    try {
        read.calendar = THolidayCalendar::FromFile(path);
    } catch (const HourframeError &error) {
        read.problem = error.message();
    }
    m_lookedAt.emplace(path, std::move(read));
    return m_lookedAt->second;
}

TVacationSettings VacationSettingsOf(const TData &data)
{
    return { data.VacationDaysPerYear(), data.VacationCarriedOver() };
}

const std::array<TRuleValue, 10> &RuleValues()
{
    using R = TWorkingTimeRules;
    static const std::array<TRuleValue, 10> values { {
        { TSetting::RuleDailyRest, &R::DailyRest },
        { TSetting::RuleBreakAfter, &R::BreakAfter },
        { TSetting::RuleBreak, &R::Break },
        { TSetting::RuleLongBreakAfter, &R::LongBreakAfter },
        { TSetting::RuleLongBreak, &R::LongBreak },
        { TSetting::RuleDailyMaximum, &R::DailyMaximum },
        { TSetting::RuleWeeklyMaximum, &R::WeeklyMaximum },
        { TSetting::RuleAverageWeeklyMaximum, &R::AverageWeeklyMaximum },
        { TSetting::RuleAverageWeeks, &R::AverageWeeks },
        { TSetting::RuleWeeklyRest, &R::WeeklyRest },
    } };
    return values;
}

TWorkingTimeRules WorkingTimeRulesOf(const TData &data)
{
    TWorkingTimeRules rules = TWorkingTimeRules::Of(TRuleSetId(data.WorkingTimeRules()));
    if (!rules.IsOn())
        return rules;
    for (const TRuleValue &value : RuleValues()) {
        const int changed = std::get<int>(data.Value(value.setting));
        if (changed != FromRuleSet)
            rules.*value.member = changed;
    }
    return rules;
}

TBalanceSettings BalanceSettingsOf(const TData &data)
{
    TBalanceSettings settings;
    settings.Targets = data.Targets();
    settings.IncludeHolsInTotal = data.IncludeHolsInTotal();
    settings.StartDate = data.BalanceStartDate();
    settings.Opening = data.BalanceOpening();
    return settings;
}

int DefaultLunchOf(const TData &data)
{
    return data.UseDefaultLunchTime() ? data.DefaultLunchTime() : 0;
}

int TData::WeeklyTargetDefault() const
{
    qint64 sum = 0;
    for (int weekday = 1; weekday <= 7; ++weekday)
        sum += DayTarget(weekday);
    return int(std::min<qint64>(sum, SettingInfo(TSetting::WeeklyTarget).maximum));
}

std::optional<TSetting> TData::Find(const QString &name)
{
    // People spell Thursday correctly; the file keeps the historic name.
    if (name.compare(AlsoWrittenAs(TSetting::ThusdayTarget), Qt::CaseInsensitive) == 0)
        return TSetting::ThusdayTarget;
    const auto &table = SettingsTable();
    const auto row = std::find_if(table.cbegin(), table.cend(),
        [&](const TSettingInfo &info) { return info.name.compare(name, Qt::CaseInsensitive) == 0; });
    return row == table.cend() ? std::nullopt : std::optional<TSetting>(TSetting(row - table.cbegin()));
}

void TData::SetByName(const QString &name, const QString &text)
{
    const std::optional<TSetting> setting = Find(name);
    if (!setting)
        throw ConversionError(tr("There is no setting named '%1'").arg(name));
    Assign(*setting, ParseValue(SettingInfo(*setting), text));
}

void TData::Assign(TSetting setting, const TSettingValue &value)
{
    const TSettingInfo &info = SettingInfo(setting);
    Q_ASSERT(value.index() == info.defaultValue.index());
    const int *number = std::get_if<int>(&value);
    if (number && !InRange(info, *number))
        throw RangeError(tr("%1 is not a valid value for %2").arg(QString::number(*number), info.name));
    TSettingValue &held = m_values[std::size_t(setting)];
    if (std::none_of(m_pending.cbegin(), m_pending.cend(),
            [&](const PendingValue &p) { return p.setting == setting; }))
        m_pending.append({ setting, held });
    held = value;
    if (setting == TSetting::WeeklyTarget)
        m_weeklyTargetGiven = true;
    else if (IsTarget(setting) && !m_weeklyTargetGiven)
        m_values[std::size_t(TSetting::WeeklyTarget)]
            = TSettingValue(std::in_place_type<int>, WeeklyTargetDefault());
    if (m_batchDepth == 0)
        Store(false);
}

void TData::Batch(const std::function<void()> &assignments)
{
    ++m_batchDepth;
    try {
        assignments();
    } catch (...) {
        if (--m_batchDepth == 0)
            Store(true);
        throw;
    }
    if (--m_batchDepth == 0)
        Store(true);
}

void TData::Store(bool batch)
{
    const QList<PendingValue> pending = std::exchange(m_pending, {});
    if (pending.isEmpty() || m_persistence == Persistence::MemoryOnly)
        return;
    QList<std::pair<TSetting, TSettingValue>> taken;
    m_registryManager->UpdateValues(SettingInfo(pending.first().setting).name, [&](RegFile::Key &key) {
        taken.clear();
        bool changed = false;
        for (const PendingValue &p : pending) {
            const TSettingInfo &info = SettingInfo(p.setting);
            const TSettingValue &ours = Value(p.setting);
            if (batch && ours == p.held) {
                const std::optional<TSettingValue> theirs = Decode(info, key.find(info.name));
                if (theirs && *theirs != ours) {
                    taken.append({ p.setting, *theirs });
                    continue;
                }
            }
            changed |= key.assign(Encode(info.name, ours));
            if (const QString alias = AlsoWrittenAs(p.setting); !alias.isEmpty())
                changed |= key.assign(Encode(alias, ours));
        }
        return changed;
    });
    for (const auto &[setting, value] : std::as_const(taken))
        m_values[std::size_t(setting)] = value;
}
