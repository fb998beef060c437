#include "data/dialog_template.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

void word(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}
void dword(std::vector<std::uint8_t>& out, std::uint32_t value) {
    word(out, value & 0xFFFF);
    word(out, value >> 16);
}
void text(std::vector<std::uint8_t>& out, std::u16string_view value) {
    for (const char16_t unit : value) word(out, unit);
    word(out, 0);
}
void align(std::vector<std::uint8_t>& out) {
    while (out.size() % 4 != 0) out.push_back(0);
}

// An extended template as the resource compiler lays one out: a title, a font, one button.
std::vector<std::uint8_t> dialogIn(std::u16string_view face) {
    std::vector<std::uint8_t> out;
    word(out, 1);
    word(out, 0xFFFF);
    dword(out, 0);
    dword(out, 0);
    dword(out, 0x80C800C0);  // WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT
    word(out, 1);
    for (int i = 0; i < 4; ++i) word(out, 10 * i);
    word(out, 0);  // no menu
    word(out, 0);  // the dialog class
    text(out, u"About Velmora");
    word(out, 8);
    word(out, 400);
    out.push_back(0);
    out.push_back(1);
    text(out, face);
    align(out);
    std::vector<std::uint8_t> button;
    dword(button, 0);
    dword(button, 0);
    dword(button, 0x50010001);
    for (int i = 0; i < 4; ++i) word(button, 5 + i);
    dword(button, 1);
    word(button, 0xFFFF);
    word(button, 0x0080);
    text(button, u"OK");
    word(button, 0);
    out.insert(out.end(), button.begin(), button.end());
    return out;
}

TEST(DialogTemplate, TheFontChangesAndTheItemsStayWhole) {
    const std::vector<std::uint8_t> tahoma = dialogIn(u"TAHOMA");
    for (const std::u16string_view face : {u"Segoe UI", u"Tahoma", u"A", u"Microsoft Sans Serif"}) {
        const std::vector<std::uint8_t> changed = withDialogFont(tahoma, face, 9);
        // The same as a template designed in that face, at 9 points.
        std::vector<std::uint8_t> expected = dialogIn(face);
        expected[26 + 2 + 2 + 28] = 9;  // the point size, after the header, no menu, no class, the title
        EXPECT_EQ(changed.size() % 4, tahoma.size() % 4);
        EXPECT_EQ(changed, expected) << std::string(face.begin(), face.end());
    }
}

TEST(DialogTemplate, WhatIsNoTemplateWithAFontIsLeftAlone) {
    const std::vector<std::uint8_t> whole = dialogIn(u"TAHOMA");
    for (std::size_t size = 0; size < 80; ++size)  // cut anywhere before its first item: refused, not read past
        EXPECT_TRUE(withDialogFont(std::span(whole).first(size), u"Segoe UI", 9).empty()) << size;
    std::vector<std::uint8_t> noFont = whole;
    noFont[12] &= static_cast<std::uint8_t>(~0x40);
    EXPECT_TRUE(withDialogFont(noFont, u"Segoe UI", 9).empty());
    std::vector<std::uint8_t> old = whole;
    old[2] = 0;  // a plain DLGTEMPLATE
    EXPECT_TRUE(withDialogFont(old, u"Segoe UI", 9).empty());
}

}  // namespace
}  // namespace velmora
