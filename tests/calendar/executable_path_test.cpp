#include "calendar/executable_path.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PathBesideExecutable, QuotedPathWithTrailingBlank) {
    EXPECT_EQ(folderFromCommandLine(u"\"D:\\Apps\\Cal\\app.exe\" "), u"D:\\Apps\\Cal\\");
    EXPECT_EQ(pathBesideExecutable(u"\"D:\\Apps\\Cal\\app.exe\" ", u"calendar.ini"), u"D:\\Apps\\Cal\\calendar.ini");
}

TEST(PathBesideExecutable, ArgumentsNeverMoveTheFolder) {
    EXPECT_EQ(folderFromCommandLine(u"\"C:\\Program Files\\Velmora\\Velmora.exe\" C:\\Users\\x\\file.txt"),
              u"C:\\Program Files\\Velmora\\");
    EXPECT_EQ(folderFromCommandLine(u"C:\\Velmora\\Velmora.exe --x \\\\server\\share"), u"C:\\Velmora\\");
    EXPECT_EQ(folderFromCommandLine(u"Velmora.exe"), u"");
    EXPECT_EQ(folderFromCommandLine(u""), u"");
    EXPECT_EQ(folderFromCommandLine(u"\"C:\\unterminated\\Velmora.exe"), u"C:\\unterminated\\");
}

TEST(PathBesideExecutable, LongerThanTheOld260CharacterBuffer) {
    std::u16string folder = u"C:\\";
    for (int i = 0; i < 40; ++i) folder += u"folder" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\\";
    ASSERT_GT(folder.size(), 300u);
    const std::u16string commandLine = u"\"" + folder + u"Velmora.exe\" " + std::u16string(500, u'x');
    EXPECT_EQ(pathBesideExecutable(commandLine, u"events.ini"), folder + u"events.ini");
}

}  // namespace
}  // namespace velmora
