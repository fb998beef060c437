#include "occasions/my_days.h"

#include <gtest/gtest.h>

#include "occasions/occasions.h"
#include "test_files.h"

namespace velmora {
namespace {

TEST(MyDays, WrittenAndReadBackWithSeveralOnADateAndBadLinesLeftOut) {
    const std::vector<MyDay> days = {
        {Calendar::jalali, 12, 30, u"\u0633\u0627\u0644\u06AF\u0631\u062F \u0627\u0632\u062F\u0648\u0627\u062C", true},
        {Calendar::hijri, 7, 13, u"Mother's birthday\nline two", false},
        {Calendar::hijri, 7, 13, u"Uncle's birthday", true},
        {Calendar::gregorian, 2, 29, u"Leap-day friend", false},
    };
    const std::string text = writeMyDays(days);
    EXPECT_NE(text.find("[27]\r\n13=Mother's birthday line two 0\r\n13-2=Uncle's birthday 1\r\n"), std::string::npos)
        << text;
    std::vector<MyDay> expected = days;
    expected[1].text = u"Mother's birthday line two";  // one line, as written
    std::vector<MyDay> read = readMyDays(IniFile::parse(text));
    std::sort(read.begin(), read.end(), [](const MyDay& a, const MyDay& b) { return a.text < b.text; });
    std::sort(expected.begin(), expected.end(), [](const MyDay& a, const MyDay& b) { return a.text < b.text; });
    EXPECT_EQ(read, expected);

    std::vector<FileProblem> problems;
    const auto bad = readMyDays(
        IniFile::parse(
            "[01]\n1=fine 1\n32=no such day 0\nx=what 0\n2=no flag\n[35]\n1=no calendar 0\n[112]\n31=ok 0\n"),
        &problems);
    ASSERT_EQ(bad.size(), 2u);
    EXPECT_EQ(bad[1].calendar, Calendar::gregorian);
    EXPECT_EQ(problems.size(), 4u);
}

// Every day of the file comes once a year: on its date, or on the month's last day in a year
// whose month is shorter.
TEST(MyDays, EachComesOnceAYearOnTheMonthsLastDayWhereTheMonthIsShorter) {
    const CalendarData data = shippedData();
    const struct {
        MyDay day;
        std::int32_t firstYear, lastYear;
    } cases[] = {
        {{Calendar::jalali, 12, 30, u"a", false}, 1390, 1420},
        {{Calendar::gregorian, 2, 29, u"b", false}, 2000, 2030},
        {{Calendar::hijri, 9, 30, u"c", false}, 1420, 1460},
        {{Calendar::hijri, 2, 30, u"d", false}, 1420, 1460},
    };
    for (const auto& c : cases) {
        for (std::int32_t year = c.firstYear; year <= c.lastYear; ++year) {
            const std::int32_t length = monthLength(c.day.calendar, data.hijri(), year, c.day.month);
            const DayNumber first = dateToDayNumber(c.day.calendar, data.hijri(), year, c.day.month, 1);
            std::int32_t count = 0;
            for (DayNumber n = first - 40; n < first + 80; ++n) {
                if (!myDayFallsOn(c.day, data.hijri(), n)) continue;
                ++count;
                EXPECT_EQ(n, first + std::min(length, c.day.day) - 1)
                    << calendarDigit(c.day.calendar) << "/" << c.day.month << " " << year;
            }
            EXPECT_EQ(count, 1) << calendarDigit(c.day.calendar) << "/" << c.day.month << " " << year;
        }
    }
    EXPECT_EQ(monthSpan(Calendar::jalali, 12).shortest, 29);
    EXPECT_EQ(monthSpan(Calendar::gregorian, 2).longest, 29);
}

TEST(MyDays, ShownAmongADaysOccasionsButNeverAnOfficialHoliday) {
    CalendarData data = shippedData();
    data.myDays = {{Calendar::jalali, 9, 18, u"mine", true}};
    const DayOccasions day = occasionsOfDay(data, gregorianToDayNumber(2026, 12, 9));  // 18 Azar 1405
    ASSERT_EQ(day.personal.size(), 1u);
    EXPECT_TRUE(day.personal[0].dayOff);
    EXPECT_FALSE(day.holiday);
    EXPECT_TRUE(occasionsOfDay(data, gregorianToDayNumber(2026, 12, 10)).personal.empty());
}

}  // namespace
}  // namespace velmora
