#include "chart/ChartOptionsFrm.h"

#include "settings/DataMod.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TChartOptionsForm::TChartOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent)
    : TPeriodOptionsForm(data, store, parent)
{
    setObjectName(u"ChartOptionsForm"_s);
    setWindowTitle(tr("Hourframe Chart Options"));

    QGroupBox *gbDates = CreateDatesGroup(tr(" Chart Dates "));
    gbDates->setObjectName(u"gbChartDates"_s);
    // Every day of a week counts in its bar, listed or not.
    cbBlankDays->hide();
    cbBlankWeekendDays->hide();

    auto *formLayout = new QVBoxLayout(this);
    formLayout->addWidget(gbDates);
    formLayout->addLayout(CreateButtonRow());
    formLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetOptionBoxes({ { cbAdjustDates, TSetting::ChartAdjustDatesToFullWeek } });
    SetTabOrder({ cbPeriod, edStartDate, edEndDate, cbAdjustDates, btOk, btCancel });
}

bool EditChartOptions(QWidget *owner, TData &data, TTimeRecorder *store, TPeriod &period)
{
    return TChartOptionsForm(data, store, owner).Edit(period);
}
