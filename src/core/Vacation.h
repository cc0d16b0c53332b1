#pragma once

#include <QString>
#include <QtGlobal>

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

// The vacation of one calendar year, in hundredths of a day: what is printed,
// so that the days taken and left add up to the allowance as printed.
struct TVacation {
    int Year = 0;
    qint64 TakenHundredths = 0;
    qint64 LeftHundredths = 0;
};

// The vacation of the year of the last day the balance counts as of asOf
// (LastCountedDay: never after today, today once closed), counted from the
// later of that year's first day and the balance's start up to that day. A
// day takes its holiday minutes over its target, so half a day's target is
// half a day; a public holiday or any other day with a target of 0 takes
// none. The days taken are rounded once to hundredths, and left is the days
// per year, and the days carried over in the year the balance starts, less
// the days taken.
TVacation VacationOf(
    const TTimeRecorder &store, const TBalanceSettings &balance, const TVacationSettings &vacation, int asOf);

// Hundredths of a day as days with at most two decimals and the regional
// decimal separator: "12.5", "3", "-0.25"; "12,5" in German.
QString VacationDaysText(qint64 hundredths);
// The same with its unit: "1 day", "12.5 days".
QString VacationDaysWithUnit(qint64 hundredths);
// The same as a number, for JSON: 12.5.
double VacationDays(qint64 hundredths);
