// What the lunar-month correction dialog lists and offers, and when the program tells the
// user that the lunar dates ahead are predictions. Pure functions of the data and the date.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/day_number.h"
#include "decisions/language.h"
#include "occasions/occasions.h"

namespace velmora {

// "Shawwal 1448", or in Persian "شوال ۱۴۴۸".
std::u16string lunarMonthTitle(std::int32_t year, std::int32_t month, Language language);
// A day in one calendar's words: "10 March 2027", "۱۹ اسفند ۱۴۰۵".

// When the lunar table was made, in the interface's words: "8 December 2026", or in Persian
// the Solar Hijri date "۱۷ آذر ۱۴۰۵"; empty when the table does not say.
std::u16string tableMadeWords(const CalendarData& data, Language language);
// About's line on the lunar dates, from its pattern (the first "%s" the first month still
// predicted, corrected months being as announced,
// the second the table's date, and the sentence of the date left out where there is none);
// empty without a table that predicts.
std::u16string aboutLunarNote(const CalendarData& data, Language language, std::u16string_view pattern);

struct LunarMonthRow {
    std::int32_t year = 0;
    std::int32_t month = 0;
    DayNumber first = 0;
    MonthSource source = MonthSource::official;
    // Whether the user may move its first day: neither it nor the month before is official.
    bool correctable = false;
};

// The months the dialog lists: from the last official month to twelve months after the month
// of today (the last month of the table at most).
std::vector<LunarMonthRow> correctableLunarMonths(const CalendarData& data, const CivilDate& today);

// One line of the list: the month, its first day in the Solar Hijri and Gregorian calendars,
// and where it comes from, tab-separated.
std::u16string lunarMonthRowText(const LunarMonthRow& row, Language language, std::u16string_view sourceName);

// The two days a row's month can begin on, each as "Tuesday 9 March 2027 (18 Esfand 1405)"
// or its Persian form, with whether the month itself can then have 29 or 30 days.
struct LunarStartOption {
    DayNumber day = 0;
    bool possible = false;
    std::u16string text;
};
std::vector<LunarStartOption> lunarStartOptions(const CalendarData& data, const LunarMonthRow& row, Language language);

// The first predicted month, once it is 30 days away or nearer: the tray says once, for each
// table, that the lunar dates from there on are predictions. `toldFor` is the month it was
// last told for ("1448/10"); none when it was told for this one or the table predicts nothing.
struct PredictionNotice {
    std::int32_t year = 0;
    std::int32_t month = 0;
    DayNumber first = 0;
    std::u16string key;  // "1448/10", to remember it was told
};
std::optional<PredictionNotice> predictionNoticeDue(const CalendarData& data, const CivilDate& today,
                                                    std::u16string_view toldFor);
// The notice's month with its first day in the Solar Hijri (Persian) or Gregorian (English)
// calendar: "Shawwal 1448 (10 March 2027)".
std::u16string predictionNoticeMonth(const CalendarData& data, const PredictionNotice& notice, Language language);

}  // namespace velmora
