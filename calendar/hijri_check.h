// Validation of calendar.ini, for maintainers and `velmora-cli check`.
#pragma once

#include <string>
#include <vector>

#include "calendar/hijri.h"
#include "data/file_problem.h"

namespace velmora {

struct HijriTableSummary {
    std::int32_t firstYear = 0;
    std::int32_t lastYear = 0;
    std::string firstPredictedMonth;  // from [source], empty when absent
    std::string predictionRule;
};

// Checks that the table is whole and consistent: every year from minYear to the last has 12
// months of 29 or 30 days, each year's total is the previous total plus its months, the
// bounds agree with the totals, and endHijri lies where the Hijri-mode step may land.
std::vector<FileProblem> checkHijriTable(const IniFile& ini, HijriTableSummary* summary);

}  // namespace velmora
