#include "data/ini_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <thread>

namespace velmora {
namespace {

std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : text) {
        const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? hi : lo;
        bytes += bigEndian ? lo : hi;
    }
    return bytes;
}

TEST(IniFile, ProfileReadSemantics) {
    const IniFile ini = IniFile::parse(
        "; a comment\n"
        "  [ Value ]  \n"
        "  MinYear =  1265  \n"
        "minyear=999\n"
        "quoted=\"  spaced  \"\n"
        "single='x'\n"
        "lonely\"=\"\n"
        "no equals sign here\n"
        "empty=\n"
        "negative=-42abc\n"
        "plus=+7\n"
        "word=abc\n"
        "huge=99999999999999\n"
        "[value]\n"
        "late=1\n"
        ";commented=1\n");
    EXPECT_EQ(readProfileInt(ini, u"VALUE", u"minYEAR", 0), 1265);  // case and blanks; first key wins
    EXPECT_EQ(readProfileInt(ini, u"value", u"late", -1), -1);      // a second [value] is never read
    EXPECT_EQ(readProfileString(ini, u"value", u"quoted", u"", 80), u"  spaced  ");
    EXPECT_EQ(readProfileString(ini, u"value", u"single", u"", 80), u"x");
    EXPECT_EQ(readProfileString(ini, u"value", u"lonely\"", u"", 80), u"\"");
    EXPECT_EQ(readProfileInt(ini, u"value", u"empty", 5), 5);
    EXPECT_EQ(readProfileInt(ini, u"value", u"negative", 0), -42);
    EXPECT_EQ(readProfileInt(ini, u"value", u"plus", 0), 7);
    EXPECT_EQ(readProfileInt(ini, u"value", u"word", 5), 0);
    EXPECT_EQ(readProfileInt(ini, u"value", u"huge", 0), 2147483647);
    EXPECT_EQ(readProfileInt(ini, u"value", u"commented", 3), 3);
    EXPECT_EQ(readProfileInt(ini, u"missing", u"minYear", 3), 3);
    EXPECT_EQ(readProfileString(ini, u"value", u"absent", u"fallback", 80), u"fallback");
    EXPECT_EQ(ini.strayLines(), std::vector<std::int32_t>{8});
    ASSERT_EQ(ini.sections().size(), 2u);
    EXPECT_EQ(ini.sections()[1].line, 14);
}

TEST(IniFile, StringReadIsCutToTheBuffer) {
    const IniFile ini = IniFile::parse("[01]\n1=abcdefghij\n");
    EXPECT_EQ(readProfileString(ini, u"01", u"1", u"", 5), u"abcd");
    EXPECT_EQ(readProfileString(ini, u"01", u"1", u"", 80), u"abcdefghij");
    EXPECT_EQ(readProfileString(ini, u"01", u"1", u"", 0), u"");
}

TEST(IniFile, EncodingsReadAlike) {
    const std::u16string text = u"[\u06F0\u06F1]\r\nkey=\u0633\u0644\u0627\u0645 \U0001F600\r\n";
    const std::string utf8 = toUtf8(text);
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, utf16(text, false), utf16(text, true)}) {
        const IniFile ini = IniFile::parse(bytes);
        EXPECT_EQ(readProfileString(ini, u"\u06F0\u06F1", u"key", u"", 80), u"\u0633\u0644\u0627\u0645 \U0001F600");
    }
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
}

TEST(IniFile, BrokenBytesNeverCrash) {
    // Truncated sequences, overlong forms, surrogates in UTF-8, a lone odd byte of UTF-16.
    const IniFile a = IniFile::parse("[s]\nk=\xE2\x82\nj=\xC0\xAF\xED\xA0\x80ok\n");
    EXPECT_EQ(readProfileString(a, u"s", u"k", u"", 80), u"\uFFFD");
    EXPECT_EQ(readProfileString(a, u"s", u"j", u"", 80), u"\uFFFD\uFFFDok");
    using namespace std::string_view_literals;
    const IniFile b = IniFile::parse("\xFF\xFE[\0s\0]\0\n\0k\0=\0v\0\x01"sv);
    EXPECT_EQ(readProfileString(b, u"s", u"k", u"", 80).substr(0, 1), u"v");
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(random() % 4000), '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        if (round % 3 == 0) bytes.insert(0, "[value]\nminYear=");
        const IniFile ini = IniFile::parse(bytes);
        (void)readProfileInt(ini, u"value", u"minYear", 0);
    }
}

TEST(IniFile, LargeFilesAndLongLines) {
    std::string big = "[value]\n";
    big += "long=" + std::string(1 << 20, 'x') + "\n";
    for (int i = 0; i < 700000; ++i) big += "key" + std::to_string(i) + " = " + std::to_string(i) + "\n";
    ASSERT_GT(big.size(), 10u << 20);
    const IniFile ini = IniFile::parse(big);
    EXPECT_EQ(readProfileInt(ini, u"value", u"KEY699999", 0), 699999);
    EXPECT_EQ(readProfileString(ini, u"value", u"long", u"", 80).size(), 79u);
}

}  // namespace
}  // namespace velmora
