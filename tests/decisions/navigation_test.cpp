#include "decisions/navigation.h"

#include <gtest/gtest.h>

#include "calendar/month_names.h"
#include "render/month_layout.h"
#include "test_files.h"

namespace velmora {
namespace {

class NavigationTest : public ::testing::Test {
  protected:
    CalendarData files_ = shippedData();
    NavigationContext context_{files_, {2025, 3, 5}};  // today: 15 Esfand 1403

    NavigationState state(Calendar mode, CivilDate shown, std::int32_t startDay = 5) const {
        return {mode, shown, shown.year, shown.month, startDay};
    }
    static CivilDate jalali(const NavigationState& s) {
        return gregorianToJalali(s.shown.year, s.shown.month, s.shown.day);
    }
    CivilDate hijri(const NavigationState& s) const {
        return dayNumberToHijri(files_.hijri(), gregorianToDayNumber(s.shown.year, s.shown.month, s.shown.day));
    }
};

TEST(Navigation, ClampShownYear) {
    HijriBounds bounds;
    bounds.minJulianday = gregorianToDayNumber(1979, 6, 1);
    bounds.maxJulianday = gregorianToDayNumber(2077, 6, 1);
    EXPECT_EQ(clampShownYear(4000, Calendar::jalali, bounds), 3621);
    EXPECT_EQ(clampShownYear(-5000, Calendar::gregorian, bounds), -4379);
    EXPECT_EQ(clampShownYear(3621, Calendar::jalali, bounds), 3621);
    EXPECT_EQ(clampShownYear(-4379, Calendar::jalali, bounds), -4379);
    EXPECT_EQ(clampShownYear(1978, Calendar::hijri, bounds), 1979);
    EXPECT_EQ(clampShownYear(2077, Calendar::hijri, bounds), 2076);
    EXPECT_EQ(clampShownYear(2076, Calendar::hijri, bounds), 2076);
}

TEST(ReadYearEdit, EveryDigitScript) {
    EXPECT_EQ(readYearEdit(u"1403"), 1403);
    EXPECT_EQ(readYearEdit(u"\u06F1\u06F4\u06F0\u06F3"), 1403);  // Persian
    EXPECT_EQ(readYearEdit(u"\u0661\u0664\u0664\u0665"), 1445);  // Arabic-Indic
    EXPECT_EQ(readYearEdit(u"\u0967\u096A\u0966\u0969"), 1403);  // Devanagari
    EXPECT_EQ(readYearEdit(u"\u0E51\u0E54\u0E50\u0E53"), 1403);  // Thai
    EXPECT_EQ(readYearEdit(u"\uFF11\uFF14\uFF10\uFF13"), 1403);  // full-width
    EXPECT_EQ(readYearEdit(u"\u1811\u1814\u1810\u1813"), 1403);  // Mongolian
    EXPECT_EQ(readYearEdit(u"  -6000"), -6000);
    EXPECT_EQ(readYearEdit(u"+12x5"), 12);
    EXPECT_EQ(readYearEdit(u"year"), 0);
    EXPECT_EQ(readYearEdit(u""), 0);
    EXPECT_EQ(readYearEdit(u"123456789012"), 12345678);  // only 8 characters are read
}

TEST(FindMonthIndex, NamesOfTheModeWithTheirBlank) {
    EXPECT_EQ(findMonthIndex(jalaliMonthNames[12], Calendar::jalali), 12);
    EXPECT_EQ(findMonthIndex(u"\u0627\u0633\u0641\u0646\u062F", Calendar::jalali), 0);  // no trailing blank
    EXPECT_EQ(findMonthIndex(u"December", Calendar::gregorian), 12);
    EXPECT_EQ(findMonthIndex(u"december", Calendar::gregorian), 0);
    EXPECT_EQ(findMonthIndex(hijriMonthNames[12], Calendar::hijri), 12);
    EXPECT_EQ(findMonthIndex(u"SelectMonth", Calendar::hijri), 0);
    EXPECT_EQ(findMonthIndex(u"", Calendar::jalali), 0);
}

TEST_F(NavigationTest, JalaliEsfandToFarvardinInLeapAndCommonYears) {
    for (const std::int32_t year : {1403, 1404}) {  // 1403 leap, 1404 common
        NavigationState s = state(Calendar::jalali, dayNumberToGregorian(jalaliToDayNumber(year, 12, 10)));
        showNextMonth(s, context_, year, 12);
        EXPECT_EQ(jalali(s), (CivilDate{year + 1, 1, 1})) << year;
        showPreviousMonth(s, context_, year + 1, 1);
        EXPECT_EQ(jalali(s), (CivilDate{year, 12, 1})) << year;
    }
}

TEST_F(NavigationTest, MiladiYearEndsAndStartDay) {
    NavigationState s = state(Calendar::gregorian, {2025, 1, 14}, 31);
    showPreviousMonth(s, context_, 2025, 1);
    EXPECT_EQ(s.shown, (CivilDate{2024, 12, 31}));
    showNextMonth(s, context_, 2024, 12);
    EXPECT_EQ(s.shown, (CivilDate{2025, 1, 31}));
    showNextMonth(s, context_, 2025, 1);
    EXPECT_EQ(s.shown, (CivilDate{2025, 2, 28}));  // the landing month is kept: day 31 becomes the 28th
}

TEST_F(NavigationTest, MiladiLowerBoundsDifferByOne) {
    NavigationState s = state(Calendar::gregorian, {-4379, 5, 1});
    showPreviousMonth(s, context_, -4379, 5);  // -4379 is below the previous button's span
    EXPECT_EQ(s.shown, (CivilDate{-4379, 5, 1}));
    showNextMonth(s, context_, -4379, 5);  // but inside the next button's
    EXPECT_EQ(s.shown, (CivilDate{-4379, 6, 5}));
    s = state(Calendar::gregorian, {-4379, 5, 1});
    selectMonth(s, context_, -4379, 8);
    EXPECT_EQ(s.shown, (CivilDate{-4379, 5, 1}));  // the month box too starts at -4378
    s = state(Calendar::gregorian, {-4378, 5, 1});
    selectMonth(s, context_, -4378, 8);
    EXPECT_EQ(s.shown, (CivilDate{-4378, 8, 5}));
    s = state(Calendar::gregorian, {3622, 5, 1});
    showNextMonth(s, context_, 3622, 5);
    EXPECT_EQ(s.shown, (CivilDate{3621, 5, 1}));  // clamped instead of stepping
}

TEST_F(NavigationTest, HijriYearEndsAndTableBounds) {
    NavigationState s = state(Calendar::hijri, {2025, 7, 1}, 5);  // Muharram 1447
    ASSERT_EQ(hijri(s).month, 1);
    showPreviousMonth(s, context_, 1447, 1);
    EXPECT_EQ(hijri(s), (CivilDate{1446, 12, 5}));
    showNextMonth(s, context_, 1446, 12);
    EXPECT_EQ(hijri(s), (CivilDate{1447, 1, 5}));
    // Past the end of the table the step stops at endHijri, before its start at minJulianday.
    showNextMonth(s, context_, 1600, 12);
    EXPECT_EQ(gregorianToDayNumber(s.shown.year, s.shown.month, s.shown.day), files_.bounds.endHijri);
    showPreviousMonth(s, context_, 1265, 1);
    EXPECT_EQ(gregorianToDayNumber(s.shown.year, s.shown.month, s.shown.day), files_.bounds.minJulianday);
    // A year typed past the table's end never jumps back to its start.
    confirmYear(s, context_, 1700, 3);
    EXPECT_GT(gregorianToDayNumber(s.shown.year, s.shown.month, s.shown.day), files_.bounds.endHijri);
    s.shown.year = clampShownYear(s.shown.year, Calendar::hijri, files_.bounds);  // as the next paint does
    EXPECT_EQ(s.shown.year, 2173);
    // A 30th in a 29-day month lands on its 29th.
    s = state(Calendar::hijri, {2025, 7, 1}, 30);
    selectMonth(s, context_, 1448, 10);  // Shawwal 1448 has 29 days
    EXPECT_EQ(hijri(s), (CivilDate{1448, 10, 29}));
}

// The month a Hijri-mode view shows: its heading and where its days begin agree.
void expectHeadedAndPlacedAlike(const NavigationState& s, const CalendarData& data, CivilDate month) {
    const PrimaryMonth shown = primaryMonth(MonthView{data, 393, 509, s.shown, {2000, 1, 1}}, Calendar::hijri);
    EXPECT_EQ(shown.year, month.year);
    EXPECT_EQ(shown.month, month.month);
    EXPECT_EQ(dayNumberToHijri(data.hijri(), shown.first()), (CivilDate{month.year, month.month, 1}));
}

TEST_F(NavigationTest, HijriModeBeforeTheTableShowsItsFirstMonth) {
    NavigationState s = state(Calendar::hijri, {2025, 7, 1});
    showPreviousMonth(s, context_, 1265, 1);  // Previous from Muharram 1265
    keepShownDateInSpan(s, context_);
    expectHeadedAndPlacedAlike(s, files_, {1265, 1, 1});
    for (const CivilDate before : {CivilDate{1848, 10, 1}, CivilDate{1700, 1, 1}, CivilDate{-4000, 1, 1}}) {
        s.shown = before;  // a year typed below the table, or a mode switched to
        keepShownDateInSpan(s, context_);
        expectHeadedAndPlacedAlike(s, files_, {1265, 1, 1});
    }
}

TEST_F(NavigationTest, WithoutATableHijriModeShowsTheTabularMonthAndStaysPut) {
    const CalendarData none;
    const NavigationContext context{none, {2025, 3, 5}};
    NavigationState s = state(Calendar::hijri, {2025, 3, 5});
    for (int repaint = 0; repaint < 3; ++repaint) {
        keepShownDateInSpan(s, context);
        EXPECT_EQ(s.shown, (CivilDate{2025, 3, 5}));
        EXPECT_EQ(monthControls(s, context).yearText, u"\u0661\u0664\u0664\u0666");  // 1446
    }
    const CivilDate tabular = dayNumberToTabularHijri(gregorianToDayNumber(2025, 3, 5));
    expectHeadedAndPlacedAlike(s, none, {tabular.year, tabular.month, 1});
    for (int i = 0; i < 30; ++i) {
        showNextMonth(s, context, readYearEdit(monthControls(s, context).yearText),
                      monthControls(s, context).monthIndex + 1);
        keepShownDateInSpan(s, context);
    }
    const CivilDate later = dayNumberToTabularHijri(gregorianToDayNumber(s.shown.year, s.shown.month, s.shown.day));
    EXPECT_EQ(later.year * 12 + later.month, tabular.year * 12 + tabular.month + 30);
    s.displayMode = Calendar::jalali;  // the other modes stay in this era
    keepShownDateInSpan(s, context);
    EXPECT_EQ(s.shown.year, 2027);
}

TEST_F(NavigationTest, NoModeLeavesTheSpan) {
    NavigationState s = state(Calendar::gregorian, {3621, 12, 15});
    showNextMonth(s, context_, 3621, 12);
    keepShownDateInSpan(s, context_);
    EXPECT_EQ(s.shown, (CivilDate{3621, 12, 31}));
    s = state(Calendar::jalali, {-4379, 1, 5});
    showPreviousMonth(s, context_, -5000, 10);
    keepShownDateInSpan(s, context_);
    EXPECT_GE(gregorianToDayNumber(s.shown.year, s.shown.month, s.shown.day), kFirstShownDay);
}

TEST_F(NavigationTest, EnterOnATypedYear) {
    // Today is the 15th of Esfand 1403: Enter lands on the 15th of the box's month.
    NavigationState s = state(Calendar::jalali, {2025, 3, 1});
    confirmYear(s, context_, 1390, 7);
    EXPECT_EQ(jalali(s), (CivilDate{1390, 7, 15}));
    confirmYear(s, context_, 5000, 7);
    EXPECT_EQ(s.shown.year, 3621);
    EXPECT_EQ(jalali(s).month, jalali(state(Calendar::jalali, {3621, s.shown.month, s.shown.day})).month);
    confirmYear(s, context_, -6000, 7);
    EXPECT_EQ(s.shown.year, -4379);
    s = state(Calendar::gregorian, {2025, 3, 1});
    confirmYear(s, context_, 2030, 2);
    EXPECT_EQ(s.shown, (CivilDate{2030, 2, 5}));  // today's Gregorian day
    confirmYear(s, context_, 5000, 2);
    EXPECT_EQ(s.shown, (CivilDate{3621, 2, 5}));
    s = state(Calendar::hijri, {2025, 3, 1});
    confirmYear(s, context_, 1440, 9);
    EXPECT_EQ(hijri(s), (CivilDate{1440, 9, 15}));
    confirmYear(s, context_, 5000, 9);
    EXPECT_EQ(s.shown.year, dayNumberToGregorian(files_.bounds.maxJulianday).year - 1);
}

TEST_F(NavigationTest, MonthBoxInJalaliModeUsesThePickedDay) {
    NavigationState s = state(Calendar::jalali, {2025, 3, 1}, 5);  // picked 5 March 2025 = 15 Esfand
    selectMonth(s, context_, 1404, 7);
    EXPECT_EQ(jalali(s), (CivilDate{1404, 7, 15}));
    EXPECT_EQ(s.pickedYear, 1404);
    EXPECT_EQ(s.pickedMonth, 7);
    s = state(Calendar::jalali, {3622, 3, 1});
    selectMonth(s, context_, 1404, 7);  // 3622 is inside the month box's span
    EXPECT_EQ(jalali(s).year, 1404);
}

TEST_F(NavigationTest, YearArrows) {
    NavigationState s = state(Calendar::jalali, {2024, 2, 29});
    stepYear(s, context_, -1);
    EXPECT_EQ(s.shown, (CivilDate{2025, 2, 28}));
    stepYear(s, context_, +1);
    EXPECT_EQ(s.shown.year, 2024);
    stepYear(s, context_, 5);
    EXPECT_EQ(s.shown.year, 2024);
    s = state(Calendar::gregorian, {3621, 6, 1});
    stepYear(s, context_, -1);
    EXPECT_EQ(s.shown.year, 3622);  // one step past the bound
    stepYear(s, context_, -1);
    EXPECT_EQ(s.shown.year, 3621);              // and the next brings it back
    s = state(Calendar::hijri, {2025, 3, 10});  // Ramadan 1446
    stepYear(s, context_, -1);
    EXPECT_EQ(hijri(s), (CivilDate{1447, 9, 1}));
}

TEST_F(NavigationTest, TodayAndTips) {
    NavigationState s = state(Calendar::gregorian, {1999, 1, 1});
    goToToday(s, context_);
    EXPECT_EQ(s.shown, context_.today);
    s = state(Calendar::jalali, {2025, 3, 1});
    MonthButtonTips tips = monthButtonTips(s, context_, jalaliMonthNames[12]);
    EXPECT_EQ(tips.next, jalaliMonthNames[1]);
    EXPECT_EQ(tips.previous, jalaliMonthNames[11]);
    tips = monthButtonTips(s, context_, u"SelectMonth");  // nothing selected yet: the shown month
    EXPECT_EQ(tips.next, jalaliMonthNames[1]);
    s = state(Calendar::gregorian, {2025, 1, 1});
    tips = monthButtonTips(s, context_, u"");
    EXPECT_EQ(tips.next, u"February");
    EXPECT_EQ(tips.previous, u"December");
    s = state(Calendar::hijri, {2025, 3, 10});
    tips = monthButtonTips(s, context_, u"");
    EXPECT_EQ(tips.next, hijriMonthNames[10]);
    EXPECT_EQ(tips.previous, hijriMonthNames[8]);
}

}  // namespace
}  // namespace velmora
