#include "decisions/day_change.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

LocalTime at(CivilDate date, std::int32_t hour, std::int32_t minute, std::int32_t second = 0) {
    return {date, hour, minute, second};
}

TEST(DayChange, MidnightIsTakenUpWithinASecondAndNoLaterThanAMinute) {
    const CivilDate day{2026, 3, 20}, next{2026, 3, 21};
    // The evening before: no change, and a look again no later than a minute from now.
    DayDecision d = decideDayChange(at(day, 23, 58, 0), day);
    EXPECT_FALSE(d.newDay);
    EXPECT_EQ(d.nextCheckMs, 60000);
    d = decideDayChange(at(day, 23, 59, 59), day);
    EXPECT_EQ(d.nextCheckMs, 1500);  // half a second after midnight
    d = decideDayChange(at(next, 0, 0, 1), day);
    EXPECT_TRUE(d.newDay);
    // Busy afternoons and quiet nights alike: once the new day is known, nothing more happens.
    for (std::int32_t hour = 0; hour < 24; ++hour) {
        EXPECT_FALSE(decideDayChange(at(next, hour, 30), next).newDay) << hour;
        EXPECT_LE(decideDayChange(at(next, hour, 30), next).nextCheckMs, 60000);
    }
}

TEST(DayChange, SleepClockAndZoneChanges) {
    const CivilDate day{2026, 3, 20};
    // Asleep from 23:00 to 08:00: the resume sees the new day at once.
    EXPECT_TRUE(decideDayChange(at({2026, 3, 21}, 8, 0), day).newDay);
    // Asleep for a whole long weekend.
    EXPECT_TRUE(decideDayChange(at({2026, 3, 23}, 8, 0), day).newDay);
    // A clock set back into yesterday is a change of day too, and so is a zone change that
    // moves the date; a change that keeps the date is no jump back to today.
    EXPECT_TRUE(decideDayChange(at({2026, 3, 19}, 23, 0), day).newDay);
    EXPECT_TRUE(decideDayChange(at({2026, 3, 21}, 1, 30), day).newDay);
    EXPECT_FALSE(decideDayChange(at(day, 3, 30), day).newDay);
    EXPECT_FALSE(decideDayChange(at(day, 12, 0), day).newDay);
}

}  // namespace
}  // namespace velmora
