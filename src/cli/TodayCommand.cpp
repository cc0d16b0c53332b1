#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/Balance.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "core/Today.h"
#include "settings/DataMod.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

// A time to leave in minutes from the start of the day, on the clock; a time
// on the next day shows as that day's time.
QString leaveText(const std::optional<int> &minutes)
{
    return minutes ? ClockText(*minutes % 1440) : QString();
}

QString dayText(int day)
{
    return DayCaption(DayNumber::dayOfWeek(day)) + u' ' + ShortDateText(day);
}

QString todayTable(const TToday &today)
{
    const auto label = [](const char *text) { return QCoreApplication::translate("Cli", text); };
    const QList<QStringList> rows { { label(QT_TRANSLATE_NOOP("Cli", "Day")), dayText(today.Date) },
        { label(QT_TRANSLATE_NOOP("Cli", "Arrived")),
            today.Arrive >= 0 ? ClockText(today.Arrive) : QString() },
        { label(QT_TRANSLATE_NOOP("Cli", "Hours so far")), HoursText(today.SoFar) },
        { label(QT_TRANSLATE_NOOP("Cli", "Target")), HoursText(today.Target) },
        { label(QT_TRANSLATE_NOOP("Cli", "Leave at")), leaveText(today.LeaveAt) },
        { label(QT_TRANSLATE_NOOP("Cli", "Zero balance at")), leaveText(today.ZeroBalanceAt) },
        { label(QT_TRANSLATE_NOOP("Cli", "Balance")), BalanceText(today.Balance) },
        { label(QT_TRANSLATE_NOOP("Cli", "Counted up to")), dayText(today.CountedTo) } };
    return AlignedTable(rows, { false, false });
}

void addMinutes(QJsonObject &object, const QString &name, std::optional<qint64> minutes, const QString &text)
{
    object.insert(name, minutes ? QJsonValue(*minutes) : QJsonValue());
    object.insert(name + u"Text"_s, text);
}

void addDay(QJsonObject &object, const QString &name, int day)
{
    object.insert(name, DayNumber::toDate(day).toString(Qt::ISODate));
    object.insert(name + u"Text"_s, ShortDateText(day));
}

QByteArray todayJson(const TToday &today)
{
    QJsonObject object;
    addDay(object, u"date"_s, today.Date);
    object.insert(u"day"_s, DayCaption(DayNumber::dayOfWeek(today.Date)));
    object.insert(u"inProgress"_s, today.InProgress);
    const std::optional<qint64> arrive
        = today.Arrive >= 0 ? std::optional<qint64>(today.Arrive) : std::nullopt;
    addMinutes(object, u"arrive"_s, arrive, arrive ? ClockText(today.Arrive) : QString());
    addMinutes(object, u"hoursSoFar"_s, today.SoFar, HoursText(today.SoFar));
    addMinutes(object, u"target"_s, today.Target, HoursText(today.Target));
    addMinutes(object, u"leaveAt"_s, today.LeaveAt, leaveText(today.LeaveAt));
    addMinutes(object, u"zeroBalanceAt"_s, today.ZeroBalanceAt, leaveText(today.ZeroBalanceAt));
    addMinutes(object, u"balance"_s, today.Balance, BalanceText(today.Balance));
    addDay(object, u"countedTo"_s, today.CountedTo);
    return QJsonDocument(object).toJson();
}

} // namespace

QByteArray RunToday(const QStringList &arguments)
{
    CommandOptions options(u"today"_s,
        QCoreApplication::translate("Cli",
            "Prints the day being worked, one value per line: its arrival, the hours worked so far,\n"
            "its target, the time to leave that meets the target and the one that brings the running\n"
            "balance to zero, then the balance and the last day it counts. Today counts in the balance\n"
            "once it holds a departure, or holiday or extra hours and no arrival; a night shift counts\n"
            "on the day it began."));
    options.addDataFile();
    options.addJsonOption();
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    TTimeRecorder recorder;
    options.loadDataFile(recorder, *settings);
    const TToday today = TodayFigures(recorder, BalanceSettingsOf(*settings), DefaultLunchOf(*settings));
    return options.isSet(u"json"_s) ? todayJson(today) : todayTable(today).toUtf8();
}

} // namespace Cli
