#include "decisions/data_age.h"

#include <gtest/gtest.h>

#include "calendar/hijri.h"
#include "calendar/hijri_correction.h"
#include "test_files.h"

namespace velmora {
namespace {

const OutOfDatePatterns kPatterns{u"Predicted from %s.", u"Holidays of %s.", u"Update."};

// 1 Shawwal 1448, the shipped table's first predicted month, and Nowruz 1406, the first day
// after the year events.ini follows.
TEST(DataAge, TheDataFallsBehindOnTheFirstPredictedMonthAndTheNextSolarYear) {
    const CalendarData data = shippedData();
    const DayNumber shawwal = hijriToDayNumber(data.hijri(), 1448, 10, 1);
    const CivilDate eve = dayNumberToGregorian(shawwal - 1);
    EXPECT_FALSE(dataAge(data, {2026, 12, 10}).outOfDate());
    EXPECT_FALSE(dataAge(data, eve).outOfDate()) << eve.year << "-" << eve.month << "-" << eve.day;
    const DataAge lunar = dataAge(data, dayNumberToGregorian(shawwal));
    EXPECT_TRUE(lunar.lunarAhead);
    EXPECT_FALSE(lunar.eventsBehind);
    EXPECT_EQ(lunar.key, u"1448/10");
    EXPECT_EQ(outOfDateWords(lunar, data, Language::english, kPatterns), u"Predicted from Shawwal 1448. Update.");

    const DataAge both = dataAge(data, dayNumberToGregorian(jalaliToDayNumber(1406, 1, 1)));
    EXPECT_TRUE(both.lunarAhead && both.eventsBehind);
    EXPECT_EQ(both.key, u"1448/10 1405");
    EXPECT_EQ(dataAge(data, dayNumberToGregorian(jalaliToDayNumber(1405, 12, 29))).key, u"1448/10");
    EXPECT_EQ(
        outOfDateWords(both, data, Language::persian, kPatterns),
        u"Predicted from \u0634\u0648\u0627\u0644 \u06F1\u06F4\u06F4\u06F8. Holidays of \u06F1\u06F4\u06F0\u06F5. "
        u"Update.");
    // A correction of the month does not make it published.
    const CalendarData corrected = CalendarData::fromText(
        correctLunarTable(readBytes(shippedFile("calendar.ini")), {{1448, 10, 30}, {1448, 11, 29}}).text, "");
    EXPECT_TRUE(dataAge(corrected, dayNumberToGregorian(shawwal)).lunarAhead);
    // Without a table, or a table that does not say its events' year, nothing is behind.
    EXPECT_FALSE(dataAge(CalendarData(), {2090, 1, 1}).outOfDate());
}

TEST(DataAge, AboutNamesTheEditionAndItsDate) {
    const CalendarData data = shippedData();
    EXPECT_EQ(editionWords(data, Language::english, u"Calendar data: edition %s of %s."),
              u"Calendar data: edition 1 of 8 December 2026.");
    EXPECT_EQ(editionWords(data, Language::persian, u"ویرایش %s، %s."),
              u"ویرایش \u06F1، \u06F1\u06F7 \u0622\u0630\u0631 \u06F1\u06F4\u06F0\u06F5.");
    const std::string withoutDate = replaced(readBytes(shippedFile("calendar.ini")), "made=", "was=");
    EXPECT_EQ(editionWords(CalendarData::fromText(withoutDate, ""), Language::english, u"Edition %s of %s."), u"");
    EXPECT_EQ(editionWords(CalendarData(), Language::english, u"Edition %s of %s."), u"");
}

}  // namespace
}  // namespace velmora
