#include "report/ReportOptionsFrm.h"

#include "settings/DataMod.h"
#include "ui/NamedWidgets.h"

#include "ui/DateEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TReportOptionsForm::TReportOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent)
    : TPeriodOptionsForm(data, store, parent)
{
    setObjectName(u"ReportOptionsForm"_s);
    setWindowTitle(tr("Hourframe Report Options"));

    QGroupBox *gbDates = CreateDatesGroup(tr(" Report Dates "));
    gbDates->setObjectName(u"gbReportDates"_s);

    auto *gbBlankDays = new QGroupBox(tr(" Blank Days "), this);
    gbBlankDays->setObjectName(u"gbBlankDays"_s);
    auto *blankLayout = new QVBoxLayout(gbBlankDays);
    blankLayout->addWidget(cbBlankDays);
    blankLayout->addWidget(cbBlankWeekendDays);
    blankLayout->addStretch();

    auto *gbStatistics = new QGroupBox(tr(" Statistics "), this);
    gbStatistics->setObjectName(u"gbStatistics"_s);
    ckShowTotalHours = NewCheckBox(u"ckShowTotalHours"_s, tr("Calculate &total hours"), gbStatistics);
    ckCalculateAverageHours
        = NewCheckBox(u"ckCalculateAverageHours"_s, tr("Calculate &average hours"), gbStatistics);
    ckShowBalance = NewCheckBox(u"ckShowBalance"_s, tr("Show &balance"), gbStatistics);
    auto *statisticsLayout = new QVBoxLayout(gbStatistics);
    statisticsLayout->addWidget(ckShowTotalHours);
    statisticsLayout->addWidget(ckCalculateAverageHours);
    statisticsLayout->addWidget(ckShowBalance);
    statisticsLayout->addStretch();

    auto *options = new QHBoxLayout;
    options->addWidget(gbBlankDays);
    options->addWidget(gbStatistics);
    auto *formLayout = new QVBoxLayout(this);
    formLayout->addWidget(gbDates);
    formLayout->addLayout(options);
    formLayout->addLayout(CreateButtonRow());
    formLayout->setSizeConstraint(QLayout::SetFixedSize);

    // In the order OK stores them.
    SetOptionBoxes({ { cbAdjustDates, TSetting::ReportAdjustDatesToFullWeek },
        { cbBlankDays, TSetting::ReportWorkDaysWithNoHours },
        { cbBlankWeekendDays, TSetting::ReportWeekendDaysWithNoHours },
        { ckCalculateAverageHours, TSetting::ReportCalculateAverageHours },
        { ckShowTotalHours, TSetting::ReportCalculateTotalHours },
        { ckShowBalance, TSetting::ReportShowBalance } });

    SetTabOrder({ cbPeriod, edStartDate, edEndDate, cbAdjustDates, cbBlankDays, cbBlankWeekendDays,
        ckShowTotalHours, ckCalculateAverageHours, ckShowBalance, btOk, btCancel });
}

bool EditReportOptions(QWidget *owner, TData &data, TTimeRecorder *store, TPeriod &period)
{
    return TReportOptionsForm(data, store, owner).Edit(period);
}
