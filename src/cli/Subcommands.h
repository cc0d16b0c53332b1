#pragma once

#include <QByteArray>
#include <QStringList>

// The subcommands. Each parses the arguments that follow its name, carries
// the command out and returns what belongs on standard output; failures are
// thrown (Cli::UsageError for the command line, any other HourframeError for
// the data). A new subcommand is one more function here and one more line
// in the table of CommandLine.cpp.
namespace Cli {

QByteArray RunReport(const QStringList &arguments);
QByteArray RunExport(const QStringList &arguments);
QByteArray RunWeek(const QStringList &arguments);
QByteArray RunPunch(const QStringList &arguments);
QByteArray RunBalance(const QStringList &arguments);
QByteArray RunMerge(const QStringList &arguments);

} // namespace Cli
