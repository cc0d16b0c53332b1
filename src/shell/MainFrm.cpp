#include "shell/MainFrm.h"

#include "chart/ChartFrm.h"
#include "chart/ChartOptionsFrm.h"
#include "core/Errors.h"
#include "core/TimeRecorder.h"
#include "export/CsvExport.h"
#include "export/ExportOptionsFrm.h"
#include "help/GoToWebsite.h"
#include "help/HelpFile.h"
#include "report/ReportFrm.h"
#include "report/ReportOptionsFrm.h"
#include "settings/DataMod.h"
#include "settings/PreferencesFrm.h"
#include "shell/CommentFrm.h"
#include "shell/FileAssociation.h"
#include "shell/FileWatch.h"
#include "shell/LeaveNotice.h"
#include "shell/SaveForm.h"
#include "shell/TrayIcon.h"
#include "ui/BitBtnMsgDlg.h"
#include "ui/DrawingLock.h"
#include "ui/Images.h"
#include "ui/MainWindow.h"
#include "ui/Presenter.h"
#include "ui/StatusLabel.h"
#include "ui/TimeEdit.h"
#include "ui/WaitCursor.h"
#include "week/WeekSheet.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QWindowStateChangeEvent>

#include <exception>

namespace {

// The design position in logical pixels; Qt scales it with the screen.
constexpr QPoint DesignPosition(283, 118);

} // namespace

TMainForm::TMainForm(TData &data, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_data(data)
    , m_arguments(arguments)
    , m_timeRecorder(new TTimeRecorder(this))
{
    setObjectName(QStringLiteral("MainForm"));
    // Message boxes are centred on this window and take its caption as the application title.
    SetMainWindow(this);
    m_timeRecorder->setObjectName(QStringLiteral("TimeRecorder"));
    // A fixed window with a minimise box and a close box, no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ApplicationIcon());
    move(DesignPosition);

    // The holiday calendar comes in once start-up has shown the week.
    m_data.HoldBackHolidays(true);
    m_weekSheet = new TWeekSheet(*m_timeRecorder, m_data, this);
    m_weekSheet->setObjectName(QStringLiteral("WeekSheet"));
    setCentralWidget(m_weekSheet);
    m_weekSheet->SetArrangeView([this] { ArrangeView(); });
    // Settings that cannot be saved are told once, after the command that
    // changed them, which goes on: a data file still opens, a view still changes.
    // A failure as the window goes (its position is stored then) is not told:
    // the queued call goes with the window.
    m_data.RegistryManager().SetProblemReporter([this](const QString &message) {
        QMetaObject::invokeMethod(
            this, [message] { ShowMessageBox(message, mtError, mbOK); }, Qt::QueuedConnection);
    });
    connect(this, &QObject::destroyed, &m_data,
        [&data = m_data] { data.RegistryManager().SetProblemReporter({}); });

    m_fileWatch = new TFileWatch(*m_timeRecorder, this);
    m_fileWatch->setObjectName(QStringLiteral("FileWatch"));
    m_fileWatch->SetSaveCommand([this] { return acSaveExecute(); });
    connect(m_fileWatch, &TFileWatch::StoreReplaced, this, &TMainForm::StoreReplaced);
    connect(m_fileWatch, &TFileWatch::Status, this,
        [this](const QString &status) { m_status->ShowMessage(status); });

    CreateActions();
    CreateMenus();
    CreateToolBar();

    // The window has a fixed size (ArrangeView gives its height), so only its
    // position comes back.
    setFixedSize(size());
    m_saveFormPosition = new TSaveFormPosition(this);
    m_saveFormPosition->setObjectName(QStringLiteral("SaveFormPosition"));
    m_saveFormPosition->SetRegistryManager(&m_data.RegistryManager());
    m_saveFormPosition->Loaded();

    // The caption is the bare product name until a document is named.
    setWindowTitle(m_data.ApplicationTitle());
    m_trayIcon = new TTrayIcon(this);
    m_trayIcon->setObjectName(QStringLiteral("TrayIcon"));
    m_trayIcon->SetIcon(windowIcon());
    m_trayIcon->SetHint(m_data.ApplicationTitle());
    m_trayIcon->SetPopupMenu(m_trayMenu);
    connect(m_trayIcon, &TTrayIcon::OnClick, this, &TMainForm::acShowFormExecute);
    connect(m_trayIcon, &TTrayIcon::OnRightClick, this, &TMainForm::acShowFormExecute);
    connect(m_trayIcon, &TTrayIcon::OnTrayChange, this, &TMainForm::TrayChange);
    m_leaveNotice = new TLeaveNotice(m_data, *m_weekSheet, *m_trayIcon, this);
    LoadActionImages();

    m_goToWebsite = new TGoToWebsite(this);
    m_goToWebsite->setObjectName(QStringLiteral("GoToWebsite"));
    m_goToWebsite->SetVersionData(&m_data.VersionData());
    m_goToWebsite->SetActionHomePage(acGoToHomePage);
    m_goToWebsite->SetActionOrvaneSoftwareWebsite(acGoToOrvaneSoftwareWebsite);
    m_goToWebsite->Loaded();

    // The enabled state of the commands follows the document, the focus and
    // the shown week; it is brought up to date whenever the event queue runs dry.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMainForm::UpdateActions);
}

TMainForm::~TMainForm()
{
    // Taking the window down moves the focus once more.
    disconnect(m_focusWatch);
}

QAction *TMainForm::CreateAction(const char *name, const QString &caption, const QString &hint)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

void TMainForm::CreateActions()
{
    acNew = CreateAction("acNew", tr("&New"), tr("Create a new hourframe"));
    acLoad = CreateAction("acLoad", tr("&Open..."), tr("Load hourframe"));
    acSave = CreateAction("acSave", tr("&Save"), tr("Save hourframe"));
    acSaveAs = CreateAction("acSaveAs", tr("Save &As..."), tr("Save hourframe to new file"));
    acExport = CreateAction("acExport", tr("&Export..."), tr("Export data"));
    acHideForm = CreateAction("acHideForm", tr("Hide &Form"), tr("Hide form in tool tray"));
    acExit = CreateAction("acExit", tr("E&xit"), tr("Exit"));
    acReport = CreateAction("acReport", tr("&Report..."), tr("Generate a report"));
    acChart = CreateAction("acChart", tr("&Chart..."), tr("Chart hours, target and balance"));
    acShowMenu = CreateAction("acShowMenu", tr("Show &Menu"), tr("Show menu"));
    acShowToolbar = CreateAction("acShowToolbar", tr("Show &Toolbar"), tr("Show toolbar"));
    acShowLunchTime = CreateAction("acShowLunchTime", tr("Show &Lunch Time"), tr("Show lunch time"));
    acShowExtraHours = CreateAction("acShowExtraHours", tr("Show &Extra Hours"), tr("Show extra hours"));
    acShowHols = CreateAction("acShowHols", tr("Show &Holidays"), tr("Show holidays"));
    acShowDailyDeviation
        = CreateAction("acShowDailyDeviation", tr("Show &Daily Deviation"), tr("Show daily deviation"));
    acShowWeeklyDeviation
        = CreateAction("acShowWeeklyDeviation", tr("Show &Weekly Deviation"), tr("Show weekly deviation"));
    acShowComment = CreateAction("acShowComment", tr("Show &Comments"), tr("Show comments"));
    acShowBalance = CreateAction("acShowBalance", tr("Show &Balance"), tr("Show balance"));
    acShowLeaveAt = CreateAction("acShowLeaveAt", tr("Show Leave &At"), tr("Show when to leave today"));
    acOptions = CreateAction("acOptions", tr("&Options..."), tr("Configure options"));
    acShowForm = CreateAction("acShowForm", tr("Show &Form..."), tr("Show form"));
    acTimeNow = CreateAction("acTimeNow", tr("&Enter Current Time"), tr("Enter current time"));
    acHelp = CreateAction("acHelp", tr("&Help"), tr("Help"));
    acGoToHomePage = CreateAction("acGoToHomePage", tr("Home &page"), tr("Show home page"));
    acGoToOrvaneSoftwareWebsite = CreateAction(
        "acGoToOrvaneSoftwareWebsite", tr("Orvane Software &web site"), tr("Show Orvane Software web site"));
    acPreviousWeek = m_weekSheet->PreviousWeekAction();
    acNextWeek = m_weekSheet->NextWeekAction();

    auto command = [this](QAction *action, auto handler) {
        connect(action, &QAction::triggered, this,
            [this, handler] { RunReportingErrors([this, handler] { (this->*handler)(); }); });
    };
    command(acNew, &TMainForm::acNewExecute);
    command(acLoad, &TMainForm::acLoadExecute);
    command(acSave, &TMainForm::acSaveExecute);
    command(acSaveAs, &TMainForm::acSaveAsExecute);
    connect(acExit, &QAction::triggered, this, &QWidget::close);
    command(acHelp, &TMainForm::acHelpExecute);
    command(acHideForm, &TMainForm::acHideFormExecute);
    command(acShowForm, &TMainForm::acShowFormExecute);
    command(acExport, &TMainForm::acExportExecute);
    command(acOptions, &TMainForm::acOptionsExecute);
    command(acReport, &TMainForm::acReportExecute);
    command(acChart, &TMainForm::acChartExecute);
    connect(m_weekSheet, &TWeekSheet::CommentClicked, this, [this](QAbstractButton *button, int date) {
        RunReportingErrors([=, this] { btCommentClick(button, date); });
    });
    connect(acTimeNow, &QAction::triggered, this, [this] {
        if (QWidget *field = WorkingFocus())
            field->setFocus();
        RunReportingErrors([this] { m_weekSheet->EnterCurrentTime(); });
    });

    const auto toggle = [this](QAction *action, bool (TData::*getter)() const, void (TData::*setter)(bool)) {
        connect(action, &QAction::triggered, this,
            [this, getter, setter] { RunReportingErrors([=, this] { ToggleShowSetting(getter, setter); }); });
    };
    toggle(acShowMenu, &TData::ShowMenu, &TData::SetShowMenu);
    toggle(acShowToolbar, &TData::ShowToolbar, &TData::SetShowToolbar);
    toggle(acShowLunchTime, &TData::ShowLunchTime, &TData::SetShowLunchTime);
    toggle(acShowExtraHours, &TData::ShowExtraHours, &TData::SetShowExtraHours);
    toggle(acShowHols, &TData::ShowHols, &TData::SetShowHols);
    toggle(
        acShowDailyDeviation, &TData::ShowDeviationFromDailyTarget, &TData::SetShowDeviationFromDailyTarget);
    toggle(acShowWeeklyDeviation, &TData::ShowDeviationFromWeeklyTarget,
        &TData::SetShowDeviationFromWeeklyTarget);
    toggle(acShowComment, &TData::ShowComment, &TData::SetShowComment);
    toggle(acShowBalance, &TData::ShowBalance, &TData::SetShowBalance);
    toggle(acShowLeaveAt, &TData::ShowLeaveAt, &TData::SetShowLeaveAt);

    acShowForm->setVisible(false);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    RunReportingErrors([this] {
        ArrangeView();
        m_weekSheet->InitWeek();
    });
    // The rest of start-up runs once the window is on screen.
    QMetaObject::invokeMethod(
        this, [this] { RunReportingErrors([this] { CompleteStartUp(); }); }, Qt::QueuedConnection);
    if (m_startUpDone)
        RunReportingErrors([this] { m_weekSheet->ShowWeek(); });
}

void TMainForm::CompleteStartUp()
{
    if (m_startUpDone)
        return;
    m_startUpDone = true;
    m_weekSheet->ReadHolidaysSoon();

    QString path;
    // A name typed in a terminal is relative to that terminal's folder; kept
    // as the last used file it would not be found from any other folder.
    if (!m_arguments.isEmpty()) {
        path = m_arguments.constFirst();
        if (!path.isEmpty() && QFileInfo(path).isRelative())
            path = QFileInfo(path).absoluteFilePath();
    } else if (m_data.ReopenLastUsedFile())
        path = m_data.Filename();
    // A file that cannot be read is reported, and start-up goes on: the week
    // must be shown, or nothing typed into it would reach the document.
    if (!path.isEmpty())
        RunReportingErrors([&] { OpenFile(path); });

    ArrangeView();
    m_weekSheet->FocusToday();
    const auto *focused = qobject_cast<const TTimeEdit *>(focusWidget());
    if (m_data.AutoEnterTime() && focused && m_weekSheet->IsArriveOrDepartField(focused)
        && focused->Value() < 0)
        m_weekSheet->EnterCurrentTime();
    m_weekSheet->ShowWeek();
}

void TMainForm::OpenFile(const QString &path)
{
    // Only a file that could be opened becomes the last file: kept, a name
    // that cannot be opened (a mistyped argument) would come back with its
    // message at every start.
    bool opened = true;
    std::exception_ptr unreadable;
    try {
        m_fileWatch->Load(path);
    } catch (const IoError &) {
        opened = false;
        const TMsgDlgBtn answer
            = ShowMessageBox(tr("Unable to open file %1\rDo you want to try to find it yourself?").arg(path),
                mtError, mbYes | mbNo);
        if (answer == mbYes)
            acLoadExecute();
    } catch (const HourframeError &) {
        // A line that cannot be read stops the load part way. The sheet must
        // then show what the store holds now: left on the previous document's
        // week, its next edit would write old values into the new document.
        unreadable = std::current_exception();
    }
    UpdateCaption();
    m_weekSheet->ShowWeek();
    if (opened)
        m_data.SetFilename(path);
    if (unreadable)
        std::rethrow_exception(unreadable);
    m_fileWatch->OfferConflictCopies();
}

bool TMainForm::QuerySaveChanges(const QString &question)
{
    if (!m_timeRecorder->Modified())
        return true;
    // A save that does not happen (the user cancelled the save dialog) stops
    // the operation that asked, so that no edit is lost without a word.
    if (m_data.AutoSave())
        return acSaveExecute();
    const TMsgDlgBtn answer = ShowMessageBox(question, mtWarning, mbYes | mbNo | mbCancel);
    if (answer == mbYes)
        return acSaveExecute();
    return answer == mbNo;
}

void TMainForm::UpdateCaption()
{
    const QString product = m_data.ApplicationTitle();
    const QString fileName = m_timeRecorder->FileName();
    const QString name = fileName.isEmpty() ? tr("Untitled") : QFileInfo(fileName).fileName();
    m_captionNote.clear();
    // The application title follows the caption (ApplicationTitle). It is not
    // made the application's display name: Qt would append that to the caption
    // of every other window.
    setWindowTitle(product + QStringLiteral(" [") + name + QStringLiteral("]"));
}

void TMainForm::StoreReplaced(const QString &note, const QString &status)
{
    m_weekSheet->ShowWeekKeepingCaret();
    UpdateCaption();
    m_captionNote = note;
    setWindowTitle(windowTitle() + QStringLiteral(" (") + note + u')');
    m_status->ShowMessage(status);
}

QString TMainForm::StatusText() const
{
    return m_status->Message();
}

void TMainForm::acNewExecute()
{
    if (!QuerySaveChanges(tr("The time card has changed.\nSave data before creating a new hourframe?")))
        return;
    m_timeRecorder->Clear();
    m_fileWatch->Forget();
    UpdateCaption();
    m_weekSheet->ShowWeek();
}

TFileDialogOptions TMainForm::DataFileDialog(const QString &title) const
{
    TFileDialogOptions options;
    options.title = title;
    options.filter = tr("Hourframe Files (*.hf);;All Files (*)");
    options.defaultSuffix = QStringLiteral("hf");
    const QString fileName = m_timeRecorder->FileName();
    if (!fileName.isEmpty())
        options.directory = QFileInfo(fileName).absolutePath();
    return options;
}

void TMainForm::acLoadExecute()
{
    TFileDialogOptions options = DataFileDialog(tr("Open Hourframe"));
    options.mustExist = true;
    const QString path = Presenter().OpenFileName(this, options);
    if (path.isEmpty())
        return;
    if (QuerySaveChanges(tr("The time card has changed.\nSave data before loading?")))
        OpenFile(path);
}

bool TMainForm::acSaveExecute()
{
    if (m_timeRecorder->FileName().isEmpty())
        return acSaveAsExecute();
    return SaveTo(m_timeRecorder->FileName());
}

bool TMainForm::SaveTo(const QString &path)
{
    const TFileWatch::SaveResult result = m_fileWatch->Save(path);
    if (result == TFileWatch::SaveResult::AskForName)
        return acSaveAsExecute();
    if (result == TFileWatch::SaveResult::Saved && !m_captionNote.isEmpty())
        UpdateCaption();
    return result == TFileWatch::SaveResult::Saved;
}

bool TMainForm::acSaveAsExecute()
{
    TFileDialogOptions options = DataFileDialog(tr("Save Hourframe"));
    options.confirmOverwrite = true;
    const QString path = Presenter().SaveFileName(this, options);
    if (path.isEmpty())
        return false;
    m_data.SetFilename(path);
    const bool saved = SaveTo(path);
    UpdateCaption();
    return saved;
}

void TMainForm::acHelpExecute()
{
    OpenHelpFile(m_data.HelpFile());
}

bool TMainForm::HideFormAllowed() const
{
    return m_data.UseToolTray() && m_trayIcon->Shown() && isVisible();
}

void TMainForm::acHideFormExecute()
{
    if (HideFormAllowed())
        hide();
}

void TMainForm::acShowFormExecute()
{
    // Restoring runs the restore handler through the state change.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TMainForm::FormMinimize()
{
    // Hidden after the minimise has been handled, the window leaves the
    // taskbar; the tray icon brings it back.
    if (HideFormAllowed())
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isMinimized() && HideFormAllowed())
                    hide();
            },
            Qt::QueuedConnection);
}

void TMainForm::FormRestore()
{
    show();
}

void TMainForm::TrayChange()
{
    // A window hidden into a notification area that has gone could not be
    // brought back any more.
    if (!m_trayIcon->Shown() && !isVisible())
        acShowFormExecute();
}

void TMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const bool wasMinimized = static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMinimized;
    if (isMinimized() && !wasMinimized)
        FormMinimize();
    else if (!isMinimized() && wasMinimized)
        FormRestore();
}

void TMainForm::UpdateFileAssociation()
{
    ::UpdateFileAssociation(m_data.AssociateHfFiles(), LauncherFor(QCoreApplication::applicationFilePath()));
}

void TMainForm::acOptionsExecute()
{
    if (!EditPreferences(this, m_data))
        return;
    // The new settings apply at once; the sheet returns to the current week.
    ArrangeView();
    m_weekSheet->InitWeek();
    m_weekSheet->ShowWeek();
    UpdateFileAssociation();
}

void TMainForm::acReportExecute()
{
    TPeriod period;
    if (EditReportOptions(this, m_data, m_timeRecorder, period))
        ShowReport(this, m_data, m_timeRecorder, period);
}

void TMainForm::acChartExecute()
{
    TPeriod period;
    if (EditChartOptions(this, m_data, m_timeRecorder, period))
        ShowChart(this, m_data, m_timeRecorder, period);
}

void TMainForm::acExportExecute()
{
    TPeriod period;
    if (EditExportOptions(this, m_data, m_timeRecorder, period))
        ExportToCsv(period.StartDate, period.EndDate);
}

void TMainForm::ExportToCsv(int StartDate, int EndDate)
{
    const QString fileName = m_data.ExportFileName();
    QString failure;
    {
        const WaitCursor wait;
        const QString path = ExportFilePath(fileName, m_timeRecorder->FileName());
        const QString directory = path.left(path.lastIndexOf(u'/') + 1);
        if (!directory.isEmpty() && !QDir().mkpath(directory)) {
            failure
                = tr("Unable to create directory \"%1\"\rand so unable to create export file").arg(directory);
        } else {
            try {
                ExportCsvFile(path, *m_timeRecorder, StartDate, EndDate, CsvExportOptionsFrom(m_data));
            } catch (const IoError &error) {
                failure = tr("Unable to create export file \"%1\"\rPlease ensure it isn't in use by another "
                             "application.")
                              .arg(fileName);
                // What the system said, such as "No space left on device".
                if (!error.reason().isEmpty())
                    failure += u'\r' + error.reason();
            }
        }
    }
    // The box waits for the normal cursor: an hourglass over it would say
    // that the program is still busy.
    if (!failure.isEmpty())
        ShowMessageBox(failure, mtError, mbOK);
}

void TMainForm::btCommentClick(QAbstractButton *button, int date)
{
    QString comment;
    if (EditDayComment(this, m_data, *m_timeRecorder, date, button->toolTip(), &comment))
        m_weekSheet->UpdateCommentButton(button, comment, date);
}

void TMainForm::ToggleShowSetting(bool (TData::*getter)() const, void (TData::*setter)(bool))
{
    (m_data.*setter)(!(m_data.*getter)());
    ArrangeView();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    bool goOn = false;
    RunReportingErrors(
        [&] { goOn = QuerySaveChanges(tr("The time card has changed.\nSave data before exiting?")); });
    if (goOn) {
        m_trayIcon->SetActive(false);
        event->accept();
        // Closing a window hidden in the tray closes no visible window, which
        // would leave the application running without a window or an icon.
        if (!isVisible())
            QCoreApplication::exit(0);
    } else
        event->ignore();
}

void TMainForm::ArrangeView()
{
    m_trayIcon->SetActive(m_data.UseToolTray());
    const DrawingLock lock(this);

    menuBar()->setVisible(m_data.ShowMenu());
    for (QShortcut *key : std::as_const(m_hiddenMenuKeys))
        key->setEnabled(!m_data.ShowMenu());
    m_weekSheet->ArrangeRows(
        m_data.ShowLunchTime(), m_data.ShowExtraHours(), m_data.ShowHols(), m_data.ShowComment());
    m_weekSheet->SetResultRowsVisible(m_data.ShowDeviationFromDailyTarget(),
        m_data.ShowDeviationFromWeeklyTarget(), m_data.ShowBalance(), m_data.ShowLeaveAt());
    m_toolBar->setVisible(m_data.ShowToolbar());

    const int sheetHeight = m_weekSheet->height();
    const int client = sheetHeight + (m_data.ShowToolbar() ? ToolBarHeight : 0);
    const int menu = m_data.ShowMenu() ? menuBar()->sizeHint().height() : 0;
    setFixedSize(m_weekSheet->width(), client + menu);

    // Whole captions, not "Show" or "Hide" and a suffix: other languages put
    // the verb elsewhere.
    const auto caption = [](QAction *action, bool shown, const QString &show, const QString &hide) {
        action->setText(shown ? hide : show);
    };
    caption(acShowMenu, m_data.ShowMenu(), tr("Show &Menu"), tr("Hide &Menu"));
    caption(acShowToolbar, m_data.ShowToolbar(), tr("Show &Toolbar"), tr("Hide &Toolbar"));
    caption(acShowLunchTime, m_weekSheet->IsRowShown(TWeekSheet::rwLunch), tr("Show &Lunch Time"),
        tr("Hide &Lunch Time"));
    caption(acShowExtraHours, m_weekSheet->IsRowShown(TWeekSheet::rwExtra), tr("Show &Extra Hours"),
        tr("Hide &Extra Hours"));
    caption(
        acShowHols, m_weekSheet->IsRowShown(TWeekSheet::rwHols), tr("Show &Holidays"), tr("Hide &Holidays"));
    caption(acShowDailyDeviation, m_data.ShowDeviationFromDailyTarget(), tr("Show &Daily Deviation"),
        tr("Hide &Daily Deviation"));
    caption(acShowWeeklyDeviation, m_data.ShowDeviationFromWeeklyTarget(), tr("Show &Weekly Deviation"),
        tr("Hide &Weekly Deviation"));
    caption(acShowComment, m_weekSheet->IsRowShown(TWeekSheet::rwComment), tr("Show &Comments"),
        tr("Hide &Comments"));
    caption(acShowBalance, m_data.ShowBalance(), tr("Show &Balance"), tr("Hide &Balance"));
    caption(acShowLeaveAt, m_data.ShowLeaveAt(), tr("Show Leave &At"), tr("Hide Leave &At"));
    if (m_leaveNotice)
        m_leaveNotice->Update();

    m_weekSheet->ArrangeDayColumns();
}

int TMainForm::ClientHeight() const
{
    return height() - (menuBar()->isVisible() ? menuBar()->height() : 0);
}

void TMainForm::UpdateActions()
{
    acSave->setEnabled(m_timeRecorder->Modified());
    acShowLunchTime->setEnabled(!m_weekSheet->WeekHasLunch());
    acShowExtraHours->setEnabled(!m_weekSheet->WeekHasExtra());
    acShowComment->setEnabled(!m_weekSheet->WeekHasComments());
    acShowHols->setEnabled(!m_weekSheet->WeekHasHolidays());
    acTimeNow->setEnabled(m_weekSheet->IsArriveOrDepartField(WorkingFocus()));
    acHelp->setEnabled(HelpFileExists(m_data.HelpFile()));
    acHideForm->setVisible(HideFormAllowed());
    m_exitSeparator->setVisible(acHideForm->isVisible());
    acShowForm->setVisible(!isVisible());
}
