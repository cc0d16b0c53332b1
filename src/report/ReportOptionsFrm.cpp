#include "report/ReportOptionsFrm.h"

#include "settings/DataMod.h"
#include "ui/NamedWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TReportOptionsForm::TReportOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent)
    : TPeriodOptionsForm(data, store, parent)
{
    setObjectName(u"ReportOptionsForm"_s);
    setWindowTitle(u"Hourframe Report Options"_s);

    QGroupBox *gbDates = CreateDatesGroup(u" Report Dates "_s);
    gbDates->setObjectName(u"gbReportDates"_s);

    auto *gbBlankDays = new QGroupBox(u" Blank Days "_s, this);
    gbBlankDays->setObjectName(u"gbBlankDays"_s);
    auto *blankLayout = new QVBoxLayout(gbBlankDays);
    blankLayout->addWidget(cbBlankDays);
    blankLayout->addWidget(cbBlankWeekendDays);
    blankLayout->addStretch();

    auto *gbStatistics = new QGroupBox(u" Statistics "_s, this);
    gbStatistics->setObjectName(u"gbStatistics"_s);
    ckShowTotalHours = NewCheckBox(u"ckShowTotalHours"_s, u"Calculate &total hours"_s, gbStatistics);
    ckCalculateAverageHours
        = NewCheckBox(u"ckCalculateAverageHours"_s, u"Calculate &average hours"_s, gbStatistics);
    ckShowBalance = NewCheckBox(u"ckShowBalance"_s, u"Show &balance"_s, gbStatistics);
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
