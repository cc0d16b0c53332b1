#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TData;
class TTimeRecorder;

// The comment of one day: typed, or picked from the comments entered before.
// The same dialog sets how many earlier comments the list offers
// (NumberOfComments), a setting that is stored at once by Apply or OK.
class TCommentForm : public QDialog {
    Q_OBJECT

public:
    explicit TCommentForm(TData &data, QWidget *parent = nullptr);

    // Presets the comment box with the text trimmed.
    void SetCommentText(const QString &text);
    // The day the comment is for; the prompt names it in the short date format.
    void SetCommentDate(int date);
    int CommentDate() const { return m_date; }
    // The comment history, most recent first; the list shows as many of its
    // first entries as NumberOfComments allows. The history is not shortened.
    void SetCommentList(const QStringList &history);
    // The comment box's text, trimmed.
    QString CommentText() const;

    void FillCommentList();
    // The count field as a number; -1 when it is empty or not a number.
    int ReadNumberOfComments() const;
    // Stores the typed count as NumberOfComments when Apply is enabled.
    void ApplyNumberOfComments();

private:
    void edNumCommentsChange();
    void btApplyNumCommentsClick();
    void btOkClick();

    TData &m_data;
    int m_date = 0;
    QStringList m_history;

    QLabel *laPrompt;
    QComboBox *cbComment;
    QLineEdit *edNumComments;
    QPushButton *btApplyNumComments;
    QPushButton *btOk;
    QPushButton *btCancel;
};

// The comment click of the week sheet: shows the dialog for the day over the
// owner, and on OK stores the trimmed comment in the recorder (which adds it
// to the history and marks the document modified when it changed) and hands
// it back in newComment. Returns whether the user left with OK.
bool EditDayComment(QWidget *owner, TData &data, TTimeRecorder &recorder, int date,
    const QString &currentComment, QString *newComment);
