#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "report/BusyFrm.h"
#include "report/ReportExample.h"
#include "report/ReportFrm.h"
#include "settings/DataMod.h"
#include "shell/MainFrm.h"
#include "support/TestSupport.h"
#include "support/WindowTestEnvironment.h"
#include "ui/Printers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
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

using TestSupport::readFile;

using TestSupport::day;

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

    std::unique_ptr<WindowTestEnvironment> env;

    QString path(const QString &name) const { return env->home.path() + u'/' + name; }

    // The report of 2026 in a shown window whose printer writes a PDF file.
    std::unique_ptr<TReportForm> yearReport(TData &data, TTimeRecorder &store, const QString &output)
    {
        fillYear(store);
        auto form = std::make_unique<TReportForm>(data, &store);
        form->BuildReport(day(2026, 1, 1), day(2026, 12, 31));
        form->show();
        form->Printer().setOutputFormat(QPrinter::PdfFormat);
        form->Printer().setOutputFileName(path(output));
        return form;
    }

private Q_SLOTS:
    // Monday 7 December 2026: last week is the example's week.
    void init()
    {
        env = std::make_unique<WindowTestEnvironment>(QDateTime(QDate(2026, 12, 7), QTime(8, 30)));
    }

    void cleanup()
    {
        QVERIFY2(!env->script.unexpected, "a question was asked that the test did not expect");
        env.reset();
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

        env->script.dialogScripts.enqueue([](QDialog &dialog) {
            auto *period = dialog.findChild<QComboBox *>(u"cbPeriod"_s);
            period->setFocus();
            QTest::keyClick(period, Qt::Key_Down); // Last Week
            QTest::keyClick(&dialog, Qt::Key_Return);
            return dialog.result();
        });
        QString shown;
        env->script.dialogScripts.enqueue([&shown](QDialog &dialog) {
            inspectReport(static_cast<TReportForm &>(dialog), shown);
            return dialog.result();
        });
        form.acReport->trigger();
        QVERIFY(env->script.dialogScripts.isEmpty());
        QCOMPARE(shown, u"Hourframe ["_s + example + u"]\n"_s + ReportExampleAfterTitle());
        QVERIFY(!form.TimeRecorder().Modified());
    }

    // Save writes UTF-8 with CR LF after every line and remembers the name;
    // a save that fails keeps the name; Copy, from the File menu by its
    // accelerators, puts the same text on the clipboard.
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

        env->script.saveFileNames << path(u"week.txt"_s) << path(u"no folder/week.txt"_s);
        form.acSave->trigger();
        QCOMPARE(readFile(path(u"week.txt"_s)), expected.toUtf8());
        QCOMPARE(env->script.fileDialogs.constFirst().title, u"Save Report"_s);
        QCOMPARE(env->script.fileDialogs.constFirst().filter, u"Text Files (*.txt);;All Files (*)"_s);
        QVERIFY(!env->script.fileDialogs.constFirst().confirmOverwrite);
        form.acSave->trigger();
        QCOMPARE(env->script.fileDialogs.constLast().directory, path(u"week.txt"_s));
        QCOMPARE(env->script.errors.size(), 1);
        QCOMPARE(TData().ReportFileName(), path(u"week.txt"_s));

        // From the keyboard, as the toolbar takes no focus: Alt+F, B.
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_B);
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
        const TScopedPrinterCheck printers(true);
        const std::unique_ptr<TReportForm> report = yearReport(data, store, u"printed.pdf"_s);
        TReportForm &form = *report;
        QVERIFY(form.acPrint->isEnabled());
        form.acPrint->trigger();

        env->script.saveFileNames << path(u"year.pdf"_s);
        form.acSaveAsPdf->trigger();
        QVERIFY(env->script.errors.isEmpty());
        QCOMPARE(TData().ReportPdfFileName(), path(u"year.pdf"_s));

        const QString printed = pdfText(path(u"printed.pdf"_s));
        QCOMPARE(pdfText(path(u"year.pdf"_s)), printed);
        QVERIFY(printed.count(u'\f') > 3);
        QCOMPARE(words(printed), words(form.Lines().join(u'\n')));
        QVERIFY(form.isEnabled());
        QVERIFY(!form.findChild<TBusyForm *>());
    }

    // Without a printer the preferences store no printer font; a PDF saved
    // then still lines its columns up: the heading's "Arrive" begins where
    // Monday's arrival does.
    void pdfWithoutPrinterFontLinesUp()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TData data;
        data.SetPrinterFontName(QString());
        TTimeRecorder store;
        fillYear(store);
        const TScopedPrinterCheck noPrinters(false);
        TReportForm form(data, &store);
        form.BuildReport(day(2026, 3, 2), day(2026, 3, 8));
        env->script.saveFileNames << path(u"week.pdf"_s);
        form.acSaveAsPdf->trigger();

        QProcess process;
        process.start(u"pdftotext"_s, { u"-bbox"_s, u"-l"_s, u"1"_s, path(u"week.pdf"_s), u"-"_s });
        QVERIFY(process.waitForFinished());
        static const QRegularExpression word(uR"re(<word xMin="([\d.]+)"[^>]*>([^<]*)</word>)re"_s);
        QStringList lefts; // where "Arrive" and the times after it begin
        for (const QRegularExpressionMatch &match :
            word.globalMatch(QString::fromUtf8(process.readAllStandardOutput())))
            if (match.captured(2) == u"Arrive"_s || (!lefts.isEmpty() && match.captured(2).contains(u':')))
                lefts << match.captured(1);
        QVERIFY(lefts.size() > 1);
        QCOMPARE(lefts[1], lefts[0]);
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
        const TScopedPrinterCheck printers(true);
        const std::unique_ptr<TReportForm> report = yearReport(data, store, output);
        TReportForm &form = *report;

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
        QCOMPARE(env->script.errors.size(), errors);
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
    static void inspectReport(TReportForm &report, QString &shown)
    {
        shown = report.findChild<QPlainTextEdit *>(u"moReport"_s)->toPlainText();
        QCOMPARE(report.windowTitle(), u"Hourframe Report"_s);
        QCOMPARE(report.size(), QSize(679, 467));
        // Columns line up when every character is as wide as any other. Some
        // monospaced fonts (Noto Sans Mono) do not say so in their font data.
        const QFontMetrics metrics(report.findChild<QPlainTextEdit *>(u"moReport"_s)->font());
        QCOMPARE(metrics.horizontalAdvance(u"iiiii"_s), metrics.horizontalAdvance(u"WWWWW"_s));
        const QList<QAction *> tools = report.findChild<QToolBar *>()->actions();
        QCOMPARE(tools.indexOf(report.acSave), 0);
        QCOMPARE(tools.indexOf(report.acCopyToClipboard), 1);
        QCOMPARE(tools.indexOf(report.acPrint), 3);
        QCOMPARE(tools.indexOf(report.acPrintSetup), 4);
        for (const QAction *tool : tools)
            QVERIFY2(tool->isSeparator() || !tool->icon().isNull(), qPrintable(tool->objectName()));
        QVERIFY(!report.acPrint->isEnabled());
        QVERIFY(!report.acPrintSetup->isEnabled());
        QVERIFY(report.acSaveAsPdf->isEnabled());
        report.acClose->trigger();
    }
};

QTEST_MAIN(TestReportForm)
#include "tst_ReportFrm.moc"
