// The three calendars: the display modes of the window and the calendars of every date,
// occasion and number it shows.
#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// In the order of the display modes ("Jalali Mode", "Miladi Mode", "Hijri Mode"); the same
// digits 0, 1 and 2 name the calendars in the sections of events.ini.
enum class Calendar : std::int32_t { jalali, gregorian, hijri };

inline constexpr std::array<Calendar, 3> kCalendars = {Calendar::jalali, Calendar::gregorian, Calendar::hijri};

// The calendar's position in tables indexed by mode, and its digit in events.ini.
constexpr std::size_t calendarIndex(Calendar calendar) { return static_cast<std::size_t>(calendar); }
constexpr std::int32_t calendarDigit(Calendar calendar) { return static_cast<std::int32_t>(calendar); }

}  // namespace velmora
