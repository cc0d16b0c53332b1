#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/Balance.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "core/Today.h"
#include "core/Vacation.h"
#include "settings/DataMod.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

// The first and the last day a balance counts; nothing when it counts none.
struct CountedDays {
    std::optional<int> first;
    int last = 0;
    bool todayLeftOut = false; // taken as of today, which is not closed yet
};

CountedDays countedDays(const TTimeRecorder &store, const TBalanceSettings &balance, int asOf)
{
    CountedDays days;
    days.last = LastCountedDay(store, asOf);
    days.todayLeftOut = asOf >= DayNumber::today() && days.last < DayNumber::today();
    const std::optional<int> start = BalanceStart(store, balance);
    if (start && *start <= days.last)
        days.first = start;
    return days;
}

// The opening balance, then one line per week: the minutes worked and owed
// in it, their difference and the balance at its end; last the days counted.
QString ledgerTable(
    const TBalanceSettings &balance, const std::vector<TBalanceWeek> &weeks, const CountedDays &counted)
{
    QList<QStringList> rows {
        { QCoreApplication::translate("Cli", "Week"), QCoreApplication::translate("Cli", "Worked"),
            QCoreApplication::translate("Cli", "Target"), QCoreApplication::translate("Cli", "Difference"),
            QCoreApplication::translate("Cli", "Balance") },
        { QCoreApplication::translate("Cli", "Opening"), QString(), QString(), QString(),
            BalanceText(balance.Opening) }
    };
    for (const TBalanceWeek &week : weeks)
        rows.append({ ShortDateText(week.WeekStart), HoursText(week.Worked), HoursText(week.Target),
            BalanceText(week.Worked - week.Target), BalanceText(week.Balance) });
    QString days = counted.first ? QCoreApplication::translate("Cli", "Days counted: %1 to %2")
                                       .arg(ShortDateText(*counted.first), ShortDateText(counted.last))
                                 : QCoreApplication::translate("Cli", "Days counted: none");
    if (counted.todayLeftOut)
        days += QCoreApplication::translate("Cli", "; today counts once it is closed");
    return AlignedTable(rows, { false, true, true, true, true }) + u'\n' + days + u'\n';
}

void addBalance(QJsonObject &object, const QString &name, qint64 minutes)
{
    object.insert(name, minutes);
    object.insert(name + u"Text"_s, BalanceText(minutes));
}

void addHours(QJsonObject &object, const QString &name, qint64 minutes)
{
    object.insert(name, minutes);
    object.insert(name + u"Text"_s, HoursText(minutes));
}

// A day in ISO form and as shown; both null without one, so that the keys
// are always the same.
void addDay(QJsonObject &object, const QString &name, std::optional<int> day)
{
    object.insert(name, day ? QJsonValue(DayNumber::toDate(*day).toString(Qt::ISODate)) : QJsonValue());
    object.insert(name + u"Text"_s, day ? QJsonValue(ShortDateText(*day)) : QJsonValue());
}

// The vacation taken and left in the year of the last day counted.
QString vacationLines(const TVacation &vacation)
{
    return QCoreApplication::translate("Cli", "Vacation taken in %1: %2\nVacation left in %1: %3\n")
        .arg(vacation.Year)
        .arg(VacationDaysWithUnit(vacation.TakenHundredths), VacationDaysWithUnit(vacation.LeftHundredths));
}

// The balance, the days it counts and the vacation, and with the weeks the
// account of the balance as ledgerTable shows it.
QByteArray balanceJson(const TBalanceSettings &balance, int asOf, qint64 total, const CountedDays &counted,
    const TVacation &vacation, const std::vector<TBalanceWeek> *weeks)
{
    QJsonObject object;
    addDay(object, u"asOf"_s, asOf);
    addBalance(object, u"balance"_s, total);
    addDay(object, u"countedFrom"_s, counted.first);
    addDay(object, u"countedTo"_s, counted.first ? std::optional<int>(counted.last) : std::nullopt);
    object.insert(u"vacationYear"_s, vacation.Year);
    object.insert(u"vacationTaken"_s, VacationDays(vacation.TakenHundredths));
    object.insert(u"vacationLeft"_s, VacationDays(vacation.LeftHundredths));
    if (weeks) {
        addBalance(object, u"opening"_s, balance.Opening);
        QJsonArray list;
        for (const TBalanceWeek &week : *weeks) {
            QJsonObject row;
            addDay(row, u"weekBeginning"_s, week.WeekStart);
            addHours(row, u"worked"_s, week.Worked);
            addHours(row, u"target"_s, week.Target);
            addBalance(row, u"difference"_s, week.Worked - week.Target);
            addBalance(row, u"balance"_s, week.Balance);
            list.append(row);
        }
        object.insert(u"weeks"_s, list);
    }
    return QJsonDocument(object).toJson();
}

} // namespace

QByteArray RunBalance(const QStringList &arguments)
{
    CommandOptions options(u"balance"_s,
        QCoreApplication::translate("Cli",
            "Prints the running balance: the opening balance plus, for every day from the start date\n"
            "(BalanceStartDate; 0 for the first day holding data) to the day it is taken, the hours\n"
            "worked less the target in force on that day (none on a public holiday of the\n"
            "HolidayCalendar). Days after today are not counted, and today only once it holds a\n"
            "departure, or holiday or extra hours and no arrival.\n")
            + QCoreApplication::translate("Cli",
                "With a vacation allowance, then the vacation days taken and left in the year of\n"
                "the last day counted, up to that day: a day's holiday hours over its target,\n"
                "against VacationDaysPerYear, and VacationCarriedOver in the year the balance starts."));
    options.addDataFile();
    options.addOption(QCommandLineOption(u"as-of"_s,
        QCoreApplication::translate("Cli",
            "The day to take the balance on, as typed in a date field or as yyyy-MM-dd (default and "
            "latest: today)."),
        u"DATE"_s));
    options.addOption(QCommandLineOption(u"weeks"_s,
        QCoreApplication::translate("Cli",
            "Print the account week by week instead: each week's first day (weeks as the week sheet "
            "shows them), hours worked, target, difference and the balance at its end, after the "
            "opening balance.")));
    options.addJsonOption();
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const int asOf = options.dayOrToday(u"as-of"_s);
    TTimeRecorder recorder;
    options.loadDataFile(recorder, *settings);
    const TBalanceSettings balance = BalanceSettingsOf(*settings);
    const CountedDays counted = countedDays(recorder, balance, asOf);
    const TVacationSettings allowance = VacationSettingsOf(*settings);
    const TVacation vacation = VacationOf(recorder, balance, allowance, asOf);
    if (options.isSet(u"json"_s)) {
        // A later day counts as today: the future is not owed yet.
        const int taken = std::min(asOf, DayNumber::today());
        const qint64 total = Balance(recorder, balance, taken);
        if (!options.isSet(u"weeks"_s))
            return balanceJson(balance, taken, total, counted, vacation, nullptr);
        const std::vector<TBalanceWeek> weeks
            = BalanceLedger(recorder, balance, taken, settings->FirstDayOfWeek());
        return balanceJson(balance, taken, total, counted, vacation, &weeks);
    }
    if (options.isSet(u"weeks"_s))
        return ledgerTable(
            balance, BalanceLedger(recorder, balance, asOf, settings->FirstDayOfWeek()), counted)
            .toUtf8();
    return (BalanceText(Balance(recorder, balance, asOf)) + u'\n'
        + (allowance.IsSet() ? vacationLines(vacation) : QString()))
        .toUtf8();
}

} // namespace Cli
