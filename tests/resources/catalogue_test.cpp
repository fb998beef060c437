// Every language's words in the resource script: each file names the same strings, menu
// items and dialogs, so that no text of the interface is missing in a language.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "test_files.h"

namespace velmora {
namespace {

struct Words {
    std::set<std::string> strings;  // IDS_ names of the STRINGTABLE
    std::set<std::string> items;    // the command ids of the menus
    std::set<std::string> blocks;   // menus and dialogs by name
};

Words wordsOf(const std::string& file) {
    const std::string text = readBytes(sourceFile("resources/" + file));
    Words words;
    const std::regex string(R"(^\s*(IDS_\w+)\s+")", std::regex::multiline);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), string); it != std::sregex_iterator(); ++it)
        words.strings.insert((*it)[1]);
    const std::regex item(R"(MENUITEM\s+"[^"]*",\s*(\w+))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), item); it != std::sregex_iterator(); ++it)
        words.items.insert((*it)[1]);
    const std::regex block(R"(^(\w+)\s+(MENU|DIALOGEX)\b)", std::regex::multiline);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), block); it != std::sregex_iterator(); ++it)
        words.blocks.insert((*it)[1]);
    return words;
}

TEST(Catalogue, EveryTextInEveryLanguage) {
    const Words english = wordsOf("english.rc");
    const Words persian = wordsOf("persian.rc");
    ASSERT_GE(english.strings.size(), 9u);
    ASSERT_GE(english.items.size(), 13u);
    EXPECT_EQ(english.strings, persian.strings);
    EXPECT_EQ(english.items, persian.items);
    EXPECT_EQ(english.blocks, persian.blocks);
    // And every string the code asks for is in the catalogue.
    const std::string ids = readBytes(sourceFile("resources/resource_ids.h"));
    const std::regex define(R"(#define (IDS_\w+))");
    for (auto it = std::sregex_iterator(ids.begin(), ids.end(), define); it != std::sregex_iterator(); ++it)
        EXPECT_TRUE(english.strings.contains((*it)[1])) << (*it)[1];
}

}  // namespace
}  // namespace velmora
