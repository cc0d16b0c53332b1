#include "cli/CommandLine.h"

#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"
#include "core/ChunkedWriter.h"
#include "core/Errors.h"
#include "core/Regional.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

constexpr Subcommand Subcommands[] = {
    { u"report", QT_TRANSLATE_NOOP("Cli", "Print the report of a period"), RunReport },
    { u"export", QT_TRANSLATE_NOOP("Cli", "Write the CSV export of a period"), RunExport },
    { u"chart", QT_TRANSLATE_NOOP("Cli", "Write the chart of a period as PNG, SVG or PDF"), RunChart },
    { u"week", QT_TRANSLATE_NOOP("Cli", "Print a week with its hours as the week sheet shows them"),
        RunWeek },
    { u"punch", QT_TRANSLATE_NOOP("Cli", "Put the current time into today's Arrive or Depart and save"),
        RunPunch, true },
    { u"balance", QT_TRANSLATE_NOOP("Cli", "Print the running balance, or its account week by week"),
        RunBalance },
    { u"today", QT_TRANSLATE_NOOP("Cli", "Print today's hours so far, the time to leave and the balance"),
        RunToday },
    { u"merge", QT_TRANSLATE_NOOP("Cli", "Merge versions of a data file day by day (git's merge driver)"),
        RunMerge },
    { u"holidays", QT_TRANSLATE_NOOP("Cli", "List the public holidays of a holiday calendar for a period"),
        RunHolidays },
    { u"check",
        QT_TRANSLATE_NOOP("Cli", "Check a period against the working-time rules, one line per breach"),
        RunCheck },
};

// Lines for standard error that Run writes after a command's output.
QStringList notes;
// The command found what it checks for.
bool found = false;

bool isHelp(QStringView argument)
{
    return argument == u"--help" || argument == u"-h";
}

bool isVersion(QStringView argument)
{
    return argument == u"--version" || argument == u"-v";
}

// The shell completion's question; not for people, so not in the help.
bool isComplete(QStringView argument)
{
    return argument == u"--complete";
}

// Options of Qt's window programs: the window takes them (a session manager
// restarts a program with -session, for one), so they are no mistake.
bool isWindowOption(QStringView argument)
{
    static constexpr QStringView names[] = { u"platform", u"platformpluginpath", u"platformtheme", u"plugin",
        u"qmljsdebugger", u"qwindowgeometry", u"qwindowicon", u"qwindowtitle", u"reverse", u"session",
        u"display", u"geometry", u"icon", u"title", u"name", u"visual", u"ncols", u"cmap", u"nograb",
        u"dograb", u"style", u"stylesheet", u"widgetcount" };
    QStringView name = argument.sliced(argument.startsWith(u"--") ? 2 : 1);
    name = name.first(name.contains(u'=') ? name.indexOf(u'=') : name.size());
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// What a mistyped first argument may have meant: a command, --help or
// --version, as NearestName finds it. Empty when nothing is that close.
QString nearestName(QStringView argument)
{
    const QStringView word = argument.sliced(argument.startsWith(u"--") ? 2
            : argument.startsWith(u'-')                                 ? 1
                                                                        : 0);
    QStringList names; // what is compared
    for (const Subcommand &command : Subcommands)
        names.append(command.name.toString());
    QStringList suggestions = names;
    names.append({ u"help"_s, u"version"_s });
    suggestions.append({ u"--help"_s, u"--version"_s });
    if (argument.startsWith(u'-')) {
        names.append({ u"h"_s, u"v"_s });
        suggestions.append({ u"--help"_s, u"--version"_s });
    }
    return suggestions.value(NearestName(word, names));
}

// A first argument that can only be a mistake: an option nobody takes, or a
// near miss of a command that names no file. A name with a folder in it is
// always a file, as "./report" is.
bool isMistake(const QString &argument)
{
    if (argument.startsWith(u'-'))
        return !isWindowOption(argument);
    return !argument.contains(u'/') && !nearestName(argument).isEmpty() && !QFileInfo::exists(argument);
}

QString translated(const char *text)
{
    return QCoreApplication::translate("Cli", text);
}

QString mistakeMessage(const QString &argument)
{
    QString message = argument.startsWith(u'-')
        ? translated(QT_TRANSLATE_NOOP("Cli", "unknown option '%1'")).arg(argument)
        : translated(QT_TRANSLATE_NOOP("Cli", "'%1' is neither a command nor an existing file"))
              .arg(argument);
    return message + DidYouMean(nearestName(argument));
}

QByteArray programHelp()
{
    QString text = translated(QT_TRANSLATE_NOOP("Cli",
        "Usage: hourframe [FILE]\n"
        "  or:  hourframe COMMAND [options] [FILE]\n"
        "Opens the window with FILE, or with the file used last; or runs a command, which\n"
        "without FILE takes the file used last.\n"
        "\n"
        "Commands:\n"));
    qsizetype width = 0;
    for (const Subcommand &command : Subcommands)
        width = std::max(width, command.name.size());
    for (const Subcommand &command : Subcommands)
        text += u"  "_s + command.name.toString().leftJustified(width + 2) + translated(command.summary)
            + u'\n';
    text += u'\n'
        + translated(QT_TRANSLATE_NOOP("Cli",
            "Run 'hourframe COMMAND --help' for the options of a command. A data file named\n"
            "like a command opens in the window as 'hourframe ./report'.\n"
            "\n"
            "Options:\n"
            "  -h, --help     Show this help.\n"
            "  -v, --version  Show the version.\n"
            "\n"
            "Exit status:\n"
            "  0  done\n"
            "  1  a file or its data could not be used\n"
            "  2  a usage error\n"));
    return text.toUtf8();
}

QByteArray dispatch(const QStringList &arguments)
{
    const QString first = arguments.value(0);
    if (isHelp(first))
        return programHelp();
    if (isVersion(first))
        return VersionText();
    if (isComplete(first)) {
        const QStringList words = arguments.mid(1);
        return words.isEmpty() ? QByteArray() : (Completions(words).join(u'\n') + u'\n').toUtf8();
    }
    if (const Subcommand *command = SubcommandNamed(first))
        return command->run(arguments.mid(1));
    throw UsageError(mistakeMessage(first));
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

// Bytes as a shell's $'...' writes them: printable ASCII as it is, any other
// byte as \xNN.
QString escapedBytes(QByteArrayView bytes)
{
    QString text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\')
            text += QLatin1Char(char(byte));
        else
            text += u"\\x"_s + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
    }
    return text;
}

} // namespace

std::span<const Subcommand> AllSubcommands()
{
    return Subcommands;
}

const Subcommand *SubcommandNamed(QStringView name)
{
    for (const Subcommand &command : Subcommands) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

void Note(const QString &text)
{
    notes.append(text);
}

void FoundWhatWasChecked()
{
    found = true;
}

bool IsCommandLine(const QString &firstArgument)
{
    return isHelp(firstArgument) || isVersion(firstArgument) || isComplete(firstArgument)
        || SubcommandNamed(firstArgument) || isMistake(firstArgument);
}

bool WindowCanOpen(const QStringList &arguments)
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == u"-platform" || arguments[i] == u"--platform")
            platforms = arguments[i + 1];
    }
    // Qt tries the platforms of a list in turn, each perhaps with options
    // after a colon; only X and Wayland need a display.
    for (const QStringView platform : QStringView(platforms).split(u';', Qt::SkipEmptyParts)) {
        const QStringView name
            = platform.first(platform.contains(u':') ? platform.indexOf(u':') : platform.size());
        if (!name.startsWith(u"xcb") && !name.startsWith(u"wayland"))
            return true;
    }
    return false;
}

QByteArray NoDisplayLine()
{
    return errorLine(QString(),
        translated(QT_TRANSLATE_NOOP("Cli",
            "there is no display to open the window on; the commands work without one (hourframe --help "
            "lists them)")));
}

int Run(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    // Messages name the subcommand they come from.
    const Subcommand *const subcommand = SubcommandNamed(arguments.value(0));
    const QString command = subcommand ? arguments.value(0) : QString();
    notes.clear();
    found = false;
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
    if (status == ExitSuccess) {
        try {
            WriteAll(out, output.constData(), output.size(),
                translated(QT_TRANSLATE_NOOP("Cli", "standard output")));
        } catch (const IoError &error) {
            // A change that was made is not reported as failed: run again,
            // a punch would find its field filled.
            if (subcommand && subcommand->changesFile) {
                notes.append(
                    translated(QT_TRANSLATE_NOOP("Cli", "%1 (the change was saved)")).arg(error.message()));
            } else {
                status = ExitDataError;
                message = error.message();
            }
        }
    }
    if (status == ExitSuccess && found)
        status = ExitFound;
    if (status != ExitSuccess && status != ExitFound)
        err.write(errorLine(command, message));
    else
        for (const QString &note : std::as_const(notes))
            err.write(errorLine(command, note));
    notes.clear();
    return status;
}

int Main(int argc, char *argv[])
{
    QStringList arguments;
    QString undecodable;
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView bytes(argv[i]);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        arguments.append(utf8.decode(bytes));
        if (utf8.hasError() && undecodable.isEmpty())
            undecodable = escapedBytes(bytes);
    }
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
    if (!undecodable.isEmpty()) {
        const QString command = SubcommandNamed(arguments.value(0)) ? arguments.value(0) : QString();
        err.write(errorLine(command,
            translated(
                QT_TRANSLATE_NOOP("Cli",
                    "'%1' is not valid UTF-8, and Hourframe names files in UTF-8 only: rename the file"))
                .arg(undecodable)));
        return ExitUsage;
    }
    return Run(arguments, out, err);
}

} // namespace Cli
