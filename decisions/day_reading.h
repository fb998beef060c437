// What a screen reader hears of the painted calendar: a day of the grid, and the holiday
// panel's lines, as text in the interface's language.
#pragma once

#include <string>
#include <vector>

#include "decisions/language.h"
#include "render/month_layout.h"

namespace velmora {

// The day's weekday and its three dates (the grid's calendar first, then its companions in
// the order their headers stand), whether it is today and a holiday, then its occasions and
// the user's own days.
std::u16string dayReading(const MonthLayout& layout, const LaidOutDay& day, Language language);

// The month the occasions dialog lists, the Solar Hijri month of the shown day: laid out,
// titled (titlePattern's "%s" is the month's name and year) and each day's words for screen
// readers, by day from 1.
struct ListedMonth {
    MonthLayout layout;
    std::u16string title;
    std::vector<std::u16string> readings;
    Language language = Language::english;  // of the title and the readings; the days' digits too
};
ListedMonth listedMonth(const CalendarData& data, DayNumber shownDay, const CivilDate& today, Language language,
                        std::u16string_view titlePattern);

// The holiday panel's lines, every holiday of the month even where the paint has no room:
// the day's date in the grid's calendar and the occasion that makes it a holiday.
std::vector<std::u16string> holidayLines(const MonthLayout& layout, Language language);

}  // namespace velmora
