#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The command line: subcommands that read or change a data file without
// opening the window. They need the core library only, so they run without a
// display and start fast.
namespace Cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitDataError = 1; // a file that cannot be read or written, data that cannot be used
inline constexpr int ExitUsage = 2; // a command line that cannot be carried out as written
inline constexpr int ExitFound = 3; // done, and a check found something: hourframe check's breaches

// True when the first argument of the program is for the command line: a
// subcommand name, the program's --help or --version, or a mistake that Run
// reports as a usage error: an option that neither the command line nor the
// window takes, or a near miss of a command name that names no file. Anything
// else is a data file for the window (or an option of Qt's for it).
bool IsCommandLine(const QString &firstArgument);

// Whether the window has a screen to open on: an X or Wayland display, or a
// Qt platform that needs none (QT_QPA_PLATFORM, or the window's -platform
// option among arguments, the program's arguments after its name).
bool WindowCanOpen(const QStringList &arguments);

// The one line for standard error that says it cannot, and what works instead.
QByteArray NoDisplayLine();

// Carries out a command line (the arguments after the program name) and
// returns its exit status. Standard output receives the whole result at the
// end, or nothing when the command fails; a failure is one line on err.
int Run(const QStringList &arguments, QIODevice &out, QIODevice &err);

// Run on the process's arguments (argv, the program name first), standard
// output and error. When the environment variable HOURFRAME_NOW holds a local
// date and time (ISO 8601), the clock is fixed to it, so that scripts and
// tests get a reproducible "today". An argument that is not valid UTF-8 is a
// usage error naming it: read as text it would be another name, and a file
// of that other name would be read or written.
int Main(int argc, char *argv[]);

} // namespace Cli
