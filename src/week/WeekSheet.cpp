#include "week/WeekSheet.h"

#include "ui/DrawingLock.h"

#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/HolidayCalendar.h"
#include "core/Targets.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "core/WorkingTimeRules.h"
#include "settings/DataMod.h"
#include "ui/Presenter.h"
#include "ui/TimeEdit.h"
#include "week/WeekFigures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>

#include <array>
#include <exception>
#include <utility>

TWeekSheet::TWeekSheet(TTimeRecorder &recorder, TData &data, QWidget *parent)
    : TWeekGrid(parent)
    , m_recorder(recorder)
    , m_data(data)
    , m_binder(recorder, data, *this)
{
    ArrangeView();
    // A holiday calendar that cannot be read is told once, after whatever
    // asked for the targets; the figures go on without holidays.
    connect(
        &m_data, &TData::HolidayCalendarFailed, this,
        [](const QString &problem) {
            ShowMessageBox(
                tr("%1\n\nHourframe goes on without public holidays.").arg(problem), mtWarning, mbOK);
        },
        Qt::QueuedConnection);
}

void TWeekSheet::InitWeek()
{
    {
        // The fields show their values rounded anew; that is no edit of the days.
        const TWeekBinder::TLoading loading(m_binder);
        SetRoundTo(m_data.RoundTimes() ? m_data.RoundTimesTo() : 0);
    }

    const int start = DayNumber::weekStartOf(DayNumber::today(), m_data.FirstDayOfWeek());
    m_weekStart = start;
    QComboBox *box = WeekBox();
    box->clear();
    for (int weeks = -5; weeks <= 2; ++weeks)
        box->addItem(FullYearDateText(start + 7 * weeks));
    box->setEditText(FullYearDateText(start));
    SelectWeekInList();

    // Before the first week is shown the days belong to no date, and a time
    // entered then (start-up enters the current time before it shows the week)
    // would reach no day of the document. They take the current week's dates
    // and values now, as showing the week would.
    if (!m_binder.HasBoundDay())
        for (int offset = 0; offset < 7; ++offset)
            m_binder.LoadDay(start + offset);
    m_weekBalance.reset();
}

void TWeekSheet::ShowWeekKeepingCaret()
{
    auto *field = qobject_cast<TTimeEdit *>(QApplication::focusWidget());
    if (!field || !IsTimeField(field)) {
        ShowWeek();
        return;
    }
    const QString text = field->text();
    const bool halfTyped = !field->IsValidTime();
    const int caret = field->cursorPosition();
    const int selectionStart = field->selectionStart();
    const int selectionLength = int(field->selectedText().size());
    ShowWeek();
    if (halfTyped && field->text() != text)
        field->setText(text);
    if (field->text() != text)
        return;
    if (selectionStart < 0)
        field->setCursorPosition(caret);
    else if (caret == selectionStart)
        field->setSelection(selectionStart + selectionLength, -selectionLength);
    else
        field->setSelection(selectionStart, selectionLength);
}

void TWeekSheet::ShowWeek()
{
    std::exception_ptr failure;
    try {
        const TWeekBinder::TLoading loading(m_binder);
        // Everything that can fail on a bad box text happens before the shown week changes.
        const int start = BoxWeekStart(0);
        m_weekStart = start;
        const QString startText = FullYearDateText(start);
        if (WeekBox()->currentText() != startText)
            WeekBox()->setEditText(startText);
        SelectWeekInList();
        ShowWeekDates(start, HolidayNames(start));

        // A day is bound to its new date only once all its fields hold that date's
        // values, so a load that stopped half-way never writes a field to a wrong day.
        m_binder.Unbind();
        for (int offset = 0; offset < 7; ++offset)
            m_binder.LoadDay(start + offset);
        m_weekBalance.reset();
        ArrangeView();
    } catch (...) {
        failure = std::current_exception();
    }

    Recalculate(1, 7);
    if (failure)
        std::rethrow_exception(failure);
}

std::array<QString, 7> TWeekSheet::HolidayNames(int weekStart) const
{
    std::array<QString, 7> names;
    if (const std::shared_ptr<const THolidayCalendar> holidays = m_data.Holidays())
        for (const THoliday &holiday : holidays->Between(weekStart, weekStart + 6))
            names[std::size_t(holiday.Date - weekStart)] = holiday.Name;
    return names;
}

void TWeekSheet::SelectWeekInList()
{
    QComboBox *box = WeekBox();
    const QString shown = box->currentText();
    const int index = box->findText(shown);
    if (index == box->currentIndex())
        return;
    // Choosing an entry writes its text into the box; choosing none empties it.
    box->setCurrentIndex(index);
    box->setEditText(shown);
}

void TWeekSheet::RecalculateDay(int weekday)
{
    if (weekday >= 1 && weekday <= 7)
        Recalculate(weekday, weekday);
}

void TWeekSheet::TargetsChanged()
{
    ShowWeekDates(m_weekStart, HolidayNames(m_weekStart));
    m_weekBalance.reset();
    Recalculate(1, 7);
}

void TWeekSheet::ReadHolidaysSoon()
{
    QTimer::singleShot(0, this, [this] {
        m_data.HoldBackHolidays(false);
        RunReportingErrors([this] { TargetsChanged(); });
    });
}

int TWeekSheet::TargetDate(int weekday) const
{
    if (m_binder.IsBound(weekday))
        return m_binder.DateOf(weekday);
    return m_weekStart + (weekday - DayNumber::dayOfWeek(m_weekStart) + 7) % 7;
}

void TWeekSheet::Recalculate(int firstWeekday, int lastWeekday)
{
    if (m_binder.IsLoading())
        return;
    const TTargets targets = m_data.Targets();
    std::array<SheetDay, 7> days;
    std::array<int, 7> dayTargets {};
    for (int weekday = 1; weekday <= 7; ++weekday) {
        days[weekday - 1] = m_binder.DayValues(weekday);
        dayTargets[weekday - 1] = targets.OfDay(TargetDate(weekday));
    }
    const SheetWeekFigures week
        = CalculateSheetWeek(days, dayTargets, targets.OfWeek(m_weekStart), m_data.IncludeHolsInTotal());

    for (int weekday = firstWeekday; weekday <= lastWeekday; ++weekday) {
        const SheetDay &day = days[weekday - 1];
        const bool fits = week.days[weekday - 1].spanFitsLunch;
        // Arrive, Depart and Lunch are red also when the lunch is longer than the day.
        Colour(Field(weekday, rwArrive), day.arrive.valid && fits);
        Colour(Field(weekday, rwDepart), day.depart.valid && fits);
        Colour(Field(weekday, rwLunch), day.lunch.valid && fits);
        Colour(Field(weekday, rwExtra), day.extra.valid);
        Colour(Field(weekday, rwHols), day.holiday.valid);
    }
    for (int weekday = 1; weekday <= 7; ++weekday)
        ShowDayFigures(weekday, week.days[weekday - 1].hours, week.days[weekday - 1].deviation);
    ShowWeekFigures(week.weeklyHours, week.hoursShort, week.shortfall);
    UpdateBreaches();
    UpdateBalance();
}

// Only the shown week is checked, with the days around it that its rules
// read, whatever the file holds; another week is checked once it is shown.
void TWeekSheet::UpdateBreaches()
{
    std::array<QString, 7> texts;
    const TWorkingTimeRules rules = WorkingTimeRulesOf(m_data);
    if (rules.IsOn()) {
        for (const TBreach &breach :
            Breaches(m_recorder, rules, m_weekStart, m_weekStart + 6, m_data.FirstDayOfWeek())) {
            QString &text = texts[std::size_t(breach.Date - m_weekStart)];
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + BreachText(breach);
        }
    }
    ShowBreaches(texts);
}

void TWeekSheet::UpdateBalance()
{
    if (!(IsBalanceRowShown() || IsLeaveAtRowShown() || m_todayWanted) || m_binder.IsLoading())
        return;
    const TBalanceSettings settings = BalanceSettingsOf(m_data);
    if (!m_weekBalance)
        m_weekBalance.emplace().Reset(m_recorder, settings, m_weekStart);
    m_today = TodayFigures(
        m_recorder, settings, DefaultLunchOf(m_data), [this](int day) { return m_weekBalance->AsOf(day); });
    const bool inProgress = m_today.InProgress && m_weekStart + 6 >= m_today.Date;
    // Until the day is closed the balance is that of the day before.
    if (IsBalanceRowShown())
        ShowBalance(BalanceText(m_weekBalance->AsOf(m_weekStart + 6)),
            inProgress ? tr("(today: %1 so far)").arg(HoursText(m_today.SoFar)) : QString());
    if (IsLeaveAtRowShown()) {
        const auto [time, note] = LeaveAtTexts(m_today);
        ShowLeaveAt(time, note);
    }
    Q_EMIT TodayChanged();
}

void TWeekSheet::SetTodayWanted(bool wanted)
{
    m_todayWanted = wanted;
    UpdateBalance();
}

void TWeekSheet::RefreshToday()
{
    UpdateBalance();
}

std::pair<QString, QString> LeaveAtTexts(const TToday &today)
{
    if (!today.InProgress || !today.LeaveAt)
        return {};
    if (!today.ZeroBalanceAt)
        return { ClockText(*today.LeaveAt % 1440), QString() };
    return { ClockText(*today.LeaveAt % 1440),
        QCoreApplication::translate("TWeekSheet", "(zero balance at %1)")
            .arg(ClockText(*today.ZeroBalanceAt % 1440)) };
}

QString LeaveAtText(const TToday &today)
{
    const auto [time, note] = LeaveAtTexts(today);
    return note.isEmpty() ? time : time + u' ' + note;
}

void TWeekSheet::ArrangeDayColumns()
{
    ArrangeColumns(m_data.FirstDayOfWeek());
}

void TWeekSheet::UpdateCommentButton(QAbstractButton *button, const QString &comment, int date)
{
    ShowComment(button, comment, date);
    // A comment alone makes a day hold data, which may be the first one counted.
    UpdateBalance();
}

void TWeekSheet::SetArrangeView(std::function<void()> arrangeView)
{
    m_arrangeView = std::move(arrangeView);
}

void TWeekSheet::ArrangeView()
{
    if (m_arrangeView) {
        m_arrangeView();
        return;
    }
    const DrawingLock lock(this);
    ArrangeRows(m_data.ShowLunchTime(), m_data.ShowExtraHours(), m_data.ShowHols(), m_data.ShowComment());
    SetResultRowsVisible(m_data.ShowDeviationFromDailyTarget(), m_data.ShowDeviationFromWeeklyTarget(),
        m_data.ShowBalance(), m_data.ShowLeaveAt());
    ArrangeDayColumns();
}

int TWeekSheet::BoxWeekStart(int days) const
{
    const QString text = WeekBox()->currentText();
    const int start = DayNumber::weekStartOf(ParseDateText(text) + days, m_data.FirstDayOfWeek());
    // A day of the week that the data file cannot hold could take a typed
    // time, be saved, and leave a file that no longer opens.
    if (start < FirstFileDay() || start + 6 > LastFileDay())
        throw RangeError(
            tr("The week of %1 is outside the days a data file can hold, %2 to %3")
                .arg(QuotedText(text), ShortDateText(FirstFileDay()), ShortDateText(LastFileDay())));
    return start;
}

void TWeekSheet::MoveWeek(int days)
{
    WeekBox()->setEditText(FullYearDateText(BoxWeekStart(days)));
    ShowWeek();
}

void TWeekSheet::FieldChanged(int weekday, int row)
{
    if (m_binder.IsLoading())
        return;
    m_binder.FieldEdited(weekday, row);
    RecalculateDay(weekday);
}

void TWeekSheet::FieldLeft(int weekday, int row)
{
    m_binder.FieldLeft(weekday, row);
}

void TWeekSheet::LunchDoubleClicked(int weekday)
{
    m_binder.EnterDefaultLunch(weekday);
}

void TWeekSheet::WeekBoxEdited()
{
    bool isDate = true;
    try {
        BoxWeekStart(0);
    } catch (const HourframeError &) {
        isDate = false;
    }
    Colour(WeekBox()->lineEdit(), isDate);
}

// The box and the week commands have no caller to catch their errors.
void TWeekSheet::WeekBoxCommitted()
{
    RunReportingErrors([this] { ShowWeek(); });
}

void TWeekSheet::WeekStepped(int days)
{
    RunReportingErrors([this, days] { MoveWeek(days); });
}

void TWeekSheet::ResultRowsChanged()
{
    UpdateBalance();
}
