// Every text the program builds for the Persian interface, laid out by GNU FriBidi with the
// base direction of the place it is shown in, reads from the right: day, month and year in
// this order, and a sentence's full stop or colon at its end, the left.
#include "decisions/reading_order.h"

#include <gtest/gtest.h>

#include <regex>

#include "calendar/date_text.h"
#include "data/text_codec.h"
#include "decisions/day_reading.h"
#include "decisions/lunar_months.h"
#include "decisions/my_days_form.h"
#include "decisions/problem_words.h"
#include "decisions/tray_text.h"
#include "visual_order.h"

namespace velmora {
namespace {

constexpr auto kLeftToRight = BaseDirection::leftToRight;
constexpr auto kRightToLeft = BaseDirection::rightToLeft;

std::u16string persianDate(Calendar calendar, const CivilDate& date) {
    return dateText(calendar, date, Language::persian);
}

// The day, the month's name and the year of a date as the Persian interface writes them.
struct DateWords {
    std::u16string day, month, year;
};
DateWords wordsOf(Calendar calendar, const CivilDate& date) {
    return {numberText(date.day, Digits::persian), monthWord(calendar, date.month, Language::persian),
            numberText(date.year, Digits::persian)};
}

// A string of the Persian interface, from the resource script.
std::u16string persianString(const std::string& name) {
    const std::string script = readBytes(sourceFile("resources/persian.rc"));
    std::smatch found;
    if (!std::regex_search(script, found, std::regex("\\n\\s*" + name + "\\s+\"((?:[^\"]|\"\")*)\""))) return {};
    std::string text = found[1];
    for (std::size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
    for (std::size_t at; (at = text.find("\"\"")) != std::string::npos;) text.replace(at, 2, "\"");
    return fromUtf8(text);
}

// Every line of each text laid out with the place's base direction reads from the right.
void expectEachLineReadsFromTheRight(const std::vector<std::u16string>& texts, BaseDirection base) {
    std::vector<std::u16string> lines;
    for (const std::u16string& text : texts)
        for (const std::u16string& line : piecesOf(text, u'\n')) lines.push_back(line);
    for (const VisualLine& line : laidOut(lines, base)) EXPECT_TRUE(readsFromTheRight(line));
}

TEST(ReadingOrder, ThePlainLineReadsWrongWhereTextIsLaidOutFromTheLeft) {
    // What the tooltip showed: "۹ دسامبر ۲۰۲۶" read, from the right, month, year, day.
    const std::u16string plain = persianDate(Calendar::gregorian, {2026, 12, 9});
    const DateWords words = wordsOf(Calendar::gregorian, {2026, 12, 9});
    const auto shown = laidOut({plain, readingRightToLeft(plain)}, kLeftToRight);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(readsFromTheRight(shown[0], {words.day, words.month, words.year}));
    EXPECT_TRUE(readsFromTheRight(shown[1], {words.day, words.month, words.year}));
    // And a sentence with a Latin word in it keeps its full stop at the end.
    const std::u16string sentence = u"روزهای خودتان را Velmora نشان می‌دهد.";
    const auto sentences = laidOut({sentence, readingRightToLeft(sentence)}, kLeftToRight);
    EXPECT_FALSE(readsFromTheRight(sentences[0], {u"روزهای", u"Velmora", u"نشان"}));
    EXPECT_TRUE(readsFromTheRight(sentences[1], {u"روزهای", u"Velmora", u"نشان"}));
}

TEST(ReadingOrder, EachLineAndColumnIsEmbeddedAlone) {
    EXPECT_EQ(readingRightToLeft(u"\u0627\n\nb\t\u0628 c"), u"\u2067\u0627\u2069\n\nb\t\u2067\u0628 c\u2069");
    EXPECT_EQ(inReadingOrder(u"a b", Language::english), u"a b");
    EXPECT_EQ(brokenIntoLines(u"one two  three\nfour", 7), u"one two\nthree\nfour");
    EXPECT_EQ(brokenIntoLines(u"averylongword x", 4), u"averylongword\nx");
}

// The notification area lays its tooltip out from the left.
TEST(ReadingOrder, TheTrayTooltipInPersian) {
    CalendarData data = shippedData();
    data.myDays = {{Calendar::jalali, 9, 18, u"زادروز مادر، ۱۳۴۰", false}};
    std::vector<std::u16string> lines;
    std::vector<std::vector<DateWords>> expected;
    for (DayNumber n = gregorianToDayNumber(2026, 3, 1); n < gregorianToDayNumber(2027, 4, 1); ++n) {
        const CivilDate g = dayNumberToGregorian(n);
        const std::u16string tip = trayIconContent(data, g, Language::persian).tooltip;
        const auto tipLines = piecesOf(tip, u'\n');
        ASSERT_GE(tipLines.size(), 3u);
        lines.insert(lines.end(), tipLines.begin(), tipLines.begin() + 3);
        expected.push_back({wordsOf(Calendar::jalali, dayNumberToJalali(n)), wordsOf(Calendar::gregorian, g),
                            wordsOf(Calendar::hijri, *lunarDate(data.hijri(), n))});
        if (tipLines.size() > 3) {
            ASSERT_TRUE(readsFromTheRight(laidOut({tipLines[3]}, kLeftToRight)[0], {u"\u2605", u"زادروز", u"۱۳۴۰"}));
        }
    }
    const auto shown = laidOut(lines, kLeftToRight);
    ASSERT_EQ(shown.size(), lines.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const DateWords& date = expected[i / 3][i % 3];
        ASSERT_TRUE(readsFromTheRight(shown[i], {date.day, date.month, date.year}));
    }
}

// Wine's lists draw their columns one by one from the left, and its buttons from the left.
TEST(ReadingOrder, TheDialogsListsAndChoices) {
    const CalendarData data = shippedData();
    const auto rows = correctableLunarMonths(data, {2027, 3, 9});
    ASSERT_GE(rows.size(), 10u);
    std::vector<std::u16string> columns;
    std::vector<std::vector<std::u16string>> pieces;
    const auto addDate = [&](const std::u16string& column, Calendar calendar, const CivilDate& date, bool withDay) {
        const DateWords words = wordsOf(calendar, date);
        columns.push_back(column);
        pieces.push_back(withDay ? std::vector{words.day, words.month, words.year}
                                 : std::vector{words.month, words.year});
    };
    for (const LunarMonthRow& row : rows) {
        const auto row3 =
            piecesOf(lunarMonthRowText(row, Language::persian, persianString("IDS_SOURCE_PREDICTED")), u'\t');
        ASSERT_EQ(row3.size(), 4u);
        addDate(row3[0], Calendar::hijri, {row.year, row.month, 1}, false);
        addDate(row3[1], Calendar::jalali, dayNumberToJalali(row.first), true);
        addDate(row3[2], Calendar::gregorian, dayNumberToGregorian(row.first), true);
        for (const LunarStartOption& option : lunarStartOptions(data, row, Language::persian)) {
            const DateWords j = wordsOf(Calendar::jalali, dayNumberToJalali(option.day));
            const DateWords g = wordsOf(Calendar::gregorian, dayNumberToGregorian(option.day));
            columns.push_back(option.text);
            pieces.push_back({j.day, j.month, j.year, u"(", g.day, g.month, g.year, u")"});
        }
    }
    const MyDay days[] = {{Calendar::jalali, 12, 30, u"سالگرد ما", true},
                          {Calendar::gregorian, 2, 29, u"Mother's birthday", false},
                          {Calendar::hijri, 9, 30, u"روز ۳۰ رمضان", false}};
    for (const MyDay& day : days) {
        const auto row4 = piecesOf(myDayRowText(day, Language::persian, u"خورشیدی", u"تعطیل"), u'\t');
        ASSERT_EQ(row4.size(), 4u);
        columns.push_back(row4[1]);
        pieces.push_back({numberText(day.day, Digits::persian), monthWord(day.calendar, day.month, Language::persian)});
        columns.push_back(row4[2]);
        pieces.push_back({});
    }
    const auto shown = laidOut(columns, kLeftToRight);
    ASSERT_EQ(shown.size(), columns.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(readsFromTheRight(shown[i], {pieces[i].begin(), pieces[i].end()}));
    }
}

// The notification area's balloons and Wine's message boxes lay their lines out from the left.
TEST(ReadingOrder, BalloonsAndMessageBoxes) {
    CalendarData data = shippedData();
    const auto notice = predictionNoticeDue(data, {2027, 3, 1}, u"");
    ASSERT_TRUE(notice);
    const std::u16string balloon = balloonText(
        withInsert(persianString("IDS_PREDICTED_NOTICE"), predictionNoticeMonth(data, *notice, Language::persian)),
        Language::persian);
    const auto lines = piecesOf(balloon, u'\n');
    ASSERT_GE(lines.size(), 3u);  // not one line as wide as the screen
    for (const std::u16string& line : lines) EXPECT_LE(line.size(), 60u);
    data.myDays = {{Calendar::jalali, 12, 10, u"زادروز مادر", false}, {Calendar::jalali, 12, 11, u"Sara's day", false}};
    const auto reminder =
        reminderBalloon(data, {{2027, 3, 1}, 19, 0, 0}, true, u"", persianString("IDS_REMINDER_TOMORROW"));
    ASSERT_TRUE(reminder);
    std::vector<std::u16string> texts{balloon, balloonText(reminder->text, Language::persian)};
    for (const char* id : {"IDS_DATA_PROBLEM", "IDS_EVENTS_PROBLEM", "IDS_LUNAR_NOT_WRITTEN", "IDS_MYDAYS_NOT_WRITTEN",
                           "IDS_MYDAYS_PROBLEM"}) {
        ASSERT_FALSE(persianString(id).empty()) << id;
        texts.push_back(messageText(
            persianString(id),
            problemWords("calendar.ini, line 8: month 1 of year 5 has 10 days (must be 29 or 30)", Language::persian),
            Language::persian));
    }
    expectEachLineReadsFromTheRight(texts, kLeftToRight);
    // The month and its first day, brackets facing in, on the line that holds them.
    const LunarMonthRow row{notice->year, notice->month, notice->first};
    for (const VisualLine& line : laidOut(lines, kLeftToRight)) {
        if (line.text.find(u"(") == std::u16string::npos) continue;
        const DateWords j = wordsOf(Calendar::jalali, dayNumberToJalali(row.first));
        EXPECT_TRUE(readsFromTheRight(line, {u"شوال", u"۱۴۴۸", u"(", j.day, j.month, j.year, u")"}));
    }
}

// The dialogs' texts, the holiday panel's lines and the screen reader's words are drawn, or
// read, right to left.
TEST(ReadingOrder, DialogTextsPanelLinesAndTheScreenReadersWords) {
    const CalendarData data = shippedData();
    std::vector<std::u16string> texts{
        withInsert(persianString("IDS_LUNAR_APPLIED"), lunarMonthTitle(1448, 10, Language::persian)),
        withInsert(persianString("IDS_MYDAYS_NOT_EVERY_YEAR"),
                   myDayDate({Calendar::jalali, 12, 30, u"", false}, Language::persian)),
        aboutLunarNote(data, Language::persian, persianString("IDS_ABOUT_PREDICTED")),
        persianString("IDS_LUNAR_UNDONE"),
        persianString("IDS_LUNAR_FIXED_MONTH"),
        persianString("IDS_MYDAYS_NO_TEXT")};
    const MonthLayout farvardin = layOutMonth(data, Calendar::jalali, 1405, 1, {2026, 12, 9});
    for (const std::u16string& line : holidayLines(farvardin, Language::persian)) texts.push_back(line);
    expectEachLineReadsFromTheRight(texts, kRightToLeft);

    const MonthLayout azar = layOutMonth(data, Calendar::jalali, 1405, 9, {2026, 12, 9});
    std::vector<std::u16string> readings;
    for (const LaidOutDay& day : azar.days) readings.push_back(dayReading(azar, day, Language::persian));
    const auto shown = laidOut(readings, kRightToLeft);
    ASSERT_EQ(shown.size(), azar.days.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const LaidOutDay& day = azar.days[i];
        const DateWords j = wordsOf(Calendar::jalali, day.jalali), g = wordsOf(Calendar::gregorian, day.gregorian),
                        h = wordsOf(Calendar::hijri, *day.lunar);
        EXPECT_TRUE(
            readsFromTheRight(shown[i], {j.day, j.month, j.year, g.day, g.month, g.year, h.day, h.month, h.year}));
    }
    // The note on 30 Esfand begins with its day.
    EXPECT_TRUE(readsFromTheRight(laidOut({texts[1]}, kRightToLeft)[0], {u"۳۰", u"اسفند"}));
}

}  // namespace
}  // namespace velmora
