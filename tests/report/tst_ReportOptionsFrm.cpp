#include "core/TimeRecorder.h"
#include "report/ReportOptionsFrm.h"
#include "settings/DataMod.h"
#include "support/TestSupport.h"
#include "support/WindowTestEnvironment.h"
#include "ui/DateEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::day;

template<typename T> T *child(QDialog &dialog, const QString &name)
{
    T *widget = dialog.findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// Types over the text of a date field as a user would.
void typeDate(QDialog &dialog, const QString &field, const QString &text)
{
    QLineEdit *edit = child<TDateEdit>(dialog, field)->LineEdit();
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

class TestReportOptionsForm : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnvironment> env;

private Q_SLOTS:
    // Today is Sunday 6 December 2026.
    void init()
    {
        env = std::make_unique<WindowTestEnvironment>(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }

    void cleanup()
    {
        QVERIFY(!env->script.unexpected);
        env.reset();
    }

    // Opens on this week with the stored options; the dates decide OK; OK
    // widens the typed dates and stores the six options in their order.
    void choosePeriodAndStoreOptions()
    {
        {
            TData previous;
            previous.SetFirstDayOfWeek(2);
            previous.SetReportWorkDaysWithNoHours(false);
            previous.SetReportCalculateAverageHours(false);
        }
        TData data;
        TTimeRecorder store;
        TPeriod period;
        env->script.dialogScripts.enqueue([](QDialog &dialog) {
            chooseAndConfirm(dialog);
            return dialog.result();
        });
        QVERIFY(EditReportOptions(nullptr, data, &store, period));
        QCOMPARE(period, (TPeriod { day(2026, 10, 26), day(2026, 11, 1) }));
        const TData reread;
        QVERIFY(reread.ReportAdjustDatesToFullWeek());
        QVERIFY(!reread.ReportWorkDaysWithNoHours());
        QVERIFY(reread.ReportWeekendDaysWithNoHours());
        QVERIFY(!reread.ReportCalculateTotalHours());
        QVERIFY(!reread.ReportCalculateAverageHours());
        QVERIFY(reread.ReportShowBalance());
    }

public:
    static void chooseAndConfirm(QDialog &dialog)
    {
        auto *ok = child<QPushButton>(dialog, u"btOk"_s);
        auto *period = child<QComboBox>(dialog, u"cbPeriod"_s);
        QCOMPARE(dialog.windowTitle(), u"Hourframe Report Options"_s);
        QCOMPARE(period->currentText(), u"This Week"_s);
        QCOMPARE(period->count(), 28); // an empty document lists every month of two years
        QCOMPARE(child<TDateEdit>(dialog, u"edStartDate"_s)->date(), QDate(2026, 11, 30));
        QCOMPARE(child<TDateEdit>(dialog, u"edEndDate"_s)->date(), QDate(2026, 12, 6));
        QCOMPARE(child<QLabel>(dialog, u"lbStartDay"_s)->text(), u"Monday"_s);
        QCOMPARE(child<QLabel>(dialog, u"lbEndDay"_s)->text(), u"Sunday"_s);
        QVERIFY(ok->isEnabled());
        QVERIFY(child<QCheckBox>(dialog, u"cbAdjustDates"_s)->isChecked());
        QVERIFY(!child<QCheckBox>(dialog, u"cbBlankDays"_s)->isChecked());
        QVERIFY(!child<QCheckBox>(dialog, u"ckCalculateAverageHours"_s)->isChecked());
        QVERIFY(child<QCheckBox>(dialog, u"ckShowTotalHours"_s)->isChecked());
        auto *balance = child<QCheckBox>(dialog, u"ckShowBalance"_s);
        QCOMPARE(balance->text(), u"Show &balance"_s);
        QCOMPARE(balance->parentWidget()->objectName(), u"gbStatistics"_s);
        QVERIFY(!balance->isChecked());

        // An empty field has no date: no weekday, no OK.
        typeDate(dialog, u"edStartDate"_s, QString());
        QVERIFY(child<TDateEdit>(dialog, u"edStartDate"_s)->date().isNull());
        QCOMPARE(child<QLabel>(dialog, u"lbStartDay"_s)->text(), QString());
        QVERIFY(!ok->isEnabled());

        // Picking an entry with the keyboard fills both dates.
        period->setFocus();
        QTest::keyClick(period, Qt::Key_Down);
        QCOMPARE(child<TDateEdit>(dialog, u"edStartDate"_s)->date(), QDate(2026, 11, 23));
        QVERIFY(ok->isEnabled());

        typeDate(dialog, u"edEndDate"_s, u"01/11/2026"_s);
        QCOMPARE(child<TDateEdit>(dialog, u"edEndDate"_s)->date(), QDate(2026, 11, 1));
        QVERIFY(!ok->isEnabled()); // the end before the start
        typeDate(dialog, u"edStartDate"_s, u"28/10/2026"_s);
        QCOMPARE(child<QLabel>(dialog, u"lbStartDay"_s)->text(), u"Wednesday"_s);
        QVERIFY(ok->isEnabled());

        child<QCheckBox>(dialog, u"cbBlankWeekendDays"_s)->click();
        child<QCheckBox>(dialog, u"ckShowTotalHours"_s)->click();
        balance->click();
        ok->click();
    }
};

QTEST_MAIN(TestReportOptionsForm)
#include "tst_ReportOptionsFrm.moc"
