// Every writer of the program against every way a write fails on a real
// machine: what the user is told, and the previous file byte for byte.

#include "core/TimeRecorder.h"
#include "report/ReportFrm.h"
#include "settings/DataMod.h"
#include "settings/RegMgr.h"
#include "shell/MainFrm.h"
#include "support/FileFailures.h"
#include "support/WindowTestEnvironment.h"

#include <QAction>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <memory>
#include <optional>
#include <tuple>

using namespace Qt::StringLiterals;
using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

// Monday 7 December 2026, 08:30.
const QDateTime Now(QDate(2026, 12, 7), QTime(8, 30));
// Every file written below is larger than this.
constexpr rlim_t SizeLimit = 1024;

// A hundred days of 2026 from 1 January.
QByteArray hundredDays()
{
    QByteArray bytes;
    for (QDate date(2026, 1, 1); date < QDate(2026, 4, 11); date = date.addDays(1))
        bytes += date.toString(u"d/M/yyyy"_s).toUtf8() + ",8:30,17:,:30\r\n";
    return bytes;
}

} // namespace

class TestWriteFailures : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnvironment> env;

    // The folder every file of a test lives in, which is what fails.
    QString disk(const QString &name = {}) const { return env->home.path() + u"/disk/"_s + name; }

    // The command line on the disk's files; status, and what it said on
    // standard error.
    std::pair<int, QString> run(const QStringList &arguments, const QString &failure) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, env->home.configHome());
        environment.insert(u"HOURFRAME_NOW"_s, Now.toString(Qt::ISODate));
        QProcess process;
        process.setProcessEnvironment(environment);
        if (failure == u"file size limit") {
            // The program must ignore SIGXFSZ itself.
            process.setChildProcessModifier([] {
                const rlimit limit { SizeLimit, SizeLimit };
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, SIG_DFL);
            });
        }
        if (failure == u"/dev/full")
            process.setStandardOutputFile(u"/dev/full"_s);
        process.start(QStringLiteral(HOURFRAME_PROGRAM), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return { -1, u"did not end normally"_s };
        return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()) };
    }

private Q_SLOTS:
    void init() { env = std::make_unique<WindowTestEnvironment>(Now); }

    void cleanup()
    {
        QVERIFY2(!env->script.unexpected, "a question was asked that the test did not expect");
        env.reset();
    }

    void everyWriterKeepsThePreviousFile_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("failure");
        for (const QString &writer : { u"window save"_s, u"punch"_s, u"export dialog"_s, u"export command"_s,
                 u"report save"_s, u"settings"_s }) {
            for (const QString &failure :
                { u"file size limit"_s, u"full file system"_s, u"read-only folder"_s })
                QTest::addRow("%s, %s", qPrintable(writer), qPrintable(failure)) << writer << failure;
        }
        // Standard output on a full device; punch's change is made all the same.
        QTest::newRow("report command, /dev/full") << u"report command"_s << u"/dev/full"_s;
        QTest::newRow("punch, /dev/full") << u"punch"_s << u"/dev/full"_s;
    }

    void everyWriterKeepsThePreviousFile()
    {
        QFETCH(QString, writer);
        QFETCH(QString, failure);
        QVERIFY(QDir().mkpath(disk()));
        const bool root = geteuid() == 0;
        std::optional<TestSupport::MountedFolder> mount;
        if (failure == u"full file system" || (failure == u"read-only folder" && root)) {
            mount.emplace(disk(), "size=256k");
            if (!mount->mounted())
                QSKIP(mount->why());
        }
        const QString settingsFolder = disk(u"config/Orvane Software"_s);
        if (writer == u"settings") {
            qputenv("XDG_CONFIG_HOME", disk(u"config"_s).toLocal8Bit());
            TData().SetAutoSave(true);
        }
        const QString target = writer == u"settings" ? TNTRegistry::DefaultStorePath()
                                                     : disk(writer.startsWith(u"export") ? u"week.csv"_s
                                                             : writer == u"report save"  ? u"report.txt"_s
                                                                                         : u"work.hf"_s);
        writeFile(disk(u"work.hf"_s), hundredDays());
        if (!QFile::exists(target))
            writeFile(target, "previous\r\n");
        const QByteArray before = readFile(target);

        QString reason = failure == u"file size limit" ? u"File too large"_s : u"No space left on device"_s;
        if (failure == u"full file system")
            mount->fill();
        const auto writable = qScopeGuard([&] {
            QFile::setPermissions(disk(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(settingsFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (failure == u"read-only folder") {
            if (root) {
                QVERIFY(mount->makeReadOnly());
                reason = u"Read-only file system"_s;
            } else {
                QFile::setPermissions(disk(), QFile::ReadOwner | QFile::ExeOwner);
                QFile::setPermissions(settingsFolder, QFile::ReadOwner | QFile::ExeOwner);
                reason = u"Permission denied"_s;
            }
        }
        const auto limited = [&](const std::function<void()> &write) {
            std::optional<TestSupport::FileSizeLimit> limit;
            if (failure == u"file size limit")
                limit.emplace(SizeLimit);
            write();
        };

        // What the user was told.
        QString told;
        int status = 1;
        if (writer == u"punch") {
            std::tie(status, told)
                = run({ u"punch"_s, u"in"_s, disk(u"work.hf"_s), u"--at"_s, u"9:00"_s }, failure);
        } else if (writer == u"export command") {
            std::tie(status, told) = run(
                { u"export"_s, disk(u"work.hf"_s), u"--period"_s, u"2026"_s, u"-o"_s, target }, failure);
        } else if (writer == u"report command") {
            std::tie(status, told)
                = run({ u"report"_s, disk(u"work.hf"_s), u"--period"_s, u"2026"_s }, failure);
        } else if (writer == u"settings") {
            TData data;
            data.RegistryManager().SetProblemReporter([&](const QString &message) { told += message; });
            limited([&] { data.SetPrinterFontName(QString(2000, u'x')); });
            QCOMPARE(data.PrinterFontName(), QString(2000, u'x')); // it applies for the session
        } else if (writer == u"report save") {
            TData data;
            TTimeRecorder store;
            store.LoadFromFile(disk(u"work.hf"_s));
            TReportForm report(data, &store);
            report.BuildReport(TestSupport::day(2026, 1, 1), TestSupport::day(2026, 4, 10));
            env->script.saveFileNames.enqueue(target);
            limited([&] { report.findChild<QAction *>(u"acSave"_s)->trigger(); });
            told = env->script.errors.join(u'\n');
            QCOMPARE(data.ReportFileName(), QString());
        } else {
            TData data;
            data.SetExportFileName(target);
            TMainForm form(data, { disk(u"work.hf"_s) });
            form.show();
            QTRY_VERIFY(form.StartUpDone());
            if (writer == u"window save") {
                form.TimeRecorder().SetArrive(TestSupport::day(2026, 1, 5), 555);
                limited([&] { form.acSave->trigger(); });
                told = env->script.errors.join(u'\n');
                QVERIFY(form.TimeRecorder().Modified());
            } else {
                env->script.answers.enqueue(mbOK);
                limited(
                    [&] { form.ExportToCsv(TestSupport::day(2026, 1, 1), TestSupport::day(2026, 4, 10)); });
                QCOMPARE(env->script.questions.size(), 1);
                told = env->script.questions[0].text;
            }
        }

        QVERIFY2(told.contains(reason), qPrintable(told));
        const bool changed = writer == u"punch" && failure == u"/dev/full";
        QCOMPARE(status, changed ? 0 : 1);
        if (changed)
            QVERIFY(readFile(target).endsWith("7/12/2026,9:\r\n"));
        else
            QCOMPARE(readFile(target), before);
    }
};

QTEST_MAIN(TestWriteFailures)
#include "tst_WriteFailures.moc"
