#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "settings/DataMod.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

const QString DataFiles = u":hf"_s;
const QString AnyFiles = u":file"_s;

struct Option {
    QString name; // with its dashes
    QString valueName; // empty for a flag
};

// A command's options and positional arguments, as its --list-options gives them.
struct CommandSyntax {
    QList<Option> options;
    QStringList positionals;
};

CommandSyntax syntaxOf(const Subcommand &command)
{
    CommandSyntax syntax;
    const QString listing = QString::fromUtf8(command.run({ u"--list-options"_s }));
    for (const QString &line : listing.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(u'-')) {
            syntax.positionals.append(line);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        syntax.options.append(
            equals < 0 ? Option { line, QString() } : Option { line.left(equals), line.mid(equals + 1) });
    }
    return syntax;
}

const Option *optionNamed(const CommandSyntax &syntax, const QString &name)
{
    for (const Option &option : syntax.options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

// What an option's value may be, current being what is typed of it.
QStringList valuesOf(const Option &option, const QString &current)
{
    if (option.name == u"--period")
        return PeriodWords();
    // Past the "=" the value is the user's to type.
    if (option.name == u"--set" && !current.contains(u'=')) {
        QStringList names = SettingNames();
        for (QString &name : names)
            name += u'=';
        return names;
    }
    // A value from a fixed list, such as --rules eu|de|fr.
    if (option.valueName.contains(u'|'))
        return option.valueName.split(u'|');
    if (option.valueName == u"OUT")
        return { AnyFiles };
    if (option.valueName == u"FILE")
        return { DataFiles };
    return {};
}

// What a positional argument may be: one of the words of "in|out", a
// holiday calendar, or a data file.
QStringList positionalValues(const QString &name)
{
    if (name.contains(u'|'))
        return name.split(u'|');
    if (name == u"CALENDAR")
        return { AnyFiles };
    return { DataFiles };
}

} // namespace

QStringList Completions(const QStringList &words)
{
    const QString current = words.last();
    const QStringList before = words.first(words.size() - 1);
    if (before.isEmpty()) {
        if (current.startsWith(u'-'))
            return { u"--help"_s, u"--version"_s };
        QStringList names;
        for (const Subcommand &command : AllSubcommands())
            names.append(command.name.toString());
        return names << DataFiles;
    }
    const Subcommand *command = SubcommandNamed(before.first());
    if (!command)
        return {};
    const CommandSyntax syntax = syntaxOf(*command);

    qsizetype positionals = 0;
    for (qsizetype i = 1; i < before.size(); ++i) {
        const Option *option = optionNamed(syntax, before[i]);
        if (option && !option->valueName.isEmpty()) {
            if (i + 1 == before.size())
                return valuesOf(*option, current);
            ++i;
        } else if (!before[i].startsWith(u'-')) {
            ++positionals;
        }
    }
    // Once every positional argument is there, only options are left; one
    // named like "FILE..." takes any number.
    const bool repeats = !syntax.positionals.isEmpty() && syntax.positionals.last().endsWith(u"...");
    if (repeats)
        positionals = std::min(positionals, syntax.positionals.size() - 1);
    if (current.startsWith(u'-') || positionals >= syntax.positionals.size()) {
        QStringList names;
        for (const Option &option : syntax.options) {
            if (option.name.startsWith(u"--"))
                names.append(option.name);
        }
        return names;
    }
    return positionalValues(syntax.positionals[positionals]);
}

} // namespace Cli
