#include "cli/CommandOptions.h"
#include "cli/DataFileUpdate.h"
#include "cli/Subcommands.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/SharedDataFile.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "core/Today.h"
#include "settings/DataMod.h"
#include "week/WeekFigures.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Cli {

QByteArray RunPunch(const QStringList &arguments)
{
    CommandOptions options(u"punch"_s,
        QCoreApplication::translate("Cli",
            "Puts the current time into today's Arrive (in) or Depart (out), rounded as the Enter\n"
            "Current Time command rounds it, and saves the file. A field that already holds a time is\n"
            "left alone unless --force is given."));
    options.addPositional(u"in|out"_s, QCoreApplication::translate("Cli", "in for Arrive, out for Depart."));
    options.addDataFile(CommandOptions::FileUse::Change);
    options.addOption(QCommandLineOption(u"at"_s,
        QCoreApplication::translate("Cli", "This time of day instead of the current time, such as 8:30."),
        u"TIME"_s));
    options.addOption(QCommandLineOption(
        u"force"_s, QCoreApplication::translate("Cli", "Replace a time the field already holds.")));
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const QString direction = options.positional().at(0);
    if (direction != u"in" && direction != u"out")
        throw UsageError(QCoreApplication::translate("Cli", "'%1' is neither in nor out").arg(direction));
    const bool arriving = direction == u"in";
    const std::unique_ptr<TData> settings = options.settings();
    const QString path = options.dataFile(*settings, CommandOptions::FileUse::Change);
    int minutes = options.isSet(u"at"_s) ? ParseTimeArgument(options.value(u"at"_s), u"--at"_s)
                                         : DayNumber::minutesNow();
    minutes = RoundedTimeOfDay(minutes, settings->RoundTimes() ? settings->RoundTimesTo() : 0);

    TTimeRecorder recorder;
    // Every Hourframe writer takes the lock, so none can come between this
    // read and the save below; the save still checks for other programs.
    const TDataFileLock lock(path);
    if (CreateMissingDataFile(path))
        Note(QCoreApplication::translate("Cli", "created the data file %1").arg(path));
    const QByteArray content = LoadForUpdate(recorder, path);
    // A night shift is one day's record, kept on the day it began: leaving
    // after midnight ends yesterday's shift.
    const std::optional<int> working = DayInProgress(recorder);
    const int today = !arriving && working ? *working : DayNumber::today();
    const QString field = arriving ? QCoreApplication::translate("Cli", "Arrive")
                                   : QCoreApplication::translate("Cli", "Depart");
    const QString day = DayCaption(DayNumber::dayOfWeek(today)) + u' ' + ShortDateText(today);
    const int held = arriving ? recorder.GetArrive(today) : recorder.GetDepart(today);
    if (held >= 0 && !options.isSet(u"force"_s))
        throw HourframeError(QCoreApplication::translate(
            "Cli", "%1 of %2 already holds %3; nothing was changed (--force replaces it)")
                                 .arg(field, day, ClockText(held)));

    if (arriving)
        recorder.SetArrive(today, minutes);
    else
        recorder.SetDepart(today, minutes);
    if (recorder.Modified())
        SaveIfUnchanged(recorder, path, content);
    options.rememberDataFile();
    return (QCoreApplication::translate("Cli", "%1 %2 on %3", "Arrive 08:30 on Mon 30/11/2026")
                .arg(field, ClockText(minutes), day)
        + u'\n')
        .toUtf8();
}

} // namespace Cli
