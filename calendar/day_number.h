// Conversions between the Julian Day Number and the Solar Hijri and Gregorian calendars.
//
// Every formula here relies on C++ integer semantics: division truncates toward zero and
// the remainder takes the sign of the dividend. Years before the first break year (-61)
// depend on exactly that, so no formula may be "simplified" into floor division.
// Intermediates are 64-bit: the results are those of 32-bit arithmetic wherever that does
// not overflow, and any 32-bit input, however absurd, stays defined behaviour.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace velmora {

// The Julian Day Number: Gregorian 2000-01-01 is 2451545.
using DayNumber = std::int32_t;

// A date of any of the three calendars; months and days count from 1.
struct CivilDate {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;

    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The analysis of one Solar Hijri year.
struct JalaliYearInfo {
    std::int32_t leap = 0;           // years since the last leap year; 0 = this year is leap
    std::int32_t gregorianYear = 0;  // the Gregorian year in which the year begins
    std::int32_t marchDay = 0;       // the day of March of gregorianYear that is Farvardin 1

    friend constexpr bool operator==(const JalaliYearInfo&, const JalaliYearInfo&) = default;
};

// Borkowski's break years: the first entry starts the scan, each later one closes an
// interval of the 33-year leap pattern. Valid from -61 to 3177; years outside follow the
// same formulas unchecked.
inline constexpr std::int32_t kJalaliBreakYears[] = {-61,  9,    38,   199,  426,  686,  756,  818,  1111, 1181,
                                                     1210, 1635, 2060, 2097, 2192, 2262, 2324, 2394, 2456, 3178};

// The leap days Borkowski's scan has counted (from -14) by the time it reaches each break
// year: the sums of the whole intervals before it, made once at compile time.
inline constexpr auto kJalaliLeapsAtBreak = [] {
    std::array<std::int32_t, std::size(kJalaliBreakYears)> leaps{};
    leaps[0] = -14;
    for (std::size_t i = 1; i < leaps.size(); ++i) {
        const std::int32_t jump = kJalaliBreakYears[i] - kJalaliBreakYears[i - 1];
        leaps[i] = leaps[i - 1] + 8 * (jump / 33) + (jump % 33) / 4;
    }
    return leaps;
}();

// Borkowski's leap analysis of the Solar Hijri year jy.
constexpr JalaliYearInfo jalaliYearInfo(std::int32_t jy) noexcept {
    // Years beyond +-2^30 are no calendar's; keep their arithmetic defined.
    if (jy > (1 << 30)) jy = 1 << 30;
    if (jy < -(1 << 30)) jy = -(1 << 30);
    const std::int32_t gy = jy + 621;
    // The interval that holds jy: the first break year after it closes it (the last interval
    // goes on past the table). The scan over the intervals before it is kJalaliLeapsAtBreak.
    constexpr std::size_t kLast = std::size(kJalaliBreakYears) - 1;
    const std::size_t i = static_cast<std::size_t>(
        std::upper_bound(std::begin(kJalaliBreakYears) + 1, std::begin(kJalaliBreakYears) + kLast, jy) -
        std::begin(kJalaliBreakYears));  // 1..kLast
    const bool past = jy >= kJalaliBreakYears[kLast];
    const std::int32_t jump = kJalaliBreakYears[i] - kJalaliBreakYears[i - 1];
    const std::int32_t jp = past ? kJalaliBreakYears[kLast] : kJalaliBreakYears[i - 1];
    std::int32_t leapJ = past ? kJalaliLeapsAtBreak[kLast] : kJalaliLeapsAtBreak[i - 1];
    std::int32_t n = jy - jp;
    leapJ += 8 * (n / 33) + (n % 33 + 3) / 4;
    if (jump % 33 == 4 && jump - n == 4) leapJ += 1;
    const std::int32_t marchDay = leapJ - gy / 4 + ((gy / 100 + 1) * 3) / 4 + 170;
    if (jump - n < 6) n = n - jump + 33 * ((jump + 4) / 33);
    std::int32_t leap = ((n + 1) % 33 - 1) % 4;
    if (leap == -1) leap = 4;
    return {leap, gy, marchDay};
}

// Proleptic Gregorian date to day number, with the year offset 100100 that keeps every
// intermediate positive for the years shown (0001-01-01 is 1721426).
constexpr DayNumber gregorianToDayNumber(std::int32_t gy, std::int32_t gm, std::int32_t gd) noexcept {
    const std::int64_t a = std::int64_t{gy} + (gm - 8) / 6 + 100100;  // January and February count with the year before
    return static_cast<DayNumber>((a * 1461) / 4 + (153 * (std::int64_t{gm + 9} % 12) + 2) / 5 + gd -
                                  ((a / 100) * 3) / 4 - 34839656);
}

// Day number to proleptic Gregorian date; the inverse of gregorianToDayNumber.
constexpr CivilDate dayNumberToGregorian(DayNumber d) noexcept {
    const std::int64_t q = (4 * std::int64_t{d} + 183187720) / 146097;
    const std::int64_t j = 4 * (d + (q * 3) / 4) + 139357723;
    const std::int64_t i = ((j % 1461) / 4) * 5 + 308;
    const auto day = static_cast<std::int32_t>((i % 153) / 5 + 1);
    const auto month = static_cast<std::int32_t>((i / 153) % 12 + 1);
    const auto year = static_cast<std::int32_t>(j / 1461 - 100100 + (8 - month) / 6);
    return {year, month, day};
}

// Solar Hijri date to day number. Months 1-6 have 31 days, 7-11 have 30; a day or month
// past its end counts on into the following days.
constexpr DayNumber jalaliToDayNumber(std::int32_t jy, std::int32_t jm, std::int32_t jd) noexcept {
    const JalaliYearInfo info = jalaliYearInfo(jy);
    return static_cast<DayNumber>(gregorianToDayNumber(info.gregorianYear, 3, info.marchDay) + 31 * std::int64_t{jm} -
                                  (jm / 7) * (std::int64_t{jm} - 7) + jd - 32);
}

// Day number to Solar Hijri date, where the Gregorian year gy of the day is known already (a
// batch writes both).
constexpr CivilDate dayNumberToJalali(DayNumber d, std::int32_t gy) noexcept {
    std::int32_t jy = gy - 621;
    const JalaliYearInfo info = jalaliYearInfo(jy);
    std::int32_t k = d - gregorianToDayNumber(gy, 3, info.marchDay);
    if (k >= 0 && k <= 185) return {jy, 1 + k / 31, k % 31 + 1};
    if (k > 185) k -= 186;
    if (k < 0) {  // before Farvardin 1 of jy: the last months of the year before
        jy -= 1;
        k += 179;
        if (info.leap == 1) k += 1;  // the later year's leap 1 means the earlier one was leap
    }
    return {jy, 7 + k / 30, k % 30 + 1};
}

// Day number to Solar Hijri date; the inverse of jalaliToDayNumber.
constexpr CivilDate dayNumberToJalali(DayNumber d) noexcept {
    return dayNumberToJalali(d, dayNumberToGregorian(d).year);
}

constexpr CivilDate gregorianToJalali(std::int32_t gy, std::int32_t gm, std::int32_t gd) noexcept {
    return dayNumberToJalali(gregorianToDayNumber(gy, gm, gd));
}

// The grid column of a weekday: 0 Saturday, 1 Sunday ... 6 Friday (day number 0 mod 7 is a
// Monday). Floor modulo, so that any day number gives a column from 0 to 6.
constexpr std::int32_t weekdayColumn(DayNumber n) noexcept {
    std::int32_t r = n % 7;
    if (r < 0) r += 7;
    return (r + 2) % 7;
}

// Month lengths of the Solar Hijri and Gregorian calendars.
constexpr bool isJalaliLeapYear(std::int32_t jy) noexcept { return jalaliYearInfo(jy).leap == 0; }

constexpr std::int32_t jalaliMonthLength(std::int32_t jy, std::int32_t jm) noexcept {
    if (jm <= 6) return 31;
    if (jm <= 11) return 30;
    return isJalaliLeapYear(jy) ? 30 : 29;
}

constexpr bool isGregorianLeapYear(std::int32_t gy) noexcept { return (gy % 4 == 0 && gy % 100 != 0) || gy % 400 == 0; }

constexpr std::int32_t gregorianMonthLength(std::int32_t gy, std::int32_t gm) noexcept {
    constexpr std::int32_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (gm < 1 || gm > 12) return 0;
    return gm == 2 && isGregorianLeapYear(gy) ? 29 : lengths[gm - 1];
}

// The span the program shows: the Gregorian years -4379 to 3621, in which the Solar Hijri
// years -5000 and 3000 begin.
inline constexpr std::int32_t kFirstShownGregorianYear = -4379;
inline constexpr std::int32_t kLastShownGregorianYear = 3621;
inline constexpr DayNumber kFirstShownDay = gregorianToDayNumber(kFirstShownGregorianYear, 1, 1);
inline constexpr DayNumber kLastShownDay = gregorianToDayNumber(kLastShownGregorianYear, 12, 31);

}  // namespace velmora
