#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/ChunkedWriter.h"
#include "core/TimeRecorder.h"
#include "core/Utf8Text.h"
#include "report/ReportText.h"
#include "settings/DataMod.h"

#include <QBuffer>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Cli {

QByteArray RunReport(const QStringList &arguments)
{
    CommandOptions options(u"report"_s,
        QCoreApplication::translate(
            "Cli", "Prints the report of a period, the same lines as the report window shows."));
    options.addDataFile();
    options.addPeriodOptions(u"ReportAdjustDatesToFullWeek"_s);
    options.addSwitch(u"blank-workdays"_s, u"ReportWorkDaysWithNoHours"_s,
        QCoreApplication::translate("Cli", "List workdays with no hours."));
    options.addSwitch(u"blank-weekends"_s, u"ReportWeekendDaysWithNoHours"_s,
        QCoreApplication::translate("Cli", "List weekend days with no hours."));
    options.addSwitch(u"totals"_s, u"ReportCalculateTotalHours"_s,
        QCoreApplication::translate("Cli", "Add the total hours."));
    options.addSwitch(u"averages"_s, u"ReportCalculateAverageHours"_s,
        QCoreApplication::translate("Cli", "Add the average hours."));
    options.addSwitch(u"balance"_s, u"ReportShowBalance"_s,
        QCoreApplication::translate("Cli", "Add the balance brought and carried forward."));
    options.addSettingOption();
    options.addOption(QCommandLineOption(
        u"crlf"_s, QCoreApplication::translate("Cli", "End lines with CR LF instead of LF.")));
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const TPeriod period
        = options.period(settings->FirstDayOfWeek(), settings->ReportAdjustDatesToFullWeek());
    TTimeRecorder recorder;
    options.loadDataFile(recorder, *settings);

    // The lines go out as they are made, a chunk at a time, into the text
    // that standard output receives at the end: the report is never held
    // whole as lines or as UTF-16 text.
    const char *const lineEnd = options.isSet(u"crlf"_s) ? "\r\n" : "\n";
    QByteArray text;
    // Room for the whole text from the start, about 80 bytes a day: grown
    // step by step, a long report would be copied on the way, each copy into
    // fresh memory.
    text.reserve(qMin<qint64>(qint64(period.EndDate) - period.StartDate + 1, 1 << 20) * 80);
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    TChunkedWriter out(buffer, QCoreApplication::translate("Cli", "standard output"));
    ForEachReportLine(recorder, period, ReportSettingsOf(*settings), [&](QStringView line) {
        AppendUtf8Text(out.Buffer(), line);
        out.Buffer() += lineEnd;
        out.LineDone();
    });
    out.Flush();
    return text;
}

} // namespace Cli
