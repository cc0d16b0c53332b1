#include "core/DayHours.h"

#include "core/TimeRecorder.h"

qint64 DayHours(int arrive, int depart, int lunch, int extra)
{
    if (arrive == -1 || depart == -1)
        return extra;
    qint64 span = qint64(depart) - arrive;
    if (span < 0)
        span += 1440;
    if (lunch >= span)
        return extra;
    return span - lunch + extra;
}

qint64 DayHours(const DayRecord &record)
{
    return DayHours(record.Arrive, record.Depart, record.Lunch, record.Extra);
}
