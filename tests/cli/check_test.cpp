#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"
#include "test_files.h"

namespace velmora::cli {
namespace {

TEST(CliCheck, ShippedFilesPassAndBrokenOnesFail) {
    const Result good = runCli({"check"});
    EXPECT_EQ(good.status, 0) << good.out;
    EXPECT_NE(good.out.find("first predicted month 1448/10"), std::string::npos) << good.out;
    EXPECT_NE(good.out.find("calendar.ini:394: note: year 1267 has 353 days"), std::string::npos) << good.out;

    TempFolder folder;
    folder.write("calendar.ini",
                 "[value]\nminJulianday=10\nmaxJulianday=20\nminYear=5\nendHijri=11\n5=10\n[5]\n1=10\n");
    const Result bad = runCli({"check", "--data", folder.path().string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("calendar.ini:8: error: month 1 of 5 has \"10\" days (29 or 30 expected)"),
              std::string::npos)
        << bad.out;
    folder.write("calendar.ini", "");
    folder.write("events.ini", "[01]\n1=Nowruz 1\n");
    std::filesystem::remove(folder.path() / "calendar.ini");
    const Result missing = runCli({"check", "--data", folder.path().string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("calendar.ini: error: the file is missing"), std::string::npos) << missing.out;
}

}  // namespace
}  // namespace velmora::cli

namespace velmora::cli {
namespace {

TEST(CliCheck, EventsFileIsChecked) {
    const Result good = runCli({"check"});
    EXPECT_NE(
        good.out.find(
            "events.ini: days with occasions (holidays): Solar Hijri 201 (11), Gregorian 30 (0), lunar Hijri 65 (17)"),
        std::string::npos)
        << good.out;
    TempFolder folder;
    folder.write("events.ini", "[01]\n1=no flag here\n");
    const Result bad = runCli({"check", "--data", folder.path().string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("events.ini:2: error: the value does not end in a holiday flag"), std::string::npos)
        << bad.out;
}

}  // namespace
}  // namespace velmora::cli
