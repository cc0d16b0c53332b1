#include "chart/ChartFrm.h"
#include "chart/ChartView.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "report/ReportText.h"
#include "settings/DataMod.h"
#include "shell/MainFrm.h"
#include "support/TestSupport.h"
#include "support/WindowTestEnvironment.h"

#include <QAction>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTest>
#include <QToolBar>
#include <QToolTip>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::day;
using TestSupport::readFile;

// Workdays of 2026 up to today, 8:00 to 16:30 with half an hour for lunch.
void fillYear(TTimeRecorder &store)
{
    for (int d = day(2026, 1, 1); d <= day(2026, 12, 7); ++d) {
        if (!DayNumber::isWeekend(d)) {
            store.SetArrive(d, 480);
            store.SetDepart(d, 990);
            store.SetLunch(d, 30);
        }
    }
}

} // namespace

class TestChartForm : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnvironment> env;

    QString path(const QString &name) const { return env->home.path() + u'/' + name; }

private Q_SLOTS:
    // Monday 7 December 2026.
    void init()
    {
        env = std::make_unique<WindowTestEnvironment>(QDateTime(QDate(2026, 12, 7), QTime(8, 30)));
    }

    void cleanup()
    {
        QVERIFY2(!env->script.unexpected, "a question was asked that the test did not expect");
        env.reset();
    }

    // The Chart command, after Report in the View menu and on the toolbar:
    // the options without the blank-day boxes, then the window. OK stores
    // whether to widen to whole weeks.
    void chartCommand_data()
    {
        QTest::addColumn<bool>("adjust");
        QTest::addColumn<int>("weeks");
        QTest::newRow("whole weeks") << true << 53;
        QTest::newRow("as typed") << false << 53;
    }

    void chartCommand()
    {
        QFETCH(bool, adjust);
        QFETCH(int, weeks);
        TData data;
        data.SetAutoEnterTime(false);
        TMainForm form(data, {});
        fillYear(form.TimeRecorder());
        QVERIFY(!form.acChart->icon().isNull());
        const QList<QAction *> tools = form.ToolBar()->actions();
        QCOMPARE(tools.indexOf(form.acChart), tools.indexOf(form.acReport) + 1);
        QAction *view = form.menuBar()->actions().at(1);
        QCOMPARE(view->menu()->actions().indexOf(form.acChart), 1);

        bool blankDaysShown = true;
        bool adjustTicked = false;
        env->script.dialogScripts.enqueue([&](QDialog &dialog) {
            dialog.show();
            blankDaysShown = dialog.findChild<QCheckBox *>(u"cbBlankDays"_s)->isVisible()
                || dialog.findChild<QCheckBox *>(u"cbBlankWeekendDays"_s)->isVisible();
            auto *adjustDates = dialog.findChild<QCheckBox *>(u"cbAdjustDates"_s);
            adjustTicked = adjustDates->isChecked();
            adjustDates->setChecked(adjust);
            dialog.findChild<QDateEdit *>(u"edStartDate"_s)->setDate(QDate(2026, 1, 1));
            dialog.findChild<QDateEdit *>(u"edEndDate"_s)->setDate(QDate(2026, 12, 31));
            dialog.findChild<QPushButton *>(u"btOk"_s)->click();
            return dialog.result();
        });
        TPeriod shown;
        std::size_t records = 0;
        env->script.dialogScripts.enqueue([&](QDialog &dialog) {
            const TChartData &chart = static_cast<TChartForm &>(dialog).ChartView()->Data();
            shown = chart.Period;
            records = chart.Records.size();
            return QDialog::Rejected;
        });
        form.acChart->trigger();
        QVERIFY(env->script.dialogScripts.isEmpty());
        QVERIFY(!blankDaysShown);
        QVERIFY(adjustTicked);
        const TPeriod expected = adjust ? TPeriod { day(2025, 12, 28), day(2027, 1, 2) }
                                        : TPeriod { day(2026, 1, 1), day(2026, 12, 31) };
        QCOMPARE(shown, expected);
        QCOMPARE(int(records), weeks);
        QCOMPARE(TData().ChartAdjustDatesToFullWeek(), adjust);
    }

    // Save writes the format its name asks for and remembers the name; a
    // name of another format is refused and leaves the name.
    void save_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start"); // of the file; empty: no file

        QTest::newRow("PNG") << u"year.png"_s << "\x89PNG"_ba;
        QTest::newRow("SVG") << u"year.svg"_s << "<?xml"_ba;
        QTest::newRow("PDF") << u"year.PDF"_s << "%PDF"_ba;
        QTest::newRow("another format") << u"year.jpg"_s << QByteArray();
    }

    void save()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        TData data;
        TTimeRecorder store;
        fillYear(store);
        TChartForm form(data, &store);
        form.BuildChart(day(2025, 12, 28), day(2027, 1, 2));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        env->script.saveFileNames << path(name);
        form.acSave->trigger();
        const TFileDialogOptions &dialog = env->script.fileDialogs.constFirst();
        QCOMPARE(dialog.filter, u"PNG Images (*.png);;SVG Images (*.svg);;PDF Files (*.pdf)"_s);
        QVERIFY(dialog.confirmOverwrite);
        QCOMPARE(readFile(path(name)).left(start.size()), start);
        QCOMPARE(env->script.errors.size(), start.isEmpty() ? 1 : 0);
        QCOMPARE(TData().ChartFileName(), start.isEmpty() ? QString() : path(name));
    }

    void copyAsImage()
    {
        TData data;
        TTimeRecorder store;
        fillYear(store);
        TChartForm form(data, &store);
        form.BuildChart(day(2026, 1, 4), day(2026, 3, 28));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.acCopyToClipboard->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), form.ChartView()->viewport()->size());
    }

    // A dark window gets the dark theme and its own background, also when
    // its palette changes while it is open.
    void followsPalette()
    {
        TTimeRecorder store;
        fillYear(store);
        TChartView view(ChartData(store, { day(2026, 1, 4), day(2026, 3, 28) }, TReportSettings()));
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Text, Qt::white);
        for (const bool isDark : { false, true, false }) {
            view.setPalette(isDark ? dark : QPalette());
            QCOMPARE(view.Dark(), isDark);
            QCOMPARE(view.chart()->theme(), isDark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
            QCOMPARE(view.chart()->backgroundBrush().color(), view.palette().color(QPalette::Base));
        }
    }

    // Hovering over a bar tells its week.
    void toolTip()
    {
        TTimeRecorder store;
        fillYear(store);
        TChartView view(ChartData(store, { day(2026, 1, 4), day(2026, 3, 28) }, TReportSettings()));
        view.resize(800, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto *bars = qobject_cast<QStackedBarSeries *>(view.chart()->series().constFirst());
        const QPointF bar = view.chart()->mapToPosition(QPointF(3, 20), bars);
        QTest::mouseMove(view.viewport(), view.mapFromScene(bar));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), ChartRecordText(view.Data(), 3));
    }

    // The horizontal axis names fewer weeks when it is narrower.
    void labelsFollowTheWidth()
    {
        TTimeRecorder store;
        TChartView view(ChartData(store, { day(2025, 12, 28), day(2027, 1, 2) }, TReportSettings()));
        QList<int> counts;
        for (const int width : { 1600, 800, 300 }) {
            view.resize(width, 400);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            counts << int(view.LabelledRecords().size());
        }
        QVERIFY2(counts[0] > counts[1] && counts[1] > counts[2] && counts[2] >= 1,
            qPrintable(QString::number(counts[0]) + u' ' + QString::number(counts[1]) + u' '
                + QString::number(counts[2])));
    }
};

QTEST_MAIN(TestChartForm)
#include "tst_ChartFrm.moc"
