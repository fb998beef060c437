#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli_runner.h"

namespace velmora::cli {
namespace {

// The month's lines as the Institute prints its tables: Mashhad's Nowruz 1405 and a line a day.
TEST(CliOwghat, AMonthALineADay) {
    const Result r = runCli({"owghat", "--month", "1405-01", "--city", "\u0645\u0634\u0647\u062F"});  // مشهد
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("1405-01-01\t04:10\t05:34\t11:39\t17:44\t18:02\t22:56\n")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 31);
    const Result year = runCli({"owghat", "--year", "\u06F1\u06F4\u06F0\u06F5", "--city", "tabriz", "--asr-isha"});
    ASSERT_EQ(year.status, 0) << year.err;
    EXPECT_EQ(std::count(year.out.begin(), year.out.end(), '\n'), 365);
    EXPECT_NE(year.out.find("1405-03-31\t03:09\t05:02\t12:27\t19:51\t20:13\t23:30\t"), std::string::npos);
    std::istringstream lines(year.out);
    std::string line;
    while (std::getline(lines, line)) ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), 8) << line;
}

// A day's times by name, Asr and Isha said to be unofficial; the Jafari method's later Fajr.
TEST(CliOwghat, ADaysTimesByName) {
    const Result r = runCli({"owghat", "1405-09-18", "--asr-isha"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("1405-09-18\tTehran\tInstitute of Geophysics, University of Tehran\nFajr\t05:33\n"))
        << r.out;
    EXPECT_NE(r.out.find("\nAsr (unofficial)\t"), std::string::npos);
    EXPECT_NE(r.out.find("\nMidnight\t23:12\n"), std::string::npos);
    const Result jafari = runCli({"owghat", "1405-09-18", "--method", "jafari"});
    EXPECT_NE(jafari.out.find("\nFajr\t05:4"), std::string::npos) << jafari.out;
}

// A name no capital has: the nearest names, exit 2; so for any word owghat does not know.
TEST(CliOwghat, WhatItCannotTake) {
    const Result r = runCli({"owghat", "--city", "Tehrn"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("the nearest names are Tehran, "), std::string::npos) << r.err;
    EXPECT_EQ(runCli({"owghat", "--at", "95,10"}).status, 2);
    EXPECT_EQ(runCli({"owghat", "--method", "isna"}).status, 2);
    EXPECT_EQ(runCli({"owghat", "1405-12-30"}).status, 2);  // a common year has no 30 Esfand
    EXPECT_EQ(runCli({"owghat", "--month", "1405"}).status, 2);
    EXPECT_EQ(runCli({"owghat", "1405-01-01", "--year", "1405"}).status, 2);
}

}  // namespace
}  // namespace velmora::cli
