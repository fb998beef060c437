#include "calendar/hijri_correction.h"

#include <gtest/gtest.h>

#include <map>

#include "calendar/hijri.h"
#include "calendar/hijri_check.h"
#include "test_files.h"

namespace velmora {
namespace {

std::string corrected(const std::string& text, const std::vector<LunarCorrection>& corrections) {
    const CorrectedTable result = correctLunarTable(text, corrections, true);
    EXPECT_EQ(result.problem, "");
    return result.text;
}

// Every month of the corrected table begins as many days later as the corrections before it
// added, and the corrected months have their new lengths and are marked as corrected.
void expectMonthsMoved(const std::string& before, const std::string& after,
                       const std::vector<LunarCorrection>& corrections) {
    const IniFile oldIni = IniFile::parse(before), newIni = IniFile::parse(after);
    for (const FileProblem& p : checkHijriTable(newIni, nullptr))
        EXPECT_NE(p.severity, FileProblem::Severity::error) << p.message;
    const LunarTable oldTable(oldIni), newTable(newIni);
    const HijriCalendar oldCalendar{oldTable, oldTable.bounds()};
    const HijriCalendar newCalendar{newTable, newTable.bounds()};
    std::map<std::int64_t, std::int32_t> deltas;  // month index -> days added by it
    for (const LunarCorrection& c : corrections)
        deltas[c.year * 12 + c.month] =
            c.days - oldTable.readHijriMonthLengths(c.year)[static_cast<std::size_t>(c.month)];
    std::int32_t moved = 0;
    for (std::int32_t year = 1265; year <= 1600; ++year) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            ASSERT_EQ(hijriToDayNumber(newCalendar, year, month, 1),
                      hijriToDayNumber(oldCalendar, year, month, 1) + moved)
                << year << "/" << month;
            const auto delta = deltas.find(year * 12 + month);
            if (delta == deltas.end()) continue;
            moved += delta->second;
            EXPECT_EQ(lunarMonthSource(newIni, year, month), MonthSource::corrected);
        }
    }
    EXPECT_EQ(newCalendar.bounds.maxJulianday, oldCalendar.bounds.maxJulianday + moved);
    // A day of the corrected table converts back to itself, and its date is one of the new table.
    for (DayNumber n = newCalendar.bounds.minJulianday + 1; n <= newCalendar.bounds.maxJulianday; n += 13) {
        const CivilDate date = dayNumberToHijri(newCalendar, n);
        ASSERT_EQ(hijriToDayNumber(newCalendar, date.year, date.month, date.day), n);
    }
}

TEST(HijriCorrection, OfficialFirstPredictedAndLastMonths) {
    const std::string shipped = readBytes(shippedFile("calendar.ini"));
    const std::vector<std::vector<LunarCorrection>> cases = {
        {{1300, 1, 30}},                   // official era: every later day moves one on
        {{1448, 10, 30}, {1448, 11, 29}},  // the first predicted month, its year kept at 355 days
        {{1600, 12, 29}},                  // the table's last month
    };
    for (const auto& corrections : cases) expectMonthsMoved(shipped, corrected(shipped, corrections), corrections);
    const IniFile ini = IniFile::parse(shipped);
    EXPECT_EQ(lunarMonthSource(ini, 1447, 12), MonthSource::official);
    EXPECT_EQ(lunarMonthSource(ini, 1448, 9), MonthSource::published);
    EXPECT_EQ(lunarMonthSource(ini, 1448, 10), MonthSource::predicted);
}

TEST(HijriCorrection, OnlyTheNeededLinesChangeAndASecondCorrectionRewritesItsRecord) {
    const std::string shipped = readBytes(shippedFile("calendar.ini"));
    const std::string once = corrected(shipped, {{1300, 1, 30}});
    EXPECT_NE(once.find("\r\ncorrection 1300/1=30 days, was 29\r\n\r\n[value]"), std::string::npos);
    // Back at its length as shipped, the month is no correction: the table is as shipped.
    EXPECT_EQ(corrected(once, {{1300, 1, 29}}), shipped);
}

// Lines end as the reader ends them, whatever the file uses: CR, LF, CR LF or a mixture.
TEST(HijriCorrection, EveryLineEnding) {
    const std::string lf = readBytes(shippedFile("calendar.ini"));
    std::string plain;  // the shipped table with LF endings
    for (std::size_t i = 0; i < lf.size(); ++i)
        if (!(lf[i] == '\r' && i + 1 < lf.size() && lf[i + 1] == '\n')) plain += lf[i];
    const auto withEndings = [&](const std::string& ending) {
        std::string text;
        for (const char c : plain) text += c == '\n' ? ending : std::string(1, c);
        return text;
    };
    for (const std::string ending : {"\n", "\r", "\r\n", "\r\r\n"}) {
        const std::string before = withEndings(ending);
        const std::string after = corrected(before, {{1449, 12, 29}});
        expectMonthsMoved(before, after, {{1449, 12, 29}});
        EXPECT_NE(after.find("correction 1449/12=29 days, was 30" + ending), std::string::npos) << ending.size();
    }
    std::string mixed = withEndings("\n");
    mixed.replace(mixed.find("\n[1449]"), 1, "\r");  // a stray CR
    expectMonthsMoved(mixed, corrected(mixed, {{1449, 12, 29}}), {{1449, 12, 29}});
}

TEST(HijriCorrection, OfficialMonthsOnlyWhenAsked) {
    const std::string shipped = readBytes(shippedFile("calendar.ini"));
    EXPECT_NE(correctLunarTable(shipped, {{1447, 12, 30}}).problem.find("1447/12 is an official month"),
              std::string::npos);
    EXPECT_EQ(correctLunarTable(shipped, {{1448, 9, 29}, {1448, 10, 30}}).problem, "");  // published, predicted
}

TEST(HijriCorrection, ATableWithoutSourceGetsOne) {
    const std::string table =
        "[value]\nminJulianday=2458359\nmaxJulianday=2459422\nminYear=1440\nendHijri=2459200\n"
        "1440=354\n1441=709\n1442=1063\n"
        "[1440]\n1=30\n2=29\n3=30\n4=29\n5=30\n6=29\n7=30\n8=29\n9=30\n10=29\n11=30\n12=29\n"
        "[1441]\n1=30\n2=30\n3=29\n4=30\n5=29\n6=30\n7=29\n8=30\n9=29\n10=30\n11=29\n12=30\n"
        "[1442]\n1=29\n2=30\n3=29\n4=30\n5=29\n6=30\n7=29\n8=30\n9=29\n10=30\n11=29\n12=30";  // no final newline
    const std::string result = corrected(table, {{1440, 12, 30}});
    EXPECT_TRUE(result.ends_with("12=30\n\n[source]\ncorrection 1440/12=30 days, was 29\n")) << result;
    EXPECT_NE(result.find("1440=355\n1441=710\n1442=1064\n"), std::string::npos);
    EXPECT_NE(result.find("maxJulianday=2459423\n"), std::string::npos);
    EXPECT_NE(result.find("endHijri=2459201\n"), std::string::npos);
}

TEST(HijriCorrection, RefusedRequestsSayWhy) {
    const std::string shipped = readBytes(shippedFile("calendar.ini"));
    const auto problem = [&](const std::string& text, LunarCorrection c) {
        return correctLunarTable(text, {c}, true).problem;
    };
    EXPECT_NE(problem(shipped, {1448, 10, 31}).find("29 or 30 days, not 31"), std::string::npos);
    EXPECT_NE(problem(shipped, {1448, 13, 29}).find("no month 1448/13 in the table (1265/1 to 1600/12)"),
              std::string::npos);
    EXPECT_NE(problem(shipped, {1264, 12, 29}).find("no month 1264/12"), std::string::npos);
    EXPECT_NE(problem(shipped, {1601, 1, 30}).find("no month 1601/1"), std::string::npos);
    // One month longer moves every later month: refused, naming the start that was meant.
    const std::string longer = problem(shipped, {1448, 10, 30});
    EXPECT_NE(longer.find("year 1448 would have 356 days"), std::string::npos) << longer;
    EXPECT_NE(longer.find("lunar start 1448-11 2027-04-09 (or: velmora-cli lunar set 1448-10 30 1448-11 29)"),
              std::string::npos)
        << longer;
    EXPECT_NE(problem("[value]\nminJulianday=1\n", {1448, 10, 30}).find("fails its check"), std::string::npos);
    EXPECT_NE(problem("\xFF\xFE[\0v\0", {1448, 10, 30}).find("UTF-16"), std::string::npos);
}

struct LunarStart {
    std::int32_t year, month;
    CivilDate first;  // Gregorian
};

// The months' first days in a table, by month index year * 12 + month.
std::map<std::int32_t, DayNumber> monthStarts(const std::string& text) {
    const IniFile ini = IniFile::parse(text);
    const LunarTable table(ini);
    const HijriCalendar calendar{table, table.bounds()};
    std::map<std::int32_t, DayNumber> starts;
    for (std::int32_t year = 1265; year <= 1600; ++year)
        for (std::int32_t month = 1; month <= 12; ++month)
            starts[year * 12 + month] = hijriToDayNumber(calendar, year, month, 1);
    starts[1601 * 12 + 1] = table.bounds().maxJulianday + 1;
    return starts;
}

// An announced first day moves one boundary: the two months around it change length, the
// table still passes its check, every other month begins where it did, and both are recorded.
TEST(LunarStart, MovesOneBoundaryInEitherDirection) {
    const std::string shipped = readBytes(shippedFile("calendar.ini"));
    std::string text = shipped;
    for (const LunarStart start : {LunarStart{1448, 10, {2027, 3, 9}},       // Ramadan 29 days, Shawwal 30
                                   LunarStart{1448, 10, {2027, 3, 10}},      // and back
                                   LunarStart{1449, 1, {2027, 6, 7}},        // across the year: 1448 has 356 days
                                   LunarStart{1600, 12, {2174, 10, 27}}}) {  // the table's last month
        if (start.year == 1600) text = correctLunarTable(text, {{1600, 12, 29}}).text;  // room to move
        const DayNumber first = gregorianToDayNumber(start.first.year, start.first.month, start.first.day);
        const CorrectedTable result = startLunarMonth(text, start.year, start.month, first);
        ASSERT_EQ(result.problem, "") << start.year << "/" << start.month;
        for (const FileProblem& p : checkHijriTable(IniFile::parse(result.text), nullptr))
            EXPECT_NE(p.severity, FileProblem::Severity::error) << p.message;
        std::map<std::int32_t, DayNumber> expected = monthStarts(text);
        expected[start.year * 12 + start.month] = first;
        EXPECT_EQ(monthStarts(result.text), expected);
        text = result.text;
    }
    const IniFile ini = IniFile::parse(text);
    EXPECT_EQ(lunarMonthSource(ini, 1448, 9), MonthSource::published);  // back as shipped
    EXPECT_EQ(lunarMonthSource(ini, 1448, 12), MonthSource::corrected);
    EXPECT_EQ(lunarMonthSource(ini, 1449, 1), MonthSource::corrected);
    EXPECT_EQ(lunarMonthSource(ini, 1600, 11), MonthSource::corrected);
    // Undo gives the table as shipped, byte for byte, also after a `lunar set`.
    const std::string set = correctLunarTable(text, {{1300, 1, 30}}, true).text;
    EXPECT_EQ(undoLunarCorrections(set).text, shipped);
    EXPECT_EQ(undoLunarCorrections(shipped).text, shipped);
}

TEST(LunarStart, RefusedStartsSayWhy) {
    const std::string shipped = readBytes(shippedFile("calendar.ini"));
    const auto problem = [&](std::int32_t year, std::int32_t month, CivilDate first) {
        return startLunarMonth(shipped, year, month, gregorianToDayNumber(first.year, first.month, first.day)).problem;
    };
    EXPECT_NE(problem(1448, 10, {2027, 3, 11})
                  .find("1448/9 (Ramadan) would have 31 days, and a lunar month has 29 "
                        "or 30 (it can begin on 2027-03-09 or 2027-03-10)"),
              std::string::npos);
    EXPECT_NE(problem(1449, 1, {2027, 6, 5}).find("1448/12 (Dhu al-Hijja) would have 28 days"), std::string::npos);
    EXPECT_NE(problem(1448, 11, {2027, 4, 6}).find("would have"), std::string::npos);
    EXPECT_NE(problem(1601, 1, {2176, 5, 14}).find("no month 1601/1 in the table"), std::string::npos);
    EXPECT_NE(problem(1448, 13, {2027, 3, 9}).find("no month 1448/13"), std::string::npos);
    EXPECT_NE(problem(1265, 1, {1848, 11, 28}).find("the table's first month"), std::string::npos);
    EXPECT_NE(problem(1448, 1, {2026, 6, 17}).find("1447/12 is an official month"), std::string::npos);

    const IniFile ini = IniFile::parse(shipped);
    const LunarTable table(ini);
    const auto choices = lunarStartChoices({table, table.bounds()}, 1448, 10);
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(dayNumberToGregorian(choices[0].day), (CivilDate{2027, 3, 9}));
    EXPECT_TRUE(choices[0].possible);
    EXPECT_TRUE(choices[1].possible);  // as shipped
    EXPECT_TRUE(lunarStartChoices({table, table.bounds()}, 1265, 1).empty());
}

// A newer table that holds Shawwal 1448 as published keeps it (official wins); a correction
// of a month it still predicts is carried over.
TEST(LunarStart, CorrectionsCarryIntoANewerTable) {
    const std::string shipped = readBytes(shippedFile("calendar.ini"));
    const auto day = [](std::int32_t y, std::int32_t m, std::int32_t d) { return gregorianToDayNumber(y, m, d); };
    const std::string user =
        startLunarMonth(startLunarMonth(shipped, 1448, 11, day(2027, 4, 9)).text, 1449, 1, day(2027, 6, 7)).text;
    std::string newer = shipped;
    newer.replace(newer.find("publishedMonths=1448/1-1448/9"), 29, "publishedMonths=1448/1-1448/10");
    newer.replace(newer.find("firstPredictedMonth=1448/10"), 27, "firstPredictedMonth=1448/11");
    const CarriedCorrections carried = carryLunarCorrections(user, newer);
    ASSERT_EQ(carried.report.size(), 2u);
    EXPECT_EQ(carried.report[0], "1448/10 (Shawwal): the new table holds it as published; your correction gives way");
    EXPECT_EQ(carried.report[1], "1449/1 (Muharram) begins on 2027-06-07, as you corrected it");
    std::map<std::int32_t, DayNumber> expected = monthStarts(newer);
    expected[1449 * 12 + 1] = day(2027, 6, 7);
    EXPECT_EQ(monthStarts(carried.text), expected);
    EXPECT_EQ(carryLunarCorrections(shipped, newer).text, newer);  // nothing to carry
    EXPECT_EQ(carryLunarCorrections("[value]\nminJulianday=5\n", newer).text, newer);
}

}  // namespace
}  // namespace velmora
