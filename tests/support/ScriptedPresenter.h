#pragma once

#include "ui/Presenter.h"

#include <QDialog>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// A presenter for tests: answers every question from a script and records
// what was asked. A question with no scripted answer fails the test.
class ScriptedPresenter : public TPresenter {
public:
    struct Question {
        QString text;
        TMsgDlgType kind;
        TMsgDlgButtons buttons;
    };

    QList<Question> questions; // every message box shown, in order
    QQueue<TMsgDlgBtn> answers; // the next message box answers
    QQueue<QString> openFileNames; // the next open dialog picks (empty: cancel)
    QQueue<QString> saveFileNames; // the next save dialog picks (empty: cancel)
    QList<TFileDialogOptions> fileDialogs; // every file dialog shown
    QStringList errors; // every general error report shown
    // The next modal dialog is shown (not exec'd), handed to the script, and
    // the script's return value is the dialog's result.
    QQueue<std::function<int(QDialog &)>> dialogScripts;
    bool unexpected = false; // something was asked that the script did not answer

    TMsgDlgBtn MessageBox(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons) override
    {
        questions.append({ text, kind, buttons });
        if (answers.isEmpty()) {
            unexpected = true;
            return mbCancel;
        }
        return answers.dequeue();
    }

    void ReportError(const QString &text) override { errors.append(text); }

    QString OpenFileName(QWidget *, const TFileDialogOptions &options) override
    {
        fileDialogs.append(options);
        if (openFileNames.isEmpty()) {
            unexpected = true;
            return QString();
        }
        return openFileNames.dequeue();
    }

    QString SaveFileName(QWidget *, const TFileDialogOptions &options) override
    {
        fileDialogs.append(options);
        if (saveFileNames.isEmpty()) {
            unexpected = true;
            return QString();
        }
        return saveFileNames.dequeue();
    }

    int ExecDialog(QDialog &dialog) override
    {
        if (dialogScripts.isEmpty()) {
            unexpected = true;
            return QDialog::Rejected;
        }
        dialog.show();
        const int result = dialogScripts.dequeue()(dialog);
        dialog.setResult(result);
        dialog.hide();
        return result;
    }

    QStringList questionTexts() const
    {
        QStringList texts;
        for (const Question &q : questions)
            texts << q.text;
        return texts;
    }
};
