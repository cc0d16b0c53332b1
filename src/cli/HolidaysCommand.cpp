#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/HolidayCalendar.h"
#include "core/Regional.h"
#include "settings/DataMod.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

QByteArray holidaysTable(std::span<const THoliday> holidays)
{
    QList<QStringList> rows { { QCoreApplication::translate("Cli", "Date"),
        QCoreApplication::translate("Cli", "Day"), QCoreApplication::translate("Cli", "Holiday") } };
    for (const THoliday &holiday : holidays)
        rows.append(
            { ShortDateText(holiday.Date), DayCaption(DayNumber::dayOfWeek(holiday.Date)), holiday.Name });
    return AlignedTable(rows, { false, false, false }).toUtf8();
}

QByteArray holidaysJson(const QString &calendar, const TPeriod &period, std::span<const THoliday> holidays)
{
    QJsonArray list;
    for (const THoliday &holiday : holidays)
        list.append(QJsonObject { { u"date"_s, DayNumber::toDate(holiday.Date).toString(Qt::ISODate) },
            { u"dateText"_s, ShortDateText(holiday.Date) },
            { u"day"_s, DayCaption(DayNumber::dayOfWeek(holiday.Date)) }, { u"name"_s, holiday.Name } });
    return QJsonDocument(
        QJsonObject { { u"calendar"_s, calendar },
            { u"from"_s, DayNumber::toDate(period.StartDate).toString(Qt::ISODate) },
            { u"to"_s, DayNumber::toDate(period.EndDate).toString(Qt::ISODate) }, { u"holidays"_s, list } })
        .toJson();
}

} // namespace

QByteArray RunHolidays(const QStringList &arguments)
{
    CommandOptions options(u"holidays"_s,
        QCoreApplication::translate("Cli",
            "Lists the public holidays that a holiday calendar (an iCalendar file, .ics) gives for a\n"
            "period: the date, the weekday and the name, one holiday a line."));
    options.addOptionalFile(u"CALENDAR"_s,
        QCoreApplication::translate(
            "Cli", "The holiday calendar; without it, the one of the settings (HolidayCalendar)."));
    options.addPeriodOptions(QString(), QCoreApplication::translate("Cli", "this year"));
    options.addJsonOption();
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const QStringList positional = options.positional();
    const QString calendar = positional.isEmpty() ? settings->HolidayCalendar() : positional.first();
    if (calendar.isEmpty())
        throw UsageError(QCoreApplication::translate(
            "Cli", "missing CALENDAR, and the settings name no holiday calendar"));
    const TPeriod period = options.hasPeriod() ? options.period(settings->FirstDayOfWeek(), false)
                                               : Period::YearPeriod(Clock::today().year());
    const std::shared_ptr<const THolidayCalendar> holidays = THolidayCalendar::FromFile(calendar);
    const std::span<const THoliday> listed = holidays->Between(period.StartDate, period.EndDate);
    return options.isSet(u"json"_s) ? holidaysJson(calendar, period, listed) : holidaysTable(listed);
}

} // namespace Cli
