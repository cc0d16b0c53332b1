#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/TimeRecorder.h"
#include "report/ReportText.h"
#include "settings/DataMod.h"

using namespace Qt::StringLiterals;

namespace Cli {

QByteArray RunReport(const QStringList &arguments)
{
    CommandOptions options(u"report"_s, u"FILE"_s,
        u"Prints the report of a period, the same lines as the report window shows."_s);
    options.addDataFile();
    options.addPeriodOptions(u"ReportAdjustDatesToFullWeek"_s);
    options.addSwitch(u"blank-workdays"_s, u"ReportWorkDaysWithNoHours"_s, u"List workdays with no hours."_s);
    options.addSwitch(
        u"blank-weekends"_s, u"ReportWeekendDaysWithNoHours"_s, u"List weekend days with no hours."_s);
    options.addSwitch(u"totals"_s, u"ReportCalculateTotalHours"_s, u"Add the total hours."_s);
    options.addSwitch(u"averages"_s, u"ReportCalculateAverageHours"_s, u"Add the average hours."_s);
    options.addSwitch(
        u"balance"_s, u"ReportShowBalance"_s, u"Add the balance brought and carried forward."_s);
    options.addSettingOption();
    options.addOption(QCommandLineOption(u"crlf"_s, u"End lines with CR LF instead of LF."_s));
    if (!options.parse(arguments, 1, 1))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const TPeriod period
        = options.period(settings->FirstDayOfWeek(), settings->ReportAdjustDatesToFullWeek());
    TTimeRecorder recorder;
    recorder.LoadFromFile(options.positional().at(0));

    // Each line goes into the output as it is made; the report is never held
    // whole as lines or as UTF-16 text.
    const QByteArray lineEnd = options.isSet(u"crlf"_s) ? "\r\n"_ba : "\n"_ba;
    QByteArray text;
    ForEachReportLine(recorder, period, ReportSettingsOf(*settings), [&](QStringView line) {
        text += line.toUtf8();
        text += lineEnd;
    });
    return text;
}

} // namespace Cli
