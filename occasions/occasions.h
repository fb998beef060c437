// Occasions from events.ini, and the holiday test of a Solar Hijri day.
//
// A section per month of each calendar, named by the calendar digit (0 Solar Hijri,
// 1 Gregorian, 2 lunar Hijri) and the month; keys are days. A value is the words to show,
// one separating character and the holiday flag.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "calendar/hijri.h"
#include "calendar/ini_file.h"

namespace velmora {

// An occasion is read into a buffer of 80 characters: at most 79 of its characters.
inline constexpr std::size_t kOccasionBufferSize = 80;

// "01" to "012", "11" to "112", "21" to "212"; lunar Safar is "22a" when it has 29 days,
// "22b" when it has 30, and "22" otherwise.
std::u16string occasionSectionName(std::int32_t calendarDigit, std::int32_t month,
                                   std::int32_t safarLength = 0);

// The flag of an occasion: its last character's value as a decimal digit of any script; 0
// for any other character and for an empty text.
std::int32_t holidayFlag(std::u16string_view text);

// What is shown of an occasion: all but its last two characters (empty when shorter).
std::u16string_view occasionWords(std::u16string_view text);

struct Occasion {
    std::u16string text;  // as read: words, separator, flag
    std::int32_t flag = 0;

    bool empty() const { return text.empty(); }
    std::u16string_view words() const { return occasionWords(text); }
};

class OccasionsFile {
public:
    explicit OccasionsFile(std::filesystem::path path = {});

    // Takes up an edit of the file; true when it was parsed again.
    bool refresh() { return source_.refresh(); }
    Occasion read(std::u16string_view section, std::int32_t day) const;
    const IniSource& source() const { return source_; }

private:
    IniSource source_;
};

// The two data files of a folder, as a paint reads them: calendar.ini with the bounds read
// once at start, and events.ini.
struct CalendarFiles {
    explicit CalendarFiles(const std::filesystem::path& folder);

    LunarCalendarFile lunar;
    HijriBounds bounds;
    OccasionsFile events;

    HijriCalendar hijri() const { return {lunar, bounds}; }
    // Looks for edits of both files, once per paint.
    void refresh() {
        lunar.refresh();
        events.refresh();
    }
};

// The lunar Hijri occasion of day n: none outside minJulianday..maxJulianday or for a year
// below 1.
Occasion readLunarOccasion(const CalendarFiles& files, DayNumber n);

// 1 when the Solar Hijri day jy/jm/jd is a holiday by its Solar Hijri or its lunar Hijri
// occasion, else 0. Gregorian occasions never make a holiday.
std::int32_t isHoliday(const CalendarFiles& files, std::int32_t jy, std::int32_t jm, std::int32_t jd);

}  // namespace velmora
