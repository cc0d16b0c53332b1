#pragma once

#include "period/Period.h"

#include <QDialog>
#include <QList>
#include <QPointer>

#include <utility>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class TData;
class TTimeRecorder;
enum class TSetting;

// What the report and export options dialogs share: the list of named
// periods, the two date fields with their weekday labels, widening to whole
// weeks, the blank-day check boxes, and OK and Cancel. A dialog derived from
// it places these controls in its own layout (CreateDatesGroup holds the
// period part) and names the setting each of its check boxes shows
// (SetOptionBoxes); those are loaded when the dialog is shown and stored on OK.
//
// OK is enabled exactly when both dates are present, the start is not after
// the end, and CanAccept agrees. OK widens the dates to whole weeks when
// cbAdjustDates is ticked, then stores the options and closes the dialog.
// Cancel stores nothing.
class TPeriodOptionsForm : public QDialog {
    Q_OBJECT

public:
    // store may be null; the dialog forgets it when it is destroyed first.
    TPeriodOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent = nullptr);

    TTimeRecorder *TimeRecorder() const;

    // The dates of the two fields as day numbers, 0 for an absent date.
    int StartDate() const;
    int EndDate() const;
    TPeriod ChosenPeriod() const { return { StartDate(), EndDate() }; }

    // Shows the dialog modally over its parent. Returns whether the user left
    // it with OK; period then holds the chosen, possibly widened, dates.
    bool Edit(TPeriod &period);

protected:
    TData &Data() const { return m_data; }

    // Runs each time the dialog is shown: builds the period list, applies
    // its first entry and ticks the option boxes as the settings say. A
    // derived dialog loads its other options before.
    virtual void FormShow();
    // An extra condition for OK; call UpdateOkState when it may have changed.
    virtual bool CanAccept() const { return true; }
    // Stores the option boxes, in their order, into the settings; runs on OK
    // after the widening, as one batch. A derived dialog stores its other
    // options before.
    virtual void StoreOptions();

    // The check boxes of the dialog's flag settings, with their settings.
    void SetOptionBoxes(QList<std::pair<QCheckBox *, TSetting>> boxes);
    void UpdateOkState();

    // A group box with the period list, the date fields and their weekday
    // labels, and cbAdjustDates below them.
    QGroupBox *CreateDatesGroup(const QString &caption);
    // OK and Cancel, right-aligned.
    QLayout *CreateButtonRow();
    // Tab moves through the widgets in the order given.
    void SetTabOrder(const QList<QWidget *> &widgets);

    void showEvent(QShowEvent *event) override;

    QComboBox *cbPeriod;
    QDateEdit *edStartDate;
    QDateEdit *edEndDate;
    QLabel *lbStartDay;
    QLabel *lbEndDay;
    QCheckBox *cbAdjustDates;
    QCheckBox *cbBlankDays;
    QCheckBox *cbBlankWeekendDays;
    QPushButton *btOk;
    QPushButton *btCancel;

private:
    void BuildPeriodList();
    void cbPeriodClick();
    void edStartDateChange();
    void edEndDateChange();
    void btOkClick();
    void SetPeriod(const TPeriod &period);

    TData &m_data;
    QPointer<TTimeRecorder> m_timeRecorder;
    QList<std::pair<QCheckBox *, TSetting>> m_optionBoxes;
};
