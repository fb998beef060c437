#include "decisions/tray_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/native_digits.h"
#include "resources/resource_ids.h"
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
              u"Wednesday, 1 Farvardin, 1403\n"
              u"Wednesday, 20 March, 2024\n"
              u"Wednesday, 9 Ramadan, 1445");
}

TEST(TrayIcon, DayThirtyOneAndFriday) {
    const CalendarData files = shippedData();
    const TrayIconContent content = trayIconContent(files, {2025, 4, 20});
    EXPECT_EQ(content.jalaliDay, 31);  // 31 Farvardin 1404
    EXPECT_EQ(content.iconId, 132);
    const TrayIconContent friday = trayIconContent(files, {2025, 3, 21});
    EXPECT_NE(friday.tooltip.find(u"\nFriday, 21 March, 2025\n"), std::u16string::npos);
    for (std::int32_t day = 0; day < 400; ++day) {
        const CivilDate date = dayNumberToGregorian(2460000 + day);
        const TrayIconContent c = trayIconContent(files, date);
        ASSERT_GE(c.iconId, 102);
        ASSERT_LE(c.iconId, 132);
        ASSERT_LE(c.tooltip.size(), 127u);
    }
}

// In the Persian interface a Persian sentence a line, Persian digits, no stray blanks or commas,
// each line held in a right-to-left embedding.
TEST(TrayIcon, PersianSentences) {
    const CalendarData files = shippedData();
    const TrayIconContent content = trayIconContent(files, {2026, 12, 9}, Language::persian);
    EXPECT_EQ(
        content.tooltip,
        u"\u2067\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647 \u06F1\u06F8 \u0622\u0630\u0631 "
        u"\u06F1\u06F4\u06F0\u06F5\u2069\n"  // چهارشنبه ۱۸ آذر ۱۴۰۵
        u"\u2067\u06F9 \u062F\u0633\u0627\u0645\u0628\u0631 \u06F2\u06F0\u06F2\u06F6\u2069\n"  // ۹ دسامبر ۲۰۲۶
        u"\u2067" +
            std::u16string(
                formatPersianDigits(lunarDate(files.hijri(), gregorianToDayNumber(2026, 12, 9))->day).view()) +
            u" \u062C\u0645\u0627\u062F\u06CC \u0627\u0644\u062B\u0627\u0646\u06CC \u06F1\u06F4\u06F4\u06F8\u2069");
    EXPECT_EQ(content.iconId, IDI_DAY_BASE + 18);
    EXPECT_EQ(content.tooltip.find(u','), std::u16string::npos);
    EXPECT_EQ(content.tooltip.find(u"  "), std::u16string::npos);
    EXPECT_NE(trayIconContent(files, {2026, 12, 9}).tooltip, content.tooltip);  // English keeps its form
}

// Option > Digits reaches the tooltip's numbers and the icon's day, in either language.
TEST(TrayIcon, ChosenDigitsInTheTooltipAndTheIcon) {
    const CalendarData files;
    const TrayIconContent latin = trayIconContent(files, {2026, 12, 9}, Language::persian, {}, DigitChoice::latin);
    EXPECT_EQ(latin.iconId, IDI_LATIN_DAY_BASE + 18);
    EXPECT_NE(latin.tooltip.find(u"18 \u0622\u0630\u0631 1405"), std::u16string::npos);  // 18 آذر 1405
    EXPECT_EQ(std::count_if(latin.tooltip.begin(), latin.tooltip.end(),
                            [](char16_t c) { return c >= u'\u06F0' && c <= u'\u06F9'; }),
              0);
    const TrayIconContent persian = trayIconContent(files, {2026, 12, 9}, Language::english, {}, DigitChoice::persian);
    EXPECT_EQ(persian.iconId, IDI_DAY_BASE + 18);
    EXPECT_TRUE(persian.tooltip.starts_with(u"Wednesday, \u06F1\u06F8 Azar, \u06F1\u06F4\u06F0\u06F5\n"));
    EXPECT_EQ(trayIconContent(files, {2026, 12, 9}, Language::english, {}, DigitChoice::asLanguage).tooltip,
              trayIconContent(files, {2026, 12, 9}).tooltip);
}

TEST(TrayIcon, NoLunarLineWithoutALunarDate) {
    const CalendarData files;
    const TrayIconContent content = trayIconContent(files, {2025, 3, 2});
    EXPECT_EQ(content.iconId, IDI_DAY_BASE + 12);  // 12 Esfand
    EXPECT_EQ(std::count(content.tooltip.begin(), content.tooltip.end(), u'\n'), 1);
    EXPECT_TRUE(content.tooltip.ends_with(u", 2025"));
}

TEST(TrayIcon, TheUsersOwnDaysOfTodayCloseTheTooltip) {
    CalendarData data = shippedData();
    data.myDays = {{Calendar::hijri, 6, 29, u"Mother's birthday", false},
                   {Calendar::jalali, 9, 19, u"not today", true}};
    for (const Language language : {Language::english, Language::persian}) {
        const std::u16string tip = trayIconContent(data, {2026, 12, 9}, language).tooltip;  // 29 Jumada II 1448
        EXPECT_TRUE(tip.ends_with(u"\n\u2605 Mother's birthday"));
        EXPECT_EQ(tip.find(u"not today"), std::u16string::npos);
    }
    // The next time of prayer follows the dates, before the user's days.
    EXPECT_TRUE(trayIconContent(data, {2026, 12, 9}, Language::english, u"Maghrib 17:11")
                    .tooltip.ends_with(u", 1448\nMaghrib 17:11\n\u2605 Mother's birthday"));
}

}  // namespace
}  // namespace velmora
