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
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::readFile;

template<typename T = QWidget> T *child(QDialog &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void typeFileName(QDialog &dialog, const QString &text)
{
    auto *field = child<QLineEdit>(dialog, "edFilename");
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, text);
}

// Makes a file read-only; for root, whom file modes do not stop, immutable.
// Returns whether that stops a write.
bool makeReadOnly(const QString &path, bool on)
{
    QFile::setPermissions(path, on ? QFile::ReadOwner : QFile::ReadOwner | QFile::WriteOwner);
    if (geteuid() != 0)
        return true;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return done;
}

} // namespace

class TestExportOptionsForm : public QObject {
    Q_OBJECT

    const Regional::Override regional { TestSupport::englishSettings() };
    // Sunday 6 December 2026: this week is the week of the example.
    const Clock::Fixed clock { QDateTime(QDate(2026, 12, 6), QTime(10, 0)) };
    const QString example = QStringLiteral(HOURFRAME_TEST_DATA "/export-example");
    // The main window on a copy of the example, with scripted questions.
    struct Session {
        TestSupport::TemporaryHome home;
        ScriptedPresenter script;
        TScopedPresenter presenter { script };
        std::unique_ptr<TData> data;
        std::unique_ptr<TMainForm> form;
    };
    std::unique_ptr<Session> s;

    QString path(const QString &name) const { return s->home.path() + u'/' + name; }

    // Runs the Export command; the script works the dialog.
    void exportWith(const std::function<void(QDialog &)> &work)
    {
        s->script.dialogScripts.enqueue([work](QDialog &dialog) {
            work(dialog);
            return dialog.result();
        });
        s->form->acExport->trigger();
        QVERIFY(s->script.dialogScripts.isEmpty());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

private Q_SLOTS:
    void init()
    {
        s = std::make_unique<Session>();
        TData().SetAutoEnterTime(false);
        TData().SetFirstDayOfWeek(2);
        QVERIFY(QFile::copy(example + u".hf"_s, path(u"work.hf"_s)));
        s->data = std::make_unique<TData>();
        s->form = std::make_unique<TMainForm>(*s->data, QStringList { path(u"work.hf"_s) });
        s->form->show();
        QTRY_VERIFY(s->form->StartUpDone());
    }

    void cleanup()
    {
        s->form.reset();
        QVERIFY2(!s->script.unexpected, "a question was asked that the test did not expect");
        s.reset();
    }

    // The example week with the default options into a bare file name, which
    // goes beside the data file; a second export remembers name and choices.
    void exportTheWeekThenAgain()
    {
        exportWith([](QDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), u"Hourframe Export Options"_s);
            QVERIFY(!child(dialog, "btOk")->isEnabled()); // no file name yet
            typeFileName(dialog, u"week.csv"_s);
            child<QPushButton>(dialog, "btOk")->click();
        });
        QCOMPARE(readFile(path(u"week.csv"_s)), readFile(example + u".csv"_s));
        QVERIFY(s->script.questions.isEmpty());

        exportWith([](QDialog &dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "edFilename")->text(), u"week.csv"_s);
            child<QCheckBox>(dialog, "cbIncludeComments")->click();
            child<QCheckBox>(dialog, "cbShowTotalHours")->click();
            child<QCheckBox>(dialog, "cbIsoDates")->click();
            child<QPushButton>(dialog, "btOk")->click();
        });
        exportWith([](QDialog &dialog) {
            QVERIFY(!child<QCheckBox>(dialog, "cbIncludeComments")->isChecked());
            QVERIFY(child<QCheckBox>(dialog, "cbIsoDates")->isChecked());
            child<QPushButton>(dialog, "btCancel")->click();
        });
        const QList<QByteArray> lines = readFile(path(u"week.csv"_s)).split('\n');
        QCOMPARE(lines.at(2), "2026-12-01,08:45,17:15,00:45,,,07:45,+00:15\r");
        QCOMPARE(lines.size(), 7); // heading, five days, nothing after the last CR LF
    }

    void fileNameField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("ok");
        QTest::newRow("blanks only") << u"   "_s << u"   "_s << false;
        QTest::newRow("drive letter") << u"C:"_s << u"C"_s << true;
        QTest::newRow("wildcards, redirections") << u"*w<e>e?k|.csv"_s << u"week.csv"_s << true;
        QTest::newRow("folders typed by hand") << u"/srv/out/w.csv"_s << u"/srv/out/w.csv"_s << true;
    }

    void fileNameField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, ok);
        exportWith([&](QDialog &dialog) {
            typeFileName(dialog, typed);
            QCOMPARE(child<QLineEdit>(dialog, "edFilename")->text(), kept);
            QCOMPARE(child(dialog, "btOk")->isEnabled(), ok);
            child<QPushButton>(dialog, "btCancel")->click();
        });
    }

    void browse_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("startsIn"); // "~" stands for the data file's folder
        QTest::newRow("empty field, chosen")
            << QString() << u"/srv/a.csv"_s
            << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QTest::newRow("bare name, cancelled") << u"week.csv"_s << QString() << u"~/week.csv"_s;
    }

    void browse()
    {
        QFETCH(QString, field);
        QFETCH(QString, chosen);
        QFETCH(QString, startsIn);
        s->script.saveFileNames.enqueue(chosen);
        exportWith([&](QDialog &dialog) {
            typeFileName(dialog, field);
            child<QToolButton>(dialog, "btFilename")->click();
            QCOMPARE(child<QLineEdit>(dialog, "edFilename")->text(), chosen.isEmpty() ? field : chosen);
            child<QPushButton>(dialog, "btCancel")->click();
        });
        const TFileDialogOptions &asked = s->script.fileDialogs.constLast();
        QCOMPARE(asked.title, u"Save CSV"_s);
        QCOMPARE(asked.filter, u"Comma Separated Value Files (*.csv);;All Files (*)"_s);
        QCOMPARE(asked.defaultSuffix, u"csv"_s);
        QVERIFY(asked.confirmOverwrite);
        QCOMPARE(asked.directory, startsIn.replace(u'~', s->home.path()));
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
                                        << u"Unable to create export file \"~/old.csv\"\rPlease ensure it "
                                           u"isn't in use by another application."
                                           u"\rOperation not permitted"_s;
    }

    void failures()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFile(path(u"blocker"_s)).open(QIODevice::WriteOnly); // a file where a folder should be
        QFile old(path(u"old.csv"_s));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("previous\r\n") == 10);
        old.close();
        const bool readOnly = makeReadOnly(old.fileName(), true);
        const auto writable = qScopeGuard([&] { makeReadOnly(old.fileName(), false); });
        if (!readOnly)
            QSKIP("this file system cannot make a file immutable for root");

        s->script.answers.enqueue(mbOK);
        exportWith([&](QDialog &dialog) {
            typeFileName(dialog, path(target));
            child<QPushButton>(dialog, "btOk")->click();
        });
        QCOMPARE(s->script.questionTexts(), QStringList { message.replace(u'~', s->home.path()) });
        QCOMPARE(s->script.questions.constFirst().kind, mtError);
        QCOMPARE(s->script.questions.constFirst().buttons, TMsgDlgButtons(mbOK));
        QCOMPARE(readFile(old.fileName()), "previous\r\n");
        QCOMPARE(QDir(s->home.path()).entryList(QDir::Files),
            QStringList({ u"blocker"_s, u"old.csv"_s, u"work.hf"_s }));
        QVERIFY(!s->form->TimeRecorder().Modified());
        QCOMPARE(readFile(path(u"work.hf"_s)), readFile(example + u".hf"_s));
    }
};

QTEST_MAIN(TestExportOptionsForm)
#include "tst_ExportOptionsFrm.moc"
