#pragma once

#include <QDialog>
#include <QFlags>
#include <QString>

class QAbstractButton;
class QHBoxLayout;

// The one modal message box through which every question and error of the
// application is shown.

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn {
    mbNone = 0,
    mbYes = 0x001,
    mbNo = 0x002,
    mbOK = 0x004,
    mbCancel = 0x008,
    mbAbort = 0x010,
    mbRetry = 0x020,
    mbIgnore = 0x040,
    mbAll = 0x080,
    mbNoToAll = 0x100,
    mbYesToAll = 0x200,
    mbHelp = 0x400,
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

// The box itself: icon and word-wrapped text above a centred row of equally
// wide buttons. Enter presses the default button, Escape the cancel button.
// It shows centred on the main window (MainWindow) whenever that is on screen.
class TMessageForm : public QDialog {
    Q_OBJECT

public:
    TMessageForm(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons, QWidget *parent = nullptr);

    // The button that closed the box (the cancel button when closed otherwise).
    TMsgDlgBtn Result() const { return m_result; }

    QAbstractButton *button(TMsgDlgBtn which) const;
    TMsgDlgBtn DefaultButton() const { return m_default; }
    TMsgDlgBtn CancelButton() const { return m_cancel; }

    static QString Caption(TMsgDlgType kind);

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QHBoxLayout *CreateButtonRow(TMsgDlgButtons buttons);

    TMsgDlgBtn m_result = mbNone;
    TMsgDlgBtn m_default = mbNone;
    TMsgDlgBtn m_cancel = mbNone;
};

// Shows the box through the installed presenter (tests script the answer)
// and returns the button pressed.
TMsgDlgBtn ShowMessageBox(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons);
