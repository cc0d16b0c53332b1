// Peak memory of loading a large data file.
//   hourframe_load_peak --generate FILE LINES [FIRST_DAY]   writes a realistic file from
//                                              FIRST_DAY (yyyy-MM-dd, default 1800-01-01)
//   hourframe_load_peak FILE                    loads it and prints the peak resident size

#include "RealisticData.h"

#include "core/DayNumber.h"
#include "core/TimeRecorder.h"

#include <QDate>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv)
{
    Regional::Override regional(BenchData::settings());
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "--generate") == 0) {
        const QDate first
            = argc == 5 ? QDate::fromString(QString::fromLatin1(argv[4]), Qt::ISODate) : QDate(1800, 1, 1);
        TTimeRecorder store;
        BenchData::fillRealistic(store, DayNumber::fromDate(first), std::atoll(argv[3]));
        store.SaveToFile(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s --generate FILE LINES [FIRST_DAY] | FILE\n", argv[0]);
        return 2;
    }
    const long before = peakKilobytes();
    TTimeRecorder store;
    store.LoadFromFile(QString::fromLocal8Bit(argv[1]));
    std::printf("records %d, peak resident %.1f MB (%.1f MB before loading)\n", store.Count(),
        peakKilobytes() / 1024.0, before / 1024.0);
    return 0;
}
