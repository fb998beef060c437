// Corrections of calendar.ini by its users: one month's length changed, the table kept
// consistent, and where each month of the table comes from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/ini_file.h"

namespace velmora {

struct LunarCorrection {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t days = 0;  // 29 or 30
};

// The new text of calendar.ini, or why there is none. Only the lines that must change do:
// the month lengths, the running totals of the corrected years and of every later year,
// maxJulianday, endHijri when it lies after a corrected month, and one line a corrected
// month in [source] ("correction 1448/10=30 days, was 29"; none for a month put back to its
// length as shipped). A month marked official (confirmed by its announcement) is refused
// unless officialToo. The result passes the checks of `velmora-cli check`, or it is refused.
struct CorrectedTable {
    std::string text;
    std::string problem;  // empty on success
};
CorrectedTable correctLunarTable(std::string_view text, const std::vector<LunarCorrection>& corrections,
                                 bool officialToo = false);

// Where a month of the table comes from, by the [source] section.
enum class MonthSource { official, published, predicted, corrected };
const char* monthSourceName(MonthSource source);
MonthSource lunarMonthSource(const IniFile& ini, std::int32_t year, std::int32_t month);

}  // namespace velmora
