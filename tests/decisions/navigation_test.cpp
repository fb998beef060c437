#include "decisions/navigation.h"

#include <gtest/gtest.h>

#include "calendar/calendar_record.h"
#include "decisions/prayer_day.h"
#include "test_files.h"

namespace velmora {
namespace {

class NavigationTest : public ::testing::Test {
  protected:
    CalendarData files_ = shippedData();
    NavigationContext context_{files_, {2025, 3, 5}, 5};  // today: 15 Esfand 1403; started on the 5th

    ShownMonth holding(Calendar mode, CivilDate gregorian) const {
        return monthHolding(mode, files_, gregorianToDayNumber(gregorian.year, gregorian.month, gregorian.day));
    }
    // The shown day as a date of another calendar.
    CivilDate dateOf(const ShownMonth& shown, Calendar calendar) const {
        return dayNumberToDate(calendar, files_.hijri(), shownDayNumber(shown, files_));
    }
};

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
    EXPECT_EQ(readYearEdit(u"year"), std::nullopt);  // not a year: the shown one stays
    EXPECT_EQ(readYearEdit(u"abc"), std::nullopt);
    EXPECT_EQ(readYearEdit(u"-"), std::nullopt);
    EXPECT_EQ(readYearEdit(u""), std::nullopt);
    EXPECT_EQ(readYearEdit(u"123456789012"), 12345678);  // only 8 characters are read
}

// Each calendar's own digits, or one set for all: the grid's numbers, the year box, the clocks.
TEST(ChosenDigits, EveryNumberInTheChosenSet) {
    EXPECT_EQ(calendarNumber(Calendar::jalali, 18, DigitChoice::asLanguage).view(), u"\u06F1\u06F8");
    EXPECT_EQ(calendarNumber(Calendar::jalali, 18, DigitChoice::latin).view(), u"18");
    EXPECT_EQ(calendarNumber(Calendar::hijri, 29, DigitChoice::asLanguage).view(), u"\u0662\u0669");
    EXPECT_EQ(calendarNumber(Calendar::hijri, 29, DigitChoice::persian).view(), u"\u06F2\u06F9");
    EXPECT_EQ(calendarNumber(Calendar::gregorian, 9, DigitChoice::persian).view(), u"\u06F9");
    const ShownMonth azar{Calendar::jalali, 1405, 9, 18};
    EXPECT_EQ(monthControls(azar, Language::persian, DigitChoice::latin).yearText, u"1405");
    EXPECT_EQ(monthControls({Calendar::gregorian, 2026, 12, 9}, Language::english, DigitChoice::persian).yearText,
              u"\u06F2\u06F0\u06F2\u06F6");
    EXPECT_EQ(clockWords(17 * 60 + 5, Language::persian, DigitChoice::latin), u"17:05");
    EXPECT_EQ(clockWords(17 * 60 + 5, Language::english, DigitChoice::persian), u"\u06F1\u06F7:\u06F0\u06F5");
    for (const DigitChoice choice : {DigitChoice::asLanguage, DigitChoice::persian, DigitChoice::latin})
        EXPECT_EQ(digitChoiceOf(storedDigits(choice)), choice);
    EXPECT_EQ(digitChoiceOf(u"arabic"), DigitChoice::asLanguage);
}

TEST_F(NavigationTest, JalaliEsfandToFarvardinInLeapAndCommonYears) {
    for (const std::int32_t year : {1403, 1404}) {  // 1403 leap, 1404 common
        const ShownMonth esfand{Calendar::jalali, year, 12, 10};
        const ShownMonth next = nextMonth(esfand, context_);
        EXPECT_EQ(next, (ShownMonth{Calendar::jalali, year + 1, 1, 1})) << year;
        EXPECT_EQ(previousMonth(next, context_), (ShownMonth{Calendar::jalali, year, 12, 1})) << year;
    }
}

TEST_F(NavigationTest, MiladiStepsLandOnTheStartDay) {
    const NavigationContext startedOn31{files_, {2025, 3, 5}, 31};
    ShownMonth s{Calendar::gregorian, 2025, 1, 14};
    s = previousMonth(s, startedOn31);
    EXPECT_EQ(s, (ShownMonth{Calendar::gregorian, 2024, 12, 31}));
    s = nextMonth(nextMonth(s, startedOn31), startedOn31);
    EXPECT_EQ(s, (ShownMonth{Calendar::gregorian, 2025, 2, 28}));  // the month is kept: the 31st becomes the 28th
    EXPECT_EQ(nextMonth(s, startedOn31).day, 31);                  // and the next is the 31st again
}

TEST_F(NavigationTest, NoModeLeavesTheSpan) {
    // Past either end of the span a step stays in the last month there is.
    EXPECT_EQ(nextMonth({Calendar::gregorian, 3621, 12, 15}, context_),
              (ShownMonth{Calendar::gregorian, 3621, 12, 31}));
    EXPECT_EQ(previousMonth({Calendar::gregorian, -4379, 1, 15}, context_),
              (ShownMonth{Calendar::gregorian, -4379, 1, 1}));
    const ShownMonth first = keepInSpan({Calendar::jalali, -6000, 10, 1}, context_);
    EXPECT_EQ(shownDayNumber(first, files_), kFirstShownDay);
    EXPECT_EQ(previousMonth(first, context_), first);
    for (const Calendar mode : kCalendars) {
        for (const std::int32_t year : {-99999999, -5000, 0, 5000, 99999999}) {
            const DayNumber n = shownDayNumber(enterYear({mode, 1400, 6, 1}, context_, year), files_);
            EXPECT_GE(n, kFirstShownDay);
            EXPECT_LE(n, kLastShownDay);
        }
    }
}

TEST_F(NavigationTest, HijriModeStaysInItsTable) {
    const HijriBounds& bounds = files_.bounds();
    ShownMonth s = holding(Calendar::hijri, {2025, 7, 1});  // Muharram 1447
    ASSERT_EQ(s.month, 1);
    s = previousMonth(s, context_);
    EXPECT_EQ(s, (ShownMonth{Calendar::hijri, 1446, 12, 5}));
    EXPECT_EQ(nextMonth(s, context_), (ShownMonth{Calendar::hijri, 1447, 1, 5}));
    // The last month is the one of endHijri, the first the table's first.
    const ShownMonth last = monthHolding(Calendar::hijri, files_, bounds.endHijri);
    EXPECT_EQ(nextMonth(last, context_), last);
    EXPECT_EQ(enterYear(s, context_, 1700).year, last.year);
    EXPECT_LE(shownDayNumber(enterYear(s, context_, 1700), files_), bounds.endHijri);
    const ShownMonth first{Calendar::hijri, 1265, 1, 1};
    EXPECT_EQ(shownDayNumber(first, files_), bounds.minJulianday + 1);
    EXPECT_EQ(previousMonth(first, context_), first);
    EXPECT_EQ(enterYear(s, context_, 1000), (ShownMonth{Calendar::hijri, 1265, 1, 1}));
    // A mode switched to from before the table shows its first month.
    EXPECT_EQ(changeMode({Calendar::gregorian, 1700, 1, 1}, context_, Calendar::hijri), first);
    // A 30th in a 29-day month lands on its 29th.
    const NavigationContext startedOn30{files_, {2025, 3, 5}, 30};
    EXPECT_EQ(pickMonth({Calendar::hijri, 1448, 9, 3}, startedOn30, 10), (ShownMonth{Calendar::hijri, 1448, 10, 29}));
}

TEST_F(NavigationTest, WithoutATableHijriModeIsNotOffered) {
    const CalendarData none;
    const NavigationContext context{none, {2025, 3, 5}, 5};
    EXPECT_FALSE(modeAvailable(Calendar::hijri, none));
    EXPECT_TRUE(modeAvailable(Calendar::hijri, files_));
    const ShownMonth farvardin{Calendar::jalali, 1404, 1, 1};
    EXPECT_EQ(changeMode(farvardin, context, Calendar::hijri), farvardin);
    // A Hijri view whose table went away turns to the Solar Hijri month of its day.
    EXPECT_EQ(keepInSpan(holding(Calendar::hijri, {2025, 3, 21}), context).mode, Calendar::jalali);
}

TEST_F(NavigationTest, EnterOnATypedYear) {
    // Today is the 15th of Esfand 1403 and 5 March 2025: Enter lands on today's day.
    EXPECT_EQ(enterYear({Calendar::jalali, 1403, 7, 1}, context_, 1390), (ShownMonth{Calendar::jalali, 1390, 7, 15}));
    EXPECT_EQ(enterYear({Calendar::gregorian, 2025, 2, 1}, context_, 2030),
              (ShownMonth{Calendar::gregorian, 2030, 2, 5}));
    EXPECT_EQ(enterYear({Calendar::gregorian, 2025, 2, 1}, context_, 5000).year, 3621);
    EXPECT_EQ(shownDayNumber(enterYear({Calendar::jalali, 1403, 7, 1}, context_, -6000), files_), kFirstShownDay);
    const ShownMonth ramadan = enterYear({Calendar::hijri, 1446, 9, 1}, context_, 1440);
    EXPECT_EQ(ramadan, (ShownMonth{Calendar::hijri, 1440, 9,
                                   dateOf(holding(Calendar::hijri, {2025, 3, 5}), Calendar::hijri).day}));
}

TEST_F(NavigationTest, PickedMonthKeepsTheYearAndTheDay) {
    EXPECT_EQ(pickMonth({Calendar::jalali, 1404, 12, 15}, context_, 7), (ShownMonth{Calendar::jalali, 1404, 7, 15}));
    EXPECT_EQ(pickMonth({Calendar::jalali, 1404, 6, 31}, context_, 7), (ShownMonth{Calendar::jalali, 1404, 7, 30}));
    EXPECT_EQ(pickMonth({Calendar::gregorian, 2025, 1, 20}, context_, 4),
              (ShownMonth{Calendar::gregorian, 2025, 4, 5}));
    const ShownMonth unchanged{Calendar::jalali, 1404, 6, 31};
    EXPECT_EQ(pickMonth(unchanged, context_, 0), unchanged);
    EXPECT_EQ(pickMonth(unchanged, context_, 13), unchanged);
}

TEST_F(NavigationTest, YearArrowsStepTheModesOwnYear) {
    // 1 Farvardin 1403 is 20 March 2024; a Gregorian year later is 30 Esfand 1403, which a
    // year step of the Gregorian date would have shown.
    ShownMonth s{Calendar::jalali, 1403, 1, 1};
    s = stepYear(s, context_, -1);
    EXPECT_EQ(s, (ShownMonth{Calendar::jalali, 1404, 1, 1}));
    EXPECT_EQ(stepYear(s, context_, +1), (ShownMonth{Calendar::jalali, 1403, 1, 1}));
    EXPECT_EQ(stepYear(s, context_, 5), s);
    EXPECT_EQ(stepYear({Calendar::jalali, 1403, 12, 30}, context_, -1), (ShownMonth{Calendar::jalali, 1404, 12, 29}));
    EXPECT_EQ(stepYear({Calendar::gregorian, 2024, 2, 29}, context_, -1),
              (ShownMonth{Calendar::gregorian, 2025, 2, 28}));
    EXPECT_EQ(stepYear({Calendar::gregorian, 3621, 6, 1}, context_, -1).year, 3621);
    EXPECT_EQ(stepYear({Calendar::hijri, 1446, 9, 10}, context_, -1), (ShownMonth{Calendar::hijri, 1447, 9, 10}));
}

TEST_F(NavigationTest, ModesKeepTheShownDay) {
    const ShownMonth shawwal{Calendar::hijri, 1447, 10, 9};
    const ShownMonth jalali = changeMode(shawwal, context_, Calendar::jalali);
    EXPECT_EQ(jalali, (ShownMonth{Calendar::jalali, 1405, 1, 9}));  // 1 Shawwal 1447 was 1 Farvardin 1405
    EXPECT_EQ(changeMode(jalali, context_, Calendar::gregorian), (ShownMonth{Calendar::gregorian, 2026, 3, 29}));
    EXPECT_EQ(changeMode(jalali, context_, Calendar::hijri), shawwal);
    EXPECT_EQ(todayMonth(Calendar::jalali, context_), (ShownMonth{Calendar::jalali, 1403, 12, 15}));
    EXPECT_EQ(todayMonth(Calendar::gregorian, context_), (ShownMonth{Calendar::gregorian, 2025, 3, 5}));
}

// A year outside what a mode shows is said to be so, in the interface's words.
TEST_F(NavigationTest, TheYearsAModeShows) {
    const YearSpan solar = yearSpanOf(Calendar::jalali, files_);
    EXPECT_EQ(solar.last, dayNumberToJalali(kLastShownDay).year);
    EXPECT_TRUE(solar.holds(1405) && !solar.holds(solar.last + 1) && !solar.holds(solar.first - 1));
    const YearSpan lunar = yearSpanOf(Calendar::hijri, files_);
    EXPECT_EQ(lunar.first, 1265);
    EXPECT_EQ(lunar.last, 1600);
    EXPECT_EQ(yearSpanText(lunar, Language::english), u"1265 to 1600");
    EXPECT_EQ(yearSpanText(lunar, Language::persian),
              u"\u06F1\u06F2\u06F6\u06F5 \u062A\u0627 \u06F1\u06F6\u06F0\u06F0");
}

TEST_F(NavigationTest, ControlsAndTips) {
    EXPECT_EQ(monthControls({Calendar::jalali, 1403, 12, 1}), (MonthControls{u"\u06F1\u06F4\u06F0\u06F3", 11}));
    EXPECT_EQ(monthControls({Calendar::hijri, 1446, 9, 1}), (MonthControls{u"\u0661\u0664\u0664\u0666", 8}));
    EXPECT_EQ(monthControls({Calendar::gregorian, -45, 1, 1}), (MonthControls{u"-45", 0}));
    // In English the months' Latin names, in Persian their Persian ones, the Gregorian too.
    EXPECT_EQ(monthButtonTips({Calendar::jalali, 1403, 12, 1}), (MonthButtonTips{u"Farvardin", u"Bahman"}));
    EXPECT_EQ(monthButtonTips({Calendar::gregorian, 2025, 1, 1}), (MonthButtonTips{u"February", u"December"}));
    EXPECT_EQ(monthButtonTips({Calendar::hijri, 1446, 9, 1}), (MonthButtonTips{u"Shawwal", u"Shaban"}));
    MonthButtonTips tips = monthButtonTips({Calendar::jalali, 1403, 12, 1}, Language::persian);
    EXPECT_EQ(tips.next, monthName(Calendar::jalali, 1).box);
    EXPECT_EQ(tips.previous, monthName(Calendar::jalali, 11).box);
    tips = monthButtonTips({Calendar::gregorian, 2025, 1, 1}, Language::persian);
    EXPECT_EQ(tips.next, monthName(Calendar::gregorian, 2).header);
    tips = monthButtonTips({Calendar::hijri, 1446, 9, 1}, Language::persian);
    EXPECT_EQ(tips.next, monthName(Calendar::hijri, 10).box);
}

}  // namespace
}  // namespace velmora
