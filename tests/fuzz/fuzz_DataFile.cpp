// Whatever a data file holds, and however far it could be read, what the
// program then saves reads back whole and saves to the same bytes again.
#include "FuzzSupport.h"

#include "core/Errors.h"
#include "core/TimeRecorder.h"

namespace {

bool load(TTimeRecorder &store, const QByteArray &bytes)
{
    try {
        TestSupport::load(store, bytes);
        return true;
    } catch (const HourframeError &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::vector<Regional::Settings> choices = FuzzSupport::Separators();
    if (size == 0)
        return 0;
    const Regional::Override regional(FuzzSupport::SettingsFor(choices, data));
    TTimeRecorder store;
    load(store, FuzzSupport::Rest(data, size));
    const QByteArray first = TestSupport::saved(store);
    TTimeRecorder reread;
    if (!load(reread, first))
        FuzzSupport::Fail("a file the program saved does not load");
    if (TestSupport::saved(reread) != first)
        FuzzSupport::Fail("a file the program saved saves differently after loading");
    return 0;
}
