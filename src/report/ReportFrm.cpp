#include "report/ReportFrm.h"

#include "core/Errors.h"
#include "core/ReplaceFile.h"
#include "core/TimeRecorder.h"
#include "report/BusyFrm.h"
#include "report/ReportText.h"
#include "settings/DataMod.h"
#include "ui/Images.h"
#include "ui/MainWindow.h"
#include "ui/Presenter.h"
#include "ui/Printers.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Pages leave this many device units free at the left and the top.
constexpr int PageMargin = 10;

// The text as files and the clipboard get it: every line followed by CR LF.
QString CrLfText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + u"\r\n"_s;
    return text;
}

// The text area's font: Courier New where it is installed, else the system's
// fixed-pitch font, at 10 points (13 pixels at 96 dots per inch).
QFont ReportFont()
{
    QFont font = QFontDatabase::hasFamily(u"Courier New"_s)
        ? QFont(u"Courier New"_s)
        : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

// The printer font of the preferences. Their font list holds the printer's
// fonts, so without a printer they store no name; the report is laid out in
// columns of characters, and a PDF saved then takes the system's fixed-pitch
// font rather than whatever proportional font an empty name falls back to.
QFont PrinterFont(const TData &data)
{
    QFont font = data.PrinterFontName().isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                                  : QFont(data.PrinterFontName());
    font.setPointSize(data.PrinterFontSize());
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

TReportForm::TReportForm(TData &data, TTimeRecorder *store, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_timeRecorder(store)
{
    setObjectName(u"ReportForm"_s);
    setWindowTitle(tr("Hourframe Report"));
    // Resizable, with a maximise box and no minimise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    resize(679, 467);

    acSave = CreateAction("acSave", tr("&Save..."), tr("Save report to file"), "SAVE");
    acSaveAsPdf = CreateAction("acSaveAsPdf", tr("Save as P&DF..."), tr("Save report as PDF"), "PDF");
    acCopyToClipboard
        = CreateAction("acCopyToClipboard", tr("Copy to clip&board"), tr("Copy report to clipboard"), "COPY");
    acPrint = CreateAction("acPrint", tr("&Print"), tr("Print report"), "PRINT");
    acPrintSetup = CreateAction("acPrintSetup", tr("Print set&up..."), tr("Print setup"), "PRINTSETUP");
    acClose = CreateAction("acClose", tr("&Close"), tr("Close"), "CLOSE");

    // The toolbar's buttons take no focus; the menu is the keyboard's way
    // to the commands.
    auto *mbReport = new QMenuBar(this);
    mbReport->setObjectName(u"mbReport"_s);
    QMenu *file = mbReport->addMenu(tr("&File"));
    file->setObjectName(u"mnFile"_s);
    file->addActions({ acSave, acSaveAsPdf, acCopyToClipboard });
    file->addSeparator();
    file->addActions({ acPrint, acPrintSetup });
    file->addSeparator();
    file->addAction(acClose);

    tbReport = new QToolBar(this);
    tbReport->setObjectName(u"tbReport"_s);
    tbReport->setIconSize(QSize(16, 16));
    tbReport->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbReport->addActions({ acSave, acCopyToClipboard });
    tbReport->addSeparator();
    tbReport->addActions({ acPrint, acPrintSetup, acSaveAsPdf });
    tbReport->addSeparator();
    tbReport->addAction(acClose);

    moReport = new QPlainTextEdit(this);
    moReport->setObjectName(u"moReport"_s);
    moReport->setReadOnly(true);
    moReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    moReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    moReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    moReport->setFont(ReportFont());
    moReport->setAccessibleName(tr("Report"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(mbReport);
    layout->addWidget(tbReport);
    layout->addWidget(moReport);

    const auto command = [this](QAction *action, void (TReportForm::*handler)()) {
        connect(action, &QAction::triggered, this,
            [this, handler] { RunReportingErrors([this, handler] { (this->*handler)(); }); });
    };
    command(acSave, &TReportForm::acSaveExecute);
    command(acSaveAsPdf, &TReportForm::acSaveAsPdfExecute);
    command(acCopyToClipboard, &TReportForm::acCopyToClipboardExecute);
    command(acPrint, &TReportForm::acPrintExecute);
    command(acPrintSetup, &TReportForm::acPrintSetupExecute);
    connect(acClose, &QAction::triggered, this, &QWidget::close);
}

TReportForm::~TReportForm() = default;

QAction *TReportForm::CreateAction(
    const char *name, const QString &caption, const QString &hint, const char *image)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setIcon(CommandIcon(QString::fromLatin1(image)));
    return action;
}

QPrinter &TReportForm::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void TReportForm::BuildReport(int StartDate, int EndDate)
{
    m_lines.clear();
    if (m_timeRecorder)
        m_lines = ReportLines(*m_timeRecorder, { StartDate, EndDate }, ReportSettingsOf(m_data));
    // One document for the whole report, so that the area lays it out and
    // repaints once.
    moReport->setPlainText(m_lines.join(u'\n'));
    const bool hasReport = !m_timeRecorder.isNull();
    for (QAction *action : { acSave, acSaveAsPdf, acPrint, acCopyToClipboard })
        action->setEnabled(hasReport);
}

void TReportForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TReportForm::FormShow()
{
    const bool printers = PrintersInstalled();
    acPrint->setEnabled(printers);
    acPrintSetup->setEnabled(printers);
}

void TReportForm::closeEvent(QCloseEvent *event)
{
    // The page loop hands control to the event queue; the window must outlive it.
    if (m_printing)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

// A save dialog for the report, opening on the name it was last saved under.
QString TReportForm::ReportFileDialog(const QString &title, const QString &filter, const QString &suffix,
    const QString &lastName, bool confirmOverwrite)
{
    TFileDialogOptions options;
    options.title = title;
    options.filter = filter;
    options.defaultSuffix = suffix;
    options.directory = lastName;
    options.confirmOverwrite = confirmOverwrite;
    return Presenter().SaveFileName(this, options);
}

void TReportForm::acSaveExecute()
{
    const QString path = ReportFileDialog(
        tr("Save Report"), tr("Text Files (*.txt);;All Files (*)"), u"txt"_s, m_data.ReportFileName(), false);
    if (path.isEmpty())
        return;
    ReplaceFile(path, [&](QIODevice &file) {
        WriteReportText(file, m_lines, "\r\n", path);
        return true;
    });
    m_data.SetReportFileName(path);
}

void TReportForm::acCopyToClipboardExecute()
{
    QGuiApplication::clipboard()->setText(CrLfText(m_lines));
}

void TReportForm::acPrintSetupExecute()
{
    if (!PrintersInstalled())
        return;
    QPrintDialog dialog(&Printer(), this);
    dialog.setWindowTitle(tr("Print Setup"));
    Presenter().ExecDialog(dialog);
}

void TReportForm::acPrintExecute()
{
    if (!PrintersInstalled())
        return;
    QPrinter &printer = Printer();
    printer.setDocName(ApplicationTitle());
    if (PrintPages(printer) && printer.printerState() == QPrinter::Error)
        throw IoError(tr("The report could not be printed"));
}

// The same pages as Print, at the printer's resolution and page layout, into
// a PDF file that replaces the old one only when it is complete.
void TReportForm::acSaveAsPdfExecute()
{
    const QString path = ReportFileDialog(tr("Save Report as PDF"), tr("PDF Files (*.pdf);;All Files (*)"),
        u"pdf"_s, m_data.ReportPdfFileName(), true);
    if (path.isEmpty())
        return;
    const bool saved = ReplaceFile(path, [this](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setResolution(Printer().resolution());
        writer.setPageLayout(Printer().pageLayout());
        writer.setTitle(ApplicationTitle());
        writer.setCreator(m_data.ApplicationTitle());
        return PrintPages(writer);
    });
    if (saved)
        m_data.SetReportPdfFileName(path);
}

// The lines are laid out first, one at a time, with the busy dialog showing
// the progress and its Cancel button working. The pages are drawn only after
// that: a print job, once begun, cannot be taken back (Qt's PDF and CUPS print
// engines do not abort), so a cancelled print must not begin one at all.
bool TReportForm::PrintPages(QPagedPaintDevice &device)
{
    setEnabled(false);
    const auto enable = qScopeGuard([this] { setEnabled(true); });
    const QScopedValueRollback printing(m_printing, true);
    TBusyForm busy(this);
    // A window made over a disabled owner starts disabled; Cancel must work.
    busy.setEnabled(true);
    busy.SetOperation(tr("Printing Report"));
    busy.SetPosition(0);
    busy.SetMin(0);
    busy.SetMax(static_cast<int>(m_lines.size()));
    busy.show();
    QCoreApplication::processEvents();

    const QFont font = PrinterFont(m_data);
    const QFontMetrics metrics(font, &device);
    const int lineHeight = metrics.size(Qt::TextSingleLine, u"Hy"_s).height();
    const int pageHeight = device.height();

    // Where each line goes: its top, and whether a new page begins with it.
    // A line that would pass the bottom of a page goes to the next one, unless
    // it is the first of its page.
    std::vector<int> tops(static_cast<size_t>(m_lines.size()));
    std::vector<bool> newPage(tops.size());
    int y = PageMargin;
    for (size_t i = 0; i < tops.size(); ++i) {
        if (pageHeight < y + lineHeight && y > PageMargin) {
            newPage[i] = true;
            y = PageMargin;
        }
        tops[i] = y;
        y += lineHeight;
        busy.SetPosition(static_cast<int>(i));
        QCoreApplication::processEvents();
        if (QCoreApplication::closingDown() || busy.Cancelled())
            return false;
    }

    busy.CancelButton()->setEnabled(false);
    busy.repaint();
    QPainter painter;
    if (!painter.begin(&device))
        throw IoError(tr("The report could not be printed"));
    painter.setFont(font);
    const int ascent = metrics.ascent();
    for (size_t i = 0; i < tops.size(); ++i) {
        if (newPage[i] && !device.newPage())
            throw IoError(tr("The report could not be printed"));
        painter.drawText(PageMargin, tops[i] + ascent, m_lines[static_cast<qsizetype>(i)]);
        // Long reports take a while to draw; windows keep repainting.
        if (i % 256 == 255)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    if (!painter.end())
        throw IoError(tr("The report could not be printed"));
    return true;
}

void ShowReport(QWidget *owner, TData &data, TTimeRecorder *store, const TPeriod &period)
{
    TReportForm form(data, store, owner);
    form.BuildReport(period.StartDate, period.EndDate);
    Presenter().ExecDialog(form);
}
