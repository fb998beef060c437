#include "render/occasions_dialog.h"

#include <gtest/gtest.h>

#include <fstream>

#include "render/laid_out_month.h"
#include "render/recording_surface.h"
#include "test_files.h"

namespace velmora {
namespace {

TEST(OccasionsDialog, ColumnsLinesAndColours) {
    const std::string calendar = readBytes(shippedFile("calendar.ini"));
    // Esfand 1403: 12 Esfand is 1 Ramadan 1446 (2 March 2025).
    const CalendarData files = CalendarData::fromText(calendar,
                                                      "[012]\n12=abcdefghij 1\n20=plain day 0\n"
                                                      "[29]\n1=klmnopqr 0\n"
                                                      "[13]\n5=gregorian only 0\n");
    Recording recording;
    recording.metrics[FontId::systemFont] = {7, 16, 3, 1};
    RecordingSurface surface(recording);
    paintOccasionsDialog(surface, layoutHolding(files, Calendar::jalali, {2025, 3, 1}));
    const auto texts = recording.texts();
    // 12 Esfand (holiday), 15 Esfand (5 March, Gregorian only), 20 Esfand: no gaps.
    ASSERT_EQ(texts.size(), 3u + 2u + 2u);
    const std::int32_t w = 7, lineHeight = 17;
    EXPECT_EQ(texts[0].text, u"12");
    EXPECT_EQ(texts[0].x, w + 495);
    EXPECT_EQ(texts[0].y, lineHeight);
    EXPECT_EQ(texts[0].color, kLightPalette.holidayText);
    EXPECT_EQ(texts[1].text, u"abcdefghij");
    EXPECT_EQ(texts[1].x, w + 483);
    EXPECT_EQ(texts[1].align, TextAlign::rightTopRightToLeft);
    EXPECT_EQ(texts[1].color, kLightPalette.holidayText);  // the holiday's own occasion
    EXPECT_EQ(texts[2].text, u"klmnopqr");
    EXPECT_EQ(texts[2].color, kBlack);                  // the day's other occasions are not
    EXPECT_EQ(texts[2].x, w + 483 - (10 * 5 + 2 * w));  // measured words, two characters apart
    EXPECT_EQ(texts[3].text, u"15");
    EXPECT_EQ(texts[3].y, 2 * lineHeight);
    EXPECT_EQ(texts[3].color, kBlack);
    EXPECT_EQ(texts[4].text, u"gregorian only");
    EXPECT_EQ(texts[4].x, w + 7 * 69);  // no Solar Hijri or lunar Hijri text
    EXPECT_EQ(texts[5].text, u"20");
    EXPECT_EQ(texts[5].y, 3 * lineHeight);
    // Scrolled, the same page stands higher.
    recording.calls.clear();
    RecordingSurface fresh(recording);
    paintOccasionsDialog(fresh, layoutHolding(files, Calendar::jalali, {2025, 3, 1}), 2 * lineHeight);
    EXPECT_EQ(recording.texts()[5].y, lineHeight);
}

TEST(OccasionsDialog, GregorianColumnBehindBothTexts) {
    const std::string calendar = readBytes(shippedFile("calendar.ini"));
    // 10 and 8 characters of words, 5 pixels each in the small font, 2 x 7 pixels apart.
    const CalendarData files =
        CalendarData::fromText(calendar, "[012]\n12=abcdefghij 0\n[29]\n1=klmnopqr 0\n[13]\n2=greg 0\n");
    Recording recording;
    RecordingSurface surface(recording);
    paintOccasionsDialog(surface, layoutHolding(files, Calendar::jalali, {2025, 3, 1}));
    const auto texts = recording.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1].x - texts[2].x, 64);
    EXPECT_EQ(texts[1].x - texts[3].x, 64 + 54);
}

TEST(OccasionsDialog, ATextThatWouldCrossTheLeftEdgeGoesBelow) {
    // 77 characters of Solar Hijri words leave no room for the lunar Hijri text.
    const std::string events = "[012]\n12=" + std::string(77, 's') + " 1\n[29]\n1=" + std::string(20, 'l') +
                               " 0\n[13]\n2=greg 0\n[013]\n1=next day 0\n";
    const CalendarData files = CalendarData::fromText(readBytes(shippedFile("calendar.ini")), events);
    Recording recording;
    recording.metrics[FontId::systemFont] = {7, 16, 3, 1};
    RecordingSurface surface(recording);
    paintOccasionsDialog(surface, layoutHolding(files, Calendar::jalali, {2025, 3, 1}));
    const auto texts = recording.texts();
    ASSERT_EQ(texts.size(), 4u);  // day, Solar Hijri; lunar and Gregorian on the next line
    for (const DrawCall& text : texts)
        EXPECT_GE(text.x - (text.align == TextAlign::rightTop ? static_cast<std::int32_t>(text.text.size()) * 5 : 0), 0)
            << text.x;
    EXPECT_EQ(texts[2].x, texts[1].x);
    EXPECT_EQ(texts[2].y, texts[1].y + 17);
    EXPECT_EQ(texts[3].y, texts[2].y);
}

TEST(OccasionsDialog, EsfandOfALeapYearAndNoTable) {
    const std::string events = "[012]\n30=leap 0\n";
    Recording recording;
    {
        const CalendarData files = CalendarData::fromText("", events);  // no calendar.ini: every day is skipped
        RecordingSurface surface(recording);
        paintOccasionsDialog(surface, layoutHolding(files, Calendar::jalali, {2025, 3, 1}));
        EXPECT_TRUE(recording.calls.empty());
    }
    const CalendarData files = CalendarData::fromText(readBytes(shippedFile("calendar.ini")), events);
    RecordingSurface surface(recording);
    paintOccasionsDialog(surface, layoutHolding(files, Calendar::jalali, {2025, 3, 1}));  // Esfand 1403, leap
    EXPECT_EQ(recording.texts().size(), 2u);
    recording.calls.clear();
    paintOccasionsDialog(surface, layoutHolding(files, Calendar::jalali, {2026, 3, 1}));  // Esfand 1404
    EXPECT_TRUE(recording.calls.empty());
}

}  // namespace
}  // namespace velmora
