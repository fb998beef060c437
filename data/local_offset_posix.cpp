#include <ctime>

#include "data/local_offset.h"

namespace velmora {

std::int32_t localUtcOffsetMinutes(std::int32_t year, std::int32_t month, std::int32_t day) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;  // the zone's rule for that date
    const std::time_t instant = std::mktime(&local);
    std::tm same = local;  // mktime filled in whether daylight saving is on
    return static_cast<std::int32_t>((timegm(&same) - instant) / 60);
}

}  // namespace velmora
