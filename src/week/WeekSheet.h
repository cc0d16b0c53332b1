#pragma once

#include "core/Balance.h"
#include "core/Today.h"
#include "week/WeekBinder.h"
#include "week/WeekGrid.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>

class TData;
class TTimeRecorder;

// One week of time fields: every keystroke recalculates the day and the week
// and writes the day's valid fields straight through to the store. The grid
// holds the widgets, the binder ties them to the store's days, and every
// figure comes from WeekFigures.
class TWeekSheet : public TWeekGrid {
    Q_OBJECT

public:
    TWeekSheet(TTimeRecorder &recorder, TData &data, QWidget *parent = nullptr);

    // Rounding from the settings, the week containing today and the list of
    // weeks offered by the week-beginning box.
    void InitWeek();
    // Loads the week named by the box. A box text that is not a date leaves the
    // shown week as it is, recalculates it and then throws the error on.
    // Showing a week never writes to the store.
    void ShowWeek();
    // ShowWeek after the store's records were put in place of others (the
    // file changed on disk): the field with the focus keeps its text and
    // caret where the file left its value alone, and a half-typed time, which
    // the store never held, stays as typed.
    void ShowWeekKeepingCaret();
    // Colours the day's fields and shows its figures and the week's, worked
    // out from the stored values, so a value the fields cannot hold still
    // counts in full.
    void RecalculateDay(int weekday);
    // The targets changed (the holiday calendar came in): marks the week's
    // public holidays and counts the week and the balance again.
    void TargetsChanged();
    // Lets the holiday calendar that the settings hold back come in once the
    // week is on the screen, whatever the caller meets on the way: a zero
    // timer runs after the events already posted, the paint among them. A
    // long calendar takes as long to read as a tenth of start-up.
    void ReadHolidaysSoon();
    // Orders the columns from FirstDayOfWeek and captions the headings.
    void ArrangeDayColumns();
    void UpdateCommentButton(QAbstractButton *button, const QString &comment, int date);

    int WeekStart() const { return m_weekStart; }
    // The day number weekday's column shows.
    int DateOf(int weekday) const { return m_binder.DateOf(weekday); }

    // Replaces the view layout run at the end of ShowWeek.
    void SetArrangeView(std::function<void()> arrangeView);

    // The day being worked as last worked out: after every change of the
    // week while the Balance or Leave at row is shown or it is wanted, and
    // at RefreshToday. TodayChanged follows each time.
    const TToday &Today() const { return m_today; }
    // Whether Today is wanted also while neither row is shown.
    void SetTodayWanted(bool wanted);
    // Works the figures of today out again: the clock has moved on.
    void RefreshToday();

Q_SIGNALS:
    void TodayChanged();

protected:
    void FieldChanged(int weekday, int row) override;
    void FieldLeft(int weekday, int row) override;
    void LunchDoubleClicked(int weekday) override;
    void WeekBoxEdited() override;
    void WeekBoxCommitted() override;
    void WeekStepped(int days) override;
    void ResultRowsChanged() override;

private:
    // Colours the fields of the weekdays first to last and shows the figures
    // of the whole week.
    void Recalculate(int firstWeekday, int lastWeekday);
    // The date whose target counts for a weekday: the date it shows, or
    // before a week is shown the date of that weekday in the shown week.
    int TargetDate(int weekday) const;
    void ArrangeView();
    void UpdateBalance();
    // Marks the headings of the days that break a working-time rule.
    void UpdateBreaches();
    // The list of the week box opens on the entry of the shown week, if it has one.
    void SelectWeekInList();
    // The public holidays' names of the week's days, from the left.
    std::array<QString, 7> HolidayNames(int weekStart) const;
    // The first day of the week of the box's date moved by days; a text that is
    // not a date, or a week with a day the data file cannot hold, throws.
    int BoxWeekStart(int days) const;
    void MoveWeek(int days);

    TTimeRecorder &m_recorder;
    TData &m_data;
    TWeekBinder m_binder;

    int m_weekStart = 0;
    // The days before the shown week are counted once, when the balance is
    // first shown after the week or the settings changed; every edit of the
    // week then counts only its seven days again. Empty until then.
    std::optional<TWeekBalance> m_weekBalance;
    TToday m_today;
    bool m_todayWanted = false;

    std::function<void()> m_arrangeView;
};

// The Leave at row of a day: the time that meets its target, and a note of
// the one that brings the balance to zero; empty unless the day is in progress.
std::pair<QString, QString> LeaveAtTexts(const TToday &today);
// Both in one line.
QString LeaveAtText(const TToday &today);
