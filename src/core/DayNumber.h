#pragma once

#include <QDate>

// Day numbers count whole days since 30 December 1899 (day 0). Weekdays are
// numbered 1 = Sunday to 7 = Saturday; the weekend is Saturday and Sunday.
namespace DayNumber {

inline constexpr int Sunday = 1;
inline constexpr int Monday = 2;
inline constexpr int Tuesday = 3;
inline constexpr int Wednesday = 4;
inline constexpr int Thursday = 5;
inline constexpr int Friday = 6;
inline constexpr int Saturday = 7;

int fromDate(const QDate &date);
QDate toDate(int day);

// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(int day);
bool isWeekend(int day);

// Steps back from day until it falls on firstDayOfWeek (1 to 7).
int weekStartOf(int day, int firstDayOfWeek);

// Today's day number, from the injectable clock.
int today();

// The current time of day in whole minutes, rounded to the nearest minute with
// ties to even (from the injectable clock), and never past 23:59.
int minutesNow();

} // namespace DayNumber
