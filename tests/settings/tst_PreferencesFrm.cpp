#include "StoreFile.h"
#include "core/Targets.h"
#include "settings/DataMod.h"
#include "settings/PreferencesFrm.h"
#include "ui/Printers.h"
#include "ui/TimeEdit.h"

#include "support/ScriptedPresenter.h"
#include "support/TestSupport.h"

#include "ui/DateEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

class TPreferencesForm;
using FormEdit = std::function<void(TPreferencesForm &)>;
using InstanceAction = std::function<void(TData &)>;
Q_DECLARE_METATYPE(FormEdit)
Q_DECLARE_METATYPE(InstanceAction)

class TestPreferencesForm : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Regional::Override> m_regional;
    std::unique_ptr<TestSupport::TemporaryHome> m_home;
    std::optional<TScopedPrinterCheck> m_printers;
    std::unique_ptr<TData> m_data;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    std::optional<TScopedPresenter> m_scopedPresenter;
    QString m_question; // the last question of the date new targets apply from

    TData &data() { return *m_data; }

    // The next question from which date new targets apply takes this date,
    // or the one offered when it is null.
    void answerTargetsFrom(const QDate &date = {})
    {
        m_presenter->dialogScripts.enqueue([this, date](QDialog &dialog) {
            m_question = child<QLabel>(dialog, u"laTargetsFrom"_s)->text();
            if (!date.isNull())
                child<TDateEdit>(dialog, u"edTargetsFrom"_s)->setDate(date);
            return int(QDialog::Accepted);
        });
    }

    QString storePath() const { return m_home->configHome() + u"/Orvane Software/Hourframe.reg"_s; }

    // What the next start of the program would read.
    std::unique_ptr<TData> reread() const { return std::make_unique<TData>(); }

    template<typename T> static T *child(QWidget &form, const QString &name)
    {
        T *widget = form.findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    static QLineEdit *field(QWidget &form, const QString &name) { return child<QLineEdit>(form, name); }
    static QCheckBox *box(QWidget &form, const QString &name) { return child<QCheckBox>(form, name); }
    static QPushButton *ok(QWidget &form) { return child<QPushButton>(form, u"btOk"_s); }

    // The Options dialog of an instance, edited and confirmed.
    static void confirm(TData &data, const FormEdit &edit)
    {
        TPreferencesForm form(data);
        form.show();
        edit(form);
        QTest::mouseClick(ok(form), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    static int numberOf(const TData &data, const QString &name)
    {
        const TSettingValue value = data.Value(*TData::Find(name));
        return std::holds_alternative<bool>(value) ? int(std::get<bool>(value)) : std::get<int>(value);
    }

    // Replaces the text as typed keys when the control takes keys, else as
    // the text of a disabled control.
    static void retype(QLineEdit *edit, const QString &text)
    {
        if (!edit->isEnabled()) {
            edit->setText(text);
            return;
        }
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

private Q_SLOTS:
    void init()
    {
        m_regional = std::make_unique<Regional::Override>(TestSupport::englishSettings());
        m_home = std::make_unique<TestSupport::TemporaryHome>();
        m_data = std::make_unique<TData>();
        m_printers.emplace(false);
        m_presenter = std::make_unique<ScriptedPresenter>();
        m_scopedPresenter.emplace(*m_presenter);
    }

    void cleanup()
    {
        QVERIFY2(!m_presenter->unexpected, "a question no test asked for");
        m_scopedPresenter.reset();
        m_presenter.reset();
        m_printers.reset();
        m_data.reset();
        m_home.reset();
        m_regional.reset();
    }

    void defaultsOpenWithSumDisabled()
    {
        TPreferencesForm form(data());
        form.show();
        QCOMPARE(form.windowTitle(), u"Preferences"_s);
        auto *pages = child<QTabWidget>(form, u"pcPreferences"_s);
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->tabText(0), u"&Options"_s);
        QCOMPARE(pages->tabText(1), u"&Target Hours"_s);
        QCOMPARE(pages->tabText(2), u"Holida&ys"_s);
        QCOMPARE(pages->tabText(3), u"&Printer"_s);
        QCOMPARE(pages->tabText(4), u"&Balance"_s);

        QCOMPARE(field(form, u"teWeeklyTarget"_s)->text(), u"37:00"_s);
        QVERIFY(!field(form, u"teWeeklyTarget"_s)->isEnabled());
        for (const QString &day : { u"Monday"_s, u"Tuesday"_s, u"Wednesday"_s, u"Thursday"_s, u"Friday"_s,
                 u"Saturday"_s, u"Sunday"_s })
            QVERIFY2(field(form, u"te"_s + day + u"Target"_s)->isEnabled(), qPrintable(day));
        QCOMPARE(field(form, u"teMondayTarget"_s)->text(), u"07:30"_s);
        QCOMPARE(field(form, u"teFridayTarget"_s)->text(), u"07:00"_s);
        QCOMPARE(field(form, u"teSundayTarget"_s)->text(), u"00:00"_s);
        QVERIFY(!field(form, u"edRoundTimesTo"_s)->isEnabled());
        QCOMPARE(field(form, u"edRoundTimesTo"_s)->text(), u"5"_s);
        QVERIFY(field(form, u"teDefaultLunchTime"_s)->isEnabled());
        QCOMPARE(field(form, u"edFontSize"_s)->text(), u"12"_s);
        QCOMPARE(child<QComboBox>(form, u"cbFirstDayOfWeek"_s)->currentText(), u"Sunday"_s);
        QVERIFY(box(form, u"ckAutoEnterTime"_s)->isChecked());
        QVERIFY(box(form, u"ckIncludeHolsInTotal"_s)->isChecked());
        QVERIFY(!box(form, u"ckAutoSave"_s)->isChecked());
        QVERIFY(box(form, u"ckBalanceFromFirstDay"_s)->isChecked());
        QVERIFY(!child<TDateEdit>(form, u"edBalanceStartDate"_s)->isEnabled());
        QCOMPARE(field(form, u"teBalanceOpening"_s)->text(), u"0:00"_s);
        QVERIFY(ok(form)->isEnabled());
    }

    // A start date opens unticked with its date; the opening with its sign.
    void storedBalanceSettingsOpenAsStored()
    {
        data().SetBalanceStartDate(46027);
        data().SetBalanceOpening(-195);
        TPreferencesForm form(data());
        form.show();
        QVERIFY(!box(form, u"ckBalanceFromFirstDay"_s)->isChecked());
        QCOMPARE(child<TDateEdit>(form, u"edBalanceStartDate"_s)->date(), QDate(2026, 1, 5));
        QCOMPARE(field(form, u"teBalanceOpening"_s)->text(), u"-3:15"_s);
        box(form, u"ckBalanceFromFirstDay"_s)->click();
        QVERIFY(!child<TDateEdit>(form, u"edBalanceStartDate"_s)->isEnabled());
        QTest::mouseClick(ok(form), Qt::LeftButton);
        QCOMPARE(reread()->BalanceStartDate(), 0);
        QCOMPARE(reread()->BalanceOpening(), -195);
    }

    void storedWeeklyTargetGivesWayToTheSumOfTheDays()
    {
        data().SetWeeklyTarget(2400);
        TPreferencesForm form(data());
        form.show();
        QCOMPARE(field(form, u"teWeeklyTarget"_s)->text(), u"37:00"_s);
        QTest::mouseClick(ok(form), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(reread()->WeeklyTarget(), 2220);
    }

    void deviationBoxesSwitchTheTargetFields()
    {
        TPreferencesForm form(data());
        form.show();
        auto *daily = box(form, u"ckShowDeviationFromDailyTarget"_s);
        auto *weekly = box(form, u"ckShowDeviationFromWeeklyTarget"_s);
        QLineEdit *weeklyField = field(form, u"teWeeklyTarget"_s);
        QLineEdit *monday = field(form, u"teMondayTarget"_s);
        QLineEdit *sunday = field(form, u"teSundayTarget"_s);

        // The day targets stay open whatever the boxes say.
        weekly->click();
        QVERIFY(weeklyField->isEnabled());
        QVERIFY(monday->isEnabled());

        daily->click();
        QVERIFY(!weeklyField->isEnabled());
        QVERIFY(monday->isEnabled());
        QVERIFY(sunday->isEnabled());

        weekly->click();
        QVERIFY(!weeklyField->isEnabled());
        QVERIFY(monday->isEnabled());

        daily->click();
        QVERIFY(!weeklyField->isEnabled());
        QVERIFY(monday->isEnabled());
        QVERIFY(sunday->isEnabled());
    }

    void storedDeviationFlagsApplyOnOpening()
    {
        data().SetShowDeviationFromWeeklyTarget(true);
        data().SetRoundTimes(true);
        {
            TPreferencesForm form(data());
            QVERIFY(field(form, u"teWeeklyTarget"_s)->isEnabled());
            QVERIFY(field(form, u"teMondayTarget"_s)->isEnabled());
            QVERIFY(field(form, u"edRoundTimesTo"_s)->isEnabled());
        }
        data().SetShowDeviationFromDailyTarget(true);
        TPreferencesForm form(data());
        QVERIFY(!field(form, u"teWeeklyTarget"_s)->isEnabled());
        QVERIFY(field(form, u"teMondayTarget"_s)->isEnabled());
    }

    void dayTargetMovesTheWeeklySumAtOnce()
    {
        TPreferencesForm form(data());
        form.show();
        box(form, u"ckShowDeviationFromDailyTarget"_s)->click();
        retype(field(form, u"teMondayTarget"_s), u"8:00"_s);
        QCOMPARE(field(form, u"teWeeklyTarget"_s)->text(), u"37:30"_s);
        retype(field(form, u"teSaturdayTarget"_s), u"2:15"_s);
        QCOMPARE(field(form, u"teWeeklyTarget"_s)->text(), u"39:45"_s);
    }

    // A change of the targets asks from which day on it holds, and the days
    // before keep theirs; Delete takes an entry other than the first away.
    void targetHistory_data()
    {
        QTest::addColumn<QString>("history");
        QTest::addColumn<FormEdit>("edit");
        QTest::addColumn<QString>("answer"); // none asked when empty; "offered", "cancel" or a date
        QTest::addColumn<QStringList>("listed"); // the list as OK finds it
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("monday");

        const QString fullTime
            = u"Mon=8:00 Tue=8:00 Wed=8:00 Thu=8:00 Fri=8:00 Sat=0:00 Sun=0:00 Week=40:00"_s;
        const QString partTime
            = u"Mon=6:24 Tue=6:24 Wed=6:24 Thu=6:24 Fri=6:24 Sat=0:00 Sun=0:00 Week=32:00"_s;
        const QString changed = fullTime + u"; from 2026-09-07 "_s + partTime;
        const QStringList bothListed { u"The start 40:00"_s, u"07/09/2026 32:00"_s };
        const auto monday = [](const QString &text) {
            return FormEdit(
                [text](TPreferencesForm &form) { retype(field(form, u"teMondayTarget"_s), text); });
        };
        const auto remove = [](int row) {
            return FormEdit([row](TPreferencesForm &form) {
                auto *list = child<QTreeWidget>(form, u"lvTargetHistory"_s);
                list->setCurrentItem(list->topLevelItem(row));
                QTest::mouseClick(child<QPushButton>(form, u"btDeleteTargets"_s), Qt::LeftButton);
            });
        };
        QTest::newRow("nothing changed, nothing asked")
            << changed << FormEdit([](TPreferencesForm &) {}) << QString() << bothListed << changed << 384;
        QTest::newRow("a change from the week offered")
            << QString() << monday(u"8:00"_s) << u"offered"_s << QStringList { u"The start 37:00"_s }
            << u"Mon=7:30 Tue=7:30 Wed=7:30 Thu=7:30 Fri=7:00 Sat=0:00 Sun=0:00 Week=37:00; from 2026-12-06 "
               u"Mon=8:00 Tue=7:30 Wed=7:30 Thu=7:30 Fri=7:00 Sat=0:00 Sun=0:00 Week=37:30"_s
            << 480;
        QTest::newRow("a change before the latest replaces it") << changed << monday(u"7:00"_s)
                                                                << u"2026-08-03"_s << bothListed
                                                                << fullTime
                + u"; from 2026-08-03 Mon=7:00 Tue=6:24 Wed=6:24 Thu=6:24 Fri=6:24 Sat=0:00 Sun=0:00 "
                  u"Week=32:36"_s << 420;
        QTest::newRow("a change from the start")
            << changed << monday(u"9:00"_s) << u"0100-01-01"_s << bothListed << QString() << 540;
        QTest::newRow("the question cancelled") << QString() << monday(u"8:00"_s) << u"cancel"_s
                                                << QStringList { u"The start 37:00"_s } << QString() << 450;
        QTest::newRow("the latest deleted")
            << changed << remove(1) << QString() << QStringList { u"The start 40:00"_s } << QString() << 480;
        QTest::newRow("the first kept") << changed << remove(0) << QString() << bothListed << changed << 384;
    }

    void targetHistory()
    {
        QFETCH(QString, history);
        QFETCH(FormEdit, edit);
        QFETCH(QString, answer);
        QFETCH(QStringList, listed);
        QFETCH(QString, stored);
        QFETCH(int, monday);
        const Clock::Fixed clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        if (!history.isEmpty())
            data().SetTargets(TTargets(ParseTargetHistory(history)));
        TPreferencesForm form(data());
        form.show();
        edit(form);
        QStringList rows;
        const auto *list = child<QTreeWidget>(form, u"lvTargetHistory"_s);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + u' ' + list->topLevelItem(i)->text(1);
        QCOMPARE(rows, listed);

        if (answer == u"cancel")
            m_presenter->dialogScripts.enqueue([](QDialog &) { return int(QDialog::Rejected); });
        else if (!answer.isEmpty())
            answerTargetsFrom(answer == u"offered" ? QDate() : QDate::fromString(answer, Qt::ISODate));
        QTest::mouseClick(ok(form), Qt::LeftButton);
        QCOMPARE(form.result(), int(answer == u"cancel" ? QDialog::Rejected : QDialog::Accepted));
        QVERIFY(m_presenter->dialogScripts.isEmpty());
        if (!answer.isEmpty())
            QCOMPARE(m_question, u"From which date do the new targets apply?"_s);
        const auto s = reread();
        QCOMPARE(s->TargetHistory(), stored);
        QCOMPARE(s->MondayTarget(), monday);
    }

    void emptyTimeFieldsCountAndStoreAsZero()
    {
        data().SetDefaultLunchTime(30);
        TPreferencesForm form(data());
        form.show();
        box(form, u"ckShowDeviationFromDailyTarget"_s)->click();
        retype(field(form, u"teMondayTarget"_s), QString());
        QCOMPARE(field(form, u"teWeeklyTarget"_s)->text(), u"29:30"_s);
        retype(field(form, u"teDefaultLunchTime"_s), QString());
        QVERIFY(ok(form)->isEnabled());
        answerTargetsFrom();
        QTest::mouseClick(ok(form), Qt::LeftButton);

        const auto stored = reread();
        QCOMPARE(stored->MondayTarget(), 0);
        QCOMPARE(stored->DefaultLunchTime(), 0);
        QCOMPARE(stored->WeeklyTarget(), 1770);
    }

    void validationEnablesOk_data()
    {
        QTest::addColumn<QString>("tick"); // a check box that makes the control editable
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("okEnabled");

        const QString weekly = u"ckShowDeviationFromWeeklyTarget"_s;
        const QString daily = u"ckShowDeviationFromDailyTarget"_s;
        const QString round = u"ckRoundTimes"_s;
        QTest::newRow("weekly 168:00") << weekly << u"teWeeklyTarget"_s << u"168:00"_s << false;
        QTest::newRow("weekly 167:59") << weekly << u"teWeeklyTarget"_s << u"167:59"_s << true;
        QTest::newRow("weekly 7:60") << weekly << u"teWeeklyTarget"_s << u"7:60"_s << false;
        QTest::newRow("monday 24:00") << daily << u"teMondayTarget"_s << u"24:00"_s << false;
        QTest::newRow("monday 23:59") << daily << u"teMondayTarget"_s << u"23:59"_s << true;
        QTest::newRow("monday letters") << daily << u"teMondayTarget"_s << u"8:x"_s << false;
        QTest::newRow("monday negative") << daily << u"teMondayTarget"_s << u"-5"_s << false;
        QTest::newRow("monday huge") << daily << u"teMondayTarget"_s << u"35791394:00"_s << false;
        QTest::newRow("lunch 24:00") << QString() << u"teDefaultLunchTime"_s << u"24:00"_s << false;
        QTest::newRow("lunch 23:59") << QString() << u"teDefaultLunchTime"_s << u"23:59"_s << true;
        QTest::newRow("round 0") << round << u"edRoundTimesTo"_s << u"0"_s << false;
        QTest::newRow("round empty") << round << u"edRoundTimesTo"_s << QString() << false;
        QTest::newRow("round -1") << round << u"edRoundTimesTo"_s << u"-1"_s << false;
        QTest::newRow("round 99") << round << u"edRoundTimesTo"_s << u"99"_s << true;
        QTest::newRow("round 0 while off") << QString() << u"edRoundTimesTo"_s << u"0"_s << false;
        QTest::newRow("round empty while off") << QString() << u"edRoundTimesTo"_s << QString() << false;
        QTest::newRow("size empty") << QString() << u"edFontSize"_s << QString() << false;
        QTest::newRow("size 0") << QString() << u"edFontSize"_s << u"0"_s << false;
        QTest::newRow("size 8") << QString() << u"edFontSize"_s << u"8"_s << true;
        QTest::newRow("opening ahead") << QString() << u"teBalanceOpening"_s << u"+12:30"_s << true;
        QTest::newRow("opening 3:75") << QString() << u"teBalanceOpening"_s << u"-3:75"_s << false;
        QTest::newRow("opening two signs") << QString() << u"teBalanceOpening"_s << u"--1:00"_s << false;
        QTest::newRow("opening sign alone") << QString() << u"teBalanceOpening"_s << u"-"_s << false;
        QTest::newRow("opening huge") << QString() << u"teBalanceOpening"_s << u"-35791395:00"_s << false;
        QTest::newRow("vacation 366") << QString() << u"edVacationDaysPerYear"_s << u"366"_s << true;
        QTest::newRow("vacation 367") << QString() << u"edVacationDaysPerYear"_s << u"367"_s << false;
        QTest::newRow("vacation -1") << QString() << u"edVacationDaysPerYear"_s << u"-1"_s << false;
        QTest::newRow("vacation empty") << QString() << u"edVacationDaysPerYear"_s << QString() << false;
        QTest::newRow("carried over -366") << QString() << u"edVacationCarriedOver"_s << u"-366"_s << true;
        QTest::newRow("carried over 367") << QString() << u"edVacationCarriedOver"_s << u"367"_s << false;
    }

    void validationEnablesOk()
    {
        QFETCH(QString, tick);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(bool, okEnabled);

        TPreferencesForm form(data());
        form.show();
        if (!tick.isEmpty())
            box(form, tick)->click();
        QLineEdit *edit = field(form, control);
        QCOMPARE(edit->isEnabled(), !tick.isEmpty() || control != u"edRoundTimesTo"_s);
        retype(edit, text);
        QCOMPARE(edit->text(), text);
        QCOMPARE(ok(form)->isEnabled(), okEnabled);

        // Correcting the text enables OK again; no message in between.
        retype(edit, control.startsWith(u"te"_s) ? u"1:00"_s : u"10"_s);
        QVERIFY(ok(form)->isEnabled());
    }

    // A set chosen with the keyboard shows its values; OK stores a value only
    // where it differs from the set's own.
    void workingTimeRules_data()
    {
        QTest::addColumn<int>("set"); // the item chosen: 0 Off to 3 France
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text"); // typed into the control; empty: as the set shows it
        QTest::addColumn<QString>("shown"); // what the control shows before
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<int>("stored"); // -1: the set's own value
        QTest::newRow("Germany as it is")
            << 2 << u"teRuleDailyRest"_s << QString() << u"11:00"_s << true << -1;
        QTest::newRow("Germany, the rest changed")
            << 2 << u"teRuleDailyRest"_s << u"10:00"_s << u"11:00"_s << true << 600;
        QTest::newRow("France's break") << 3 << u"teRuleBreak"_s << QString() << u"00:20"_s << true << -1;
        QTest::newRow("a rule left out") << 1 << u"teRuleWeeklyRest"_s << u"0"_s << u"35:00"_s << true << 0;
        QTest::newRow("a week and a minute")
            << 2 << u"teRuleDailyMaximum"_s << u"168:01"_s << u"10:00"_s << false << 0;
        QTest::newRow("a year of weeks") << 2 << u"edRuleAverageWeeks"_s << u"52"_s << u"24"_s << true << 52;
        QTest::newRow("53 weeks") << 2 << u"edRuleAverageWeeks"_s << u"53"_s << u"24"_s << false << 0;
    }

    void workingTimeRules()
    {
        QFETCH(int, set);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(bool, okEnabled);
        QFETCH(int, stored);
        TPreferencesForm form(data());
        form.show();
        auto *rules = child<QComboBox>(form, u"cbWorkingTimeRules"_s);
        QLineEdit *edit = field(form, control);
        QVERIFY(!edit->isEnabled());
        rules->setFocus();
        for (int i = 0; i < set; ++i)
            QTest::keyClick(rules, Qt::Key_Down);
        QCOMPARE(edit->text(), shown);
        QVERIFY(edit->isEnabled());
        if (!text.isEmpty())
            retype(edit, text);
        QCOMPARE(ok(form)->isEnabled(), okEnabled);
        if (!okEnabled)
            return;
        QTest::mouseClick(ok(form), Qt::LeftButton);
        const std::unique_ptr<TData> next = reread();
        QCOMPARE(next->WorkingTimeRules(), set);
        QCOMPARE(numberOf(*next, control.sliced(2)), stored);
    }

    void sizeBoxTakesDigitsAndBackspaceOnly()
    {
        TPreferencesForm form(data());
        form.show();
        QLineEdit *size = field(form, u"edFontSize"_s);
        size->clear();
        QTest::keyClicks(size, u"1a-2 .b"_s);
        QCOMPARE(size->text(), u"12"_s);
        QTest::keyClick(size, Qt::Key_Backspace);
        QCOMPARE(size->text(), u"1"_s);
        QTest::keyClicks(size, u"0"_s);
        QCOMPARE(size->text(), u"10"_s);
    }

    void roundToBoxHoldsTwoCharacters()
    {
        data().SetRoundTimes(true);
        TPreferencesForm form(data());
        form.show();
        QLineEdit *roundTo = field(form, u"edRoundTimesTo"_s);
        roundTo->clear();
        QTest::keyClicks(roundTo, u"150"_s);
        QCOMPARE(roundTo->text(), u"15"_s);
    }

    void firstDayOfWeekIsTheItemAfterTheIndex()
    {
        data().SetFirstDayOfWeek(2);
        TPreferencesForm form(data());
        form.show();
        auto *firstDay = child<QComboBox>(form, u"cbFirstDayOfWeek"_s);
        QCOMPARE(firstDay->currentText(), u"Monday"_s);
        QVERIFY(!firstDay->isEditable());
        firstDay->setCurrentIndex(firstDay->findText(u"Saturday"_s));
        QTest::mouseClick(ok(form), Qt::LeftButton);
        QCOMPARE(reread()->FirstDayOfWeek(), 7);
    }

    void okStoresEveryControl()
    {
        m_printers.emplace(true);
        TPreferencesForm form(data());
        form.show();
        // Turn every check box the other way.
        const QStringList boxes { u"ckAssociateHfFiles"_s, u"ckReopenLastUsedFile"_s, u"ckUseToolTray"_s,
            u"ckAutoSave"_s, u"ckAutoEnterTime"_s, u"ckRoundTimes"_s, u"ckShowLunchTime"_s,
            u"ckShowExtraHours"_s, u"ckShowHols"_s, u"ckShowComment"_s, u"ckIncludeHolsInTotal"_s,
            u"ckShowDeviationFromDailyTarget"_s, u"ckShowDeviationFromWeeklyTarget"_s,
            u"ckUseDefaultLunchTime"_s };
        for (const QString &name : boxes)
            box(form, name)->click();
        const QStringList days { u"teSaturdayTarget"_s, u"teSundayTarget"_s, u"teMondayTarget"_s,
            u"teTuesdayTarget"_s, u"teWednesdayTarget"_s, u"teThursdayTarget"_s, u"teFridayTarget"_s };
        for (int i = 0; i < days.size(); ++i)
            retype(field(form, days[i]), QString::number(i + 1) + u":0"_s + QString::number(i + 1));
        retype(field(form, u"teDefaultLunchTime"_s), u"0:45"_s);
        retype(field(form, u"edRoundTimesTo"_s), u"15"_s);
        retype(field(form, u"edFontSize"_s), u"9"_s);
        auto *fonts = child<QComboBox>(form, u"cbFontName"_s);
        QVERIFY(fonts->count() > 0);
        fonts->setCurrentIndex(fonts->count() - 1);
        const QString font = fonts->currentText();
        child<QComboBox>(form, u"cbFirstDayOfWeek"_s)->setCurrentIndex(3);
        box(form, u"ckBalanceFromFirstDay"_s)->click();
        child<TDateEdit>(form, u"edBalanceStartDate"_s)->setDate(QDate(2026, 1, 5));
        retype(field(form, u"teBalanceOpening"_s), u"+12:30"_s);
        box(form, u"ckNotifyLeaveTime"_s)->click();
        answerTargetsFrom();
        retype(field(form, u"edHolidayCalendar"_s), u"/nowhere/holidays.ics"_s);
        retype(field(form, u"edVacationDaysPerYear"_s), u"27"_s);
        retype(field(form, u"edVacationCarriedOver"_s), u"-2"_s);
        QTest::mouseClick(ok(form), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));

        const auto s = reread();
        QCOMPARE(s->AssociateHfFiles(), true);
        QCOMPARE(s->ReopenLastUsedFile(), false);
        QCOMPARE(s->UseToolTray(), true);
        QCOMPARE(s->AutoSave(), true);
        QCOMPARE(s->AutoEnterTime(), false);
        QCOMPARE(s->RoundTimes(), true);
        QCOMPARE(s->ShowLunchTime(), false);
        QCOMPARE(s->ShowExtraHours(), true);
        QCOMPARE(s->ShowHols(), true);
        QCOMPARE(s->ShowComment(), true);
        QCOMPARE(s->IncludeHolsInTotal(), false);
        QCOMPARE(s->ShowDeviationFromDailyTarget(), true);
        QCOMPARE(s->ShowDeviationFromWeeklyTarget(), true);
        QCOMPARE(s->UseDefaultLunchTime(), true);
        QCOMPARE(s->SaturdayTarget(), 61);
        QCOMPARE(s->SundayTarget(), 122);
        QCOMPARE(s->MondayTarget(), 183);
        QCOMPARE(s->TuesdayTarget(), 244);
        QCOMPARE(s->WednesdayTarget(), 305);
        QCOMPARE(s->ThusdayTarget(), 366);
        QCOMPARE(s->FridayTarget(), 427);
        QCOMPARE(s->WeeklyTarget(), 61 + 122 + 183 + 244 + 305 + 366 + 427);
        QCOMPARE(s->DefaultLunchTime(), 45);
        QCOMPARE(s->RoundTimesTo(), 15);
        QCOMPARE(s->PrinterFontSize(), 9);
        QCOMPARE(s->PrinterFontName(), font);
        QCOMPARE(s->FirstDayOfWeek(), 4);
        QCOMPARE(s->BalanceStartDate(), 46027);
        QCOMPARE(s->BalanceOpening(), 750);
        QCOMPARE(s->NotifyLeaveTime(), true);
        QCOMPARE(s->HolidayCalendar(), u"/nowhere/holidays.ics"_s);
        QCOMPARE(s->VacationDaysPerYear(), 27);
        QCOMPARE(s->VacationCarriedOver(), -2);
    }

    // What the page tells of the calendar as it is chosen; the settings then
    // use what the page read and tell nothing again.
    void holidayCalendarIsReadAsChosen_data()
    {
        QTest::addColumn<QByteArray>("calendar"); // empty: no file
        QTest::addColumn<QString>("told");
        QTest::addColumn<int>("holidaysInTheWeek");

        const QString federal = u"" HOURFRAME_TEST_DATA "/holidays-yearly.ics"_s;
        QTest::newRow("a calendar") << TestSupport::readFile(federal) << u"12 public holidays in 2026"_s << 1;
        QTest::newRow("one holiday this year")
            << QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\nBEGIN:VEVENT\r\nUID:1\r\n"
                          "DTSTART;VALUE=DATE:20260101\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            << u"1 public holiday in 2026"_s << 0;
        QTest::newRow("a broken calendar")
            << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:2026x0119\r\nEND:VEVENT\r\n"
                          "END:VCALENDAR\r\n")
            << u"cal.ics, line 3: Can't parse as DATE value in DTSTART property. Removing entire property: "
               u"2026x0119\nHourframe goes on without public holidays."_s
            << 0;
        QTest::newRow("no file") << QByteArray()
                                 << u"Cannot read the holiday calendar cal.ics: there is no such "
                                    u"file\nHourframe goes on without public holidays."_s
                                 << 0;
    }

    void holidayCalendarIsReadAsChosen()
    {
        QFETCH(QByteArray, calendar);
        QFETCH(QString, told);
        QFETCH(int, holidaysInTheWeek);
        const Clock::Fixed clock(QDateTime(QDate(2026, 1, 21), QTime(9, 0)));
        QTemporaryDir folder;
        QVERIFY(QDir::setCurrent(folder.path()));
        if (!calendar.isEmpty())
            TestSupport::writeFile(folder.filePath(u"cal.ics"_s), calendar);
        ScriptedPresenter presenter;
        const TScopedPresenter scoped(presenter);
        presenter.openFileNames.enqueue(u"cal.ics"_s);
        QSignalSpy failures(m_data.get(), &TData::HolidayCalendarFailed);
        confirm(data(), [&](TPreferencesForm &form) {
            QCOMPARE(child<QLabel>(form, u"laHolidayCount"_s)->text(), u"No calendar: no public holidays."_s);
            child<QPushButton>(form, u"btBrowseHolidayCalendar"_s)->click();
            QCOMPARE(presenter.fileDialogs.size(), 1);
            QCOMPARE(child<QLabel>(form, u"laHolidayCount"_s)->text(), told);
        });
        QCOMPARE(data().HolidayCalendar(), u"cal.ics"_s);
        // Martin Luther King Jr. Day, Monday 19 January 2026.
        const TTargets targets = data().Targets();
        QCOMPARE(targets.OfWeek(TestSupport::day(2026, 1, 18)), 2220 - 450 * holidaysInTheWeek);
        QCOMPARE(failures.size(), 0);
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }

    // Tab walks the pages' controls in the order they are shown, whatever their page.
    void tabOrderFollowsThePages()
    {
        const QStringList expected { u"pcPreferences"_s, u"ckAssociateHfFiles"_s, u"ckReopenLastUsedFile"_s,
            u"ckUseToolTray"_s, u"ckNotifyLeaveTime"_s, u"ckAutoSave"_s, u"ckAutoEnterTime"_s,
            u"ckRoundTimes"_s, u"edRoundTimesTo"_s, u"ckShowLunchTime"_s, u"ckShowExtraHours"_s,
            u"ckShowHols"_s, u"ckShowComment"_s, u"ckIncludeHolsInTotal"_s, u"cbFirstDayOfWeek"_s,
            u"ckShowDeviationFromDailyTarget"_s, u"teMondayTarget"_s, u"teTuesdayTarget"_s,
            u"teWednesdayTarget"_s, u"teThursdayTarget"_s, u"teFridayTarget"_s, u"teSaturdayTarget"_s,
            u"teSundayTarget"_s, u"ckShowDeviationFromWeeklyTarget"_s, u"teWeeklyTarget"_s,
            u"ckUseDefaultLunchTime"_s, u"teDefaultLunchTime"_s, u"lvTargetHistory"_s, u"btDeleteTargets"_s,
            u"edHolidayCalendar"_s, u"btBrowseHolidayCalendar"_s, u"cbFontName"_s, u"edFontSize"_s,
            u"edBalanceStartDate"_s, u"ckBalanceFromFirstDay"_s, u"teBalanceOpening"_s,
            u"edVacationDaysPerYear"_s, u"edVacationCarriedOver"_s, u"cbWorkingTimeRules"_s,
            u"teRuleDailyRest"_s, u"teRuleBreak"_s, u"teRuleBreakAfter"_s, u"teRuleLongBreak"_s,
            u"teRuleLongBreakAfter"_s, u"teRuleDailyMaximum"_s, u"teRuleWeeklyMaximum"_s,
            u"teRuleAverageWeeklyMaximum"_s, u"edRuleAverageWeeks"_s, u"teRuleWeeklyRest"_s, u"btOk"_s,
            u"btCancel"_s };
        TPreferencesForm form(data());
        QStringList walked;
        QWidget *w = child<QWidget>(form, expected.first());
        for (int step = 0; step < 500 && walked.size() < expected.size(); ++step, w = w->nextInFocusChain())
            if (expected.contains(w->objectName()) && !walked.contains(w->objectName()))
                walked << w->objectName();
        QCOMPARE(walked, expected);
    }

    void okKeepsWhatAnotherInstanceStored_data()
    {
        QTest::addColumn<InstanceAction>("other");
        QTest::addColumn<FormEdit>("ours");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("oursName");
        QTest::addColumn<int>("oursValue");
        QTest::newRow("their OK and ours") << InstanceAction([](TData &other) {
            confirm(other, [](TPreferencesForm &form) { box(form, u"ckShowHols"_s)->click(); });
        }) << FormEdit([](TPreferencesForm &form) { box(form, u"ckAutoSave"_s)->click(); })
                                           << u"ShowHols"_s << 1 << u"AutoSave"_s << 1;
        QTest::newRow("their toggle, our OK unchanged")
            << InstanceAction([](TData &other) { other.SetShowComment(true); })
            << FormEdit([](TPreferencesForm &) {}) << u"ShowComment"_s << 1 << u"ShowComment"_s << 1;
        QTest::newRow("a value we changed wins")
            << InstanceAction([](TData &other) { other.SetRoundTimesTo(10); })
            << FormEdit([](TPreferencesForm &form) { retype(field(form, u"edRoundTimesTo"_s), u"15"_s); })
            << u"RoundTimesTo"_s << 15 << u"RoundTimesTo"_s << 15;
    }

    void okKeepsWhatAnotherInstanceStored()
    {
        QFETCH(InstanceAction, other);
        QFETCH(FormEdit, ours);
        QFETCH(QString, name);
        QFETCH(int, value);
        QFETCH(QString, oursName);
        QFETCH(int, oursValue);
        TData second; // started beside ours, before either changed anything
        other(second);
        confirm(data(), ours);
        const auto s = reread();
        QCOMPARE(numberOf(*s, name), value);
        QCOMPARE(numberOf(*s, oursName), oursValue);
        QCOMPARE(numberOf(data(), name), value);
    }

    void okThatChangesNothingLeavesTheFile()
    {
        confirm(data(), [](TPreferencesForm &form) { box(form, u"ckAutoSave"_s)->click(); });
        const QByteArray stored = StoreFile::bytes();
        QVERIFY(StoreFile::age());
        confirm(data(), [](TPreferencesForm &) {});
        QCOMPARE(StoreFile::bytes(), stored);
        QVERIFY(StoreFile::untouchedSinceAged());
    }

    void cancelLeavesTheStoreUntouched()
    {
        data().SetMondayTarget(480);
        QFile store(storePath());
        QVERIFY(store.open(QIODevice::ReadOnly));
        const QByteArray before = store.readAll();
        store.close();

        TPreferencesForm form(data());
        form.show();
        box(form, u"ckAutoSave"_s)->click();
        box(form, u"ckShowDeviationFromDailyTarget"_s)->click();
        retype(field(form, u"teMondayTarget"_s), u"9:00"_s);
        child<QComboBox>(form, u"cbFirstDayOfWeek"_s)->setCurrentIndex(5);
        QTest::mouseClick(child<QPushButton>(form, u"btCancel"_s), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));

        QVERIFY(store.open(QIODevice::ReadOnly));
        QCOMPARE(store.readAll(), before);
        QCOMPARE(data().MondayTarget(), 480);
        QCOMPARE(data().AutoSave(), false);
    }

    void noPrinterLeavesTheFontListEmpty()
    {
        TPreferencesForm form(data());
        form.show();
        auto *fonts = child<QComboBox>(form, u"cbFontName"_s);
        QCOMPARE(fonts->count(), 0);
        QVERIFY(ok(form)->isEnabled());
        QTest::mouseClick(ok(form), Qt::LeftButton);
        QCOMPARE(reread()->PrinterFontName(), QString());
    }

    void printerFontListHoldsTheSortedFamilies()
    {
        m_printers.emplace(true);
        QStringList families = QFontDatabase::families();
        QVERIFY(!families.isEmpty());
        families.sort(Qt::CaseInsensitive);
        const QString known = families.last();
        data().SetPrinterFontName(known);

        TPreferencesForm form(data());
        auto *fonts = child<QComboBox>(form, u"cbFontName"_s);
        QVERIFY(!fonts->isEditable());
        QStringList shown;
        for (int i = 0; i < fonts->count(); ++i)
            shown << fonts->itemText(i);
        QCOMPARE(shown, families);
        QCOMPARE(fonts->currentText(), known);
    }

    void unknownPrinterFontOpensOnTheFirstFont()
    {
        m_printers.emplace(true);
        data().SetPrinterFontName(u"No Such Font Family"_s);
        TPreferencesForm form(data());
        form.show();
        auto *fonts = child<QComboBox>(form, u"cbFontName"_s);
        QCOMPARE(fonts->currentIndex(), 0);
        const QString first = fonts->itemText(0);
        QTest::mouseClick(ok(form), Qt::LeftButton);
        QCOMPARE(reread()->PrinterFontName(), first);
    }

    void editPreferencesReportsOk()
    {
        ScriptedPresenter presenter;
        TScopedPresenter scoped(presenter);
        presenter.dialogScripts.enqueue([](QDialog &dialog) {
            auto *autoSave = dialog.findChild<QCheckBox *>(u"ckAutoSave"_s);
            autoSave->click();
            QTest::mouseClick(dialog.findChild<QPushButton *>(u"btOk"_s), Qt::LeftButton);
            return dialog.result();
        });
        QVERIFY(EditPreferences(nullptr, data()));
        QVERIFY(data().AutoSave());
        QVERIFY(!presenter.unexpected);
    }
};

QTEST_MAIN(TestPreferencesForm)
#include "tst_PreferencesFrm.moc"
