#include "calendar/day_number.h"

#include <gtest/gtest.h>

#include <chrono>

namespace velmora {
namespace {

// std::chrono's civil calendar is an independent Gregorian oracle: days since 1970-01-01
// plus the day number of 1970-01-01.
constexpr std::int32_t kUnixEpochDayNumber = 2440588;

CivilDate chronoDate(DayNumber n) {
    const std::chrono::sys_days day{std::chrono::days{n - kUnixEpochDayNumber}};
    const std::chrono::year_month_day ymd{day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

TEST(GregorianDayNumber, AgreesWithChronoOnEveryShownDay) {
    std::int32_t expectedWeekday = weekdayColumn(kFirstShownDay);
    for (DayNumber n = kFirstShownDay; n <= kLastShownDay; ++n) {
        const CivilDate date = dayNumberToGregorian(n);
        const CivilDate oracle = chronoDate(n);
        ASSERT_EQ(date, oracle) << "day number " << n;
        ASSERT_EQ(gregorianToDayNumber(date.year, date.month, date.day), n) << "day number " << n;
        ASSERT_EQ(weekdayColumn(n), expectedWeekday) << "day number " << n;
        expectedWeekday = (expectedWeekday + 1) % 7;
    }
}

TEST(GregorianDayNumber, PinnedDates) {
    EXPECT_EQ(gregorianToDayNumber(2008, 3, 20), 2454546);
    EXPECT_EQ(gregorianToDayNumber(1, 1, 1), 1721426);
    EXPECT_EQ(gregorianToDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(dayNumberToGregorian(2451545), (CivilDate{2000, 1, 1}));
    // A month past its end counts on into the next year.
    EXPECT_EQ(gregorianToDayNumber(2024, 13, 1), gregorianToDayNumber(2025, 1, 1));
    EXPECT_EQ(gregorianToDayNumber(2024, 2, 30), gregorianToDayNumber(2024, 3, 1));
}

TEST(GregorianDayNumber, MonthLengths) {
    EXPECT_EQ(gregorianMonthLength(2000, 2), 29);
    EXPECT_EQ(gregorianMonthLength(2024, 2), 29);
    EXPECT_EQ(gregorianMonthLength(1900, 2), 28);
    EXPECT_EQ(gregorianMonthLength(2023, 2), 28);
    EXPECT_EQ(gregorianMonthLength(-4, 2), 29);  // signed remainders: -4 % 4 == 0
    for (std::int32_t year = -4379; year <= 3621; ++year) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            ASSERT_EQ(gregorianToDayNumber(year, month, 1) + gregorianMonthLength(year, month),
                      gregorianToDayNumber(year, month + 1, 1))
                << year << "-" << month;
        }
    }
}

TEST(WeekdayColumn, SaturdayIsZeroAndFridayIsSix) {
    EXPECT_EQ(weekdayColumn(gregorianToDayNumber(2025, 2, 1)), 0);   // Saturday
    EXPECT_EQ(weekdayColumn(gregorianToDayNumber(2025, 3, 21)), 6);  // Friday
    EXPECT_EQ(weekdayColumn(gregorianToDayNumber(2024, 3, 20)), 4);  // Wednesday
    EXPECT_EQ(weekdayColumn(0), 2);                                  // day 0 is a Monday
    for (DayNumber n = -30; n < 30; ++n) {
        EXPECT_GE(weekdayColumn(n), 0);
        EXPECT_LE(weekdayColumn(n), 6);
        EXPECT_EQ((weekdayColumn(n) + 1) % 7, weekdayColumn(n + 1));
    }
}

TEST(JalaliDayNumber, PinnedDates) {
    EXPECT_EQ(jalaliToDayNumber(1387, 1, 1), 2454546);
    EXPECT_EQ(dayNumberToJalali(2454546), (CivilDate{1387, 1, 1}));
    EXPECT_EQ(gregorianToJalali(2025, 3, 20), (CivilDate{1403, 12, 30}));
    EXPECT_EQ(gregorianToJalali(2025, 3, 21), (CivilDate{1404, 1, 1}));
    EXPECT_EQ(gregorianToJalali(2024, 3, 20), (CivilDate{1403, 1, 1}));
    EXPECT_EQ(gregorianToJalali(2025, 2, 19), (CivilDate{1403, 12, 1}));
    EXPECT_EQ(gregorianToJalali(2024, 12, 21), (CivilDate{1403, 10, 1}));
    EXPECT_EQ(gregorianToJalali(2025, 2, 1), (CivilDate{1403, 11, 13}));
    EXPECT_EQ(jalaliToDayNumber(1, 1, 1), 1948321);
    EXPECT_EQ(dayNumberToGregorian(1948321), (CivilDate{622, 3, 22}));
    // Nowruz of years documented in Iran's official calendars.
    EXPECT_EQ(gregorianToJalali(1979, 3, 21), (CivilDate{1358, 1, 1}));
    EXPECT_EQ(gregorianToJalali(1921, 3, 21), (CivilDate{1300, 1, 1}));
    EXPECT_EQ(gregorianToJalali(2020, 3, 20), (CivilDate{1399, 1, 1}));
    EXPECT_EQ(gregorianToJalali(2026, 3, 21), (CivilDate{1405, 1, 1}));
    // A day past the end of a month counts on.
    EXPECT_EQ(jalaliToDayNumber(1403, 1, 32), jalaliToDayNumber(1403, 2, 1));
}

TEST(JalaliDayNumber, LeapYears1370To1416) {
    const std::int32_t leapYears[] = {1370, 1375, 1379, 1383, 1387, 1391, 1395, 1399, 1403, 1408, 1412, 1416};
    std::size_t next = 0;
    for (std::int32_t year = 1370; year <= 1416; ++year) {
        const bool expected = next < std::size(leapYears) && leapYears[next] == year;
        if (expected) ++next;
        EXPECT_EQ(jalaliYearInfo(year).leap == 0, expected) << year;
    }
    EXPECT_EQ(jalaliYearInfo(1404).leap, 1);
}

TEST(JalaliDayNumber, BreakTableEdges) {
    const JalaliYearInfo y2456 = jalaliYearInfo(2456);
    EXPECT_EQ(y2456.leap, 0);
    EXPECT_EQ(dayNumberToGregorian(jalaliToDayNumber(2456, 1, 1)), (CivilDate{3077, 3, 20}));
    EXPECT_EQ(jalaliYearInfo(2914).leap, 1);
    EXPECT_EQ(jalaliToDayNumber(2915, 1, 1) - jalaliToDayNumber(2914, 1, 1), 365);
    EXPECT_EQ(jalaliYearInfo(3000).leap, 0);
    EXPECT_EQ(dayNumberToGregorian(jalaliToDayNumber(3000, 1, 1)), (CivilDate{3621, 3, 20}));
    EXPECT_EQ(jalaliYearInfo(-61).leap, 0);
    EXPECT_EQ(dayNumberToGregorian(jalaliToDayNumber(-61, 1, 1)), (CivilDate{560, 3, 20}));
}

TEST(JalaliDayNumber, TruncatingArithmeticBeforeTheTable) {
    // Floor division would give other values here.
    EXPECT_EQ(jalaliYearInfo(-67).leap, -2);
    EXPECT_EQ(jalaliYearInfo(-68).leap, -3);
    EXPECT_EQ(jalaliYearInfo(-5000).gregorianYear, -4379);
    // The first shown day still converts to a date that converts back.
    const CivilDate first = dayNumberToJalali(kFirstShownDay);
    EXPECT_EQ(jalaliToDayNumber(first.year, first.month, first.day), kFirstShownDay);
}

// Every year of the break table: day numbers rise by one, the inverse gives the date back,
// and a year has 366 days exactly when its leap value is 0.
TEST(JalaliDayNumber, EveryDayOfTheBreakTableRoundTrips) {
    DayNumber n = jalaliToDayNumber(-61, 1, 1);
    for (std::int32_t year = -61; year <= 3177; ++year) {
        const JalaliYearInfo info = jalaliYearInfo(year);
        ASSERT_GE(info.leap, 0) << year;
        ASSERT_LE(info.leap, 4) << year;
        ASSERT_GE(info.marchDay, 19) << year;
        ASSERT_LE(info.marchDay, 22) << year;
        const DayNumber start = jalaliToDayNumber(year, 1, 1);
        const DayNumber length = jalaliToDayNumber(year + 1, 1, 1) - start;
        ASSERT_EQ(length, info.leap == 0 ? 366 : 365) << year;
        ASSERT_EQ(start, n) << year;
        for (std::int32_t month = 1; month <= 12; ++month) {
            for (std::int32_t day = 1; day <= jalaliMonthLength(year, month); ++day) {
                ASSERT_EQ(jalaliToDayNumber(year, month, day), n);
                ASSERT_EQ(dayNumberToJalali(n), (CivilDate{year, month, day}));
                ++n;
            }
        }
    }
}

TEST(JalaliDayNumber, DayBeforeNowruzIsLastOfEsfand) {
    for (std::int32_t year = 1300; year <= 1500; ++year) {
        const CivilDate eve = dayNumberToJalali(jalaliToDayNumber(year, 1, 1) - 1);
        EXPECT_EQ(eve, (CivilDate{year - 1, 12, jalaliYearInfo(year - 1).leap == 0 ? 30 : 29}));
    }
}

TEST(JalaliDayNumber, ShownRangeIsWholeAndMonotonic) {
    // Outside the break table the formulas are used unchecked; the program still needs each
    // day to map to one date that maps back.
    for (DayNumber n = kFirstShownDay; n <= kLastShownDay; ++n) {
        const CivilDate date = dayNumberToJalali(n);
        ASSERT_GE(date.month, 1) << n;
        ASSERT_LE(date.month, 12) << n;
        ASSERT_GE(date.day, 1) << n;
        ASSERT_LE(date.day, 31) << n;
    }
}

}  // namespace
}  // namespace velmora
