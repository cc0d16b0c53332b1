#include "shell/FileAssociation.h"
#include "support/WindowTestEnvironment.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::readFile;
using TestSupport::writeFile;

const QString Program = u"/opt/Hour frame/bin/hourframe"_s;
const QString DesktopFile = u"com.orvanesoftware.Hourframe.desktop"_s;

} // namespace

// Checked against the desktop's own tools, as a file manager would ask them.
class TestFileAssociation : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnvironment> env;

    QString mimeapps() const { return env->home.configHome() + u"/mimeapps.list"_s; }
    QString desktopEntry() const { return env->home.dataHome() + u"/applications/"_s + DesktopFile; }

    QString xdgMime(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // A desktop whose file-type lookup reads the shared database.
        environment.insert(u"XDG_CURRENT_DESKTOP"_s, u"XFCE"_s);
        process.setProcessEnvironment(environment);
        process.start(u"xdg-mime"_s, arguments);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    QString fileType() const
    {
        const QString data = env->home.path() + u"/week.hf"_s;
        writeFile(data, "1/12/2026,8:30,17:00\r\n");
        return xdgMime({ u"query"_s, u"filetype"_s, data });
    }

    QString defaultApplication() const
    {
        return xdgMime({ u"query"_s, u"default"_s, QLatin1String(DataFileMimeType) });
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<WindowTestEnvironment>(QDateTime(QDate(2026, 12, 7), QTime(8, 30)));
    }

    void cleanup()
    {
        QVERIFY(!env->script.unexpected);
        env.reset();
    }

    void onThenOnAgainThenOff()
    {
        QVERIFY(UpdateFileAssociation(true, Program));
        QCOMPARE(fileType(), QLatin1String(DataFileMimeType));
        QCOMPARE(defaultApplication(), DesktopFile);
        QVERIFY(readFile(desktopEntry()).contains("\nExec=\"/opt/Hour frame/bin/hourframe\" %f\n"));
        QVERIFY(QFile::exists(
            env->home.dataHome() + u"/icons/hicolor/scalable/mimetypes/application-x-hourframe.svg"_s));

        // Written again, but the desktop's databases are not rebuilt.
        QVERIFY(!UpdateFileAssociation(true, Program));
        QCOMPARE(defaultApplication(), DesktopFile);

        QVERIFY(UpdateFileAssociation(false, Program));
        QVERIFY(fileType() != QLatin1String(DataFileMimeType));
        QCOMPARE(defaultApplication(), QString());
        QVERIFY(!QFile::exists(desktopEntry()));
        QVERIFY(env->script.questions.isEmpty());
    }

    // Another program's default, and the user's other defaults, stay as
    // they are; only the application's own entry goes.
    void offLeavesAnotherProgramsDefault()
    {
        QVERIFY(UpdateFileAssociation(true, Program));
        const QByteArray others = "[Default Applications]\ntext/plain=editor.desktop\n"
                                  "application/x-hourframe=sheets.desktop;\n";
        writeFile(mimeapps(), others);
        QVERIFY(!UpdateFileAssociation(false, Program));
        QCOMPARE(readFile(mimeapps()), others);
        QVERIFY(!QFile::exists(desktopEntry()));
        QCOMPARE(fileType(), QLatin1String(DataFileMimeType));

        // Taking the type back is a change.
        QVERIFY(UpdateFileAssociation(true, Program));
        QCOMPARE(readFile(mimeapps()),
            u"[Default Applications]\ntext/plain=editor.desktop\napplication/x-hourframe=%1;\n"_s
                .arg(DesktopFile)
                .toUtf8());
    }

    // Each file that cannot be written is one error box naming the key it
    // stands for and the file; what depends on it is skipped.
    void unwritableFilesAreReported()
    {
        writeFile(env->home.dataHome() + u"/applications"_s, "not a folder");
        writeFile(env->home.dataHome() + u"/mime"_s, "not a folder");
        env->script.answers << mbOK << mbOK;
        QVERIFY(!UpdateFileAssociation(true, Program));
        QCOMPARE(env->script.questionTexts(),
            (QStringList { u"Unable to open registry key \\Hourframe\n"_s + desktopEntry(),
                u"Unable to open registry key \\.hf\n"_s + env->home.dataHome()
                    + u"/mime/packages/com.orvanesoftware.Hourframe.xml"_s }));
        QVERIFY(!QFile::exists(mimeapps()));
    }

    // A line break in the program's path would end the entry's command early
    // and add keys of its own: the association is refused with a message.
    void controlCharacterInTheProgramPathIsRefused()
    {
        env->script.answers << mbOK;
        QVERIFY(!UpdateFileAssociation(true, u"/opt/x\nTerminal=true/hourframe"_s));
        QCOMPARE(env->script.questions.size(), 1);
        QVERIFY(env->script.questions[0].text.endsWith(u"\n/opt/x\\x0aTerminal=true/hourframe"_s));
        QVERIFY(!QFile::exists(desktopEntry()));
        QVERIFY(!QFile::exists(mimeapps()));
    }

    // The entry names the launcher in bin/, which finds the window program.
    void launcherOfTheWindowProgram_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("launcher");
        QTest::newRow("build tree") << QStringLiteral(HOURFRAME_WINDOW_PROGRAM)
                                    << QStringLiteral(HOURFRAME_PROGRAM);
        QTest::newRow("no launcher") << u"/nonexistent/hourframe-window"_s
                                     << u"/nonexistent/hourframe-window"_s;
    }

    void launcherOfTheWindowProgram()
    {
        QFETCH(QString, window);
        QFETCH(QString, launcher);
        QCOMPARE(LauncherFor(window), launcher);
    }

    void desktopExecArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("quote and dollar") << u"/a\"$b`"_s << u"\"/a\\\\\"\\\\$b\\\\`\""_s;
        QTest::newRow("backslash") << u"/a\\b"_s << u"\"/a\\\\\\\\b\""_s;
        QTest::newRow("percent") << u"/100%"_s << u"\"/100%%\""_s;
    }

    void desktopExecArgument()
    {
        QFETCH(QString, argument);
        QFETCH(QString, quoted);
        QCOMPARE(DesktopExecArgument(argument), quoted);
    }
};

QTEST_GUILESS_MAIN(TestFileAssociation)
#include "tst_FileAssociation.moc"
