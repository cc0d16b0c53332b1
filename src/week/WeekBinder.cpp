#include "week/WeekBinder.h"

#include "core/DayNumber.h"
#include "core/Rounding.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "ui/TimeEdit.h"
#include "week/WeekGrid.h"

#include <algorithm>
#include <utility>

namespace {

int wholeMinutes(double minutes)
{
    return static_cast<int>(roundHalfEven(minutes));
}

// Where the store keeps each entry row of a day, Arrive to Holiday.
struct StoredRow {
    int (TTimeRecorder::*get)(double) const;
    void (TTimeRecorder::*set)(double, int);
};

const StoredRow &storedRow(int row)
{
    static constexpr std::array<StoredRow, 5> rows { {
        { &TTimeRecorder::GetArrive, &TTimeRecorder::SetArrive },
        { &TTimeRecorder::GetDepart, &TTimeRecorder::SetDepart },
        { &TTimeRecorder::GetLunch, &TTimeRecorder::SetLunch },
        { &TTimeRecorder::GetExtra, &TTimeRecorder::SetExtra },
        { &TTimeRecorder::GetHoliday, &TTimeRecorder::SetHoliday },
    } };
    return rows.at(static_cast<std::size_t>(row - TWeekGrid::rwArrive));
}

bool isWeekday(int weekday)
{
    return weekday >= 1 && weekday <= 7;
}

} // namespace

TWeekBinder::TLoading::TLoading(TWeekBinder &binder)
    : m_binder(binder)
    , m_before(std::exchange(binder.m_loading, true))
{
}

TWeekBinder::TLoading::~TLoading()
{
    m_binder.m_loading = m_before;
}

TWeekBinder::TWeekBinder(TTimeRecorder &store, const TData &settings, TWeekGrid &grid)
    : m_store(store)
    , m_settings(settings)
    , m_grid(grid)
{
}

bool TWeekBinder::HasBoundDay() const
{
    return std::any_of(m_days.begin() + 1, m_days.end(), [](const Day &day) { return day.hasDate; });
}

void TWeekBinder::Unbind()
{
    for (Day &day : m_days)
        day.hasDate = false;
}

void TWeekBinder::LoadDay(int date)
{
    const TLoading loading(*this);
    const int weekday = DayNumber::dayOfWeek(date);
    Day &day = m_days[weekday];
    for (int row = TWeekGrid::rwArrive; row <= TWeekGrid::rwHols; ++row)
        m_grid.Field(weekday, row)->SetAsMinutes((m_store.*storedRow(row).get)(date));
    m_grid.ShowComment(m_grid.CommentButton(weekday), m_store.GetComment(date), date);
    day.date = date;
    day.hasDate = true;
    day.edited = {};
}

int TWeekBinder::DateOf(int weekday) const
{
    return isWeekday(weekday) ? m_days[weekday].date : 0;
}

bool TWeekBinder::IsBound(int weekday) const
{
    return isWeekday(weekday) && m_days[weekday].hasDate;
}

void TWeekBinder::FieldEdited(int weekday, int row)
{
    if (m_loading || !isWeekday(weekday))
        return;
    Day &day = m_days[weekday];
    day.edited[row] = true;
    const TTimeEdit *field = m_grid.Field(weekday, row);
    if (day.hasDate && field->IsValidTime())
        (m_store.*storedRow(row).set)(day.date, wholeMinutes(field->AsMinutes()));
}

void TWeekBinder::FieldLeft(int weekday, int row)
{
    if (row == TWeekGrid::rwArrive || row == TWeekGrid::rwDepart)
        ApplyDefaultLunch(weekday);
    // A field the user did not change still shows its stored value; its text
    // read back may differ from it (25:00 reads as 01:00), and writing that
    // back would change the day.
    if (m_days[weekday].edited[row])
        m_grid.Field(weekday, row)->Redisplay();
}

void TWeekBinder::EnterDefaultLunch(int weekday)
{
    m_grid.Field(weekday, TWeekGrid::rwLunch)->SetAsMinutes(m_settings.DefaultLunchTime());
}

void TWeekBinder::ApplyDefaultLunch(int weekday)
{
    if (m_loading || !m_settings.UseDefaultLunchTime())
        return;
    const TTimeEdit *arrive = m_grid.Field(weekday, TWeekGrid::rwArrive);
    TTimeEdit *lunch = m_grid.Field(weekday, TWeekGrid::rwLunch);
    if (arrive->AsMinutes() > 0 && lunch->AsMinutes() == 0)
        lunch->SetAsMinutes(m_settings.DefaultLunchTime());
}

SheetDay TWeekBinder::DayValues(int weekday) const
{
    const Day &day = m_days[weekday];
    // A valid field holds what the store holds, except where the field cannot
    // hold the stored value (an arrival of 25:00 reads back as 01:00): the
    // figures take the stored values, as the report does. A blank Arrive or
    // Depart holds -1 in the field and in the store alike.
    std::array<SheetField, 5> fields;
    for (int row = TWeekGrid::rwArrive; row <= TWeekGrid::rwHols; ++row) {
        const TTimeEdit *field = m_grid.Field(weekday, row);
        fields[static_cast<std::size_t>(row - TWeekGrid::rwArrive)]
            = SheetField { day.hasDate ? (m_store.*storedRow(row).get)(day.date)
                                       : wholeMinutes(field->AsMinutes()),
                  field->IsValidTime() };
    }
    return SheetDay { fields[0], fields[1], fields[2], fields[3], fields[4] };
}
