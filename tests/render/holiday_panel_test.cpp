#include "render/holiday_panel.h"

#include <gtest/gtest.h>

#include <fstream>

#include "data/text_codec.h"
#include "render/laid_out_month.h"
#include "render/recording_surface.h"
#include "test_files.h"

namespace velmora {
namespace {

// The shipped calendar.ini with an events.ini written for the test.
class MonthOccasionsTest : public ::testing::Test {
  protected:
    std::string calendar_ = readBytes(shippedFile("calendar.ini"));
    Recording recording_;

    void SetUp() override { recording_.metrics[FontId::systemFont] = {7, 16, 3, 0}; }
    std::vector<DrawCall> draw(std::string_view events, CivilDate shown, Calendar mode, std::int32_t w = 390,
                               std::int32_t h = 400, Rect button = {}) {
        return drawWith(CalendarData::fromText(calendar_, events), shown, mode, w, h, button);
    }
    std::vector<DrawCall> drawWith(const CalendarData& files, CivilDate shown, Calendar mode, std::int32_t w = 390,
                                   std::int32_t h = 400, Rect button = {}) {
        RecordingSurface surface(recording_);
        const MonthLayout layout = layoutHolding(files, mode, shown);
        drawHolidayPanel(surface,
                         MonthView{layout, w, h, button, {u"%s more", true, false, {}, Language::english, u"%s here"}});
        return recording_.texts();
    }
};

TEST(MonthOccasionsPosition, TheDoubleConstantTruncates) {
    EXPECT_EQ(monthOccasionsTextEnd(390, 7), 331);
    EXPECT_EQ(monthOccasionsTextEnd(520, 7), 430);  // 10/13 itself would give 431
}

TEST_F(MonthOccasionsTest, WorkedPositions) {
    const auto texts = draw("[01]\n1=first 1\n2=second 1\n", {2025, 3, 25}, Calendar::jalali);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, u"\u06F1");  // as the Solar Hijri grid writes it
    EXPECT_EQ(texts[0].x, 348);
    EXPECT_EQ(texts[0].y, 320);
    EXPECT_EQ(texts[0].align, TextAlign::leftTop);
    EXPECT_EQ(texts[0].font, FontId::smallFont);
    EXPECT_EQ(texts[0].color, kBlack);
    EXPECT_EQ(texts[1].text, u"first");
    EXPECT_EQ(texts[1].x, 331);
    EXPECT_EQ(texts[1].align, TextAlign::rightTopRightToLeft);
    EXPECT_EQ(texts[3].y, 332);
}

// At 400 pixels six lines stand between clientHeight - 80 and the link at the foot: with
// more holidays, five and a line that counts the rest.
TEST_F(MonthOccasionsTest, AsManyLinesAsFitThenACount) {
    std::string events = "[01]\n";
    for (std::int32_t day = 3; day <= 30; day += 3)
        events += std::to_string(day) + "=day " + std::to_string(day) + " 1\n";
    const auto texts = draw(events, {2025, 3, 25}, Calendar::jalali);
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[9].text, u"day 15");
    EXPECT_EQ(texts[10].text, u"\u06F5 more");  // days 18 to 30
    EXPECT_EQ(texts[10].y, 320 + 5 * 12);
    EXPECT_LE(texts[10].y + 14, 400);
    // Miladi mode hides the occasions button: the count does not send the reader to it.
    recording_.calls.clear();
    std::string esfand = "[012]\n";  // Esfand 1403: 20 February to 20 March 2025
    for (std::int32_t day = 10; day <= 30; day += 2)
        esfand += std::to_string(day) + "=day " + std::to_string(day) + " 1\n";
    const auto miladi = draw(esfand, {2025, 3, 10}, Calendar::gregorian);
    ASSERT_FALSE(miladi.empty());
    EXPECT_TRUE(miladi.back().text.ends_with(u" here")) << toUtf8(miladi.back().text);
    recording_.calls.clear();
    events = "[01]\n1=one 1\n2=two 1\n3=three 1\n4=four 1\n5=five 1\n6=six 1\n";
    EXPECT_EQ(draw(events, {2025, 3, 25}, Calendar::jalali).back().text, u"six");  // six fit whole
}

TEST_F(MonthOccasionsTest, LinesBesideTheButtonStopShortOfIt) {
    std::string events = "[01]\n";
    for (std::int32_t day = 1; day <= 5; ++day) events += std::to_string(day) + "=day " + std::to_string(day) + " 1\n";
    events += "6=" + std::string(70, 'x') + " 1\n";
    const Rect button{27, 374, 87, 394};
    const auto texts = draw(events, {2025, 3, 25}, Calendar::jalali, 390, 400, button);
    ASSERT_EQ(texts.size(), 12u);
    const DrawCall& sixth = texts[11];
    EXPECT_EQ(sixth.y, 320 + 5 * 12);
    EXPECT_EQ(sixth.text, std::u16string(47, u'x') + u"\u2026");  // 240 pixels: from 91 to 331
    EXPECT_GE(sixth.x - static_cast<std::int32_t>(sixth.text.size()) * 5, button.right);
    EXPECT_EQ(texts[9].text, u"day 5");  // the lines above it are whole
}

// The shipped months with the longest lines and the most holidays, in every mode: each line
// inside the window, clear of the button, the day as the grid shows it.
TEST_F(MonthOccasionsTest, ShippedMonthsStayInsideTheWindow) {
    const CalendarData files = shippedData();
    const Rect button{27, 498, 87, 518};
    struct Case {
        CivilDate shown;
        Calendar mode;
        std::u16string firstDay;
    };
    for (const Case& c : {Case{{2024, 3, 25}, Calendar::jalali, u"\u06F1"},          // Farvardin 1403
                          Case{{2026, 8, 10}, Calendar::jalali, u"\u06F1\u06F3"},    // Mordad 1405
                          Case{{2024, 4, 5}, Calendar::gregorian, u"1"},             // April 2024
                          Case{{2026, 8, 10}, Calendar::hijri, u"\u0662\u0660"}}) {  // Safar 1448
        recording_.calls.clear();
        const auto texts = drawWith(files, c.shown, c.mode, 393, 509, button);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].text, c.firstDay);
        for (const DrawCall& t : texts) {
            const std::int32_t left =
                t.align == TextAlign::leftTop ? t.x : t.x - 5 * static_cast<std::int32_t>(t.text.size());
            EXPECT_GE(left, 27) << toUtf8(t.text);
            EXPECT_LE(t.y + 14, 509);
            if (t.y + 14 > button.top) {
                EXPECT_GE(left, button.right) << toUtf8(t.text);
            }
        }
    }
    // Farvardin 1403 has eight holidays: five lines and "3 more".
    recording_.calls.clear();
    const auto farvardin = drawWith(files, {2024, 3, 25}, Calendar::jalali, 393, 509, button);
    EXPECT_EQ(farvardin.back().text, u"\u06F3 more");
}

TEST_F(MonthOccasionsTest, EsfandOfALeapYearHasThirtyDays) {
    const std::string events = "[012]\n30=last day 1\n";
    EXPECT_EQ(draw(events, {2025, 3, 10}, Calendar::jalali).size(), 2u);  // 1403 is leap
    recording_.calls.clear();
    EXPECT_TRUE(draw(events, {2026, 3, 10}, Calendar::jalali).empty());  // 1404 is not
}

TEST_F(MonthOccasionsTest, MiladiModeScansTheGregorianMonth) {
    // 10 Esfand 1402 is 29 February 2024; 11 Esfand is 1 March.
    const std::string events = "[012]\n10=leap day 1\n11=first of March 1\n";
    auto texts = draw(events, {2024, 2, 5}, Calendar::gregorian);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, u"29");  // the day as the Gregorian grid shows it
    EXPECT_EQ(texts[1].text, u"leap day");
    recording_.calls.clear();
    // February 2023: 28 days end on 9 Esfand 1401; 1 March 2023 is never scanned.
    texts = draw("[012]\n9=last of February 1\n10=first of March 1\n", {2023, 2, 5}, Calendar::gregorian);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, u"last of February");
}

TEST_F(MonthOccasionsTest, TheFlagRule) {
    // 1 Ramadan 1446 = 12 Esfand 1403 (2 March 2025); 2 Ramadan = 13 Esfand; 3 Ramadan = 14 Esfand.
    const std::string events =
        "[29]\n1=lunar only 1\n2=lunar wins 1\n3=lunar beside two 1\n"
        "[012]\n13=solar too 1\n14=solar two 2\n";
    const auto texts = draw(events, {2025, 3, 1}, Calendar::jalali);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, u"\u06F1\u06F2");
    EXPECT_EQ(texts[1].text, u"lunar only");
    EXPECT_EQ(texts[2].text, u"\u06F1\u06F3");
    EXPECT_EQ(texts[3].text, u"lunar wins");
    recording_.calls.clear();
    // Hijri mode scans the lunar month itself: Ramadan 1446 from 2 March.
    EXPECT_EQ(draw(events, {2025, 3, 20}, Calendar::hijri).size(), 4u);
}

TEST_F(MonthOccasionsTest, ShortAndLongTextsDrawSafely) {
    const auto texts =
        draw("[01]\n1=1\n2=" + std::string(500, 'x') + " 1\n3=\xFF\xFE\xFD 1\n", {2025, 3, 25}, Calendar::jalali);
    ASSERT_EQ(texts.size(), 3u);  // day 1 draws its number only; day 2's flag was cut away
    EXPECT_EQ(texts[0].text, u"\u06F1");
    EXPECT_EQ(texts[1].text, u"\u06F3");
    EXPECT_EQ(texts[2].text, u"\uFFFD\uFFFD\uFFFD");
}

TEST_F(MonthOccasionsTest, NothingOutsideTheLunarTable) {
    const CalendarData files = CalendarData::fromText("", "[01]\n1=Nowruz 1\n");
    RecordingSurface surface(recording_);
    const MonthLayout layout = layoutHolding(files, Calendar::jalali, {2025, 3, 25});
    drawHolidayPanel(surface, MonthView{layout, 390, 400});
    EXPECT_TRUE(recording_.calls.empty());
}

}  // namespace
}  // namespace velmora
