// The window and the others that write its data file: the real `hourframe
// punch`, a second window, a file-sync tool. Nothing any of them writes may
// get lost.

#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "shell/FileWatch.h"
#include "shell/MainFrm.h"
#include "support/WindowTestEnvironment.h"
#include "ui/TimeEdit.h"
#include "week/WeekSheet.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::readFile;
using TestSupport::writeFile;

// Monday 7 December 2026, 08:30; the sheet shows Sunday 6 to Saturday 12 December.
const QDateTime Now(QDate(2026, 12, 7), QTime(8, 30));
const int Monday = DayNumber::fromDate(QDate(2026, 12, 7));

} // namespace

class TestFileWatch : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnvironment> env;
    std::unique_ptr<TData> data;
    std::unique_ptr<TMainForm> form;
    QByteArray oldHome;

    QString path(const QString &name) const { return env->home.path() + u'/' + name; }
    QString work() const { return path(u"work.hf"_s); }

    void start(bool autoSave = false)
    {
        {
            TData previous;
            previous.SetAutoEnterTime(false);
            previous.SetAutoSave(autoSave);
        }
        data = std::make_unique<TData>();
        form = std::make_unique<TMainForm>(*data, QStringList { work() });
        form->show();
        QTRY_VERIFY(form->StartUpDone());
        QCoreApplication::processEvents();
    }

    TTimeEdit *field(const QString &name, const TMainForm *window = nullptr) const
    {
        return (window ? window : form.get())->findChild<TTimeEdit *>(name);
    }

    void typeInto(const QString &name, const QString &text, const TMainForm *window = nullptr)
    {
        TTimeEdit *edit = field(name, window);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // `hourframe punch` in a terminal, on the day and at the time given.
    std::unique_ptr<QProcess> startPunch(const QString &direction, const QDateTime &at) const
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"LANG"_s);
        environment.remove(u"LANGUAGE"_s);
        environment.insert(u"LC_ALL"_s, u"en_GB.UTF-8"_s);
        environment.insert(u"HOURFRAME_NOW"_s, at.toString(Qt::ISODate));
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(HOURFRAME_PROGRAM),
            { u"punch"_s, direction, work(), u"--at"_s, at.time().toString(u"HH:mm"_s) });
        return process;
    }

    QByteArray punch(const QString &direction, const QDateTime &at) const
    {
        const std::unique_ptr<QProcess> process = startPunch(direction, at);
        if (!process->waitForFinished(30000) || process->exitCode() != 0)
            return "punch failed: " + process->readAllStandardError();
        return {};
    }

    // The next merge dialog answered by clicking the named buttons; shown
    // gets its first day's date and both versions' arrival.
    void answerMergeDialog(const QStringList &clicks, QStringList *shown = nullptr)
    {
        env->script.dialogScripts.enqueue([clicks, shown](QDialog &dialog) {
            const auto *days = dialog.findChild<QTableWidget *>(u"tbDays"_s);
            if (shown)
                *shown = { days->item(0, 0)->text(), days->item(0, 2)->text(), days->item(1, 2)->text() };
            for (const QString &name : clicks)
                dialog.findChild<QAbstractButton *>(name)->click();
            return dialog.result();
        });
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<WindowTestEnvironment>(Now);
        // The desktop's trash of a file in the temporary home is the home's own.
        oldHome = qgetenv("HOME");
        qputenv("HOME", env->home.path().toLocal8Bit());
    }

    void cleanup()
    {
        if (form)
            form->setAttribute(Qt::WA_DeleteOnClose, false);
        form.reset();
        data.reset();
        const bool unexpected = env->script.unexpected;
        qputenv("HOME", oldHome);
        env.reset();
        QVERIFY2(!unexpected, "a question was asked that the test did not expect");
    }

    // Sunday typed in the window, Monday punched in a terminal: both end in
    // the file whatever comes first and whether the window had saved.
    void punchSurvives_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("autoSave");
        QTest::addColumn<QByteArray>("file");
        const QByteArray both = "6/12/2026,9:\r\n7/12/2026,8:15\r\n";
        QTest::newRow("unsaved edits, then Save")
            << QStringList { u"type"_s, u"punch"_s, u"save"_s } << false << both;
        QTest::newRow("unsaved edits merged at once, then Save")
            << QStringList { u"type"_s, u"punch"_s, u"settle:merged"_s, u"save"_s } << false << both;
        QTest::newRow("no unsaved edits: reloaded, then edited and saved")
            << QStringList { u"punch"_s, u"settle:reloaded"_s, u"type"_s, u"save"_s } << false << both;
        QTest::newRow("the window saves first")
            << QStringList { u"type"_s, u"save"_s, u"punch"_s, u"settle:reloaded"_s } << false << both;
        QTest::newRow("AutoSave at exit") << QStringList { u"type"_s, u"punch"_s, u"exit"_s } << true << both;
        QTest::newRow("a second window saves between") << QStringList { u"type"_s, u"second window"_s,
            u"punch"_s, u"save"_s } << false << both + "8/12/2026,10:\r\n";
    }

    void punchSurvives()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, autoSave);
        QFETCH(QByteArray, file);
        writeFile(work(), QByteArray());
        start(autoSave);
        for (const QString &step : steps) {
            if (step == u"type") {
                typeInto(u"teSunArrive"_s, u"9"_s);
            } else if (step == u"punch") {
                QCOMPARE(punch(u"in"_s, QDateTime(QDate(2026, 12, 7), QTime(8, 15))), QByteArray());
            } else if (step == u"save") {
                form->acSave->trigger();
            } else if (step == u"exit") {
                QVERIFY(form->close());
            } else if (step == u"second window") {
                TMainForm second(*data, { work() });
                second.show();
                QTRY_VERIFY(second.StartUpDone());
                typeInto(u"teTueArrive"_s, u"10"_s, &second);
                second.acSave->trigger();
                QVERIFY(second.close());
            } else {
                const QString note = step.section(u':', 1);
                QTRY_COMPARE(form->TimeRecorder().GetArrive(Monday), 495);
                QCOMPARE(form->windowTitle(), u"Hourframe [work.hf] ("_s + note + u')');
                QVERIFY2(
                    form->StatusText().contains(note, Qt::CaseInsensitive), qPrintable(form->StatusText()));
                QCOMPARE(field(u"teMonArrive"_s)->text(), u"08:15"_s);
            }
        }
        QCOMPARE(readFile(work()), file);
        QVERIFY(!form->TimeRecorder().Modified());
        QCOMPARE(env->script.questions.size(), 0);
        QCOMPARE(env->script.errors, QStringList());
    }

    // The window's 9:00 and the punch's 8:15 on Monday: the user decides,
    // when saving or as soon as the file changes; Cancel leaves both alone.
    void conflictIsAskedAndEachAnswerHolds_data()
    {
        QTest::addColumn<bool>("atOnce");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        const QByteArray punched = "7/12/2026,8:15\r\n";
        const QByteArray typed = "7/12/2026,9:\r\n";
        QTest::newRow("keep mine") << false << QStringList { u"btOk"_s } << typed << u"09:00"_s;
        QTest::newRow("take theirs") << false << QStringList { u"rbTheirs0"_s, u"btOk"_s } << punched
                                     << u"08:15"_s;
        QTest::newRow("take theirs for all")
            << false << QStringList { u"btTakeAllTheirs"_s, u"btOk"_s } << punched << u"08:15"_s;
        QTest::newRow("cancel: the field as typed")
            << false << QStringList { u"btCancel"_s } << punched << u"9"_s;
        QTest::newRow("asked at once, theirs taken")
            << true << QStringList { u"btTakeAllTheirs"_s, u"btOk"_s } << punched << u"08:15"_s;
        QTest::newRow("asked at once, cancelled, asked again by Save")
            << true << QStringList { u"btCancel"_s } << punched << u"9"_s;
    }

    void conflictIsAskedAndEachAnswerHolds()
    {
        QFETCH(bool, atOnce);
        QFETCH(QStringList, clicks);
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        writeFile(work(), QByteArray());
        start();
        typeInto(u"teMonArrive"_s, u"9"_s);
        QCOMPARE(punch(u"in"_s, QDateTime(QDate(2026, 12, 7), QTime(8, 15))), QByteArray());
        QStringList versions;
        answerMergeDialog(clicks, &versions);
        if (atOnce) {
            QTRY_VERIFY(env->script.dialogScripts.isEmpty());
            // Other changes in the folder do not ask again about the same file.
            writeFile(path(u"unrelated.txt"_s), "x");
            QTest::qWait(400);
            if (clicks.contains(u"btCancel"_s))
                answerMergeDialog(clicks);
        }
        form->acSave->trigger();
        QVERIFY(env->script.dialogScripts.isEmpty());
        QCOMPARE(versions, (QStringList { u"Mon 07/12/2026"_s, u"09:00"_s, u"08:15"_s }));
        QCOMPARE(readFile(work()), file);
        QCOMPARE(field(u"teMonArrive"_s)->text(), shown);
        QCOMPARE(form->TimeRecorder().Modified(), clicks.contains(u"btCancel"_s));
    }

    // After an outside change the sheet stays where the user was: the week,
    // the field, the caret, and a time half typed, whether the document is
    // reloaded or, with unsaved edits, merged.
    void reloadKeepsWeekFocusAndCaret_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed"); // into the field; empty: nothing
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("note");
        QTest::newRow("a stored time, reloaded") << u"teMonArrive"_s << QString() << 2 << u"reloaded"_s;
        QTest::newRow("a time half typed, merged") << u"teSunArrive"_s << u"8:75"_s << 2 << u"merged"_s;
    }

    void reloadKeepsWeekFocusAndCaret()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(int, caret);
        QFETCH(QString, note);
        writeFile(work(), "7/12/2026,8:30\r\n14/12/2026,8:30\r\n");
        start();
        form->acNextWeek->trigger();
        TTimeEdit *focused = field(name);
        focused->setFocus();
        if (!typed.isEmpty())
            typeInto(name, typed);
        focused->setCursorPosition(caret);
        const QString text = focused->text();
        QCOMPARE(punch(u"out"_s, QDateTime(QDate(2026, 12, 14), QTime(17, 0))), QByteArray());

        QTRY_COMPARE(field(u"teMonDepart"_s)->text(), u"17:00"_s);
        QCOMPARE(form->WeekSheet().WeekStart(), DayNumber::fromDate(QDate(2026, 12, 13)));
        QCOMPARE(form->focusWidget(), focused);
        QCOMPARE(focused->text(), text);
        QCOMPARE(focused->cursorPosition(), caret);
        QCOMPARE(form->windowTitle(), u"Hourframe [work.hf] ("_s + note + u')');
    }

    // Deleted while open: said once; the days stay, and Save asks.
    void deletedWhileOpen_data()
    {
        QTest::addColumn<TMsgDlgBtn>("answer");
        QTest::addColumn<QString>("writtenTo"); // empty: nothing written
        QTest::newRow("written back") << mbYes << u"work.hf"_s;
        QTest::newRow("written elsewhere") << mbNo << u"elsewhere.hf"_s;
        QTest::newRow("cancelled") << mbCancel << QString();
    }

    void deletedWhileOpen()
    {
        QFETCH(TMsgDlgBtn, answer);
        QFETCH(QString, writtenTo);
        writeFile(work(), "1/12/2026,8:,17:\r\n");
        start();
        QVERIFY(QFile::remove(work()));
        env->script.answers.enqueue(mbOK);
        QTRY_COMPARE(env->script.questions.size(), 1);
        QVERIFY(env->script.questions[0].text.startsWith(work() + u" was deleted or renamed."_s));
        writeFile(path(u"unrelated.txt"_s), "x"); // another change of the folder
        QTest::qWait(400);
        QCOMPARE(env->script.questions.size(), 1);

        typeInto(u"teMonArrive"_s, u"9"_s);
        env->script.answers.enqueue(answer);
        if (answer == mbNo)
            env->script.saveFileNames.enqueue(path(u"elsewhere.hf"_s));
        form->acSave->trigger();
        QCOMPARE(env->script.questions.size(), 2);
        QCOMPARE(env->script.questions[1].buttons, TMsgDlgButtons(mbYes | mbNo | mbCancel));
        QCOMPARE(QFileInfo::exists(work()), answer == mbYes);
        if (!writtenTo.isEmpty())
            QCOMPARE(readFile(path(writtenTo)), "1/12/2026,8:,17:\r\n7/12/2026,9:\r\n");
        QCOMPARE(form->TimeRecorder().Modified(), writtenTo.isEmpty());
        QCOMPARE(form->TimeRecorder().GetArrive(DayNumber::fromDate(QDate(2026, 12, 1))), 480);
    }

    // A sync tool's conflict copy beside the file: offered at once, merged
    // by day, saved, and only then moved to the trash, never deleted.
    void conflictCopyMerged_data()
    {
        QTest::addColumn<bool>("beforeStart");
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<TMsgDlgBtn>("answer");
        QTest::addColumn<QStringList>("clicks"); // in the merge dialog; empty: none shown
        QTest::addColumn<QByteArray>("file");
        const QByteArray ours = "1/12/2026,8:,17:\r\n";
        const QByteArray tuesday = "2/12/2026,9:,17:\r\n";
        QTest::newRow("beside the file at start")
            << true << tuesday << mbYes << QStringList() << ours + tuesday;
        QTest::newRow("appearing while open") << false << tuesday << mbYes << QStringList() << ours + tuesday;
        QTest::newRow("differing on a day, theirs taken")
            << true << "1/12/2026,8:,16:\r\n"_ba + tuesday << mbYes
            << QStringList { u"rbTheirs0"_s, u"btOk"_s } << "1/12/2026,8:,16:\r\n"_ba + tuesday;
        QTest::newRow("declined") << true << tuesday << mbNo << QStringList() << ours;
    }

    void conflictCopyMerged()
    {
        QFETCH(bool, beforeStart);
        QFETCH(QByteArray, copy);
        QFETCH(TMsgDlgBtn, answer);
        QFETCH(QStringList, clicks);
        QFETCH(QByteArray, file);
        const QString copyName = u"work (Ann's conflicted copy 2026-12-02).hf"_s;
        writeFile(work(), "1/12/2026,8:,17:\r\n");
        if (beforeStart)
            writeFile(path(copyName), copy);
        env->script.answers.enqueue(answer);
        if (!clicks.isEmpty())
            answerMergeDialog(clicks);
        start();
        if (!beforeStart)
            writeFile(path(copyName), copy);
        QTRY_COMPARE(env->script.questions.size(), 1);
        QCOMPARE(env->script.questions[0].text,
            u"A file-sync tool has left a conflicting copy of work.hf:\n"_s + copyName
                + u"\nMerge its days into this time card?"_s);
        QVERIFY(env->script.dialogScripts.isEmpty());
        QCOMPARE(readFile(work()), file);

        const QString trashed = env->home.dataHome() + u"/Trash/files/"_s + copyName;
        if (answer == mbYes) {
            QVERIFY(!QFileInfo::exists(path(copyName)));
            QCOMPARE(readFile(trashed), copy);
            QVERIFY2(form->StatusText().contains(u"trash"_s), qPrintable(form->StatusText()));
        } else {
            QCOMPARE(readFile(path(copyName)), copy);
            writeFile(path(u"unrelated.txt"_s), "x");
            QTest::qWait(400);
            QCOMPARE(env->script.questions.size(), 1); // asked once
        }
    }

    // 200 rounds of an edit saved in the window while two punches of another
    // day run at once: every punch and the window's last edits are in the file.
    void stress()
    {
        writeFile(work(), QByteArray());
        start();
        const QStringList days { u"teSunArrive"_s, u"teMonArrive"_s, u"teTueArrive"_s, u"teWedArrive"_s,
            u"teThuArrive"_s, u"teFriArrive"_s, u"teSatArrive"_s };
        const QDate first(2025, 1, 1);
        constexpr int Rounds = 200;
        for (int round = 0; round < Rounds; ++round) {
            const QDate day = first.addDays(round);
            const std::unique_ptr<QProcess> in = startPunch(u"in"_s, QDateTime(day, QTime(8, 0)));
            const std::unique_ptr<QProcess> out = startPunch(u"out"_s, QDateTime(day, QTime(17, 0)));
            typeInto(days[round % 7], u"%1:%2"_s.arg(round / 60).arg(round % 60, 2, 10, QChar(u'0')));
            form->acSave->trigger();
            for (QProcess *punch : { in.get(), out.get() }) {
                QVERIFY(punch->waitForFinished(30000));
                QVERIFY2(punch->exitCode() == 0, punch->readAllStandardError().constData());
            }
            QCoreApplication::processEvents();
        }
        form->FileWatch().CheckNow();
        QVERIFY(!form->TimeRecorder().Modified());

        TTimeRecorder saved;
        saved.LoadFromFile(work());
        for (int round = 0; round < Rounds; ++round) {
            const int day = DayNumber::fromDate(first.addDays(round));
            QCOMPARE(saved.GetArrive(day), 8 * 60);
            QCOMPARE(saved.GetDepart(day), 17 * 60);
        }
        for (int round = Rounds - 7; round < Rounds; ++round)
            QCOMPARE(saved.GetArrive(form->WeekSheet().DateOf(round % 7 + 1)), round);
        QCOMPARE(env->script.errors, QStringList());
    }
};

QTEST_MAIN(TestFileWatch)
#include "tst_FileWatch.moc"
