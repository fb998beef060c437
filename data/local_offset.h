// How far the local clock runs ahead of UTC on a date, daylight saving included, by the time zone
// the system is set to (Windows' own, or the C library's TZ elsewhere).
#pragma once

#include <cstdint>

namespace velmora {

// In minutes, at noon of the Gregorian date year-month-day.
std::int32_t localUtcOffsetMinutes(std::int32_t year, std::int32_t month, std::int32_t day);

}  // namespace velmora
