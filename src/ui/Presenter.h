#pragma once

#include "ui/BitBtnMsgDlg.h"

#include <QString>

#include <exception>
#include <utility>

class QDialog;
class QWidget;

// What a file dialog is asked for.
struct TFileDialogOptions {
    QString title;
    QString filter; // "Hourframe Files (*.hf);;All Files (*)"
    QString defaultSuffix; // without the dot
    QString directory;
    bool mustExist = false; // the chosen file must exist (open dialogs)
    bool confirmOverwrite = false;
};

// Every modal question goes through the installed presenter: message boxes,
// file dialogs and the exec of each modal dialog. Tests install one that
// answers from a script and records what was asked.
class TPresenter {
public:
    virtual ~TPresenter() = default;

    virtual TMsgDlgBtn MessageBox(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons) = 0;
    // The general error report: a failure no command handled, captioned with
    // the application title, with the error icon and an OK button.
    virtual void ReportError(const QString &text) = 0;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString OpenFileName(QWidget *parent, const TFileDialogOptions &options) = 0;
    virtual QString SaveFileName(QWidget *parent, const TFileDialogOptions &options) = 0;
    // Shows the dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int ExecDialog(QDialog &dialog) = 0;
};

// The real dialogs.
class TDesktopPresenter : public TPresenter {
public:
    TMsgDlgBtn MessageBox(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons) override;
    void ReportError(const QString &text) override;
    QString OpenFileName(QWidget *parent, const TFileDialogOptions &options) override;
    QString SaveFileName(QWidget *parent, const TFileDialogOptions &options) override;
    int ExecDialog(QDialog &dialog) override;
};

// The presenter in use; the desktop presenter unless another is installed.
TPresenter &Presenter();

// Installs a presenter for as long as the object lives.
class TScopedPresenter {
public:
    explicit TScopedPresenter(TPresenter &presenter);
    ~TScopedPresenter();
    TScopedPresenter(const TScopedPresenter &) = delete;
    TScopedPresenter &operator=(const TScopedPresenter &) = delete;

private:
    TPresenter *m_previous;
};

// Shows a failure that no command handled in the general error report of the
// installed presenter, with the failure's own text.
void ReportFailure(const std::exception &error);

// Runs a command and reports any failure it raises with ReportFailure: the
// one way such failures reach the user, from a command, a control's event or
// the event loop itself.
template<class Command> void RunReportingErrors(Command &&command)
{
    try {
        std::forward<Command>(command)();
    } catch (const std::exception &error) {
        ReportFailure(error);
    }
}
