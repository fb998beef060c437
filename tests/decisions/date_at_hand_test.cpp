#include "decisions/date_at_hand.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace velmora {
namespace {

const CalendarData& data() {
    static const CalendarData shipped = shippedData();
    return shipped;
}

const DayNumber kAzar18 = gregorianToDayNumber(2026, 12, 9);  // 18 Azar 1405, 29 Jumada al-Thani 1448

TEST(DateAtHand, ReadsEveryUsualFormInEachDigitSet) {
    struct Case {
        std::u16string_view text;
        Calendar chosen;
        Calendar calendar;
        CivilDate date;
    };
    const Case cases[] = {
        {u"1365/4/12", Calendar::jalali, Calendar::jalali, {1365, 4, 12}},
        {u"۱۳۶۵-۰۴-۱۲", Calendar::jalali, Calendar::jalali, {1365, 4, 12}},
        {u"١٣٦٥.٠٤.١٢", Calendar::jalali, Calendar::jalali, {1365, 4, 12}},
        {u" 1365 4 12 ", Calendar::jalali, Calendar::jalali, {1365, 4, 12}},
        {u"12 Tir 1365", Calendar::gregorian, Calendar::jalali, {1365, 4, 12}},
        {u"۱۲ تیر ۱۳۶۵", Calendar::hijri, Calendar::jalali, {1365, 4, 12}},
        {u"2026-12-09", Calendar::jalali, Calendar::gregorian, {2026, 12, 9}},
        {u"۲۰۲۶/۱۲/۹", Calendar::hijri, Calendar::gregorian, {2026, 12, 9}},
        {u"9 December 2026", Calendar::jalali, Calendar::gregorian, {2026, 12, 9}},
        {u"29 جمادی الثانی 1448", Calendar::jalali, Calendar::hijri, {1448, 6, 29}},
        {u"1448/6/29", Calendar::hijri, Calendar::hijri, {1448, 6, 29}},
        {u"1365/4/12", Calendar::gregorian, Calendar::gregorian, {1365, 4, 12}},
    };
    for (const Case& c : cases) {
        const auto typed = readTypedDate(c.text, c.chosen);
        ASSERT_TRUE(typed.has_value()) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(typed->calendar, c.calendar);
        EXPECT_EQ(typed->date, c.date);
    }
    for (const std::u16string_view junk : {u"", u"today", u"1365/4", u"12 Farvar 1365", u"1/2/3/4"})
        EXPECT_FALSE(readTypedDate(junk, Calendar::jalali).has_value());
}

TEST(DateAtHand, ADateTheCalendarLacksIsSaidInWords) {
    const auto problem = [](Calendar calendar, CivilDate date, Language language = Language::english) {
        const CheckedDate checked = checkTypedDate(data(), {calendar, date}, language);
        return checked.day ? u"" : checked.problem;
    };
    EXPECT_EQ(problem(Calendar::jalali, {1404, 12, 30}), u"Esfand 1404 has 29 days.");
    EXPECT_EQ(problem(Calendar::jalali, {1404, 12, 30}, Language::persian), u"اسفند ۱۴۰۴ ۲۹ روز دارد.");
    EXPECT_EQ(problem(Calendar::jalali, {1403, 12, 30}), u"");
    EXPECT_EQ(problem(Calendar::gregorian, {2025, 2, 29}), u"February 2025 has 28 days.");
    EXPECT_EQ(problem(Calendar::jalali, {1405, 13, 1}), u"A year has no month 13.");
    EXPECT_TRUE(problem(Calendar::gregorian, {9999, 1, 1}).starts_with(u"Velmora knows the days from "));
    EXPECT_TRUE(problem(Calendar::hijri, {1700, 1, 1}).starts_with(u"Velmora knows the days from 1 Muharram"));
    const HijriCalendar hijri = data().hijri();
    for (std::int32_t month = 1; month <= 12; ++month) {
        if (monthLength(Calendar::hijri, hijri, 1448, month) != 29) continue;
        EXPECT_TRUE(problem(Calendar::hijri, {1448, month, 30}).ends_with(u" has 29 days.")) << month;
    }
    EXPECT_EQ(checkTypedDate(data(), {Calendar::hijri, {1448, 6, 29}}, Language::english).day, kAzar18);
}

TEST(DateAtHand, HowFarADayIsFromToday) {
    const auto far = [](DayNumber day, Language language = Language::english) {
        return distanceWords(data(), Calendar::jalali, kAzar18, day, language);
    };
    EXPECT_EQ(far(kAzar18), u"Today");
    EXPECT_EQ(far(kAzar18 + 1, Language::persian), u"فردا");
    EXPECT_EQ(far(kAzar18 - 1), u"Yesterday");
    EXPECT_EQ(far(kAzar18 + 10), u"In 10 days");
    EXPECT_EQ(far(kAzar18 + 10, Language::persian), u"۱۰ روز دیگر");
    EXPECT_EQ(far(jalaliToDayNumber(1406, 1, 1)), u"In 3 months and 12 days (102 days)");
    EXPECT_EQ(far(jalaliToDayNumber(1393, 5, 14)), u"12 years, 4 months and 4 days ago (4509 days)");
    EXPECT_EQ(far(jalaliToDayNumber(1404, 9, 17), Language::persian), u"۱ سال و ۱ روز پیش (۳۶۶ روز)");
}

TEST(DateAtHand, TheConverterSaysTheDayInTheThreeCalendars) {
    EXPECT_EQ(conversionText(data(), Calendar::jalali, kAzar18, kAzar18 - 32, Language::english),
              u"Wednesday\nSolar Hijri: 18 Azar 1405\nGregorian: 9 December 2026\n"
              u"Lunar Hijri: 29 Jumada al-Thani 1448, published\nOccasions: " +
                  dayOccasionsText(occasionsOfDay(data(), kAzar18)) +
                  u"\nIn 1 month and 2 days (32 days)\nDay 264 of the year, week 38");
    const std::u16string nowruz =
        conversionText(data(), Calendar::jalali, jalaliToDayNumber(1406, 1, 1), kAzar18, Language::persian);
    EXPECT_NE(nowruz.find(u"\nتعطیل: "), std::u16string::npos);
    EXPECT_NE(nowruz.find(u"قمری: "), std::u16string::npos);
    EXPECT_NE(nowruz.find(u"پیش‌بینی"), std::u16string::npos);  // Shawwal 1448 on is predicted
    EXPECT_TRUE(nowruz.ends_with(u"\nروز ۱ سال، هفتهٔ ۱"));
}

TEST(DateAtHand, StepsAndTheSpanBetweenTwoDays) {
    for (const auto& [text, count, unit] : std::initializer_list<std::tuple<std::u16string_view, int, DateStep::Unit>>{
             {u"32", 32, DateStep::days},
             {u"+32d", 32, DateStep::days},
             {u"-6m", -6, DateStep::months},
             {u" 1 Y ", 12, DateStep::months},
             {u"2w", 14, DateStep::days},
             {u"۳۲ روز", 32, DateStep::days},
             {u"-۶ ماه", -6, DateStep::months},
         }) {
        const auto step = readDateStep(text);
        ASSERT_TRUE(step.has_value()) << std::string(text.begin(), text.end());
        EXPECT_EQ(step->count, count);
        EXPECT_EQ(step->unit, unit);
    }
    for (const std::u16string_view junk : {u"", u"d", u"6 fortnights", u"99999999", u"200000m"})
        EXPECT_FALSE(readDateStep(junk).has_value());
    EXPECT_EQ(
        stepText(data(), Calendar::jalali, jalaliToDayNumber(1405, 1, 31), {6, DateStep::months}, Language::english),
        u"31 Farvardin 1405 + 6 months: Thursday 30 Mehr 1405");
    EXPECT_EQ(
        stepText(data(), Calendar::jalali, jalaliToDayNumber(1403, 12, 30), {-12, DateStep::months}, Language::english),
        u"30 Esfand 1403 − 1 year: Tuesday 29 Esfand 1402");
    EXPECT_FALSE(stepDate(data(), Calendar::hijri, kAzar18, {12000, DateStep::months}).has_value());
    EXPECT_EQ(betweenText(data(), Calendar::jalali, kAzar18, jalaliToDayNumber(1406, 1, 1), Language::english),
              u"102 days later: 3 months and 12 days in Solar Hijri months");
    EXPECT_EQ(betweenText(data(), Calendar::hijri, kAzar18, kAzar18, Language::persian), u"همان روز");
}

TEST(DateAtHand, TheCopyForms) {
    const std::u16string expected[] = {
        u"۱۴۰۵/۰۹/۱۸",
        u"چهارشنبه ۱۸ آذر ۱۴۰۵",
        u"1405-09-18",
        u"9 December 2026",
        u"29 Jumada al-Thani 1448",
        u"Wednesday 18 Azar 1405, 9 December 2026, 29 Jumada al-Thani 1448",
    };
    for (const CopyForm form : kCopyForms) {
        EXPECT_EQ(copyText(data(), kAzar18, form, Language::english), expected[static_cast<std::size_t>(form)]);
        EXPECT_EQ(copyFormNamed(copyFormName(form)), form);
    }
    EXPECT_EQ(copyText(data(), kAzar18, CopyForm::gregorian, Language::persian), u"۹ دسامبر ۲۰۲۶");
    EXPECT_EQ(copyFormNamed(u"nonsense"), CopyForm::numericPersian);
    EXPECT_EQ(copyText(data(), gregorianToDayNumber(1700, 1, 1), CopyForm::lunar, Language::english), u"");
}

}  // namespace
}  // namespace velmora
