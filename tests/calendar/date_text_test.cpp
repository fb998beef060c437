#include "calendar/date_text.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace velmora {
namespace {

// What the module writes, it reads back: every day of the years 1300 to 1500 of each
// calendar, in each language, digit set and form. A calendar a test, so that the three run
// side by side (the sanitizers make each a long one).
class EveryDay : public ::testing::TestWithParam<Calendar> {};

TEST_P(EveryDay, WrittenIsReadBack) {
    const ShippedLunarTable shipped;
    const HijriCalendar& hijri = shipped.hijri;
    const Calendar calendar = GetParam();
    const CalendarRecord& record = calendarRecord(calendar);
    const DayNumber first = record.toDayNumber(hijri, 1300, 1, 1);
    const DayNumber last = record.toDayNumber(hijri, 1501, 1, 1) - 1;
    for (DayNumber n = first; n <= last; ++n) {
        const CivilDate date = record.fromDayNumber(hijri, n);
        const std::u16string iso = dateText(calendar, date, Language::english, DateForm::iso);
        ASSERT_EQ(readDate(calendar, iso), date) << toUtf8(iso);
        for (const Language language : {Language::english, Language::persian}) {
            for (const Digits digits : {Digits::ascii, Digits::persian, Digits::arabicIndic}) {
                for (const DateForm form : {DateForm::words, DateForm::numeric}) {
                    const std::u16string text = dateText(calendar, date, language, form, digits);
                    ASSERT_EQ(readDate(calendar, text), date) << toUtf8(text);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DateText, EveryDay, ::testing::ValuesIn(kCalendars),
                         [](const ::testing::TestParamInfo<Calendar>& named) {
                             return std::string(named.param == Calendar::jalali      ? "Jalali"
                                                : named.param == Calendar::gregorian ? "Gregorian"
                                                                                     : "Hijri");
                         });

TEST(DateText, WhatUsersTypeAndWhatTheyDoNot) {
    const CivilDate tir12{1365, 4, 12};
    for (const std::u16string_view typed :
         {u"1365/4/12", u"۱۳۶۵-۰۴-۱۲", u"12 Tir 1365", u"۱۲ تیر ۱۳۶۵", u" 1365.04.12 ", u"12 tir 1365", u"١٣٦٥/٤/١٢"})
        EXPECT_EQ(readDate(Calendar::jalali, typed), tir12) << toUtf8(typed);
    EXPECT_EQ(readDate(Calendar::hijri, u"12 Rabi al-Awwal 1448"), (CivilDate{1448, 3, 12}));
    EXPECT_EQ(readDate(Calendar::hijri, u"۱ ذی الحجه ۱۴۴۷"), (CivilDate{1447, 12, 1}));
    EXPECT_EQ(readDate(Calendar::gregorian, u"-44-03-15"), (CivilDate{-44, 3, 15}));
    EXPECT_EQ(readDate(Calendar::gregorian, u"15 March -44"), (CivilDate{-44, 3, 15}));
    for (const std::u16string_view typed : {u"", u"1365/4", u"12 Tar 1365", u"1365/4/12/1", u"x/4/12", u"+1365/4/12"})
        EXPECT_FALSE(readDate(Calendar::jalali, typed)) << toUtf8(typed);
    EXPECT_EQ(dateText(Calendar::jalali, {1405, 9, 18}, Language::persian, DateForm::numeric), u"۱۴۰۵/۰۹/۱۸");
    EXPECT_EQ(dateText(Calendar::gregorian, {2026, 12, 9}, Language::persian), u"۹ دسامبر ۲۰۲۶");
    EXPECT_EQ(dateText(Calendar::hijri, {1448, 6, 29}, Language::english, DateForm::monthOf), u"Jumada al-Thani 1448");
}

}  // namespace
}  // namespace velmora
