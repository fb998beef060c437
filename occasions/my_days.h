// The user's own days, from my-days.ini: birthdays and anniversaries kept in any of the three
// calendars, each with a text and whether it is a day off for the user.
//
// The file is read as events.ini is: a section per month named by the calendar's digit and
// the month ("01" to "012" Solar Hijri, "11" to "112" Gregorian, "21" to "212" lunar Hijri);
// a key is a day ("5", or "5-2", "5-3" for more days on the same date); a value is the text,
// a blank and 1 for a day off or 0.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/hijri.h"
#include "data/file_problem.h"
#include "data/ini_file.h"

namespace velmora {

struct MyDay {
    Calendar calendar = Calendar::jalali;
    std::int32_t month = 1;
    std::int32_t day = 1;
    std::u16string text;
    bool dayOff = false;

    friend bool operator==(const MyDay&, const MyDay&) = default;
};

// The days of the file in its order; what cannot be read is left out and said in `problems`.
// A value ends in a blank and 0 or 1, its flag; a value without one is all text, not a day
// off, and `problems` notes it.
std::vector<MyDay> readMyDays(const IniFile& ini, std::vector<FileProblem>* problems = nullptr);
// The file's text (UTF-8, CRLF) for these days, read back as the same days.
std::string writeMyDays(const std::vector<MyDay>& days);

// What the user does in My Days: adds a day (no `before`), changes one, or removes one (no
// `after`).
struct MyDayEdit {
    std::optional<MyDay> before;
    std::optional<MyDay> after;
};
// The file's bytes with the edit made in them, as the file is now: every line the edit does
// not touch stays byte for byte (comments, lines that cannot be read, text in another
// encoding); the day changed or removed is the first line that reads as it; a new day goes
// at the end of the first section of its month (or a new section at the end). UTF-16 files
// stay UTF-16, others take the new line in UTF-8. Fails, saying why, where the day to change
// or remove is no longer in the file.
struct EditedMyDays {
    std::string bytes;
    std::string problem;  // empty on success
};
EditedMyDays editMyDays(std::string_view bytes, const MyDayEdit& edit);

// Whether the day falls on day n: on its own date, and in a year whose month is shorter than
// the day (30 Esfand in a common year, the 30th of a 29-day lunar month) on the month's last
// day. A lunar Hijri day falls only within the lunar table.
bool myDayFallsOn(const MyDay& day, const HijriCalendar& hijri, DayNumber n);
// The same for a day already written in the day's calendar (none: no lunar date there).
bool myDayFallsOnDate(const MyDay& day, const HijriCalendar& hijri, const std::optional<CivilDate>& date);

// The longest and the shortest the month can be in any year (31 and 31 for Farvardin, 30 and
// 29 for Esfand, 29 and 28 for February, 30 and 29 for every lunar month): a day past the
// shortest does not come every year.
struct MonthSpan {
    std::int32_t longest = 0;
    std::int32_t shortest = 0;
};
MonthSpan monthSpan(Calendar calendar, std::int32_t month);

}  // namespace velmora
