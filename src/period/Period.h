#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A period of whole days, both included. Day number 0 stands for an absent
// date, as in the date fields of the options dialogs.
struct TPeriod {
    int StartDate = 0;
    int EndDate = 0;

    friend bool operator==(const TPeriod &, const TPeriod &) = default;
};

// The choice of a period for reports and exports: the named periods, the
// period each name stands for, and widening to whole weeks. Weeks begin on
// firstDayOfWeek, 1 = Sunday to 7 = Saturday. "Today" comes from the
// injectable clock, names from the regional settings, both read at the call.
namespace Period {

// The day before firstDayOfWeek: Saturday (7) for a week that begins on Sunday.
int LastDayOfWeek(int firstDayOfWeek);

TPeriod ThisWeek(int firstDayOfWeek);
TPeriod LastWeek(int firstDayOfWeek);
TPeriod YearPeriod(int year);
TPeriod MonthPeriod(int year, int month);

// The names offered for choosing, in order: this week, last week, the
// current year, its months from the current one back to January, the
// previous year, its months from December back to January. A month, and the
// previous year, is offered only when it ends on or after earliestDate, the
// first day the document holds (0 when it holds none or there is no
// document, which offers every one). Months are named by the regional long
// month name, a blank and the four-digit year: "November 2026".
QStringList PeriodNames(int earliestDate);

// The period a name of PeriodNames stands for, or nothing for a text that
// names none. Month names are compared ignoring case.
std::optional<TPeriod> PeriodOfName(const QString &name, int firstDayOfWeek);

// Both dates present and the start not after the end.
bool IsComplete(const TPeriod &period);

// The start moved back to the first day of its week, the end forward to the
// last day of its week; a period of whole weeks stays as it is.
TPeriod WidenToFullWeeks(const TPeriod &period, int firstDayOfWeek);

} // namespace Period
