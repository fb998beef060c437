#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"
#include "test_files.h"

namespace velmora::cli {
namespace {

TEST(CliOccasions, AMonthOfOccasions) {
    const Result r = runCli({"occasions", "1405", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    // Farvardin 1405 begins with Nowruz and Eid al-Fitr on one day.
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "1405-01-01\t1\t\u0622\u063A\u0627\u0632 \u0646\u0648\u0631\u0648\u0632\t"
              "\u0639\u06CC\u062F \u0633\u0639\u06CC\u062F \u0641\u0637\u0631\t\t");
    // Only days with an occasion, each with six fields, the last for the user's own days.
    std::istringstream lines(r.out);
    std::string line;
    while (std::getline(lines, line)) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 5) << line;
    EXPECT_EQ(runCli({"occasions", "1405"}).status, 2);
    EXPECT_EQ(runCli({"occasions", "1405", "13"}).status, 2);
}

// The user's own days take the last column, also on a day without an official occasion; 30
// Esfand comes on 29 Esfand in the common year 1405.
TEST(CliOccasions, TheUsersOwnDaysSaySo) {
    TempFolder folder;
    folder.write("events.ini", readBytes(shippedFile("events.ini")));
    folder.write("my-days.ini", "[012]\r\n30=Our anniversary 1\r\n[012]\r\n4=Aunt 0\r\n");
    const std::string data = folder.path().string();
    const Result r = runCli({"occasions", "--data", data, "1405", "12"});
    EXPECT_NE(r.out.find("1405-12-29\t1\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\tpersonal, day off: Our anniversary\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("1405-12-04\t0\t\t\t\tpersonal: Aunt\n"), std::string::npos) << r.out;
}

TEST(CliHolidays, TheYearInDateOrder) {
    const Result r = runCli({"holidays", "1405"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 26);
    EXPECT_TRUE(r.out.starts_with("1405-01-01\t2026-03-21\tSaturday\t\u0622\u063A\u0627\u0632")) << r.out;
    EXPECT_NE(r.out.find("1405-05-22\t2026-08-13\tThursday\t"), std::string::npos);  // Imam Reza, 29 Safar
    EXPECT_NE(r.out.find("1405-12-29\t2027-03-20\tSaturday\t"), std::string::npos);
    // Esfand 30 of the leap year 1403 is a holiday.
    EXPECT_NE(runCli({"holidays", "1403"}).out.find("1403-12-30\t2025-03-20\tThursday\t"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli
