#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

#include <span>

// The subcommands. Each parses the arguments that follow its name, carries
// the command out and returns what belongs on standard output; failures are
// thrown (Cli::UsageError for the command line, any other HourframeError for
// the data). A new subcommand is one more function here and one more line
// in the table of CommandLine.cpp.
namespace Cli {

QByteArray RunReport(const QStringList &arguments);
QByteArray RunExport(const QStringList &arguments);
QByteArray RunChart(const QStringList &arguments);
QByteArray RunWeek(const QStringList &arguments);
QByteArray RunPunch(const QStringList &arguments);
QByteArray RunBalance(const QStringList &arguments);
QByteArray RunToday(const QStringList &arguments);
QByteArray RunHolidays(const QStringList &arguments);
QByteArray RunMerge(const QStringList &arguments);
QByteArray RunCheck(const QStringList &arguments);

struct Subcommand {
    QStringView name;
    const char *summary; // in English; translated where it is shown
    QByteArray (*run)(const QStringList &arguments);
    // Whether the command's work is a change of a file, done once it returns:
    // what it prints then only tells about it.
    bool changesFile = false;
};

// The table of CommandLine.cpp, in the order --help lists the commands.
std::span<const Subcommand> AllSubcommands();
const Subcommand *SubcommandNamed(QStringView name);

// What the shell completion offers for the last of words, the arguments
// typed so far after the program name (the last one possibly empty), one per
// line: words to choose from, or ":hf" for data files and ":file" for any
// file, which the shell lists itself.
QStringList Completions(const QStringList &words);

} // namespace Cli
