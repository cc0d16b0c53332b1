#include "core/Vacation.h"

#include "core/Balance.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

TVacation VacationOf(
    const TTimeRecorder &store, const TBalanceSettings &balance, const TVacationSettings &vacation, int asOf)
{
    TVacation result;
    result.Year = DayNumber::toDate(asOf).year();
    const std::optional<int> start = BalanceStart(store, balance);
    const bool firstYear = start && DayNumber::toDate(*start).year() == result.Year;
    const int first = std::max(DayNumber::fromDate(QDate(result.Year, 1, 1)), start.value_or(0));
    const int last = std::min(asOf, DayNumber::today());
    if (start && first <= last)
        store.VisitDays(first, last, [&](const DayRecord &record) {
            if (record.Holiday <= 0)
                return;
            if (const int target = balance.Targets.OfDay(record.Date); target > 0)
                result.Taken += double(record.Holiday) / target;
        });
    result.Left = vacation.DaysPerYear + (firstYear ? vacation.CarriedOver : 0) - result.Taken;
    return result;
}

QString VacationDaysText(double days)
{
    const double hundredths = std::round(days * 100);
    QString text = QString::number(hundredths / 100, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString VacationDaysWithUnit(double days)
{
    const QString number = VacationDaysText(days);
    return number == QStringLiteral("1") ? QCoreApplication::translate("Vacation", "%1 day").arg(number)
                                         : QCoreApplication::translate("Vacation", "%1 days").arg(number);
}
