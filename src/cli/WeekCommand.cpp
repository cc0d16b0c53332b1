#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Targets.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "settings/DataMod.h"
#include "week/WeekFigures.h"

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

QString fieldText(const SheetField &field)
{
    return field.IsBlank() ? QString() : ClockText(field.minutes);
}

// As the sheet's labels show figures: a sign or a blank, hours without
// leading zeros.
QString figureText(qint64 minutes, bool blankIfZero)
{
    return SignedHoursText(double(std::llabs(minutes)) / 1440.0, minutes < 0, blankIfZero, false);
}

QString weekTable(const TTimeRecorder &recorder, const TData &settings, int day)
{
    const int weekStart = DayNumber::weekStartOf(day, settings.FirstDayOfWeek());
    const TTargets targets = settings.Targets();
    std::array<SheetDay, 7> days;
    std::array<int, 7> dayTargets;
    for (int i = 0; i < 7; ++i) {
        const int date = weekStart + i;
        days[i] = SheetDayFromStored(recorder.GetArrive(date), recorder.GetDepart(date),
            recorder.GetLunch(date), recorder.GetExtra(date), recorder.GetHoliday(date));
        dayTargets[i] = targets.OfDay(date);
    }
    const SheetWeekFigures week
        = CalculateSheetWeek(days, dayTargets, targets.OfWeek(weekStart), settings.IncludeHolsInTotal());

    QList<QStringList> rows { { u"Day"_s, u"Date"_s, u"Arrive"_s, u"Depart"_s, u"Lunch"_s, u"Extra"_s,
        u"Holiday"_s, u"Hours"_s, u"Deviation"_s, u"Comment"_s } };
    for (int i = 0; i < 7; ++i) {
        const int date = weekStart + i;
        const SheetDay &d = days[i];
        rows.append({ DayCaption(DayNumber::dayOfWeek(date)), ShortDateText(date), fieldText(d.arrive),
            fieldText(d.depart), fieldText(d.lunch), fieldText(d.extra), fieldText(d.holiday),
            figureText(week.days[i].hours, true), figureText(week.days[i].deviation, true),
            TrimBlanks(recorder.GetComment(date)) });
    }
    const QList<bool> rightAligned { false, false, false, false, false, false, false, true, true, false };

    const QList<QStringList> totals {
        { u"Weekly hours"_s, figureText(week.weeklyHours, false) },
        { week.hoursShort ? u"Hours short"_s : u"Hours extra"_s, figureText(week.shortfall, false) },
    };
    return u"Week beginning "_s + ShortDateText(weekStart) + u"\n\n"_s + AlignedTable(rows, rightAligned)
        + u'\n' + AlignedTable(totals, { false, true });
}

} // namespace

QByteArray RunWeek(const QStringList &arguments)
{
    CommandOptions options(u"week"_s,
        u"Prints the week that contains a date with each day's hours and deviation, the weekly hours\n"
        u"and the hours short or extra, as the week sheet shows them."_s);
    options.addDataFile();
    options.addOption(QCommandLineOption(u"date"_s,
        u"A day of the week to show, as typed in a date field or as yyyy-MM-dd (default: today)."_s,
        u"DATE"_s));
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const int day = options.dayOrToday(u"date"_s);
    TTimeRecorder recorder;
    recorder.LoadFromFile(options.positional().at(0));
    return weekTable(recorder, *settings, day).toUtf8();
}

} // namespace Cli
