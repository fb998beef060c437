#include <windows.h>

#include "data/local_offset.h"

namespace velmora {

std::int32_t localUtcOffsetMinutes(std::int32_t year, std::int32_t month, std::int32_t day) {
    SYSTEMTIME utc{};
    utc.wYear = static_cast<WORD>(year);
    utc.wMonth = static_cast<WORD>(month);
    utc.wDay = static_cast<WORD>(day);
    utc.wHour = 12;
    SYSTEMTIME local{};
    // The system's time zone, daylight saving by its rules.
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) return 0;
    FILETIME a{}, b{};
    SystemTimeToFileTime(&utc, &a);
    SystemTimeToFileTime(&local, &b);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return static_cast<std::int32_t>((ticks(b) - ticks(a)) / 600000000LL);
}

}  // namespace velmora
