// The history of the targets as the settings file keeps it: whatever text is
// read, what the program writes of it reads back as the same history, and
// is written again alike.
#include "FuzzSupport.h"

#include "core/Targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const TTargets read(ParseTargetHistory(text));
    const QString written = TargetHistoryText(read.History());
    const TTargets reread(ParseTargetHistory(written));
    if (reread.History() != read.History())
        FuzzSupport::Fail("a written history does not read back as the same history");
    if (TargetHistoryText(reread.History()) != written)
        FuzzSupport::Fail("a written history is written differently after reading");
    // Every day and week of the years a data file holds has a target.
    for (const TTargetEntry &entry : read.History()) {
        const int day = entry.From == TTargetEntry::FromTheStart ? 0 : entry.From;
        if (read.SumOfDays(day - 3, day + 3) < 0 || read.OfWeek(day - 3) < 0)
            FuzzSupport::Fail("a target below zero");
    }
    return 0;
}
