#pragma once

#include <QString>

class TTimeRecorder;
struct TBalanceSettings;

// The vacation allowance, in whole days.
struct TVacationSettings {
    int DaysPerYear = 0;
    int CarriedOver = 0; // into the first year of the balance

    // Whether there is an allowance to count against; without one the
    // balance's outputs stay as they were before vacation was counted.
    bool IsSet() const { return DaysPerYear != 0 || CarriedOver != 0; }
};

// The vacation of one calendar year, in days.
struct TVacation {
    int Year = 0;
    double Taken = 0;
    double Left = 0;
};

// The vacation of the year of asOf, counted from the later of the year's
// first day and the balance's start up to asOf (today when later). A day
// takes its holiday minutes over its target, so half a day's target is half
// a day; a public holiday or any other day with a target of 0 takes none.
// Left is the days per year, and the days carried over in the year the
// balance starts, less the days taken.
TVacation VacationOf(
    const TTimeRecorder &store, const TBalanceSettings &balance, const TVacationSettings &vacation, int asOf);

// Days with at most two decimals, in the C locale's form: "12.5", "3", "-0.25".
QString VacationDaysText(double days);
// The same with its unit: "1 day", "12.5 days".
QString VacationDaysWithUnit(double days);
