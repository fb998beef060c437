#include "data/ini_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace velmora {
namespace {

class IniSourceTest : public ::testing::Test {
  protected:
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("velmora-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".ini");
    void write(std::string_view text) { std::ofstream(path_, std::ios::binary) << text; }
    void TearDown() override { std::filesystem::remove(path_); }
};

TEST_F(IniSourceTest, ParsesOnlyWhenTheFileChanges) {
    write("[a]\nk=1\n");
    IniSource source(path_);
    EXPECT_TRUE(source.refresh());
    EXPECT_FALSE(source.refresh());
    EXPECT_FALSE(source.refresh());
    EXPECT_EQ(source.parseCount(), 1);
    EXPECT_EQ(readProfileInt(source.file(), u"a", u"k", 0), 1);

    write("[a]\nk=22\n");  // another size
    EXPECT_TRUE(source.refresh());
    EXPECT_EQ(readProfileInt(source.file(), u"a", u"k", 0), 22);

    // Same size, later modification time.
    std::filesystem::last_write_time(path_, std::filesystem::last_write_time(path_) - std::chrono::seconds(5));
    source.refresh();
    write("[a]\nk=33\n");
    EXPECT_TRUE(source.refresh());
    EXPECT_EQ(readProfileInt(source.file(), u"a", u"k", 0), 33);

    std::filesystem::remove(path_);
    EXPECT_TRUE(source.refresh());
    EXPECT_FALSE(source.exists());
    EXPECT_EQ(readProfileInt(source.file(), u"a", u"k", 9), 9);
    EXPECT_FALSE(source.refresh());
}

TEST_F(IniSourceTest, MissingAndEmptyFilesReadAsDefaults) {
    IniSource missing(path_);
    missing.refresh();
    EXPECT_FALSE(missing.exists());
    EXPECT_EQ(readProfileInt(missing.file(), u"value", u"minYear", 4), 4);
    write("");
    IniSource empty(path_);
    empty.refresh();
    EXPECT_TRUE(empty.exists());
    EXPECT_EQ(readProfileString(empty.file(), u"01", u"1", u"", 80), u"");
    IniSource folder(std::filesystem::temp_directory_path());
    folder.refresh();
    EXPECT_FALSE(folder.exists());
}

}  // namespace
}  // namespace velmora
