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

// The help in each language names that language's menus, and lists every key the window takes.
TEST(Catalogue, TheHelpNamesItsLanguagesMenusAndEveryKey) {
    const std::string help = readBytes(sourceFile("resources/content.htm"));
    const std::size_t english = help.find("<section lang=\"en\"");
    ASSERT_NE(english, std::string::npos);
    const std::string persianPart = help.substr(0, english), englishPart = help.substr(english);
    for (const char* englishMenu :
         {"Option", "Jalali Mode", "Go To Today", "Add to Startup", "OPEN", "My Days", "Theme", "Digits"})
        EXPECT_EQ(persianPart.find(englishMenu), std::string::npos) << englishMenu;
    for (const char* persianMenu : {"گزینه‌ها", "نمای خورشیدی", "برو به امروز", "روزهای من", "اصلاح ماه قمری",
                                    "اوقات شرعی", "پوسته", "نمایش اعداد"})
        EXPECT_NE(persianPart.find(persianMenu), std::string::npos) << persianMenu;
    for (const char* key :
         {"Page Up", "Ctrl+Page Up", "Home", "F1", "Esc", "Ctrl+1", "Ctrl+2", "Ctrl+3", "Tab", "Enter", "Alt"}) {
        EXPECT_NE(persianPart.find(std::string("<kbd>") + key + "</kbd>"), std::string::npos) << key;
        EXPECT_NE(englishPart.find(std::string("<kbd>") + key + "</kbd>"), std::string::npos) << key;
    }
}

}  // namespace
}  // namespace velmora
