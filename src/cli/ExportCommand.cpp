#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/TimeRecorder.h"
#include "export/CsvExport.h"
#include "settings/DataMod.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

struct ColumnSwitch {
    const char16_t *name;
    const char16_t *settingName;
    const char *description;
};

constexpr ColumnSwitch ColumnSwitches[] = {
    { u"headings", u"ExportColumnHeadings",
        QT_TRANSLATE_NOOP("Cli", "Begin with a row of column headings.") },
    { u"date", u"ExportDate", QT_TRANSLATE_NOOP("Cli", "Write the Date column.") },
    { u"arrive", u"ExportArrivalTime", QT_TRANSLATE_NOOP("Cli", "Write the Arrive column.") },
    { u"depart", u"ExportDepartureTime", QT_TRANSLATE_NOOP("Cli", "Write the Depart column.") },
    { u"lunch", u"ExportLunchTime", QT_TRANSLATE_NOOP("Cli", "Write the Lunch column.") },
    { u"extra", u"ExportExtraHours", QT_TRANSLATE_NOOP("Cli", "Write the Extra column.") },
    { u"holiday", u"ExportHolidays", QT_TRANSLATE_NOOP("Cli", "Write the Holiday column.") },
    { u"hours", u"ExportDailyHours", QT_TRANSLATE_NOOP("Cli", "Write the Hours column.") },
    { u"deviation", u"ExportDeviation", QT_TRANSLATE_NOOP("Cli", "Write the Deviation column.") },
    { u"comment", u"ExportComments", QT_TRANSLATE_NOOP("Cli", "Write the Comment column.") },
};

} // namespace

QByteArray RunExport(const QStringList &arguments)
{
    CommandOptions options(u"export"_s,
        QCoreApplication::translate("Cli",
            "Writes the CSV export of a period, as the Export command writes it, to a file or to\n"
            "standard output."));
    options.addDataFile();
    options.addOption(QCommandLineOption({ u"o"_s, u"output"_s },
        QCoreApplication::translate(
            "Cli", "The CSV file to write, replaced once complete; - or none for standard output."),
        u"OUT"_s));
    options.addPeriodOptions(u"ExportAdjustDatesToFullWeek"_s);
    options.addSwitch(u"blank-workdays"_s, u"ExportWorkDaysWithNoHours"_s,
        QCoreApplication::translate("Cli", "Write workdays with no hours."));
    options.addSwitch(u"blank-weekends"_s, u"ExportWeekendDaysWithNoHours"_s,
        QCoreApplication::translate("Cli", "Write weekend days with no hours."));
    options.addSwitch(u"totals"_s, u"ExportCalculateTotalHours"_s,
        QCoreApplication::translate("Cli", "End with a row of totals."));
    options.addSwitch(u"iso-dates"_s, u"ExportIsoDates"_s,
        QCoreApplication::translate(
            "Cli", "Write dates as 2026-11-30 instead of in the regional short form, for scripts."));
    for (const ColumnSwitch &column : ColumnSwitches) {
        options.addSwitch(QString::fromUtf16(column.name), QString::fromUtf16(column.settingName),
            QCoreApplication::translate("Cli", column.description));
    }
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const TPeriod period
        = options.period(settings->FirstDayOfWeek(), settings->ExportAdjustDatesToFullWeek());
    TTimeRecorder recorder;
    options.loadDataFile(recorder, *settings);
    const TCsvExportOptions csv = CsvExportOptionsFrom(*settings);

    const QString out = options.value(u"output"_s);
    if (out.isEmpty() || out == u"-") {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WriteCsvExport(buffer, recorder, period.StartDate, period.EndDate, csv,
            QCoreApplication::translate("Cli", "standard output"));
        return buffer.data();
    }
    // Like the Export command, create the folder the file goes into.
    const QString folder = QFileInfo(out).absolutePath();
    if (!QDir().mkpath(folder))
        throw IoError(QCoreApplication::translate(
            "Cli", "Unable to create directory \"%1\" and so unable to create export file")
                          .arg(QDir::toNativeSeparators(folder)));
    ExportCsvFile(out, recorder, period.StartDate, period.EndDate, csv);
    return {};
}

} // namespace Cli
