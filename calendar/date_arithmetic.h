// Reckoning with dates in any of the three calendars: a date some months on, and the years,
// months and days from one date to another, as a person counts an age or a wait.
#pragma once

#include <cstdint>

#include "calendar/hijri.h"

namespace velmora {

// The date `months` months after date (before it when negative) in its calendar: the same
// day of the month, or the month's last day where that month is shorter. So 31 Farvardin
// + 6 months is 30 Mehr, and 30 Esfand of a leap year + 1 year is 29 Esfand, as a birthday
// on 30 Esfand comes on the 29th in a common year. The caller keeps `months` within the
// calendar's span.
CivilDate addMonths(Calendar calendar, const HijriCalendar& hijri, const CivilDate& date, std::int32_t months);

// Whole years and months in a calendar, then days: from the earlier of two days to the
// later, the most months m for which earlier + m months is not past the later, and the days
// from there. Adding the span to the earlier day (months first) gives the later.
struct DateSpan {
    std::int32_t years = 0;
    std::int32_t months = 0;
    std::int32_t days = 0;
    bool backwards = false;  // the second day is before the first

    friend bool operator==(const DateSpan&, const DateSpan&) = default;
};
DateSpan spanBetween(Calendar calendar, const HijriCalendar& hijri, DayNumber from, DayNumber to);

// The day's place in its year of a calendar, from 1; and its week, the weeks beginning on
// Saturday as the grid's rows do, week 1 the one that holds the year's first day.
std::int32_t dayOfYear(Calendar calendar, const HijriCalendar& hijri, DayNumber n);
std::int32_t weekOfYear(Calendar calendar, const HijriCalendar& hijri, DayNumber n);

}  // namespace velmora
