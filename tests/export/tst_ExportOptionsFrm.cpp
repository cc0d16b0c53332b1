#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "shell/MainFrm.h"
#include "support/ScriptedPresenter.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString TestData = QStringLiteral(HOURFRAME_TEST_DATA);

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template<typename T> T *child(QDialog &dialog, const QString &name)
{
    T *widget = dialog.findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// A file that cannot be replaced while this lives: read-only for an ordinary
// user, and immutable for root, whom file modes do not stop.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString &path)
        : m_path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (geteuid() == 0)
            m_immutable = setImmutable(true);
    }
    ~ReadOnlyFile()
    {
        if (m_immutable)
            setImmutable(false);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
    bool effective() const { return geteuid() != 0 || m_immutable; }

private:
    bool setImmutable(bool on) const
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QString m_path;
    bool m_immutable = false;
};

} // namespace

class TestExportOptionsForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::TemporaryHome> home;
    std::unique_ptr<Regional::Override> regional;
    std::unique_ptr<Clock::Fixed> clock;
    std::unique_ptr<ScriptedPresenter> script;
    std::unique_ptr<TScopedPresenter> presenter;
    std::unique_ptr<TData> data;
    std::unique_ptr<TMainForm> form;
    QString dataFile;

    QString path(const QString &name) const { return home->path() + u'/' + name; }

    // Runs the Export command; the dialog opens, the script works it.
    void exportWith(const std::function<void(QDialog &)> &work)
    {
        script->dialogScripts.enqueue([work](QDialog &dialog) {
            work(dialog);
            return dialog.result();
        });
        QVERIFY(form->acExport->isEnabled());
        form->acExport->trigger();
        QVERIFY(script->dialogScripts.isEmpty());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    static void typeFileName(QDialog &dialog, const QString &text)
    {
        auto *field = child<QLineEdit>(dialog, u"edFilename"_s);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

private Q_SLOTS:
    void init()
    {
        home = std::make_unique<TestSupport::TemporaryHome>();
        regional = std::make_unique<Regional::Override>(TestSupport::englishSettings());
        // Sunday 6 December 2026: this week is the week of the example.
        clock = std::make_unique<Clock::Fixed>(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
        script = std::make_unique<ScriptedPresenter>();
        presenter = std::make_unique<TScopedPresenter>(*script);
        {
            TData previous;
            previous.SetAutoEnterTime(false);
            previous.SetFirstDayOfWeek(2);
        }
        dataFile = path(u"work.hf"_s);
        QVERIFY(QFile::copy(TestData + u"/export-example.hf"_s, dataFile));
        data = std::make_unique<TData>();
        form = std::make_unique<TMainForm>(*data, QStringList { dataFile });
        form->show();
        QTRY_VERIFY(form->StartUpDone());
    }

    void cleanup()
    {
        form.reset();
        data.reset();
        QVERIFY2(!script->unexpected, "a question was asked that the test did not expect");
        presenter.reset();
        script.reset();
        clock.reset();
        regional.reset();
        home.reset();
    }

    // The example week with every option at its default, into a bare file
    // name, which goes beside the data file; then a second export remembers
    // the name and an unticked box.
    void exportTheWeekThenExportAgain()
    {
        exportWith([](QDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), u"Hourframe Export Options"_s);
            QVERIFY(!child<QPushButton>(dialog, u"btOk"_s)->isEnabled()); // no file name yet
            typeFileName(dialog, u"week.csv"_s);
            child<QPushButton>(dialog, u"btOk"_s)->click();
        });
        QCOMPARE(readFile(path(u"week.csv"_s)), readFile(TestData + u"/export-example.csv"_s));
        QVERIFY(script->questions.isEmpty());

        exportWith([](QDialog &dialog) {
            QCOMPARE(child<QLineEdit>(dialog, u"edFilename"_s)->text(), u"week.csv"_s);
            child<QCheckBox>(dialog, u"cbIncludeComments"_s)->click();
            child<QCheckBox>(dialog, u"cbShowTotalHours"_s)->click();
            child<QPushButton>(dialog, u"btOk"_s)->click();
        });
        exportWith([](QDialog &dialog) {
            QVERIFY(!child<QCheckBox>(dialog, u"cbIncludeComments"_s)->isChecked());
            child<QPushButton>(dialog, u"btCancel"_s)->click();
        });
        const QList<QByteArray> lines = readFile(path(u"week.csv"_s)).split('\n');
        QCOMPARE(lines.constFirst(), "Date,Arrive,Depart,Lunch,Extra,Holiday,Hours,Deviation\r");
        QCOMPARE(lines.at(2), "01/12/2026,08:45,17:15,00:45,,,07:45,+00:15\r");
        QCOMPARE(lines.size(), 7); // five days, no total row, nothing after the last CR LF
        QCOMPARE(TData().ExportFileName(), u"week.csv"_s);
    }

    void fileNameField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("ok");
        QTest::newRow("blanks only") << u"   "_s << u"   "_s << false;
        QTest::newRow("a drive letter leaves the letter") << u"C:"_s << u"C"_s << true;
        QTest::newRow("wildcards and redirections dropped") << u"*w<e>e?k|.csv"_s << u"week.csv"_s << true;
        QTest::newRow("a folder path typed by hand")
            << u"/srv/out/week.csv"_s << u"/srv/out/week.csv"_s << true;
    }

    void fileNameField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, ok);
        exportWith([&](QDialog &dialog) {
            typeFileName(dialog, typed);
            QCOMPARE(child<QLineEdit>(dialog, u"edFilename"_s)->text(), kept);
            QCOMPARE(child<QPushButton>(dialog, u"btOk"_s)->isEnabled(), ok);
            child<QPushButton>(dialog, u"btCancel"_s)->click();
        });
        QCOMPARE(TData().ExportFileName(), QString());
    }

    void browse_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("startsIn"); // "~docs" stands for the documents folder
        QTest::newRow("empty field, chosen") << QString() << u"/srv/out/a.csv"_s << u"~docs"_s;
        QTest::newRow("bare name, cancelled") << u"week.csv"_s << QString() << u"~home/week.csv"_s;
    }

    void browse()
    {
        QFETCH(QString, field);
        QFETCH(QString, chosen);
        QFETCH(QString, startsIn);
        startsIn.replace(u"~docs"_s, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .replace(u"~home"_s, home->path());
        script->saveFileNames.enqueue(chosen);
        exportWith([&](QDialog &dialog) {
            typeFileName(dialog, field);
            child<QToolButton>(dialog, u"btFilename"_s)->click();
            QCOMPARE(child<QLineEdit>(dialog, u"edFilename"_s)->text(), chosen.isEmpty() ? field : chosen);
            child<QPushButton>(dialog, u"btCancel"_s)->click();
        });
        const TFileDialogOptions &asked = script->fileDialogs.constLast();
        QCOMPARE(asked.title, u"Save CSV"_s);
        QCOMPARE(asked.filter, u"Comma Separated Value Files (*.csv);;All Files (*)"_s);
        QCOMPARE(asked.defaultSuffix, u"csv"_s);
        QVERIFY(asked.confirmOverwrite);
        QCOMPARE(asked.directory, startsIn);
        QCOMPARE(TData().ExportFileName(), QString()); // Cancel stores nothing
    }

    void failures_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message"); // "~" stands for the temporary folder
        QTest::newRow("folder that cannot be created")
            << u"blocker/sub/week.csv"_s
            << u"Unable to create directory \"~/blocker/sub/\"\rand so unable to create export file"_s;
        QTest::newRow("read-only file") << u"old.csv"_s
                                        << u"Unable to create export file \"~/old.csv\"\r"
                                           "Please ensure it isn't in use by another application."_s;
        QTest::newRow("name of a folder") << u"blocker2"_s
                                          << u"Unable to create export file \"~/blocker2\"\r"
                                             "Please ensure it isn't in use by another application."_s;
    }

    void failures()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        message.replace(u'~', home->path());
        QFile(path(u"blocker"_s)).open(QIODevice::WriteOnly); // a file where a folder should be
        QVERIFY(QDir(home->path()).mkdir(u"blocker2"_s));
        const QByteArray previous = "Date\r\nold export\r\n";
        QFile old(path(u"old.csv"_s));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
        old.close();
        const ReadOnlyFile readOnly(old.fileName());
        if (!readOnly.effective())
            QSKIP("this file system cannot make a file immutable for root");

        script->answers.enqueue(mbOK);
        exportWith([&](QDialog &dialog) {
            typeFileName(dialog, path(target));
            child<QPushButton>(dialog, u"btOk"_s)->click();
        });
        QCOMPARE(script->questionTexts(), QStringList { message });
        QCOMPARE(script->questions.constFirst().kind, mtError);
        QCOMPARE(script->questions.constFirst().buttons, TMsgDlgButtons(mbOK));
        QCOMPARE(readFile(old.fileName()), previous);
        QCOMPARE(QDir(home->path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
            QStringList({ u"blocker"_s, u"old.csv"_s, u"work.hf"_s })); // no partial file left
        QVERIFY(!form->TimeRecorder().Modified());
        QCOMPARE(readFile(dataFile), readFile(TestData + u"/export-example.hf"_s));
    }
};

QTEST_MAIN(TestExportOptionsForm)
#include "tst_ExportOptionsFrm.moc"
