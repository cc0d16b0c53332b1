#pragma once

#include "period/PeriodOptionsFrm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QToolButton;

// The Export command's options: the file, the period, the columns and the
// blank-day and total options. OK also needs a file name that is not blank,
// and stores the file name and the fifteen export settings.
class TExportOptionsForm : public TPeriodOptionsForm {
    Q_OBJECT

public:
    TExportOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent = nullptr);

protected:
    void FormShow() override;
    bool CanAccept() const override;
    void StoreOptions() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *CreateFileGroup();
    // The column boxes, and the blank-day boxes of the base, in two columns.
    QGroupBox *CreateOptionsGroup();
    // Whether a key typed into the file-name field is dropped.
    bool edFilenameKeyPress(const QKeyEvent &key) const;
    void edFilenameButtonClick();

    QLineEdit *edFilename;
    QToolButton *btFilename;
    QComboBox *cbFormat;
    QCheckBox *cbIncludeColumnHeadings;
    QCheckBox *cbIncludeDate;
    QCheckBox *cbIsoDates;
    QCheckBox *cbIncludeArrivalTime;
    QCheckBox *cbIncludeDepartureTime;
    QCheckBox *cbIncludeLunchTime;
    QCheckBox *cbIncludeExtraHours;
    QCheckBox *cbIncludeDailyHours;
    QCheckBox *cbIncludeHolidays;
    QCheckBox *cbIncludeComments;
    QCheckBox *cbExportDeviations;
    QCheckBox *cbShowTotalHours;
};

// Shows the export options over the owner (see TPeriodOptionsForm::Edit).
bool EditExportOptions(QWidget *owner, TData &data, TTimeRecorder *store, TPeriod &period);
