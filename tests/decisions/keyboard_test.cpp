#include "decisions/keyboard.h"

#include <gtest/gtest.h>

#include "decisions/day_reading.h"
#include "render/month_layout.h"
#include "resources/resource_ids.h"
#include "test_files.h"

namespace velmora {
namespace {

TEST(Keys, EachKeyItsCommandWhereTheFocusLetsIt) {
    EXPECT_EQ(commandOfKey(key::pageUp, false, KeyFocus::other), IDC_PREVIOUS_MONTH);
    EXPECT_EQ(commandOfKey(key::pageDown, false, KeyFocus::yearBox), IDC_NEXT_MONTH);
    EXPECT_EQ(commandOfKey(key::pageUp, true, KeyFocus::other), IDM_PREVIOUS_YEAR);
    EXPECT_EQ(commandOfKey(key::pageDown, true, KeyFocus::other), IDM_NEXT_YEAR);
    EXPECT_EQ(commandOfKey(key::home, false, KeyFocus::other), IDM_FILE_GO_TO_TODAY);
    EXPECT_EQ(commandOfKey(key::home, false, KeyFocus::yearBox), std::nullopt);  // the caret's
    EXPECT_EQ(commandOfKey(key::f1, false, KeyFocus::yearBox), IDM_HELP_CONTENTS);
    EXPECT_EQ(commandOfKey(key::escape, false, KeyFocus::other), IDM_HIDE_WINDOW);
    EXPECT_EQ(commandOfKey(key::escape, false, KeyFocus::droppedMonthBox), std::nullopt);  // closes the list
    EXPECT_EQ(commandOfKey('2', true, KeyFocus::other), IDM_OPTION_MILADI_MODE);
    EXPECT_EQ(commandOfKey('2', false, KeyFocus::other), std::nullopt);  // a digit typed
    EXPECT_EQ(commandOfKey(key::left, false, KeyFocus::other), std::nullopt);
    EXPECT_EQ(commandOfKey('G', true, KeyFocus::yearBox), IDM_OPTION_CONVERT);
    EXPECT_EQ(commandOfKey('C', true, KeyFocus::other), IDM_FILE_COPY_DAY);
    EXPECT_EQ(commandOfKey('C', true, KeyFocus::yearBox), std::nullopt);  // the box's text copied
}

class DayCursorTest : public ::testing::Test {
  protected:
    CalendarData files_ = shippedData();
    NavigationContext context_{files_, {2026, 12, 9}, 9};

    ShownMonth at(Calendar mode, std::int32_t y, std::int32_t m, std::int32_t d) const {
        return monthHolding(mode, files_, gregorianToDayNumber(y, m, d));
    }
    DayNumber day(const ShownMonth& shown) const { return shownDayNumber(shown, files_); }
};

// Every arrow from every day of two years, in each mode: the day moves by the step of its
// direction, into the next or previous month past the ends, and the shown month holds it.
TEST_F(DayCursorTest, ArrowsStepDaysAndWeeksAcrossMonths) {
    for (const Calendar mode : kCalendars) {
        const std::int32_t left = mode == Calendar::gregorian ? -1 : +1;
        const std::pair<std::uint16_t, std::int32_t> steps[] = {
            {key::left, left}, {key::right, -left}, {key::up, -7}, {key::down, 7}};
        const DayNumber first = gregorianToDayNumber(2026, 1, 1);
        for (DayNumber n = first; n < first + 730; ++n) {
            const ShownMonth from = monthHolding(mode, files_, n);
            for (const auto& [arrow, step] : steps) {
                const ShownMonth to = moveDayCursor(from, context_, arrow);
                ASSERT_EQ(day(to), n + step) << calendarIndex(mode) << " " << n;
                ASSERT_EQ(to, monthHolding(mode, files_, n + step));
            }
        }
    }
}

TEST_F(DayCursorTest, StaysAtTheEndOfWhatTheModeShows) {
    const DaySpan span = daySpanOf(Calendar::hijri, files_);
    const ShownMonth last = monthHolding(Calendar::hijri, files_, span.last);
    EXPECT_EQ(moveDayCursor(last, context_, key::down), last);
    EXPECT_EQ(day(moveDayCursor(last, context_, key::right)), span.last - 1);
    EXPECT_EQ(moveDayCursor(last, context_, key::enter), last);
}

// What a screen reader hears of a day: 9 December 2026, 18 Azar 1405, today.
TEST_F(DayCursorTest, ADayReadsItsThreeDatesAndWhatItIs) {
    const MonthLayout azar = layOutMonth(files_, Calendar::jalali, 1405, 9, {2026, 12, 9});
    const std::u16string english = dayReading(azar, azar.days[17], Language::english);
    EXPECT_EQ(english.rfind(u"Wednesday 18 Azar 1405, 9 December 2026, 29 Jumada al-Thani 1448, ", 0), 0u);
    EXPECT_NE(english.find(u", today"), std::u16string::npos);
    EXPECT_EQ(dayReading(azar, azar.days[18], Language::english).find(u"today"), std::u16string::npos);
    const std::u16string persian = dayReading(azar, azar.days[17], Language::persian);
    EXPECT_EQ(persian.rfind(u"چهارشنبه ۱۸ آذر ۱۴۰۵\u060C ۹ ", 0), 0u);
    EXPECT_NE(persian.find(u"امروز"), std::u16string::npos);
    // Miladi mode reads the Gregorian date first; a holiday says so.
    const MonthLayout march = layOutMonth(files_, Calendar::gregorian, 2026, 3, {2026, 12, 9});
    const std::u16string nowruz = dayReading(march, march.days[20], Language::english);  // 21 March 2026
    EXPECT_EQ(nowruz.rfind(u"Saturday 21 March 2026, 1 Farvardin 1405", 0), 0u);
    EXPECT_NE(nowruz.find(u"holiday"), std::u16string::npos);
    const auto lines = holidayLines(layOutMonth(files_, Calendar::jalali, 1405, 1, {2026, 12, 9}), Language::english);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind(u"1 Farvardin 1405: ", 0), 0u);
}

}  // namespace
}  // namespace velmora
