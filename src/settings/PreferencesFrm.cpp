#include "settings/PreferencesFrm.h"

#include "core/Balance.h"
#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/TimeText.h"
#include "settings/DataMod.h"
#include "ui/DigitKeyFilter.h"
#include "ui/NamedWidgets.h"
#include "ui/Presenter.h"
#include "ui/Printers.h"
#include "ui/TimeEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
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
#include <limits>
#include <optional>

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

// An empty time field stands for no time at all, which is 0 minutes both in
// the weekly sum and in the stored settings (which have no empty form).
int MinutesOf(const TTimeEdit *field)
{
    return field->Value() < 0 ? 0 : field->Value();
}

TTimeEdit *NewIntervalField(const QString &name, QWidget *parent)
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

// A page of the dialog: one framed group that fills it.
QGroupBox *NewPage(QTabWidget *pages, const QString &pageName, const QString &tabCaption,
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

} // namespace

TPreferencesForm::TPreferencesForm(TData &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(u"PreferencesForm"_s);
    setWindowTitle(u"Preferences"_s);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    CreateControls();
    FormShow();
}

void TPreferencesForm::CreateControls()
{
    pcPreferences = new QTabWidget(this);
    pcPreferences->setObjectName(u"pcPreferences"_s);

    auto *gbOptions = NewPage(pcPreferences, u"tsOptions"_s, u"&Options"_s, u"gbOptions"_s, u" Options "_s);
    ckAssociateHfFiles
        = NewCheckBox(u"ckAssociateHfFiles"_s, u"&Associate .HF files with Hourframe"_s, gbOptions);
    ckReopenLastUsedFile
        = NewCheckBox(u"ckReopenLastUsedFile"_s, u"Reopen pre&vious hourframe file on startup"_s, gbOptions);
    ckUseToolTray = NewCheckBox(u"ckUseToolTray"_s, u"Show &icon in tool tray"_s, gbOptions);
    ckAutoSave
        = NewCheckBox(u"ckAutoSave"_s, u"Automatically save &changed data before exiting"_s, gbOptions);
    ckAutoEnterTime = NewCheckBox(u"ckAutoEnterTime"_s, u"Automatically &enter current time"_s, gbOptions);
    ckRoundTimes = NewCheckBox(u"ckRoundTimes"_s, u"&Round times to nearest"_s, gbOptions);
    edRoundTimesTo = new QLineEdit(gbOptions);
    edRoundTimesTo->setObjectName(u"edRoundTimesTo"_s);
    edRoundTimesTo->setMaxLength(2);
    edRoundTimesTo->setEnabled(false);
    edRoundTimesTo->setFixedWidth(QFontMetrics(edRoundTimesTo->font()).horizontalAdvance(u"000"_s) + 12);
    auto *laMinutes = NewLabel(u"laMinutes"_s, u"minutes"_s, nullptr, gbOptions);
    ckShowLunchTime = NewCheckBox(u"ckShowLunchTime"_s, u"Always show &lunch time"_s, gbOptions);
    ckShowExtraHours = NewCheckBox(u"ckShowExtraHours"_s, u"Always show e&xtra hours"_s, gbOptions);
    ckShowHols = NewCheckBox(u"ckShowHols"_s, u"Always show &holidays"_s, gbOptions);
    ckShowComment = NewCheckBox(u"ckShowComment"_s, u"Always show co&mment"_s, gbOptions);
    ckIncludeHolsInTotal
        = NewCheckBox(u"ckIncludeHolsInTotal"_s, u"Consider holidays as time &worked"_s, gbOptions);
    cbFirstDayOfWeek = new QComboBox(gbOptions);
    cbFirstDayOfWeek->setObjectName(u"cbFirstDayOfWeek"_s);
    cbFirstDayOfWeek->setEditable(false);
    cbFirstDayOfWeek->addItems({ u"Sunday"_s, u"Monday"_s, u"Tuesday"_s, u"Wednesday"_s, u"Thursday"_s,
        u"Friday"_s, u"Saturday"_s });
    auto *laFirstDayOfWeek
        = NewLabel(u"laFirstDayOfWeek"_s, u"&First day of week"_s, cbFirstDayOfWeek, gbOptions);

    auto *optionsLayout = new QVBoxLayout(gbOptions);
    optionsLayout->addWidget(ckAssociateHfFiles);
    optionsLayout->addWidget(ckReopenLastUsedFile);
    optionsLayout->addWidget(ckUseToolTray);
    optionsLayout->addWidget(ckAutoSave);
    optionsLayout->addWidget(ckAutoEnterTime);
    auto *roundRow = new QHBoxLayout;
    roundRow->addWidget(ckRoundTimes);
    roundRow->addWidget(edRoundTimesTo);
    roundRow->addWidget(laMinutes);
    roundRow->addStretch();
    optionsLayout->addLayout(roundRow);
    optionsLayout->addWidget(ckShowLunchTime);
    optionsLayout->addWidget(ckShowExtraHours);
    optionsLayout->addWidget(ckShowHols);
    optionsLayout->addWidget(ckShowComment);
    optionsLayout->addWidget(ckIncludeHolsInTotal);
    auto *firstDayRow = new QHBoxLayout;
    firstDayRow->addWidget(laFirstDayOfWeek);
    firstDayRow->addWidget(cbFirstDayOfWeek);
    firstDayRow->addStretch();
    optionsLayout->addLayout(firstDayRow);
    optionsLayout->addStretch();

    auto *gbTargetHours = NewPage(
        pcPreferences, u"tsTargetHours"_s, u"&Target Hours"_s, u"gbTargetHours"_s, u" Target Hours "_s);
    ckShowDeviationFromDailyTarget = NewCheckBox(
        u"ckShowDeviationFromDailyTarget"_s, u"Show &daily deviation from target"_s, gbTargetHours);
    teMondayTarget = NewIntervalField(u"teMondayTarget"_s, gbTargetHours);
    teTuesdayTarget = NewIntervalField(u"teTuesdayTarget"_s, gbTargetHours);
    teWednesdayTarget = NewIntervalField(u"teWednesdayTarget"_s, gbTargetHours);
    teThursdayTarget = NewIntervalField(u"teThursdayTarget"_s, gbTargetHours);
    teFridayTarget = NewIntervalField(u"teFridayTarget"_s, gbTargetHours);
    teSaturdayTarget = NewIntervalField(u"teSaturdayTarget"_s, gbTargetHours);
    teSundayTarget = NewIntervalField(u"teSundayTarget"_s, gbTargetHours);
    ckShowDeviationFromWeeklyTarget
        = NewCheckBox(u"ckShowDeviationFromWeeklyTarget"_s, u"Show wee&kly deviation from"_s, gbTargetHours);
    teWeeklyTarget = NewIntervalField(u"teWeeklyTarget"_s, gbTargetHours);
    ckUseDefaultLunchTime = NewCheckBox(u"ckUseDefaultLunchTime"_s, u"Default &lunch time"_s, gbTargetHours);
    teDefaultLunchTime = NewIntervalField(u"teDefaultLunchTime"_s, gbTargetHours);
    // The default lunch applies whenever the sheet fills in a lunch, so its
    // field stays editable whatever its check box says.
    teDefaultLunchTime->setEnabled(true);

    auto *daysGrid = new QGridLayout;
    const struct {
        TTimeEdit *field;
        const char16_t *name;
        const char16_t *caption;
        int row;
        int column;
    } days[] = {
        { teMondayTarget, u"laMonday", u"&Monday", 0, 0 },
        { teTuesdayTarget, u"laTuesday", u"T&uesday", 1, 0 },
        { teWednesdayTarget, u"laWednesday", u"&Wednesday", 2, 0 },
        { teThursdayTarget, u"laThursday", u"T&hursday", 3, 0 },
        { teFridayTarget, u"laFriday", u"&Friday", 4, 0 },
        { teSaturdayTarget, u"laSaturday", u"S&aturday", 0, 3 },
        { teSundayTarget, u"laSunday", u"Su&nday", 1, 3 },
    };
    for (const auto &day : days) {
        QLabel *label = NewLabel(
            QString::fromUtf16(day.name), QString::fromUtf16(day.caption), day.field, gbTargetHours);
        daysGrid->addWidget(label, day.row, day.column);
        daysGrid->addWidget(day.field, day.row, day.column + 1);
    }
    daysGrid->setColumnMinimumWidth(2, 24);
    daysGrid->setColumnStretch(5, 1);
    daysGrid->setContentsMargins(20, 0, 0, 0);

    auto *weeklyRow = new QHBoxLayout;
    weeklyRow->addWidget(ckShowDeviationFromWeeklyTarget);
    weeklyRow->addWidget(teWeeklyTarget);
    weeklyRow->addWidget(NewLabel(u"laWeeklyHours"_s, u"hours"_s, nullptr, gbTargetHours));
    weeklyRow->addStretch();
    auto *lunchRow = new QHBoxLayout;
    lunchRow->addWidget(ckUseDefaultLunchTime);
    lunchRow->addWidget(teDefaultLunchTime);
    lunchRow->addWidget(NewLabel(u"laLunchHours"_s, u"hours"_s, nullptr, gbTargetHours));
    lunchRow->addStretch();

    auto *targetLayout = new QVBoxLayout(gbTargetHours);
    targetLayout->addWidget(ckShowDeviationFromDailyTarget);
    targetLayout->addLayout(daysGrid);
    targetLayout->addSpacing(8);
    targetLayout->addLayout(weeklyRow);
    targetLayout->addLayout(lunchRow);
    targetLayout->addStretch();

    auto *gbPrinterFont
        = NewPage(pcPreferences, u"tsPrinter"_s, u"&Printer"_s, u"gbPrinterFont"_s, u" Printer Font "_s);
    cbFontName = new QComboBox(gbPrinterFont);
    cbFontName->setObjectName(u"cbFontName"_s);
    cbFontName->setEditable(false);
    cbFontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbFontName->setMinimumContentsLength(24);
    edFontSize = new QLineEdit(gbPrinterFont);
    edFontSize->setObjectName(u"edFontSize"_s);
    edFontSize->installEventFilter(new DigitKeyFilter(edFontSize));
    edFontSize->setFixedWidth(QFontMetrics(edFontSize->font()).horizontalAdvance(u"00000"_s) + 12);

    auto *printerLayout = new QGridLayout(gbPrinterFont);
    printerLayout->addWidget(NewLabel(u"laFontName"_s, u"&Name"_s, cbFontName, gbPrinterFont), 0, 0);
    printerLayout->addWidget(cbFontName, 0, 1, Qt::AlignLeft);
    printerLayout->addWidget(NewLabel(u"laFontSize"_s, u"&Size"_s, edFontSize, gbPrinterFont), 1, 0);
    printerLayout->addWidget(edFontSize, 1, 1, Qt::AlignLeft);
    printerLayout->setColumnStretch(1, 1);
    printerLayout->setRowStretch(2, 1);

    auto *gbBalance = NewPage(pcPreferences, u"tsBalance"_s, u"&Balance"_s, u"gbBalance"_s, u" Balance "_s);
    edBalanceStartDate = new QDateEdit(gbBalance);
    edBalanceStartDate->setObjectName(u"edBalanceStartDate"_s);
    edBalanceStartDate->setCalendarPopup(true);
    edBalanceStartDate->setDisplayFormat(DateFieldFormat());
    edBalanceStartDate->setDateRange(DayNumber::toDate(FirstFileDay()), DayNumber::toDate(LastFileDay()));
    ckBalanceFromFirstDay
        = NewCheckBox(u"ckBalanceFromFirstDay"_s, u"From the first recorded day"_s, gbBalance);
    teBalanceOpening = new QLineEdit(gbBalance);
    teBalanceOpening->setObjectName(u"teBalanceOpening"_s);
    teBalanceOpening->setFixedWidth(
        QFontMetrics(teBalanceOpening->font()).horizontalAdvance(u"-00000:00"_s) + 12);

    auto *balanceLayout = new QGridLayout(gbBalance);
    balanceLayout->addWidget(
        NewLabel(u"laBalanceStartDate"_s, u"&Start date"_s, edBalanceStartDate, gbBalance), 0, 0);
    balanceLayout->addWidget(edBalanceStartDate, 0, 1, Qt::AlignLeft);
    balanceLayout->addWidget(ckBalanceFromFirstDay, 1, 1);
    balanceLayout->addWidget(
        NewLabel(u"laBalanceOpening"_s, u"&Opening balance"_s, teBalanceOpening, gbBalance), 2, 0);
    auto *openingRow = new QHBoxLayout;
    openingRow->addWidget(teBalanceOpening);
    openingRow->addWidget(NewLabel(u"laBalanceHours"_s, u"hours"_s, nullptr, gbBalance));
    openingRow->addStretch();
    balanceLayout->addLayout(openingRow, 2, 1);
    balanceLayout->setColumnStretch(1, 1);
    balanceLayout->setRowStretch(3, 1);

    btOk = new QPushButton(u"OK"_s, this);
    btOk->setObjectName(u"btOk"_s);
    btOk->setDefault(true);
    btCancel = new QPushButton(u"Cancel"_s, this);
    btCancel->setObjectName(u"btCancel"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    auto *formLayout = new QVBoxLayout(this);
    formLayout->addWidget(pcPreferences);
    formLayout->addLayout(buttons);
    formLayout->setSizeConstraint(QLayout::SetFixedSize);

    const QList<QWidget *> tabOrder { pcPreferences, ckAssociateHfFiles, ckReopenLastUsedFile, ckUseToolTray,
        ckAutoSave, ckAutoEnterTime, ckRoundTimes, edRoundTimesTo, ckShowLunchTime, ckShowExtraHours,
        ckShowHols, ckShowComment, ckIncludeHolsInTotal, cbFirstDayOfWeek, ckShowDeviationFromDailyTarget,
        teMondayTarget, teTuesdayTarget, teWednesdayTarget, teThursdayTarget, teFridayTarget,
        teSaturdayTarget, teSundayTarget, ckShowDeviationFromWeeklyTarget, teWeeklyTarget,
        ckUseDefaultLunchTime, teDefaultLunchTime, cbFontName, edFontSize, edBalanceStartDate,
        ckBalanceFromFirstDay, teBalanceOpening, btOk, btCancel };
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    m_dayTargets = { teSaturdayTarget, teSundayTarget, teMondayTarget, teTuesdayTarget, teWednesdayTarget,
        teThursdayTarget, teFridayTarget };

    connect(ckRoundTimes, &QCheckBox::toggled, this, &TPreferencesForm::ckRoundTimesClick);
    connect(ckShowDeviationFromDailyTarget, &QCheckBox::toggled, this, &TPreferencesForm::ckDeviationClick);
    connect(ckShowDeviationFromWeeklyTarget, &QCheckBox::toggled, this, &TPreferencesForm::ckDeviationClick);
    for (TTimeEdit *day : std::as_const(m_dayTargets))
        connect(day, &TTimeEdit::OnChange, this, &TPreferencesForm::DayTargetChange);
    connect(edRoundTimesTo, &QLineEdit::textChanged, this, &TPreferencesForm::Validate);
    connect(teWeeklyTarget, &TTimeEdit::OnChange, this, &TPreferencesForm::Validate);
    connect(teDefaultLunchTime, &TTimeEdit::OnChange, this, &TPreferencesForm::Validate);
    connect(edFontSize, &QLineEdit::textChanged, this, &TPreferencesForm::Validate);
    connect(ckBalanceFromFirstDay, &QCheckBox::toggled, this, &TPreferencesForm::ckBalanceFromFirstDayClick);
    connect(teBalanceOpening, &QLineEdit::textChanged, this, &TPreferencesForm::Validate);
    connect(btOk, &QPushButton::clicked, this, &TPreferencesForm::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// Loads the settings into the controls. The order matters: the check boxes
// switch their controls on as they are set, and each day target recomputes
// the weekly field, so the weekly field ends up as the sum of the days.
void TPreferencesForm::FormShow()
{
    pcPreferences->setCurrentIndex(0);

    if (PrintersInstalled()) {
        QStringList families = QFontDatabase::families();
        families.sort(Qt::CaseInsensitive);
        cbFontName->addItems(families);
    }
    const int font = cbFontName->findText(m_data.PrinterFontName());
    if (font >= 0)
        cbFontName->setCurrentIndex(font);
    else if (cbFontName->count() > 0)
        cbFontName->setCurrentIndex(0);

    edFontSize->setText(QString::number(m_data.PrinterFontSize()));

    ckAssociateHfFiles->setChecked(m_data.AssociateHfFiles());
    ckReopenLastUsedFile->setChecked(m_data.ReopenLastUsedFile());
    ckUseToolTray->setChecked(m_data.UseToolTray());
    ckShowDeviationFromWeeklyTarget->setChecked(m_data.ShowDeviationFromWeeklyTarget());
    ckShowDeviationFromDailyTarget->setChecked(m_data.ShowDeviationFromDailyTarget());
    ckShowLunchTime->setChecked(m_data.ShowLunchTime());
    ckShowComment->setChecked(m_data.ShowComment());
    ckShowExtraHours->setChecked(m_data.ShowExtraHours());
    ckShowHols->setChecked(m_data.ShowHols());

    teWeeklyTarget->SetAsMinutes(m_data.WeeklyTarget());
    teSaturdayTarget->SetAsMinutes(m_data.SaturdayTarget());
    teSundayTarget->SetAsMinutes(m_data.SundayTarget());
    teMondayTarget->SetAsMinutes(m_data.MondayTarget());
    teTuesdayTarget->SetAsMinutes(m_data.TuesdayTarget());
    teWednesdayTarget->SetAsMinutes(m_data.WednesdayTarget());
    teThursdayTarget->SetAsMinutes(m_data.ThusdayTarget());
    teFridayTarget->SetAsMinutes(m_data.FridayTarget());

    ckAutoSave->setChecked(m_data.AutoSave());
    ckAutoEnterTime->setChecked(m_data.AutoEnterTime());
    edRoundTimesTo->setText(QString::number(m_data.RoundTimesTo()));
    ckRoundTimes->setChecked(m_data.RoundTimes());
    ckIncludeHolsInTotal->setChecked(m_data.IncludeHolsInTotal());
    cbFirstDayOfWeek->setCurrentIndex(m_data.FirstDayOfWeek() - 1);
    ckUseDefaultLunchTime->setChecked(m_data.UseDefaultLunchTime());
    teDefaultLunchTime->SetAsMinutes(m_data.DefaultLunchTime());

    // Counting from the first recorded day, the date field offers today.
    const int start = m_data.BalanceStartDate();
    edBalanceStartDate->setDate(DayNumber::toDate(start != 0 ? start : DayNumber::today()));
    ckBalanceFromFirstDay->setChecked(start == 0);
    ckBalanceFromFirstDayClick();
    teBalanceOpening->setText(BalanceText(m_data.BalanceOpening()));

    // A field set to the text it already showed raises no change, so judge
    // the loaded values once more as a whole.
    Validate();
}

void TPreferencesForm::ckRoundTimesClick()
{
    edRoundTimesTo->setEnabled(ckRoundTimes->isChecked());
}

// With daily deviation on, the weekly target is the sum of the day targets
// and is not typed by hand.
void TPreferencesForm::ckDeviationClick()
{
    const bool daily = ckShowDeviationFromDailyTarget->isChecked();
    for (TTimeEdit *day : std::as_const(m_dayTargets))
        day->setEnabled(daily);
    teWeeklyTarget->setEnabled(ckShowDeviationFromWeeklyTarget->isChecked() && !daily);
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

    const std::optional<int> roundTo = IntegerOf(edRoundTimesTo->text());
    return roundTo && *roundTo > 0;
}

void TPreferencesForm::btOkClick()
{
    if (!InputIsValid())
        return;
    // One write for all of them, on disk before the dialog closes.
    m_data.Batch([&] {
        m_data.SetAssociateHfFiles(ckAssociateHfFiles->isChecked());
        m_data.SetReopenLastUsedFile(ckReopenLastUsedFile->isChecked());
        m_data.SetUseToolTray(ckUseToolTray->isChecked());
        m_data.SetShowDeviationFromWeeklyTarget(ckShowDeviationFromWeeklyTarget->isChecked());
        m_data.SetShowDeviationFromDailyTarget(ckShowDeviationFromDailyTarget->isChecked());
        m_data.SetShowLunchTime(ckShowLunchTime->isChecked());
        m_data.SetShowComment(ckShowComment->isChecked());
        m_data.SetShowExtraHours(ckShowExtraHours->isChecked());
        m_data.SetShowHols(ckShowHols->isChecked());
        m_data.SetWeeklyTarget(MinutesOf(teWeeklyTarget));
        m_data.SetPrinterFontName(cbFontName->currentText());
        m_data.SetPrinterFontSize(ParseDecimalInt(edFontSize->text()));
        m_data.SetSaturdayTarget(MinutesOf(teSaturdayTarget));
        m_data.SetSundayTarget(MinutesOf(teSundayTarget));
        m_data.SetMondayTarget(MinutesOf(teMondayTarget));
        m_data.SetTuesdayTarget(MinutesOf(teTuesdayTarget));
        m_data.SetWednesdayTarget(MinutesOf(teWednesdayTarget));
        m_data.SetThusdayTarget(MinutesOf(teThursdayTarget));
        m_data.SetFridayTarget(MinutesOf(teFridayTarget));
        m_data.SetDefaultLunchTime(MinutesOf(teDefaultLunchTime));
        m_data.SetUseDefaultLunchTime(ckUseDefaultLunchTime->isChecked());
        m_data.SetAutoSave(ckAutoSave->isChecked());
        m_data.SetAutoEnterTime(ckAutoEnterTime->isChecked());
        m_data.SetRoundTimesTo(ParseDecimalInt(edRoundTimesTo->text()));
        m_data.SetRoundTimes(ckRoundTimes->isChecked());
        m_data.SetIncludeHolsInTotal(ckIncludeHolsInTotal->isChecked());
        m_data.SetFirstDayOfWeek(cbFirstDayOfWeek->currentIndex() + 1);
        m_data.SetBalanceStartDate(
            ckBalanceFromFirstDay->isChecked() ? 0 : DayNumber::fromDate(edBalanceStartDate->date()));
        m_data.SetBalanceOpening(ParseBalanceText(teBalanceOpening->text()));
    });
    accept();
}

bool EditPreferences(QWidget *owner, TData &data)
{
    TPreferencesForm form(data, owner);
    return Presenter().ExecDialog(form) == QDialog::Accepted;
}
