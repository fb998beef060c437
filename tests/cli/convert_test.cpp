#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/commands.h"

namespace velmora::cli {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result runCli(std::vector<std::string_view> args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = run(args, in, out, err);
    return {status, out.str(), err.str()};
}

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
