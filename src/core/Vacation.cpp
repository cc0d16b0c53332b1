#include "core/Vacation.h"

#include "core/Balance.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "core/Rounding.h"
#include "core/TimeRecorder.h"
#include "core/Today.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

TVacation VacationOf(
    const TTimeRecorder &store, const TBalanceSettings &balance, const TVacationSettings &vacation, int asOf)
{
    TVacation result;
    const int last = LastCountedDay(store, asOf);
    result.Year = DayNumber::toDate(last).year();
    const std::optional<int> start = BalanceStart(store, balance);
    const bool firstYear = start && DayNumber::toDate(*start).year() == result.Year;
    // The holiday minutes by the target they are taken against: the days
    // of each target are divided once, and all of them rounded once.
    std::map<int, qint64> minutesByTarget;
    if (start) {
        const int first = std::max(DayNumber::fromDate(QDate(result.Year, 1, 1)), *start);
        store.VisitDays(first, last, [&](const DayRecord &record) {
            if (record.Holiday <= 0)
                return;
            if (const int target = balance.Targets.OfDay(record.Date); target > 0)
                minutesByTarget[target] += record.Holiday;
        });
    }
    TFractionSum hundredths;
    for (const auto &[target, minutes] : minutesByTarget)
        hundredths.Add(100, minutes, target);
    result.TakenHundredths = hundredths.Rounded();
    const qint64 allowance = qint64(vacation.DaysPerYear) + (firstYear ? vacation.CarriedOver : 0);
    result.LeftHundredths = allowance * 100 - result.TakenHundredths;
    return result;
}

QString VacationDaysText(qint64 hundredths)
{
    const qint64 size = hundredths < 0 ? -hundredths : hundredths;
    QString text = (hundredths < 0 ? QStringLiteral("-") : QString()) + QString::number(size / 100);
    if (const qint64 fraction = size % 100; fraction != 0)
        text += Regional::decimalPoint()
            + (fraction % 10 == 0 ? QString::number(fraction / 10)
                                  : QString::number(fraction).rightJustified(2, u'0'));
    return text;
}

QString VacationDaysWithUnit(qint64 hundredths)
{
    const QString number = VacationDaysText(hundredths);
    return hundredths == 100 ? QCoreApplication::translate("Vacation", "%1 day").arg(number)
                             : QCoreApplication::translate("Vacation", "%1 days").arg(number);
}

double VacationDays(qint64 hundredths)
{
    return double(hundredths) / 100;
}
