#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli_runner.h"
#include "test_files.h"

namespace velmora::cli {
namespace {

TEST(CliConvert, ExactOutputFormat) {
    const Result r = runCli({"convert", "--from", "gregorian", "2025-03-20"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, 30), "2460755\t2025-03-20\t1403-12-30\t");
    EXPECT_TRUE(r.out.ends_with("\tThursday\n")) << r.out;
    EXPECT_EQ(r.err, "");
}

TEST(CliConvert, EachInputCalendarReachesTheSameDay) {
    const Result jalali = runCli({"convert", "--from", "jalali", "1403-12-30"});
    const Result jdn = runCli({"convert", "--from", "jdn", "2460755"});
    const Result gregorian = runCli({"convert", "--from", "gregorian", "2025-03-20"});
    EXPECT_EQ(jalali.out, gregorian.out);
    EXPECT_EQ(jdn.out, gregorian.out);
    // A date with its month's name, in the calendar given.
    EXPECT_EQ(runCli({"convert", "--from", "jalali", "30 Esfand 1403"}).out, gregorian.out);
}

TEST(CliConvert, NegativeYearsAreWrittenPlain) {
    const Result r = runCli({"convert", "--from", "gregorian", "-100-01-05"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\t-100-01-05\t"), std::string::npos) << r.out;
}

TEST(CliConvert, BadLinesAreReportedAndTheRestConverted) {
    const Result r = runCli({"convert", "--from", "jalali"},
                            "1404-12-30\n1404-01-01\n\n2023-13-01\nhello\n1403-01-1x\n1403-12-30\r\n");
    EXPECT_EQ(r.status, 1);
    // Two good lines, in order.
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
    EXPECT_NE(r.out.find("1404-01-01"), std::string::npos);
    EXPECT_NE(r.out.find("1403-12-30"), std::string::npos);
    // One message per bad line, naming it and its line.
    EXPECT_NE(r.err.find("line 1: \"1404-12-30\": Esfand 1404 has 29 days"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 4: \"2023-13-01\": there is no month 13"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 5: \"hello\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 6: \"1403-01-1x\""), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 4) << r.err;
}

TEST(CliConvert, NonexistentDaysAndTheSpan) {
    EXPECT_EQ(runCli({"convert", "--from", "gregorian", "2023-02-29"}).status, 1);
    EXPECT_EQ(runCli({"convert", "--from", "gregorian", "2024-02-29"}).status, 0);
    EXPECT_EQ(runCli({"convert", "--from", "gregorian", "3621-12-31"}).status, 0);
    EXPECT_EQ(runCli({"convert", "--from", "gregorian", "3622-01-01"}).status, 1);
    EXPECT_EQ(runCli({"convert", "--from", "gregorian", "-4379-01-01"}).status, 0);
    EXPECT_EQ(runCli({"convert", "--from", "gregorian", "-4380-12-31"}).status, 1);
    EXPECT_EQ(runCli({"convert", "--from", "jdn", "99999999999999"}).status, 1);
    EXPECT_EQ(runCli({"convert", "--from", "jdn", "0"}).status, 1);
    EXPECT_EQ(runCli({"convert", "--from", "jalali", "1403-00-10"}).status, 1);
    EXPECT_EQ(runCli({"convert", "--from", "jalali", "1403-07-31"}).status, 1);
    const Result tooFar = runCli({"convert", "--from", "gregorian", "9999-01-01"});
    EXPECT_NE(tooFar.err.find("outside the supported span"), std::string::npos) << tooFar.err;
}

TEST(CliConvert, UsageErrors) {
    EXPECT_EQ(runCli({}).status, 2);
    EXPECT_EQ(runCli({"frobnicate"}).status, 2);
    EXPECT_EQ(runCli({"convert", "--from", "mayan", "1-1-1"}).status, 2);
    EXPECT_EQ(runCli({"convert", "--from"}).status, 2);
    EXPECT_EQ(runCli({"--help"}).status, 0);
}

}  // namespace
}  // namespace velmora::cli

namespace velmora::cli {
namespace {

TEST(CliConvert, LunarColumnInsideTheTableOnly) {
    const Result r = runCli({"convert", "--from", "jdn", "2460737", "2396359", "2396360", "2515427", "2515428"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "2460737\t2025-03-02\t1403-12-12\t1446-09-01\tSunday\n"
              "2396359\t1848-11-27\t1227-09-06\t-\tMonday\n"
              "2396360\t1848-11-28\t1227-09-07\t1265-01-01\tTuesday\n"
              "2515427\t2174-11-26\t1553-09-05\t1600-12-30\tSaturday\n"
              "2515428\t2174-11-27\t1553-09-06\t-\tSunday\n");
}

TEST(CliConvert, FromHijri) {
    EXPECT_EQ(runCli({"convert", "--from", "hijri", "1446-09-01"}).out,
              runCli({"convert", "--from", "gregorian", "2025-03-02"}).out);
    const Result bad = runCli({"convert", "--from", "hijri", "1448-10-30", "1264-12-29", "1601-01-01", "1446-13-01"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("Shawwal 1448 has 29 days"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("\"1601-01-01\": outside the lunar Hijri table (1265-01-01 to 1600-12-30)"),
              std::string::npos)
        << bad.err;
    EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 4);
}

TEST(CliConvert, DataFolderOption) {
    TempFolder eventsOnly;
    eventsOnly.write("events.ini", "[01]\n1=Nowruz 1\n");
    const std::string folder = eventsOnly.path().string();
    const Result r = runCli({"convert", "--data", folder, "--from", "jdn", "2460737"});
    EXPECT_EQ(r.out, "2460737\t2025-03-02\t1403-12-12\t-\tSunday\n");
    // Before the command, as a global option stands, it means the same.
    EXPECT_EQ(runCli({"--data", folder, "convert", "--from", "jdn", "2460737"}).out, r.out);
    const Result hijri = runCli({"convert", "--data", folder, "--from", "hijri", "1446-09-01"});
    EXPECT_NE(hijri.err.find("calendar.ini has no lunar Hijri table"), std::string::npos);
    EXPECT_EQ(runCli({"convert", "--data"}).status, 2);
    // A folder that is not there, or holds neither file, is an error, not a run without data.
    TempFolder empty;
    for (const std::string& bad : {empty.path().string(), (empty.path() / "nowhere").string()}) {
        const Result none = runCli({"--data", bad, "convert", "2025-03-20"});
        EXPECT_EQ(none.status, 1);
        EXPECT_EQ(none.out, "");
        EXPECT_EQ(std::count(none.err.begin(), none.err.end(), '\n'), 1) << none.err;
    }
    // Occasions need events.ini.
    TempFolder calendarOnly;
    calendarOnly.write("calendar.ini", readBytes(shippedFile("calendar.ini")));
    const Result noEvents = runCli({"holidays", "--data", calendarOnly.path().string(), "1405"});
    EXPECT_EQ(noEvents.status, 1);
    EXPECT_NE(noEvents.err.find("cannot read"), std::string::npos);
}

TEST(CliConvert, ADamagedTableIsNotUsedAndSaidOnce) {
    // The shipped table with one typo each: a month of 3 days, of 99999, a bound at the end of 32 bits.
    const std::string shipped = readBytes(shippedFile("calendar.ini"));
    const auto damaged = [&](std::string_view from, std::string_view to) {
        std::string text = shipped;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    for (const std::string& table :
         {damaged("[1448]\r\n1=30", "[1448]\r\n1=3"), damaged("[1448]\r\n1=30", "[1448]\r\n1=99999"),
          damaged("maxJulianday=2515427", "maxJulianday=2147483647")}) {
        TempFolder folder;
        folder.write("calendar.ini", table);
        const Result r = runCli({"convert", "--data", folder.path().string(), "--from", "jdn", "2461200", "2461300"});
        EXPECT_EQ(r.status, 0);
        // Both days convert, with no lunar Hijri date: the table is treated as missing.
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
        EXPECT_EQ(r.out.find("\t-\t"), r.out.find('\t', r.out.find('\t', r.out.find('\t') + 1) + 1)) << r.out;
        EXPECT_NE(r.out.find("\t-\t", r.out.find('\n')), std::string::npos) << r.out;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(r.err.starts_with("velmora-cli: calendar.ini:")) << r.err;
    }
}

TEST(CliConvert, NoRawControlBytesAndNoHalfCharacters) {
    const Result bad = runCli(
        {"convert", std::string("\x1b[2J") + std::string(70, 'x') + "\xD8\xB3\xD8\xB3\xD8\xB3" + std::string(40, 'y')});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err.find('\x1b'), std::string::npos);
    EXPECT_NE(bad.err.find("\\x1B[2J"), std::string::npos) << bad.err;
    // Cut at 80 bytes between two characters, never inside one.
    EXPECT_NE(bad.err.find("\xD8\xB3..."), std::string::npos) << bad.err;
    // A tab in an occasion stays inside its column.
    TempFolder folder;
    folder.write("events.ini", "[01]\n1=New\tyear 1\n");
    const Result listed = runCli({"occasions", "--data", folder.path().string(), "1405", "1"});
    EXPECT_EQ(listed.out, "1405-01-01\t1\tNew\\tyear\t\t\t\n");
}

// Dates as a Persian user types them in a console: slashes, Persian or Arabic-Indic digits.
TEST(CliConvert, SlashesAndNativeDigits) {
    const Result typed = runCli({"convert", "--from", "jalali", "\u06F1\u06F4\u06F0\u06F5/\u06F0\u06F1/\u06F0\u06F1",
                                 "1405/1/13", "\u0661\u0664\u0660\u0665-\u0660\u0661-\u0660\u0662"});
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(typed.out,
              "2461121\t2026-03-21\t1405-01-01\t1447-10-01\tSaturday\n"
              "2461133\t2026-04-02\t1405-01-13\t1447-10-13\tThursday\n"
              "2461122\t2026-03-22\t1405-01-02\t1447-10-02\tSunday\n");
    EXPECT_EQ(runCli({"convert", "--from", "jdn", "\u06F2\u06F4\u06F6\u06F1\u06F1\u06F2\u06F1"}).out,
              typed.out.substr(0, typed.out.find('\n') + 1));
}

TEST(CliConvert, TodayVersionAndCommandHelp) {
    const Result today = runCli({"today"});
    ASSERT_EQ(today.status, 0) << today.err;
    const std::string date = today.out.substr(today.out.find('\t') + 1, 10);  // its Gregorian date
    EXPECT_EQ(runCli({"convert", date}).out, today.out.substr(0, today.out.find('\n') + 1));
    EXPECT_EQ(runCli({"--version"}).out, "velmora-cli " + std::string(VELMORA_VERSION) + "\n");
    const Result help = runCli({"holidays", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("usage:\n  velmora-cli holidays ")) << help.out;
    EXPECT_EQ(help.out.find("convert"), std::string::npos);  // that command's lines only
    EXPECT_EQ(runCli({"today", "1405-01-01"}).status, 2);
}

}  // namespace
}  // namespace velmora::cli

namespace velmora::cli {
namespace {

// diff's days against std::chrono's own day count, over random pairs across the Solar Hijri
// years 1300 to 1500; the second date given in the Solar Hijri calendar as convert writes it.
TEST(CliReckon, DiffCountsTheDaysAsChronoDoes) {
    using namespace std::chrono;
    std::mt19937 random(1365);
    std::uniform_int_distribution<int> offset(0, 73000);
    const sys_days first = sys_days{year{1921} / March / 21};
    for (int i = 0; i < 100; ++i) {
        const year_month_day a{first + days{offset(random)}}, b{first + days{offset(random)}};
        const auto text = [](const year_month_day& d) {
            return std::to_string(int(d.year())) + "-" + std::to_string(unsigned(d.month())) + "-" +
                   std::to_string(unsigned(d.day()));
        };
        const Result jalaliB = runCli({"convert", text(b)});
        const std::string solarB = jalaliB.out.substr(jalaliB.out.find('\t', jalaliB.out.find('\t') + 1) + 1, 10);
        const Result r = runCli({"diff", "--to", "jalali", text(a), solarB});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.substr(0, r.out.find('\t')), std::to_string((sys_days{b} - sys_days{a}).count()))
            << text(a) << " " << solarB;
    }
}

TEST(CliReckon, AgesStepsAndMistakes) {
    EXPECT_EQ(runCli({"diff", "--from", "jalali", "۱۳۷۰/۰۵/۰۳", "1405/09/18"}).out, "12921\t35\t4\t15\n");
    EXPECT_EQ(runCli({"diff", "--from", "jalali", "1405/09/18", "1370/05/03"}).out, "-12921\t35\t4\t15\n");
    EXPECT_EQ(runCli({"add", "--from", "jalali", "1405/01/31", "6m"}).out.substr(7),
              "\t2026-10-22\t1405-07-30\t1448-05-11\tThursday\n");
    EXPECT_EQ(runCli({"add", "--from", "jalali", "1403-12-30", "1y"}).out.substr(7),
              "\t2026-03-20\t1404-12-29\t1447-09-30\tFriday\n");
    EXPECT_EQ(runCli({"add", "2026-12-09", "-32"}).out.substr(7), "\t2026-11-07\t1405-08-16\t1448-05-27\tSaturday\n");
    const Result noDay = runCli({"diff", "--from", "jalali", "1404/12/30", "1405/01/01"});
    EXPECT_EQ(noDay.status, 1);
    EXPECT_NE(noDay.err.find("Esfand 1404 has 29 days"), std::string::npos) << noDay.err;
    EXPECT_EQ(runCli({"add", "2026-12-09", "6 fortnights"}).status, 2);
    EXPECT_EQ(runCli({"add", "3621-12-01", "1m"}).status, 1);
    EXPECT_EQ(runCli({"diff", "--from", "jdn", "1", "2"}).status, 2);
    EXPECT_EQ(runCli({"diff", "2026-12-09"}).status, 2);
}

}  // namespace
}  // namespace velmora::cli
