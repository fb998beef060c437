// The panel at the foot of the calendar that lists the shown month's holidays.
#pragma once

#include <array>

#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

// Up to seven holidays of the month, as Solar Hijri dates in day order; the rest are empty
// (year 0).
using MonthHolidays = std::array<CivilDate, 7>;

// The holidays of the display mode's month that contains the shown date.
MonthHolidays collectMonthHolidays(const MonthView& view, Calendar mode);

// Lists them: the day number, and right-aligned to its left the occasion that makes the day
// a holiday (the lunar Hijri one when both do).
void drawMonthOccasions(Surface& surface, const MonthView& view, Calendar mode);

// The x at which the panel's texts end: clientWidth times the double 0.7692307692307692 (one
// unit in the last place below 10/13), plus (charWidth * 35) / 10 and 7, truncated.
std::int32_t monthOccasionsTextEnd(std::int32_t clientWidth, std::int32_t charWidth);

}  // namespace velmora
