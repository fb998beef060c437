#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "data/replace_file.h"
#include "test_files.h"

namespace velmora::cli {
namespace {

// A copy of the shipped calendar.ini in a folder of its own.
class CliLunar : public ::testing::Test {
  protected:
    TempFolder folder_;
    std::string shipped_ = readBytes(shippedFile("calendar.ini"));
    void SetUp() override {
        folder_.write("calendar.ini", shipped_);
        folder_.write("events.ini", readBytes(shippedFile("events.ini")));
    }

    int run(std::vector<std::string_view> args, std::string* out = nullptr, std::string* err = nullptr) {
        const std::string data = folder_.path().string();
        args.insert(args.begin() + 1, {"--data", data});
        std::istringstream in;
        std::ostringstream o, e;
        const int status = cli::run(args, in, o, e, {});
        if (out != nullptr) *out = o.str();
        if (err != nullptr) *err = e.str();
        return status;
    }
    std::string table() const { return readBytes(folder_.path() / "calendar.ini"); }
};

TEST_F(CliLunar, SetMovesLaterDatesAndKeepsTheOldTable) {
    std::string out;
    std::string before;
    run({"convert", "--from", "hijri", "1500-06-10"}, &before);
    std::string err;
    EXPECT_EQ(run({"lunar", "set", "1300-01", "30"}, &out, &err), 1);  // an official month
    EXPECT_NE(err.find("1300/1 is an official month"), std::string::npos) << err;
    ASSERT_EQ(run({"lunar", "set", "--official", "1300-01", "30"}, &out), 0);
    EXPECT_EQ(out, "1300/1 (Muharram) now has 30 days\nThe previous table is kept as calendar.ini.bak.\n");
    EXPECT_EQ(readBytes(folder_.path() / "calendar.ini.bak"), shipped_);
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "calendar.ini.new"));
    EXPECT_EQ(run({"check"}, &out), 0) << out;
    std::string after;
    run({"convert", "--from", "hijri", "1500-06-10"}, &after);
    EXPECT_EQ(std::stoll(after), std::stoll(before) + 1);  // the day number, one day later
    run({"lunar", "show", "1300"}, &out);
    EXPECT_NE(out.find("1300-01\tMuharram\t1882-11-13\t1261-08-22\t30\tcorrected\n"), std::string::npos) << out;
}

TEST_F(CliLunar, RefusedRequestsLeaveTheFileAlone) {
    std::string err;
    for (const std::vector<std::string_view>& request : {std::vector<std::string_view>{"lunar", "set", "1448-10", "31"},
                                                         {"lunar", "set", "1601-01", "29"},
                                                         {"lunar", "set", "1448-10", "30"},
                                                         {"lunar", "set", "1448-10"},
                                                         {"lunar", "set", "x", "29"},
                                                         // numbers past 32 bits, which wrapped to 29 days and month 12
                                                         {"lunar", "set", "1449-12", "4294967325"},
                                                         {"lunar", "set", "1449-4294967308", "29"},
                                                         {"lunar", "start", "1449-4294967308", "2028-03-01"}}) {
        EXPECT_NE(run(request, nullptr, &err), 0);
        EXPECT_FALSE(err.empty());
        EXPECT_EQ(table(), shipped_);
    }
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "calendar.ini.bak"));
    const std::string here = folder_.path().string();
    EXPECT_EQ(run({"lunar", "carry", here}, nullptr, &err), 1);  // a folder is no table to carry
    EXPECT_EQ(table(), shipped_);
    folder_.write("calendar.ini", "[value]\nminJulianday=5\n");
    EXPECT_EQ(run({"lunar", "set", "1448-10", "30"}, nullptr, &err), 1);
    EXPECT_NE(err.find("fails its check"), std::string::npos) << err;
    EXPECT_EQ(table(), "[value]\nminJulianday=5\n");
}

// Whatever stops a write, the table and its older backup are as they were.
TEST_F(CliLunar, AFailedWriteKeepsTheTableAndTheOlderBackup) {
    const std::filesystem::path path = folder_.path() / "calendar.ini";
    folder_.write("calendar.ini.bak", "older backup");
    const std::string problem = replaceFileKeepingBackup(path, shipped_, "half a tab", [] { return false; });
    EXPECT_NE(problem.find("stopped"), std::string::npos);
    EXPECT_EQ(table(), shipped_);
    EXPECT_EQ(readBytes(folder_.path() / "calendar.ini.bak"), "older backup");
    EXPECT_NE(replaceFileKeepingBackup(folder_.path() / "no-such-folder" / "calendar.ini", "", "x"), "");

    // A read-only table is said to be so, and nothing changes.
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    std::string err;
    EXPECT_EQ(run({"lunar", "set", "1449-12", "29"}, nullptr, &err), 1);
    EXPECT_NE(err.find("read-only"), std::string::npos) << err;
    EXPECT_EQ(table(), shipped_);
    EXPECT_EQ(readBytes(folder_.path() / "calendar.ini.bak"), "older backup");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);

    // A read-only backup does not block the next correction.
    std::filesystem::permissions(folder_.path() / "calendar.ini.bak", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(run({"lunar", "set", "1449-12", "29"}), 0);
    EXPECT_EQ(readBytes(folder_.path() / "calendar.ini.bak"), shipped_);

    // A folder where the table should be is no table, and no crash.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(run({"lunar", "set", "1449-12", "30"}, nullptr, &err), 1);
    EXPECT_NE(err.find("is not a file"), std::string::npos) << err;
}

TEST_F(CliLunar, StartTakesADayOfEitherSolarCalendarAndUndoTakesItBack) {
    std::string out, err;
    ASSERT_EQ(run({"lunar", "start", "1448-10", "2027-03-09"}, &out), 0);
    EXPECT_EQ(out,
              "1448/10 (Shawwal) 2027-03-09 (1405-12-18) to 2027-04-07, 30 days\n"
              "It was 29 Ramadan the day before; 1448/9 (Ramadan) 2027-02-08 (1405-11-19) to 2027-03-08, 29 days. "
              "Later months stay as they were.\nThe previous table is kept as calendar.ini.bak.\n");
    EXPECT_EQ(run({"check"}), 0);
    const std::string moved = table();
    ASSERT_EQ(run({"lunar", "start", "--from", "jalali", "1448-10", "\u06F1\u06F4\u06F0\u06F5/12/19"}), 0);  // ۱۴۰۵
    EXPECT_EQ(table(), shipped_);
    EXPECT_EQ(run({"lunar", "start", "1448-10", "2027-03-11"}, nullptr, &err), 1);
    EXPECT_NE(err.find("would have 31 days"), std::string::npos) << err;
    EXPECT_EQ(run({"lunar", "start", "1448-10", "2027-02-30"}), 2);
    EXPECT_EQ(run({"lunar", "start", "--from", "hijri", "1448-10", "1448-10-01"}), 2);
    EXPECT_EQ(run({"lunar", "start", "1448-10"}), 2);
    EXPECT_EQ(table(), shipped_);
    folder_.write("calendar.ini", moved);
    ASSERT_EQ(run({"lunar", "undo"}, &out), 0);
    EXPECT_EQ(table(), shipped_);
    ASSERT_EQ(run({"lunar", "undo"}, &out), 0);
    EXPECT_EQ(out, "calendar.ini holds no corrections; nothing was changed\n");
}

TEST_F(CliLunar, ShowNamesTheFirstPredictedMonthAndEachSource) {
    std::string out;
    ASSERT_EQ(run({"lunar", "show", "1448"}, &out), 0);
    EXPECT_TRUE(out.starts_with("# calendar.ini: lunar Hijri years 1265 to 1600; first predicted month 1448/10\n"));
    EXPECT_NE(out.find("1448-09\tRamadan\t2027-02-08\t1405-11-19\t30\tpublished\n"), std::string::npos) << out;
    EXPECT_NE(out.find("1448-10\tShawwal\t2027-03-10\t1405-12-19\t29\tpredicted\n"), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 13);
    std::string persian;
    ASSERT_EQ(run({"lunar", "show", "\u06F1\u06F4\u06F4\u06F8"}, &persian), 0);  // ۱۴۴۸
    EXPECT_EQ(persian, out);
    EXPECT_EQ(run({"lunar", "show", "1601"}), 1);
    EXPECT_EQ(run({"lunar", "show", "year"}), 2);
}

}  // namespace
}  // namespace velmora::cli

namespace velmora::cli {
namespace {

// The reader folds the case of section names, so the check and the corrector must too.
TEST_F(CliLunar, SectionNamesInAnyCaseAreTheSameSections) {
    folder_.write("calendar.ini", replaced(replaced(shipped_, "\n[value]", "\n[Value]"), "\n[source]", "\n[SOURCE]"));
    folder_.write("events.ini", replaced(readBytes(shippedFile("events.ini")), "\n[22a]", "\n[22A]"));
    std::string out;
    EXPECT_EQ(run({"check"}, &out), 0) << out;
    EXPECT_EQ(out.find("unknown section"), std::string::npos) << out;
    run({"convert", "2026-12-09"}, &out);
    EXPECT_EQ(out, "2461384\t2026-12-09\t1405-09-18\t1448-06-29\tWednesday\n");
    EXPECT_EQ(run({"lunar", "set", "1449-12", "29"}, &out), 0) << out;
    EXPECT_NE(table().find("[Value]"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli
