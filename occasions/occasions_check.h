// Validation of events.ini, for maintainers and `velmora-cli check`.
#pragma once

#include <vector>

#include "calendar/calendar.h"
#include "data/file_problem.h"
#include "occasions/occasions.h"

namespace velmora {

struct OccasionsSummary {
    std::int32_t occasions[kCalendars.size()] = {};  // days with an occasion, by calendar
    std::int32_t holidays[kCalendars.size()] = {};   // of which flagged 1
};

// Section names, days that exist in their month, values the read would cut, flags that are
// not digits; a Gregorian holiday flag, which is never read, is a note.
std::vector<FileProblem> checkOccasions(const IniFile& ini, OccasionsSummary* summary);

}  // namespace velmora
