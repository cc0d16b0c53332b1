#include "cli/CommandOptions.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/TimeText.h"
#include "settings/DataMod.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

const QString HelpOption = u"help"_s;
const QString SetOption = u"set"_s;

// yyyy-MM-dd with a four-digit year; nothing when the text has another shape.
std::optional<QDate> isoDate(const QString &text)
{
    const QStringList parts = text.split(u'-');
    if (parts.size() != 3 || parts[0].size() != 4)
        return std::nullopt;
    int numbers[3];
    for (int i = 0; i < 3; ++i) {
        if (parts[i].isEmpty() || parts[i].size() > 4)
            return std::nullopt;
        for (const QChar c : parts[i]) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
        }
        numbers[i] = parts[i].toInt();
    }
    return QDate(numbers[0], numbers[1], numbers[2]);
}

// Interim until the settings offer a setter by name.
void SetSettingByName(TData &, const QString &name, const QString &)
{
    throw UsageError(u"unknown setting '%1'"_s.arg(name));
}

} // namespace

std::unique_ptr<TData> ReadSettings()
{
    return std::make_unique<TData>();
}

CommandOptions::CommandOptions(const QString &command, const QString &synopsis, const QString &description)
    : m_command(command)
    , m_synopsis(synopsis)
{
    m_parser.setApplicationDescription(description);
    m_parser.addOption(QCommandLineOption({ u"h"_s, HelpOption }, u"Show this help."_s));
}

void CommandOptions::addOption(const QCommandLineOption &option)
{
    m_parser.addOption(option);
}

void CommandOptions::addPositional(const QString &name, const QString &description)
{
    m_parser.addPositionalArgument(name, description);
}

void CommandOptions::addSwitch(const QString &name, const QString &settingName, const QString &description)
{
    m_parser.addOption(QCommandLineOption(name,
        description + u" (--no-"_s + name + u" for the opposite; default: setting "_s + settingName + u')'));
    QCommandLineOption off(u"no-"_s + name, QString());
    off.setFlags(QCommandLineOption::HiddenFromHelp);
    m_parser.addOption(off);
    m_switches.append(Switch { name, settingName });
}

void CommandOptions::addSettingOption()
{
    m_parser.addOption(QCommandLineOption(SetOption,
        u"Use this value of a setting, named as in the settings file, for this run only. "
        u"May be given more than once."_s,
        u"Name=Value"_s));
}

bool CommandOptions::parse(const QStringList &arguments, int minPositional, int maxPositional)
{
    if (!m_parser.parse(QStringList { u"hourframe"_s } + arguments))
        throw UsageError(m_parser.errorText());
    if (m_parser.isSet(HelpOption))
        return false;
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() < minPositional)
        throw UsageError(u"missing "_s + m_synopsis.split(u' ').value(positional.size()));
    if (positional.size() > maxPositional)
        throw UsageError(u"unexpected argument '%1'"_s.arg(positional.value(maxPositional)));
    return true;
}

QByteArray CommandOptions::helpText() const
{
    // Qt names the program file in the usage line; the subcommand belongs there too.
    QString text = m_parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(u'\n');
    text.replace(0, firstLineEnd, u"Usage: hourframe %1 [options] %2"_s.arg(m_command, m_synopsis));
    return text.toUtf8();
}

void CommandOptions::applySettings(TData &settings) const
{
    for (const QString &assignment : m_parser.values(SetOption)) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals <= 0)
            throw UsageError(u"--set needs Name=Value, not '%1'"_s.arg(assignment));
        SetSettingByName(settings, assignment.left(equals), assignment.mid(equals + 1));
    }
    for (const QString &name : m_parser.optionNames()) {
        for (const Switch &s : m_switches) {
            if (name == s.name)
                SetSettingByName(settings, s.settingName, u"1"_s);
            else if (name == u"no-"_s + s.name)
                SetSettingByName(settings, s.settingName, u"0"_s);
        }
    }
}

int ParseDateArgument(const QString &text, const QString &option)
{
    if (const std::optional<QDate> iso = isoDate(text)) {
        if (!iso->isValid())
            throw UsageError(u"%1: '%2' is not a valid date"_s.arg(option, text));
        return DayNumber::fromDate(*iso);
    }
    try {
        return ParseDateText(text);
    } catch (const HourframeError &error) {
        throw UsageError(option + u": "_s + error.message());
    }
}

int ParseTimeArgument(const QString &text, const QString &option)
{
    ParsedTime time;
    try {
        time = ParseTimeText(text, tkTimeOfDay);
    } catch (const HourframeError &) {
    }
    if (time.value < 0 || time.hours < 0 || time.hours > 23 || time.minutes < 0 || time.minutes > 59)
        throw UsageError(u"%1: '%2' is not a valid time of day"_s.arg(option, text));
    return time.value;
}

} // namespace Cli
