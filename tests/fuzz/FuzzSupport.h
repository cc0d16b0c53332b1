#pragma once

#include "core/Regional.h"
#include "support/TestSupport.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Every input's first byte chooses the regional settings the rest of it is
// read with, so one corpus covers several of them.
namespace FuzzSupport {

[[noreturn]] inline void Fail(const char *what)
{
    std::fprintf(stderr, "fault: %s\n", what);
    std::abort();
}

inline const Regional::Settings &SettingsFor(
    const std::vector<Regional::Settings> &choices, const uint8_t *data)
{
    return choices[data[0] % choices.size()];
}

// The usual separators, and "." for both dates and times.
inline std::vector<Regional::Settings> Separators()
{
    Regional::Settings dots = TestSupport::withDateFormat(u'.', QStringLiteral("dd.MM.yyyy"));
    dots.timeSeparator = u'.';
    return { TestSupport::englishSettings(), dots };
}

inline QByteArray Rest(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size) - 1);
}

} // namespace FuzzSupport
