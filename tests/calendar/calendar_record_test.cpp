#include "calendar/calendar_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/integer_text.h"
#include "test_files.h"

namespace velmora {
namespace {

// Every calendar's record says all a caller asks of it, and no two records share an id.
TEST(CalendarRecord, EveryRecordIsWhole) {
    std::set<std::int32_t> ids;
    std::set<std::string_view> names;
    for (const Calendar calendar : kCalendars) {
        const CalendarRecord& record = calendarRecord(calendar);
        SCOPED_TRACE(record.name);
        EXPECT_EQ(record.calendar, calendar);
        EXPECT_EQ(record.sectionDigit(), static_cast<std::int32_t>(calendarIndex(calendar)));
        EXPECT_TRUE(names.insert(record.name).second && names.insert(record.cliName).second);
        EXPECT_EQ(decimalDigitValue(record.zeroDigit), 0);
        EXPECT_EQ(decimalDigitValue(static_cast<char16_t>(record.zeroDigit + 9)), 9);
        for (const std::int32_t id : {record.modeMenuItem, record.monthBoxId, record.nameString}) {
            EXPECT_NE(id, 0);
            EXPECT_TRUE(ids.insert(id).second) << id;
        }
        // The two others, each once.
        EXPECT_NE(record.companions[0].calendar, calendar);
        EXPECT_NE(record.companions[1].calendar, calendar);
        EXPECT_NE(record.companions[0].calendar, record.companions[1].calendar);
        for (std::int32_t m = 1; m <= 12; ++m) {
            EXPECT_FALSE(record.month(m).box.empty() || record.month(m).header.empty() || record.month(m).latin.empty())
                << m;
        }
        EXPECT_TRUE(record.month(0).latin.empty() && record.month(13).latin.empty());
    }
}

// The longest and shortest each month can be are those its years give it.
TEST(CalendarRecord, MonthSpansAreTheYearsOwn) {
    const ShippedLunarTable shipped;
    const HijriCalendar& hijri = shipped.hijri;
    for (const Calendar calendar : kCalendars) {
        const CalendarRecord& record = calendarRecord(calendar);
        const std::int32_t first = record.fromTable ? 1265 : 1300;
        for (std::int32_t m = 1; m <= 12; ++m) {
            std::int32_t longest = 0, shortest = 99;
            for (std::int32_t y = first; y < first + 336; ++y) {
                longest = std::max(longest, record.lengthOfMonth(hijri, y, m));
                shortest = std::min(shortest, record.lengthOfMonth(hijri, y, m));
            }
            EXPECT_EQ(record.longestMonth[static_cast<std::size_t>(m)], longest) << record.name << " " << m;
            EXPECT_EQ(record.shortestMonth[static_cast<std::size_t>(m)], shortest) << record.name << " " << m;
        }
    }
}

// Each record's conversions, through the day number and back, over every day of 1900-2100.
TEST(CalendarRecord, EachRecordConvertsEveryDayBothWays) {
    const ShippedLunarTable shipped;
    const HijriCalendar& hijri = shipped.hijri;
    for (const Calendar calendar : kCalendars) {
        const CalendarRecord& record = calendarRecord(calendar);
        for (DayNumber n = gregorianToDayNumber(1900, 1, 1); n <= gregorianToDayNumber(2100, 12, 31); ++n) {
            if (record.fromTable && !inLunarTable(hijri.bounds, n)) continue;
            const CivilDate date = record.fromDayNumber(hijri, n);
            ASSERT_EQ(record.toDayNumber(hijri, date.year, date.month, date.day), n) << record.name;
            ASSERT_LE(date.day, record.lengthOfMonth(hijri, date.year, date.month)) << record.name << " " << n;
        }
    }
}

}  // namespace
}  // namespace velmora
