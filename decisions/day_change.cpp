#include "decisions/day_change.h"

#include <algorithm>

namespace velmora {
namespace {

// However long the night, a look every minute catches a clock that jumped or a machine that
// slept through midnight without telling.
constexpr std::int32_t kLongestWaitMs = 60 * 1000;

}  // namespace

DayDecision decideDayChange(const LocalTime& now, const CivilDate& knownDay) {
    DayDecision decision;
    // Any other date is a new day: a night passed, or the clock or the zone went back.
    decision.newDay = now.date != knownDay;
    const std::int32_t secondsToMidnight = 24 * 3600 - (now.hour * 3600 + now.minute * 60 + now.second);
    // Half a second past midnight, so that the clock has surely reached the new day.
    decision.nextCheckMs = std::clamp(secondsToMidnight * 1000 + 500, 500, kLongestWaitMs);
    return decision;
}

}  // namespace velmora
