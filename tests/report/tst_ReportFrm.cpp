#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "report/BusyFrm.h"
#include "report/ReportFrm.h"
#include "settings/DataMod.h"
#include "shell/MainFrm.h"
#include "support/ScriptedPresenter.h"
#include "support/TestSupport.h"
#include "ui/Printers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

int day(int y, int m, int d)
{
    return DayNumber::fromDate(QDate(y, m, d));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text of a PDF as pdftotext lays it out: pages end with a form feed.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(u"pdftotext"_s, { u"-layout"_s, path, u"-"_s });
    if (!process.waitForFinished() || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The non-empty lines of a text with every run of blanks made one blank: the
// PDF's text keeps the words and their order, not the exact spacing.
QStringList words(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            lines << simple;
    }
    return lines;
}

// A year of working days, with a comment beyond ASCII: a report of many pages.
void fillYear(TTimeRecorder &store)
{
    for (int d = day(2026, 1, 1); d <= day(2026, 12, 31); ++d) {
        if (DayNumber::isWeekend(d))
            continue;
        store.SetArrive(d, 480 + d % 30);
        store.SetDepart(d, 1000 + d % 45);
    }
    store.SetComment(day(2026, 3, 2), u"Workshop in Köln"_s);
}

} // namespace

class TestReportForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::TemporaryHome> home;
    std::unique_ptr<Regional::Override> regional;
    std::unique_ptr<Clock::Fixed> clock;
    std::unique_ptr<ScriptedPresenter> script;
    std::unique_ptr<TScopedPresenter> presenter;

    QString path(const QString &name) const { return home->path() + u'/' + name; }

private Q_SLOTS:
    void init()
    {
        home = std::make_unique<TestSupport::TemporaryHome>();
        regional = std::make_unique<Regional::Override>(TestSupport::englishSettings());
        // Monday 7 December 2026: last week is the example's week.
        clock = std::make_unique<Clock::Fixed>(QDateTime(QDate(2026, 12, 7), QTime(8, 30)));
        script = std::make_unique<ScriptedPresenter>();
        presenter = std::make_unique<TScopedPresenter>(*script);
    }

    void cleanup()
    {
        QVERIFY2(!script->unexpected, "a question was asked that the test did not expect");
        presenter.reset();
        script.reset();
        clock.reset();
        regional.reset();
        home.reset();
    }

    // The Report command: options, then the window with the example's text.
    void workedExampleThroughTheReportCommand()
    {
        const QString example = QStringLiteral(HOURFRAME_TEST_DATA "/report-example.hf");
        {
            TData previous;
            previous.SetAutoEnterTime(false);
            previous.SetFirstDayOfWeek(2);
            previous.SetShowDeviationFromWeeklyTarget(true);
        }
        TData data;
        const TScopedPrinterCheck noPrinters(false);
        TMainForm form(data, { example });
        form.show();
        QTRY_VERIFY(form.StartUpDone());
        form.UpdateActions();
        QVERIFY(form.acReport->isEnabled());

        script->dialogScripts.enqueue([](QDialog &dialog) {
            auto *period = dialog.findChild<QComboBox *>(u"cbPeriod"_s);
            period->setFocus();
            QTest::keyClick(period, Qt::Key_Down); // Last Week
            QTest::keyClick(&dialog, Qt::Key_Return);
            return dialog.result();
        });
        QString shown;
        script->dialogScripts.enqueue([&shown](QDialog &dialog) {
            inspectReport(static_cast<TReportForm &>(dialog), shown);
            return dialog.result();
        });
        form.acReport->trigger();
        QVERIFY(script->dialogScripts.isEmpty());
        QCOMPARE(shown, u"Hourframe ["_s + example + u"]\n"_s + ExampleAfterTitle());
        QVERIFY(!form.TimeRecorder().Modified());
    }

    // Save writes UTF-8 with CR LF after every line and remembers the name;
    // a save that fails keeps the name; Copy puts the same text on the clipboard.
    void saveAndCopy()
    {
        TData data;
        TTimeRecorder store;
        fillYear(store);
        TReportForm form(data, &store);
        form.BuildReport(day(2026, 3, 1), day(2026, 3, 7));
        QString expected;
        for (const QString &line : form.Lines())
            expected += line + u"\r\n"_s;
        QVERIFY(expected.contains(u"Workshop in Köln\r\n"_s));

        script->saveFileNames << path(u"week.txt"_s) << path(u"no folder/week.txt"_s);
        form.acSave->trigger();
        QCOMPARE(readFile(path(u"week.txt"_s)), expected.toUtf8());
        QCOMPARE(script->fileDialogs.constFirst().title, u"Save Report"_s);
        QCOMPARE(script->fileDialogs.constFirst().filter, u"Text Files (*.txt);;All Files (*)"_s);
        QVERIFY(!script->fileDialogs.constFirst().confirmOverwrite);
        form.acSave->trigger();
        QCOMPARE(script->fileDialogs.constLast().directory, path(u"week.txt"_s));
        QCOMPARE(script->errors.size(), 1);
        QCOMPARE(TData().ReportFileName(), path(u"week.txt"_s));

        form.acCopyToClipboard->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    }

    // Print on a printer that writes PDF, and Save as PDF, give the same
    // pages: every line of the report once, in order, over several pages.
    void printAndSaveAsPdf()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TData data;
        data.SetPrinterFontSize(8); // the longest line, with its comment, fits the page
        TTimeRecorder store;
        fillYear(store);
        const TScopedPrinterCheck printers(true);
        TReportForm form(data, &store);
        form.BuildReport(day(2026, 1, 1), day(2026, 12, 31));
        form.show();
        QVERIFY(form.acPrint->isEnabled());
        form.Printer().setOutputFormat(QPrinter::PdfFormat);
        form.Printer().setOutputFileName(path(u"printed.pdf"_s));
        form.acPrint->trigger();

        script->saveFileNames << path(u"year.pdf"_s);
        form.acSaveAsPdf->trigger();
        QVERIFY(script->errors.isEmpty());
        QCOMPARE(TData().ReportPdfFileName(), path(u"year.pdf"_s));

        const QString printed = pdfText(path(u"printed.pdf"_s));
        QCOMPARE(pdfText(path(u"year.pdf"_s)), printed);
        QVERIFY(printed.count(u'\f') > 3);
        QCOMPARE(words(printed), words(form.Lines().join(u'\n')));
        QVERIFY(form.isEnabled());
        QVERIFY(!form.findChild<TBusyForm *>());
    }

    // Cancel on the busy dialog, or an output that cannot be written: no
    // output at all, a failure in the general error report, and the window
    // usable again.
    void printStopsCleanly_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("errors");
        QTest::newRow("cancel") << u"cancelled.pdf"_s << true << 0;
        QTest::newRow("output cannot be written") << u"no folder/printed.pdf"_s << false << 1;
    }

    void printStopsCleanly()
    {
        QFETCH(QString, output);
        QFETCH(bool, cancel);
        QFETCH(int, errors);
        TData data;
        TTimeRecorder store;
        fillYear(store);
        const TScopedPrinterCheck printers(true);
        TReportForm form(data, &store);
        form.BuildReport(day(2026, 1, 1), day(2026, 12, 31));
        form.show();
        form.Printer().setOutputFormat(QPrinter::PdfFormat);
        form.Printer().setOutputFileName(path(output));

        QString operation;
        bool windowDisabled = false;
        QTimer::singleShot(0, &form, [&] {
            auto *busy = form.findChild<TBusyForm *>();
            QVERIFY(busy);
            operation = busy->Operation();
            windowDisabled = !form.isEnabled();
            form.acClose->trigger(); // ignored while printing
            if (cancel)
                QTest::mouseClick(busy->CancelButton(), Qt::LeftButton);
        });
        form.acPrint->trigger();
        QCOMPARE(operation, u"Printing Report"_s);
        QVERIFY(windowDisabled);
        QVERIFY(!QFile::exists(path(output)));
        QCOMPARE(script->errors.size(), errors);
        QVERIFY(form.isVisible());
        QVERIFY(form.isEnabled());
        QVERIFY(!form.findChild<TBusyForm *>());
    }

    void withoutStoreNothingToSave()
    {
        TData data;
        const TScopedPrinterCheck noPrinters(false);
        TReportForm form(data, nullptr);
        form.BuildReport(day(2026, 11, 30), day(2026, 12, 6));
        QVERIFY(form.Lines().isEmpty());
        for (QAction *action : { form.acSave, form.acSaveAsPdf, form.acPrint, form.acCopyToClipboard })
            QVERIFY(!action->isEnabled());
    }

public:
    static QString ExampleAfterTitle();

    static void inspectReport(TReportForm &report, QString &shown)
    {
        shown = report.findChild<QPlainTextEdit *>(u"moReport"_s)->toPlainText();
        QCOMPARE(report.windowTitle(), u"Hourframe Report"_s);
        QCOMPARE(report.size(), QSize(679, 467));
        QVERIFY(QFontInfo(report.findChild<QPlainTextEdit *>(u"moReport"_s)->font()).fixedPitch());
        const QList<QAction *> tools = report.findChild<QToolBar *>()->actions();
        QCOMPARE(tools.indexOf(report.acSave), 0);
        QCOMPARE(tools.indexOf(report.acCopyToClipboard), 1);
        QCOMPARE(tools.indexOf(report.acPrint), 3);
        QCOMPARE(tools.indexOf(report.acPrintSetup), 4);
        QVERIFY(!report.acPrint->isEnabled());
        QVERIFY(!report.acPrintSetup->isEnabled());
        QVERIFY(report.acSaveAsPdf->isEnabled());
        report.acClose->trigger();
    }
};

QString TestReportForm::ExampleAfterTitle()
{
    return uR"(
Report from 30/11/2026 to 06/12/2026

Date         Day   Arrive    Depart    Lunch    Holiday   Hours    Weekly   Deviation   Comment
30/11/2026   Mon   08:30     17:00     00:30              08:00
01/12/2026   Tue   08:45     17:15     00:45              07:45                         Client visit
02/12/2026   Wed
03/12/2026   Thu   09:00     18:00     01:00              08:00
04/12/2026   Fri                                07:00
                                                                   30:45      -06:15

Total holidays for period 07:00
Total hours for period    30:45

Average daily hours       06:09
Average weekly hours      30:45)"_s;
}

QTEST_MAIN(TestReportForm)
#include "tst_ReportFrm.moc"
