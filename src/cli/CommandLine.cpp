#include "cli/CommandLine.h"

#include "BuildInfo.h"
#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"
#include "core/Regional.h"

#include <QDateTime>
#include <QFile>

#include <cstdio>
#include <exception>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

struct Subcommand {
    QStringView name;
    QStringView summary;
    QByteArray (*run)(const QStringList &arguments);
};

constexpr Subcommand Subcommands[] = {
    { u"report", u"Print the report of a period", RunReport },
    { u"export", u"Write the CSV export of a period", RunExport },
    { u"week", u"Print a week with its hours as the week sheet shows them", RunWeek },
    { u"punch", u"Put the current time into today's Arrive or Depart and save", RunPunch },
    { u"balance", u"Print the running balance, or its account week by week", RunBalance },
    { u"merge", u"Merge versions of a data file day by day (git's merge driver)", RunMerge },
};

const Subcommand *subcommandNamed(QStringView name)
{
    for (const Subcommand &command : Subcommands) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

bool isHelp(QStringView argument)
{
    return argument == u"--help" || argument == u"-h";
}

bool isVersion(QStringView argument)
{
    return argument == u"--version" || argument == u"-v";
}

QByteArray programHelp()
{
    QString text = u"Usage: hourframe [FILE]\n"
                   u"       hourframe COMMAND [options] FILE ...\n"
                   u"\n"
                   u"Without a command, opens the window with FILE, or with the file used last.\n"
                   u"\n"
                   u"Commands:\n"_s;
    for (const Subcommand &command : Subcommands)
        text += u"  "_s + command.name.toString().leftJustified(8) + command.summary.toString() + u'\n';
    text += u"\n"
            u"Run 'hourframe COMMAND --help' for the options of a command. A data file named\n"
            u"like a command opens in the window as 'hourframe ./report'.\n"
            u"\n"
            u"Exit status: 0 done, 1 a file or its data could not be used, 2 a usage error.\n"_s;
    return text.toUtf8();
}

QByteArray dispatch(const QStringList &arguments)
{
    const QString first = arguments.value(0);
    if (isHelp(first))
        return programHelp();
    if (isVersion(first))
        return QByteArray(BuildInfo::ProductName) + ' ' + BuildInfo::ProductVersion + '\n';
    if (const Subcommand *command = subcommandNamed(first))
        return command->run(arguments.mid(1));
    throw UsageError(u"unknown command '%1'"_s.arg(first));
}

// One line, whatever the message holds.
QByteArray errorLine(const QString &command, const QString &message)
{
    QString line = u"hourframe"_s;
    if (!command.isEmpty())
        line += u' ' + command;
    line += u": "_s + message.simplified() + u'\n';
    return line.toLocal8Bit();
}

} // namespace

bool IsCommandLine(QStringView firstArgument)
{
    return isHelp(firstArgument) || isVersion(firstArgument) || subcommandNamed(firstArgument);
}

int Run(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    // Messages name the subcommand they come from.
    const QString command = subcommandNamed(arguments.value(0)) ? arguments.value(0) : QString();
    QByteArray output;
    int status = ExitSuccess;
    QString message;
    try {
        output = dispatch(arguments);
    } catch (const UsageError &error) {
        status = ExitUsage;
        message = error.message();
    } catch (const HourframeError &error) {
        status = ExitDataError;
        message = error.message();
    } catch (const std::exception &error) {
        status = ExitDataError;
        message = QString::fromLocal8Bit(error.what());
    }
    if (status == ExitSuccess && out.write(output) != output.size()) {
        status = ExitDataError;
        message = u"cannot write to standard output: "_s + out.errorString();
    }
    if (status != ExitSuccess)
        err.write(errorLine(command, message));
    return status;
}

int Main(const QStringList &arguments)
{
    std::optional<Clock::Fixed> fixedClock;
    const QByteArray now = qgetenv("HOURFRAME_NOW");
    if (!now.isEmpty()) {
        const QDateTime fixed = QDateTime::fromString(QString::fromLatin1(now), Qt::ISODate);
        if (!fixed.isValid()) {
            std::fputs("hourframe: HOURFRAME_NOW is not an ISO 8601 date and time\n", stderr);
            return ExitUsage;
        }
        fixedClock.emplace(fixed);
    }
    QFile out;
    QFile err;
    out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return Run(arguments, out, err);
}

} // namespace Cli
