#include "settings/DataMod.h"
#include "shell/LeaveNotice.h"
#include "shell/MainFrm.h"
#include "shell/TrayIcon.h"
#include "support/WindowTestEnvironment.h"

#include <QAction>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <ctime>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A notification area that a test can make come and go and click on.
class FakeTrayHost : public TTrayHost {
public:
    bool available = true;
    bool shown = false;
    QString tip;
    QMenu *menu = nullptr;

    bool IsAvailable() const override { return available; }
    void Show(const QIcon &, const QString &newTip, QMenu *newMenu) override
    {
        shown = true;
        tip = newTip;
        menu = newMenu;
    }
    void Hide() override { shown = false; }
    void ShowMessage(const QString &title, const QString &text) override { messages << title + u'|' + text; }

    QStringList messages; // every notification, title and text

    void click(QSystemTrayIcon::ActivationReason reason) { Q_EMIT Activated(reason); }
};

// The texts of a menu's visible entries, "-" for a separator.
QStringList visibleEntries(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        if (action->isVisible())
            entries << (action->isSeparator() ? u"-"_s : action->text());
    }
    return entries;
}

} // namespace

class TestTrayIcon : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnvironment> env;
    std::unique_ptr<TData> data;
    std::unique_ptr<TMainForm> form;
    FakeTrayHost *tray = nullptr;

    void start(bool useToolTray, bool trayAvailable, const std::function<void(TData &)> &prepare = {})
    {
        {
            TData previous;
            previous.SetAutoEnterTime(false);
            previous.SetUseToolTray(useToolTray);
            if (prepare)
                prepare(previous);
        }
        data = std::make_unique<TData>();
        form = std::make_unique<TMainForm>(*data, QStringList());
        auto host = std::make_unique<FakeTrayHost>();
        tray = host.get();
        tray->available = trayAvailable;
        form->TrayIcon().SetHost(std::move(host));
        form->show();
        QTRY_VERIFY(form->StartUpDone());
        settle();
    }

    // Lets queued work run, then the idle update of the commands.
    void settle()
    {
        QCoreApplication::processEvents();
        form->UpdateActions();
    }

    QStringList trayMenu() const { return visibleEntries(form->TrayMenu()); }
    QStringList fileMenu() const { return visibleEntries(form->findChild<QMenu *>(u"mnFile"_s)); }

private Q_SLOTS:
    // The clocks of Berlin change on the last Sundays of March and October.
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void init()
    {
        env = std::make_unique<WindowTestEnvironment>(QDateTime(QDate(2026, 12, 7), QTime(8, 30)));
    }

    void cleanup()
    {
        form.reset();
        data.reset();
        QVERIFY(!env->script.unexpected);
        env.reset();
    }

    void hintKeepsAtMost62Characters()
    {
        TTrayIcon icon;
        auto host = std::make_unique<FakeTrayHost>();
        FakeTrayHost *fake = host.get();
        icon.SetHost(std::move(host));
        icon.SetActive(true);
        const QString hint = u"0123456789"_s.repeated(7);
        icon.SetHint(hint);
        QCOMPARE(fake->tip, hint.left(62));
    }

    // Without the setting there is no icon and the window is an ordinary
    // one; with it the tray menu offers what fits the window's state.
    void menusFollowTheSetting_data()
    {
        QTest::addColumn<bool>("useToolTray");
        QTest::addColumn<bool>("iconShown");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("trayMenu");
        const QStringList plainFile { u"&New"_s, u"&Open..."_s, u"&Save"_s, u"Save &As..."_s, u"&Export..."_s,
            u"-"_s, u"E&xit"_s };
        const QStringList trayFile { u"&New"_s, u"&Open..."_s, u"&Save"_s, u"Save &As..."_s, u"&Export..."_s,
            u"-"_s, u"Hide &Form"_s, u"-"_s, u"E&xit"_s };
        QTest::newRow("off") << false << false << plainFile << QStringList { u"-"_s, u"E&xit"_s };
        QTest::newRow("on") << true << true << trayFile
                            << QStringList { u"Hide &Form"_s, u"-"_s, u"E&xit"_s };
    }

    void menusFollowTheSetting()
    {
        QFETCH(bool, useToolTray);
        QFETCH(bool, iconShown);
        QFETCH(QStringList, file);
        QFETCH(QStringList, trayMenu);
        start(useToolTray, true);
        QCOMPARE(tray->shown, iconShown);
        QCOMPARE(tray->tip, iconShown ? u"Hourframe"_s : QString());
        QCOMPARE(fileMenu(), file);
        QCOMPARE(this->trayMenu(), trayMenu);
    }

    // Hide Form and minimising both leave the taskbar for the tray; a left
    // click, Show Form... or a right click once the menu has closed bring the
    // window back.
    void hiddenStatesAndTheWayBack_data()
    {
        QTest::addColumn<bool>("minimise");
        QTest::addColumn<QString>("back");
        QTest::newRow("hide, left click") << false << u"click"_s;
        QTest::newRow("hide, right click") << false << u"right click"_s;
        QTest::newRow("minimise, left click") << true << u"click"_s;
        QTest::newRow("minimise, right click") << true << u"right click"_s;
    }

    void hiddenStatesAndTheWayBack()
    {
        QFETCH(bool, minimise);
        QFETCH(QString, back);
        start(true, true);
        if (minimise)
            form->setWindowState(Qt::WindowMinimized);
        else
            form->acHideForm->trigger();
        settle();
        QVERIFY(!form->isVisible());
        QVERIFY(tray->shown);
        QCOMPARE(trayMenu(), (QStringList { u"Show &Form..."_s, u"-"_s, u"E&xit"_s }));

        if (back == u"click"_s) {
            tray->click(QSystemTrayIcon::Trigger);
        } else {
            tray->click(QSystemTrayIcon::Context);
            form->TrayMenu()->popup(QPoint(10, 10));
            QVERIFY(!form->isVisible());
            form->TrayMenu()->hide();
        }
        settle();
        QVERIFY(form->isVisible());
        QVERIFY(!form->isMinimized());
        QCOMPARE(trayMenu(), (QStringList { u"Hide &Form"_s, u"-"_s, u"E&xit"_s }));
    }

    // Exit from the tray menu with the window hidden ends the application,
    // although it closes no visible window.
    void exitFromTheTrayEndsTheApplication()
    {
        start(true, true);
        form->acHideForm->trigger();
        settle();
        QTimer::singleShot(0, form->acExit, &QAction::trigger);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QEventLoop loop;
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!tray->shown);
    }

    // A desktop without a notification area: the window behaves as without
    // the setting until an area appears, and comes back if the area goes
    // while the window is hidden in it.
    void noTrayBehavesAsOffUntilOneAppears()
    {
        start(true, false);
        QVERIFY(!tray->shown);
        QVERIFY(!form->acHideForm->isVisible());
        form->setWindowState(Qt::WindowMinimized);
        settle();
        QVERIFY(form->isVisible());
        QVERIFY(data->UseToolTray());

        form->setWindowState(Qt::WindowNoState);
        QSignalSpy changes(&form->TrayIcon(), &TTrayIcon::OnTrayChange);
        tray->available = true;
        form->TrayIcon().CheckTray();
        form->TrayIcon().CheckTray();
        QCOMPARE(changes.count(), 1);
        settle();
        QVERIFY(tray->shown);
        QVERIFY(form->acHideForm->isVisible());

        form->acHideForm->trigger();
        settle();
        QVERIFY(!form->isVisible());
        tray->available = false;
        form->TrayIcon().CheckTray();
        settle();
        QVERIFY(!tray->shown);
        QVERIFY(form->isVisible());
        QVERIFY(!form->acHideForm->isVisible());
    }

    // Today's times to leave come into the tip and, with NotifyLeaveTime, a
    // notification comes once at the first of them, while there is a tray.
    // Monday from 8:00, with 1:00 ahead before.
    void leaveTimes_data()
    {
        QTest::addColumn<bool>("notify");
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QStringList>("messages");
        const QString times = u"Hourframe: leave at 15:30 (zero balance at 14:30)"_s;
        QTest::newRow("told") << true << true << times
                              << QStringList { u"Hourframe|Time to leave: today's target of 7:30 is met."_s };
        QTest::newRow("not asked for") << false << true << times << QStringList();
        QTest::newRow("no notification area") << true << false << QString() << QStringList();
    }

    void leaveTimes()
    {
        QFETCH(bool, notify);
        QFETCH(bool, trayAvailable);
        QFETCH(QString, tip);
        QFETCH(QStringList, messages);
        start(true, trayAvailable, [&](TData &d) {
            d.SetNotifyLeaveTime(notify);
            d.SetBalanceOpening(60);
        });
        QCOMPARE(tray->tip, trayAvailable ? u"Hourframe"_s : QString());
        auto *arrive = form->findChild<QLineEdit *>(u"teMonArrive"_s);
        arrive->setFocus();
        QTest::keyClicks(arrive, u"800"_s);
        settle();
        QCOMPARE(tray->tip, tip);
        const QDateTime leave(QDate(2026, 12, 7), QTime(15, 30));
        QCOMPARE(form->LeaveNotice().PlannedNotice(), notify && trayAvailable ? leave : QDateTime());
        form->LeaveNotice().NoticeDue(); // too early
        env->clock.set(leave);
        form->LeaveNotice().NoticeDue();
        form->LeaveNotice().NoticeDue();
        QCOMPARE(tray->messages, messages);
    }

    // The notification is planned for when the wall clock shows the time to
    // leave, also on the days the clocks change. Weekend days owe 8:00.
    void leaveNoticeOnTheWallClock_data()
    {
        QTest::addColumn<QDateTime>("now"); // local time
        QTest::addColumn<QString>("arrive"); // the field typed into
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDateTime>("told");
        const auto utc = [](int month, int day, int hour, int minute) {
            return QDateTime(QDate(2027, month, day), QTime(hour, minute), Qt::UTC);
        };
        // 16:00 summer time; an hour after midnight and 8:00 after arriving.
        QTest::newRow("the clocks go forward") << QDateTime(QDate(2027, 3, 28), QTime(9, 0))
                                               << u"teSunArrive"_s << u"800"_s << utc(3, 28, 14, 0);
        // 16:00 winter time, 9:00 after arriving.
        QTest::newRow("the clocks go back") << QDateTime(QDate(2027, 10, 31), QTime(9, 0)) << u"teSunArrive"_s
                                            << u"800"_s << utc(10, 31, 15, 0);
        // A night shift meant to end at 2:30 ends when 2:00 becomes 3:00.
        QTest::newRow("a time the clocks skip") << QDateTime(QDate(2027, 3, 27), QTime(20, 0))
                                                << u"teSatArrive"_s << u"1830"_s << utc(3, 28, 1, 0);
    }

    void leaveNoticeOnTheWallClock()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, arrive);
        QFETCH(QString, time);
        QFETCH(QDateTime, told);
        QCOMPARE(QDateTime(QDate(2027, 3, 28), QTime(16, 0)).offsetFromUtc(), 7200); // summer time
        env->clock.set(now);
        start(true, true, [](TData &d) {
            d.SetNotifyLeaveTime(true);
            d.SetSaturdayTarget(480);
            d.SetSundayTarget(480);
        });
        auto *field = form->findChild<QLineEdit *>(arrive);
        field->setFocus();
        QTest::keyClicks(field, time);
        settle();
        QCOMPARE(form->LeaveNotice().PlannedNotice().toUTC(), told);
    }
};

QTEST_MAIN(TestTrayIcon)
#include "tst_TrayIcon.moc"
