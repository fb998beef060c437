// Validation of calendar.ini, for maintainers and `velmora-cli check`.
#pragma once

#include <string>
#include <vector>

#include "calendar/hijri.h"

namespace velmora {

struct FileProblem {
    enum class Severity { note, error };
    Severity severity = Severity::error;
    std::int32_t line = 0;  // 0 when the problem belongs to no single line
    std::string message;
};

struct HijriTableSummary {
    std::int32_t firstYear = 0;
    std::int32_t lastYear = 0;
    std::string firstPredictedMonth;  // from [source], empty when absent
    std::string predictionRule;
};

// Checks that the table is whole and consistent: every year from minYear to the last has 12
// months of 29 or 30 days, each year's total is the previous total plus its months, the
// bounds agree with the totals, and endHijri lies where the Hijri-mode step may land.
std::vector<FileProblem> checkHijriTable(const LunarCalendarFile& file, HijriTableSummary* summary);

}  // namespace velmora
