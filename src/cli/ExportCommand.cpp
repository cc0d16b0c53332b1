#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/TimeRecorder.h"
#include "export/CsvExport.h"
#include "settings/DataMod.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

struct ColumnSwitch {
    const char16_t *name;
    const char16_t *settingName;
    const char16_t *description;
};

constexpr ColumnSwitch ColumnSwitches[] = {
    { u"headings", u"ExportColumnHeadings", u"Begin with a row of column headings." },
    { u"date", u"ExportDate", u"Write the Date column." },
    { u"arrive", u"ExportArrivalTime", u"Write the Arrive column." },
    { u"depart", u"ExportDepartureTime", u"Write the Depart column." },
    { u"lunch", u"ExportLunchTime", u"Write the Lunch column." },
    { u"extra", u"ExportExtraHours", u"Write the Extra column." },
    { u"holiday", u"ExportHolidays", u"Write the Holiday column." },
    { u"hours", u"ExportDailyHours", u"Write the Hours column." },
    { u"deviation", u"ExportDeviation", u"Write the Deviation column." },
    { u"comment", u"ExportComments", u"Write the Comment column." },
};

} // namespace

QByteArray RunExport(const QStringList &arguments)
{
    CommandOptions options(u"export"_s,
        u"Writes the CSV export of a period, as the Export command writes it, to a file or to\n"
        u"standard output."_s);
    options.addDataFile();
    options.addOption(QCommandLineOption({ u"o"_s, u"output"_s },
        u"The CSV file to write, replaced once complete; - or none for standard output."_s, u"OUT"_s));
    options.addPeriodOptions(u"ExportAdjustDatesToFullWeek"_s);
    options.addSwitch(
        u"blank-workdays"_s, u"ExportWorkDaysWithNoHours"_s, u"Write workdays with no hours."_s);
    options.addSwitch(
        u"blank-weekends"_s, u"ExportWeekendDaysWithNoHours"_s, u"Write weekend days with no hours."_s);
    options.addSwitch(u"totals"_s, u"ExportCalculateTotalHours"_s, u"End with a row of totals."_s);
    for (const ColumnSwitch &column : ColumnSwitches) {
        options.addSwitch(QString::fromUtf16(column.name), QString::fromUtf16(column.settingName),
            QString::fromUtf16(column.description));
    }
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const TPeriod period
        = options.period(settings->FirstDayOfWeek(), settings->ExportAdjustDatesToFullWeek());
    TTimeRecorder recorder;
    recorder.LoadFromFile(options.dataFile(*settings, CommandOptions::FileUse::Read));
    const TCsvExportOptions csv = CsvExportOptionsFrom(*settings);

    const QString out = options.value(u"output"_s);
    if (out.isEmpty() || out == u"-") {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WriteCsvExport(buffer, recorder, period.StartDate, period.EndDate, csv, u"standard output"_s);
        return buffer.data();
    }
    // Like the Export command, create the folder the file goes into.
    const QString folder = QFileInfo(out).absolutePath();
    if (!QDir().mkpath(folder))
        throw IoError(u"Unable to create directory \"%1\" and so unable to create export file"_s.arg(
            QDir::toNativeSeparators(folder)));
    ExportCsvFile(out, recorder, period.StartDate, period.EndDate, csv);
    return {};
}

} // namespace Cli
