#include "decisions/tray_text.h"

#include <gtest/gtest.h>

#include "data/executable_folder.h"
#include "decisions/icon_size.h"
#include "decisions/link_area.h"
#include "decisions/startup_value.h"
#include "test_files.h"

namespace velmora {
namespace {

TEST(TrayIcon, NowruzTooltip) {
    const CalendarData files = shippedData();
    const TrayIconContent content = trayIconContent(files, {2024, 3, 20});
    EXPECT_EQ(content.jalaliDay, 1);
    EXPECT_EQ(content.iconId, 102);
    // 9 Ramadan 1445 in Iran.
    EXPECT_EQ(content.tooltip,
              u" \u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647,1 \u0641\u0631\u0648\u0631\u062F\u06CC\u0646 ,1403\n"
              u"Wednesday,20 March,2024\n"
              u"\u0627\u0644\u0627\u0631\u0628\u0639\u0627\u0621,9 \u0631\u0645\u0636\u0627\u0646,1445");
}

TEST(TrayIcon, DayThirtyOneAndFriday) {
    const CalendarData files = shippedData();
    const TrayIconContent content = trayIconContent(files, {2025, 4, 20});
    EXPECT_EQ(content.jalaliDay, 31);  // 31 Farvardin 1404
    EXPECT_EQ(content.iconId, 132);
    const TrayIconContent friday = trayIconContent(files, {2025, 3, 21});
    EXPECT_NE(friday.tooltip.find(u"\nFriDay,21 March,2025\n"), std::u16string::npos);
    for (std::int32_t day = 0; day < 400; ++day) {
        const CivilDate date = dayNumberToGregorian(2460000 + day);
        const TrayIconContent c = trayIconContent(files, date);
        ASSERT_GE(c.iconId, 102);
        ASSERT_LE(c.iconId, 132);
        ASSERT_LE(c.tooltip.size(), 127u);
    }
}

TEST(TrayIcon, WithoutCalendarIni) {
    const CalendarData files;
    const TrayIconContent content = trayIconContent(files, {2025, 3, 2});
    EXPECT_EQ(content.iconId, 101 + 12);                              // 12 Esfand
    EXPECT_NE(content.tooltip.find(u",1446"), std::u16string::npos);  // the tabular calendar answers
}

TEST(StartupValue, TheModulePathQuotedAndWhole) {
    EXPECT_EQ(startupCommand(u"C:\\Program Files\\Velmora\\Velmora.exe"),
              u"\"C:\\Program Files\\Velmora\\Velmora.exe\"");
    // A path far beyond 260 characters, with blanks, read as GetModuleFileName gives it.
    std::u16string deep = u"C:\\Users\\A B\\";
    for (int i = 0; i < 40; ++i) deep += u"folder " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\\";
    deep += u"Velmora.exe";
    ASSERT_GT(deep.size(), 300u);
    std::int32_t reads = 0;
    const std::u16string read = readWholePath([&](char16_t* buffer, std::size_t size) {
        ++reads;
        const std::size_t n = std::min(size, deep.size());  // cut, as the system cuts it
        std::copy_n(deep.begin(), n, buffer);
        return n;
    });
    EXPECT_EQ(read, deep);
    EXPECT_EQ(reads, 2);  // 260, then 520
    EXPECT_EQ(startupCommand(read), u"\"" + deep + u"\"");
    EXPECT_EQ(readWholePath([](char16_t*, std::size_t) { return std::size_t{0}; }), u"");
}

TEST(IconSize, FollowsTheDisplayScale) {
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 96), 16);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 120), 20);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 144), 24);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 192), 32);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 288), 48);
    EXPECT_EQ(iconSizeForDpi(kWindowIconPixels, 144), 48);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 0), 16);  // no answer from the system
}

TEST(LinkArea, HoverAndClick) {
    // W 393, H 509, character width 7: the link begins at x 140.
    EXPECT_TRUE(overLink(141, 510, 393, 509, 7));
    EXPECT_FALSE(overLink(140, 510, 393, 509, 7));
    EXPECT_FALSE(overLink(240, 510, 393, 509, 7));
    EXPECT_FALSE(overLink(150, 509, 393, 509, 7));
    EXPECT_FALSE(overLink(150, 522, 393, 509, 7));
    EXPECT_TRUE(linkClicked(138, 507, 393, 509));  // x1 = 137
    EXPECT_FALSE(linkClicked(137, 507, 393, 509));
    EXPECT_FALSE(linkClicked(138, 519, 393, 509));
}

}  // namespace
}  // namespace velmora
