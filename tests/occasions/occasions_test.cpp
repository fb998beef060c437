#include "occasions/occasions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "occasions/occasions_check.h"
#include "problem_report.h"
#include "test_files.h"

namespace velmora {
namespace {

TEST(OccasionSectionName, CalendarDigitMonthAndSafarSuffix) {
    EXPECT_EQ(occasionSectionName(Calendar::jalali, 1), u"01");
    EXPECT_EQ(occasionSectionName(Calendar::jalali, 12), u"012");
    EXPECT_EQ(occasionSectionName(Calendar::gregorian, 11), u"111");
    EXPECT_EQ(occasionSectionName(Calendar::hijri, 2, 29), u"22a");
    EXPECT_EQ(occasionSectionName(Calendar::hijri, 2, 30), u"22b");
    EXPECT_EQ(occasionSectionName(Calendar::hijri, 2, 31), u"22");
    EXPECT_EQ(occasionSectionName(Calendar::hijri, 3, 29), u"23");
}

TEST(HolidayFlag, LastCharacterAsADigitOfAnyScript) {
    EXPECT_EQ(holidayFlag(u"Nowruz 1"), 1);
    EXPECT_EQ(holidayFlag(u"\u0646\u0648\u0631\u0648\u0632 \u06F1"), 1);  // Persian one
    EXPECT_EQ(holidayFlag(u"x \u0661"), 1);                               // Arabic-Indic one
    EXPECT_EQ(holidayFlag(u"x \u0967"), 1);                               // Devanagari one
    EXPECT_EQ(holidayFlag(u"x \uFF11"), 1);                               // full-width one
    EXPECT_EQ(holidayFlag(u"x 0"), 0);
    EXPECT_EQ(holidayFlag(u"x 2"), 2);
    EXPECT_EQ(holidayFlag(u"x a"), 0);
    EXPECT_EQ(holidayFlag(u""), 0);
    EXPECT_EQ(holidayFlag(u"1"), 1);  // no words, still a flag
    EXPECT_EQ(occasionWords(u"1"), u"");
    EXPECT_EQ(occasionWords(u"ab 1"), u"ab");
}

// The texts of the two data files; no calendar.ini unless the shipped one is taken.
class OccasionsTest : public ::testing::Test {
  protected:
    std::string events_;
    std::string calendar_;
    void writeEvents(std::string_view text) { events_ = text; }
    void copyShippedCalendar() { calendar_ = readBytes(shippedFile("calendar.ini")); }
    CalendarData data() const { return CalendarData::fromText(calendar_, events_); }
};

TEST_F(OccasionsTest, SolarHolidayInEveryYear) {
    writeEvents("[01]\n1=Nowruz 1\n2=Not a holiday 0\n3=Not either 2\n");
    const CalendarData files = data();  // no calendar.ini: only the Solar Hijri sections decide
    for (std::int32_t year = 1300; year <= 1500; ++year) {
        ASSERT_TRUE(isHoliday(files, year, 1, 1)) << year;
        ASSERT_FALSE(isHoliday(files, year, 1, 2)) << year;
        ASSERT_FALSE(isHoliday(files, year, 1, 3)) << year;
    }
    EXPECT_FALSE(isHoliday(files, 1403, 12, 1));
}

TEST_F(OccasionsTest, SafarSectionFollowsTheMonthLength) {
    copyShippedCalendar();
    writeEvents("[22a]\n10=short Safar 1\n[22b]\n10=long Safar 1\n");
    const CalendarData files = data();
    std::int32_t shortYears = 0, longYears = 0;
    for (std::int32_t year = 1420; year <= 1450; ++year) {
        const std::int32_t length = files.lunar.readHijriMonthLengths(year)[2];
        const CivilDate day = dayNumberToJalali(hijriToDayNumber(files.hijri(), year, 2, 10));
        ASSERT_TRUE(isHoliday(files, day.year, day.month, day.day)) << year;
        const Occasion occasion = occasionsOfDay(files, jalaliToDayNumber(day.year, day.month, day.day)).lunar;
        EXPECT_EQ(occasion.words(), length == 29 ? u"short Safar" : u"long Safar") << year;
        (length == 29 ? shortYears : longYears)++;
    }
    EXPECT_GT(shortYears, 5);
    EXPECT_GT(longYears, 5);
}

TEST_F(OccasionsTest, GregorianOccasionsNeverMakeAHoliday) {
    copyShippedCalendar();
    writeEvents("[13]\n21=Gregorian holiday? 1\n");
    const CalendarData files = data();
    EXPECT_FALSE(isHoliday(files, 1404, 1, 1));  // 21 March 2025
}

TEST_F(OccasionsTest, OutsideTheLunarTableOnlySolarOccasionsCount) {
    copyShippedCalendar();
    writeEvents("[21]\n1=lunar new year 1\n[01]\n5=solar 1\n");
    const CalendarData files = data();
    // 1 Muharram 1265 is the table's first day; 1 Muharram 1264 lies before it.
    const CivilDate inside = dayNumberToJalali(files.bounds().minJulianday + 1);
    EXPECT_TRUE(isHoliday(files, inside.year, inside.month, inside.day));
    const CivilDate outside = dayNumberToJalali(files.bounds().minJulianday + 1 - 354);
    EXPECT_FALSE(isHoliday(files, outside.year, outside.month, outside.day));
    EXPECT_TRUE(isHoliday(files, 1200, 1, 5));
}

TEST_F(OccasionsTest, NoEventsFileNoHolidays) {
    copyShippedCalendar();
    const CalendarData files = data();
    for (std::int32_t day = 1; day <= 31; ++day) EXPECT_FALSE(isHoliday(files, 1404, 1, day));
    EXPECT_TRUE(checkOccasions(IniFile(), nullptr).empty());
}

TEST_F(OccasionsTest, BadFilesGetClearAnswers) {
    writeEvents("[01]\n1=" + std::string(500, 'x') +
                " 1\n2=\xFF\xFE garbage \x01\n3=ok \xDB\xB1\n"
                "[01]\n4=duplicate 1\n[99]\n1=x 1\n[07]\n31=no such day 1\n32=x 1\n5=no flag\n6=\n"
                "[11]\n1=new year 1\n[22a]\n30=x 0\n");
    const CalendarData files = data();
    EXPECT_EQ(files.events.read(u"01", 1).text.size(), 79u);  // cut by the read
    EXPECT_FALSE(isHoliday(files, 1404, 1, 1));               // its flag was cut away
    EXPECT_FALSE(isHoliday(files, 1404, 1, 2));
    EXPECT_TRUE(isHoliday(files, 1404, 1, 3));  // Persian one
    const std::string text = problemReport(checkOccasions(IniFile::parse(events_), nullptr));
    EXPECT_NE(text.find("2: error: the value has 502 characters; it would be cut at 79"), std::string::npos) << text;
    EXPECT_NE(text.find("3: error: the value holds a control character (U+0001)"), std::string::npos) << text;
    EXPECT_NE(text.find("5: error: a second section [01]"), std::string::npos) << text;
    EXPECT_NE(text.find("7: error: unknown section [99]"), std::string::npos) << text;
    EXPECT_NE(text.find("10: error: [07] has no day \"31\" (1 to 30)"), std::string::npos) << text;
    EXPECT_NE(text.find("11: error: [07] has no day \"32\""), std::string::npos) << text;
    EXPECT_NE(text.find("12: error: the value does not end in a holiday flag"), std::string::npos) << text;
    EXPECT_NE(text.find("15: note: a Gregorian occasion never makes a holiday"), std::string::npos) << text;
    EXPECT_NE(text.find("17: error: [22a] has no day \"30\" (1 to 29)"), std::string::npos) << text;
}

// The shipped files against the data they were made from: every official holiday is a
// holiday on its day in three consecutive Solar Hijri years.
class ShippedOccasions : public ::testing::Test {
  protected:
    CalendarData files_ = shippedData();

    struct Row {
        std::string calendar;
        std::int32_t month, day, holiday;
        std::string text;
    };
    static std::vector<Row> rows() {
        std::ifstream in(sourceFile("tools/data/occasions-iran.tsv"));
        std::vector<Row> result;
        std::string line;
        std::getline(in, line);
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            Row row;
            std::string month, day, holiday;
            std::getline(fields, row.calendar, '\t');
            std::getline(fields, month, '\t');
            std::getline(fields, day, '\t');
            std::getline(fields, holiday, '\t');
            std::getline(fields, row.text, '\t');
            row.month = std::stoi(month);
            row.day = std::stoi(day);
            row.holiday = std::stoi(holiday);
            result.push_back(row);
        }
        return result;
    }
};

TEST_F(ShippedOccasions, EveryOfficialHolidayInThreeYears) {
    std::int32_t checked = 0;
    for (const Row& row : rows()) {
        if (row.holiday != 1) continue;
        if (row.calendar == "solar") {
            for (std::int32_t year = 1403; year <= 1405; ++year) {
                if (row.month == 12 && row.day == 30 && jalaliYearInfo(year).leap != 0) continue;
                EXPECT_TRUE(isHoliday(files_, year, row.month, row.day)) << year << "/" << row.month << "/" << row.day;
                ++checked;
            }
        } else if (row.calendar == "lunar") {
            // The lunar years that overlap Solar Hijri 1403 to 1405.
            for (std::int32_t year = 1445; year <= 1448; ++year) {
                const std::int32_t length =
                    files_.lunar.readHijriMonthLengths(year)[static_cast<std::size_t>(row.month)];
                // The last day of Safar, whatever its length.
                const std::int32_t day = row.month == 2 && row.day == 30 ? length : row.day;
                const CivilDate jalali = dayNumberToJalali(hijriToDayNumber(files_.hijri(), year, row.month, day));
                if (jalali.year < 1403 || jalali.year > 1405) continue;
                EXPECT_TRUE(isHoliday(files_, jalali.year, jalali.month, jalali.day))
                    << year << "/" << row.month << "/" << day;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 80);
}

TEST_F(ShippedOccasions, NoValueIsCutAndNoGregorianHoliday) {
    OccasionsSummary summary;
    const IniFile events = shippedIni("events.ini");
    const auto problems = checkOccasions(events, &summary);
    for (const FileProblem& p : problems) ADD_FAILURE() << p.line << ": " << p.message;
    EXPECT_EQ(summary.holidays[1], 0);
    EXPECT_EQ(summary.holidays[0], 11);
    EXPECT_EQ(summary.holidays[2], 17);
    // Gregorian days in 1404: none is a holiday by its Gregorian occasion alone.
    for (const auto& section : events.sections())
        for (const auto& entry : section.entries) EXPECT_LT(entry.value.size(), kOccasionBufferSize);
}

TEST_F(ShippedOccasions, TheHolidaysOf1405) {
    // The 1405 official calendar: Nowruz and the two days of Eid al-Fitr share Farvardin 1-2,
    // Eid al-Fitr comes again on Esfand 19-20, and Imam Reza falls on Mordad 22.
    std::vector<CivilDate> holidays;
    for (std::int32_t month = 1; month <= 12; ++month)
        for (std::int32_t day = 1; day <= jalaliMonthLength(1405, month); ++day)
            if (isHoliday(files_, 1405, month, day)) holidays.push_back({1405, month, day});
    const std::vector<CivilDate> expected = {
        {1405, 1, 1},   {1405, 1, 2},  {1405, 1, 3},   {1405, 1, 4},   {1405, 1, 12}, {1405, 1, 13},  {1405, 1, 25},
        {1405, 3, 6},   {1405, 3, 14}, {1405, 3, 15},  {1405, 4, 3},   {1405, 4, 4},  {1405, 5, 13},  {1405, 5, 21},
        {1405, 5, 22},  {1405, 5, 30}, {1405, 6, 8},   {1405, 8, 22},  {1405, 10, 2}, {1405, 10, 16}, {1405, 11, 4},
        {1405, 11, 22}, {1405, 12, 9}, {1405, 12, 19}, {1405, 12, 20}, {1405, 12, 29}};
    EXPECT_EQ(holidays, expected);
}

}  // namespace
}  // namespace velmora
