#include "period/PeriodOptionsFrm.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "ui/NamedWidgets.h"
#include "ui/Presenter.h"

#include "ui/DateEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

TDateEdit *NewDateField(const QString &name, int firstDayOfWeek, QWidget *parent)
{
    auto *field = new TDateEdit(parent);
    field->setObjectName(name);
    // Qt counts Monday as 1 and Sunday as 7.
    field->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(firstDayOfWeek == 1 ? 7 : firstDayOfWeek - 1));
    return field;
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
    cbAdjustDates = NewCheckBox(u"cbAdjustDates"_s, tr("Adjust &dates to full working weeks"), this);
    cbBlankDays = NewCheckBox(u"cbBlankDays"_s, tr("Include &workdays with no hours"), this);
    cbBlankWeekendDays
        = NewCheckBox(u"cbBlankWeekendDays"_s, tr("Include wee&kend days with no hours"), this);

    btOk = new QPushButton(tr("OK"), this);
    btOk->setObjectName(u"btOk"_s);
    btOk->setDefault(true);
    btOk->setEnabled(false);
    btCancel = new QPushButton(tr("Cancel"), this);
    btCancel->setObjectName(u"btCancel"_s);

    connect(cbPeriod, &QComboBox::activated, this, &TPeriodOptionsForm::cbPeriodClick);
    connect(edStartDate->LineEdit(), &QLineEdit::textChanged, this, &TPeriodOptionsForm::edStartDateChange);
    connect(edEndDate->LineEdit(), &QLineEdit::textChanged, this, &TPeriodOptionsForm::edEndDateChange);
    connect(btOk, &QPushButton::clicked, this, &TPeriodOptionsForm::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TTimeRecorder *TPeriodOptionsForm::TimeRecorder() const
{
    return m_timeRecorder;
}

int TPeriodOptionsForm::StartDate() const
{
    return edStartDate->date().isValid() ? DayNumber::fromDate(edStartDate->date()) : 0;
}

int TPeriodOptionsForm::EndDate() const
{
    return edEndDate->date().isValid() ? DayNumber::fromDate(edEndDate->date()) : 0;
}

QGroupBox *TPeriodOptionsForm::CreateDatesGroup(const QString &caption)
{
    auto *group = new QGroupBox(caption, this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(NewLabel(u"laPeriod"_s, tr("&Period"), cbPeriod, group), 0, 0);
    grid->addWidget(cbPeriod, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(NewLabel(u"laStartDate"_s, tr("&Start date"), edStartDate, group), 1, 0);
    grid->addWidget(edStartDate, 1, 1);
    grid->addWidget(lbStartDay, 1, 2);
    grid->addWidget(NewLabel(u"laEndDate"_s, tr("E&nd date"), edEndDate, group), 2, 0);
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
    const QScopedValueRollback setting(m_settingPeriod, true);
    edStartDate->setDate(period.StartDate == 0 ? QDate() : DayNumber::toDate(period.StartDate));
    edEndDate->setDate(period.EndDate == 0 ? QDate() : DayNumber::toDate(period.EndDate));
}

void TPeriodOptionsForm::ForgetPeriodNameIfOther()
{
    if (m_settingPeriod || cbPeriod->currentIndex() < 0 || !Period::IsComplete(ChosenPeriod()))
        return;
    const std::optional<TPeriod> named
        = Period::PeriodOfName(cbPeriod->currentText(), m_data.FirstDayOfWeek());
    if (!named || *named != ChosenPeriod())
        cbPeriod->setCurrentIndex(-1);
}

void TPeriodOptionsForm::edStartDateChange()
{
    ShowWeekdayOf(*edStartDate, lbStartDay);
    ForgetPeriodNameIfOther();
    UpdateOkState();
}

void TPeriodOptionsForm::edEndDateChange()
{
    ShowWeekdayOf(*edEndDate, lbEndDay);
    ForgetPeriodNameIfOther();
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
