// Holiday calendars: any bytes are either refused with a message that names
// a line of the input, or give holidays in date order, one a day, each with
// a name, however far the years asked for lie apart.
#include "FuzzSupport.h"

#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/HolidayCalendar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    std::shared_ptr<const THolidayCalendar> calendar;
    try {
        calendar = THolidayCalendar::FromBytes(bytes, QStringLiteral("fuzz.ics"));
    } catch (const ConversionError &error) {
        if (!error.message().startsWith(QStringLiteral("fuzz.ics, line ")))
            FuzzSupport::Fail("a message without its line");
        return 0;
    }
    const int years[][2] = { { 2024, 2026 }, { 1900, 1901 }, { 2100, 2100 }, { 2025, 2025 } };
    for (const auto &range : years) {
        const int first = DayNumber::fromDate(QDate(range[0], 1, 1));
        const int last = DayNumber::fromDate(QDate(range[1], 12, 31));
        int previous = first - 1;
        for (const THoliday &holiday : calendar->Between(first, last)) {
            if (holiday.Date <= previous || holiday.Date > last || holiday.Name.isEmpty())
                FuzzSupport::Fail("holidays out of order, twice on a day or without a name");
            previous = holiday.Date;
        }
    }
    return 0;
}
