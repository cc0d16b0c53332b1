#include "settings/PreferencesFrm.h"

#include "core/Balance.h"
#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/HolidayCalendar.h"
#include "core/Regional.h"
#include "core/TimeText.h"
#include "settings/DataMod.h"
#include "settings/TargetHistoryList.h"
#include "ui/DateEdit.h"
#include "ui/DigitKeyFilter.h"
#include "ui/NamedWidgets.h"
#include "ui/Presenter.h"
#include "ui/Printers.h"
#include "ui/TimeEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int MinutesPerWeek = 7 * 24 * 60;
constexpr int MinutesPerDay = 24 * 60;

std::optional<int> IntegerOf(const QString &text)
{
    try {
        return ParseDecimalInt(text);
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

} // namespace

// An empty time field stands for no time at all, which is 0 minutes both in
// the weekly sum and in the stored settings (which have no empty form).
int TPreferencesForm::MinutesOf(const TTimeEdit *field)
{
    return field->Value() < 0 ? 0 : field->Value();
}

TTimeEdit *TPreferencesForm::NewIntervalField(const QString &name, QWidget *parent)
{
    auto *field = new TTimeEdit(parent);
    field->setObjectName(name);
    field->SetTimeKind(tkInterval);
    field->SetRoundTo(1);
    field->setEnabled(false);
    const QFontMetrics metrics(field->font());
    field->setFixedWidth(metrics.horizontalAdvance(u"0000:00"_s) + 12);
    return field;
}

QGroupBox *TPreferencesForm::NewPage(QTabWidget *pages, const QString &pageName, const QString &tabCaption,
    const QString &groupName, const QString &groupCaption)
{
    auto *page = new QWidget;
    page->setObjectName(pageName);
    auto *group = new QGroupBox(groupCaption, page);
    group->setObjectName(groupName);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(group);
    pages->addTab(page, tabCaption);
    return group;
}

TPreferencesForm::TPreferencesForm(TData &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(u"PreferencesForm"_s);
    setWindowTitle(tr("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    pcPreferences = new QTabWidget(this);
    pcPreferences->setObjectName(u"pcPreferences"_s);
    // The dialog is as wide as all its tabs, in every language, rather than
    // hiding some of them behind scroll buttons.
    pcPreferences->setUsesScrollButtons(false);
    CreateOptionsPage();
    CreateTargetsPage();
    CreateHolidaysPage();
    CreatePrinterPage();
    CreateBalancePage();
    CreateRulesPage();
    CreateButtons();

    QWidget *previous = pcPreferences;
    for (const SettingControl &setting : std::as_const(m_controls)) {
        setTabOrder(previous, setting.control);
        previous = setting.control;
    }
    setTabOrder(previous, btOk);
    setTabOrder(btOk, btCancel);
    FormShow();
}

void TPreferencesForm::Bind(QWidget *control, std::function<void()> show, std::function<void()> store)
{
    m_controls.append({ control, std::move(show), std::move(store) });
}

QCheckBox *TPreferencesForm::AddCheckBox(TSetting setting, const QString &caption, QWidget *page)
{
    QCheckBox *box = NewCheckBox(u"ck"_s + SettingInfo(setting).name, caption, page);
    Bind(
        box, [this, box, setting] { box->setChecked(std::get<bool>(m_data.Value(setting))); },
        [this, box, setting] {
            m_data.Assign(setting, TSettingValue(std::in_place_type<bool>, box->isChecked()));
        });
    return box;
}

TTimeEdit *TPreferencesForm::AddTimeField(const QString &name, TSetting setting, QWidget *page)
{
    TTimeEdit *field = NewIntervalField(name, page);
    Bind(
        field, [this, field, setting] { field->SetAsMinutes(std::get<int>(m_data.Value(setting))); },
        [this, field, setting] {
            m_data.Assign(setting, TSettingValue(std::in_place_type<int>, MinutesOf(field)));
        });
    return field;
}

QLineEdit *TPreferencesForm::AddNumberField(const QString &name, TSetting setting, int digits, QWidget *page)
{
    auto *field = new QLineEdit(page);
    field->setObjectName(name);
    field->setFixedWidth(QFontMetrics(field->font()).horizontalAdvance(QString(digits, u'0')) + 12);
    Bind(
        field,
        [this, field, setting] { field->setText(QString::number(std::get<int>(m_data.Value(setting)))); },
        [this, field, setting] {
            m_data.Assign(setting, TSettingValue(std::in_place_type<int>, ParseDecimalInt(field->text())));
        });
    connect(field, &QLineEdit::textChanged, this, &TPreferencesForm::Validate);
    return field;
}

void TPreferencesForm::CreateOptionsPage()
{
    auto *gbOptions = NewPage(pcPreferences, u"tsOptions"_s, tr("&Options"), u"gbOptions"_s, tr(" Options "));
    auto *optionsLayout = new QVBoxLayout(gbOptions);
    const auto addCheckBox = [&](TSetting setting, const QString &caption) {
        QCheckBox *box = AddCheckBox(setting, caption, gbOptions);
        optionsLayout->addWidget(box);
        return box;
    };
    addCheckBox(TSetting::AssociateHfFiles, tr("&Associate .HF files with Hourframe"));
    addCheckBox(TSetting::ReopenLastUsedFile, tr("Reopen pre&vious hourframe file on startup"));
    QCheckBox *ckUseToolTray = addCheckBox(TSetting::UseToolTray, tr("Show &icon in tool tray"));
    // The notification comes from the tray icon.
    QCheckBox *ckNotifyLeaveTime
        = AddCheckBox(TSetting::NotifyLeaveTime, tr("&Notify me when today's target is met"), gbOptions);
    ckNotifyLeaveTime->setEnabled(false);
    auto *notifyRow = new QHBoxLayout;
    notifyRow->addSpacing(20);
    notifyRow->addWidget(ckNotifyLeaveTime);
    optionsLayout->addLayout(notifyRow);
    connect(ckUseToolTray, &QCheckBox::toggled, ckNotifyLeaveTime, &QWidget::setEnabled);
    addCheckBox(TSetting::AutoSave, tr("Automatically save &changed data before exiting"));
    addCheckBox(TSetting::AutoEnterTime, tr("Automatically &enter current time"));
    ckRoundTimes = AddCheckBox(TSetting::RoundTimes, tr("&Round times to nearest"), gbOptions);
    edRoundTimesTo = AddNumberField(u"edRoundTimesTo"_s, TSetting::RoundTimesTo, 3, gbOptions);
    edRoundTimesTo->setMaxLength(2);
    edRoundTimesTo->setAccessibleName(tr("Round times to nearest, minutes"));
    edRoundTimesTo->setEnabled(false);
    auto *roundRow = new QHBoxLayout;
    roundRow->addWidget(ckRoundTimes);
    roundRow->addWidget(edRoundTimesTo);
    roundRow->addWidget(NewLabel(u"laMinutes"_s, tr("minutes"), nullptr, gbOptions));
    roundRow->addStretch();
    optionsLayout->addLayout(roundRow);
    addCheckBox(TSetting::ShowLunchTime, tr("Always show &lunch time"));
    addCheckBox(TSetting::ShowExtraHours, tr("Always show e&xtra hours"));
    addCheckBox(TSetting::ShowHols, tr("Always show &holidays"));
    addCheckBox(TSetting::ShowComment, tr("Always show co&mment"));
    addCheckBox(TSetting::IncludeHolsInTotal, tr("Consider holidays as time &worked"));

    auto *cbFirstDayOfWeek = new QComboBox(gbOptions);
    cbFirstDayOfWeek->setObjectName(u"cbFirstDayOfWeek"_s);
    cbFirstDayOfWeek->setEditable(false);
    cbFirstDayOfWeek->addItems({ tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"),
        tr("Friday"), tr("Saturday") });
    Bind(
        cbFirstDayOfWeek,
        [this, cbFirstDayOfWeek] { cbFirstDayOfWeek->setCurrentIndex(m_data.FirstDayOfWeek() - 1); },
        [this, cbFirstDayOfWeek] { m_data.SetFirstDayOfWeek(cbFirstDayOfWeek->currentIndex() + 1); });
    auto *firstDayRow = new QHBoxLayout;
    firstDayRow->addWidget(
        NewLabel(u"laFirstDayOfWeek"_s, tr("&First day of week"), cbFirstDayOfWeek, gbOptions));
    firstDayRow->addWidget(cbFirstDayOfWeek);
    firstDayRow->addStretch();
    optionsLayout->addLayout(firstDayRow);
    optionsLayout->addStretch();

    connect(ckRoundTimes, &QCheckBox::toggled, this, &TPreferencesForm::ckRoundTimesClick);
}

void TPreferencesForm::CreateTargetsPage()
{
    auto *gbTargetHours = NewPage(
        pcPreferences, u"tsTargetHours"_s, tr("&Target Hours"), u"gbTargetHours"_s, tr(" Target Hours "));
    ckShowDeviationFromDailyTarget = AddCheckBox(
        TSetting::ShowDeviationFromDailyTarget, tr("Show &daily deviation from target"), gbTargetHours);

    auto *daysGrid = new QGridLayout;
    const struct {
        const char16_t *field;
        TSetting setting;
        const char16_t *label;
        const char *caption;
        int row;
        int column;
    } days[] = {
        { u"teMondayTarget", TSetting::MondayTarget, u"laMonday", QT_TR_NOOP("&Monday"), 0, 0 },
        { u"teTuesdayTarget", TSetting::TuesdayTarget, u"laTuesday", QT_TR_NOOP("T&uesday"), 1, 0 },
        { u"teWednesdayTarget", TSetting::WednesdayTarget, u"laWednesday", QT_TR_NOOP("&Wednesday"), 2, 0 },
        { u"teThursdayTarget", TSetting::ThusdayTarget, u"laThursday", QT_TR_NOOP("T&hursday"), 3, 0 },
        { u"teFridayTarget", TSetting::FridayTarget, u"laFriday", QT_TR_NOOP("&Friday"), 4, 0 },
        { u"teSaturdayTarget", TSetting::SaturdayTarget, u"laSaturday", QT_TR_NOOP("S&aturday"), 0, 3 },
        { u"teSundayTarget", TSetting::SundayTarget, u"laSunday", QT_TR_NOOP("Su&nday"), 1, 3 },
    };
    for (const auto &day : days) {
        TTimeEdit *field = AddTimeField(QString::fromUtf16(day.field), day.setting, gbTargetHours);
        field->setEnabled(true);
        QLabel *label = NewLabel(QString::fromUtf16(day.label), tr(day.caption), field, gbTargetHours);
        daysGrid->addWidget(label, day.row, day.column);
        daysGrid->addWidget(field, day.row, day.column + 1);
        m_dayTargets.append(field);
        connect(field, &TTimeEdit::OnChange, this, &TPreferencesForm::DayTargetChange);
    }
    daysGrid->setColumnMinimumWidth(2, 24);
    daysGrid->setColumnStretch(5, 1);
    daysGrid->setContentsMargins(20, 0, 0, 0);

    ckShowDeviationFromWeeklyTarget = AddCheckBox(
        TSetting::ShowDeviationFromWeeklyTarget, tr("Show wee&kly deviation from"), gbTargetHours);
    teWeeklyTarget = AddTimeField(u"teWeeklyTarget"_s, TSetting::WeeklyTarget, gbTargetHours);
    teWeeklyTarget->setAccessibleName(tr("Weekly target, hours"));
    auto *weeklyRow = new QHBoxLayout;
    weeklyRow->addWidget(ckShowDeviationFromWeeklyTarget);
    weeklyRow->addWidget(teWeeklyTarget);
    weeklyRow->addWidget(NewLabel(u"laWeeklyHours"_s, tr("hours"), nullptr, gbTargetHours));
    weeklyRow->addStretch();
    QCheckBox *ckUseDefaultLunchTime
        = AddCheckBox(TSetting::UseDefaultLunchTime, tr("Default &lunch time"), gbTargetHours);
    teDefaultLunchTime = AddTimeField(u"teDefaultLunchTime"_s, TSetting::DefaultLunchTime, gbTargetHours);
    teDefaultLunchTime->setAccessibleName(tr("Default lunch time, hours"));
    // The default lunch applies whenever the sheet fills in a lunch, so its
    // field stays editable whatever its check box says.
    teDefaultLunchTime->setEnabled(true);
    auto *lunchRow = new QHBoxLayout;
    lunchRow->addWidget(ckUseDefaultLunchTime);
    lunchRow->addWidget(teDefaultLunchTime);
    lunchRow->addWidget(NewLabel(u"laLunchHours"_s, tr("hours"), nullptr, gbTargetHours));
    lunchRow->addStretch();

    CreateTargetHistory(gbTargetHours);

    auto *targetLayout = new QVBoxLayout(gbTargetHours);
    targetLayout->addWidget(ckShowDeviationFromDailyTarget);
    targetLayout->addLayout(daysGrid);
    targetLayout->addSpacing(8);
    targetLayout->addLayout(weeklyRow);
    targetLayout->addLayout(lunchRow);
    targetLayout->addSpacing(8);
    // The label's accelerator lands on the list, where the keys act.
    targetLayout->addWidget(
        NewLabel(u"laTargetHistory"_s, tr("H&istory"), m_targetHistory->Controls().first(), gbTargetHours));
    targetLayout->addWidget(m_targetHistory);
    targetLayout->addStretch();

    connect(ckShowDeviationFromDailyTarget, &QCheckBox::toggled, this, &TPreferencesForm::ckDeviationClick);
    connect(ckShowDeviationFromWeeklyTarget, &QCheckBox::toggled, this, &TPreferencesForm::ckDeviationClick);
    connect(teWeeklyTarget, &TTimeEdit::OnChange, this, &TPreferencesForm::Validate);
    connect(teDefaultLunchTime, &TTimeEdit::OnChange, this, &TPreferencesForm::Validate);
}

void TPreferencesForm::CreateTargetHistory(QWidget *page)
{
    m_targetHistory = new TTargetHistoryList(page);
    m_targetHistory->setObjectName(u"TargetHistory"_s);
    const QList<QWidget *> controls = m_targetHistory->Controls();
    Bind(controls.first(), [this] { m_targetHistory->SetTargets(m_data.Targets()); }, {});
    for (QWidget *control : controls.sliced(1))
        Bind(control, {}, {});
    connect(m_targetHistory, &TTargetHistoryList::LatestChanged, this, &TPreferencesForm::ShowTargets);
}

void TPreferencesForm::CreateHolidaysPage()
{
    auto *gbHolidays
        = NewPage(pcPreferences, u"tsHolidays"_s, tr("Holida&ys"), u"gbHolidays"_s, tr(" Public Holidays "));
    edHolidayCalendar = new QLineEdit(gbHolidays);
    edHolidayCalendar->setObjectName(u"edHolidayCalendar"_s);
    edHolidayCalendar->setMinimumWidth(
        QFontMetrics(edHolidayCalendar->font()).horizontalAdvance(QString(40, u'x')));
    Bind(
        edHolidayCalendar, [this] { edHolidayCalendar->setText(m_data.HolidayCalendar()); },
        [this] { m_data.SetHolidayCalendar(edHolidayCalendar->text().trimmed()); });
    auto *btBrowse = new QPushButton(tr("B&rowse..."), gbHolidays);
    btBrowse->setObjectName(u"btBrowseHolidayCalendar"_s);
    Bind(btBrowse, {}, {});
    laHolidayCount = NewLabel(u"laHolidayCount"_s, QString(), nullptr, gbHolidays);
    laHolidayCount->setWordWrap(true);
    laHolidayCount->setTextInteractionFlags(Qt::TextSelectableByMouse);
    edHolidayCalendarChange();
    auto *hint = NewLabel(u"laHolidayHint"_s,
        tr("An iCalendar file (.ics) of your region's public holidays. A public holiday's target is 0."),
        nullptr, gbHolidays);
    hint->setWordWrap(true);

    auto *holidaysLayout = new QGridLayout(gbHolidays);
    holidaysLayout->addWidget(
        NewLabel(u"laHolidayCalendar"_s, tr("&Calendar file"), edHolidayCalendar, gbHolidays), 0, 0);
    holidaysLayout->addWidget(edHolidayCalendar, 0, 1);
    holidaysLayout->addWidget(btBrowse, 0, 2);
    holidaysLayout->addWidget(laHolidayCount, 1, 1, 1, 2);
    holidaysLayout->addWidget(hint, 2, 0, 1, 3);
    holidaysLayout->setColumnStretch(1, 1);
    holidaysLayout->setRowStretch(3, 1);

    connect(edHolidayCalendar, &QLineEdit::textChanged, this, &TPreferencesForm::edHolidayCalendarChange);
    connect(btBrowse, &QPushButton::clicked, this, &TPreferencesForm::btBrowseHolidayCalendarClick);
}

void TPreferencesForm::CreatePrinterPage()
{
    auto *gbPrinterFont
        = NewPage(pcPreferences, u"tsPrinter"_s, tr("&Printer"), u"gbPrinterFont"_s, tr(" Printer Font "));
    cbFontName = new QComboBox(gbPrinterFont);
    cbFontName->setObjectName(u"cbFontName"_s);
    cbFontName->setEditable(false);
    cbFontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbFontName->setMinimumContentsLength(24);
    Bind(
        cbFontName,
        [this] {
            const int font = cbFontName->findText(m_data.PrinterFontName());
            if (font >= 0)
                cbFontName->setCurrentIndex(font);
            else if (cbFontName->count() > 0)
                cbFontName->setCurrentIndex(0);
        },
        [this] { m_data.SetPrinterFontName(cbFontName->currentText()); });
    edFontSize = AddNumberField(u"edFontSize"_s, TSetting::PrinterFontSize, 5, gbPrinterFont);
    edFontSize->installEventFilter(new DigitKeyFilter(edFontSize));
    cbFontName->setAccessibleName(tr("Printer font name"));
    edFontSize->setAccessibleName(tr("Printer font size"));

    auto *printerLayout = new QGridLayout(gbPrinterFont);
    printerLayout->addWidget(NewLabel(u"laFontName"_s, tr("&Name"), cbFontName, gbPrinterFont), 0, 0);
    printerLayout->addWidget(cbFontName, 0, 1, Qt::AlignLeft);
    printerLayout->addWidget(NewLabel(u"laFontSize"_s, tr("&Size"), edFontSize, gbPrinterFont), 1, 0);
    printerLayout->addWidget(edFontSize, 1, 1, Qt::AlignLeft);
    printerLayout->setColumnStretch(1, 1);
    printerLayout->setRowStretch(2, 1);
}

void TPreferencesForm::CreateBalancePage()
{
    auto *gbBalance = NewPage(pcPreferences, u"tsBalance"_s, tr("&Balance"), u"gbBalance"_s, tr(" Balance "));
    edBalanceStartDate = new TDateEdit(gbBalance);
    edBalanceStartDate->setObjectName(u"edBalanceStartDate"_s);
    edBalanceStartDate->SetAccessibleName(tr("Balance start date"));
    edBalanceStartDate->setDateRange(DayNumber::toDate(FirstFileDay()), DayNumber::toDate(LastFileDay()));
    auto *laBalanceStartDay = NewLabel(u"laBalanceStartDay"_s, QString(), nullptr, gbBalance);
    ckBalanceFromFirstDay
        = NewCheckBox(u"ckBalanceFromFirstDay"_s, tr("From the first &recorded day"), gbBalance);
    // Counting from the first recorded day is a start date of 0; the date
    // field then offers today.
    Bind(
        edBalanceStartDate,
        [this] {
            const int start = m_data.BalanceStartDate();
            edBalanceStartDate->setDate(DayNumber::toDate(start != 0 ? start : DayNumber::today()));
            ckBalanceFromFirstDay->setChecked(start == 0);
            ckBalanceFromFirstDayClick();
        },
        [this] {
            m_data.SetBalanceStartDate(
                ckBalanceFromFirstDay->isChecked() ? 0 : DayNumber::fromDate(edBalanceStartDate->date()));
        });
    Bind(ckBalanceFromFirstDay, {}, {});
    teBalanceOpening = new QLineEdit(gbBalance);
    teBalanceOpening->setObjectName(u"teBalanceOpening"_s);
    teBalanceOpening->setFixedWidth(
        QFontMetrics(teBalanceOpening->font()).horizontalAdvance(u"-00000:00"_s) + 12);
    Bind(
        teBalanceOpening, [this] { teBalanceOpening->setText(BalanceText(m_data.BalanceOpening())); },
        [this] { m_data.SetBalanceOpening(ParseBalanceText(teBalanceOpening->text())); });

    auto *balanceLayout = new QGridLayout(gbBalance);
    // A row of the page: its label, then its controls side by side.
    const auto addRow = [balanceLayout](int row, QLabel *label, std::initializer_list<QWidget *> controls) {
        balanceLayout->addWidget(label, row, 0);
        auto *line = new QHBoxLayout;
        for (QWidget *control : controls)
            line->addWidget(control);
        line->addStretch();
        balanceLayout->addLayout(line, row, 1);
    };
    addRow(0, NewLabel(u"laBalanceStartDate"_s, tr("&Start date"), edBalanceStartDate, gbBalance),
        { edBalanceStartDate, laBalanceStartDay });
    balanceLayout->addWidget(ckBalanceFromFirstDay, 1, 1);
    addRow(2, NewLabel(u"laBalanceOpening"_s, tr("Op&ening balance"), teBalanceOpening, gbBalance),
        { teBalanceOpening, NewLabel(u"laBalanceHours"_s, tr("hours"), nullptr, gbBalance) });
    edVacationDaysPerYear
        = AddNumberField(u"edVacationDaysPerYear"_s, TSetting::VacationDaysPerYear, 4, gbBalance);
    edVacationCarriedOver
        = AddNumberField(u"edVacationCarriedOver"_s, TSetting::VacationCarriedOver, 4, gbBalance);
    const struct {
        QLineEdit *field;
        const char16_t *label;
        const char *caption;
        const char16_t *unit;
    } vacation[] = {
        { edVacationDaysPerYear, u"laVacationDaysPerYear", QT_TR_NOOP("&Vacation per year"),
            u"laVacationDays" },
        { edVacationCarriedOver, u"laVacationCarriedOver", QT_TR_NOOP("&Carried over into the first year"),
            u"laCarriedOverDays" },
    };
    int row = 3;
    for (const auto &v : vacation)
        addRow(row++, NewLabel(QString::fromUtf16(v.label), tr(v.caption), v.field, gbBalance),
            { v.field, NewLabel(QString::fromUtf16(v.unit), tr("days"), nullptr, gbBalance) });
    balanceLayout->setColumnStretch(1, 1);
    balanceLayout->setRowStretch(row, 1);

    connect(ckBalanceFromFirstDay, &QCheckBox::toggled, this, &TPreferencesForm::ckBalanceFromFirstDayClick);
    connect(edBalanceStartDate->LineEdit(), &QLineEdit::textChanged, this, [this, laBalanceStartDay] {
        ShowWeekdayOf(*edBalanceStartDate, laBalanceStartDay);
        Validate();
    });
    connect(teBalanceOpening, &QLineEdit::textChanged, this, &TPreferencesForm::Validate);
}

void TPreferencesForm::CreateButtons()
{
    btOk = new QPushButton(tr("OK"), this);
    btOk->setObjectName(u"btOk"_s);
    btOk->setDefault(true);
    btCancel = new QPushButton(tr("Cancel"), this);
    btCancel->setObjectName(u"btCancel"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    auto *formLayout = new QVBoxLayout(this);
    formLayout->addWidget(pcPreferences);
    formLayout->addLayout(buttons);
    formLayout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btOk, &QPushButton::clicked, this, &TPreferencesForm::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// Loads the settings into the controls. The check boxes switch their
// controls on as they are set; each day target recomputes the weekly field,
// which then shows the sum of the days whatever was stored.
void TPreferencesForm::FormShow()
{
    pcPreferences->setCurrentIndex(0);
    if (PrintersInstalled()) {
        QStringList families = QFontDatabase::families();
        families.sort(Qt::CaseInsensitive);
        cbFontName->addItems(families);
    }
    for (const SettingControl &setting : std::as_const(m_controls))
        if (setting.show)
            setting.show();
    DayTargetChange();
    m_openedTargets = ShownTargets();
    // A field set to the text it already showed raises no change, so judge
    // the loaded values once more as a whole.
    Validate();
}

TTargetSet TPreferencesForm::ShownTargets() const
{
    TTargetSet targets;
    // The fields run from Monday to Sunday, the targets from Sunday.
    for (int i = 0; i < m_dayTargets.size(); ++i)
        targets.Days[std::size_t((i + 1) % 7)] = MinutesOf(m_dayTargets[i]);
    targets.Weekly = MinutesOf(teWeeklyTarget);
    return targets;
}

// The targets from the latest entry's start on, which the fields show.
void TPreferencesForm::ShowTargets(const TTargetSet &targets)
{
    for (int i = 0; i < m_dayTargets.size(); ++i)
        m_dayTargets[i]->SetAsMinutes(targets.Days[std::size_t((i + 1) % 7)]);
    teWeeklyTarget->SetAsMinutes(targets.Weekly);
    m_openedTargets = ShownTargets();
    Validate();
}

void TPreferencesForm::ckRoundTimesClick()
{
    edRoundTimesTo->setEnabled(ckRoundTimes->isChecked());
}

// With daily deviation on, the weekly target is the sum of the day targets
// and is not typed by hand. The day targets are always open: the balance,
// the leave-at times and the weekly sum count with them whether or not the
// sheet shows the daily deviation.
void TPreferencesForm::ckDeviationClick()
{
    teWeeklyTarget->setEnabled(
        ckShowDeviationFromWeeklyTarget->isChecked() && !ckShowDeviationFromDailyTarget->isChecked());
}

void TPreferencesForm::DayTargetChange()
{
    // Day fields may hold absurd (and so invalid) values while being typed;
    // the sum must not overflow on the way to rejecting them.
    qint64 sum = 0;
    for (const TTimeEdit *day : std::as_const(m_dayTargets))
        sum += MinutesOf(day);
    teWeeklyTarget->SetAsMinutes(static_cast<double>(std::min<qint64>(sum, std::numeric_limits<int>::max())));
    Validate();
}

void TPreferencesForm::ckBalanceFromFirstDayClick()
{
    edBalanceStartDate->setEnabled(!ckBalanceFromFirstDay->isChecked());
    Validate();
}

// What the file gives for this year, or why it gives nothing. The settings
// keep what is read here for the sheet, so the file is read once.
void TPreferencesForm::edHolidayCalendarChange()
{
    const QString path = edHolidayCalendar->text().trimmed();
    if (path.isEmpty()) {
        laHolidayCount->setText(tr("No calendar: no public holidays."));
        return;
    }
    const TData::HolidayCalendarRead &read = m_data.ReadHolidayCalendar(path);
    if (!read.calendar) {
        laHolidayCount->setText(read.problem + u'\n' + tr("Hourframe goes on without public holidays."));
        return;
    }
    const int year = Clock::today().year();
    const auto count
        = read.calendar
              ->Between(DayNumber::fromDate(QDate(year, 1, 1)), DayNumber::fromDate(QDate(year, 12, 31)))
              .size();
    laHolidayCount->setText(count == 1 ? tr("1 public holiday in %1").arg(year)
                                       : tr("%1 public holidays in %2").arg(count).arg(year));
}

void TPreferencesForm::btBrowseHolidayCalendarClick()
{
    TFileDialogOptions options;
    options.title = tr("Holiday Calendar");
    options.filter = tr("iCalendar Files (*.ics);;All Files (*)");
    options.mustExist = true;
    const QString current = edHolidayCalendar->text().trimmed();
    if (!current.isEmpty())
        options.directory = QFileInfo(current).absolutePath();
    const QString path = Presenter().OpenFileName(this, options);
    if (!path.isEmpty())
        edHolidayCalendar->setText(path);
}

void TPreferencesForm::Validate()
{
    btOk->setEnabled(InputIsValid());
}

bool TPreferencesForm::InputIsValid() const
{
    // The printer refuses a font size of 0, so only a positive size is a size.
    const std::optional<int> fontSize = IntegerOf(edFontSize->text());
    if (!fontSize || *fontSize <= 0)
        return false;

    if (!teWeeklyTarget->IsValidTime() || !teDefaultLunchTime->IsValidTime())
        return false;
    for (const TTimeEdit *day : m_dayTargets)
        if (!day->IsValidTime())
            return false;

    if (MinutesOf(teWeeklyTarget) >= MinutesPerWeek)
        return false;

    for (const TTimeEdit *day : m_dayTargets)
        if (MinutesOf(day) >= MinutesPerDay)
            return false;
    if (MinutesOf(teDefaultLunchTime) >= MinutesPerDay)
        return false;

    try {
        ParseBalanceText(teBalanceOpening->text());
    } catch (const ConversionError &) {
        return false;
    }
    if (!ckBalanceFromFirstDay->isChecked() && !edBalanceStartDate->date().isValid())
        return false;

    for (const auto &[field, setting] : { std::pair(edVacationDaysPerYear, TSetting::VacationDaysPerYear),
             std::pair(edVacationCarriedOver, TSetting::VacationCarriedOver) }) {
        const std::optional<int> days = IntegerOf(field->text());
        if (!days || *days < SettingInfo(setting).minimum || *days > SettingInfo(setting).maximum)
            return false;
    }

    if (!RulesAreValid())
        return false;

    const std::optional<int> roundTo = IntegerOf(edRoundTimesTo->text());
    return roundTo && *roundTo > 0;
}

void TPreferencesForm::btOkClick()
{
    if (!InputIsValid())
        return;
    // Targets that change keep the days before the change as they were.
    TTargets targets = m_targetHistory->Targets();
    const TTargetSet shown = ShownTargets();
    if (shown != m_openedTargets) {
        const std::optional<int> from
            = AskTargetsFrom(this, DayNumber::weekStartOf(DayNumber::today(), m_data.FirstDayOfWeek()));
        if (!from)
            return;
        targets.ApplyFrom(*from, shown);
    } else {
        targets.SetLatest(shown);
    }
    // One write for all of them, on disk before the dialog closes.
    m_data.Batch([&] {
        for (const SettingControl &setting : std::as_const(m_controls))
            if (setting.store)
                setting.store();
        m_data.SetTargets(targets);
    });
    accept();
}

bool EditPreferences(QWidget *owner, TData &data)
{
    TPreferencesForm form(data, owner);
    return Presenter().ExecDialog(form) == QDialog::Accepted;
}
