// When "today" moves: the tray icon, its tooltip and the view follow the clock within a
// minute, at once after a resume from sleep or a change of the clock or time zone, and only
// when the date really changed.
#pragma once

#include <cstdint>

#include "calendar/day_number.h"

namespace velmora {

// The local date and time as the clock gives it.
struct LocalTime {
    CivilDate date;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
};

struct DayDecision {
    bool newDay = false;           // the icon, the tooltip and the shown date move to today
    std::int32_t nextCheckMs = 0;  // when to look again
};

// knownDay is the day the program last took for today (its tray icon's day). Whatever made
// the program look (its own periodic check, a resume from sleep, the system's word that the
// clock or the zone changed), the clock alone decides.
DayDecision decideDayChange(const LocalTime& now, const CivilDate& knownDay);

}  // namespace velmora
