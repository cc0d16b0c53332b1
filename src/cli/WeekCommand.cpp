#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Targets.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "settings/DataMod.h"
#include "week/WeekFigures.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

// The week that holds a day, as the sheet shows it.
struct ShownWeek {
    int start = 0;
    std::array<SheetDay, 7> days;
    SheetWeekFigures figures;
};

ShownWeek weekOf(const TTimeRecorder &recorder, const TData &settings, int day)
{
    ShownWeek week;
    week.start = DayNumber::weekStartOf(day, settings.FirstDayOfWeek());
    const TTargets targets = settings.Targets();
    std::array<int, 7> dayTargets;
    for (int i = 0; i < 7; ++i) {
        const int date = week.start + i;
        week.days[i] = SheetDayFromStored(recorder.GetArrive(date), recorder.GetDepart(date),
            recorder.GetLunch(date), recorder.GetExtra(date), recorder.GetHoliday(date));
        dayTargets[i] = targets.OfDay(date);
    }
    week.figures = CalculateSheetWeek(
        week.days, dayTargets, targets.OfWeek(week.start), settings.IncludeHolsInTotal());
    return week;
}

// In the user's language for people; in English for scripts, as in --json.
QString shortfallCaption(const SheetWeekFigures &figures, bool translated)
{
    const char *caption = figures.hoursShort ? QT_TRANSLATE_NOOP("Cli", "Hours short")
                                             : QT_TRANSLATE_NOOP("Cli", "Hours extra");
    return translated ? QCoreApplication::translate("Cli", caption) : QString::fromLatin1(caption);
}

QString weekTable(const TTimeRecorder &recorder, const ShownWeek &week)
{
    QList<QStringList> rows { { QCoreApplication::translate("Cli", "Day"),
        QCoreApplication::translate("Cli", "Date"), QCoreApplication::translate("Cli", "Arrive"),
        QCoreApplication::translate("Cli", "Depart"), QCoreApplication::translate("Cli", "Lunch"),
        QCoreApplication::translate("Cli", "Extra"), QCoreApplication::translate("Cli", "Holiday"),
        QCoreApplication::translate("Cli", "Hours"), QCoreApplication::translate("Cli", "Deviation"),
        QCoreApplication::translate("Cli", "Comment") } };
    for (int i = 0; i < 7; ++i) {
        const int date = week.start + i;
        const SheetDay &d = week.days[i];
        rows.append({ DayCaption(DayNumber::dayOfWeek(date)), ShortDateText(date), fieldText(d.arrive),
            fieldText(d.depart), fieldText(d.lunch), fieldText(d.extra), fieldText(d.holiday),
            figureText(week.figures.days[i].hours, true), figureText(week.figures.days[i].deviation, true),
            TrimBlanks(recorder.GetComment(date)) });
    }
    const QList<bool> rightAligned { false, false, false, false, false, false, false, true, true, false };

    const QList<QStringList> totals {
        { QCoreApplication::translate("Cli", "Weekly hours"), figureText(week.figures.weeklyHours, false) },
        { shortfallCaption(week.figures, true), figureText(week.figures.shortfall, false) },
    };
    return QCoreApplication::translate("Cli", "Week beginning %1").arg(ShortDateText(week.start)) + u"\n\n"_s
        + AlignedTable(rows, rightAligned) + u'\n' + AlignedTable(totals, { false, true });
}

// A field as a number of minutes, null when blank, and as the sheet shows it.
void addField(QJsonObject &object, const QString &name, const SheetField &field)
{
    object.insert(name, field.IsBlank() ? QJsonValue() : QJsonValue(field.minutes));
    object.insert(name + u"Text"_s, fieldText(field));
}

void addFigure(QJsonObject &object, const QString &name, qint64 minutes, bool blankIfZero)
{
    object.insert(name, minutes);
    object.insert(name + u"Text"_s, figureText(minutes, blankIfZero).trimmed());
}

QByteArray weekJson(const TTimeRecorder &recorder, const ShownWeek &week)
{
    QJsonArray days;
    for (int i = 0; i < 7; ++i) {
        const int date = week.start + i;
        const SheetDay &d = week.days[i];
        QJsonObject day { { u"date"_s, DayNumber::toDate(date).toString(Qt::ISODate) },
            { u"dateText"_s, ShortDateText(date) }, { u"day"_s, DayCaption(DayNumber::dayOfWeek(date)) } };
        addField(day, u"arrive"_s, d.arrive);
        addField(day, u"depart"_s, d.depart);
        addField(day, u"lunch"_s, d.lunch);
        addField(day, u"extra"_s, d.extra);
        addField(day, u"holiday"_s, d.holiday);
        addFigure(day, u"hours"_s, week.figures.days[i].hours, true);
        addFigure(day, u"deviation"_s, week.figures.days[i].deviation, true);
        day.insert(u"comment"_s, TrimBlanks(recorder.GetComment(date)));
        days.append(day);
    }
    QJsonObject object { { u"weekBeginning"_s, DayNumber::toDate(week.start).toString(Qt::ISODate) },
        { u"weekBeginningText"_s, ShortDateText(week.start) }, { u"days"_s, days } };
    addFigure(object, u"weeklyHours"_s, week.figures.weeklyHours, false);
    object.insert(u"hoursShort"_s, week.figures.hoursShort);
    object.insert(u"shortfallCaption"_s, shortfallCaption(week.figures, false));
    addFigure(object, u"shortfall"_s, week.figures.shortfall, false);
    return QJsonDocument(object).toJson();
}

} // namespace

QByteArray RunWeek(const QStringList &arguments)
{
    CommandOptions options(u"week"_s,
        QCoreApplication::translate("Cli",
            "Prints the week that contains a date with each day's hours and deviation, the weekly hours\n"
            "and the hours short or extra, as the week sheet shows them."));
    options.addDataFile();
    options.addOption(QCommandLineOption(u"date"_s,
        QCoreApplication::translate(
            "Cli", "A day of the week to show, as typed in a date field or as yyyy-MM-dd (default: today)."),
        u"DATE"_s));
    options.addJsonOption();
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const std::unique_ptr<TData> settings = options.settings();
    const int day = options.dayOrToday(u"date"_s);
    TTimeRecorder recorder;
    options.loadDataFile(recorder, *settings);
    const ShownWeek week = weekOf(recorder, *settings, day);
    return options.isSet(u"json"_s) ? weekJson(recorder, week) : weekTable(recorder, week).toUtf8();
}

} // namespace Cli
