#include "cli/CommandOptions.h"

#include "BuildInfo.h"
#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "settings/DataMod.h"
#include "settings/RegMgr.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <numeric>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

const QString HelpOption = u"help"_s;
const QString VersionOption = u"version"_s;
const QString SetOption = u"set"_s;
const QString FromOption = u"from"_s;
const QString ToOption = u"to"_s;
const QString PeriodOption = u"period"_s;
const QString ListOptionsOption = u"list-options"_s;
const QString DataFileName = u"FILE"_s;

// A number of minDigits to maxDigits plain digits; nothing for any other text.
std::optional<int> plainNumber(QStringView text, qsizetype minDigits, qsizetype maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return text.toInt();
}

// yyyy-MM-dd with a four-digit year; nothing when the text has another shape.
std::optional<QDate> isoDate(const QString &text)
{
    const QStringList parts = text.split(u'-');
    if (parts.size() != 3)
        return std::nullopt;
    const std::optional<int> year = plainNumber(parts[0], 4, 4);
    const std::optional<int> month = plainNumber(parts[1], 1, 4);
    const std::optional<int> day = plainNumber(parts[2], 1, 4);
    if (!year || !month || !day)
        return std::nullopt;
    return QDate(*year, *month, *day);
}

// A word of PeriodWords(), a year such as "2026", a month such as "2026-11",
// or a name as the options dialogs list it ("November 2026").
std::optional<TPeriod> namedPeriod(const QString &name, int firstDayOfWeek)
{
    const int today = DayNumber::today();
    const QDate date = Clock::today();
    if (name == u"today")
        return TPeriod { today, today };
    if (name == u"yesterday")
        return TPeriod { today - 1, today - 1 };
    if (name == u"this-week")
        return Period::ThisWeek(firstDayOfWeek);
    if (name == u"last-week")
        return Period::LastWeek(firstDayOfWeek);
    if (name == u"this-month")
        return Period::MonthPeriod(date.year(), date.month());
    if (name == u"last-month") {
        const QDate before = date.addMonths(-1);
        return Period::MonthPeriod(before.year(), before.month());
    }
    if (name == u"this-year")
        return Period::YearPeriod(date.year());
    if (name == u"last-year")
        return Period::YearPeriod(date.year() - 1);
    const QStringView text(name);
    if (const std::optional<int> year = plainNumber(text, 4, 4); year && *year > 0)
        return Period::YearPeriod(*year);
    if (text.size() == 7 && text[4] == u'-') {
        const std::optional<int> year = plainNumber(text.first(4), 4, 4);
        const std::optional<int> month = plainNumber(text.sliced(5), 2, 2);
        if (year && *year > 0 && month && *month >= 1 && *month <= 12)
            return Period::MonthPeriod(*year, *month);
    }
    return Period::PeriodOfName(name, firstDayOfWeek);
}

// A setting named on the command line: an unknown name or a value of the
// wrong form or range is a mistake of the command line.
void setByName(TData &settings, const QString &name, const QString &value)
{
    try {
        settings.SetByName(name, value);
    } catch (const HourframeError &error) {
        QString message = QCoreApplication::translate("Cli", "--set: %1").arg(error.message());
        if (!TData::Find(name)) {
            const QStringList names = SettingNames();
            message += DidYouMean(names.value(NearestName(name, names)));
        }
        throw UsageError(message);
    }
}

// Typing errors between two words: letters left out, added, changed or two
// neighbours swapped (the optimal string alignment distance).
qsizetype typingErrors(QStringView a, QStringView b)
{
    const qsizetype n = b.size();
    std::vector<qsizetype> before(n + 1), previous(n + 1), current(n + 1);
    std::iota(previous.begin(), previous.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= n; ++j) {
            const qsizetype cost = a[i - 1] == b[j - 1] ? 0 : 1;
            current[j] = std::min({ previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost });
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[n];
}

} // namespace

CommandOptions::CommandOptions(const QString &command, const QString &description)
    : m_command(command)
{
    m_parser.setApplicationDescription(description);
    addOption(
        QCommandLineOption({ u"h"_s, HelpOption }, QCoreApplication::translate("Cli", "Show this help.")));
    addOption(QCommandLineOption(
        { u"v"_s, VersionOption }, QCoreApplication::translate("Cli", "Show the version.")));
    QCommandLineOption listOptions(ListOptionsOption);
    listOptions.setFlags(QCommandLineOption::HiddenFromHelp);
    m_parser.addOption(listOptions);
}

void CommandOptions::addOption(const QCommandLineOption &option)
{
    m_parser.addOption(option);
    for (const QString &name : option.names()) {
        m_options.append((name.size() > 1 ? u"--"_s : u"-"_s) + name
            + (option.valueName().isEmpty() ? QString() : u'=' + option.valueName()));
    }
}

void CommandOptions::addPositional(const QString &name, const QString &description)
{
    Q_ASSERT(!m_optionalFile);
    m_parser.addPositionalArgument(name, description);
    m_positionals.append(name);
}

void CommandOptions::addFurtherPositionals(
    const QString &name, const QString &description, const QString &syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
    m_furtherSyntax = syntax;
    m_furtherPositionals = { name };
}

void CommandOptions::addDataFile(FileUse use)
{
    const char *const description = use == FileUse::Read
        ? QT_TRANSLATE_NOOP("Cli",
            "The data file, or - for standard input; without it, the file last opened or saved in the "
            "window.")
        : QT_TRANSLATE_NOOP("Cli",
            "The data file, made when it does not exist, in a folder that does; without it, the file used "
            "last.");
    addOptionalFile(DataFileName, QCoreApplication::translate("Cli", description));
    m_dataFile = true;
}

void CommandOptions::addOptionalFile(const QString &name, const QString &description)
{
    m_parser.addPositionalArgument(name, description, u'[' + name + u']');
    m_positionals.append(name);
    m_optionalFile = true;
}

void CommandOptions::addSwitch(const QString &name, const QString &settingName, const QString &description)
{
    addOption(QCommandLineOption(name,
        QCoreApplication::translate("Cli", "%1 Default: the setting %2; --no-%3 for the opposite.")
            .arg(description, settingName, name)));
    QCommandLineOption off(u"no-"_s + name, QString());
    off.setFlags(QCommandLineOption::HiddenFromHelp);
    addOption(off);
    m_switches.append(Switch { name, settingName });
}

void CommandOptions::addJsonOption()
{
    addOption(QCommandLineOption(u"json"_s,
        QCoreApplication::translate("Cli",
            "Print one JSON object instead, for scripts: each figure as a number of minutes (null for a "
            "blank field) and, under the same name with Text added, as the text shown.")));
}

void CommandOptions::addSettingOption()
{
    addOption(QCommandLineOption(SetOption,
        QCoreApplication::translate("Cli",
            "Use this value of a setting, named as in the settings file, for this run only. "
            "May be given more than once."),
        u"Name=Value"_s));
}

void CommandOptions::addPeriodOptions(const QString &adjustSetting, const QString &withoutAny)
{
    addOption(QCommandLineOption(FromOption,
        QCoreApplication::translate(
            "Cli", "The first day of the period, as typed in a date field or as yyyy-MM-dd."),
        u"DATE"_s));
    addOption(QCommandLineOption(
        ToOption, QCoreApplication::translate("Cli", "The last day of the period."), u"DATE"_s));
    addOption(QCommandLineOption(PeriodOption,
        QCoreApplication::translate("Cli",
            "A named period instead: %1, a year (2026) or a month (2026-11). Without --from, --to and "
            "--period: %2.")
            .arg(PeriodWords().join(u", "_s),
                withoutAny.isEmpty() ? QCoreApplication::translate("Cli", "this week") : withoutAny),
        u"NAME"_s));
    if (!adjustSetting.isEmpty())
        addSwitch(u"adjust"_s, adjustSetting,
            QCoreApplication::translate("Cli", "Widen the period to whole weeks."));
}

bool CommandOptions::hasPeriod() const
{
    return m_parser.isSet(FromOption) || m_parser.isSet(ToOption) || m_parser.isSet(PeriodOption);
}

TPeriod CommandOptions::period(int firstDayOfWeek, bool adjust) const
{
    TPeriod period;
    const bool dates = m_parser.isSet(FromOption) || m_parser.isSet(ToOption);
    if (dates && m_parser.isSet(PeriodOption))
        throw UsageError(
            QCoreApplication::translate("Cli", "--period cannot be combined with --from and --to"));
    if (dates) {
        if (!m_parser.isSet(FromOption) || !m_parser.isSet(ToOption))
            throw UsageError(QCoreApplication::translate("Cli", "--from and --to go together"));
        period = { ParseDateArgument(m_parser.value(FromOption), u"--from"_s),
            ParseDateArgument(m_parser.value(ToOption), u"--to"_s) };
        if (period.StartDate > period.EndDate)
            throw UsageError(
                QCoreApplication::translate("Cli", "the period ends before it starts (--from %1 --to %2)")
                    .arg(m_parser.value(FromOption), m_parser.value(ToOption)));
    } else if (m_parser.isSet(PeriodOption)) {
        const std::optional<TPeriod> named = namedPeriod(m_parser.value(PeriodOption), firstDayOfWeek);
        if (!named)
            throw UsageError(QCoreApplication::translate("Cli", "--period: '%1' names no period")
                                 .arg(m_parser.value(PeriodOption)));
        period = *named;
    } else {
        period = Period::ThisWeek(firstDayOfWeek);
    }
    return adjust ? Period::WidenToFullWeeks(period, firstDayOfWeek) : period;
}

bool CommandOptions::parse(const QStringList &arguments)
{
    if (!m_parser.parse(QStringList { u"hourframe"_s } + arguments)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (unknown.isEmpty())
            throw UsageError(m_parser.errorText());
        const QString typed = (unknown.first().size() > 1 ? u"--"_s : u"-"_s) + unknown.first();
        QStringList names; // as typed, without the value
        for (const QString &option : std::as_const(m_options))
            names.append(option.first(option.contains(u'=') ? option.indexOf(u'=') : option.size()));
        QStringList words = names; // what is compared: the names without their dashes
        for (QString &word : words)
            word.remove(0, word.startsWith(u"--") ? 2 : 1);
        throw UsageError(QCoreApplication::translate("Cli", "unknown option '%1'").arg(typed)
            + DidYouMean(names.value(NearestName(unknown.first(), words))));
    }
    if (m_parser.isSet(HelpOption) || m_parser.isSet(VersionOption) || m_parser.isSet(ListOptionsOption))
        return false;
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() < m_positionals.size() - (m_optionalFile ? 1 : 0))
        throw UsageError(
            QCoreApplication::translate("Cli", "missing %1").arg(m_positionals.at(positional.size())));
    if (positional.size() > m_positionals.size() && m_furtherSyntax.isEmpty())
        throw UsageError(QCoreApplication::translate("Cli", "unexpected argument '%1'")
                             .arg(positional.at(m_positionals.size())));
    return true;
}

int CommandOptions::dayOrToday(const QString &name) const
{
    return m_parser.isSet(name) ? ParseDateArgument(m_parser.value(name), u"--"_s + name)
                                : DayNumber::today();
}

QByteArray CommandOptions::helpText() const
{
    if (m_parser.isSet(ListOptionsOption))
        return (QStringList(m_options + m_positionals + m_furtherPositionals).join(u'\n') + u'\n').toUtf8();
    if (m_parser.isSet(VersionOption) && !m_parser.isSet(HelpOption))
        return VersionText();
    // Qt names the program file in the usage line; the subcommand belongs there too.
    QString text = m_parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(u'\n');
    QStringList usage = m_positionals;
    if (m_optionalFile)
        usage.last() = u'[' + usage.last() + u']';
    if (!m_furtherSyntax.isEmpty())
        usage.append(m_furtherSyntax);
    text.replace(0, firstLineEnd,
        QCoreApplication::translate("Cli", "Usage: hourframe %1 [options] %2")
            .arg(m_command, usage.join(u' ')));
    return text.toUtf8();
}

QString CommandOptions::dataFile(const TData &settings, FileUse use) const
{
    Q_ASSERT(m_dataFile);
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() == m_positionals.size()) {
        if (positional.last() == u"-" && use == FileUse::Change)
            throw UsageError(QCoreApplication::translate(
                "Cli", "standard input (-) cannot be changed; name the data file instead"));
        return positional.last();
    }
    const QString lastUsed = settings.Filename();
    if (lastUsed.isEmpty())
        throw UsageError(
            QCoreApplication::translate("Cli", "missing FILE, and no file was used last to take instead"));
    if (use == FileUse::Change)
        Note(QCoreApplication::translate("Cli", "the file used last, %1").arg(lastUsed));
    return lastUsed;
}

void CommandOptions::loadDataFile(TTimeRecorder &recorder, const TData &settings) const
{
    const QString path = dataFile(settings, FileUse::Read);
    if (path == u"-")
        recorder.LoadFromBytes(ReadStandardInput(), QCoreApplication::translate("Cli", "standard input"));
    else
        recorder.LoadFromFile(path);
}

void CommandOptions::rememberDataFile() const
{
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() != m_positionals.size())
        return;
    // As the window keeps it: a relative name would not be found from another folder.
    TData stored;
    stored.RegistryManager().SetProblemReporter([](const QString &problem) { Note(problem); });
    stored.SetFilename(QFileInfo(positional.last()).absoluteFilePath());
}

std::unique_ptr<TData> CommandOptions::settings() const
{
    auto settings = std::make_unique<TData>(nullptr, TData::Persistence::MemoryOnly);
    bool targetSet = false;
    bool historySet = false;
    QObject::connect(settings.get(), &TData::HolidayCalendarFailed, [](const QString &problem) {
        Note(QCoreApplication::translate("Cli", "%1 (going on without public holidays)").arg(problem));
    });
    for (const QString &assignment : m_parser.values(SetOption)) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals <= 0)
            throw UsageError(
                QCoreApplication::translate("Cli", "--set needs Name=Value, not '%1'").arg(assignment));
        const QString name = assignment.left(equals);
        setByName(*settings, name, assignment.mid(equals + 1));
        const std::optional<TSetting> setting = TData::Find(name);
        targetSet |= TData::IsTarget(*setting);
        historySet |= *setting == TSetting::TargetHistory;
    }
    // A target given for the run holds on every day of it, as if it had never changed.
    if (targetSet && !historySet)
        settings->SetTargetHistory(QString());
    for (const QString &name : m_parser.optionNames()) {
        for (const Switch &s : m_switches) {
            if (name == s.name)
                setByName(*settings, s.settingName, u"1"_s);
            else if (name == u"no-"_s + s.name)
                setByName(*settings, s.settingName, u"0"_s);
        }
    }
    return settings;
}

QStringList SettingNames()
{
    QStringList names;
    for (int i = 0; i < SettingCount; ++i)
        names.append(SettingInfo(TSetting(i)).name);
    names.append(u"ThursdayTarget"_s);
    return names;
}

QByteArray VersionText()
{
    return QByteArray(BuildInfo::ProductName) + ' ' + BuildInfo::ProductVersion + '\n';
}

qsizetype NearestName(QStringView word, const QStringList &names)
{
    const QString typed = word.toString().toLower();
    qsizetype nearest = -1;
    qsizetype fewest = std::min<qsizetype>(3, typed.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (const qsizetype errors = typingErrors(typed, names[i].toLower()); errors < fewest) {
            fewest = errors;
            nearest = i;
        }
    }
    return nearest;
}

QString DidYouMean(const QString &name)
{
    return name.isEmpty() ? QString() : QCoreApplication::translate("Cli", ". Did you mean '%1'?").arg(name);
}

bool CreateMissingDataFile(const QString &path)
{
    // Never over anything, a link to nowhere included.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EEXIST || errno == ENOENT)
        return false;
    throw IoError(
        QCoreApplication::translate("Cli", "Cannot create %1: %2").arg(path, qt_error_string(errno)));
}

QByteArray ReadStandardInput()
{
    QByteArray data;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw IoError(QCoreApplication::translate("Cli", "Cannot read standard input: %1")
                              .arg(qt_error_string(errno)));
        if (n == 0)
            return data;
        if (data.size() + n > MaxDataFileBytes)
            throw IoError(QCoreApplication::translate("Cli", "standard input is larger than %1 MB")
                              .arg(MaxDataFileBytes >> 20));
        data.append(chunk, n);
    }
}

const QStringList &PeriodWords()
{
    static const QStringList words { u"today"_s, u"yesterday"_s, u"this-week"_s, u"last-week"_s,
        u"this-month"_s, u"last-month"_s, u"this-year"_s, u"last-year"_s };
    return words;
}

int ParseDateArgument(const QString &text, const QString &option)
{
    if (const std::optional<QDate> iso = isoDate(text)) {
        if (!iso->isValid())
            throw UsageError(
                QCoreApplication::translate("Cli", "%1: '%2' is not a valid date").arg(option, text));
        return DayNumber::fromDate(*iso);
    }
    try {
        return ParseDateText(text);
    } catch (const HourframeError &error) {
        throw UsageError(QCoreApplication::translate("Cli", "%1: %2").arg(option, error.message()));
    }
}

QString AlignedTable(const QList<QStringList> &rows, const QList<bool> &rightAligned)
{
    QList<qsizetype> widths(rightAligned.size(), 0);
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                line += u"  "_s;
            line += rightAligned[i] ? row[i].rightJustified(widths[i]) : row[i].leftJustified(widths[i]);
        }
        text += TrimBlanks(line) + u'\n';
    }
    return text;
}

int ParseTimeArgument(const QString &text, const QString &option)
{
    ParsedTime time;
    try {
        time = ParseTimeText(text, tkTimeOfDay);
    } catch (const HourframeError &) {
    }
    if (time.value < 0 || time.hours < 0 || time.hours > 23 || time.minutes < 0 || time.minutes > 59)
        throw UsageError(
            QCoreApplication::translate("Cli", "%1: '%2' is not a valid time of day").arg(option, text));
    return time.value;
}

} // namespace Cli
