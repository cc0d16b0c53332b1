// Typed and stored times: a time read from any text is written by the
// program in a form that reads back as the same time.
#include "FuzzSupport.h"

#include "core/DataFile.h"
#include "core/Errors.h"
#include "core/TimeText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::vector<Regional::Settings> choices = FuzzSupport::Separators();
    if (size == 0)
        return 0;
    const Regional::Override regional(FuzzSupport::SettingsFor(choices, data));
    const QString text = QString::fromUtf8(FuzzSupport::Rest(data, size));

    for (const TTimeEditKind kind : { tkTimeOfDay, tkInterval }) {
        try {
            const ParsedTime parsed = ParseTimeText(text, kind);
            if (parsed.value < 0)
                continue;
            // A time of day shows hours beyond 23 brought back into the day.
            const int expected = kind == tkTimeOfDay ? parsed.value % 1440 : parsed.value;
            if (ParseTimeText(ClockText(parsed.value), kind).value != expected)
                FuzzSupport::Fail("a clock text does not read back as its time");
            SignedHoursText(parsed.value / 1440.0, parsed.hours < 0, false, false);
        } catch (const ConversionError &) {
        }
    }

    // The data file's form, for arrive and depart (blank -1) and the intervals (blank 0).
    for (const int blank : { -1, 0 }) {
        try {
            const int stored = ParseStoredTime(text, blank);
            if (ParseStoredTime(CompactTimeText(stored, blank), blank) != stored)
                FuzzSupport::Fail("a stored time does not read back as its time");
        } catch (const HourframeError &) {
        }
    }
    return 0;
}
