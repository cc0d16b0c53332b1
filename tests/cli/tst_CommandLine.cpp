// Runs the built program as a user or a script would: no display, English
// (United Kingdom) regional settings, a fixed clock and a settings file of
// its own, which every test checks is byte for byte unchanged afterwards.

#include "BuildInfo.h"
#include "core/DataFile.h"
#include "core/SharedDataFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstring>
#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::readFile;
using TestSupport::writeFile;

// Wednesday 2 December 2026, 08:31:40.
const QString Now = u"2026-12-02T08:31:40"_s;

const QByteArray SettingsFile = "Windows Registry Editor Version 5.00\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\r\n"
                                "\"FirstDayOfWeek\"=dword:00000001\r\n"
                                "\"ReportCalculateAverageHours\"=dword:00000000\r\n";

struct Result {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QByteArray settings; // what the settings file holds, before and after every test
    QStringList runEnvironment; // NAME=value for the next runs
    QByteArray input; // their standard input
    QString locale; // LC_ALL of the programs run

    QString path(const QString &name) const { return dir->filePath(name); }
    QString settingsPath() const { return path(u"config/Orvane Software/Hourframe.reg"_s); }

    // The settings with a file used last, as the window leaves them.
    void useLastFile(const QString &name)
    {
        settings = SettingsFile + "\"Filename\"=\"" + path(name).toUtf8() + "\"\r\n";
        writeFile(settingsPath(), settings);
    }

    // The settings once a command stored the file used last, in the settings
    // store's own form: LF line ends.
    QByteArray withLastFile(const QString &name) const
    {
        return QByteArray(SettingsFile).replace("\r\n", "\n") + "\"Filename\"=\"" + path(name).toUtf8()
            + "\"\n";
    }

    // A run that has not ended after timeoutMs is ended, with status -1.
    Result run(const QStringList &arguments, const QString &now = Now,
        const QString &program = QStringLiteral(HOURFRAME_PROGRAM), int timeoutMs = 60000) const
    {
        return runProgram(program, arguments, dir->path(), now, timeoutMs);
    }

    Result runProgram(const QString &program, const QStringList &arguments, const QString &folder,
        const QString &now = Now, int timeoutMs = 60000) const
    {
        const std::unique_ptr<QProcess> process = startProgram(program, arguments, folder, now);
        Result result;
        if (!process->waitForFinished(timeoutMs) || process->exitStatus() != QProcess::NormalExit)
            return result;
        result.status = process->exitCode();
        result.out = process->readAllStandardOutput();
        result.err = process->readAllStandardError();
        return result;
    }

    std::unique_ptr<QProcess> startProgram(const QString &program, const QStringList &arguments,
        const QString &folder, const QString &now = Now) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No display of any kind: the command line must not need one.
        for (const QString &name : { u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"LANG"_s,
                 u"LANGUAGE"_s, u"LC_TIME"_s })
            environment.remove(name);
        environment.insert(u"LC_ALL"_s, locale);
        environment.insert(u"XDG_CONFIG_HOME"_s, path(u"config"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, path(u"runtime"_s));
        environment.insert(u"HOURFRAME_NOW"_s, now);
        // git, for the merge driver: nothing of the machine's or the user's configuration.
        environment.insert(u"HOME"_s, dir->path());
        environment.insert(u"GIT_CONFIG_NOSYSTEM"_s, u"1"_s);
        for (const QString &name : { u"GIT_AUTHOR_NAME"_s, u"GIT_COMMITTER_NAME"_s })
            environment.insert(name, u"Ann"_s);
        for (const QString &name : { u"GIT_AUTHOR_EMAIL"_s, u"GIT_COMMITTER_EMAIL"_s })
            environment.insert(name, u"ann@example.org"_s);
        for (const QString &variable : runEnvironment)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(folder);
        process->start(program, arguments);
        process->write(input);
        process->closeWriteChannel();
        return process;
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        runEnvironment.clear();
        input.clear();
        locale = u"en_GB.UTF-8"_s;
        settings = SettingsFile;
        writeFile(settingsPath(), settings);
    }

    void cleanup()
    {
        QCOMPARE(readFile(settingsPath()), settings);
        QCOMPARE(QDir(path(u"config/Orvane Software"_s)).entryList(QDir::Files),
            QStringList { u"Hourframe.reg"_s });
    }

    // The data of both worked examples, in a file whose name is the one the
    // report's title shows.
    QString copyExampleData() const
    {
        const QString name = u"D:\\Times\\work.hf"_s;
        QFile::copy(QStringLiteral(HOURFRAME_TEST_DATA "/export-example.hf"), path(name));
        return name;
    }

    // Like every run here, without a display.
    void workedReportExample()
    {
        const Result result = run({ u"report"_s, copyExampleData(), u"--from"_s, u"30/11/2026"_s, u"--to"_s,
            u"2026-12-06"_s, u"--set"_s, u"FirstDayOfWeek=2"_s, u"--set"_s, u"ShowLunchTime=1"_s, u"--set"_s,
            u"ShowDeviationFromWeeklyTarget=1"_s, u"--set"_s, u"WeeklyTarget=37:00"_s, u"--blank-workdays"_s,
            u"--no-blank-weekends"_s, u"--totals"_s, u"--averages"_s });
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out,
            "Hourframe [D:\\Times\\work.hf]\n"
            "\n"
            "Report from 30/11/2026 to 06/12/2026\n"
            "\n"
            "Date         Day   Arrive    Depart    Lunch    Holiday   Hours    Weekly   Deviation   "
            "Comment\n"
            "30/11/2026   Mon   08:30     17:00     00:30              08:00\n"
            "01/12/2026   Tue   08:45     17:15     00:45              07:45                         Client "
            "visit\n"
            "02/12/2026   Wed\n"
            "03/12/2026   Thu   09:00     18:00     01:00              08:00\n"
            "04/12/2026   Fri                                07:00\n"
            "                                                                   30:45      -06:15\n"
            "\n"
            "Total holidays for period 07:00\n"
            "Total hours for period    30:45\n"
            "\n"
            "Average daily hours       06:09\n"
            "Average weekly hours      30:45\n");

        const Result crlf
            = run({ u"report"_s, copyExampleData(), u"--period"_s, u"this-week"_s, u"--crlf"_s });
        QCOMPARE(crlf.status, 0);
        QCOMPARE(crlf.out.count("\r\n"), crlf.out.count('\n'));
    }

    void workedCsvExample_data()
    {
        QTest::addColumn<QStringList>("output");
        QTest::newRow("standard output") << QStringList();
        QTest::newRow("file in a new folder") << QStringList { u"-o"_s, u"exports/week.csv"_s };
    }

    void workedCsvExample()
    {
        QFETCH(QStringList, output);
        const Result written
            = run(QStringList { u"export"_s, copyExampleData(), u"--from"_s, u"2/12/2026"_s, u"--to"_s,
                      u"4/12/2026"_s, u"--adjust"_s, u"--set"_s, u"FirstDayOfWeek=2"_s, u"--set"_s,
                      u"FridayTarget=7:00"_s, u"--blank-workdays"_s, u"--no-blank-weekends"_s, u"--totals"_s,
                      u"--headings"_s }
                + output);
        QCOMPARE(written.err, QByteArray());
        QCOMPARE(written.status, 0);
        const QByteArray example = readFile(QStringLiteral(HOURFRAME_TEST_DATA "/export-example.csv"));
        QCOMPARE(output.isEmpty() ? written.out : readFile(path(output.last())), example);
        if (!output.isEmpty())
            QCOMPARE(written.out, QByteArray());
    }

    void weekAsTheSheetShowsIt()
    {
        writeFile(path(u"week.hf"_s),
            "30/11/2026,8:30,17:,:30\r\n1/12/2026,22:,6:\r\n2/12/2026,,,,,8:\r\n3/12/2026,9:,9:15,:30\r\n");
        const Result result = run({ u"week"_s, u"week.hf"_s, u"--date"_s, u"2026-12-03"_s, u"--set"_s,
            u"FirstDayOfWeek=2"_s, u"--set"_s, u"MondayTarget=480"_s, u"--set"_s, u"TuesdayTarget=480"_s,
            u"--set"_s, u"WednesdayTarget=480"_s, u"--set"_s, u"ThursdayTarget=8:00"_s, u"--set"_s,
            u"FridayTarget=480"_s, u"--set"_s, u"WeeklyTarget=2400"_s });
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out,
            "Week beginning 30/11/2026\n"
            "\n"
            "Day  Date        Arrive  Depart  Lunch  Extra  Holiday  Hours  Deviation  Comment\n"
            "Mon  30/11/2026  08:30   17:00   00:30                   8:00\n"
            "Tue  01/12/2026  22:00   06:00                           8:00\n"
            "Wed  02/12/2026                                08:00     8:00\n"
            "Thu  03/12/2026  09:00   09:15   00:30                             -8:00\n"
            "Fri  04/12/2026                                                    -8:00\n"
            "Sat  05/12/2026\n"
            "Sun  06/12/2026\n"
            "\n"
            "Weekly hours   24:00\n"
            "Hours short    16:00\n");
    }

    // Weeks from Monday, day targets at their defaults (7:30 Monday to Thursday,
    // 7:00 Friday), today Wednesday 2 December, an opening balance of -1:30.
    // From the first day with data, Thursday 19 November:
    //   week of 16/11: Thu 8:00 (+0:30), Fri holiday 7:00 (even): 15:00 against 14:30, +0:30;
    //   week of 23/11: Mon night shift 8:00 (+0:30), Tue nothing (-7:30), Wed a lunch longer
    //     than the span leaves the extra 1:00 (-6:30), Thu and Fri nothing: 9:00 against 37:00;
    //   week of 30/11 to yesterday: Mon 9:00 (+1:30), Tue nothing: 9:00 against 15:00;
    //   today counts once it is closed.
    void balance_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("as of today") << QStringList() << QByteArray("-35:00\n");
        QTest::newRow("as of a day in the future")
            << QStringList { u"--as-of"_s, u"2026-12-31"_s } << QByteArray("-35:00\n");
        QTest::newRow("as of Friday 27 November")
            << QStringList { u"--as-of"_s, u"27/11/2026"_s } << QByteArray("-29:00\n");
        // From Monday 23 November: -1:30 - 28:00 - 6:00.
        QTest::newRow("start as a date")
            << QStringList { u"--set"_s, u"BalanceStartDate=2026-11-23"_s } << QByteArray("-35:30\n");
        QTest::newRow("start and opening as numbers")
            << QStringList { u"--set"_s, u"BalanceStartDate=46349"_s, u"--set"_s, u"BalanceOpening=-90"_s }
            << QByteArray("-35:30\n");
        // Thanksgiving and the day after, Thursday 26 and Friday 27 November, owe nothing.
        QTest::newRow("public holidays")
            << QStringList { u"--set"_s, u"HolidayCalendar=" HOURFRAME_TEST_DATA "/holidays-yearly.ics"_s }
            << QByteArray("-20:30\n");
        // Friday 20 November's 7:00 of holiday is one day of Friday's 7:00.
        QTest::newRow("vacation") << QStringList { u"--set"_s, u"VacationDaysPerYear=25"_s }
                                  << QByteArray("-35:00\nVacation taken in 2026: 1 day\n"
                                                "Vacation left in 2026: 24 days\n");
        QTest::newRow("week by week") << QStringList { u"--weeks"_s }
                                      << QByteArray("Week        Worked  Target  Difference  Balance\n"
                                                    "Opening                                   -1:30\n"
                                                    "16/11/2026   15:00   14:30       +0:30    -1:00\n"
                                                    "23/11/2026    9:00   37:00      -28:00   -29:00\n"
                                                    "30/11/2026    9:00   15:00       -6:00   -35:00\n"
                                                    "\n"
                                                    "Days counted: 19/11/2026 to 01/12/2026; today counts "
                                                    "once it is closed\n");
    }

    void balance()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, output);
        writeFile(path(u"small.hf"_s),
            "19/11/2026,8:,16:30,:30\r\n20/11/2026,,,,,7:\r\n23/11/2026,22:,6:\r\n"
            "25/11/2026,9:,9:15,:30,1:\r\n30/11/2026,8:,17:\r\n");
        const QStringList common { u"small.hf"_s, u"--set"_s, u"FirstDayOfWeek=2"_s, u"--set"_s,
            u"BalanceOpening=-1:30"_s };
        const Result result = run(QStringList { u"balance"_s } + common + arguments);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, output);

        // November's report, brought forward from before the first day, carried to its end.
        const Result report = run(QStringList { u"report"_s } + common
            + QStringList { u"--period"_s, u"2026-11"_s, u"--no-adjust"_s, u"--balance"_s });
        QCOMPARE(report.status, 0);
        QVERIFY(
            report.out.endsWith("\n\nBalance brought forward   -1:30\nBalance carried forward   -27:30\n"));
    }

    // Other commands' output and messages, on Monday 8:30 to 17:00 (+1:00),
    // Tuesday nothing (-7:30) and today, Wednesday, from 7:45 with half an
    // hour of lunch.
    void commandOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        const QString federal = u"" HOURFRAME_TEST_DATA "/holidays-yearly.ics"_s;
        QTest::newRow("the calendar of the settings, a month")
            << QStringList { u"holidays"_s, u"--set"_s, u"HolidayCalendar="_s + federal, u"--period"_s,
                   u"2026-11"_s }
            << 0
            << QByteArray("Date        Day  Holiday\n11/11/2026  Wed  Veterans Day\n"
                          "26/11/2026  Thu  Thanksgiving Day\n27/11/2026  Fri  Day after Thanksgiving\n")
            << QByteArray();
        QTest::newRow("this year without a period")
            << QStringList { u"holidays"_s, u"holidays.ics"_s } << 0
            << QByteArray("Date        Day  Holiday\n02/12/2026  Wed  Works outing\n") << QByteArray();
        QTest::newRow("none in the period")
            << QStringList { u"holidays"_s, federal, u"--period"_s, u"today"_s } << 0
            << QByteArray("Date  Day  Holiday\n") << QByteArray();
        QTest::newRow("no calendar") << QStringList { u"holidays"_s } << 2 << QByteArray()
                                     << QByteArray(
                                            "hourframe holidays: missing CALENDAR, and the settings name "
                                            "no holiday calendar\n");
        QTest::newRow("a broken calendar")
            << QStringList { u"holidays"_s, u"broken.ics"_s } << 1 << QByteArray()
            << QByteArray("hourframe holidays: broken.ics, line 6: Can't parse as DATE value in DTSTART "
                          "property. Removing entire property: 2026x1202\n");
        // Other commands say so and go on without holidays.
        QTest::newRow("a broken calendar, balance")
            << QStringList { u"balance"_s, u"week.hf"_s, u"--set"_s, u"HolidayCalendar=broken.ics"_s } << 0
            << QByteArray("-6:30\n")
            << QByteArray("hourframe balance: broken.ics, line 6: Can't parse as DATE value in DTSTART "
                          "property. Removing entire property: 2026x1202 (going on without public "
                          "holidays)\n");
        QTest::newRow("a calendar that is not there, week")
            << QStringList { u"week"_s, u"week.hf"_s, u"--set"_s, u"HolidayCalendar=gone.ics"_s } << 0
            << QByteArray()
            << QByteArray("hourframe week: Cannot read the holiday calendar gone.ics: there is "
                          "no such file (going on without public holidays)\n");
        // Monday 8:30 to 17:00 without a lunch; Wednesday is not over.
        QTest::newRow("check, a breach")
            << QStringList { u"check"_s, u"week.hf"_s, u"--rules"_s, u"de"_s } << 3
            << QByteArray("30/11/2026  Break 0:00 on 8:30 of work, 0:30 required\n") << QByteArray();
        QTest::newRow("check, a value changed for the run") << QStringList { u"check"_s, u"week.hf"_s,
            u"--rules"_s, u"de"_s, u"--set"_s, u"RuleBreakAfter=9:00"_s }
                                                            << 0 << QByteArray() << QByteArray();
        QTest::newRow("check of standard input")
            << QStringList { u"check"_s, u"-"_s, u"--rules"_s, u"de"_s } << 3
            << QByteArray("30/11/2026  Break 0:00 on 8:30 of work, 0:30 required\n") << QByteArray();
        QTest::newRow("check with the rules off")
            << QStringList { u"check"_s, u"week.hf"_s } << 2 << QByteArray()
            << QByteArray("hourframe check: no working-time rules are chosen: choose a set in Preferences or "
                          "with --rules\n");
        QTest::newRow("check with no such rules")
            << QStringList { u"check"_s, u"week.hf"_s, u"--rules"_s, u"uk"_s } << 2 << QByteArray()
            << QByteArray("hourframe check: --rules: 'uk' is none of eu, de, fr\n");
        QTest::newRow("standard input")
            << QStringList { u"balance"_s, u"-"_s } << 0 << QByteArray("-6:30\n") << QByteArray();
        // The window program draws it from a file of its own.
        QTest::newRow("chart of standard input") << QStringList { u"chart"_s, u"-"_s, u"-o"_s, u"week.svg"_s }
                                                 << 0 << QByteArray() << QByteArray();
        QTest::newRow("version of a command")
            << QStringList { u"week"_s, u"--version"_s } << 0
            << QByteArray(BuildInfo::ProductName) + ' ' + BuildInfo::ProductVersion + '\n'
            << QByteArray();
        QTest::newRow("today") << QStringList { u"today"_s, u"week.hf"_s } << 0
                               << QByteArray("Day              Wed 02/12/2026\n"
                                             "Arrived          07:45\n"
                                             "Hours so far     0:16\n"
                                             "Target           7:30\n"
                                             "Leave at         15:45\n"
                                             "Zero balance at  22:15\n"
                                             "Balance          -6:30\n"
                                             "Counted up to    Tue 01/12/2026\n")
                               << QByteArray();
    }

    void commandOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        // Also on standard input, for "-", as from git show HEAD~1:week.hf.
        input = "30/11/2026,8:30,17:\r\n2/12/2026,7:45,,:30\r\n";
        writeFile(path(u"week.hf"_s), input);
        const QByteArray calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\nBEGIN:VEVENT\r\n"
                                    "UID:1\r\nDTSTART;VALUE=DATE:";
        const QByteArray end = "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
        writeFile(path(u"holidays.ics"_s), calendar + "20261202\r\nSUMMARY:Works outing" + end);
        writeFile(path(u"broken.ics"_s), calendar + "2026x1202" + end);
        const Result result = run(arguments);
        QCOMPARE(result.err, err);
        QCOMPARE(result.status, status);
        if (!out.isEmpty() || status != 0)
            QCOMPARE(result.out, out);
    }

    void punchInThenOut()
    {
        writeFile(path(u"times.hf"_s), "1/12/2026,8:,16:30\r\n");
        Result result = run({ u"punch"_s, u"in"_s, u"times.hf"_s, u"--at"_s, u"7:55"_s });
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, "Arrive 07:55 on Wed 02/12/2026\n");
        result = run({ u"punch"_s, u"out"_s, u"times.hf"_s, u"--at"_s, u"1610"_s });
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, "Depart 16:10 on Wed 02/12/2026\n");
        QCOMPARE(readFile(path(u"times.hf"_s)), "1/12/2026,8:,16:30\r\n2/12/2026,7:55,16:10\r\n");
        settings = withLastFile(u"times.hf"_s);
    }

    // A name that is not UTF-8 would be read as another name: refused, naming
    // its bytes, with nothing read or written. The shell makes the names.
    void namesThatAreNotUtf8_data()
    {
        QTest::addColumn<QString>("arguments"); // for the shell
        QTest::addColumn<QByteArray>("named");
        const QString x = u"\"$(printf 'x\\377.hf')\""_s;
        QTest::newRow("report FILE") << u"report "_s + x << QByteArray("x\\xFF.hf");
        QTest::newRow("export -o") << u"export d.hf -o \"$(printf 'o\\376.csv')\""_s
                                   << QByteArray("o\\xFE.csv");
        QTest::newRow("punch FILE") << u"punch in "_s + x << QByteArray("x\\xFF.hf");
        QTest::newRow("merge COPY") << u"merge --into d.hf "_s + x << QByteArray("x\\xFF.hf");
        QTest::newRow("holidays CALENDAR")
            << u"holidays \"$(printf 'h\\351.ics')\""_s << QByteArray("h\\xE9.ics");
    }

    void namesThatAreNotUtf8()
    {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, named);
        writeFile(path(u"d.hf"_s), "2/12/2026,8:30\r\n");
        // ls shows the files there afterwards; QTemporaryDir cannot remove what it cannot name.
        const Result result = runProgram(u"/bin/sh"_s,
            { u"-c"_s,
                u"x=$(printf 'x\\377.hf'); cp d.hf \"$x\"; \"$0\" "_s + arguments
                    + u"; s=$?; ls -p | grep -v /; cmp d.hf \"$x\" && rm \"$x\"; exit $s"_s,
                QStringLiteral(HOURFRAME_PROGRAM) },
            dir->path());
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY2(
            result.err.contains(QByteArray("'" + named + "' is not valid UTF-8")), result.err.constData());
        QCOMPARE(result.out, QByteArray("d.hf\nx\xff.hf\n"));
        QCOMPARE(readFile(path(u"d.hf"_s)), "2/12/2026,8:30\r\n");
    }

    // Every Hourframe writer takes the data file's lock: a punch waits while
    // another holds it, then goes on.
    void punchWaitsForTheLock()
    {
        writeFile(path(u"times.hf"_s), "1/12/2026,8:,16:30\r\n");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", path(u"runtime"_s).toLocal8Bit());
        auto lock = std::make_unique<TDataFileLock>(path(u"times.hf"_s));
        qputenv("XDG_RUNTIME_DIR", runtime);
        const std::unique_ptr<QProcess> punch = startProgram(QStringLiteral(HOURFRAME_PROGRAM),
            { u"punch"_s, u"in"_s, u"times.hf"_s, u"--at"_s, u"7:55"_s }, dir->path());
        QVERIFY(!punch->waitForFinished(500));
        QCOMPARE(readFile(path(u"times.hf"_s)), "1/12/2026,8:,16:30\r\n");
        lock.reset();
        QVERIFY(punch->waitForFinished(10000));
        QCOMPARE(punch->exitCode(), 0);
        QCOMPARE(readFile(path(u"times.hf"_s)), "1/12/2026,8:,16:30\r\n2/12/2026,7:55\r\n");
        settings = withLastFile(u"times.hf"_s);
    }

    void punch_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QByteArray>("message");
        const QByteArray arrived = "2/12/2026,8:30\r\n";
        QTest::newRow("current time") << QByteArray() << QStringList { u"in"_s } << 0
                                      << QByteArray("2/12/2026,8:32\r\n") << QByteArray();
        QTest::newRow("rounded as Enter Current Time")
            << QByteArray()
            << QStringList { u"in"_s, u"--set"_s, u"RoundTimes=1"_s, u"--set"_s, u"RoundTimesTo=15"_s } << 0
            << QByteArray("2/12/2026,8:30\r\n") << QByteArray();
        QTest::newRow("filled field refused")
            << arrived << QStringList { u"in"_s, u"--at"_s, u"9:00"_s } << 1 << arrived
            << QByteArray(
                   "hourframe punch: Arrive of Wed 02/12/2026 already holds 08:30; nothing was changed "
                   "(--force replaces it)\n");
        QTest::newRow("forced") << arrived << QStringList { u"in"_s, u"--at"_s, u"9:00"_s, u"--force"_s } << 0
                                << QByteArray("2/12/2026,9:\r\n") << QByteArray();
        QTest::newRow("unreadable file left alone")
            << QByteArray("1/12/2026,8:30\r\n2/12/2026,x\r\n") << QStringList { u"in"_s } << 1
            << QByteArray("1/12/2026,8:30\r\n2/12/2026,x\r\n") << QByteArray();
        QTest::newRow("invalid time")
            << arrived << QStringList { u"out"_s, u"--at"_s, u"17:75"_s } << 2 << arrived
            << QByteArray("hourframe punch: --at: '17:75' is not a valid time of day\n");
        // Never wrapped into the day or sign-flipped into another time.
        QTest::newRow("25:00") << QByteArray() << QStringList { u"in"_s, u"--at"_s, u"25:00"_s } << 2
                               << QByteArray()
                               << QByteArray("hourframe punch: --at: '25:00' is not a valid time of day\n");
        QTest::newRow("99:00") << QByteArray() << QStringList { u"in"_s, u"--at"_s, u"99:00"_s } << 2
                               << QByteArray()
                               << QByteArray("hourframe punch: --at: '99:00' is not a valid time of day\n");
        QTest::newRow("-0:45") << QByteArray() << QStringList { u"in"_s, u"--at=-0:45"_s } << 2
                               << QByteArray()
                               << QByteArray("hourframe punch: --at: '-0:45' is not a valid time of day\n");
        // Rounded up to 24:00, an arrival would be the 0:00 that starts the day that is ending,
        // and the next morning's out would start a new day instead of ending its night shift.
        const QStringList by5 { u"--set"_s, u"RoundTimes=1"_s, u"--set"_s, u"RoundTimesTo=5"_s };
        QTest::newRow("arrival rounded within its day")
            << QByteArray() << QStringList { u"in"_s, u"--at"_s, u"23:58"_s } + by5 << 0
            << QByteArray("2/12/2026,23:55\r\n") << QByteArray();
        QTest::newRow("its night shift ended the next morning")
            << QByteArray("1/12/2026,23:55\r\n") << QStringList { u"out"_s, u"--at"_s, u"7:04"_s } + by5 << 0
            << QByteArray("1/12/2026,23:55,7:05\r\n") << QByteArray();
        // A night shift is one record, on the day it began.
        QTest::newRow("out after midnight")
            << QByteArray("1/12/2026,22:\r\n") << QStringList { u"out"_s, u"--at"_s, u"6:00"_s } << 0
            << QByteArray("1/12/2026,22:,6:\r\n") << QByteArray();
    }

    // Monday 30 November 8:00 in the week from Sunday 29 November, under a
    // history with 1:00 a day until then. Without WeeklyTarget stored, the
    // week's target is the sum of its days' targets.
    void targetsOfTheSettings_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("mondayDeviation");
        QTest::addColumn<int>("shortfall");
        // Sunday 0:00 and Monday 1:00, then from the last entry on the day
        // targets of the settings, whatever the entry says: 29:30 to Saturday.
        QTest::newRow("the history") << QStringList() << 420 << 1350;
        QTest::newRow("a day target given holds on every day")
            << QStringList { u"--set"_s, u"MondayTarget=8:00"_s } << 0 << 1770;
        QTest::newRow("the weekly target given")
            << QStringList { u"--set"_s, u"WeeklyTarget=40:00"_s } << 30 << 1920;
    }

    void targetsOfTheSettings()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, mondayDeviation);
        QFETCH(int, shortfall);
        settings = SettingsFile
            + "\"TargetHistory\"=\"Mon=1:00 Tue=1:00 Wed=1:00 Thu=1:00 Fri=1:00 Sat=0 Sun=0 Week=5:00; "
              "from 2026-12-01 Mon=0 Tue=0 Wed=0 Thu=0 Fri=0 Sat=0 Sun=0 Week=0\"\r\n";
        writeFile(settingsPath(), settings);
        writeFile(path(u"week.hf"_s), "30/11/2026,8:,16:\r\n");
        const Result result = run(
            QStringList { u"week"_s, u"week.hf"_s, u"--date"_s, u"2026-11-30"_s, u"--json"_s } + arguments);
        QCOMPARE(result.status, 0);
        const QJsonObject week = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(week[u"days"_s][1][u"deviation"_s].toInt(), mondayDeviation);
        QCOMPARE(week[u"shortfall"_s].toInt(), shortfall);
    }

    void punch()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, after);
        QFETCH(QByteArray, message);
        writeFile(path(u"times.hf"_s), before);
        arguments.insert(1, u"times.hf"_s);
        const Result result = run(QStringList { u"punch"_s } + arguments);
        QCOMPARE(result.status, status);
        QCOMPARE(readFile(path(u"times.hf"_s)), after);
        // Only a punch that was saved makes the file the one used last.
        if (status == 0)
            settings = withLastFile(u"times.hf"_s);
        if (status != 0) {
            QCOMPARE(result.out, QByteArray());
            QCOMPARE(result.err.count('\n'), 1);
        }
        if (!message.isEmpty())
            QCOMPARE(result.err, message);
    }

    // Each file's name and content before and after; the exit status and
    // what the command says.
    void merge_data()
    {
        using Files = QMap<QString, QByteArray>;
        QTest::addColumn<Files>("before");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<Files>("after");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        const QByteArray base = "1/12/2026,8:,17:\r\n2/12/2026,8:,17:\r\n";
        const QByteArray mine = "1/12/2026,9:,17:\r\n2/12/2026,8:,17:\r\n";
        const QByteArray theirs = "1/12/2026,8:,17:\r\n2/12/2026,8:,16:\r\n3/12/2026,,,,,8:\r\n";
        const QByteArray clean = "1/12/2026,9:,17:\r\n2/12/2026,8:,16:\r\n3/12/2026,,,,,8:\r\n";
        const QByteArray early = "1/12/2026,7:,17:\r\n2/12/2026,8:,17:\r\n";
        const Files three { { u"base.hf"_s, base }, { u"mine.hf"_s, mine }, { u"theirs.hf"_s, theirs } };
        const QStringList threeWay { u"base.hf"_s, u"mine.hf"_s, u"theirs.hf"_s };
        Files merged = three;
        merged[u"mine.hf"_s] = clean;
        QTest::newRow("different days") << three << threeWay << 0 << merged << QByteArray() << QByteArray();
        Files conflicting = three;
        conflicting[u"theirs.hf"_s] = early;
        Files minesKept = conflicting;
        QTest::newRow("the same day: MINE kept")
            << conflicting << threeWay << 1 << minesKept << QByteArray()
            << QByteArray("hourframe merge: 1 day changed on both sides, kept as in MINE: 01/12/2026\n");
        Files elsewhere = three;
        elsewhere[u"out.hf"_s] = clean;
        QTest::newRow("into another file") << three << threeWay + QStringList { u"-o"_s, u"out.hf"_s } << 0
                                           << elsewhere << QByteArray() << QByteArray();

        const QString copy = u"work (conflicted copy 2026-12-02).hf"_s;
        const Files synced { { u"work.hf"_s, mine }, { copy, "3/12/2026,,,,,8:\r\n" } };
        const Files copyMerged { { u"work.hf"_s, mine + "3/12/2026,,,,,8:\r\n" },
            { copy + u".merged"_s, "3/12/2026,,,,,8:\r\n" } };
        QTest::newRow("a copy") << synced << QStringList { u"--into"_s, u"work.hf"_s, copy } << 0
                                << copyMerged
                                << (copy + u": merged, renamed to "_s + copy + u".merged\n"_s).toUtf8()
                                << QByteArray();
        const Files differing { { u"work.hf"_s, mine }, { copy, early } };
        QTest::newRow("a copy that differs stays")
            << differing << QStringList { u"--into"_s, u"work.hf"_s, copy } << 1 << differing << QByteArray()
            << (u"hourframe merge: 1 day differs and was kept as in work.hf: 01/12/2026; left in place: "_s
                   + copy + u'\n')
                   .toUtf8();
        QTest::newRow("a missing version") << three << threeWay.mid(0, 2) << 2 << three << QByteArray()
                                           << QByteArray("hourframe merge: missing THEIRS\n");
        QTest::newRow("the file as its own copy")
            << synced << QStringList { u"--into"_s, u"work.hf"_s, u"./work.hf"_s } << 2 << synced
            << QByteArray()
            << QByteArray("hourframe merge: './work.hf' is the file itself, not a copy of it\n");
    }

    void merge()
    {
        using Files = QMap<QString, QByteArray>;
        QFETCH(Files, before);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(Files, after);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            writeFile(path(it.key()), it.value());
        const Result result = run(QStringList { u"merge"_s } + arguments);
        QCOMPARE(result.err, err);
        QCOMPARE(result.out, out);
        QCOMPARE(result.status, status);
        Files found;
        for (const QString &name : QDir(dir->path()).entryList({ u"*.hf*"_s }, QDir::Files))
            found.insert(name, readFile(path(name)));
        QCOMPARE(found, after);
    }

    // git merges time cards by day through the command above, as the README
    // sets it up: two branches that change different days merge cleanly; the
    // same day is a conflict that names the day and keeps the current
    // branch's record.
    void gitMergeDriver_data()
    {
        QTest::addColumn<QByteArray>("ours");
        QTest::addColumn<QByteArray>("theirs");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("merged");
        const QByteArray base = "30/11/2026,8:,17:\r\n1/12/2026,8:,17:\r\n";
        QTest::newRow("different days")
            << "30/11/2026,8:,17:\r\n1/12/2026,8:,16:\r\n"_ba << base + "2/12/2026,9:\r\n"
            << 0 << "30/11/2026,8:,17:\r\n1/12/2026,8:,16:\r\n2/12/2026,9:\r\n"_ba;
        QTest::newRow("the same day") << "30/11/2026,8:,17:\r\n1/12/2026,8:,16:\r\n"_ba
                                      << "30/11/2026,8:,17:\r\n1/12/2026,8:,18:\r\n"_ba << 1
                                      << "30/11/2026,8:,17:\r\n1/12/2026,8:,16:\r\n"_ba;
    }

    void gitMergeDriver()
    {
        QFETCH(QByteArray, ours);
        QFETCH(QByteArray, theirs);
        QFETCH(int, status);
        QFETCH(QByteArray, merged);
        const QString git = QStandardPaths::findExecutable(u"git"_s);
        if (git.isEmpty())
            QSKIP("git is not installed");
        const QString repository = path(u"repository"_s);
        QVERIFY(QDir().mkpath(repository));
        const auto step = [&](const QStringList &arguments) {
            const Result result = runProgram(git, arguments, repository);
            return result.status == 0 ? QByteArray() : arguments.join(u' ').toUtf8() + ": " + result.err;
        };
        const QString work = repository + u"/work.hf"_s;
        writeFile(repository + u"/.gitattributes"_s, "*.hf merge=hourframe\n");
        writeFile(work, "30/11/2026,8:,17:\r\n1/12/2026,8:,17:\r\n");
        for (const QStringList &arguments : QList<QStringList> { { u"init"_s, u"-q"_s, u"-b"_s, u"main"_s },
                 { u"config"_s, u"merge.hourframe.driver"_s,
                     QStringLiteral(HOURFRAME_PROGRAM) + u" merge %O %A %B"_s },
                 { u"add"_s, u"."_s }, { u"commit"_s, u"-qm"_s, u"base"_s },
                 { u"checkout"_s, u"-qb"_s, u"other"_s } })
            QCOMPARE(step(arguments), QByteArray());
        writeFile(work, theirs);
        QCOMPARE(step({ u"commit"_s, u"-qam"_s, u"theirs"_s }), QByteArray());
        QCOMPARE(step({ u"checkout"_s, u"-q"_s, u"main"_s }), QByteArray());
        writeFile(work, ours);
        QCOMPARE(step({ u"commit"_s, u"-qam"_s, u"ours"_s }), QByteArray());

        const Result result
            = runProgram(git, { u"merge"_s, u"-q"_s, u"--no-edit"_s, u"other"_s }, repository);
        QCOMPARE(result.status, status);
        QCOMPARE(readFile(work), merged);
        if (status != 0)
            QVERIFY2(result.err.contains(
                         "hourframe merge: 1 day changed on both sides, kept as in MINE: 01/12/2026"),
                result.err.constData());
    }

    // A new user who never opens the window: a fresh profile, a punch that
    // makes the file, then every command without it.
    void firstUse()
    {
        QVERIFY(QDir(path(u"config"_s)).removeRecursively());
        const QList<std::pair<QStringList, QByteArray>> steps {
            { { u"punch"_s, u"in"_s, u"new.hf"_s, u"--at"_s, u"8:30"_s },
                "hourframe punch: created the data file new.hf\n" },
            { { u"today"_s }, {} },
            { { u"week"_s }, {} },
            { { u"punch"_s, u"out"_s, u"--at"_s, u"16:45"_s },
                "hourframe punch: the file used last, " + path(u"new.hf"_s).toUtf8() + '\n' },
        };
        for (const auto &[arguments, err] : steps) {
            const Result result = run(arguments);
            QCOMPARE(result.err, err);
            QCOMPARE(result.status, 0);
        }
        QCOMPARE(readFile(path(u"new.hf"_s)), "2/12/2026,8:30,16:45\r\n");
        settings = "Windows Registry Editor Version 5.00\n\n"
                   "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\n"
                   "\"Filename\"=\""
            + path(u"new.hf"_s).toUtf8() + "\"\n";
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("missing file")
            << QStringList { u"week"_s, u"missing.hf"_s } << 1
            << QByteArray("hourframe week: Cannot open missing.hf: No such file or directory\n");
        QTest::newRow("bad date") << QStringList { u"week"_s, u"week.hf"_s, u"--date"_s, u"31/2/2026"_s } << 2
                                  << QByteArray("hourframe week: --date: '31/2/2026' is not a valid date\n");
        QTest::newRow("unknown setting") << QStringList { u"week"_s, u"week.hf"_s, u"--set"_s,
            u"Colour=1"_s } << 2 << QByteArray("hourframe week: --set: There is no setting named 'Colour'\n");
        QTest::newRow("a setting mistyped")
            << QStringList { u"week"_s, u"week.hf"_s, u"--set"_s, u"firstdayofwek=2"_s } << 2
            << QByteArray("hourframe week: --set: There is no setting named 'firstdayofwek'. Did you mean "
                          "'FirstDayOfWeek'?\n");
        QTest::newRow("an option mistyped")
            << QStringList { u"report"_s, u"week.hf"_s, u"--perod"_s, u"2026"_s } << 2
            << QByteArray("hourframe report: unknown option '--perod'. Did you mean '--period'?\n");
        QTest::newRow("standard input unreadable")
            << QStringList { u"week"_s, u"-"_s } << 1
            << QByteArray("hourframe week: standard input, line 2: '3/13/2026' is not a valid date\n");
        QTest::newRow("punch into a folder that does not exist")
            << QStringList { u"punch"_s, u"in"_s, u"none/new.hf"_s } << 1
            << QByteArray("hourframe punch: Cannot open none/new.hf: No such file or directory\n");
        QTest::newRow("punch into standard input")
            << QStringList { u"punch"_s, u"in"_s, u"-"_s } << 2
            << QByteArray(
                   "hourframe punch: standard input (-) cannot be changed; name the data file instead\n");
        QTest::newRow("value out of range")
            << QStringList { u"report"_s, u"week.hf"_s, u"--set"_s, u"FirstDayOfWeek=9"_s } << 2
            << QByteArray("hourframe report: --set: 9 is out of range for FirstDayOfWeek: give 1 to 7\n");
        QTest::newRow("no file named, none used last")
            << QStringList { u"week"_s } << 2
            << QByteArray("hourframe week: missing FILE, and no file "
                          "was used last to take instead\n");
        QTest::newRow("period and dates") << QStringList {
            u"export"_s, u"week.hf"_s, u"--period"_s, u"2026-11"_s, u"--to"_s, u"6/12/2026"_s
        } << 2 << QByteArray("hourframe export: --period cannot be combined with --from and --to\n");
        QTest::newRow("no such period") << QStringList { u"report"_s, u"week.hf"_s, u"--period"_s,
            u"2026-13"_s } << 2 << QByteArray("hourframe report: --period: '2026-13' names no period\n");
        QTest::newRow("unreadable data") << QStringList { u"week"_s, u"bad.hf"_s } << 1 << QByteArray();
        QTest::newRow("chart to no file") << QStringList { u"chart"_s, u"week.hf"_s } << 2
                                          << "hourframe chart: the chart needs a file to write: "
                                             "-o OUT.png, OUT.svg or OUT.pdf\n"_ba;
        QTest::newRow("chart of another format") << QStringList { u"chart"_s, u"week.hf"_s, u"-o"_s,
            u"week.jpg"_s } << 2 << "hourframe chart: 'week.jpg' is not named as a PNG, SVG or PDF file\n"_ba;
        QTest::newRow("chart too small")
            << QStringList { u"chart"_s, u"week.hf"_s, u"-o"_s, u"c.png"_s, u"--size"_s, u"99x500"_s } << 2
            << "hourframe chart: --size needs WIDTHxHEIGHT, each from 100 to "
               "10000 pixels, not '99x500'\n"_ba;
        QTest::newRow("chart of unreadable data")
            << QStringList { u"chart"_s, u"bad.hf"_s, u"-o"_s, u"c.png"_s } << 1 << QByteArray();
        QTest::newRow("chart into no folder")
            << QStringList { u"chart"_s, u"week.hf"_s, u"-o"_s, u"none/c.png"_s } << 1 << QByteArray();
    }

    void errors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        writeFile(path(u"week.hf"_s), "2/12/2026,8:30\r\n");
        input = "2/12/2026,8:30\r\n3/13/2026,8:30\r\n";
        writeFile(path(u"bad.hf"_s), input);
        const Result result = run(arguments);
        QCOMPARE(result.status, status);
        QCOMPARE(result.out, QByteArray());
        QCOMPARE(result.err.count('\n'), 1);
        if (!message.isEmpty())
            QCOMPARE(result.err, message);
    }

    // hourframe chart with no display: a file that its viewers read back, at
    // the size asked for; the settings file as it was (see cleanup), and
    // none made where there was none.
    void chart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("settingsFile");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArrayList>("words"); // the SVG's own text holds them
        const QString english = u"en_GB.UTF-8"_s;
        QTest::newRow("PNG") << u"year.png"_s << true << english << QByteArrayList();
        QTest::newRow("SVG") << u"year.svg"_s << true << english
                             << QByteArrayList { ">Hours a week, 28/12/2025 to 02/01/2027<", ">Balance<" };
        // Title, axes and legend in the user's language, as the window has them.
        QTest::newRow("SVG, German") << u"year.svg"_s << true << u"de_DE.UTF-8"_s
                                     << QByteArrayList { ">Stunden pro Woche, 28.12.25 bis 02.01.27<",
                                            ">Saldo in Stunden<", ">Soll<" };
        QTest::newRow("PDF, no settings file") << u"year.pdf"_s << false << english << QByteArrayList();
    }

    void chart()
    {
        QFETCH(QString, name);
        QFETCH(bool, settingsFile);
        QFETCH(QString, locale);
        QFETCH(QByteArrayList, words);
        this->locale = locale;
        if (!settingsFile)
            QVERIFY(QFile::remove(settingsPath()));
        writeFile(path(u"year.hf"_s), "30/11/2026,8:,17:,:30\r\n1/12/2026,8:,16:\r\n2/12/2026,,,,,7:30\r\n");
        const Result result = run(
            { u"chart"_s, u"year.hf"_s, u"--period"_s, u"2026"_s, u"-o"_s, name, u"--size"_s, u"800x450"_s });
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out + result.err, QByteArray());
        for (const QByteArray &word : words)
            QVERIFY2(readFile(path(name)).contains(word), word.constData());
        // The width and height of a PNG file's header.
        const auto pngSize = [](const QByteArray &png) {
            return png.startsWith("\x89PNG\r\n") ? QSize(qFromBigEndian<qint32>(png.constData() + 16),
                       qFromBigEndian<qint32>(png.constData() + 20))
                                                 : QSize();
        };
        const QString viewer = name.endsWith(u"png"_s) ? QString()
            : name.endsWith(u"svg"_s)                  ? u"rsvg-convert"_s
                                                       : u"pdftotext"_s;
        if (!viewer.isEmpty() && QStandardPaths::findExecutable(viewer).isEmpty())
            QSKIP("rsvg-convert (librsvg2-bin) or pdftotext (poppler-utils) is not installed");
        QProcess view;
        if (viewer == u"rsvg-convert")
            view.start(viewer, { path(name), u"-o"_s, path(u"svg.png"_s) });
        else if (!viewer.isEmpty())
            view.start(viewer, { path(name), u"-"_s });
        QVERIFY(viewer.isEmpty() || (view.waitForFinished() && view.exitCode() == 0));
        // Without a settings file, weeks begin on the region's first day:
        // Monday in en_GB.
        if (viewer == u"pdftotext")
            QVERIFY(view.readAllStandardOutput().contains("Hours a week, 29/12/2025 to 03/01/2027"));
        else
            QCOMPARE(pngSize(readFile(path(viewer.isEmpty() ? name : u"svg.png"_s))), QSize(800, 450));
        if (!settingsFile) {
            QCOMPARE(QDir(path(u"config/Orvane Software"_s)).entryList(QDir::Files), QStringList());
            writeFile(settingsPath(), settings);
        }
    }

    // What is not a data file, where one is read or written: refused at once
    // with the reason (a named pipe would block its reader for ever), and
    // left as it was.
    void whatIsNotADataFileIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("named pipe") << u"pipe"_s << QByteArray("it is a named pipe, not a file");
        QTest::newRow("device") << u"device"_s << QByteArray("it is a device, not a file");
        QTest::newRow("socket") << u"socket"_s << QByteArray("it is a socket, not a file");
        QTest::newRow("folder") << u"folder"_s << QByteArray("it is a folder, not a file");
        QTest::newRow("NUL bytes") << u"nul"_s << QByteArray("odd.hf is not a data file: it holds NUL bytes");
        QTest::newRow("over 1 GiB") << u"large"_s << QByteArray("it is larger than 1024 MB");
    }

    void whatIsNotADataFileIsRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, reason);
        const QByteArray name = QFile::encodeName(path(u"odd.hf"_s));
        int made = 0;
        if (kind == u"pipe") {
            made = mkfifo(name.constData(), 0644);
        } else if (kind == u"device") {
            if (geteuid() != 0)
                QSKIP("only root can make a device node");
            made = mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)); // what /dev/null is
        } else if (kind == u"socket") {
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
            made = bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
            close(fd);
        } else if (kind == u"folder") {
            made = mkdir(name.constData(), 0755);
        } else if (kind == u"nul") {
            writeFile(path(u"odd.hf"_s), QByteArray(66, '\0'));
        } else {
            writeFile(path(u"odd.hf"_s), {});
            made = truncate(name.constData(), MaxDataFileBytes + 1); // sparse: takes no room
        }
        QCOMPARE(made, 0);
        struct stat before { };
        QCOMPARE(stat(name.constData(), &before), 0);
        writeFile(path(u"week.hf"_s), "2/12/2026,8:30\r\n");
        QList<QStringList> commands { { u"report"_s, u"odd.hf"_s }, { u"punch"_s, u"in"_s, u"odd.hf"_s },
            { u"chart"_s, u"odd.hf"_s, u"-o"_s, u"c.svg"_s } };
        if (!S_ISREG(before.st_mode))
            commands.append({ u"export"_s, u"week.hf"_s, u"-o"_s, u"odd.hf"_s });
        for (const QStringList &arguments : std::as_const(commands)) {
            const Result result = run(arguments, Now, QStringLiteral(HOURFRAME_PROGRAM), 5000);
            QCOMPARE(result.status, 1);
            QVERIFY2(result.err.contains(reason), result.err.constData());
            struct stat after { };
            QCOMPARE(stat(name.constData(), &after), 0);
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(after.st_mode, before.st_mode);
            QCOMPARE(after.st_size, before.st_size);
        }
    }

    // What a script sees of the first argument: a command, a usage error
    // (status 2, one line, and the window never starts), or the window with
    // the arguments. The launcher runs a stand-in for the window program,
    // which notes its arguments.
    void firstArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("existing"); // a file made first
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("window"); // the window's arguments; empty when it did not start
        const QStringList display { u"DISPLAY=:9"_s };
        QTest::newRow("unknown option")
            << QStringList { u"--bogus"_s } << QStringList() << QString() << 2
            << QByteArray("hourframe: unknown option '--bogus'\n") << QByteArray();
        QTest::newRow("near miss of --version")
            << QStringList { u"verison"_s } << QStringList() << QString() << 2
            << QByteArray("hourframe: 'verison' is neither a command nor an existing file. Did you mean "
                          "'--version'?\n")
            << QByteArray();
        QTest::newRow("-V") << QStringList { u"-V"_s } << QStringList() << QString() << 2
                            << QByteArray("hourframe: unknown option '-V'. Did you mean '--version'?\n")
                            << QByteArray();
        QTest::newRow("near miss of a command")
            << QStringList { u"reprot"_s, u"week.hf"_s } << QStringList() << QString() << 2
            << QByteArray("hourframe: 'reprot' is neither a command nor an existing file. Did you mean "
                          "'report'?\n")
            << QByteArray();
        QTest::newRow("existing file named like a near miss")
            << QStringList { u"reprot"_s } << display << u"reprot"_s << 0 << QByteArray()
            << QByteArray("reprot\n");
        QTest::newRow("existing file named like a command, with its folder")
            << QStringList { u"./report"_s } << display << u"report"_s << 0 << QByteArray()
            << QByteArray("./report\n");
        QTest::newRow("file that does not exist") << QStringList { u"missing.hf"_s } << display << QString()
                                                  << 0 << QByteArray() << QByteArray("missing.hf\n");
        QTest::newRow("two letters are no near miss")
            << QStringList { u"we"_s } << display << QString() << 0 << QByteArray() << QByteArray("we\n");
        QTest::newRow("option of Qt's for the window")
            << QStringList { u"-style=fusion"_s, u"week.hf"_s } << display << QString() << 0 << QByteArray()
            << QByteArray("-style=fusion\nweek.hf\n");
        // Over ssh or in a console: one line, and the commands still work.
        const QByteArray noDisplay
            = "hourframe: there is no display to open the window on; the commands work "
              "without one (hourframe --help lists them)\n";
        QTest::newRow("no display") << QStringList { u"week.hf"_s } << QStringList() << QString() << 1
                                    << noDisplay << QByteArray();
        QTest::newRow("a platform list that ends without a display")
            << QStringList { u"week.hf"_s } << QStringList { u"QT_QPA_PLATFORM=wayland;offscreen"_s }
            << QString() << 0 << QByteArray() << QByteArray("week.hf\n");
        QTest::newRow("the window's -platform option")
            << QStringList { u"-platform"_s, u"offscreen"_s } << QStringList { u"QT_QPA_PLATFORM=xcb"_s }
            << QString() << 0 << QByteArray() << QByteArray("-platform\noffscreen\n");
    }

    void firstArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, existing);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, window);
        const QString launcher = path(u"bin/hourframe"_s);
        const QString started = path(u"started"_s);
        writeFile(launcher, readFile(QStringLiteral(HOURFRAME_PROGRAM)));
        const QString stand_in = QDir(path(u"bin"_s)).filePath(QLatin1String(BuildInfo::WindowFromLauncher));
        writeFile(stand_in, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + started.toUtf8() + "'\n");
        for (const QString &program : { launcher, stand_in })
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (!existing.isEmpty())
            writeFile(path(existing), "2/12/2026,8:30\r\n");
        runEnvironment = environment;
        const Result result = run(arguments, Now, launcher);
        QCOMPARE(result.status, status);
        QCOMPARE(result.err, message);
        QCOMPARE(result.out, QByteArray());
        QCOMPARE(readFile(started), window);
    }

    // Without FILE a command takes the file the window used last; one that
    // changes it says so.
    void lastFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<bool>("noted");
        QTest::addColumn<QByteArray>("after");
        const QByteArray before = "2/12/2026,8:30\r\n";
        // Today holds an arrival only: it counts once it is closed.
        QTest::newRow("balance") << QStringList { u"balance"_s, u"--set"_s, u"BalanceStartDate=2026-12-02"_s }
                                 << QByteArray("0:00\n") << false << before;
        QTest::newRow("punch") << QStringList { u"punch"_s, u"out"_s, u"--at"_s, u"16:00"_s }
                               << QByteArray("Depart 16:00 on Wed 02/12/2026\n") << true
                               << QByteArray("2/12/2026,8:30,16:\r\n");
    }

    void lastFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, output);
        QFETCH(bool, noted);
        QFETCH(QByteArray, after);
        writeFile(path(u"times.hf"_s), "2/12/2026,8:30\r\n");
        useLastFile(u"times.hf"_s);
        const Result result = run(arguments);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, output);
        const QByteArray note = "hourframe punch: the file used last, " + path(u"times.hf"_s).toUtf8() + '\n';
        QCOMPARE(result.err, noted ? note : QByteArray());
        QCOMPARE(readFile(path(u"times.hf"_s)), after);
    }

    void namedPeriods_data()
    {
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("period");
        QTest::newRow("today") << Now << u"today"_s << QByteArray("02/12/2026 to 02/12/2026");
        QTest::newRow("yesterday") << Now << u"yesterday"_s << QByteArray("01/12/2026 to 01/12/2026");
        QTest::newRow("yesterday, new year's day")
            << u"2027-01-01T09:00:00"_s << u"yesterday"_s << QByteArray("31/12/2026 to 31/12/2026");
        QTest::newRow("this month") << Now << u"this-month"_s << QByteArray("01/12/2026 to 31/12/2026");
        QTest::newRow("last month") << Now << u"last-month"_s << QByteArray("01/11/2026 to 30/11/2026");
        QTest::newRow("last month, in January")
            << u"2027-01-15T09:00:00"_s << u"last-month"_s << QByteArray("01/12/2026 to 31/12/2026");
        QTest::newRow("this year") << Now << u"this-year"_s << QByteArray("01/01/2026 to 31/12/2026");
        QTest::newRow("last year") << Now << u"last-year"_s << QByteArray("01/01/2025 to 31/12/2025");
    }

    void namedPeriods()
    {
        QFETCH(QString, now);
        QFETCH(QString, name);
        QFETCH(QByteArray, period);
        writeFile(path(u"week.hf"_s), "2/12/2026,8:30\r\n");
        const Result result = run({ u"report"_s, u"week.hf"_s, u"--period"_s, name, u"--no-adjust"_s }, now);
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.contains(QByteArray("\nReport from " + period + "\n")), result.out.constData());
    }

    // Scripts read --json with their own parser; here Python's json module.
    void json_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("read"); // a Python expression of the parsed object d
        QTest::addColumn<QString>("value"); // its repr()
        QTest::newRow("week")
            << QStringList { u"week"_s, u"--date"_s, u"2026-12-01"_s }
            << u"[d['weekBeginning'], d['days'][1]['date'], d['days'][1]['arrive'], "
               "d['days'][1]['departText'], d['days'][1]['lunch'], d['days'][1]['hours'], "
               "d['days'][1]['deviationText'], d['days'][3]['hoursText'], d['weeklyHours'], "
               "d['shortfallCaption'], d['shortfallText']]"_s
            << u"['2026-11-29', '2026-11-30', 510, '17:00', None, 510, '1:00', '', 990, "
               "'Hours short', '20:30']"_s;
        QTest::newRow("balance") << QStringList { u"balance"_s }
                                 << u"[d['asOf'], d['balance'], d['balanceText']]"_s
                                 << u"['2026-12-02', 90, '+1:30']"_s;
        QTest::newRow("today") << QStringList { u"today"_s }
                               << u"[d['date'], d['inProgress'], d['arrive'], d['leaveAt'], d['balance'], "
                                  "d['countedTo']]"_s
                               << u"['2026-12-02', False, None, None, 90, '2026-12-01']"_s;
        // Nothing counted yet: the same keys, null.
        QTest::newRow("balance before its start")
            << QStringList { u"balance"_s, u"--set"_s, u"BalanceStartDate=2026-12-05"_s }
            << u"[d['countedFrom'], d['countedFromText'], d['countedTo'], d['countedToText']]"_s
            << u"[None, None, None, None]"_s;
        QTest::newRow("balance week by week")
            << QStringList { u"balance"_s, u"--weeks"_s }
            << u"[d['openingText'], [(w['weekBeginningText'], w['worked'], w['differenceText']) for w in "
               "d['weeks']]]"_s
            << u"['0:00', [('29/11/2026', 990, '+1:30')]]"_s;
        // Monday 8:30 to 17:00 and a night shift from Tuesday 22:00, both without a lunch.
        QTest::newRow("check") << QStringList { u"check"_s, u"--rules"_s, u"de"_s }
                               << u"[d['rules'], d['from'], d['to'], [(b['date'], b['rule'], b['actual'], "
                                  "b['limitText'], b['text']) for b in d['breaches']]]"_s
                               << u"['de', '2026-11-30', '2026-12-05', [('2026-11-30', 'break', 0, '0:30', "
                                  "'Break 0:00 on 8:30 of work, 0:30 required'), ('2026-12-01', 'break', 0, "
                                  "'0:30', 'Break 0:00 on 8:00 of work, 0:30 required')]]"_s;
    }

    void json()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, read);
        QFETCH(QString, value);
        writeFile(path(u"week.hf"_s), "30/11/2026,8:30,17:\r\n1/12/2026,22:,6:\r\n");
        const Result result = run(arguments + QStringList { u"week.hf"_s, u"--json"_s });
        // check ends with 3 when it found a breach, as here.
        QCOMPARE(result.status, arguments.first() == u"check" ? 3 : 0);
        QProcess python;
        python.start(u"python3"_s,
            { u"-c"_s, u"import json, sys\nd = json.load(sys.stdin)\nprint(repr("_s + read + u"))"_s });
        QVERIFY2(python.waitForStarted(), "python3 comes from scripts/deps.sh");
        python.write(result.out);
        python.closeWriteChannel();
        QVERIFY(python.waitForFinished());
        QCOMPARE(python.readAllStandardError(), QByteArray());
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()).trimmed(), value);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_CommandLine.moc"
