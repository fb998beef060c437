// One record per calendar: everything in which the Solar Hijri, Gregorian and lunar Hijri
// calendars (and so the window's display modes) differ. Code asks the record; a fourth
// calendar, or a fourth naming of one, is one more record and its words.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/calendar.h"
#include "calendar/hijri.h"
#include "calendar/month_names.h"
#include "calendar/native_digits.h"

namespace velmora {

// How the window draws one of a mode's two companions (the first in blue under the upper
// header, the second in teal under the lower): the small differences their drawings have.
struct CompanionLook {
    Calendar calendar = Calendar::gregorian;
    std::int32_t delta = 0;          // added to both coordinates of the day numbers
    bool marksSecondName = false;    // the header's second month in the palette's own colour, else in the text's
    bool measuresAfterFont = false;  // metrics of companionFont rather than the system font
    bool drawsFridaysTwice = false;
};

// What the weekday strip of a mode shows in the Persian interface: the weekdays' pictures, or
// their Persian or Arabic names. (The English interface writes "Sat" to "Fri" in every mode.)
enum class WeekdayStrip { pictures, persianNames, arabicNames };

struct CalendarRecord {
    Calendar calendar = Calendar::jalali;
    std::string_view name;           // as the converter and the my-days check write it: "Solar Hijri"
    std::string_view cliName;        // velmora-cli's --from: "jalali"
    char16_t zeroDigit = u'0';       // its numbers' own digits: Persian, ASCII or Arabic-Indic
    bool rightToLeft = false;        // its month grid reads from the right
    bool latinScript = false;        // its words are in Latin letters, drawn in the Latin font
    bool fromTable = false;          // its dates come only from calendar.ini's table
    bool gridMarksHolidays = false;  // its grid draws Fridays and holidays red
    // Its mode: a month step lands on the 1st (not on the day the program started on), and
    // the occasions button shows.
    bool stepsToFirstDay = false;
    bool showsOccasionsButton = false;
    // How long month 1 to 12 can be, in the longest and in the shortest year (entry 0 unused).
    std::array<std::int8_t, 13> longestMonth{};
    std::array<std::int8_t, 13> shortestMonth{};
    // Its month names, month 1 to 12 (entry 0 empty).
    const MonthName (*months)[13] = nullptr;
    // Its mode's two companions, the other calendars, in the order their headers stand and a
    // day's words name them after this one; and its weekday strip.
    std::array<CompanionLook, 2> companions{};
    WeekdayStrip strip = WeekdayStrip::pictures;
    // Its ids in the window: the mode's menu item, the month box, the calendar's name.
    std::int32_t modeMenuItem = 0;
    std::int32_t monthBoxId = 0;
    std::int32_t nameString = 0;
    // Its day numbers; the lunar calendar's come from the table, the others ignore it.
    CivilDate (*fromDayNumber)(const HijriCalendar&, DayNumber) = nullptr;
    DayNumber (*toDayNumber)(const HijriCalendar&, std::int32_t, std::int32_t, std::int32_t) = nullptr;
    std::int32_t (*lengthOfMonth)(const HijriCalendar&, std::int32_t, std::int32_t) = nullptr;

    // Its digit in events.ini's sections and its position in tables indexed by mode.
    constexpr std::int32_t sectionDigit() const { return calendarDigit(calendar); }
    const MonthName& month(std::int32_t m) const { return (*months)[m >= 1 && m <= 12 ? m : 0]; }
};

// The record of a calendar; kCalendars walks them all.
const CalendarRecord& calendarRecord(Calendar calendar);

// The names of month 1 to 12 of a calendar; an empty record for any other month.
inline const MonthName& monthName(Calendar calendar, std::int32_t month) {
    return calendarRecord(calendar).month(month);
}

// A number in its calendar's own digits: Solar Hijri numbers in Persian digits, lunar Hijri
// numbers in Arabic-Indic digits, Gregorian numbers in ASCII.
inline DigitText formatCalendarNumber(Calendar calendar, std::int32_t value) {
    return formatDigits(value, calendarRecord(calendar).zeroDigit);
}

}  // namespace velmora
