#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "settings/NtRegistry.h"
#include "shell/CommentFrm.h"
#include "shell/MainFrm.h"
#include "support/WindowTestEnvironment.h"
#include "ui/BitBtnMsgDlg.h"
#include "ui/TimeEdit.h"
#include "week/WeekSheet.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolBar>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::readFile;
using TestSupport::writeFile;

// Monday 7 December 2026, 08:30.
const QDateTime Now(QDate(2026, 12, 7), QTime(8, 30));

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnvironment> env;
    std::unique_ptr<TData> data;
    std::unique_ptr<TMainForm> form;

    QString path(const QString &name) const { return env->home.path() + u'/' + name; }

    // Settings as a previous run left them; read by the next TData.
    void prepareSettings(const std::function<void(TData &)> &prepare)
    {
        TData previous;
        prepare(previous);
    }

    void start(const QStringList &arguments = {})
    {
        data = std::make_unique<TData>();
        form = std::make_unique<TMainForm>(*data, arguments);
        form->show();
        QTRY_VERIFY(form->StartUpDone());
        QCoreApplication::processEvents();
    }

    TTimeEdit *field(const char *name) const { return form->findChild<TTimeEdit *>(QLatin1String(name)); }

    void typeInto(const char *name, const QString &text)
    {
        TTimeEdit *edit = field(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<WindowTestEnvironment>(Now);
        // Nothing typed by the clock unless a test asks for it.
        prepareSettings([](TData &d) { d.SetAutoEnterTime(false); });
    }

    void cleanup()
    {
        if (form)
            form->setAttribute(Qt::WA_DeleteOnClose, false);
        form.reset();
        data.reset();
        QVERIFY2(!env->script.unexpected, "a question was asked that the test did not expect");
        env.reset();
    }

    void startWithoutArgument_data()
    {
        QTest::addColumn<bool>("reopen");
        QTest::addColumn<QString>("caption");
        QTest::newRow("reopen on") << true << u"Hourframe [week.hf]"_s;
        QTest::newRow("reopen off") << false << u"Hourframe"_s;
    }

    void startWithoutArgument()
    {
        QFETCH(bool, reopen);
        QFETCH(QString, caption);
        writeFile(path(u"week.hf"_s), "7/12/2026,8:30,17:,:30\r\n");
        const QString file = path(u"week.hf"_s);
        prepareSettings([&](TData &d) {
            d.SetReopenLastUsedFile(reopen);
            d.SetFilename(file);
        });
        // Reopening the file named in the settings writes no setting.
        const QString store = TNTRegistry::DefaultStorePath();
        const QDateTime aged(QDate(2001, 2, 3), QTime(4, 5, 6));
        QFile settings(store);
        QVERIFY(settings.open(QIODevice::ReadWrite));
        QVERIFY(settings.setFileTime(aged, QFileDevice::FileModificationTime));
        settings.close();
        start();
        QCOMPARE(QFileInfo(store).lastModified(), aged);
        QCOMPARE(form->windowTitle(), caption);
        QCOMPARE(form->TimeRecorder().FileName(), reopen ? file : QString());
        QCOMPARE(field("teMonArrive")->text(), reopen ? u"08:30"_s : QString());
        // Today is filled in: the focus goes to Depart; on an empty day to Arrive.
        QCOMPARE(form->focusWidget(), reopen ? field("teMonDepart") : field("teMonArrive"));
    }

    // A name typed in a terminal is relative to its folder; the file is
    // known by its full path, so that the next start finds it from anywhere.
    void startWithArgumentOpensItEvenWithReopenOff_data()
    {
        QTest::addColumn<bool>("relative");
        QTest::newRow("full path") << false;
        QTest::newRow("relative to the current folder") << true;
    }

    void startWithArgumentOpensItEvenWithReopenOff()
    {
        QFETCH(bool, relative);
        writeFile(path(u"other.hf"_s), "8/12/2026,9:,17:\r\n");
        prepareSettings([](TData &d) { d.SetReopenLastUsedFile(false); });
        const auto back = qScopeGuard([current = QDir::currentPath()] { QDir::setCurrent(current); });
        QVERIFY(QDir::setCurrent(env->home.path()));
        start({ relative ? u"other.hf"_s : path(u"other.hf"_s), u"ignored"_s });
        QCOMPARE(form->windowTitle(), u"Hourframe [other.hf]"_s);
        QCOMPARE(data->Filename(), path(u"other.hf"_s));
        QCOMPARE(form->TimeRecorder().FileName(), path(u"other.hf"_s));
        QCOMPARE(field("teTueArrive")->text(), u"09:00"_s);
    }

    // Only a file that was opened becomes the last file; one that is gone
    // stays the last file, to be tried again at the next start. What is no
    // file to read is refused the same way, at once: a named pipe would
    // block the window at every start.
    void startWithAFileThatCannotBeOpened_data()
    {
        QTest::addColumn<bool>("named"); // on the command line, else as the last file
        QTest::addColumn<QString>("lastFile"); // afterwards
        QTest::addColumn<QString>("kind"); // what gone.hf is
        QTest::newRow("deleted last file") << false << u"gone.hf"_s << u"deleted"_s;
        QTest::newRow("mistyped argument") << true << u"week.hf"_s << u"deleted"_s;
        QTest::newRow("named pipe as the last file") << false << u"gone.hf"_s << u"pipe"_s;
        QTest::newRow("folder as the argument") << true << u"week.hf"_s << u"folder"_s;
    }

    void startWithAFileThatCannotBeOpened()
    {
        QFETCH(bool, named);
        QFETCH(QString, lastFile);
        QFETCH(QString, kind);
        const QString missing = path(u"gone.hf"_s);
        if (kind == u"pipe")
            QCOMPARE(mkfifo(QFile::encodeName(missing).constData(), 0644), 0);
        else if (kind == u"folder")
            QVERIFY(QDir().mkdir(missing));
        prepareSettings([&](TData &d) { d.SetFilename(path(named ? u"week.hf"_s : u"gone.hf"_s)); });
        env->script.answers.enqueue(mbNo);
        start(named ? QStringList { missing } : QStringList());
        QCOMPARE(env->script.questions.size(), 1);
        QCOMPARE(env->script.questions[0].text,
            u"Unable to open file "_s + missing + u"\rDo you want to try to find it yourself?"_s);
        QCOMPARE(env->script.questions[0].kind, mtError);
        QCOMPARE(env->script.questions[0].buttons, TMsgDlgButtons(mbYes | mbNo));
        QCOMPARE(form->windowTitle(), u"Hourframe [Untitled]"_s);
        QCOMPARE(data->Filename(), path(lastFile));
        QCOMPARE(form->TimeRecorder().FileName(), QString());
    }

    // Settings that cannot be saved, here because a file stands where their
    // folder should be, are told once; the file named on the command line
    // opens all the same, and the program goes on.
    void unsavableSettingsAreToldOnce()
    {
        writeFile(path(u"week.hf"_s), "7/12/2026,8:30\r\n");
        const QString folder = QFileInfo(TNTRegistry::DefaultStorePath()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        writeFile(folder, "not a folder");
        env->script.answers.enqueue(mbOK);
        start({ path(u"week.hf"_s) });
        QCOMPARE(form->windowTitle(), u"Hourframe [week.hf]"_s);
        QCOMPARE(field("teMonArrive")->text(), u"08:30"_s);
        form->acShowToolbar->trigger();
        QVERIFY(!data->ShowToolbar());
        QTRY_COMPARE(env->script.questions.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(env->script.questions.size(), 1);
        QCOMPARE(env->script.questions[0].kind, mtError);
        QVERIFY2(env->script.questions[0].text.contains(folder + u": a file of that name is in its place"_s),
            qPrintable(env->script.questions[0].text));
    }

    void unreadableFileIsReportedAndTheWeekStillWorks()
    {
        writeFile(path(u"broken.hf"_s), "7/12/2026,8:30,17:\r\n31/4/2026,9:\r\n");
        start({ path(u"broken.hf"_s) });
        QCOMPARE(env->script.errors.size(), 1);
        QVERIFY2(env->script.errors[0].contains(u"line 2"_s), qPrintable(env->script.errors[0]));
        QCOMPARE(form->windowTitle(), u"Hourframe [Untitled]"_s);
        QCOMPARE(field("teMonArrive")->text(), u"08:30"_s); // what was read before the bad line
        typeInto("teTueArrive", u"9"_s);
        QCOMPARE(form->TimeRecorder().GetArrive(DayNumber::fromDate(QDate(2026, 12, 8))), 540);
    }

    // A calendar that cannot be read is told once, with the file and the
    // line, after the week is shown; the week goes on without holidays. A
    // good one marks Tuesday 8 December once the week is on the screen.
    void holidayCalendarIsReadAfterTheWeekIsShown_data()
    {
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("tuesdayHint");
        QTest::newRow("a calendar") << QByteArray("20261208") << QString() << u"08/12/2026\nFeast"_s;
        QTest::newRow("a broken calendar")
            << QByteArray("2026x1208")
            << u"holidays.ics, line 6: Can't parse as DATE value in DTSTART property. Removing entire "
               u"property: 2026x1208\n\nHourframe goes on without public holidays."_s
            << u"08/12/2026"_s;
    }

    void holidayCalendarIsReadAfterTheWeekIsShown()
    {
        QFETCH(QByteArray, date);
        QFETCH(QString, told);
        QFETCH(QString, tuesdayHint);
        writeFile(path(u"holidays.ics"_s),
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//"
            "EN\r\nBEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:"
                + date + "\r\nSUMMARY:Feast\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        QVERIFY(QDir::setCurrent(env->home.path()));
        prepareSettings([&](TData &d) {
            d.SetHolidayCalendar(u"holidays.ics"_s);
            d.SetShowDeviationFromDailyTarget(true);
        });
        if (!told.isEmpty())
            env->script.answers.enqueue(mbOK);
        start();
        const auto *tuesday = form->findChild<QLabel *>(u"laDay3"_s);
        QTRY_COMPARE(tuesday->toolTip(), tuesdayHint);
        QTRY_COMPARE(env->script.questionTexts(), told.isEmpty() ? QStringList() : QStringList { told });
        typeInto("teTueArrive", u"9"_s);
        typeInto("teTueDepart", u"10"_s);
        QCOMPARE(
            form->findChild<QLabel *>(u"teTueDeviation"_s)->text(), told.isEmpty() ? u" 1:00"_s : u"-6:30"_s);
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }

    void autoEnterTime_data()
    {
        QTest::addColumn<bool>("named"); // whether the settings name a data file to reopen
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("arrive");
        QTest::addColumn<QString>("depart");
        QTest::addColumn<bool>("modified");
        QTest::newRow("first start, no file: arrival")
            << false << QByteArray() << u"08:30"_s << QString() << true;
        QTest::newRow("empty day: arrival") << true << QByteArray() << u"08:30"_s << QString() << true;
        QTest::newRow("arrived: departure")
            << true << QByteArray("7/12/2026,7:45\r\n") << u"07:45"_s << u"08:30"_s << true;
        QTest::newRow("both there: nothing")
            << true << QByteArray("7/12/2026,7:45,8:\r\n") << u"07:45"_s << u"08:00"_s << false;
    }

    void autoEnterTime()
    {
        QFETCH(bool, named);
        QFETCH(QByteArray, file);
        QFETCH(QString, arrive);
        QFETCH(QString, depart);
        QFETCH(bool, modified);
        writeFile(path(u"week.hf"_s), file);
        const QString name = named ? path(u"week.hf"_s) : QString();
        prepareSettings([&](TData &d) {
            d.SetAutoEnterTime(true);
            d.SetFilename(name);
        });
        start();
        QCOMPARE(field("teMonArrive")->text(), arrive);
        QCOMPARE(field("teMonDepart")->text(), depart);
        QCOMPARE(form->TimeRecorder().Modified(), modified);
        form->UpdateActions();
        QCOMPARE(form->acSave->isEnabled(), modified);
    }

    void everyWindowShowsItsOwnCaptionAndImages()
    {
        writeFile(path(u"week.hf"_s), "7/12/2026,8:30\r\n");
        start({ path(u"week.hf"_s) });
        QCOMPARE(form->windowTitle(), u"Hourframe [week.hf]"_s);
        QVERIFY(!form->windowIcon().isNull());
        // Every command of the toolbar; the file status at its end is text.
        for (QAction *tool : form->ToolBar()->actions())
            QVERIFY2(tool->isSeparator() || !tool->icon().isNull()
                    || qobject_cast<QLabel *>(form->ToolBar()->widgetForAction(tool)),
                qPrintable(tool->objectName()));
        QCOMPARE(TCommentForm(*data).windowTitle(), u"Comment"_s);
        // The application title follows the caption, but is not the display name Qt
        // would append to the caption of every other window.
        QCOMPARE(TMessageForm(u"Text"_s, mtCustom, mbOK).windowTitle(), u"Hourframe [week.hf]"_s);
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    }

    void openAsksAfterTheDialogAndCancelKeepsTheDocument()
    {
        writeFile(path(u"other.hf"_s), "8/12/2026,9:,17:\r\n");
        start();
        typeInto("teMonArrive", u"8"_s);
        QVERIFY(form->TimeRecorder().Modified());

        env->script.openFileNames.enqueue(path(u"other.hf"_s));
        env->script.answers.enqueue(mbCancel);
        form->acLoad->trigger();
        QCOMPARE(env->script.fileDialogs.size(), 1);
        QCOMPARE(env->script.fileDialogs[0].title, u"Open Hourframe"_s);
        QCOMPARE(env->script.questionTexts(),
            QStringList { u"The time card has changed.\nSave data before loading?"_s });
        QCOMPARE(env->script.questions[0].buttons, TMsgDlgButtons(mbYes | mbNo | mbCancel));
        QCOMPARE(form->TimeRecorder().GetArrive(DayNumber::fromDate(QDate(2026, 12, 7))), 480);
        QCOMPARE(form->windowTitle(), u"Hourframe"_s);

        env->script.openFileNames.enqueue(path(u"other.hf"_s));
        env->script.answers.enqueue(mbNo);
        form->acLoad->trigger();
        QCOMPARE(form->windowTitle(), u"Hourframe [other.hf]"_s);
        QVERIFY(!form->TimeRecorder().Modified());
        QCOMPARE(field("teTueArrive")->text(), u"09:00"_s);
    }

    void saveAsThenSave()
    {
        start();
        typeInto("teMonArrive", u"8:30"_s);
        env->script.saveFileNames.enqueue(path(u"new.hf"_s));
        form->acSave->trigger(); // untitled: Save goes to Save As
        QCOMPARE(env->script.fileDialogs.size(), 1);
        QCOMPARE(env->script.fileDialogs[0].title, u"Save Hourframe"_s);
        QVERIFY(env->script.fileDialogs[0].confirmOverwrite);
        QCOMPARE(form->windowTitle(), u"Hourframe [new.hf]"_s);
        QCOMPARE(data->Filename(), path(u"new.hf"_s));
        QCOMPARE(readFile(path(u"new.hf"_s)), QByteArray("7/12/2026,8:30\r\n"));

        typeInto("teMonDepart", u"17"_s);
        form->acSave->trigger(); // named: no dialog
        QCOMPARE(env->script.fileDialogs.size(), 1);
        QCOMPARE(readFile(path(u"new.hf"_s)), QByteArray("7/12/2026,8:30,17:\r\n"));
        QVERIFY(!form->TimeRecorder().Modified());
    }

    void newAsksBeforeDiscarding_data()
    {
        QTest::addColumn<TMsgDlgBtn>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("cancel keeps the document") << mbCancel << false;
        QTest::newRow("no discards the edits") << mbNo << true;
    }

    void newAsksBeforeDiscarding()
    {
        QFETCH(TMsgDlgBtn, answer);
        QFETCH(bool, cleared);
        start();
        typeInto("teMonArrive", u"8"_s);
        env->script.answers.enqueue(answer);
        form->acNew->trigger();
        QCOMPARE(env->script.questionTexts(),
            QStringList { u"The time card has changed.\nSave data before creating a new hourframe?"_s });
        QCOMPARE(field("teMonArrive")->text().isEmpty(), cleared);
        QCOMPARE(form->windowTitle(), cleared ? u"Hourframe [Untitled]"_s : u"Hourframe"_s);
    }

    void exitAsksAndACancelledSaveKeepsTheWindowOpen_data()
    {
        QTest::addColumn<bool>("autoSave");
        QTest::addColumn<QList<TMsgDlgBtn>>("answers");
        QTest::addColumn<QStringList>("saveNames");
        QTest::addColumn<bool>("closed");
        QTest::newRow("cancel") << false << QList<TMsgDlgBtn> { mbCancel } << QStringList {} << false;
        QTest::newRow("no") << false << QList<TMsgDlgBtn> { mbNo } << QStringList {} << true;
        QTest::newRow("yes, save dialog cancelled")
            << false << QList<TMsgDlgBtn> { mbYes } << QStringList { QString() } << false;
        QTest::newRow("auto save, save dialog cancelled")
            << true << QList<TMsgDlgBtn> {} << QStringList { QString() } << false;
    }

    void exitAsksAndACancelledSaveKeepsTheWindowOpen()
    {
        QFETCH(bool, autoSave);
        QFETCH(QList<TMsgDlgBtn>, answers);
        QFETCH(QStringList, saveNames);
        QFETCH(bool, closed);
        prepareSettings([&](TData &d) { d.SetAutoSave(autoSave); });
        start();
        typeInto("teMonArrive", u"8"_s);
        for (TMsgDlgBtn a : answers)
            env->script.answers.enqueue(a);
        for (const QString &n : saveNames)
            env->script.saveFileNames.enqueue(n);
        form->acExit->trigger();
        QCOMPARE(env->script.questionTexts(),
            autoSave ? QStringList {}
                     : QStringList { u"The time card has changed.\nSave data before exiting?"_s });
        QCOMPARE(!form->isVisible(), closed);
        QCOMPARE(form->TimeRecorder().GetArrive(DayNumber::fromDate(QDate(2026, 12, 7))), 480);
    }

    void clientHeights_data()
    {
        QTest::addColumn<bool>("everything");
        QTest::addColumn<int>("clientHeight");
        QTest::newRow("defaults") << false << 207;
        QTest::newRow("every part on") << true << 319;
    }

    void clientHeights()
    {
        QFETCH(bool, everything);
        QFETCH(int, clientHeight);
        if (everything)
            prepareSettings([](TData &d) {
                d.SetShowExtraHours(true);
                d.SetShowHols(true);
                d.SetShowComment(true);
                d.SetShowDeviationFromDailyTarget(true);
                d.SetShowDeviationFromWeeklyTarget(true);
            });
        start();
        QCOMPARE(form->ClientHeight(), clientHeight);
        // 375 wide, or wider where the font needs more room for the row labels.
        QVERIFY(form->width() >= 375);
        QCOMPARE(form->width(), form->WeekSheet().width());
    }

    void optionalRowsMoveUp()
    {
        prepareSettings([](TData &d) { d.SetShowLunchTime(false); });
        start();
        QCOMPARE(form->WeekSheet().ArrangeRows(false, false, false, false), 100);

        form->acShowExtraHours->trigger();
        QVERIFY(data->ShowExtraHours());
        QCOMPARE(field("teMonExtra")->y(), 100);
        QCOMPARE(form->WeekSheet().findChild<QLabel *>(u"laExtra"_s)->y(), 104);
        QCOMPARE(form->acShowExtraHours->text(), u"Hide &Extra Hours"_s);
        QCOMPARE(form->acShowLunchTime->text(), u"Show &Lunch Time"_s);
    }

    void rowShownByDataCannotBeHidden()
    {
        writeFile(path(u"week.hf"_s), "8/12/2026,8:,17:,:45\r\n");
        const QString name = path(u"week.hf"_s);
        prepareSettings([&](TData &d) {
            d.SetShowLunchTime(false);
            d.SetFilename(name);
        });
        start();
        QVERIFY(field("teMonLunch")->isVisible());
        form->UpdateActions();
        QVERIFY(!form->acShowLunchTime->isEnabled());
        QCOMPARE(form->acShowLunchTime->text(), u"Hide &Lunch Time"_s);
    }

    void hidingTheMenuShortensTheWindow()
    {
        start();
        const int before = form->height();
        form->acShowMenu->trigger();
        QVERIFY(!form->menuBar()->isVisible());
        QVERIFY(form->height() < before);
        QCOMPARE(form->ClientHeight(), 207);
        QCOMPARE(form->acShowMenu->text(), u"Show &Menu"_s);
        QVERIFY(form->PopupMenu()->actions().contains(form->acOptions));
        TData reread;
        QVERIFY(!reread.ShowMenu()); // stored at once
    }

    // From Monday 30 November (7:30 worked, 8:30 worked) to today, Monday
    // 7 December: +1:00, three days at -7:30, Friday -7:00, the weekend
    // nothing, and today -7:30 until it is typed in. The days of the shown
    // week after today are not owed yet.
    void balanceRow()
    {
        const QString name = path(u"week.hf"_s);
        writeFile(name, "30/11/2026,8:,17:,:30\r\n");
        prepareSettings([&](TData &d) { d.SetFilename(name); });
        start();
        QVERIFY(!form->findChild<QWidget *>(u"pnBalance"_s)->isVisible());
        QCOMPARE(form->acShowBalance->text(), u"Show &Balance"_s);
        const QList<QAction *> shows = form->PopupMenu()->actions().constLast()->menu()->actions();
        QCOMPARE(
            shows.mid(shows.size() - 2), (QList<QAction *> { form->acShowBalance, form->acShowLeaveAt }));

        form->acShowBalance->trigger();
        QVERIFY(TData().ShowBalance()); // stored at once
        QCOMPARE(form->acShowBalance->text(), u"Hide &Balance"_s);
        QCOMPARE(form->ClientHeight(), 207 + 21);
        // Today, Monday, counts once it is closed; 8:30 worked a week ago.
        QCOMPARE(form->WeekSheet().BalanceShown(), u"-28:30"_s);
        form->acShowLeaveAt->trigger();
        QVERIFY(TData().ShowLeaveAt());
        QCOMPARE(form->acShowLeaveAt->text(), u"Hide Leave &At"_s);
        QCOMPARE(form->ClientHeight(), 207 + 21 + 21);
        QCOMPARE(form->WeekSheet().LeaveAtShown(), QString());
        // Half an hour since arriving; 36:00 more would bring the balance to zero, not today.
        typeInto("teMonArrive", u"800"_s);
        QCOMPARE(form->WeekSheet().BalanceShown(), u"-28:30 (today: 0:30 so far)"_s);
        QCOMPARE(form->WeekSheet().LeaveAtShown(), u"15:30"_s);
        typeInto("teMonDepart", u"1630"_s);
        QCOMPARE(form->WeekSheet().BalanceShown(), u"-27:30"_s);
        QCOMPARE(form->WeekSheet().LeaveAtShown(), QString());
        form->acPreviousWeek->trigger(); // as of Saturday 5 December
        QCOMPARE(form->WeekSheet().BalanceShown(), u"-28:30"_s);

        form->acShowBalance->trigger();
        form->acShowLeaveAt->trigger();
        QCOMPARE(form->acShowBalance->text(), u"Show &Balance"_s);
        QCOMPARE(form->acShowLeaveAt->text(), u"Show Leave &At"_s);
        QCOMPARE(form->ClientHeight(), 207);
    }

    void commentButtonOpensTheDialogAndStoresTheComment()
    {
        prepareSettings([](TData &d) { d.SetShowComment(true); });
        start();
        auto *button = form->findChild<QAbstractButton *>(u"btMonComment"_s);
        QCOMPARE(button->text(), u"..."_s);
        env->script.dialogScripts.enqueue([](QDialog &dialog) {
            auto *box = dialog.findChild<QComboBox *>(u"cbComment"_s);
            box->setFocus();
            QTest::keyClicks(box, u"  Client visit  "_s);
            dialog.findChild<QPushButton *>(u"btOk"_s)->click();
            return dialog.result();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), u"C"_s);
        QCOMPARE(button->toolTip(), u"Client visit"_s);
        QCOMPARE(form->TimeRecorder().GetComment(DayNumber::fromDate(QDate(2026, 12, 7))), u"Client visit"_s);
        QVERIFY(form->TimeRecorder().Modified());
    }

    void confirmedPreferencesReturnToTheCurrentWeek()
    {
        start();
        form->acNextWeek->trigger();
        QCOMPARE(DayNumber::toDate(form->WeekSheet().WeekStart()), QDate(2026, 12, 13));
        env->script.dialogScripts.enqueue([](QDialog &dialog) {
            auto *firstDay = dialog.findChild<QComboBox *>(u"cbFirstDayOfWeek"_s);
            firstDay->setCurrentIndex(1); // Monday
            dialog.findChild<QPushButton *>(u"btOk"_s)->click();
            return dialog.result();
        });
        form->acOptions->trigger();
        QCOMPARE(data->FirstDayOfWeek(), 2);
        QCOMPARE(DayNumber::toDate(form->WeekSheet().WeekStart()), QDate(2026, 12, 7));
        QCOMPARE(form->findChild<QLabel *>(u"laDay1"_s)->text(), u"Mon"_s);
    }

    void browsingKeepsTheFileByteForByte_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("roundTo"); // 0: rounding off
        QTest::addColumn<QString>("shownField");
        QTest::addColumn<QString>("shownText");
        QTest::addColumn<QString>("mondayHours");
        QTest::addColumn<QString>("editField");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QByteArray>("fileAfterEdit");

        // Around the shown week (6 to 12 December): values the 5-character fields
        // cannot hold, times of day from 24:00 up, the largest time the file
        // holds, and lines of other weeks.
        const QByteArray large = "30/11/2026,7:,100:\r\n"
                                 "7/12/2026,8:,25:,,100:30\r\n"
                                 "8/12/2026,8:,17:,:30,,123:45\r\n"
                                 "9/12/2026,35791394:07,35791394:07,35791394:07,35791394:07,35791394:07\r\n"
                                 "10/12/2026,24:,:,999:59,,,\"late\"\r\n"
                                 "21/12/2026,48:,1:\r\n";
        QByteArray largeEdited = large;
        largeEdited.replace("8/12/2026,8:,17:,:30,,123:45", "8/12/2026,8:,17:,:45,,123:45");
        // 8:00 to 25:00 (01:00 the next day) is 17 hours, and 100:30 extra counts in full.
        QTest::newRow("values beyond the fields")
            << large << 0 << u"teMonExtra"_s << u"100:30"_s << u" 117:30"_s << u"teTueLunch"_s << u"45"_s
            << largeEdited;

        const QByteArray odd = "7/12/2026,8:07,16:53,:37,1:01,:59\r\n";
        QTest::newRow("rounded display, exact store")
            << odd << 15 << u"teMonArrive"_s << u"08:00"_s << u" 10:09"_s << u"teMonDepart"_s << u"17"_s
            << QByteArray("7/12/2026,8:07,17:,:37,1:01,:59\r\n");
    }

    void browsingKeepsTheFileByteForByte()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, roundTo);
        QFETCH(QString, shownField);
        QFETCH(QString, shownText);
        QFETCH(QString, mondayHours);
        QFETCH(QString, editField);
        QFETCH(QString, keys);
        QFETCH(QByteArray, fileAfterEdit);
        const QString name = path(u"week.hf"_s);
        writeFile(name, file);
        prepareSettings([&](TData &d) {
            d.SetFilename(name);
            d.SetShowExtraHours(true);
            d.SetShowHols(true);
            d.SetRoundTimes(roundTo != 0);
            d.SetRoundTimesTo(roundTo != 0 ? roundTo : 5);
        });
        start();
        QCOMPARE(field(qPrintable(shownField))->text(), shownText);
        QCOMPARE(form->findChild<QLabel *>(u"teMonHours"_s)->text(), mondayHours);

        // Modified once, it would stay so: one look at the end covers every step.
        for (QAction *week : { form->acPreviousWeek, form->acPreviousWeek, form->acNextWeek, form->acNextWeek,
                 form->acNextWeek, form->acNextWeek, form->acPreviousWeek, form->acPreviousWeek })
            week->trigger();
        auto *box = form->findChild<QComboBox *>(u"cbWeekBeginning"_s);
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, u"9/12/2026"_s);
        QTest::keyClick(box, Qt::Key_Return);
        env->script.dialogScripts.enqueue([](QDialog &dialog) {
            dialog.findChild<QPushButton *>(u"btOk"_s)->click();
            return dialog.result();
        });
        form->acOptions->trigger();
        // Leaving a field that was not edited leaves its day alone.
        field(qPrintable(shownField))->setFocus();
        field("teTueArrive")->setFocus();
        QCOMPARE(field(qPrintable(shownField))->text(), shownText);
        QVERIFY(!form->TimeRecorder().Modified());

        form->TimeRecorder().SaveToFile(QString());
        QCOMPARE(readFile(name), file);

        typeInto(qPrintable(editField), keys);
        form->acSave->trigger();
        QCOMPARE(readFile(name), fileAfterEdit);
    }

    void saveIsEnabledOnlyWhenModified()
    {
        start();
        form->UpdateActions();
        QVERIFY(!form->acSave->isEnabled());
        typeInto("teMonArrive", u"9"_s);
        form->UpdateActions();
        QVERIFY(form->acSave->isEnabled());
        QVERIFY(form->acTimeNow->isEnabled());
        field("teMonLunch")->setFocus();
        form->UpdateActions();
        QVERIFY(!form->acTimeNow->isEnabled());
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_MainFrm.moc"
