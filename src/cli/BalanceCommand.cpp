#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/Balance.h"
#include "core/DateText.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

// The opening balance, then one line per week: the minutes worked and owed
// in it, their difference and the balance at its end.
QString ledgerTable(const TBalanceSettings &balance, const std::vector<TBalanceWeek> &weeks)
{
    QList<QStringList> rows { { u"Week"_s, u"Worked"_s, u"Target"_s, u"Difference"_s, u"Balance"_s },
        { u"Opening"_s, QString(), QString(), QString(), BalanceText(balance.Opening) } };
    for (const TBalanceWeek &week : weeks)
        rows.append({ ShortDateText(week.WeekStart), HoursText(week.Worked), HoursText(week.Target),
            BalanceText(week.Worked - week.Target), BalanceText(week.Balance) });
    return AlignedTable(rows, { false, true, true, true, true });
}

} // namespace

QByteArray RunBalance(const QStringList &arguments)
{
    CommandOptions options(u"balance"_s,
        u"Prints the running balance: the opening balance plus, for every day from the start date\n"
        u"(BalanceStartDate; 0 for the first day holding data) to the day it is taken, the hours\n"
        u"worked less that weekday's target. Days after today are not counted."_s);
    options.addDataFile();
    options.addOption(QCommandLineOption(u"as-of"_s,
        u"The day to take the balance on, as typed in a date field or as yyyy-MM-dd (default and "
        u"latest: today)."_s,
        u"DATE"_s));
    options.addOption(QCommandLineOption(u"weeks"_s,
        u"Print the account week by week instead: each week's first day (weeks as the week sheet "
        u"shows them), hours worked, target, difference and the balance at its end, after the "
        u"opening balance."_s));
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const int asOf = options.dayOrToday(u"as-of"_s);
    TTimeRecorder recorder;
    recorder.LoadFromFile(options.positional().at(0));
    const TBalanceSettings balance = BalanceSettingsOf(*settings);
    if (options.isSet(u"weeks"_s))
        return ledgerTable(balance, BalanceLedger(recorder, balance, asOf, settings->FirstDayOfWeek()))
            .toUtf8();
    return (BalanceText(Balance(recorder, balance, asOf)) + u'\n').toUtf8();
}

} // namespace Cli
