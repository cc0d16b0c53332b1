#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/Balance.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/WorkingTimeRules.h"
#include "settings/DataMod.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

// The first and the last day that hold data; nothing for a file without any.
std::optional<TPeriod> daysWithData(const TTimeRecorder &store)
{
    std::optional<TPeriod> days;
    store.VisitDays(INT_MIN, INT_MAX, [&](const DayRecord &record) {
        if (IsEmptyRecord(record))
            return;
        if (!days)
            days = TPeriod { record.Date, record.Date };
        days->StartDate = std::min(days->StartDate, record.Date);
        days->EndDate = std::max(days->EndDate, record.Date);
    });
    return days;
}

QJsonValue isoDate(const std::optional<int> &day)
{
    return day ? QJsonValue(DayNumber::toDate(*day).toString(Qt::ISODate)) : QJsonValue();
}

QByteArray breachesJson(const TWorkingTimeRules &rules, const std::optional<TPeriod> &period,
    const std::vector<TBreach> &breaches)
{
    QJsonObject object;
    object.insert(u"rules"_s, RuleSetCode(rules.Set));
    object.insert(u"rulesText"_s, RuleSetName(rules.Set));
    object.insert(u"from"_s, isoDate(period ? std::optional(period->StartDate) : std::nullopt));
    object.insert(u"to"_s, isoDate(period ? std::optional(period->EndDate) : std::nullopt));
    QJsonArray list;
    for (const TBreach &breach : breaches) {
        QJsonObject row;
        row.insert(u"date"_s, isoDate(breach.Date));
        row.insert(u"dateText"_s, ShortDateText(breach.Date));
        row.insert(u"rule"_s, RuleCode(breach.Rule));
        row.insert(u"actual"_s, breach.Actual);
        row.insert(u"actualText"_s, HoursText(breach.Actual));
        row.insert(u"limit"_s, breach.Limit);
        row.insert(u"limitText"_s, HoursText(breach.Limit));
        row.insert(u"text"_s, BreachText(breach));
        list.append(row);
    }
    object.insert(u"breaches"_s, list);
    return QJsonDocument(object).toJson();
}

} // namespace

QByteArray RunCheck(const QStringList &arguments)
{
    CommandOptions options(u"check"_s,
        QCoreApplication::translate("Cli",
            "Checks the days of a period against the working-time rules: daily rest, breaks, the\n"
            "daily and weekly maximums and weekly rest, and prints one line per breach. The exit\n"
            "status is 0 without a breach and 3 with some. The rules are a warning, not legal\n"
            "advice: see the manual for their sources and what the check cannot know."));
    options.addDataFile();
    options.addPeriodOptions(
        QString(), QCoreApplication::translate("Cli", "every day of the file, to the end of its last week"));
    options.addOption(QCommandLineOption(u"rules"_s,
        QCoreApplication::translate("Cli",
            "The rule set to check with: eu (EU minimum), de (Germany) or fr (France), as --set "
            "WorkingTimeRules=1, 2 or 3 would choose it; the values changed in Preferences (or with "
            "--set RuleDailyRest=... and the like) hold with any set. Default: the set chosen in "
            "Preferences."),
        RuleSetCodes().join(u'|')));
    options.addJsonOption();
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    if (options.isSet(u"rules"_s)) {
        const std::optional<TRuleSetId> set = RuleSetOfCode(options.value(u"rules"_s));
        if (!set || *set == TRuleSetId::Off)
            throw UsageError(QCoreApplication::translate("Cli", "--rules: '%1' is none of %2")
                                 .arg(options.value(u"rules"_s), RuleSetCodes().join(u", "_s)));
        settings->SetWorkingTimeRules(int(*set));
    }
    const TWorkingTimeRules rules = WorkingTimeRulesOf(*settings);
    if (!rules.IsOn())
        throw UsageError(QCoreApplication::translate(
            "Cli", "no working-time rules are chosen: choose a set in Preferences or with --rules"));
    // The period is read before the file, so that a mistake in it costs no load.
    std::optional<TPeriod> period;
    if (options.hasPeriod())
        period = options.period(settings->FirstDayOfWeek(), false);
    TTimeRecorder recorder;
    options.loadDataFile(recorder, *settings);
    // A weekly rule is broken on the last day of its week, which the file's
    // last week may not have reached yet.
    if (!period) {
        period = daysWithData(recorder);
        if (period)
            period->EndDate = DayNumber::weekStartOf(period->EndDate, settings->FirstDayOfWeek()) + 6;
    }

    const std::vector<TBreach> breaches = period
        ? Breaches(recorder, rules, period->StartDate, period->EndDate, settings->FirstDayOfWeek())
        : std::vector<TBreach>();
    if (!breaches.empty())
        FoundWhatWasChecked();
    if (options.isSet(u"json"_s))
        return breachesJson(rules, period, breaches);
    QString text;
    for (const TBreach &breach : breaches)
        text += ShortDateText(breach.Date) + u"  "_s + BreachText(breach) + u'\n';
    return text.toUtf8();
}

} // namespace Cli
