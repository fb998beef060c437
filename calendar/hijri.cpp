#include "calendar/hijri.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace velmora {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t saturate(std::int64_t value) { return static_cast<std::int32_t>(std::clamp(value, kInt32Min, kInt32Max)); }

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

constexpr std::int64_t kTabularEpoch = 1948440;  // 1 Muharram 1 AH, the civil epoch

std::int64_t tabularYearStart(std::int64_t y) {
    return kTabularEpoch - 1 + 354 * (y - 1) + floorDiv(3 + 11 * y, 30) + 1;
}

}  // namespace

HijriMonthLengths defaultHijriMonthLengths(std::int32_t year) {
    HijriMonthLengths lengths{0, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29};
    if (isHijriLeapYear(year)) lengths[12] = 30;
    return lengths;
}

LunarTable::LunarTable(const IniFile& ini) {
    readHijriBounds(ini, bounds_);
    // The first section of each name wins, as with the profile reads.
    for (const IniFile::Section& section : ini.sections()) {
        if (ini.findSection(section.name) != &section) continue;
        const auto year = decimalNameValue(section.name);
        if (!year) continue;
        HijriMonthLengths lengths = defaultHijriMonthLengths(*year);
        for (std::size_t month = 1; month <= 12; ++month) {
            const auto value = ini.find(section.name, decimalName(static_cast<std::int64_t>(month)));
            if (value) lengths[month] = profileIntValue(*value, lengths[month]);
        }
        monthLengths_.emplace(*year, lengths);
    }
    if (const IniFile::Section* values = ini.findSection(u"value")) {
        for (const IniFile::Entry& entry : values->entries) {
            const auto year = decimalNameValue(entry.key);
            if (!year || yearTotals_.contains(*year)) continue;
            yearTotals_.emplace(*year, profileIntValue(entry.value, 0));
        }
    }
    // The dense copy, over the years the file names when they lie close enough together.
    std::int64_t first = kInt32Max;
    std::int64_t last = kInt32Min;
    const auto cover = [&](std::int64_t year) {
        first = std::min(first, year);
        last = std::max(last, year);
    };
    for (const auto& entry : monthLengths_) cover(entry.first);
    for (const auto& entry : yearTotals_) cover(entry.first);
    constexpr std::int64_t kDenseSpan = 4000;  // a table of 1265 to 1600 needs 337
    if (first > last || last - first >= kDenseSpan) return;
    denseFirst_ = first;
    dense_.resize(static_cast<std::size_t>(last - first + 1));
    for (const auto& [year, lengths] : monthLengths_) {
        DenseYear& entry = dense_[static_cast<std::size_t>(year - first)];
        entry.hasLengths = true;
        entry.lengths = lengths;
    }
    for (const auto& [year, total] : yearTotals_) {
        DenseYear& entry = dense_[static_cast<std::size_t>(year - first)];
        entry.hasTotal = true;
        entry.total = total;
    }
}

HijriMonthLengths LunarTable::readHijriMonthLengths(std::int32_t year) const {
    if (const DenseYear* entry = dense(year)) {
        if (entry->hasLengths) return entry->lengths;
        return defaultHijriMonthLengths(year);
    }
    const auto it = monthLengths_.find(year);
    return it != monthLengths_.end() ? it->second : defaultHijriMonthLengths(year);
}

std::int32_t LunarTable::yearTotal(std::int64_t year) const {
    if (const DenseYear* entry = dense(year)) return entry->hasTotal ? entry->total : 0;
    if (year < kInt32Min || year > kInt32Max) return 0;
    const auto it = yearTotals_.find(static_cast<std::int32_t>(year));
    return it != yearTotals_.end() ? it->second : 0;
}

DayNumber hijriToDayNumber(const HijriCalendar& calendar, std::int32_t y, std::int32_t m, std::int32_t d) {
    const std::int64_t offset = calendar.table.yearTotal(std::int64_t{y} - 1);
    const HijriMonthLengths lengths = calendar.table.readHijriMonthLengths(y);
    std::int64_t before = 0;
    for (std::int32_t month = 1; month < m && month <= 12; ++month) before += lengths[static_cast<std::size_t>(month)];
    return saturate(std::int64_t{calendar.bounds.minJulianday} + offset + before + d);
}

CivilDate dayNumberToHijri(const HijriCalendar& calendar, DayNumber n) {
    const HijriBounds& bounds = calendar.bounds;
    // The table answers for its own days and, counting back, for the day before them.
    if (n != bounds.minJulianday && !inLunarTable(bounds, n)) return dayNumberToTabularHijri(n);

    // The last day of the year before b: minJulianday plus the total of year b - 1.
    const auto lastDayBefore = [&](std::int64_t b) -> std::int64_t {
        if (b - 1 < bounds.minYear) return bounds.minJulianday;
        return std::int64_t{bounds.minJulianday} + calendar.table.yearTotal(b - 1);
    };

    // No year of a sound table is shorter than 354 days, so the estimate is rarely below the
    // true year; search down first, then up, with a bound for tables that are not sound.
    std::int64_t b = std::int64_t{bounds.minYear} + (std::int64_t{n} - bounds.minJulianday) / 354;
    b = std::clamp(b, kInt32Min + 1, kInt32Max - 1);
    constexpr std::int32_t kMaxSteps = 1000;
    std::int32_t steps = 0;
    while (lastDayBefore(b) > n && steps < kMaxSteps && b > kInt32Min + 1) {
        --b;
        ++steps;
    }
    std::int64_t c = lastDayBefore(b);
    if (c == n) {
        const std::int32_t previous = saturate(b - 1);
        return {previous, 12, calendar.table.readHijriMonthLengths(previous)[12]};
    }
    while (steps < kMaxSteps) {
        const std::int64_t next = lastDayBefore(b + 1);
        if (next >= n || next <= c || b + 1 >= kInt32Max) break;  // n lies in year b
        ++b;
        ++steps;
        c = next;
    }

    const auto year = static_cast<std::int32_t>(b);
    const HijriMonthLengths lengths = calendar.table.readHijriMonthLengths(year);
    const std::int64_t k = std::int64_t{n} - c;
    std::int64_t sum = 0;
    for (std::int32_t month = 1; month <= 12; ++month) {
        const std::int64_t previous = sum;
        sum += lengths[static_cast<std::size_t>(month)];
        if (sum >= k) return {year, month, saturate(k - previous)};
    }
    // Only a table whose months do not add up to its totals gets here: count on in Dhu
    // al-Hijja rather than invent a month.
    return {year, 12, saturate(k - (sum - lengths[12]))};
}

DayNumber tabularHijriToDayNumber(std::int32_t y, std::int32_t m, std::int32_t d) {
    const std::int64_t monthStart = (295 * (std::int64_t{m} - 1) + 9) / 10;  // ceil(29.5 (m - 1))
    return saturate(tabularYearStart(y) + monthStart + d - 1);
}

CivilDate dayNumberToTabularHijri(DayNumber n) {
    const std::int64_t y = floorDiv(30 * (std::int64_t{n} - kTabularEpoch) + 10646, 10631);
    const std::int64_t start = tabularYearStart(y);
    std::int64_t m = 1;
    while (m < 12 && tabularYearStart(y) + (295 * m + 9) / 10 <= n) ++m;
    const std::int64_t monthStart = start + (295 * (m - 1) + 9) / 10;
    return {saturate(y), static_cast<std::int32_t>(m), saturate(n - monthStart + 1)};
}

std::optional<CivilDate> lunarDate(const HijriCalendar& calendar, DayNumber n) {
    if (!inLunarTable(calendar.bounds, n)) return std::nullopt;
    return dayNumberToHijri(calendar, n);
}

std::optional<CivilDate> LunarDates::of(DayNumber n) {
    if (n >= first_ && n <= last_) return CivilDate{month_.year, month_.month, n - first_ + 1};
    const std::optional<CivilDate> date = lunarDate(calendar_, n);
    if (!date) return date;
    month_ = *date;
    first_ = n - (date->day - 1);
    const std::int32_t length =
        calendar_.table.readHijriMonthLengths(date->year)[static_cast<std::size_t>(date->month)];
    last_ = static_cast<DayNumber>(
        std::min<std::int64_t>(std::int64_t{first_} + length - 1, calendar_.bounds.maxJulianday));
    if (last_ < n) last_ = n;  // a table whose month is shorter than its day: this day alone
    first_ = static_cast<DayNumber>(std::max<std::int64_t>(first_, std::int64_t{calendar_.bounds.minJulianday} + 1));
    return date;
}

bool yearInLunarTable(const HijriCalendar& calendar, std::int32_t y) {
    const HijriBounds& bounds = calendar.bounds;
    if (!hasLunarTable(bounds) || y < bounds.minYear) return false;
    return y == bounds.minYear || calendar.table.yearTotal(std::int64_t{y} - 1) != 0;
}

}  // namespace velmora
