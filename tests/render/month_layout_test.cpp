// The month view through a recording surface, at the client size of the worked examples.
#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/calendar_record.h"
#include "calendar/native_digits.h"
#include "data/text_codec.h"
#include "decisions/navigation.h"
#include "recording_surface.h"
#include "render/companions.h"
#include "render/laid_out_month.h"
#include "render/main_paint.h"
#include "render/month_grid.h"
#include "render/occasions_dialog.h"
#include "render/weekday_strip.h"
#include "test_files.h"

namespace velmora {
namespace {

constexpr std::int32_t kW = 393;
constexpr std::int32_t kH = 509;

class MonthViewTest : public ::testing::Test {
  protected:
    CalendarData files_ = shippedData();
    Recording recording_;
    RecordingSurface surface_{recording_};

    MonthLayout layout_;

    // The month of the mode that holds the shown date, laid out anew, in the Persian
    // interface of the worked examples.
    MonthView view(CivilDate shown, Calendar mode, CivilDate today = {2000, 1, 1}) {
        layout_ = layoutHolding(files_, mode, shown, today);
        MonthView shownView{layout_, kW, kH};
        shownView.words.language = Language::persian;
        return shownView;
    }
    // What the year box and the month box show for the month of the mode holding this date.
    MonthControls controlsOf(CivilDate shown, Calendar mode) const {
        return monthControls(monthHolding(mode, files_, gregorianToDayNumber(shown.year, shown.month, shown.day)));
    }
    static CivilDate gregorianOf(std::int32_t jy, std::int32_t jm, std::int32_t jd) {
        return dayNumberToGregorian(jalaliToDayNumber(jy, jm, jd));
    }
    // The texts drawn in a color, in order.
    std::vector<std::u16string> textsIn(Rgb color) const {
        std::vector<std::u16string> result;
        for (const DrawCall& call : recording_.texts())
            if (call.color == color) result.push_back(call.text);
        return result;
    }
};

std::u16string persian(std::int32_t value) { return std::u16string(formatPersianDigits(value).view()); }
std::u16string arabic(std::int32_t value) { return std::u16string(formatArabicDigits(value).view()); }

TEST_F(MonthViewTest, JalaliStripAndPanel) {
    drawJalaliWeekdayStrip(surface_, view({2025, 3, 1}, Calendar::jalali));
    const auto panels = recording_.ofKind(DrawCall::Kind::fillRoundRect);
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(panels[0].rect, (Rect{27, 96, 369, 430}));
    EXPECT_EQ(panels[0].ellipse, 10);
    EXPECT_EQ(panels[0].color, (Rgb{255, 255, 225}));
    const auto bitmaps = recording_.ofKind(DrawCall::Kind::andBitmap);
    ASSERT_EQ(bitmaps.size(), 7u);
    for (std::int32_t k = 0; k < 7; ++k) {
        EXPECT_EQ(bitmaps[k].x, 34 + 48 * k);
        EXPECT_EQ(bitmaps[k].y, 100);
        EXPECT_EQ(bitmaps[k].bitmapId, 214 + k);  // Friday at the left
        EXPECT_EQ(bitmaps[k].width, 30);
        EXPECT_EQ(bitmaps[k].height, 30);
    }
}

// Every strip of names, in both languages: each weekday's name stands over the grid's cells of
// that weekday (the recording's text is as wide as its characters at the font's average).
TEST_F(MonthViewTest, WeekdayNamesStandOverTheirDays) {
    struct Case {
        Calendar mode;
        Language language;
        std::u16string saturday;
    };
    for (const Case& c :
         {Case{Calendar::jalali, Language::english, u"Sat"}, Case{Calendar::gregorian, Language::english, u"Sat"},
          Case{Calendar::hijri, Language::english, u"Sat"},
          Case{Calendar::gregorian, Language::persian, u"\u0634\u0646\u0628\u0647"},
          Case{Calendar::hijri, Language::persian, u"\u0627\u0644\u0633\u0628\u062A"}}) {
        recording_.calls.clear();
        MonthView shown = view({2025, 3, 1}, c.mode);
        shown.words.language = c.language;
        drawWeekdayStrip(surface_, shown);
        const auto texts = recording_.texts();
        ASSERT_GE(texts.size(), 7u);
        EXPECT_TRUE(recording_.ofKind(DrawCall::Kind::andBitmap).empty());
        for (const LaidOutDay& day : layout_.days) {
            const Rect cellBox = gridCell(kW, kH, day.cell.row, day.cell.screenColumn).box;
            // The names of this weekday: one line, or two in a narrower font.
            bool found = false;
            for (const DrawCall& text : texts) {
                const std::int32_t width =
                    static_cast<std::int32_t>(text.text.size()) * (text.font == FontId::smallFont ? 5 : 8);
                if (text.x + width / 2 < cellBox.left || text.x + width / 2 >= cellBox.right) continue;
                found = true;
                EXPECT_GE(text.x, cellBox.left) << toUtf8(text.text);
                EXPECT_LE(text.x + width, cellBox.right) << toUtf8(text.text);
            }
            EXPECT_TRUE(found) << "no name over weekday " << day.cell.weekdayColumn;
        }
        // Saturday over the grid's Saturdays: the rightmost column in the right-to-left grids.
        const auto saturday =
            std::find_if(texts.begin(), texts.end(), [&](const DrawCall& t) { return t.text == c.saturday; });
        ASSERT_NE(saturday, texts.end());
        EXPECT_EQ(saturday->x > kW / 2, calendarRecord(c.mode).rightToLeft);
    }
    // The Persian Jalali strip stays the weekdays' pictures.
    recording_.calls.clear();
    MonthView jalali = view({2025, 3, 1}, Calendar::jalali);
    jalali.words.language = Language::persian;
    drawWeekdayStrip(surface_, jalali);
    EXPECT_EQ(recording_.ofKind(DrawCall::Kind::andBitmap).size(), 7u);
}

// In English a companion's months read from the left in Latin letters: "February → March".
TEST_F(MonthViewTest, EnglishHeaderReadsFromTheLeft) {
    MonthView shown = view(gregorianOf(1403, 12, 5), Calendar::jalali);
    shown.words.language = Language::english;
    drawCompanion(surface_, shown, 0);
    std::vector<DrawCall> names;
    for (const DrawCall& call : recording_.texts())
        if (call.font == FontId::smallFont) names.push_back(call);
    ASSERT_EQ(names.size(), 3u);
    std::sort(names.begin(), names.end(), [](const DrawCall& a, const DrawCall& b) { return a.x < b.x; });
    EXPECT_EQ(names[0].text, u"February");
    EXPECT_EQ(names[0].color, kLightPalette.firstSlot);
    EXPECT_EQ(names[1].text, u" \u2192 ");
    EXPECT_EQ(names[2].text, u"March");
    for (std::size_t i = 0; i + 1 < names.size(); ++i)
        EXPECT_EQ(names[i].x + 5 * static_cast<std::int32_t>(names[i].text.size()), names[i + 1].x);
}

TEST_F(MonthViewTest, GridLayout) {
    const GridCell first = gridCell(kW, kH, 1, 0);
    EXPECT_EQ(first.x, 45);
    EXPECT_EQ(first.y, 139);
    EXPECT_EQ(first.box, (Rect{29, 128, 77, 173}));
    for (std::int32_t k = 0; k < 7; ++k) EXPECT_EQ(gridCell(kW, kH, 1, k).x, 45 + 48 * k);
    for (std::int32_t r = 1; r <= 6; ++r) EXPECT_EQ(gridCell(kW, kH, r, 0).y, 139 + 52 * (r - 1));
}

TEST_F(MonthViewTest, JalaliGridOfAMonthBeginningOnTuesday) {
    // Find a Solar Hijri month whose 1st is a Tuesday.
    std::int32_t month = 1;
    while (weekdayColumn(jalaliToDayNumber(1404, month, 1)) != 3) ++month;
    drawMonthGrid(surface_, view(gregorianOf(1404, month, 10), Calendar::jalali));
    const MonthControls controls = controlsOf(gregorianOf(1404, month, 10), Calendar::jalali);
    EXPECT_EQ(controls.yearText, persian(1404));
    EXPECT_EQ(controls.monthIndex, month - 1);
    const auto texts = recording_.texts();
    const auto at = [&](std::int32_t day) {
        return *std::find_if(texts.begin(), texts.end(), [&](const DrawCall& c) { return c.text == persian(day); });
    };
    EXPECT_EQ(at(1).x, 189);
    EXPECT_EQ(at(1).y, 139);
    EXPECT_EQ(at(4).x, 45);   // the first Friday
    EXPECT_EQ(at(5).x, 333);  // Saturday opens row 2
    EXPECT_EQ(at(5).y, 191);
    EXPECT_EQ(at(1).font, FontId::gridFont);
}

TEST_F(MonthViewTest, JalaliGridFridaysAndHolidaysRed) {
    // Farvardin 1404: 31 days from Friday 21 March 2025; Nowruz 1-4, 12 and 13 are holidays,
    // and so are Eid al-Fitr and the day after (10 and 11 Farvardin 1404).
    drawMonthGrid(surface_, view({2025, 3, 25}, Calendar::jalali));
    const auto red = textsIn(kRed);
    std::vector<std::u16string> expected;
    for (std::int32_t day = 1; day <= 31; ++day) {
        const bool friday = weekdayColumn(jalaliToDayNumber(1404, 1, day)) == 6;
        if (friday || isHoliday(files_, 1404, 1, day)) expected.push_back(persian(day));
    }
    EXPECT_EQ(red, expected);
    for (const std::int32_t day : {1, 2, 3, 4, 12, 13}) {
        EXPECT_NE(std::find(red.begin(), red.end(), persian(day)), red.end()) << day;
    }
    // Six rows: the 1st alone in row 1 at the left, the 30th and 31st in row 6.
    const auto texts = recording_.texts();
    EXPECT_EQ(texts.front().x, 45);
    EXPECT_EQ(texts.back().y, 139 + 5 * 52);
    EXPECT_TRUE(recording_.ofKind(DrawCall::Kind::frameRoundRect).empty());  // today is elsewhere
}

TEST_F(MonthViewTest, TodaysFrameOnlyInTodaysMonth) {
    const CivilDate today{2025, 3, 28};  // Friday 8 Farvardin 1404
    drawMonthGrid(surface_, view({2025, 3, 25}, Calendar::jalali, today));
    auto frames = recording_.ofKind(DrawCall::Kind::frameRoundRect);
    ASSERT_EQ(frames.size(), 1u);
    const DayCell cell{6, 2, 0};  // Friday, row 2, leftmost
    EXPECT_EQ(frames[0].rect, gridCell(kW, kH, cell.row, cell.screenColumn).box);
    // A Friday: drawn black, red, and red again under the frame.
    const auto red = textsIn(kRed);
    EXPECT_EQ(std::count(red.begin(), red.end(), persian(8)), 2);
    recording_.calls.clear();
    drawMonthGrid(surface_, view({2025, 5, 1}, Calendar::jalali, today));
    EXPECT_TRUE(recording_.ofKind(DrawCall::Kind::frameRoundRect).empty());
    recording_.calls.clear();
    drawMonthGrid(surface_, view({2025, 3, 1}, Calendar::gregorian, today));
    EXPECT_EQ(recording_.ofKind(DrawCall::Kind::frameRoundRect).size(), 1u);
    EXPECT_TRUE(textsIn(kRed).empty());
    recording_.calls.clear();
    drawMonthGrid(surface_, view({2025, 3, 10}, Calendar::hijri, today));  // Ramadan 1446, today the 27th
    EXPECT_EQ(recording_.ofKind(DrawCall::Kind::frameRoundRect).size(), 1u);
    const auto black = textsIn(kBlack);
    EXPECT_EQ(std::count(black.begin(), black.end(), arabic(27)), 2);
}

TEST_F(MonthViewTest, GregorianAndHijriGrids) {
    // February 2025 begins on a Saturday: leftmost cell of row 1; 28 days, all black.
    drawMonthGrid(surface_, view({2025, 2, 14}, Calendar::gregorian));
    MonthControls controls = controlsOf({2025, 2, 14}, Calendar::gregorian);
    EXPECT_EQ(controls.yearText, u"2025");
    EXPECT_EQ(controls.monthIndex, 1);
    auto texts = recording_.texts();
    ASSERT_EQ(texts.size(), 28u);
    EXPECT_EQ(texts.front().text, u"1");
    EXPECT_EQ(texts.front().x, 45);
    EXPECT_EQ(texts.front().font, FontId::latinFont);
    EXPECT_EQ(texts[6].x, 333);  // Friday 7 February at the right
    recording_.calls.clear();
    drawMonthGrid(surface_, view({2024, 2, 1}, Calendar::gregorian));
    EXPECT_EQ(controlsOf({2024, 2, 1}, Calendar::gregorian).monthIndex, 1);
    EXPECT_EQ(recording_.texts().size(), 29u);
    recording_.calls.clear();
    drawMonthGrid(surface_, view({1900, 2, 1}, Calendar::gregorian));
    EXPECT_EQ(controlsOf({1900, 2, 1}, Calendar::gregorian).yearText, u"1900");
    EXPECT_EQ(recording_.texts().size(), 28u);
    recording_.calls.clear();
    drawMonthGrid(surface_, view({2025, 3, 2}, Calendar::hijri));
    controls = controlsOf({2025, 3, 2}, Calendar::hijri);  // 1 Ramadan 1446, a Sunday
    EXPECT_EQ(controls.yearText, arabic(1446));
    EXPECT_EQ(controls.monthIndex, 8);
    texts = recording_.texts();
    ASSERT_EQ(texts.size(), 29u);  // Ramadan 1446 had 29 days in Iran
    EXPECT_EQ(texts.front().text, arabic(1));
    EXPECT_EQ(texts.front().x, 285);  // Sunday: second column from the right
}

TEST_F(MonthViewTest, EsfandCompanionWorkedExample) {
    // Esfand 1403 begins on Wednesday 19 February 2025 and has 30 days.
    const MonthView v = view({2025, 3, 1}, Calendar::jalali);
    drawCompanion(surface_, v, 0);
    const auto texts = recording_.texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, u"2025");
    EXPECT_EQ(texts[0].x, 85);
    EXPECT_EQ(texts[0].y, 70);
    EXPECT_EQ(texts[0].color, kBlack);
    EXPECT_EQ(texts[0].font, FontId::companionFont);
    EXPECT_EQ(texts[1].text, monthName(Calendar::gregorian, 2).header);
    EXPECT_EQ(texts[1].color, kLightPalette.firstSlot);
    EXPECT_EQ(texts[1].font, FontId::smallFont);
    // From the right: the first month's name ending two letters right of the anchor (286), the
    // arrow and the second month's name each where the one before begins (the recording's
    // small font is 5 pixels a letter).
    EXPECT_EQ(texts[1].x + 5 * 5, 286 + 2 * 7);
    EXPECT_EQ(texts[2].text, u" \u2190 ");
    EXPECT_EQ(texts[2].x + 3 * 5, texts[1].x);
    EXPECT_EQ(texts[3].text, monthName(Calendar::gregorian, 3).header);
    EXPECT_EQ(texts[3].color, kBlack);
    EXPECT_EQ(texts[3].x + 4 * 5, texts[2].x);
    // Days: 19 to 28 blue, then 1 to 20 black; the 3rd (a Friday) twice at (39, 154).
    std::vector<DrawCall> numbers(texts.begin() + 4, texts.end());
    EXPECT_EQ(numbers.front().text, u"19");
    EXPECT_EQ(numbers.front().x, 135);
    EXPECT_EQ(numbers.front().y, 154);
    EXPECT_EQ(numbers.front().color, kLightPalette.firstSlot);
    ASSERT_EQ(numbers.size(), 30u + 4u);  // four Fridays drawn twice
    const auto friday = std::find_if(numbers.begin(), numbers.end(), [](const DrawCall& c) { return c.text == u"21"; });
    EXPECT_EQ(friday->x, 39);
    EXPECT_EQ(friday->y, 154);
    EXPECT_EQ((friday + 1)->text, u"21");
    EXPECT_EQ(numbers.back().text, u"20");
    EXPECT_EQ(numbers.back().color, kBlack);
    std::int32_t blue = 0;
    for (const DrawCall& call : numbers) blue += call.color == kLightPalette.firstSlot;
    EXPECT_EQ(blue, 10 + 2);  // 19..28, with the Fridays 21 and 28 twice
}

TEST_F(MonthViewTest, DeyHeaderSpansTwoYears) {
    drawCompanion(surface_, view({2025, 1, 1}, Calendar::jalali), 0);  // Dey 1403 from Saturday 21 December 2024
    const auto texts = recording_.texts();
    EXPECT_EQ(texts[0].text, u"2024");
    EXPECT_EQ(texts[1].text, u"/");  // after the year as it is drawn (6 pixels a digit), not over it
    EXPECT_EQ(texts[1].x, 85 + 4 * 6);
    EXPECT_EQ(texts[2].text, u"2025");
    EXPECT_EQ(texts[2].x, 85 + 5 * 6);
    EXPECT_EQ(texts[3].text, monthName(Calendar::gregorian, 12).header);
    EXPECT_EQ(texts[5].text, monthName(Calendar::gregorian, 1).header);
    EXPECT_EQ(texts[6].text, u"21");
    EXPECT_EQ(texts[6].x, 40 + 6 * 48 - 1);  // rightmost cell of row 1
    EXPECT_EQ(texts[6].color, kLightPalette.firstSlot);
    EXPECT_EQ(texts.back().text, u"19");
    EXPECT_EQ(texts.back().color, kBlack);
}

// Where the digits are wide (a larger scale), the second companion's number keeps clear of the
// first's number of the same day instead of touching it.
TEST_F(MonthViewTest, TheCompanionsNumbersKeepApart) {
    recording_.metrics[FontId::companionFont] = {12, 15, 2, 0};
    const MonthView v = view({2026, 12, 9}, Calendar::gregorian);
    drawCompanion(surface_, v, 0);
    const auto first = recording_.texts();
    recording_.calls.clear();
    drawCompanion(surface_, v, 1);
    const auto second = recording_.texts();
    std::int32_t checked = 0;
    for (const DrawCall& b : second) {
        for (const DrawCall& a : first) {
            if (a.font != FontId::companionFont || b.font != FontId::companionFont || a.y != b.y || a.x >= b.x ||
                b.x - a.x > 48)
                continue;
            EXPECT_GE(b.x, a.x + 12 * static_cast<std::int32_t>(a.text.size()) + 2) << toUtf8(b.text);
            ++checked;
        }
    }
    EXPECT_GE(checked, 28);
}

TEST_F(MonthViewTest, FebruaryInMiladiMode) {
    const MonthView v = view({2025, 2, 10}, Calendar::gregorian);
    drawCompanion(surface_, v, 0);
    const auto texts = recording_.texts();
    EXPECT_EQ(texts[0].text, persian(1403));
    EXPECT_EQ(texts[1].text, monthName(Calendar::jalali, 11).header);  // no slash: Bahman
    EXPECT_EQ(texts[3].text, monthName(Calendar::jalali, 12).header);
    std::vector<DrawCall> numbers(texts.begin() + 4, texts.end());
    ASSERT_EQ(numbers.size(), 28u);  // no Friday twice in Miladi mode
    EXPECT_EQ(numbers.front().text, persian(13));
    EXPECT_EQ(numbers.front().x, 40);
    EXPECT_EQ(numbers.front().y, 155);
    EXPECT_EQ(numbers[17].text, persian(30));
    EXPECT_EQ(numbers[17].color, kLightPalette.firstSlot);
    EXPECT_EQ(numbers[18].text, persian(1));
    EXPECT_EQ(numbers[18].color, kBlack);
    EXPECT_EQ(numbers.back().text, persian(10));
}

TEST_F(MonthViewTest, SecondSlotAndFarvardinSixRows) {
    const MonthView v = view({2025, 3, 25}, Calendar::jalali);  // Farvardin 1404
    drawCompanion(surface_, v, 0);
    auto texts = recording_.texts();
    // 21 alone in row 1 at the left, drawn twice; 19 and 20 April in row 6.
    EXPECT_EQ(texts[4].text, u"21");
    EXPECT_EQ(texts[4].x, 39);
    EXPECT_EQ(texts[5].text, u"21");
    EXPECT_EQ(texts.back().text, u"20");
    EXPECT_EQ(texts.back().y, 154 + 5 * 52);
    recording_.calls.clear();
    RecordingSurface fresh(recording_);
    drawCompanion(fresh, v, 1);  // second slot, lunar Hijri
    texts = recording_.texts();
    const std::int32_t lineHeight = 16 + 3;
    EXPECT_EQ(texts[0].y, 90 - lineHeight - 15);
    const auto firstNumber = std::find_if(
        texts.begin(), texts.end(), [](const DrawCall& c) { return c.font == FontId::companionFont && c.y > 100; });
    EXPECT_EQ(firstNumber->x, 59);
    EXPECT_EQ(firstNumber->color, kLightPalette.secondSlot);
    EXPECT_EQ(texts[3].color, kLightPalette.secondName);  // the second month's name
}

TEST_F(MonthViewTest, ThirtyDayLunarMonthFromThe31stOfJanuary) {
    // A table whose 1 Muharram 1446 is 31 January 2025, a 30-day month.
    const DayNumber before = gregorianToDayNumber(2025, 1, 30);
    const CalendarData files = CalendarData::fromText(
        "[value]\nminJulianday=" + std::to_string(before) + "\nmaxJulianday=" + std::to_string(before + 355) +
        "\nminYear=1446\nendHijri=" + std::to_string(before + 1) + "\n1446=355\n");
    const MonthLayout layout = layoutHolding(files, Calendar::hijri, {2025, 2, 10});
    drawCompanion(surface_, MonthView{layout, kW, kH}, 0);
    const auto texts = recording_.texts();
    std::vector<DrawCall> numbers(texts.begin() + 4, texts.end());
    ASSERT_EQ(numbers.size(), 30u);
    EXPECT_EQ(numbers[0].text, u"31");
    EXPECT_EQ(numbers[0].color, kLightPalette.firstSlot);
    EXPECT_EQ(numbers[1].text, u"1");
    EXPECT_EQ(numbers[1].color, kBlack);
    EXPECT_EQ(numbers[28].text, u"28");
    EXPECT_EQ(numbers[29].text, u"1");  // 1 March
    EXPECT_EQ(numbers[29].color, kBlack);
}

// Lunar dates from the first predicted month (Shawwal 1448, from 10 March 2027) are drawn
// lighter in the companions; in Hijri mode a predicted month's header says so.
TEST_F(MonthViewTest, PredictedLunarDatesStandApart) {
    Recording paint;
    RecordingSurfaceFactory factory(paint);
    paintDisplayMode(factory, view({2027, 3, 1}, Calendar::jalali));  // Esfand 1405
    std::int32_t predicted = 0, announced = 0;
    for (const LaidOutDay& day : layout_.days) {
        ASSERT_TRUE(day.lunar);
        EXPECT_EQ(day.lunarPredicted, day.dayNumber >= gregorianToDayNumber(2027, 3, 10)) << day.day;
        const std::u16string number(formatCalendarNumber(Calendar::hijri, day.lunar->day).view());
        for (const DrawCall& call : paint.texts()) {
            if (call.surface != 3 || call.text != number || call.font != FontId::companionFont) continue;
            const bool light = call.color == kLightPalette.predictedFirst || call.color == kLightPalette.predictedAfter;
            EXPECT_EQ(light, day.lunarPredicted) << day.day;
            (light ? predicted : announced) += 1;
        }
    }
    EXPECT_EQ(predicted, 13);  // 19 to 29 Esfand 1405, Fridays drawn twice
    EXPECT_EQ(announced, 20);

    const auto mark = [&](CivilDate shown) {
        paint.calls.clear();
        MonthView hijri = view(shown, Calendar::hijri);
        hijri.words.predicted = u"predicted";
        paintDisplayMode(factory, hijri);
        return std::count_if(paint.calls.begin(), paint.calls.end(),
                             [](const DrawCall& call) { return call.text == u"predicted"; });
    };
    EXPECT_EQ(mark({2027, 3, 20}), 1);  // Shawwal 1448
    EXPECT_EQ(mark({2027, 2, 20}), 0);  // Ramadan 1448, published
}

// The user's own days are marked in their cells, larger for a day off, never in red; the
// occasions dialog lists them under a star.
TEST_F(MonthViewTest, TheUsersOwnDaysAreMarked) {
    files_.myDays = {{Calendar::jalali, 9, 18, u"mine", false}, {Calendar::gregorian, 12, 1, u"off", true}};
    Recording paint;
    RecordingSurfaceFactory factory(paint);
    paintDisplayMode(factory, view({2026, 12, 9}, Calendar::jalali));  // Azar 1405
    std::vector<Rect> marks;
    for (const DrawCall& call : paint.ofKind(DrawCall::Kind::fillRoundRect))
        if (call.color == kLightPalette.personal) marks.push_back(call.rect);
    ASSERT_EQ(marks.size(), 2u);
    const auto cellOf = [&](std::int32_t day) {
        const LaidOutDay& laid = layout_.days[static_cast<std::size_t>(day - 1)];
        return gridCell(kW, kH, laid.cell.row, laid.cell.screenColumn).box;
    };
    EXPECT_EQ(marks[0].left, cellOf(10).left + 4);  // 1 December, a day off
    EXPECT_EQ(marks[0].right - marks[0].left, 9);
    EXPECT_EQ(marks[1].left, cellOf(18).left + 4);
    EXPECT_EQ(marks[1].right - marks[1].left, 6);
    Recording dialog;
    RecordingSurface page(dialog);
    paintOccasionsDialog(page, layout_);
    EXPECT_EQ(std::count_if(dialog.calls.begin(), dialog.calls.end(),
                            [](const DrawCall& call) {
                                return call.text == u"\u2605 mine" && call.color == kLightPalette.personal;
                            }),
              1);
}

TEST_F(MonthViewTest, MissingCalendarIniLeavesOnlyTheOtherCompanion) {
    const CalendarData files;
    Recording paint;
    RecordingSurfaceFactory factory(paint);
    const MonthLayout jalali = layoutHolding(files, Calendar::jalali, {2025, 3, 1});
    paintDisplayMode(factory, MonthView{jalali, kW, kH});
    // Surfaces: strip, grid, Gregorian companion, lunar companion, panel.
    std::int32_t lunarCompanionTexts = 0, gregorianCompanionTexts = 0;
    for (const DrawCall& call : paint.calls) {
        lunarCompanionTexts += call.surface == 3;
        gregorianCompanionTexts += call.surface == 2;
    }
    EXPECT_EQ(paint.surfacesOpened, 5);
    EXPECT_EQ(lunarCompanionTexts, 0);
    EXPECT_GT(gregorianCompanionTexts, 30);
    paint.calls.clear();
    paint.surfacesOpened = 0;
    const MonthLayout gregorian = layoutHolding(files, Calendar::gregorian, {2025, 3, 1});
    paintDisplayMode(factory, MonthView{gregorian, kW, kH});
    lunarCompanionTexts = 0;
    std::int32_t jalaliCompanionTexts = 0;
    for (const DrawCall& call : paint.calls) {
        lunarCompanionTexts += call.surface == 3;
        jalaliCompanionTexts += call.surface == 2;
    }
    EXPECT_GT(jalaliCompanionTexts, 30);
    EXPECT_EQ(lunarCompanionTexts, 0);
}

TEST_F(MonthViewTest, BrokenTablesDrawSafely) {
    const CalendarData files = CalendarData::fromText(
        "[value]\nminJulianday=2458359\nmaxJulianday=2470000\nminYear=1440\n"
        "1440=-5\n1441=100000\n[1440]\n1=0\n2=1000\n3=-7\n[1441]\n1=2147483647\n");
    RecordingSurfaceFactory factory(recording_);
    for (const Calendar mode : kCalendars) {
        for (std::int32_t year = 2018; year <= 2025; ++year) {
            const MonthLayout layout = layoutHolding(files, mode, {year, 1 + (year % 12), 3}, {2019, 1, 1});
            paintDisplayMode(factory, MonthView{layout, kW, kH});
            const MonthControls controls =
                monthControls(monthHolding(mode, files, gregorianToDayNumber(year, 1 + (year % 12), 3)));
            EXPECT_GE(controls.monthIndex, 0);
            EXPECT_LE(controls.monthIndex, 11);
        }
    }
    // Every number in a grid cell stands in rows 1 to 6.
    for (const DrawCall& call : recording_.texts()) EXPECT_LT(call.y, 139 + 6 * 52 + 40);
}

// The one layout a paint makes: each day with its dates, cell, occasions and holiday flag.
TEST_F(MonthViewTest, LayoutOfFarvardin1404) {
    const MonthLayout layout = layOutMonth(files_, Calendar::jalali, 1404, 1, {2025, 3, 28});
    ASSERT_EQ(layout.days.size(), 31u);
    EXPECT_EQ(layout.firstColumn, 6);  // Friday
    EXPECT_EQ(layout.today, 8);
    const LaidOutDay& first = layout.days.front();
    EXPECT_EQ(first.gregorian, (CivilDate{2025, 3, 21}));
    EXPECT_EQ(first.lunar, (CivilDate{1446, 9, 20}));
    EXPECT_EQ(first.cell.screenColumn, 0);  // right to left: Friday at the left
    EXPECT_EQ(layout.days[1].cell.row, 2);
    EXPECT_EQ(layout.days[1].cell.screenColumn, 6);
    std::vector<std::int32_t> holidays;
    for (const LaidOutDay& day : layout.days) {
        EXPECT_EQ(day.jalali, (CivilDate{1404, 1, day.day}));
        EXPECT_EQ(day.dayNumber, first.dayNumber + day.day - 1);
        if (day.occasions.holiday) holidays.push_back(day.day);
    }
    EXPECT_EQ(holidays, (std::vector<std::int32_t>{1, 2, 3, 4, 11, 12, 13}));  // Nowruz, Fitr on 11-12, 13
}

// Where the lunar table begins, the days before it have no lunar date and no lunar occasion.
TEST_F(MonthViewTest, LayoutAtTheStartOfTheLunarTable) {
    const MonthLayout layout = layOutMonth(files_, Calendar::gregorian, 1848, 11, {2000, 1, 1});
    EXPECT_EQ(layout.days[26].lunar, std::nullopt);  // 27 November 1848
    EXPECT_EQ(layout.days[27].lunar, (CivilDate{1265, 1, 1}));
    EXPECT_TRUE(layout.days[26].occasions.lunar.empty());
}

TEST(MonthNames, FormsOfEachName) {
    for (const Calendar calendar : kCalendars) {
        EXPECT_TRUE(monthName(calendar, 0).box.empty());
        EXPECT_TRUE(monthName(calendar, 13).header.empty());
        for (std::int32_t month = 1; month <= 12; ++month) {
            const MonthName& name = monthName(calendar, month);
            EXPECT_FALSE(name.header.empty() || name.latin.empty());
            // Only the Solar Hijri box names carry their trailing blank.
            EXPECT_EQ(name.box.ends_with(u' '), calendar == Calendar::jalali) << month;
        }
    }
    EXPECT_EQ(monthName(Calendar::hijri, 12).header, u"\u0630\u06CC\u062D\u062C\u0647");  // one word
    EXPECT_EQ(monthName(Calendar::gregorian, 5).header.size(), 2u);
    EXPECT_EQ(monthName(Calendar::hijri, 3).header.size(), 10u);
}

TEST_F(MonthViewTest, LinkAtTheFoot) {
    EXPECT_EQ(drawLink(surface_, 393, 509), 7);
    const auto texts = recording_.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text.size(), 13u);
    EXPECT_EQ(texts[0].x, 393 / 2 - 7 * 8);
    EXPECT_EQ(texts[0].y, 509);
    EXPECT_EQ(texts[0].color, kLightPalette.holidayText);
    EXPECT_EQ(texts[0].font, FontId::linkFont);
    const auto lines = recording_.ofKind(DrawCall::Kind::line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rect, (Rect{140, 522, 140 + 13 * 8, 522}));  // as wide as the text
}

// The whole paint in the dark and high-contrast palettes: nothing in the light theme's
// colours, no light-background picture, and in high contrast holidays underlined.
TEST_F(MonthViewTest, DarkAndHighContrastPaintOnlyInTheirPalette) {
    const Palette highContrast =
        highContrastPalette({{0, 0, 0}, {255, 255, 255}, {26, 235, 255}, {0, 0, 0}, {255, 255, 0}, {63, 242, 63}});
    for (const Palette& palette : {kDarkPalette, highContrast}) {
        recording_.calls.clear();
        recording_.surfacesOpened = 0;
        MonthView shown = view(gregorianOf(1405, 1, 1), Calendar::jalali);  // Nowruz: holidays and Fridays
        shown.palette = palette;
        struct Factory : SurfaceFactory {
            Recording& recording;
            explicit Factory(Recording& r) : recording(r) {}
            std::unique_ptr<Surface> open() override { return std::make_unique<RecordingSurface>(recording); }
        } surfaces{recording_};
        paintDisplayMode(surfaces, shown);
        drawLink(*surfaces.open(), kW, kH, palette);
        EXPECT_TRUE(recording_.ofKind(DrawCall::Kind::andBitmap).empty());
        for (const DrawCall& call : recording_.calls) {  // high contrast's own black is no fault
            if (call.kind == DrawCall::Kind::focusRect || palette.theme != Theme::dark) continue;
            EXPECT_NE(call.color, kLightPalette.text) << toUtf8(call.text);
            EXPECT_NE(call.color, kLightPalette.panel);
            EXPECT_NE(call.color, kLightPalette.holidayDay);
        }
        EXPECT_EQ(recording_.ofKind(DrawCall::Kind::fillRoundRect).front().color, palette.panel);
        EXPECT_FALSE(textsIn(palette.holidayDay).empty());
        const auto lines = recording_.ofKind(DrawCall::Kind::line);
        const auto underlined = std::count_if(lines.begin(), lines.end(),
                                              [&](const DrawCall& line) { return line.color == palette.holidayDay; });
        const auto texts = recording_.texts();
        const auto redNumbers = std::count_if(texts.begin(), texts.end(), [&](const DrawCall& text) {
            return text.color == palette.holidayDay && text.font == FontId::gridFont;
        });
        if (palette.underlinesHolidays)
            EXPECT_EQ(underlined, redNumbers);
        else
            EXPECT_EQ(underlined, 0);
    }
}

// Latin digits in the Solar Hijri grid and its companions; Persian digits in the Gregorian
// grid, drawn in the grid's font, which has them (Courier New has not).
TEST_F(MonthViewTest, ChosenDigitsInTheGridAndItsCompanions) {
    MonthView latin = view(gregorianOf(1405, 9, 1), Calendar::jalali);
    latin.words.digits = DigitChoice::latin;
    drawMonthGrid(surface_, latin);
    drawCompanion(surface_, latin, 1);
    for (const DrawCall& text : recording_.texts())
        EXPECT_TRUE(std::none_of(text.text.begin(), text.text.end(), [](char16_t c) {
            return (c >= 0x0660 && c <= 0x0669) || (c >= 0x06F0 && c <= 0x06F9);
        })) << toUtf8(text.text);
    EXPECT_EQ(recording_.texts().front().text, u"1");
    recording_.calls.clear();
    MonthView persianDigits = view({2026, 12, 1}, Calendar::gregorian);
    persianDigits.words.digits = DigitChoice::persian;
    drawMonthGrid(surface_, persianDigits);
    EXPECT_EQ(recording_.texts().front().text, u"\u06F1");
    EXPECT_EQ(recording_.texts().front().font, FontId::gridFont);
}

}  // namespace
}  // namespace velmora
