#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "support/ScriptedPresenter.h"
#include "support/TestSupport.h"
#include "ui/TimeEdit.h"
#include "week/WeekSheet.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Regional::Settings)

using namespace Qt::StringLiterals;

namespace {

using namespace DayNumber;

// Wednesday 9 December 2026; its week starts on Sunday 6 or Monday 7 December.
const QDate Today(2026, 12, 9);
const int Sunday6 = fromDate(QDate(2026, 12, 6));
const int Monday7 = fromDate(QDate(2026, 12, 7));

struct Environment {
    TestSupport::TemporaryHome home;
    Regional::Override regional { TestSupport::englishSettings() };
    Clock::Fixed clock { QDateTime(Today, QTime(10, 0)) };
    TData data;
    TTimeRecorder recorder;
    std::unique_ptr<TWeekSheet> sheet;
    ScriptedPresenter presenter;
    TScopedPresenter scopedPresenter { presenter };
    QStringList &errors = presenter.errors;
};

bool isRed(const QWidget *widget)
{
    return widget->palette().color(QPalette::Text) == QColor(Qt::red);
}

} // namespace

class TestWeekSheet : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environment> m_env;

    TWeekSheet &sheet() { return *m_env->sheet; }
    TTimeRecorder &store() { return m_env->recorder; }
    TData &data() { return m_env->data; }
    TTimeEdit *field(int weekday, int row) { return sheet().Field(weekday, row); }
    QString text(const QString &name) { return sheet().findChild<QLabel *>(name)->text(); }
    QComboBox *weekBox() { return sheet().findChild<QComboBox *>(QStringLiteral("cbWeekBeginning")); }

    // Creates the sheet after the test has chosen its settings and shows the current week.
    bool start()
    {
        m_env->sheet = std::make_unique<TWeekSheet>(m_env->recorder, m_env->data);
        sheet().InitWeek();
        sheet().ShowWeek();
        sheet().show();
        sheet().activateWindow();
        return QTest::qWaitForWindowActive(&sheet());
    }

    void type(QWidget *widget, const QString &keys)
    {
        widget->setFocus();
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            edit->selectAll();
        else if (auto *box = qobject_cast<QComboBox *>(widget))
            box->lineEdit()->selectAll();
        QTest::keyClicks(widget, keys);
    }

    // The entry the week box's list opens on, -1 for none.
    int highlightedWeek()
    {
        weekBox()->showPopup();
        const QModelIndexList rows = weekBox()->view()->selectionModel()->selectedRows();
        weekBox()->hidePopup();
        return rows.isEmpty() ? -1 : rows.constFirst().row();
    }

    void useWorkedExampleTargets()
    {
        for (auto setter : { &TData::SetMondayTarget, &TData::SetTuesdayTarget, &TData::SetWednesdayTarget,
                 &TData::SetThusdayTarget, &TData::SetFridayTarget })
            (data().*setter)(480);
        data().SetSaturdayTarget(0);
        data().SetSundayTarget(0);
        data().SetWeeklyTarget(2400);
        data().SetIncludeHolsInTotal(true);
        data().SetFirstDayOfWeek(Monday);
        data().SetShowHols(true);
        data().SetShowExtraHours(true);
    }

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<QAbstractButton *>(); }

    void init() { m_env = std::make_unique<Environment>(); }

    void cleanup() { m_env.reset(); }

    void workedExample()
    {
        useWorkedExampleTargets();
        QVERIFY(start());
        QCOMPARE(text(QStringLiteral("laWeeklyShortfall")), QStringLiteral("Hours short"));

        const struct {
            int weekday;
            int row;
            const char *keys;
            int stored;
        } typing[] = {
            { Monday, TWeekSheet::rwArrive, "08:30", 510 },
            { Monday, TWeekSheet::rwDepart, "17:00", 1020 },
            { Monday, TWeekSheet::rwLunch, "00:30", 30 },
            { Tuesday, TWeekSheet::rwArrive, "22:00", 1320 },
            { Tuesday, TWeekSheet::rwDepart, "06:00", 360 },
            { Wednesday, TWeekSheet::rwHols, "08:00", 480 },
            { Thursday, TWeekSheet::rwArrive, "09:00", 540 },
            { Thursday, TWeekSheet::rwDepart, "09:15", 555 },
            { Thursday, TWeekSheet::rwLunch, "00:30", 30 },
        };
        for (const auto &step : typing) {
            type(field(step.weekday, step.row), QString::fromLatin1(step.keys));
            // Every typed value is in the store before the field is left.
            const int date = Monday7 + step.weekday - Monday;
            const int stored = step.row == TWeekSheet::rwArrive ? store().GetArrive(date)
                : step.row == TWeekSheet::rwDepart              ? store().GetDepart(date)
                : step.row == TWeekSheet::rwLunch               ? store().GetLunch(date)
                                                                : store().GetHoliday(date);
            QCOMPARE(stored, step.stored);
        }

        QCOMPARE(text(QStringLiteral("teMonHours")), QStringLiteral(" 8:00"));
        QCOMPARE(text(QStringLiteral("teMonDeviation")), QString());
        QCOMPARE(text(QStringLiteral("teTueHours")), QStringLiteral(" 8:00"));
        QCOMPARE(text(QStringLiteral("teWedHours")), QStringLiteral(" 8:00"));
        QCOMPARE(text(QStringLiteral("teThuHours")), QString());
        QCOMPARE(text(QStringLiteral("teThuDeviation")), QStringLiteral("-8:00"));
        QVERIFY(isRed(field(Thursday, TWeekSheet::rwArrive)));
        QVERIFY(isRed(field(Thursday, TWeekSheet::rwDepart)));
        QVERIFY(isRed(field(Thursday, TWeekSheet::rwLunch)));
        QVERIFY(!isRed(field(Monday, TWeekSheet::rwArrive)));
        QCOMPARE(text(QStringLiteral("teFriHours")), QString());
        QCOMPARE(text(QStringLiteral("teFriDeviation")), QStringLiteral("-8:00"));
        QCOMPARE(text(QStringLiteral("teWeeklyHours")), QStringLiteral(" 24:00"));
        QCOMPARE(text(QStringLiteral("laWeeklyShortfall")), QStringLiteral("Hours short"));
        QCOMPARE(text(QStringLiteral("teShortfall")), QStringLiteral(" 16:00"));
    }

    void dayCalculation_data()
    {
        QTest::addColumn<QStringList>("fields"); // Arrive, Depart, Lunch, Extra, Holiday
        QTest::addColumn<bool>("includeHols");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("deviation");
        QTest::addColumn<QString>("red"); // rows shown in red: A, D, L, X, H

        QTest::newRow("departure after midnight") << QStringList { u"22:00"_s, u"06:00"_s, {}, {}, {} }
                                                  << true << u" 8:00"_s << QString() << QString();
        QTest::newRow("arrive equals depart") << QStringList { u"08:00"_s, u"08:00"_s, {}, {}, {} } << true
                                              << QString() << u"-8:00"_s << QString();
        QTest::newRow("lunch longer than the span")
            << QStringList { u"09:00"_s, u"09:15"_s, u"00:30"_s, u"01:00"_s, u"01:00"_s } << true << QString()
            << u"-8:00"_s << u"ADL"_s;
        QTest::newRow("extra without times")
            << QStringList { {}, {}, {}, u"02:00"_s, {} } << true << u" 2:00"_s << u"-6:00"_s << QString();
        QTest::newRow("extra and holiday added")
            << QStringList { u"08:00"_s, u"12:00"_s, {}, u"1:00"_s, u"3:00"_s } << true << u" 8:00"_s
            << QString() << QString();
        QTest::newRow("holiday not counted")
            << QStringList { {}, {}, {}, {}, u"08:00"_s } << false << QString() << u"-8:00"_s << QString();
        QTest::newRow("invalid arrive") << QStringList { u"12:75"_s, u"17:00"_s, {}, {}, {} } << true
                                        << QString() << u"-8:00"_s << u"A"_s;
        QTest::newRow("not a time in extra") << QStringList { u"08:00"_s, u"16:00"_s, {}, u"1h"_s, {} }
                                             << true << u" 8:00"_s << QString() << u"X"_s;
        QTest::newRow("surplus") << QStringList { u"07:00"_s, u"16:30"_s, u"30"_s, {}, {} } << true
                                 << u" 9:00"_s << u" 1:00"_s << QString();
    }

    void dayCalculation()
    {
        QFETCH(QStringList, fields);
        QFETCH(bool, includeHols);
        QFETCH(QString, hours);
        QFETCH(QString, deviation);
        QFETCH(QString, red);
        useWorkedExampleTargets();
        data().SetIncludeHolsInTotal(includeHols);
        QVERIFY(start());

        // Leaving a field redisplays it from its value, which would turn "12:75" into
        // "13:15": the fields expected red are typed last.
        const QString rows = u"ADLXH"_s;
        for (const bool redPass : { false, true })
            for (int row = 1; row <= 5; ++row)
                if (!fields[row - 1].isEmpty() && red.contains(rows[row - 1]) == redPass)
                    type(field(Monday, row), fields[row - 1]);
        QCOMPARE(text(QStringLiteral("teMonHours")), hours);
        QCOMPARE(text(QStringLiteral("teMonDeviation")), deviation);
        for (int row = 1; row <= 5; ++row)
            QVERIFY2(
                isRed(field(Monday, row)) == red.contains(rows[row - 1]), qPrintable(rows.mid(row - 1, 1)));
    }

    void invalidTextKeepsLastValidValue()
    {
        QVERIFY(start());
        TTimeEdit *arrive = field(Monday, TWeekSheet::rwArrive);
        type(arrive, u"8"_s);
        QCOMPARE(store().GetArrive(Monday7), 480);
        QCOMPARE(arrive->text(), u"8"_s);
        // Each keystroke that leaves a valid text is stored: "12:7" is, "12:75" is not.
        type(arrive, u"12:75"_s);
        QVERIFY(isRed(arrive));
        QCOMPARE(store().GetArrive(Monday7), 727);
        QCOMPARE(text(QStringLiteral("teMonHours")), QString());
    }

    void leavingAFieldRedisplaysIt()
    {
        data().SetRoundTimes(true);
        data().SetRoundTimesTo(15);
        QVERIFY(start());
        TTimeEdit *arrive = field(Monday, TWeekSheet::rwArrive);
        type(arrive, u"807"_s);
        QCOMPARE(store().GetArrive(Monday7), 487);
        QTest::keyClick(arrive, Qt::Key_Tab);
        QVERIFY(!arrive->hasFocus());
        QCOMPARE(arrive->text(), u"08:00"_s);
        QCOMPARE(store().GetArrive(Monday7), 480);
    }

    void weeklyTargetReached()
    {
        data().SetWeeklyTarget(480);
        QVERIFY(start());
        type(field(Monday, TWeekSheet::rwArrive), u"08:00"_s);
        type(field(Monday, TWeekSheet::rwDepart), u"15:59"_s);
        QCOMPARE(text(QStringLiteral("laWeeklyShortfall")), QStringLiteral("Hours short"));
        QCOMPARE(text(QStringLiteral("teShortfall")), QStringLiteral(" 0:01"));
        type(field(Monday, TWeekSheet::rwDepart), u"16:00"_s);
        QCOMPARE(text(QStringLiteral("laWeeklyShortfall")), QStringLiteral("Hours extra"));
        QCOMPARE(text(QStringLiteral("teShortfall")), QStringLiteral(" 0:00"));
    }

    // Tuesday 8 December is a public holiday, and so is Saturday 12.
    void publicHolidaysOfTheWeek()
    {
        const QString calendar = m_env->home.path() + u"/holidays.ics"_s;
        QByteArray events;
        for (const char *day : { "20261208", "20261212" })
            events += QByteArray("BEGIN:VEVENT\r\nUID:") + day + "\r\nDTSTART;VALUE=DATE:" + day
                + "\r\nSUMMARY:Feast " + day + "\r\nEND:VEVENT\r\n";
        TestSupport::writeFile(
            calendar, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\n" + events + "END:VCALENDAR\r\n");
        data().SetHolidayCalendar(calendar);
        data().SetShowDeviationFromDailyTarget(true);
        QVERIFY(start());
        const auto heading
            = [&](int column) { return sheet().findChild<QLabel *>(u"laDay%1"_s.arg(column)); };
        QCOMPARE(heading(3)->toolTip(), u"08/12/2026\nFeast 20261208"_s);
        QCOMPARE(heading(3)->backgroundRole(), QPalette::Highlight);
        QCOMPARE(heading(2)->toolTip(), u"07/12/2026"_s);
        QCOMPARE(heading(2)->backgroundRole(), QPalette::Window);

        // Tuesday owes nothing, Saturday owed nothing anyway: 37:00 less 7:30.
        type(field(Tuesday, TWeekSheet::rwArrive), u"8"_s);
        type(field(Tuesday, TWeekSheet::rwDepart), u"10"_s);
        QCOMPARE(text(u"teTueDeviation"_s), u" 2:00"_s);
        QCOMPARE(text(u"teShortfall"_s), u" 27:30"_s);

        sheet().NextWeekAction()->trigger();
        QCOMPARE(heading(3)->toolTip(), u"15/12/2026"_s);
        QCOMPARE(heading(3)->backgroundRole(), QPalette::Window);
        QCOMPARE(m_env->presenter.questions.size(), 0);
    }

    // Monday 14:00 to 23:30 with half an hour of lunch, then Tuesday from the
    // arrival typed: a day that breaks a rule is marked, and unmarked again
    // by the keystroke that mends it.
    void breachesMarkTheirDay_data()
    {
        QTest::addColumn<int>("rules");
        QTest::addColumn<QString>("arrive");
        QTest::addColumn<QString>("breach"); // Tuesday's, empty for none
        QTest::newRow("rest 9:30") << 2 << u"9"_s << u"Rest 9:30 before this day, 11:00 required"_s;
        QTest::newRow("rest 9:30, mended") << 2 << u"9\b\b1030"_s << QString();
        QTest::newRow("a value changed") << 5 << u"1030"_s << u"Rest 11:00 before this day, 12:00 required"_s;
        QTest::newRow("rules off") << 0 << u"9"_s << QString();
    }

    void breachesMarkTheirDay()
    {
        QFETCH(int, rules);
        QFETCH(QString, arrive);
        QFETCH(QString, breach);
        data().SetFirstDayOfWeek(Monday);
        data().SetWorkingTimeRules(rules == 5 ? 2 : rules);
        if (rules == 5)
            data().SetRuleDailyRest(12 * 60);
        QVERIFY(start());
        type(field(Monday, TWeekSheet::rwArrive), u"14"_s);
        type(field(Monday, TWeekSheet::rwDepart), u"2330"_s);
        type(field(Monday, TWeekSheet::rwLunch), u"30"_s);
        type(field(Tuesday, TWeekSheet::rwDepart), u"12"_s);
        type(field(Tuesday, TWeekSheet::rwArrive), arrive);
        const auto heading
            = [&](int column) { return sheet().findChild<QLabel *>(u"laDay%1"_s.arg(column)); };
        QLabel *tuesday = heading(2);
        QCOMPARE(tuesday->text(), breach.isEmpty() ? u"Tue"_s : u"Tue!"_s);
        QCOMPARE(tuesday->toolTip(), breach.isEmpty() ? u"08/12/2026"_s : u"08/12/2026\n"_s + breach);
        QCOMPARE(tuesday->accessibleDescription(), breach);
        QCOMPARE(tuesday->frameShape(), breach.isEmpty() ? QFrame::NoFrame : QFrame::Box);
        QCOMPARE(heading(1)->text(), u"Mon"_s);
        QCOMPARE(heading(1)->frameShape(), QFrame::NoFrame);
    }

    void weekStartsOnFirstDayOfWeek_data()
    {
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<int>("weekStart");
        QTest::addColumn<QString>("firstHeading");
        QTest::addColumn<QString>("lastHeading");
        QTest::addColumn<Regional::Settings>("regional");
        QTest::addColumn<QString>("shown"); // the box at start
        const auto english = TestSupport::englishSettings();
        QTest::newRow("Sunday") << Sunday << Sunday6 << u"Sun"_s << u"Sat"_s << english << u"06/12/2026"_s;
        QTest::newRow("Monday") << Monday << Monday7 << u"Mon"_s << u"Sun"_s << english << u"07/12/2026"_s;
        // The box shows the year in four digits, as every date field does.
        QTest::newRow("Monday, two-digit year format")
            << Monday << Monday7 << u"Mon"_s << u"Sun"_s << TestSupport::withDateFormat(u'.', u"dd.MM.yy"_s)
            << u"07.12.2026"_s;
    }

    void weekStartsOnFirstDayOfWeek()
    {
        QFETCH(int, firstDayOfWeek);
        QFETCH(int, weekStart);
        QFETCH(QString, firstHeading);
        QFETCH(QString, lastHeading);
        QFETCH(Regional::Settings, regional);
        QFETCH(QString, shown);
        const Regional::Override format(regional);
        data().SetFirstDayOfWeek(firstDayOfWeek);
        store().SetArrive(fromDate(QDate(2026, 11, 25)), 420); // a Wednesday two weeks back
        QVERIFY(start());
        QCOMPARE(sheet().WeekStart(), weekStart);
        QCOMPARE(weekBox()->currentText(), shown);

        type(weekBox(), QStringList { u"25"_s, u"11"_s, u"2026"_s }.join(regional.dateSeparator));
        QTest::keyClick(weekBox(), Qt::Key_Return);
        QCOMPARE(sheet().WeekStart(), weekStart - 14);
        QCOMPARE(weekBox()->currentText(), FullYearDateText(weekStart - 14));
        QCOMPARE(weekBox()->count(), 8); // Enter does not add the typed text to the list
        QCOMPARE(field(Wednesday, TWeekSheet::rwArrive)->text(), u"07:00"_s);
        QCOMPARE(text(QStringLiteral("laDay1")), firstHeading);
        QCOMPARE(text(QStringLiteral("laDay7")), lastHeading);
        QLabel *first = sheet().findChild<QLabel *>(QStringLiteral("laDay1"));
        QCOMPARE(first->toolTip(), ShortDateText(weekStart - 14));
        QCOMPARE(field(firstDayOfWeek, TWeekSheet::rwArrive)->x(), first->x());
        QVERIFY(m_env->errors.isEmpty());
    }

    void initWeekFillsTheList()
    {
        data().SetFirstDayOfWeek(Monday);
        data().SetRoundTimes(true);
        data().SetRoundTimesTo(10);
        QVERIFY(start());
        QStringList offered;
        for (int i = 0; i < weekBox()->count(); ++i)
            offered << weekBox()->itemText(i);
        QCOMPARE(offered,
            (QStringList { u"02/11/2026"_s, u"09/11/2026"_s, u"16/11/2026"_s, u"23/11/2026"_s,
                u"30/11/2026"_s, u"07/12/2026"_s, u"14/12/2026"_s, u"21/12/2026"_s }));
        QCOMPARE(field(Saturday, TWeekSheet::rwHols)->RoundTo(), 10u);

        weekBox()->setFocus();
        weekBox()->setCurrentIndex(0);
        Q_EMIT weekBox()->activated(0);
        QCOMPARE(sheet().WeekStart(), Monday7 - 35);
    }

    void previousAndNextWeek()
    {
        data().SetFirstDayOfWeek(Monday);
        store().SetDepart(Monday7 + 7, 1000);
        QVERIFY(start());
        QAction *next = sheet().NextWeekAction();
        QCOMPARE(next->toolTip(), u"Next Week"_s);
        QCOMPARE(sheet().PreviousWeekAction()->toolTip(), u"Previous Week"_s);
        // The buttons show arrows; the Week menu shows the commands by name.
        QCOMPARE(sheet().findChild<QAbstractButton *>(u"btNextWeek"_s)->text(), u">"_s);
        QCOMPARE(sheet().findChild<QAbstractButton *>(u"btPreviousWeek"_s)->text(), u"<"_s);

        // A mid-week date moves to the week after the one containing it.
        weekBox()->setEditText(u"10/12/2026"_s);
        next->trigger();
        QCOMPARE(sheet().WeekStart(), Monday7 + 7);
        QCOMPARE(weekBox()->currentText(), u"14/12/2026"_s);
        QCOMPARE(field(Monday, TWeekSheet::rwDepart)->text(), u"16:40"_s);
        QCOMPARE(highlightedWeek(), 6);
        sheet().PreviousWeekAction()->trigger();
        QCOMPARE(sheet().WeekStart(), Monday7);
        QCOMPARE(field(Monday, TWeekSheet::rwDepart)->text(), QString());
        QCOMPARE(highlightedWeek(), 5);
        for (int week = 0; week < 3; ++week)
            next->trigger();
        QCOMPARE(highlightedWeek(), -1); // beyond the list
    }

    void textThatIsNotADateChangesNothing()
    {
        data().SetFirstDayOfWeek(Monday);
        store().SetArrive(Monday7, 500);
        QVERIFY(start());
        type(field(Tuesday, TWeekSheet::rwArrive), u"09:00"_s);
        const bool modified = store().Modified();

        type(weekBox(), u"14/13/2026"_s);
        QVERIFY(isRed(weekBox()->lineEdit()));
        QTest::keyClick(weekBox(), Qt::Key_Return);
        QCOMPARE(m_env->errors.size(), 1);
        sheet().NextWeekAction()->trigger();
        sheet().PreviousWeekAction()->trigger();
        QCOMPARE(m_env->errors.size(), 3);
        QVERIFY_THROWS_EXCEPTION(ConversionError, sheet().ShowWeek());

        QCOMPARE(sheet().WeekStart(), Monday7);
        QCOMPARE(field(Monday, TWeekSheet::rwArrive)->text(), u"08:20"_s);
        QCOMPARE(store().GetArrive(Monday7), 500);
        QCOMPARE(store().GetArrive(Monday7 + 1), 540);
        QCOMPARE(store().Modified(), modified);
        for (int day = Monday7 - 7; day < Monday7 + 14; ++day)
            QCOMPARE(store().HasDay(day), day == Monday7 || day == Monday7 + 1);
        // The week is still calculated after the failed load.
        QCOMPARE(text(QStringLiteral("teWeeklyHours")), QStringLiteral(" 0:00"));

        type(weekBox(), u"06/12/2026"_s);
        QVERIFY(!isRed(weekBox()->lineEdit()));
    }

    // Only weeks and days the data file can read back are shown and stored:
    // a day of the year 10000 would be saved and leave a file that stops there.
    void yearBoundaries_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("weekShown"); // the date typed into the box
        QTest::addColumn<bool>("dayStored"); // set in the store, saved and loaded again
        QTest::newRow("last week of 9999") << QDate(9999, 12, 25) << true << true;
        QTest::newRow("week into 10000") << QDate(9999, 12, 31) << false << true;
        QTest::newRow("10000") << QDate(10000, 1, 1) << false << false;
        QTest::newRow("65535") << QDate(65535, 12, 6) << false << false;
        QTest::newRow("65536") << QDate(65536, 12, 6) << false << false;
        QTest::newRow("week from 99") << QDate(100, 1, 2) << false << true;
        QTest::newRow("first week of 100") << QDate(100, 1, 3) << true << true;
    }

    void yearBoundaries()
    {
        QFETCH(QDate, date);
        QFETCH(bool, weekShown);
        QFETCH(bool, dayStored);
        const int day = fromDate(date);
        const QString text = u"%1/%2/%3"_s.arg(date.day()).arg(date.month()).arg(date.year());
        QVERIFY(start());
        const int shownBefore = sheet().WeekStart();

        type(weekBox(), text);
        QCOMPARE(isRed(weekBox()->lineEdit()), !weekShown);
        QTest::keyClick(weekBox(), Qt::Key_Return);
        QCOMPARE(m_env->errors.size(), weekShown ? 0 : 1);
        QCOMPARE(sheet().WeekStart(), weekShown ? weekStartOf(day, Sunday) : shownBefore);
        if (weekShown) {
            type(field(dayOfWeek(day), TWeekSheet::rwArrive), u"8"_s);
            QCOMPARE(store().GetArrive(day), 480);
        }

        bool stored = true;
        try {
            store().SetArrive(day, 480);
        } catch (const RangeError &) {
            stored = false;
        }
        QCOMPARE(stored, dayStored);
        QCOMPARE(store().HasDay(day), dayStored);
        const QString path = m_env->home.path() + u"/week.hf"_s;
        store().SaveToFile(path);
        TTimeRecorder reread;
        reread.LoadFromFile(path);
        QCOMPARE(reread.GetArrive(day), dayStored ? 480 : -1);

        // The file reader draws the same line.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toLatin1() + ",8:\r\n");
        file.close();
        bool loaded = true;
        try {
            reread.LoadFromFile(path);
        } catch (const HourframeError &) {
            loaded = false;
        }
        QCOMPARE(loaded, dayStored);
    }

    // A main window deletes its store before its sheet. The box losing the focus
    // while the sheet goes must reach neither the half-destroyed sheet nor the
    // store: the sanitizer build fails this test otherwise.
    void destroyedWithTheFocusInTheBox()
    {
        auto recorder = std::make_unique<TTimeRecorder>();
        auto sheet = std::make_unique<TWeekSheet>(*recorder, data());
        sheet->InitWeek();
        sheet->ShowWeek();
        sheet->show();
        sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(sheet.get()));
        auto *box = sheet->findChild<QComboBox *>(QStringLiteral("cbWeekBeginning"));
        // A text of the list: the box takes it as chosen when it loses the focus.
        type(box, u"13/12/2026"_s);
        QVERIFY(box->hasFocus());
        recorder.reset();
        sheet.reset();
    }

    void noDayIsWrittenBeforeAWeekIsShown()
    {
        TWeekSheet fresh(store(), data());
        fresh.findChild<QComboBox *>(QStringLiteral("cbWeekBeginning"))->setEditText(u"no date"_s);
        QVERIFY_THROWS_EXCEPTION(ConversionError, fresh.ShowWeek());
        QVERIFY(!store().HasDay(0));
        QVERIFY(!store().Modified());
    }

    void defaultLunch_data()
    {
        QTest::addColumn<bool>("useDefault");
        QTest::addColumn<int>("leftRow");
        QTest::addColumn<QString>("arrive");
        QTest::addColumn<QString>("lunchBefore");
        QTest::addColumn<QString>("lunchAfter");
        QTest::newRow("leaving Arrive")
            << true << int(TWeekSheet::rwArrive) << u"08:30"_s << QString() << u"00:30"_s;
        QTest::newRow("leaving Depart")
            << true << int(TWeekSheet::rwDepart) << u"08:30"_s << QString() << u"00:30"_s;
        QTest::newRow("arrive at midnight")
            << true << int(TWeekSheet::rwArrive) << u"00:00"_s << QString() << QString();
        QTest::newRow("no arrive") << true << int(TWeekSheet::rwDepart) << QString() << QString()
                                   << QString();
        QTest::newRow("setting off") << false << int(TWeekSheet::rwArrive) << u"08:30"_s << QString()
                                     << QString();
        QTest::newRow("lunch already there")
            << true << int(TWeekSheet::rwArrive) << u"08:30"_s << u"00:45"_s << u"00:45"_s;
    }

    void defaultLunch()
    {
        QFETCH(bool, useDefault);
        QFETCH(int, leftRow);
        QFETCH(QString, arrive);
        QFETCH(QString, lunchBefore);
        QFETCH(QString, lunchAfter);
        data().SetFirstDayOfWeek(Monday);
        data().SetUseDefaultLunchTime(useDefault);
        data().SetDefaultLunchTime(30);
        if (!lunchBefore.isEmpty())
            store().SetLunch(Monday7, 45);
        // Leaving Arrive follows typing; for Depart the arrival comes from the store,
        // so that only leaving Depart can fill the lunch.
        if (!arrive.isEmpty() && leftRow == TWeekSheet::rwDepart)
            store().SetArrive(Monday7, ParseTimeText(arrive, tkTimeOfDay).value);
        QVERIFY(start());
        if (!arrive.isEmpty() && leftRow == TWeekSheet::rwArrive)
            type(field(Monday, leftRow), arrive);
        field(Monday, leftRow)->setFocus();
        QTest::keyClick(field(Monday, leftRow), Qt::Key_Tab);
        QCOMPARE(field(Monday, TWeekSheet::rwLunch)->text(), lunchAfter);
        QCOMPARE(store().GetLunch(Monday7),
            lunchAfter.isEmpty() ? 0 : ParseTimeText(lunchAfter, tkInterval).value);
    }

    void doubleClickEntersDefaultLunch()
    {
        data().SetUseDefaultLunchTime(false);
        data().SetDefaultLunchTime(45);
        store().SetLunch(Monday7, 60);
        QVERIFY(start());
        TTimeEdit *lunch = field(Monday, TWeekSheet::rwLunch);
        QCOMPARE(lunch->text(), u"01:00"_s);
        QTest::mouseDClick(lunch, Qt::LeftButton);
        QCOMPARE(lunch->text(), u"00:45"_s);
        QCOMPARE(store().GetLunch(Monday7), 45);
        QVERIFY(!lunch->hasSelectedText());
        QCOMPARE(lunch->cursorPosition(), 5);
    }

    void arrows_data()
    {
        QTest::addColumn<int>("fromDay");
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("optionalRowsShown");
        QTest::addColumn<int>("toDay");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCaret");
        const int A = TWeekSheet::rwArrive, D = TWeekSheet::rwDepart, H = TWeekSheet::rwHols;
        QTest::newRow("right wraps from Saturday to Sunday")
            << Saturday << A << 5 << int(Qt::Key_Right) << true << Sunday << A << 5;
        QTest::newRow("right in the text moves the caret")
            << Saturday << A << 4 << int(Qt::Key_Right) << true << Saturday << A << 5;
        QTest::newRow("left at the start")
            << Tuesday << D << 0 << int(Qt::Key_Left) << true << Monday << D << 5;
        QTest::newRow("left in the middle moves the caret")
            << Tuesday << D << 2 << int(Qt::Key_Left) << true << Tuesday << D << 1;
        QTest::newRow("left wraps from the first column")
            << Monday << A << 0 << int(Qt::Key_Left) << true << Sunday << A << 5;
        QTest::newRow("down from Holiday to Arrive")
            << Friday << H << 3 << int(Qt::Key_Down) << true << Friday << A << 5;
        QTest::newRow("up from Arrive to Holiday")
            << Friday << A << 2 << int(Qt::Key_Up) << true << Friday << H << 5;
        QTest::newRow("down skips hidden rows")
            << Friday << D << 1 << int(Qt::Key_Down) << false << Friday << A << 5;
        QTest::newRow("up skips hidden rows")
            << Friday << A << 0 << int(Qt::Key_Up) << false << Friday << D << 5;
    }

    void arrows()
    {
        QFETCH(int, fromDay);
        QFETCH(int, fromRow);
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(bool, optionalRowsShown);
        QFETCH(int, toDay);
        QFETCH(int, toRow);
        QFETCH(int, toCaret);
        data().SetFirstDayOfWeek(Monday);
        data().SetShowLunchTime(optionalRowsShown);
        data().SetShowExtraHours(optionalRowsShown);
        data().SetShowHols(optionalRowsShown);
        QVERIFY(start());
        for (int weekday = 1; weekday <= 7; ++weekday)
            for (int row = 1; row <= 5; ++row)
                field(weekday, row)->setText(u"12:00"_s);

        TTimeEdit *from = field(fromDay, fromRow);
        from->setFocus();
        from->setCursorPosition(caret);
        QTest::keyClick(from, static_cast<Qt::Key>(key));
        TTimeEdit *to = field(toDay, toRow);
        QVERIFY(to->hasFocus());
        QCOMPARE(to->cursorPosition(), toCaret);
        // A field entered from another one has its text selected, so that typing replaces it.
        QCOMPARE(to->selectedText(), to == from ? QString() : to->text());
    }

    void enterMovesInTabOrder_data()
    {
        QTest::addColumn<int>("fromDay");
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<bool>("optionalRowsShown");
        QTest::addColumn<QString>("to");
        QTest::newRow("Holiday to comment") << Friday << int(TWeekSheet::rwHols) << true << u"btFriComment"_s;
        QTest::newRow("Arrive to Depart") << Friday << int(TWeekSheet::rwArrive) << true << u"teFriDepart"_s;
        QTest::newRow("Friday to Saturday")
            << Friday << int(TWeekSheet::rwDepart) << false << u"teSatArrive"_s;
        QTest::newRow("Saturday to Sunday")
            << Saturday << int(TWeekSheet::rwDepart) << false << u"teSunArrive"_s;
        QTest::newRow("Sunday back to Monday")
            << Sunday << int(TWeekSheet::rwDepart) << false << u"teMonArrive"_s;
    }

    void enterMovesInTabOrder()
    {
        QFETCH(int, fromDay);
        QFETCH(int, fromRow);
        QFETCH(bool, optionalRowsShown);
        QFETCH(QString, to);
        data().SetFirstDayOfWeek(Sunday); // the order stays Monday first whatever the columns
        data().SetShowLunchTime(optionalRowsShown);
        data().SetShowExtraHours(optionalRowsShown);
        data().SetShowHols(optionalRowsShown);
        data().SetShowComment(optionalRowsShown);
        QVERIFY(start());
        for (int weekday = 1; weekday <= 7; ++weekday)
            for (int row = 1; row <= 5; ++row)
                field(weekday, row)->setText(u"12:00"_s);
        TTimeEdit *from = field(fromDay, fromRow);
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
        if (auto *entered = qobject_cast<QLineEdit *>(QApplication::focusWidget())) // typing replaces
            QCOMPARE(entered->selectedText(), u"12:00"_s);
    }

    void commentButtonByKeyboard()
    {
        data().SetShowComment(true);
        QVERIFY(start());
        QAbstractButton *button = sheet().CommentButton(Friday);
        const QImage unfocused = button->grab().toImage();
        QTest::keyClick(field(Friday, TWeekSheet::rwHols), Qt::Key_Return);
        QVERIFY2(button->hasFocus() && button->grab().toImage() != unfocused, "no focus mark");
        QSignalSpy clicked(&sheet(), &TWeekSheet::CommentClicked);
        for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space })
            QTest::keyClick(button, key);
        QCOMPARE(clicked.size(), 3);
    }

    void arrangeRows()
    {
        data().SetFirstDayOfWeek(Monday);
        QVERIFY(start());
        QCOMPARE(sheet().ArrangeRows(false, false, false, false), 100);
        sheet().SetResultRowsVisible(false, false);
        QCOMPARE(sheet().height(), 100 + 14 + 25 + 18);
        QCOMPARE(sheet().ArrangeRows(true, false, false, false), 124);
        QCOMPARE(sheet().ArrangeRows(true, true, true, true), 196);
        sheet().SetResultRowsVisible(true, true);
        QCOMPARE(sheet().height(), 196 + 14 + 25 + 19 + 18 + 21);
        for (int row = TWeekSheet::rwLunch; row <= TWeekSheet::rwComment; ++row)
            QVERIFY(sheet().IsRowShown(row));
        QCOMPARE(field(Monday, TWeekSheet::rwHols)->y(), 148);
        QCOMPARE(sheet().CommentButton(Monday)->y(), 172);
    }

    // Row labels end at least 4 pixels (the design's gap) before the first column
    // in the font in use; figures end at the right edge of their column.
    void labelsClearTheFirstColumn()
    {
        data().SetFirstDayOfWeek(Monday);
        data().SetMondayTarget(23 * 60 + 59);
        data().SetShowComment(true);
        data().SetShowDeviationFromDailyTarget(true);
        QVERIFY(start());
        const auto left = [this](const QWidget *w) { return w->mapTo(&sheet(), QPoint()).x(); };
        const auto textWidth = [](const QLabel *l) { return l->fontMetrics().horizontalAdvance(l->text()); };
        const int firstColumn = left(field(Monday, TWeekSheet::rwArrive));
        for (const QLabel *label : sheet().findChildren<QLabel *>(QRegularExpression(u"^la[A-Z][a-z]+$"_s)))
            QVERIFY2(left(label) + textWidth(label) + 4 <= firstColumn, qPrintable(label->text()));
        const int columnEnd = firstColumn + field(Monday, TWeekSheet::rwArrive)->width();
        const QLabel *deviation = sheet().findChild<QLabel *>(u"teMonDeviation"_s);
        QCOMPARE(deviation->text(), u"-23:59"_s);
        QCOMPARE(left(deviation) + deviation->width(), columnEnd);
        QVERIFY(columnEnd - textWidth(deviation) >= firstColumn);
        const QLabel *weekly = sheet().findChild<QLabel *>(u"teWeeklyHours"_s);
        const TTimeEdit *third = field(Wednesday, TWeekSheet::rwArrive);
        QCOMPARE(left(weekly) + weekly->width(), left(third) + third->width());
    }

    void rowShownByData()
    {
        data().SetFirstDayOfWeek(Monday);
        data().SetShowLunchTime(false);
        store().SetExtra(Monday7 + 2, 60);
        store().SetComment(Monday7 + 4, u"  Dentist "_s);
        QVERIFY(start());
        QVERIFY(sheet().WeekHasExtra());
        QVERIFY(sheet().WeekHasComments());
        QVERIFY(!sheet().WeekHasLunch());
        QVERIFY(!sheet().WeekHasHolidays());
        QCOMPARE(sheet().ArrangeRows(false, false, false, false), 148);
        QVERIFY(!sheet().IsRowShown(TWeekSheet::rwLunch));
        QVERIFY(sheet().IsRowShown(TWeekSheet::rwExtra));
        QVERIFY(field(Wednesday, TWeekSheet::rwExtra)->isVisible());
        QCOMPARE(field(Wednesday, TWeekSheet::rwExtra)->y(), 100);
        QCOMPARE(sheet().findChild<QLabel *>(QStringLiteral("laExtra"))->y(), 104);
        QCOMPARE(sheet().CommentButton(Friday)->y(), 124);

        // Moving to a week without them hides both rows again.
        sheet().NextWeekAction()->trigger();
        QVERIFY(!sheet().IsRowShown(TWeekSheet::rwExtra));
        QVERIFY(!sheet().IsRowShown(TWeekSheet::rwComment));
    }

    void commentButtons()
    {
        data().SetFirstDayOfWeek(Monday);
        store().SetComment(Monday7 + 3, u"  Dentist\t"_s);
        QVERIFY(start());
        QAbstractButton *thursday = sheet().CommentButton(Thursday);
        QCOMPARE(thursday->objectName(), u"btThuComment"_s);
        QCOMPARE(thursday->text(), u"C"_s);
        QCOMPARE(thursday->toolTip(), u"Dentist"_s);
        QCOMPARE(sheet().CommentButton(Friday)->text(), u"..."_s);

        QSignalSpy clicked(&sheet(), &TWeekSheet::CommentClicked);
        QTest::mouseClick(thursday, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(1).toInt(), Monday7 + 3);

        sheet().UpdateCommentButton(thursday, u" "_s, Monday7 + 3);
        QCOMPARE(thursday->text(), u"..."_s);
        QVERIFY(!sheet().WeekHasComments());
    }

    void focusTodayAndCurrentTime()
    {
        data().SetFirstDayOfWeek(Monday);
        QVERIFY(start());
        TTimeEdit *arrive = field(Wednesday, TWeekSheet::rwArrive);
        TTimeEdit *depart = field(Wednesday, TWeekSheet::rwDepart);
        sheet().FocusToday();
        QVERIFY(arrive->hasFocus());
        QVERIFY(sheet().IsArriveOrDepartField(arrive));
        sheet().EnterCurrentTime();
        QCOMPARE(arrive->text(), u"10:00"_s);
        QCOMPARE(store().GetArrive(Monday7 + 2), 600);

        sheet().FocusToday();
        QVERIFY(depart->hasFocus());
        type(depart, u"18:00"_s);
        sheet().FocusToday();
        QVERIFY(field(Wednesday, TWeekSheet::rwLunch)->hasFocus());
        QVERIFY(!sheet().IsArriveOrDepartField(field(Wednesday, TWeekSheet::rwLunch)));
        QVERIFY(sheet().IsTimeField(field(Wednesday, TWeekSheet::rwLunch)));
        type(field(Wednesday, TWeekSheet::rwLunch), u"30"_s);
        sheet().FocusToday();
        QVERIFY(depart->hasFocus());
    }
};

QTEST_MAIN(TestWeekSheet)
#include "tst_WeekSheet.moc"
