#pragma once

#include "core/DayNumber.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdint>
#include <random>

namespace BenchData {

// A stretch of realistic data: its first day and how many days it holds.
struct Size {
    const char *name;
    QDate firstDay;
    std::int64_t lines;
};

// Set in the environment when the test suite runs a benchmark (ctest -L
// bench): it then runs once on its smallest input, which only shows that it
// still builds and runs; its figures mean nothing.
inline const bool Quick = qEnvironmentVariableIsSet("HOURFRAME_BENCH_QUICK");

// 10 and 100 years of workdays; in a quick run every size is the smallest.
inline const Size TenYears { "10 years", QDate(2016, 1, 1), 2610 };
inline Size OrSmallest(const Size &size)
{
    return Quick ? TenYears : size;
}
inline const Size HundredYears = OrSmallest({ "100 years", QDate(1926, 1, 1), 26100 });

// Separators fixed so that figures do not depend on the machine's locale.
inline Regional::Settings settings()
{
    Regional::Settings s;
    s.timeSeparator = u':';
    s.dateSeparator = u'/';
    s.shortDateFormat = QStringLiteral("dd/MM/yyyy");
    return s;
}

// Fills the store day by day from firstDay the way a working person would,
// until it holds the given number of days worth writing: workdays with arrival
// and departure, most with a lunch break, a few with extra hours, holidays now
// and then, and comments on about one day in six (a few of them unique).
inline void fillRealistic(TTimeRecorder &store, int firstDay, std::int64_t lines)
{
    static const QStringList phrases { QStringLiteral("Visit, north office"), QStringLiteral("Team meeting"),
        QStringLiteral("Training"), QStringLiteral("Doctor's appointment"),
        QStringLiteral("Worked from home"), QStringLiteral("Release \"Spring\""),
        QStringLiteral("Customer workshop in Köln"), QStringLiteral("Stocktaking"),
        QStringLiteral("Late train"), QStringLiteral("Quarterly review") };
    std::mt19937 random(20261201);
    const auto chance = [&random](int percent) { return static_cast<int>(random() % 100) < percent; };
    std::int64_t written = 0;
    for (int day = firstDay; written < lines; ++day) {
        const bool weekend = DayNumber::isWeekend(day);
        if (weekend && !chance(2))
            continue;
        ++written;
        if (!weekend && chance(8)) {
            store.SetHoliday(day, 480);
            store.SetComment(day, chance(50) ? QStringLiteral("Day off") : QStringLiteral("Holiday"));
            continue;
        }
        const int arrive = 420 + static_cast<int>(random() % 151);
        store.SetArrive(day, arrive);
        store.SetDepart(day, arrive + 480 + static_cast<int>(random() % 91));
        if (chance(70))
            store.SetLunch(day, 30 + 15 * static_cast<int>(random() % 3));
        if (chance(5))
            store.SetExtra(day, 60 + 30 * static_cast<int>(random() % 3));
        if (chance(3))
            store.SetComment(
                day, QStringLiteral("Ticket #%1, call with the customer").arg(random() % 100000));
        else if (chance(12))
            store.SetComment(day, phrases.at(static_cast<int>(random() % phrases.size())));
    }
}

} // namespace BenchData
