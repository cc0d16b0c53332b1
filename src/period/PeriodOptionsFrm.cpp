#include "period/PeriodOptionsFrm.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "ui/NamedWidgets.h"
#include "ui/Presenter.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Day 0, 30 December 1899, stands for an absent date. It is the fields'
// lowest date and is shown as it is: a blank special text would keep the
// user from typing a date over it.
const QDate NoDate = DayNumber::toDate(0);

QDateEdit *NewDateField(const QString &name, int firstDayOfWeek, QWidget *parent)
{
    auto *field = new QDateEdit(parent);
    field->setObjectName(name);
    field->setCalendarPopup(true);
    field->setDisplayFormat(DateFieldFormat());
    field->setMinimumDate(NoDate);
    field->setDate(NoDate);
    // Qt counts Monday as 1 and Sunday as 7.
    field->calendarWidget()->setFirstDayOfWeek(
        static_cast<Qt::DayOfWeek>(firstDayOfWeek == 1 ? 7 : firstDayOfWeek - 1));
    return field;
}

// The long weekday name of a date field's day, or nothing for the absent date.
QString WeekdayText(int day)
{
    return day == 0 ? QString() : FormatDayNumber(day, u"dddd"_s);
}

} // namespace

TPeriodOptionsForm::TPeriodOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_timeRecorder(store)
{
    // A fixed dialog frame: title and close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);

    cbPeriod = new QComboBox(this);
    cbPeriod->setObjectName(u"cbPeriod"_s);
    cbPeriod->setEditable(false);
    cbPeriod->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    edStartDate = NewDateField(u"edStartDate"_s, data.FirstDayOfWeek(), this);
    edEndDate = NewDateField(u"edEndDate"_s, data.FirstDayOfWeek(), this);
    lbStartDay = NewLabel(u"lbStartDay"_s, QString(), nullptr, this);
    lbEndDay = NewLabel(u"lbEndDay"_s, QString(), nullptr, this);
    // Room for the longest weekday name, so that the dialog does not move.
    int weekday = 0;
    for (int day = 1; day <= 7; ++day)
        weekday = std::max(weekday, lbStartDay->fontMetrics().horizontalAdvance(Regional::longDayName(day)));
    lbStartDay->setMinimumWidth(weekday);
    lbEndDay->setMinimumWidth(weekday);
    cbAdjustDates = NewCheckBox(u"cbAdjustDates"_s, u"Adjust &dates to full working weeks"_s, this);
    cbBlankDays = NewCheckBox(u"cbBlankDays"_s, u"Include &workdays with no hours"_s, this);
    cbBlankWeekendDays = NewCheckBox(u"cbBlankWeekendDays"_s, u"Include wee&kend days with no hours"_s, this);

    btOk = new QPushButton(u"OK"_s, this);
    btOk->setObjectName(u"btOk"_s);
    btOk->setDefault(true);
    btOk->setEnabled(false);
    btCancel = new QPushButton(u"Cancel"_s, this);
    btCancel->setObjectName(u"btCancel"_s);

    connect(cbPeriod, &QComboBox::activated, this, &TPeriodOptionsForm::cbPeriodClick);
    connect(edStartDate, &QDateEdit::dateChanged, this, &TPeriodOptionsForm::edStartDateChange);
    connect(edEndDate, &QDateEdit::dateChanged, this, &TPeriodOptionsForm::edEndDateChange);
    connect(btOk, &QPushButton::clicked, this, &TPeriodOptionsForm::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TTimeRecorder *TPeriodOptionsForm::TimeRecorder() const
{
    return m_timeRecorder;
}

int TPeriodOptionsForm::StartDate() const
{
    return DayNumber::fromDate(edStartDate->date());
}

int TPeriodOptionsForm::EndDate() const
{
    return DayNumber::fromDate(edEndDate->date());
}

QGroupBox *TPeriodOptionsForm::CreateDatesGroup(const QString &caption)
{
    auto *group = new QGroupBox(caption, this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(NewLabel(u"laPeriod"_s, u"&Period"_s, cbPeriod, group), 0, 0);
    grid->addWidget(cbPeriod, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(NewLabel(u"laStartDate"_s, u"&Start date"_s, edStartDate, group), 1, 0);
    grid->addWidget(edStartDate, 1, 1);
    grid->addWidget(lbStartDay, 1, 2);
    grid->addWidget(NewLabel(u"laEndDate"_s, u"E&nd date"_s, edEndDate, group), 2, 0);
    grid->addWidget(edEndDate, 2, 1);
    grid->addWidget(lbEndDay, 2, 2);
    grid->addWidget(cbAdjustDates, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return group;
}

QLayout *TPeriodOptionsForm::CreateButtonRow()
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btOk);
    row->addWidget(btCancel);
    return row;
}

void TPeriodOptionsForm::SetTabOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        setTabOrder(widgets[i - 1], widgets[i]);
}

void TPeriodOptionsForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPeriodOptionsForm::SetOptionBoxes(QList<std::pair<QCheckBox *, TSetting>> boxes)
{
    m_optionBoxes = std::move(boxes);
}

void TPeriodOptionsForm::FormShow()
{
    BuildPeriodList();
    for (const auto &[box, setting] : m_optionBoxes)
        box->setChecked(std::get<bool>(m_data.Value(setting)));
}

void TPeriodOptionsForm::StoreOptions()
{
    for (const auto &[box, setting] : m_optionBoxes)
        m_data.Assign(setting, TSettingValue(std::in_place_type<bool>, box->isChecked()));
}

void TPeriodOptionsForm::BuildPeriodList()
{
    const int earliest = m_timeRecorder ? static_cast<int>(std::floor(m_timeRecorder->EarliestDate())) : 0;
    cbPeriod->clear();
    cbPeriod->addItems(Period::PeriodNames(earliest));
    if (cbPeriod->count() == 0)
        return;
    cbPeriod->setCurrentIndex(0);
    cbPeriodClick();
}

void TPeriodOptionsForm::cbPeriodClick()
{
    if (const std::optional<TPeriod> period
        = Period::PeriodOfName(cbPeriod->currentText(), m_data.FirstDayOfWeek()))
        SetPeriod(*period);
}

void TPeriodOptionsForm::SetPeriod(const TPeriod &period)
{
    edStartDate->setDate(DayNumber::toDate(period.StartDate));
    edEndDate->setDate(DayNumber::toDate(period.EndDate));
}

void TPeriodOptionsForm::edStartDateChange()
{
    lbStartDay->setText(WeekdayText(StartDate()));
    UpdateOkState();
}

void TPeriodOptionsForm::edEndDateChange()
{
    lbEndDay->setText(WeekdayText(EndDate()));
    UpdateOkState();
}

void TPeriodOptionsForm::UpdateOkState()
{
    btOk->setEnabled(Period::IsComplete(ChosenPeriod()) && CanAccept());
}

void TPeriodOptionsForm::btOkClick()
{
    if (!Period::IsComplete(ChosenPeriod()) || !CanAccept())
        return;
    if (cbAdjustDates->isChecked())
        SetPeriod(Period::WidenToFullWeeks(ChosenPeriod(), m_data.FirstDayOfWeek()));
    // One write of the settings file for all the options.
    m_data.Batch([this] { StoreOptions(); });
    accept();
}

bool TPeriodOptionsForm::Edit(TPeriod &period)
{
    if (Presenter().ExecDialog(*this) != QDialog::Accepted)
        return false;
    period = ChosenPeriod();
    return true;
}
