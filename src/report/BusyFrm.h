#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// A small window that shows the progress of a long operation with a Cancel
// button. It is shown without being modal; the operation asks Cancelled
// after each step. Escape and the close box count as Cancel.
class TBusyForm : public QDialog {
    Q_OBJECT

public:
    explicit TBusyForm(QWidget *owner);

    QString Operation() const;
    void SetOperation(const QString &text);
    int Min() const;
    void SetMin(int value);
    int Max() const;
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    bool Cancelled() const { return m_cancelled; }

    QPushButton *CancelButton() const { return btCancel; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btCancelClick();

    QLabel *lbOperation;
    QProgressBar *ProgressBar;
    QPushButton *btCancel;
    bool m_cancelled = false;
};
