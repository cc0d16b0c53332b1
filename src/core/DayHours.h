#pragma once

#include <QtGlobal>

struct DayRecord;

// Minutes worked on one day as reports, exports and the running balance count
// them: the span from arrival to departure (a departure before the arrival is
// on the next day), less lunch, plus extra. Without both times, or with a
// lunch as long as the span or longer, only the extra minutes count. Holiday
// minutes are never part of it. 64 bits, so stored values of any size add up.
qint64 DayHours(int arrive, int depart, int lunch, int extra);
qint64 DayHours(const DayRecord &record);
