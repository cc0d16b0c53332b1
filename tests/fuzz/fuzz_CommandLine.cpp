// Any command line for the commands that only read: the program either puts
// its whole result on standard output with status 0, or 3 when check found a
// breach (and on standard error at most that the holiday calendar cannot be
// read), or nothing there and exactly one line on standard error with status
// 1 or 2.
#include "FuzzSupport.h"

#include "cli/CommandLine.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "settings/DataMod.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A data file of two weeks, and settings folders of their own, made once.
QString dataFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        QDir(dir.path()).mkpath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
        const QString file = dir.filePath(QStringLiteral("week.hf"));
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(
                "30/11/2026,8:30,17:,:30\r\n1/12/2026,22:,6:,,1:,,\"Late, train\"\r\n4/12/2026,,,,,7:\r\n"
                "9/12/2026,9:,9:15,:30\r\n");
        return file;
    }();
    return path;
}

// Whether the argument sets a balance start before 1990. The balance's
// account (--weeks) has a line per week from its start: one from the year
// 1025 asks for fifty thousand lines, valid work but slow, and no more
// than a longer run of the same code.
bool startsLongAgo(const QString &argument)
{
    const QString name = QStringLiteral("BalanceStartDate=");
    const qsizetype at = argument.indexOf(name, 0, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    static TData settings(nullptr, TData::Persistence::MemoryOnly);
    try {
        settings.SetByName(QStringLiteral("BalanceStartDate"), argument.mid(at + name.size()));
    } catch (const HourframeError &) {
        return false;
    }
    static const int earliest = DayNumber::fromDate(QDate(1990, 1, 1));
    return settings.BalanceStartDate() != 0 && settings.BalanceStartDate() < earliest;
}

// Left out: writing files (-o, however spelt), which is not what this target
// is about, and periods of thousands of years (--from, --to, a balance
// start long ago), whose output is as long as it is asked to be. --period
// and --date still read dates.
bool leftOut(const QString &argument)
{
    if (startsLongAgo(argument))
        return true;
    if (argument.startsWith(u"--"))
        return argument.startsWith(u"--output") || argument.startsWith(u"--from")
            || argument.startsWith(u"--to");
    return argument.startsWith(u'-') && argument.contains(u'o');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Clock::Fixed clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    static const Regional::Override regional(TestSupport::englishSettings());
    static const char *const commands[] = { "report", "export", "week", "balance", "check" };
    if (size == 0)
        return 0;
    QStringList arguments { QString::fromLatin1(commands[data[0] % 5]), dataFile() };
    for (const QByteArray &part : FuzzSupport::Rest(data, size).split('\0')) {
        arguments << QString::fromUtf8(part);
        if (leftOut(arguments.last()))
            return 0;
    }

    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = Cli::Run(arguments, out, err);
    // A holiday calendar that cannot be read (--set HolidayCalendar=...) is
    // the one thing a command that succeeds tells on standard error.
    const bool done = status == 0 || (status == 3 && arguments.first() == u"check");
    if (done)
        for (const QByteArray &line : err.data().split('\n'))
            if (!line.isEmpty() && !line.endsWith("(going on without public holidays)"))
                FuzzSupport::Fail("a command that succeeded wrote to standard error");
    if (!done) {
        if (status != 1 && status != 2)
            FuzzSupport::Fail("an exit status other than 0, 1 and 2, or 3 of check");
        if (!out.data().isEmpty())
            FuzzSupport::Fail("a failed command wrote to standard output");
        if (err.data().count('\n') != 1 || !err.data().endsWith('\n'))
            FuzzSupport::Fail("a failure is not one line on standard error");
    }
    return 0;
}
