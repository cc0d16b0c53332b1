#pragma once

#include "period/PeriodOptionsFrm.h"

// The Chart command's options: the period, widened to whole weeks when
// ChartAdjustDatesToFullWeek says so. OK stores that setting.
class TChartOptionsForm : public TPeriodOptionsForm {
    Q_OBJECT

public:
    TChartOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent = nullptr);
};

// Shows the chart options over the owner (see TPeriodOptionsForm::Edit).
bool EditChartOptions(QWidget *owner, TData &data, TTimeRecorder *store, TPeriod &period);
