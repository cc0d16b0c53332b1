#pragma once

#include "core/Errors.h"
#include "period/Period.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class TData;
class TTimeRecorder;

namespace Cli {

// A command line that cannot be carried out as written: an unknown option, a
// missing argument, a bad date or time, an unknown setting or a value out of
// its range. Every other HourframeError is a data or file error.
class UsageError : public HourframeError {
public:
    using HourframeError::HourframeError;
};

// The options and arguments of one subcommand, parsed with QCommandLineParser.
// Every subcommand has --help; the options several subcommands share are
// added by the add functions, so they read alike everywhere.
class CommandOptions {
public:
    CommandOptions(const QString &command, const QString &description);

    void addOption(const QCommandLineOption &option);
    // Positional arguments are all required, in the order they are added; their
    // names make up what follows the options in the usage line.
    void addPositional(const QString &name, const QString &description);
    // Any number of positional arguments after the required ones, listed
    // under name; the command checks them itself. syntax stands for them in
    // the usage line.
    void addFurtherPositionals(const QString &name, const QString &description, const QString &syntax);
    // What a command does with its data file: only read it, or change it.
    enum class FileUse { Read, Change };

    // The data file, FILE, the last positional argument. It may be left out;
    // dataFile() then takes the file used last.
    void addDataFile(FileUse use = FileUse::Read);
    // Another file that may be left out, the last positional argument; the
    // command reads positional() for it.
    void addOptionalFile(const QString &name, const QString &description);
    // --name sets a flag setting on, --no-name sets it off; without either the
    // user's setting holds. The last of the two on the command line wins.
    void addSwitch(const QString &name, const QString &settingName, const QString &description);
    // --json, for a command that can print one JSON object instead of text.
    void addJsonOption();
    // --set Name=Value, any number of times.
    void addSettingOption();
    // --from and --to, or --period, and the switch --adjust for widening to
    // whole weeks, bound to the given setting (none without one). withoutAny
    // names the period the command takes when none is given.
    void addPeriodOptions(const QString &adjustSetting, const QString &withoutAny = QString());

    // Parses the arguments that follow the subcommand's name. Returns false
    // when --help, --version (or the hidden --list-options of the shell
    // completion) was asked for; a command line that does not fit throws
    // UsageError, as does a missing or an extra positional argument. An
    // unknown option close to one of the command's is named with it.
    bool parse(const QStringList &arguments);

    // What the command prints instead of running when parse() returned false:
    // its help, the version, or for --list-options one line per option name
    // (--name or -n, followed by =VALUE when it takes a value; the --no- forms
    // included) and then one per positional argument.
    QByteArray helpText() const;
    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }
    QStringList values(const QString &name) const { return m_parser.values(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }
    // The day a date option names (see ParseDateArgument), or today without it.
    int dayOrToday(const QString &name) const;

    // The period the options name, this week without any; widened to whole
    // weeks when adjust (the setting as the options left it) is on.
    TPeriod period(int firstDayOfWeek, bool adjust) const;
    // Whether --from, --to or --period is given.
    bool hasPeriod() const;

    // FILE as given, else the file used last (the Filename setting), which a
    // command that changes the file names on standard error. Neither is a
    // UsageError, and neither is "-" for a command that changes the file.
    // For one that reads, "-" is standard input (see loadDataFile).
    QString dataFile(const TData &settings, FileUse use) const;
    // Loads the store from the data file of dataFile(), or from standard
    // input for "-".
    void loadDataFile(TTimeRecorder &recorder, const TData &settings) const;
    // Makes the data file named on the command line, once the command has
    // written it, the file used last, as opening it in the window does;
    // nothing when FILE was left out. A settings file that cannot be written
    // is a Note: the data file's change stands.
    void rememberDataFile() const;

    // The user's settings, read without creating or changing anything on
    // disk, with the --set values and then the switches put in, in memory
    // only. Nothing is ever written to the settings file. A holiday calendar
    // that cannot be read is a Note: the command goes on without holidays.
    std::unique_ptr<TData> settings() const;

private:
    struct Switch {
        QString name;
        QString settingName;
    };

    QString m_command;
    QStringList m_positionals;
    QString m_furtherSyntax; // empty: no further positional arguments
    QStringList m_furtherPositionals; // their name, as --list-options prints it
    bool m_optionalFile = false;
    bool m_dataFile = false;
    QStringList m_options; // as --list-options prints them
    QCommandLineParser m_parser;
    QList<Switch> m_switches;
};

// The names --period takes besides a year and a month, in the order the help
// and the shell completion list them.
const QStringList &PeriodWords();

// Every name --set takes: the value names of the settings file, and
// Thursday's target under its right name too.
QStringList SettingNames();

// The program's name and version, as --version prints it.
QByteArray VersionText();

// The index of the name in names that word is most likely a mistyping of:
// at most two typing errors (letters left out, added, changed or two
// neighbours swapped), but fewer than the word has letters, so that a short
// word is not everything's typo; letter case aside. -1 when none is that close.
qsizetype NearestName(QStringView word, const QStringList &names);

// What a mistyped name is followed by: ". Did you mean 'name'?", or nothing
// without a name.
QString DidYouMean(const QString &name);

// Makes an empty data file at path when nothing is there and its folder
// exists, and says whether it did. A folder that does not exist is left to
// the reading of the file to report; any other failure is an IoError.
bool CreateMissingDataFile(const QString &path);

// All of standard input, for a data file read from a pipe: at most
// MaxDataFileBytes, more is an IoError.
QByteArray ReadStandardInput();

// A line for standard error that is no failure, such as which file a command
// took; Run writes it, after the command's name, once the command succeeded.
void Note(const QString &text);

// The command found what it looks for (a check, a breach): Run ends with
// ExitFound once the output is written, so that scripts can tell.
void FoundWhatWasChecked();

// A date as the date fields read it (the regional order, month names, two-digit
// years), or in ISO form yyyy-MM-dd, as a day number. Anything else is a
// UsageError naming the option.
int ParseDateArgument(const QString &text, const QString &option);

// Rows of cells as lines of text: columns separated by two blanks, each as
// wide as its widest cell, right-aligned where asked and left-aligned
// elsewhere; trailing blanks are cut.
QString AlignedTable(const QList<QStringList> &rows, const QList<bool> &rightAligned);

// A time of day as a time field reads it ("8:30", "830", "8"), in minutes.
// Anything that is not a valid time of day is a UsageError naming the option.
int ParseTimeArgument(const QString &text, const QString &option);

} // namespace Cli
