#include "ui/Presenter.h"

#include "core/Errors.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QFileDialog>

namespace {

TPresenter *&installed()
{
    static TPresenter *presenter = nullptr;
    return presenter;
}

// The window a box belongs to: the modal dialog or the window in use, else the
// main window (at start-up, or just after a file dialog closed, no window is
// active yet). Wherever it belongs, the box shows over the main window.
QWidget *boxOwner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return MainWindow();
}

QString runFileDialog(QWidget *parent, const TFileDialogOptions &options, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, options.title, options.directory, options.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

TMsgDlgBtn TDesktopPresenter::MessageBox(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons)
{
    TMessageForm box(text, kind, buttons, boxOwner());
    box.exec();
    return box.Result();
}

void TDesktopPresenter::ReportError(const QString &text)
{
    TMessageForm box(text, mtError, mbOK, boxOwner());
    box.setWindowTitle(ApplicationTitle());
    box.exec();
}

QString TDesktopPresenter::OpenFileName(QWidget *parent, const TFileDialogOptions &options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

QString TDesktopPresenter::SaveFileName(QWidget *parent, const TFileDialogOptions &options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

int TDesktopPresenter::ExecDialog(QDialog &dialog)
{
    return dialog.exec();
}

TPresenter &Presenter()
{
    static TDesktopPresenter desktop;
    return installed() ? *installed() : desktop;
}

TScopedPresenter::TScopedPresenter(TPresenter &presenter)
    : m_previous(installed())
{
    installed() = &presenter;
}

TScopedPresenter::~TScopedPresenter()
{
    installed() = m_previous;
}

void ReportFailure(const std::exception &error)
{
    const auto *ours = dynamic_cast<const HourframeError *>(&error);
    Presenter().ReportError(ours ? ours->message() : QString::fromLocal8Bit(error.what()));
}
