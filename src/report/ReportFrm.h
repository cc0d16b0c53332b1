#pragma once

#include "period/Period.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <memory>

class QAction;
class QPagedPaintDevice;
class QPlainTextEdit;
class QPrinter;
class QToolBar;
class TData;
class TTimeRecorder;

// The report window: the report text of a period in a read-only, fixed-pitch
// text area, with commands to save it as text or PDF, copy it, print it and
// set up the printer. The text is made once, by BuildReport, and never
// changes while the window is open.
class TReportForm : public QDialog {
    Q_OBJECT

public:
    // store may be null; the window forgets it when it is destroyed first.
    TReportForm(TData &data, TTimeRecorder *store, QWidget *parent = nullptr);
    ~TReportForm() override;

    // Fills the text area with the report of the period from the store.
    // Without a store the text stays empty and Save, Save as PDF, Print and
    // Copy are disabled.
    void BuildReport(int StartDate, int EndDate);
    const QStringList &Lines() const { return m_lines; }

    // The printer that Print uses and Print setup sets up, made on first use.
    QPrinter &Printer();

    QAction *acSave;
    QAction *acSaveAsPdf;
    QAction *acCopyToClipboard;
    QAction *acPrint;
    QAction *acPrintSetup;
    QAction *acClose;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *CreateAction(const char *name, const char *caption, const char *hint, const char *image);
    void FormShow();
    // The text file is replaced without a question, as it always was; a PDF
    // asks first.
    QString ReportFileDialog(const QString &title, const QString &filter, const QString &suffix,
        const QString &lastName, bool confirmOverwrite);
    void acSaveExecute();
    void acSaveAsPdfExecute();
    void acCopyToClipboardExecute();
    void acPrintExecute();
    void acPrintSetupExecute();

    // Puts the report on the pages of a device with a busy dialog; returns
    // false when the user cancelled, in which case nothing was drawn.
    bool PrintPages(QPagedPaintDevice &device);

    TData &m_data;
    QPointer<TTimeRecorder> m_timeRecorder;
    QStringList m_lines;
    QToolBar *tbReport;
    QPlainTextEdit *moReport;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printing = false;
};

// The Report command's window: makes the report of the period, shows it
// modally over the owner and destroys it when the user closes it.
void ShowReport(QWidget *owner, TData &data, TTimeRecorder *store, const TPeriod &period);
