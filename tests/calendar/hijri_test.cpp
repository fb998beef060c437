#include "calendar/hijri.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "calendar/hijri_check.h"
#include "calendar/hijri_correction.h"
#include "problem_report.h"
#include "test_files.h"

namespace velmora {
namespace {

TEST(HijriLeapYear, ThirtyYearCycle) {
    EXPECT_TRUE(isHijriLeapYear(1445));
    EXPECT_TRUE(isHijriLeapYear(1447));
    EXPECT_FALSE(isHijriLeapYear(1444));
    EXPECT_FALSE(isHijriLeapYear(1446));
    EXPECT_TRUE(isHijriLeapYear(-1));  // (11 * -1 + 14) % 30 = 3
    EXPECT_TRUE(isHijriLeapYear(-3));  // the remainder is negative: -19
    EXPECT_EQ(defaultHijriMonthLengths(1445)[12], 30);
    EXPECT_EQ(defaultHijriMonthLengths(1446)[12], 29);
}

TEST(TabularHijri, RoundTripsAndCountsOn) {
    CivilDate previous = dayNumberToTabularHijri(1900000);
    for (DayNumber n = 1900001; n < 2600000; ++n) {
        const CivilDate date = dayNumberToTabularHijri(n);
        ASSERT_EQ(tabularHijriToDayNumber(date.year, date.month, date.day), n);
        if (date.day != 1) {
            ASSERT_EQ(date.day, previous.day + 1);
        }
        previous = date;
    }
    EXPECT_EQ(dayNumberToTabularHijri(1948440), (CivilDate{1, 1, 1}));
}

// A small consistent table: 1440 to 1442, with year totals.
constexpr std::string_view kSmallTable =
    "[value]\nminJulianday=2458359\nmaxJulianday=2459422\nminYear=1440\nendHijri=2459200\n"
    "1440=354\n1441=709\n1442=1063\n"
    "[1440]\n1=30\n2=29\n3=30\n4=29\n5=30\n6=29\n7=30\n8=29\n9=30\n10=29\n11=30\n12=29\n"
    "[1441]\n1=30\n2=30\n3=29\n4=30\n5=29\n6=30\n7=29\n8=30\n9=29\n10=30\n11=29\n12=30\n"
    "[1442]\n1=29\n2=30\n3=29\n4=30\n5=29\n6=30\n7=29\n8=30\n9=29\n10=30\n11=29\n12=30\n";

TEST(HijriTable, EdgesOfASmallTable) {
    const IniFile ini = IniFile::parse(kSmallTable);
    const LunarTable file(ini);
    const HijriCalendar calendar{file, file.bounds()};
    const HijriBounds& b = calendar.bounds;
    EXPECT_EQ(b.minJulianday, 2458359);
    EXPECT_EQ(b.minYear, 1440);
    EXPECT_EQ(dayNumberToHijri(calendar, b.minJulianday + 1), (CivilDate{1440, 1, 1}));
    EXPECT_EQ(hijriToDayNumber(calendar, 1440, 1, 1), b.minJulianday + 1);
    // The day before the table: the last day of the year before, by the 30-year cycle.
    EXPECT_EQ(dayNumberToHijri(calendar, b.minJulianday), (CivilDate{1439, 12, 30}));  // 1439 is leap
    // A year's last day and the next.
    EXPECT_EQ(dayNumberToHijri(calendar, b.minJulianday + 709), (CivilDate{1441, 12, 30}));
    EXPECT_EQ(dayNumberToHijri(calendar, b.minJulianday + 710), (CivilDate{1442, 1, 1}));
    EXPECT_EQ(dayNumberToHijri(calendar, b.maxJulianday), (CivilDate{1442, 12, 30}));
    // A day past its month counts on.
    EXPECT_EQ(hijriToDayNumber(calendar, 1441, 1, 31), hijriToDayNumber(calendar, 1441, 2, 1));
    // A year whose previous total is absent counts from minJulianday.
    EXPECT_EQ(hijriToDayNumber(calendar, 1500, 1, 1), b.minJulianday + 1);
    EXPECT_EQ(hijriToDayNumber(calendar, 1000, 1, 1), b.minJulianday + 1);
    // Every day round-trips.
    for (DayNumber n = b.minJulianday + 1; n <= b.maxJulianday; ++n) {
        const CivilDate date = dayNumberToHijri(calendar, n);
        ASSERT_EQ(hijriToDayNumber(calendar, date.year, date.month, date.day), n);
    }
    EXPECT_TRUE(checkHijriTable(ini, nullptr).empty());
}

// The one answer to "which lunar date is this day": the table's inside it, none at and
// beyond either edge, none without a table.
TEST(HijriTable, LunarDatesOnlyInsideTheTable) {
    const LunarTable file(IniFile::parse(kSmallTable));
    const HijriCalendar calendar{file, file.bounds()};
    const HijriBounds& b = calendar.bounds;
    EXPECT_EQ(lunarDate(calendar, b.minJulianday), std::nullopt);
    EXPECT_EQ(lunarDate(calendar, b.minJulianday + 1), (CivilDate{1440, 1, 1}));
    EXPECT_EQ(lunarDate(calendar, b.maxJulianday), (CivilDate{1442, 12, 30}));
    EXPECT_EQ(lunarDate(calendar, b.maxJulianday + 1), std::nullopt);
    EXPECT_EQ(lunarDate(calendar, kFirstShownDay), std::nullopt);
    const LunarTable none;
    EXPECT_EQ(lunarDate({none, none.bounds()}, gregorianToDayNumber(2025, 3, 2)), std::nullopt);
}

// The reader matches names without regard to case; so do the check and the bounds.
TEST(HijriTable, KeyNamesInAnyCase) {
    std::string table(kSmallTable);
    for (const char* key : {"minJulianday", "maxJulianday", "endHijri"}) {
        std::string upper(key);
        upper[0] = static_cast<char>(upper[0] - 'a' + 'A');
        table.replace(table.find(key), upper.size(), upper);
    }
    ASSERT_NE(table.find("MinJulianday="), std::string::npos);
    const IniFile ini = IniFile::parse(table);
    EXPECT_TRUE(checkHijriTable(ini, nullptr).empty());
    EXPECT_EQ(LunarTable(ini).bounds().minJulianday, 2458359);
    // A correction moves the bound whatever its case; a 353-day year stands, with a note.
    const CorrectedTable corrected = correctLunarTable(table, {{1442, 12, 29}});
    ASSERT_EQ(corrected.problem, "");
    EXPECT_NE(corrected.text.find("MaxJulianday=2459421"), std::string::npos);
}

// A table far outside the span the window shows, and keys given twice, fail the check.
TEST(HijriCheck, SpanAndRepeatedKeys) {
    std::string far(kSmallTable);
    far.replace(far.find("minJulianday=2458359"), 20, "minJulianday=-700000");
    const auto problems = checkHijriTable(IniFile::parse(far), nullptr);
    EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [](const FileProblem& p) {
        return p.message.find("beyond the supported span") != std::string::npos;
    }));
    std::string twice(kSmallTable);
    twice.insert(twice.find("minYear=1440"), "MaxJulianday=5\n");
    const auto repeated = checkHijriTable(IniFile::parse(twice), nullptr);
    ASSERT_FALSE(repeated.empty());
    EXPECT_EQ(repeated.front().message, "\"MaxJulianday\" is given twice in [value]; the first, at line 3, is read");
    EXPECT_EQ(repeated.front().line, 4);
}

TEST(HijriTable, NoFileMeansNoTable) {
    const LunarTable file;
    const HijriCalendar calendar{file, file.bounds()};
    EXPECT_EQ(calendar.bounds.minJulianday, 0);
    EXPECT_EQ(calendar.bounds.maxJulianday, 0);
    // Outside the table the tabular calendar answers (within a day or two of the real one).
    const CivilDate today = dayNumberToHijri(calendar, gregorianToDayNumber(2025, 3, 2));
    EXPECT_EQ(today.year, 1446);
    EXPECT_EQ(today.month, 9);
    EXPECT_LE(std::abs(today.day - 1), 2);
    EXPECT_FALSE(checkHijriTable(IniFile(), nullptr).empty());
}

// Tables that break every promise: conversions still end, and stay in their arrays (the
// sanitizer build checks the second).
TEST(HijriTable, InconsistentTablesStaySafe) {
    const std::string head = "[value]\nminJulianday=2458359\nmaxJulianday=2460000\nminYear=1440\n";
    const std::vector<std::string> tables = {
        head + "1440=100\n1441=50\n1442=2000\n[1440]\n1=0\n2=1000\n[1441]\n1=-30\n2=-500\n",
        head + "1440=354\n1441=300\n1442=200\n1443=1\n",  // totals that go backwards
        head + "1440=2147483647\n1441=-2147483648\n[1440]\n1=2147483647\n2=2147483647\n",
        head + "[1440]\n1=0\n2=0\n3=0\n4=0\n5=0\n6=0\n7=0\n8=0\n9=0\n10=0\n11=0\n12=0\n",
        "[value]\nminJulianday=-2147483648\nmaxJulianday=2147483647\nminYear=2147483647\n",
        "[value]\nminJulianday=2147483647\nmaxJulianday=-5\nminYear=-2147483648\n",
        "[value]\nminJulianday=0\nmaxJulianday=2147483647\nminYear=-2147483648\n-2147483648=1\n",
        head + "1440=353\n1441=706\n1442=1059\n1443=1412\n1444=1765\n",  // short years
    };
    for (const std::string& table : tables) {
        const IniFile ini = IniFile::parse(table);
        const LunarTable file(ini);
        const HijriCalendar calendar{file, file.bounds()};
        for (const DayNumber n :
             {0, 1, -1, 2458359, 2458360, 2458700, 2459000, 2460000, 2147483647, -2147483647 - 1, 2147483646}) {
            const CivilDate date = dayNumberToHijri(calendar, n);
            EXPECT_GE(date.month, 1);
            EXPECT_LE(date.month, 12);
            (void)hijriToDayNumber(calendar, date.year, date.month, date.day);
        }
        for (DayNumber n = 2458300; n < 2460100; n += 7) {
            const CivilDate date = dayNumberToHijri(calendar, n);
            ASSERT_GE(date.month, 1);
            ASSERT_LE(date.month, 12);
        }
        EXPECT_FALSE(checkHijriTable(ini, nullptr).empty()) << table;
    }
}

TEST(HijriCheck, ReportsWhatIsWrongAndWhere) {
    std::string table(kSmallTable);
    table.replace(table.find("[1441]\n1=30"), 11, "[1441]\n1=31");  // line of month 1 of 1441
    table += "[1441]\n1=29\nstray line\n[junk]\n";
    const std::string report = problemReport(checkHijriTable(IniFile::parse(table), nullptr));
    EXPECT_NE(report.find("23: error: month 1 of 1441 has \"31\" days"), std::string::npos) << report;
    EXPECT_NE(report.find("the total of 1441 is 709; the total before it and the year's 356 days make 710"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("a second section [1441]"), std::string::npos) << report;
    EXPECT_NE(report.find("neither a section"), std::string::npos) << report;
    EXPECT_NE(report.find("unknown section [junk]"), std::string::npos) << report;
}

// The shipped table against its sources: the Iranian months, the published months of 1448
// and the predicted months that follow, read straight from the data files.
class ShippedTable : public ::testing::Test {
  protected:
    IniFile ini_ = shippedIni("calendar.ini");
    LunarTable file_{ini_};
    HijriCalendar calendar_{file_, file_.bounds()};
};

std::map<std::int32_t, std::vector<std::int32_t>> readMonthTable(const std::string& name) {
    std::ifstream in(sourceFile("tools/data/" + name));
    std::map<std::int32_t, std::vector<std::int32_t>> table;  // year -> start, m1..m12
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::vector<std::int32_t> row(13);
        std::int32_t year = 0;
        fields >> year;
        for (std::int32_t& value : row) fields >> value;
        table[year] = row;
    }
    return table;
}

TEST_F(ShippedTable, EveryDayRoundTrips) {
    const HijriBounds& b = calendar_.bounds;
    ASSERT_EQ(b.minYear, 1265);
    CivilDate previous = dayNumberToHijri(calendar_, b.minJulianday + 1);
    EXPECT_EQ(previous, (CivilDate{1265, 1, 1}));
    for (DayNumber n = b.minJulianday + 2; n <= b.maxJulianday; ++n) {
        const CivilDate date = dayNumberToHijri(calendar_, n);
        ASSERT_EQ(hijriToDayNumber(calendar_, date.year, date.month, date.day), n);
        const bool nextDay = date.year == previous.year && date.month == previous.month && date.day == previous.day + 1;
        const bool nextMonth = date.day == 1 && previous.day >= 29 &&
                               (date.month == previous.month + 1 ||
                                (date.month == 1 && previous.month == 12 && date.year == previous.year + 1));
        ASSERT_TRUE(nextDay || nextMonth) << n;
        previous = date;
    }
    EXPECT_EQ(previous, (CivilDate{1600, 12, 30}));
}

// A batch's remembered month answers as lunarDate does, walking forward, backward and
// jumping, past both ends of the table.
TEST_F(ShippedTable, LunarDatesOfARunAreLunarDate) {
    const HijriBounds& b = calendar_.bounds;
    LunarDates forward(calendar_);
    for (DayNumber n = b.minJulianday - 40; n <= b.maxJulianday + 40; ++n)
        ASSERT_EQ(forward.of(n), lunarDate(calendar_, n)) << n;
    LunarDates backward(calendar_);
    for (DayNumber n = b.maxJulianday + 40; n >= b.minJulianday - 40; n -= 3)
        ASSERT_EQ(backward.of(n), lunarDate(calendar_, n)) << n;
}

TEST_F(ShippedTable, MonthStartsAgreeWithTheSources) {
    const auto iran = readMonthTable("hijri-iran-official.tsv");
    // The crescent-visibility prediction of the data set's maintainers, computed apart from
    // ours: our table must begin every predicted month on the same day.
    const auto predicted = readMonthTable("hijri-iran-predicted.tsv");
    ASSERT_FALSE(iran.empty());
    ASSERT_EQ(predicted.size(), 153u);
    for (const auto& [year, row] : iran) {
        DayNumber start = row[0];
        for (std::int32_t month = 1; month <= 12; ++month) {
            ASSERT_EQ(hijriToDayNumber(calendar_, year, month, 1), start) << year << "/" << month;
            start += row[static_cast<std::size_t>(month)];
        }
    }
    // 1448: months 1 to 9 as published, 1 Shawwal on day 2461475.
    const std::int32_t published[] = {30, 29, 30, 29, 30, 30, 30, 29, 30};
    for (std::int32_t month = 1; month <= 9; ++month)
        EXPECT_EQ(file_.readHijriMonthLengths(1448)[static_cast<std::size_t>(month)], published[month - 1]);
    EXPECT_EQ(hijriToDayNumber(calendar_, 1448, 10, 1), 2461475);
    for (const auto& [year, row] : predicted) {
        DayNumber start = row[0];
        for (std::int32_t month = 1; month <= 12; ++month) {
            ASSERT_EQ(hijriToDayNumber(calendar_, year, month, 1), start) << year << "/" << month;
            start += row[static_cast<std::size_t>(month)];
        }
        if (year == 1600) {
            EXPECT_EQ(start, calendar_.bounds.maxJulianday + 1);
        }
    }
}

TEST_F(ShippedTable, KnownDatesAndBounds) {
    // In Iran 1 Ramadan 1446 was Sunday 2 March 2025, a day after Umm al-Qura's.
    const DayNumber ramadan = gregorianToDayNumber(2025, 3, 2);
    EXPECT_EQ(dayNumberToHijri(calendar_, ramadan), (CivilDate{1446, 9, 1}));
    EXPECT_EQ(weekdayColumn(ramadan), 1);                                                                 // Sunday
    EXPECT_EQ(dayNumberToHijri(calendar_, gregorianToDayNumber(2024, 7, 16)), (CivilDate{1446, 1, 10}));  // Ashura 1446
    // endHijri lies in the table and in a year that the Hijri-mode clamp lets stand.
    const HijriBounds& b = calendar_.bounds;
    EXPECT_GT(b.endHijri, b.minJulianday);
    EXPECT_LE(b.endHijri, b.maxJulianday);
    const std::int32_t endYear = dayNumberToGregorian(b.endHijri).year;
    EXPECT_GE(endYear, dayNumberToGregorian(b.minJulianday).year);
    EXPECT_LT(endYear, dayNumberToGregorian(b.maxJulianday).year);
    EXPECT_EQ(dayNumberToHijri(calendar_, b.endHijri).day, 1);
    HijriTableSummary summary;
    const auto problems = checkHijriTable(ini_, &summary);
    for (const FileProblem& p : problems) EXPECT_EQ(p.severity, FileProblem::Severity::note) << p.message;
    EXPECT_EQ(problems.size(), 2u);  // 1267 and 1401 have 353 days
    EXPECT_EQ(summary.lastYear, 1600);
}

}  // namespace
}  // namespace velmora
