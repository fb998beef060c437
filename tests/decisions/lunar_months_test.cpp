#include "decisions/lunar_months.h"

#include <gtest/gtest.h>

#include "calendar/hijri_correction.h"

#include "test_files.h"

namespace velmora {
namespace {

TEST(LunarMonths, TheDialogListsFromTheLastOfficialMonthToAYearAhead) {
    const CalendarData data = shippedData();
    const auto rows = correctableLunarMonths(data, {2026, 12, 9});  // 29 Jumada al-Thani 1448
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows.front().year * 100 + rows.front().month, 144712);
    EXPECT_EQ(rows.back().year * 100 + rows.back().month, 144906);
    EXPECT_FALSE(rows[0].correctable);  // official
    EXPECT_FALSE(rows[1].correctable);  // Muharram 1448 would move Dhu al-Hijja 1447, official
    EXPECT_TRUE(rows[2].correctable);   // published months may be announced otherwise
    const LunarMonthRow& shawwal = rows[10];
    EXPECT_EQ(shawwal.source, MonthSource::predicted);
    EXPECT_EQ(lunarMonthRowText(shawwal, Language::english, u"predicted"),
              u"Shawwal 1448\t19 Esfand 1405\t10 March 2027\tpredicted");
    EXPECT_EQ(lunarMonthRowText(shawwal, Language::persian, u"x"),
              u"\u2067\u0634\u0648\u0627\u0644 \u06F1\u06F4\u06F4\u06F8\u2069\t\u2067\u06F1\u06F9 "
              u"\u0627\u0633\u0641\u0646\u062F "
              u"\u06F1\u06F4\u06F0\u06F5\u2069\t\u2067\u06F1\u06F0 \u0645\u0627\u0631\u0633 "
              u"\u06F2\u06F0\u06F2\u06F7\u2069\tx");

    const auto options = lunarStartOptions(data, shawwal, Language::english);
    ASSERT_EQ(options.size(), 2u);
    EXPECT_EQ(options[0].text, u"Tuesday 9 March 2027 (18 Esfand 1405)");
    EXPECT_EQ(options[1].text, u"Wednesday 10 March 2027 (19 Esfand 1405)");
    EXPECT_TRUE(options[0].possible && options[1].possible);
    // Jumada al-Awwal and Jumada al-Thani 1448 both have 30 days: the second cannot begin a day
    // earlier, which would give it 31.
    const auto later = lunarStartOptions(data, rows[6], Language::english);
    ASSERT_EQ(later.size(), 2u);
    EXPECT_FALSE(later[0].possible);
    EXPECT_TRUE(later[1].possible);
    EXPECT_TRUE(correctableLunarMonths(CalendarData(), {2026, 12, 9}).empty());
    EXPECT_EQ(tableMadeWords(data, Language::english), u"8 December 2026");
    EXPECT_EQ(tableMadeWords(data, Language::persian), u"\u06F1\u06F7 \u0622\u0630\u0631 \u06F1\u06F4\u06F0\u06F5");
    EXPECT_EQ(tableMadeWords(CalendarData(), Language::english), u"");
}

// Once Shawwal 1448 is corrected, About says the predictions begin with Dhu al-Qada.
TEST(LunarMonths, AboutNamesTheFirstMonthStillPredicted) {
    const std::string calendar = readBytes(shippedFile("calendar.ini")), events = readBytes(shippedFile("events.ini"));
    const CalendarData shipped = CalendarData::fromText(calendar, events);
    EXPECT_TRUE(aboutLunarNote(shipped, Language::english, u"from %s on").starts_with(u"from Shawwal 1448 on"));
    const CorrectedTable corrected = startLunarMonth(calendar, 1448, 10, gregorianToDayNumber(2027, 3, 9));
    ASSERT_EQ(corrected.problem, "");
    EXPECT_TRUE(aboutLunarNote(CalendarData::fromText(corrected.text, events), Language::english, u"from %s on")
                    .starts_with(u"from Dhu al-Qada 1448 on"));
}

TEST(LunarMonths, TheNoticeComesOnceFromThirtyDaysBeforeTheFirstPredictedMonth) {
    const CalendarData data = shippedData();
    EXPECT_FALSE(predictionNoticeDue(data, {2027, 2, 7}, u""));
    const auto notice = predictionNoticeDue(data, {2027, 2, 8}, u"");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->key, u"1448/10");
    EXPECT_EQ(dayNumberToGregorian(notice->first), (CivilDate{2027, 3, 10}));
    EXPECT_EQ(predictionNoticeMonth(data, *notice, Language::english), u"Shawwal 1448 (10 March 2027)");
    EXPECT_EQ(predictionNoticeMonth(data, *notice, Language::persian), u"شوال ۱۴۴۸ (۱۹ اسفند ۱۴۰۵)");
    EXPECT_TRUE(predictionNoticeDue(data, {2030, 1, 1}, u"1448/9"));  // an older table's notice
    EXPECT_FALSE(predictionNoticeDue(data, {2030, 1, 1}, u"1448/10"));
    EXPECT_FALSE(predictionNoticeDue(CalendarData(), {2030, 1, 1}, u""));
}

}  // namespace
}  // namespace velmora
