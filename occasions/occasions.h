// Occasions from events.ini, and the holiday test of a Solar Hijri day.
//
// A section per month of each calendar, named by the calendar's digit (0 Solar Hijri,
// 1 Gregorian, 2 lunar Hijri) and the month; keys are days. A value is the words to show,
// one separating character and the holiday flag.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/hijri.h"
#include "calendar/hijri_check.h"
#include "calendar/lunar_source.h"
#include "data/file_problem.h"
#include "data/ini_file.h"
#include "occasions/my_days.h"

namespace velmora {

// An occasion is read into a buffer of 80 characters: at most 79 of its characters.
inline constexpr std::size_t kOccasionBufferSize = 80;

// "01" to "012", "11" to "112", "21" to "212"; lunar Safar is "22a" when it has 29 days,
// "22b" when it has 30, and "22" otherwise.
std::u16string occasionSectionName(Calendar calendar, std::int32_t month, std::int32_t safarLength = 0);

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

// events.ini decoded; an empty file has no occasions.
class Occasions {
  public:
    Occasions() : ini_(std::make_shared<const IniFile>()) {}
    explicit Occasions(std::shared_ptr<const IniFile> ini) : ini_(std::move(ini)) {}

    Occasion read(std::u16string_view section, std::int32_t day) const;

  private:
    std::shared_ptr<const IniFile> ini_;
};

// What the views, the dialog, the tray and the converter read: the lunar table, what its
// [source] says of its months, and the occasions.
struct CalendarData {
    LunarTable lunar;
    LunarTableSource lunarSource;
    Occasions events;
    std::vector<MyDay> myDays;  // the user's own, from my-days.ini

    CalendarData() = default;
    CalendarData(const IniFile& calendarIni, std::shared_ptr<const IniFile> eventsIni)
        : lunar(calendarIni), lunarSource(readLunarTableSource(calendarIni)), events(std::move(eventsIni)) {}
    // From the texts of the two files, as tests and tools have them at hand.
    static CalendarData fromText(std::string_view calendarIni, std::string_view eventsIni = {});

    const HijriBounds& bounds() const { return lunar.bounds(); }
    HijriCalendar hijri() const { return {lunar, lunar.bounds()}; }
    // Whether a lunar date of the table is a prediction rather than an announced month.
    bool lunarPredicted(const CivilDate& lunarDate) const {
        return lunarSource.predicted(lunarDate.year, lunarDate.month);
    }
};

// The occasions of one day in the three calendars, and whether they make it a holiday: a
// Solar Hijri or lunar Hijri flag of 1 does; Gregorian occasions never do. The lunar Hijri
// text is none outside the table or for a year below 1.
// One of the user's own days on a date.
struct PersonalDay {
    std::u16string text;
    bool dayOff = false;
};

struct DayOccasions {
    Occasion solar;
    Occasion gregorian;
    Occasion lunar;
    bool holiday = false;
    std::vector<PersonalDay> personal;  // the user's own days, which never make an official holiday

    // Whether the day has none of the official occasions (the user's own aside).
    bool empty() const { return solar.empty() && gregorian.empty() && lunar.empty(); }
};
DayOccasions occasionsOfDay(const CalendarData& data, DayNumber n);
// The user's own days on day n, as occasionsOfDay gives them.
std::vector<PersonalDay> personalDaysOf(const CalendarData& data, DayNumber n);

// The official occasions of a day as one text: Solar Hijri, lunar Hijri, then Gregorian,
// joined with " - ".
std::u16string dayOccasionsText(const DayOccasions& day);
// What makes a holiday one: the flagged Solar Hijri and lunar Hijri occasions, joined.
std::u16string holidayReason(const DayOccasions& day);

// Whether the Solar Hijri day jy/jm/jd is a holiday.
bool isHoliday(const CalendarData& data, std::int32_t jy, std::int32_t jm, std::int32_t jd);

}  // namespace velmora
