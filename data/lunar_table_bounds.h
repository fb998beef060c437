// The four bounds of the lunar Hijri table in calendar.ini, read in one place for the
// table, its check and its correction.
#pragma once

#include <cstdint>

#include "data/file_problem.h"
#include "data/ini_file.h"

namespace velmora {

// Day numbers and the first year of the table, as section "value" gives them; 0 when absent.
struct HijriBounds {
    std::int32_t minJulianday = 0;  // the last day of the year before minYear
    std::int32_t maxJulianday = 0;  // the last day the table covers
    std::int32_t minYear = 0;       // the first year of the table
    std::int32_t endHijri = 0;      // the next-month step of Hijri mode never goes past this day
};

// The key names, as calendar.ini writes them (the reader compares them without regard to case).
inline constexpr std::u16string_view kBoundKeys[] = {u"minJulianday", u"maxJulianday", u"minYear", u"endHijri"};

// Whether a key of section "value" is one of the four bounds.
bool isBoundKey(std::u16string_view key);

// The bounds, a missing or unreadable one as 0. With problems given, each bound that is
// missing or not a plain integer is reported there, and the answer is whether all four are sound.
bool readHijriBounds(const IniFile& ini, HijriBounds& bounds, ProblemList* problems = nullptr);

}  // namespace velmora
