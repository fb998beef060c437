// The lunar Hijri calendar, read from the month-length table calendar.ini.
//
// calendar.ini has a section "value" with the table's bounds (minJulianday, maxJulianday,
// minYear, endHijri) and, under each year y, the number of days from minJulianday to the
// last day of y; and one section per year y with the month lengths "1" to "12". A month
// length missing from the file comes from the tabular 30-year cycle.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "calendar/calendar.h"
#include "calendar/day_number.h"
#include "data/ini_file.h"
#include "data/lunar_table_bounds.h"

namespace velmora {

// Month lengths of one year; entries 1 to 12 are Muharram to Dhu al-Hijja (0 is unused).
using HijriMonthLengths = std::array<std::int32_t, 13>;

// The tabular 30-year cycle: y is a leap year when (11y + 14) % 30 < 11, with the remainder
// taking the sign of the dividend.
constexpr bool isHijriLeapYear(std::int32_t y) noexcept { return (11 * static_cast<std::int64_t>(y) + 14) % 30 < 11; }

HijriMonthLengths defaultHijriMonthLengths(std::int32_t year);

// calendar.ini decoded: the bounds, the month lengths and the year totals, so that the
// conversions ask a hash table rather than parse text. An empty file is no table.
class LunarTable {
  public:
    LunarTable() = default;
    explicit LunarTable(const IniFile& ini);

    const HijriBounds& bounds() const { return bounds_; }
    HijriMonthLengths readHijriMonthLengths(std::int32_t year) const;
    // The key "year" of section "value": days from minJulianday to the end of that year.
    std::int32_t yearTotal(std::int64_t year) const;

  private:
    // The years of a sound table lie close together: those from denseFirst_ on are also kept
    // in arrays by year, which a batch of conversions reads far faster than a hash table.
    // A year missing from the file has no entry there either (its flag is false).
    struct DenseYear {
        bool hasLengths = false;
        bool hasTotal = false;
        HijriMonthLengths lengths{};
        std::int32_t total = 0;
    };
    const DenseYear* dense(std::int64_t year) const {
        const std::int64_t i = year - denseFirst_;
        return i >= 0 && i < static_cast<std::int64_t>(dense_.size()) ? &dense_[static_cast<std::size_t>(i)] : nullptr;
    }

    HijriBounds bounds_;
    std::unordered_map<std::int32_t, HijriMonthLengths> monthLengths_;
    std::unordered_map<std::int32_t, std::int32_t> yearTotals_;
    std::int64_t denseFirst_ = 0;
    std::vector<DenseYear> dense_;
};

// The lunar Hijri calendar as the program uses it: the table and the bounds read at start.
struct HijriCalendar {
    const LunarTable& table;
    HijriBounds bounds;
};

// True for the days the table covers: minJulianday + 1 to maxJulianday (minJulianday is
// the last day of the year before the table).
constexpr bool inLunarTable(const HijriBounds& bounds, std::int64_t n) {
    return n > bounds.minJulianday && n <= bounds.maxJulianday;
}

// The day number of lunar Hijri y, m, d. A day past its month counts on into the next; a
// year whose previous year has no total counts from minJulianday as if it were the first.
DayNumber hijriToDayNumber(const HijriCalendar& calendar, std::int32_t y, std::int32_t m, std::int32_t d);

// The lunar Hijri date of day n. Inside minJulianday..maxJulianday the table decides; it
// searches up and down from the year estimate so that a short year or an inconsistent table
// still gives a date of the table. Outside the table the tabular calendar answers.
CivilDate dayNumberToHijri(const HijriCalendar& calendar, DayNumber n);

// The tabular (30-year cycle) calendar with the civil epoch, 1 Muharram 1 = day 1948440.
DayNumber tabularHijriToDayNumber(std::int32_t y, std::int32_t m, std::int32_t d);
CivilDate dayNumberToTabularHijri(DayNumber n);

// The table's first day, minJulianday + 1 (held at the end of 32 bits).
constexpr DayNumber firstDayOfLunarTable(const HijriBounds& bounds) {
    return bounds.minJulianday < 2147483647 ? bounds.minJulianday + 1 : bounds.minJulianday;
}

// Whether calendar.ini gave a table at all.
constexpr bool hasLunarTable(const HijriBounds& bounds) { return bounds.maxJulianday > bounds.minJulianday; }

// Which lunar Hijri date day n is, the one answer the tray, the converter, the companions,
// the occasions and the navigation all give: the table's date for the days it covers, and
// none outside it or without a table (the tabular calendar is a day or two off as often as
// not, so it is never shown as the date).
std::optional<CivilDate> lunarDate(const HijriCalendar& calendar, DayNumber n);

// lunarDate of one day after another, remembering the month of the last: a batch of days
// (velmora-cli convert) asks the table once a month rather than once a day.
class LunarDates {
  public:
    explicit LunarDates(const HijriCalendar& calendar) : calendar_(calendar) {}
    std::optional<CivilDate> of(DayNumber n);

  private:
    HijriCalendar calendar_;
    DayNumber first_ = 1;  // the remembered month's first and last day in the table
    DayNumber last_ = 0;
    CivilDate month_;
};

// Whether year y is one of the table's years; the others are reckoned by the tabular calendar.
bool yearInLunarTable(const HijriCalendar& calendar, std::int32_t y);

// A day number in any of the three calendars, and back; lunar Hijri dates of years outside
// the table go by the tabular calendar, as dayNumberToHijri answers them.
CivilDate dayNumberToDate(Calendar calendar, const HijriCalendar& hijri, DayNumber n);
DayNumber dateToDayNumber(Calendar calendar, const HijriCalendar& hijri, std::int32_t y, std::int32_t m,
                          std::int32_t d);

// Days in month m of year y of a calendar; lunar Hijri months as the table gives them (0
// for a month outside 1 to 12).
std::int32_t monthLength(Calendar calendar, const HijriCalendar& hijri, std::int32_t y, std::int32_t m);

}  // namespace velmora
