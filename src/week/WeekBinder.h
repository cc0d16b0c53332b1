#pragma once

#include "week/WeekFigures.h"

#include <array>

class TData;
class TTimeRecorder;
class TWeekGrid;

// Binds the grid's time fields to the days of the store: loads a day into
// its weekday's fields, writes a field the user changed to its day, and
// applies the rules of a day's fields (the default lunch). Browsing never
// changes the document: only fields the user changed since their day was
// shown are written.
class TWeekBinder {
public:
    TWeekBinder(TTimeRecorder &store, const TData &settings, TWeekGrid &grid);

    // While a week is loading, a field whose text changes is not edited and
    // neither the figures nor the default lunch are worked out.
    bool IsLoading() const { return m_loading; }

    // Holds the loading state for as long as it lives, then restores the one before.
    class TLoading {
    public:
        explicit TLoading(TWeekBinder &binder);
        ~TLoading();
        TLoading(const TLoading &) = delete;
        TLoading &operator=(const TLoading &) = delete;

    private:
        TWeekBinder &m_binder;
        bool m_before;
    };

    // Whether some weekday shows a date yet.
    bool HasBoundDay() const;
    // No weekday shows a date, until LoadDay gives it one.
    void Unbind();
    // Shows the date's stored values and comment in its weekday's fields and
    // binds them to the date.
    void LoadDay(int date);
    // The date the weekday's fields show or last showed; 0 before a week has been shown.
    int DateOf(int weekday) const;
    // Whether the weekday's fields show the values of DateOf.
    bool IsBound(int weekday) const;

    // The user's edit, or a rule applied to it: writes the field to its day
    // when its text is valid.
    void FieldEdited(int weekday, int row);
    // The default lunch on leaving Arrive or Depart, and a field the user
    // changed shown in its normal form.
    void FieldLeft(int weekday, int row);
    void EnterDefaultLunch(int weekday);

    // The values the figures count for a weekday: what the store holds for
    // its date, with the validity of each field's text.
    SheetDay DayValues(int weekday) const;

private:
    struct Day {
        int date = 0;
        bool hasDate = false; // false until a week has been shown
        // Indexed by row, Arrive (1) to Holiday (5): fields the user changed
        // since the day was shown.
        std::array<bool, 6> edited {};
    };

    void ApplyDefaultLunch(int weekday);

    TTimeRecorder &m_store;
    const TData &m_settings;
    TWeekGrid &m_grid;
    std::array<Day, 8> m_days; // indexed by weekday 1..7
    bool m_loading = false;
};
