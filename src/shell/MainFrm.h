#pragma once

#include "ui/Presenter.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QAbstractButton;
class QAction;
class QMenu;
class QShortcut;
class QToolBar;
class TData;
class TFileWatch;
class TGoToWebsite;
class TLeaveNotice;
class TSaveFormPosition;
class TStatusLabel;
class TTimeRecorder;
class TTrayIcon;
class TWeekSheet;

// The main window: the week sheet of the open document with its commands,
// menus and toolbar, the unsaved-changes check and the start-up sequence.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // arguments: the command-line arguments after the program name.
    TMainForm(TData &data, const QStringList &arguments, QWidget *parent = nullptr);
    ~TMainForm() override;

    TTimeRecorder &TimeRecorder() { return *m_timeRecorder; }
    TWeekSheet &WeekSheet() { return *m_weekSheet; }
    TTrayIcon &TrayIcon() { return *m_trayIcon; }
    TLeaveNotice &LeaveNotice() { return *m_leaveNotice; }
    TSaveFormPosition &SaveFormPosition() { return *m_saveFormPosition; }
    TFileWatch &FileWatch() { return *m_fileWatch; }
    bool StartUpDone() const { return m_startUpDone; }

    void OpenFile(const QString &path);
    // The unsaved-changes check; true means go on. question is what the box
    // asks, such as "The time card has changed.\nSave data before loading?".
    bool QuerySaveChanges(const QString &question);
    void UpdateCaption();
    void CompleteStartUp();
    void ArrangeView();
    void UpdateActions();
    void UpdateFileAssociation();
    // Writes the export file named in the settings for the period (day
    // numbers, both included). Failures are shown to the user, success is not.
    void ExportToCsv(int StartDate, int EndDate);

    // The inside height of the window below the menu bar: toolbar and sheet.
    int ClientHeight() const;
    // The short text at the end of the toolbar that says what happened to
    // the file on disk; empty when there is nothing to tell.
    QString StatusText() const;

    QAction *acNew = nullptr;
    QAction *acLoad = nullptr;
    QAction *acSave = nullptr;
    QAction *acSaveAs = nullptr;
    QAction *acExport = nullptr;
    QAction *acHideForm = nullptr;
    QAction *acExit = nullptr;
    QAction *acReport = nullptr;
    QAction *acChart = nullptr;
    QAction *acShowMenu = nullptr;
    QAction *acShowToolbar = nullptr;
    QAction *acShowLunchTime = nullptr;
    QAction *acShowExtraHours = nullptr;
    QAction *acShowHols = nullptr;
    QAction *acShowDailyDeviation = nullptr;
    QAction *acShowWeeklyDeviation = nullptr;
    QAction *acShowComment = nullptr;
    QAction *acShowBalance = nullptr;
    QAction *acShowLeaveAt = nullptr;
    QAction *acOptions = nullptr;
    QAction *acShowForm = nullptr;
    QAction *acTimeNow = nullptr;
    QAction *acPreviousWeek = nullptr;
    QAction *acNextWeek = nullptr;
    QAction *acHelp = nullptr;
    QAction *acGoToHomePage = nullptr;
    QAction *acGoToOrvaneSoftwareWebsite = nullptr;

    QMenu *PopupMenu() const { return m_popupMenu; }
    QMenu *TrayMenu() const { return m_trayMenu; }
    QToolBar *ToolBar() const { return m_toolBar; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // In logical pixels; Qt scales it with the screen.
    static constexpr int ToolBarHeight = 26;

    QAction *CreateAction(const char *name, const QString &caption, const QString &hint);
    void CreateActions();
    void CreateMenus();
    // The window's pop-up menu, opened by a key under the focused control.
    void PopupFromKeyboard();
    // The focused control, or the one that had the focus before the menu bar
    // took it for the keyboard.
    QWidget *WorkingFocus() const;
    void CreateToolBar();
    void LoadActionImages();

    void acNewExecute();
    void acLoadExecute();
    // Both return whether the document was written (false when the user
    // cancelled the save dialog).
    bool acSaveExecute();
    bool acSaveAsExecute();
    void acHelpExecute();
    void acHideFormExecute();
    void acShowFormExecute();
    // Hiding into the notification area needs the setting and an area to
    // hide into; without one the window stays an ordinary window.
    bool HideFormAllowed() const;
    void FormMinimize();
    void FormRestore();
    void TrayChange();
    void acExportExecute();
    void acOptionsExecute();
    void acReportExecute();
    void acChartExecute();
    void btCommentClick(QAbstractButton *button, int date);
    void ToggleShowSetting(bool (TData::*getter)() const, void (TData::*setter)(bool));

    // The open and save dialogs of data files, in the document's folder.
    TFileDialogOptions DataFileDialog(const QString &title) const;
    // Saves through the file watch; false when nothing was written.
    bool SaveTo(const QString &path);
    // The store holds other records after a change on disk: the sheet shows
    // them, keeping the week, the focused field and its caret.
    void StoreReplaced(const QString &note, const QString &status);

    TData &m_data;
    QStringList m_arguments;
    TTimeRecorder *m_timeRecorder = nullptr;
    TWeekSheet *m_weekSheet = nullptr;
    TTrayIcon *m_trayIcon = nullptr;
    TLeaveNotice *m_leaveNotice = nullptr;
    TSaveFormPosition *m_saveFormPosition = nullptr;
    TGoToWebsite *m_goToWebsite = nullptr;
    TFileWatch *m_fileWatch = nullptr;
    TStatusLabel *m_status = nullptr;
    QString m_captionNote; // after the caption: the file was reloaded or merged
    QToolBar *m_toolBar = nullptr;
    QMenu *m_showMenu = nullptr;
    QMenu *m_popupMenu = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_exitSeparator = nullptr;
    QList<QShortcut *> m_hiddenMenuKeys; // Alt and a menu's letter while the menu bar is hidden
    QPointer<QWidget> m_focusBeforeMenuBar;
    QMetaObject::Connection m_focusWatch; // ends before the window's parts go
    bool m_startUpDone = false;
};
