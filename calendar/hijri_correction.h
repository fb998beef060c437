// Corrections of calendar.ini by its users: one month's length changed, the table kept
// consistent, and where each month of the table comes from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/hijri.h"
#include "calendar/lunar_source.h"
#include "data/ini_file.h"
#include "data/replace_file.h"

namespace velmora {

struct LunarCorrection {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t days = 0;  // 29 or 30
};

// The new text of calendar.ini, or why there is none (see data/replace_file.h).
using CorrectedTable = EditedText;

// Gives months new lengths, every later month moving with them. Only the lines that must change do:
// the month lengths, the running totals of the corrected years and of every later year,
// maxJulianday, endHijri when it lies after a corrected month, and one line a corrected
// month in [source] ("correction 1448/10=30 days, was 29"; none for a month put back to its
// length as shipped). A month marked official (confirmed by its announcement) is refused
// unless officialToo. A year whose length it would move out of 353 to 355 days is refused (a
// month's end is its successor's new moon, so one month alone rarely changes): the problem then
// names the `lunar start` that moves only the month's end. The result passes the checks of
// `velmora-cli check`, or it is refused.
CorrectedTable correctLunarTable(std::string_view text, const std::vector<LunarCorrection>& corrections,
                                 bool officialToo = false);

// Makes month year/month begin on day `first`, as Iran announces a month ("tomorrow is the 1st
// of Shawwal"): the month before it and the month itself change length, every other month stays
// where it was. Refused when either would have other than 29 or 30 days, when the month or the
// one before it is not in the table, or (unless officialToo) when either is official. Both
// months are recorded in [source] as corrections.
CorrectedTable startLunarMonth(std::string_view text, std::int32_t year, std::int32_t month, DayNumber first,
                               bool officialToo = false);

// The table with every correction recorded in [source] taken back: each month at its length as
// shipped, and no correction record left.
CorrectedTable undoLunarCorrections(std::string_view text);

// The two days month year/month can begin on (the day after day 29 or day 30 of the month
// before), each with whether the month itself would then have 29 or 30 days; none for a month
// with no month before it in the table.
struct LunarStartChoice {
    DayNumber day = 0;
    bool possible = false;
};
std::vector<LunarStartChoice> lunarStartChoices(const HijriCalendar& calendar, std::int32_t year, std::int32_t month);

// A new shipped table with the user's corrections of an older one carried over: each month
// boundary a correction moved (the start of a corrected month and of the month after it) is
// moved again in `shipped` when the new table still predicts the months on both sides of it.
// A month the new table holds as official or published keeps the new table's days (official
// wins). `report` gets one line for each boundary, what was done with it.
struct CarriedCorrections {
    std::string text;  // the new table, with what could be carried
    std::vector<std::string> report;
};
CarriedCorrections carryLunarCorrections(std::string_view userTable, std::string_view shipped);

}  // namespace velmora
