// What the [source] section of calendar.ini says of the table's months: which are official,
// published, predicted or corrected by the user, and when the table was made.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/ini_file.h"

namespace velmora {

// A month as one number that orders months: year * 12 + month - 1.
constexpr std::int64_t lunarMonthIndex(std::int32_t year, std::int32_t month) {
    return std::int64_t{year} * 12 + month - 1;
}
// A month index as its year and month, and the months either side of a month.
struct LunarMonth {
    std::int32_t year = 0;
    std::int32_t month = 1;
};
constexpr LunarMonth lunarMonthOfIndex(std::int64_t m) {
    return {static_cast<std::int32_t>(m / 12), static_cast<std::int32_t>(m % 12 + 1)};
}
constexpr LunarMonth monthBefore(std::int32_t year, std::int32_t month) {
    return lunarMonthOfIndex(lunarMonthIndex(year, month) - 1);
}
constexpr LunarMonth monthAfter(std::int32_t year, std::int32_t month) {
    return lunarMonthOfIndex(lunarMonthIndex(year, month) + 1);
}

// "1448/10" as its month index; none for any other text.
std::optional<std::int64_t> lunarMonthIndex(std::u16string_view text);

// The key of a month's correction record, "correction 1448/10".
std::u16string correctionKey(std::int32_t year, std::int32_t month);

// Whether month index m lies in a range "1448/1-1448/9" of [source] under key.
bool inLunarSourceRange(const IniFile& ini, std::u16string_view key, std::int64_t m);

enum class MonthSource { official, published, predicted, corrected };
const char* monthSourceName(MonthSource source);
MonthSource lunarMonthSource(const IniFile& ini, std::int32_t year, std::int32_t month);

// [source] read once, for the views that ask of every day.
struct LunarTableSource {
    std::optional<std::int64_t> firstPredicted;          // month index
    std::int64_t firstPublished = 1, lastPublished = 0;  // month indices; none when first > last
    std::vector<std::int64_t> corrected;                 // month indices, in order
    std::string made;                                    // "2026-12-08", empty when the table does not say
    // The data edition the table belongs to, and the Solar Hijri year whose official calendar
    // the events.ini of that edition follows; 0 where an older table does not say.
    std::int64_t edition = 0;
    std::int32_t eventsYear = 0;

    // Whether the month is a prediction: from the first predicted month on, unless corrected.
    bool predicted(std::int32_t year, std::int32_t month) const;
    // A correction record first, then the first predicted month, then the published range;
    // any other month is official.
    MonthSource source(std::int32_t year, std::int32_t month) const;
};
LunarTableSource readLunarTableSource(const IniFile& ini);

}  // namespace velmora
