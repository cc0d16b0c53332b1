// Typed and stored dates under several regional formats: a date read from
// any text is written by the program in a form that reads back as that date.
#include "FuzzSupport.h"

#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"

namespace {

std::vector<Regional::Settings> formats()
{
    Regional::Settings noWindow = TestSupport::withDateFormat(u'/', QStringLiteral("d/M/yy"));
    noWindow.twoDigitYearWindow = 0;
    return {
        TestSupport::englishSettings(),
        TestSupport::withDateFormat(u'/', QStringLiteral("M/d/yyyy")),
        TestSupport::withDateFormat(u'-', QStringLiteral("yyyy-MM-dd")),
        TestSupport::withDateFormat(u'.', QStringLiteral("dd.MM.yyyy")),
        TestSupport::withDateFormat(u' ', QStringLiteral("d MMM yyyy")),
        noWindow,
    };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::vector<Regional::Settings> choices = formats();
    static const Clock::Fixed clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    if (size == 0)
        return 0;
    const Regional::Settings &settings = FuzzSupport::SettingsFor(choices, data);
    const Regional::Override regional(settings);
    const QString text = QString::fromUtf8(FuzzSupport::Rest(data, size));

    try {
        const int day = ParseDateText(text);
        // Two-digit years are completed within a window, so only full years read back exactly.
        if (settings.shortDateFormat.contains(QStringLiteral("yyyy"))
            && ParseDateText(ShortDateText(day)) != day)
            FuzzSupport::Fail("a short date text does not read back as its day");
    } catch (const HourframeError &) {
    }

    try {
        const int day = ParseStoredDate(text);
        if (ParseStoredDate(DateFieldText(day)) != day)
            FuzzSupport::Fail("a stored date does not read back as its day");
    } catch (const HourframeError &) {
    }

    // Any text as a date pattern.
    FormatDayNumber(DayNumber::fromDate(QDate(2026, 12, 6)), text);
    return 0;
}
