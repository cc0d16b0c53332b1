#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayMerge.h"
#include "core/SharedDataFile.h"
#include "core/TimeRecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

// The conflicts a three-way merge kept as in MINE, and the days of the
// copies that differ, with singular and plural as whole sentences.
QString conflictsKeptText(const QString &dates, qsizetype days)
{
    return days == 1
        ? QCoreApplication::translate("Cli", "1 day changed on both sides, kept as in MINE: %1").arg(dates)
        : QCoreApplication::translate("Cli", "%1 days changed on both sides, kept as in MINE: %2")
              .arg(QString::number(days), dates);
}

QString copiesLeftText(const QString &file, const QString &dates, const QString &copies, qsizetype days)
{
    return days == 1
        ? QCoreApplication::translate("Cli", "1 day differs and was kept as in %1: %2; left in place: %3")
              .arg(file, dates, copies)
        : QCoreApplication::translate("Cli", "%4 days differ and were kept as in %1: %2; left in place: %3")
              .arg(file, dates, copies, QString::number(days));
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString dateList(const QList<int> &dates)
{
    QStringList texts;
    for (const int date : dates)
        texts.append(ShortDateText(date));
    return texts.join(u", "_s);
}

QList<int> datesOf(const QList<DayConflict> &conflicts)
{
    QList<int> dates;
    for (const DayConflict &conflict : conflicts)
        dates.append(conflict.date);
    return dates;
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo x(a);
    const QFileInfo y(b);
    return x.exists() && y.exists() ? x.canonicalFilePath() == y.canonicalFilePath()
                                    : x.absoluteFilePath() == y.absoluteFilePath();
}

// Writes the merged records through the store's saver, the caller holding
// the file's lock, while the file still holds what was read from it
// (nothing: no file).
void writeMerged(
    const QString &path, const QList<DayRecord> &records, const std::optional<QByteArray> &asRead)
{
    TTimeRecorder store;
    store.ReplaceRecords(records);
    if (!store.SaveToFile(path, [&] { return ReadDataFileIfPresent(path) == asRead; }))
        throw IoError(QCoreApplication::translate(
            "Cli", "%1 changed on disk while it was being merged; nothing was written")
                          .arg(shown(path)));
}

QByteArray mergeThreeWay(const QString &base, const QString &mine, const QString &theirs, const QString &out)
{
    const TDataFileLock lock(out);
    const QByteArray mineBytes = ReadDataFileBytes(mine);
    const std::optional<QByteArray> outBefore
        = sameFile(out, mine) ? std::optional<QByteArray>(mineBytes) : ReadDataFileIfPresent(out);
    const DayMergeResult merged = MergeDays(DataFileRecords(ReadDataFileBytes(base), base),
        DataFileRecords(mineBytes, mine), DataFileRecords(ReadDataFileBytes(theirs), theirs));
    writeMerged(out, merged.records, outBefore);
    if (!merged.conflicts.isEmpty())
        throw HourframeError(conflictsKeptText(dateList(datesOf(merged.conflicts)), merged.conflicts.size()));
    return {};
}

// Copies whose days all went in are renamed; a copy with a day that differs
// stays where it is, for the window to merge with the user's choice.
QByteArray mergeCopies(const QString &file, const QStringList &copies)
{
    for (const QString &copy : copies) {
        if (sameFile(copy, file))
            throw UsageError(
                QCoreApplication::translate("Cli", "'%1' is the file itself, not a copy of it").arg(copy));
    }
    const TDataFileLock lock(file);
    const QByteArray fileBytes = ReadDataFileBytes(file);
    QList<DayRecord> records = DataFileRecords(fileBytes, file);
    QStringList merged;
    QStringList leftInPlace;
    QList<int> conflictDates;
    for (const QString &copy : copies) {
        const DayMergeResult result = MergeDays({}, records, DataFileRecords(ReadDataFileBytes(copy), copy));
        records = result.records;
        if (result.conflicts.isEmpty()) {
            merged.append(copy);
        } else {
            leftInPlace.append(shown(copy));
            conflictDates += datesOf(result.conflicts);
        }
    }
    writeMerged(file, records, fileBytes);

    QString report;
    for (const QString &copy : merged)
        report += QCoreApplication::translate("Cli", "%1: merged, renamed to %2")
                      .arg(shown(copy), shown(SetAsideMergedCopy(copy, false)))
            + u'\n';
    if (!leftInPlace.isEmpty()) {
        std::sort(conflictDates.begin(), conflictDates.end());
        conflictDates.erase(std::unique(conflictDates.begin(), conflictDates.end()), conflictDates.end());
        throw HourframeError(copiesLeftText(
            shown(file), dateList(conflictDates), leftInPlace.join(u", "_s), conflictDates.size()));
    }
    return report.toUtf8();
}

} // namespace

QByteArray RunMerge(const QStringList &arguments)
{
    CommandOptions options(u"merge"_s,
        QCoreApplication::translate("Cli",
            "Merges versions of a data file day by day. A day changed in MINE only or in THEIRS only\n"
            "takes that version; a day changed in both to different records is a conflict, which keeps\n"
            "MINE's record and ends with status 1, listing the days. This is the contract of git's merge\n"
            "drivers: git config merge.hourframe.driver \"hourframe merge %O %A %B\".\n"
            "With --into, merges the conflict copies a file-sync tool made into FILE: days only a copy\n"
            "holds are taken, days that differ keep FILE's record. A copy merged whole is renamed to end\n"
            "in .merged; a copy with a day that differs stays where it is."));
    options.addOption(QCommandLineOption({ u"o"_s, u"output"_s },
        QCoreApplication::translate("Cli", "Write the merged file here instead of into MINE."), u"OUT"_s));
    options.addOption(QCommandLineOption(
        u"into"_s, QCoreApplication::translate("Cli", "Merge the copies into this data file."), u"FILE"_s));
    options.addFurtherPositionals(u"FILE..."_s,
        QCoreApplication::translate("Cli",
            "BASE, MINE, THEIRS: the common ancestor, your version and the other version. With --into: the "
            "conflict copies."),
        u"BASE MINE THEIRS | --into FILE COPY..."_s);
    if (!options.parse(arguments))
        return options.helpText();

    const QStringList files = options.positional();
    if (options.isSet(u"into"_s)) {
        if (options.isSet(u"output"_s))
            throw UsageError(QCoreApplication::translate("Cli", "-o cannot be combined with --into"));
        if (files.isEmpty())
            throw UsageError(QCoreApplication::translate("Cli", "missing COPY"));
        return mergeCopies(options.value(u"into"_s), files);
    }
    static const char *const names[] = { "BASE", "MINE", "THEIRS" };
    if (files.size() < 3)
        throw UsageError(
            QCoreApplication::translate("Cli", "missing %1").arg(QLatin1String(names[files.size()])));
    if (files.size() > 3)
        throw UsageError(QCoreApplication::translate("Cli", "unexpected argument '%1'").arg(files.at(3)));
    const QString out = options.isSet(u"output"_s) ? options.value(u"output"_s) : files.at(1);
    return mergeThreeWay(files.at(0), files.at(1), files.at(2), out);
}

} // namespace Cli
