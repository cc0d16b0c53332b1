#pragma once

#include "period/PeriodOptionsFrm.h"

class QCheckBox;

// The Report command's options: the period, the blank days, the totals,
// averages and balance. OK stores the six report settings.
class TReportOptionsForm : public TPeriodOptionsForm {
    Q_OBJECT

public:
    TReportOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent = nullptr);

private:
    QCheckBox *ckShowTotalHours;
    QCheckBox *ckCalculateAverageHours;
    QCheckBox *ckShowBalance;
};

// Shows the report options over the owner (see TPeriodOptionsForm::Edit).
bool EditReportOptions(QWidget *owner, TData &data, TTimeRecorder *store, TPeriod &period);
