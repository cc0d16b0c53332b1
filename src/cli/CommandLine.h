#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class QIODevice;

// The command line: subcommands that read or change a data file without
// opening the window. They need the core library only, so they run without a
// display and start fast.
namespace Cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitDataError = 1; // a file that cannot be read or written, data that cannot be used
inline constexpr int ExitUsage = 2; // a command line that cannot be carried out as written

// True when the first argument of the program asks for the command line: a
// subcommand name, or the program's --help or --version. Anything else is a
// data file for the window.
bool IsCommandLine(QStringView firstArgument);

// Carries out a command line (the arguments after the program name) and
// returns its exit status. Standard output receives the whole result at the
// end, or nothing when the command fails; a failure is one line on err.
int Run(const QStringList &arguments, QIODevice &out, QIODevice &err);

// Run on the process's standard output and error. When the environment
// variable HOURFRAME_NOW holds a local date and time (ISO 8601), the clock is
// fixed to it, so that scripts and tests get a reproducible "today".
int Main(const QStringList &arguments);

} // namespace Cli
