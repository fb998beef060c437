#include "calendar/date_arithmetic.h"

#include <gtest/gtest.h>

#include <random>

#include "test_files.h"

namespace velmora {
namespace {

const ShippedLunarTable& data() {
    static const ShippedLunarTable shipped;
    return shipped;
}

TEST(DateArithmetic, AMonthOnKeepsTheDayOrTakesTheShorterMonthsLast) {
    const HijriCalendar hijri = data().hijri;
    const auto plus = [&](Calendar calendar, CivilDate date, std::int32_t months) {
        return addMonths(calendar, hijri, date, months);
    };
    EXPECT_EQ(plus(Calendar::jalali, {1405, 1, 31}, 6), (CivilDate{1405, 7, 30}));
    EXPECT_EQ(plus(Calendar::jalali, {1405, 1, 31}, 5), (CivilDate{1405, 6, 31}));
    EXPECT_EQ(plus(Calendar::jalali, {1403, 12, 30}, 12), (CivilDate{1404, 12, 29}));  // 1403 leap, 1404 common
    EXPECT_EQ(plus(Calendar::jalali, {1403, 12, 30}, 60), (CivilDate{1408, 12, 30}));  // the next leap year
    EXPECT_EQ(plus(Calendar::jalali, {1405, 1, 1}, -1), (CivilDate{1404, 12, 1}));
    EXPECT_EQ(plus(Calendar::gregorian, {2024, 1, 31}, 1), (CivilDate{2024, 2, 29}));
    EXPECT_EQ(plus(Calendar::gregorian, {2025, 3, 31}, -1), (CivilDate{2025, 2, 28}));
    EXPECT_EQ(plus(Calendar::gregorian, {-1, 12, 15}, 1), (CivilDate{0, 1, 15}));
    EXPECT_EQ(plus(Calendar::gregorian, {0, 1, 15}, -13), (CivilDate{-2, 12, 15}));
    // A lunar month of 30 days, one on: the next month's 30th, or its 29th, as the table has it.
    for (std::int32_t month = 1; month <= 12; ++month) {
        if (monthLength(Calendar::hijri, hijri, 1447, month) != 30) continue;
        const CivilDate next = plus(Calendar::hijri, {1447, month, 30}, 1);
        EXPECT_EQ(next.day, monthLength(Calendar::hijri, hijri, next.year, next.month)) << month;
    }
}

TEST(DateArithmetic, AnAgeCountedAsPeopleCountIt) {
    const HijriCalendar hijri = data().hijri;
    const auto span = [&](Calendar calendar, CivilDate from, CivilDate to) {
        return spanBetween(calendar, hijri, dateToDayNumber(calendar, hijri, from.year, from.month, from.day),
                           dateToDayNumber(calendar, hijri, to.year, to.month, to.day));
    };
    EXPECT_EQ(span(Calendar::jalali, {1370, 5, 3}, {1405, 9, 18}), (DateSpan{35, 4, 15, false}));
    EXPECT_EQ(span(Calendar::jalali, {1405, 9, 18}, {1370, 5, 3}), (DateSpan{35, 4, 15, true}));
    // Born on 30 Esfand: a year old on the 29th of a common year, the month's last day.
    EXPECT_EQ(span(Calendar::jalali, {1403, 12, 30}, {1404, 12, 29}), (DateSpan{1, 0, 0, false}));
    EXPECT_EQ(span(Calendar::gregorian, {2026, 1, 31}, {2026, 2, 28}), (DateSpan{0, 1, 0, false}));
    EXPECT_EQ(span(Calendar::gregorian, {2026, 1, 30}, {2026, 3, 1}), (DateSpan{0, 1, 1, false}));
    EXPECT_EQ(span(Calendar::gregorian, {2026, 12, 9}, {2026, 12, 9}), (DateSpan{}));
}

// Over random pairs of days from 1300 to 1500 in each calendar's months: the span added to the
// earlier day (its months, then its days) gives the later one, and a month more would pass it.
TEST(DateArithmetic, SpansAddBackToTheLaterDayOverRandomPairs) {
    const HijriCalendar hijri = data().hijri;
    const DayNumber first = jalaliToDayNumber(1300, 1, 1), last = jalaliToDayNumber(1500, 12, 29);
    std::mt19937 random(1405);
    std::uniform_int_distribution<DayNumber> day(first, last);
    for (int i = 0; i < 3000; ++i) {
        const DayNumber a = day(random), b = day(random);
        for (const Calendar calendar : kCalendars) {
            if (calendar == Calendar::hijri && (!lunarDate(hijri, a) || !lunarDate(hijri, b))) continue;
            const DateSpan span = spanBetween(calendar, hijri, a, b);
            const DayNumber early = std::min(a, b), late = std::max(a, b);
            ASSERT_EQ(span.backwards, b < a);
            ASSERT_TRUE(span.years >= 0 && span.months >= 0 && span.months < 12 && span.days >= 0);
            const CivilDate start = dayNumberToDate(calendar, hijri, early);
            const auto monthsOn = [&](std::int32_t months) {
                const CivilDate d = addMonths(calendar, hijri, start, months);
                return dateToDayNumber(calendar, hijri, d.year, d.month, d.day);
            };
            const std::int32_t months = span.years * 12 + span.months;
            ASSERT_EQ(monthsOn(months) + span.days, late) << a << " " << b;
            ASSERT_GT(monthsOn(months + 1), late) << a << " " << b;
        }
    }
}

TEST(DateArithmetic, DaysAndWeeksOfTheYear) {
    const HijriCalendar hijri = data().hijri;
    const DayNumber nowruz = jalaliToDayNumber(1405, 1, 1);  // a Saturday
    EXPECT_EQ(dayOfYear(Calendar::jalali, hijri, jalaliToDayNumber(1405, 9, 18)), 264);
    EXPECT_EQ(dayOfYear(Calendar::jalali, hijri, jalaliToDayNumber(1403, 12, 30)), 366);
    EXPECT_EQ(dayOfYear(Calendar::gregorian, hijri, gregorianToDayNumber(2024, 12, 31)), 366);
    // Weeks turn on Saturdays only, from week 1 on the year's first day.
    for (const Calendar calendar : kCalendars) {
        std::int32_t week = weekOfYear(calendar, hijri, nowruz);
        for (DayNumber n = nowruz + 1; n < nowruz + 800; ++n) {
            const std::int32_t now = weekOfYear(calendar, hijri, n);
            if (dayOfYear(calendar, hijri, n) == 1)
                EXPECT_EQ(now, 1);
            else
                EXPECT_EQ(now, weekdayColumn(n) == 0 ? week + 1 : week) << n;
            week = now;
        }
    }
}

}  // namespace
}  // namespace velmora
