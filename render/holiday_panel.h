// The panel at the foot of the calendar that lists the shown month's holidays.
#pragma once

#include <cstddef>
#include <vector>

#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

inline constexpr std::size_t kHolidayPanelLines = 7;

// The first seven holidays of the laid-out month, in day order.
using MonthHolidays = std::vector<const LaidOutDay*>;
MonthHolidays collectMonthHolidays(const MonthLayout& layout);

// Lists them: the Solar Hijri day number, and right-aligned to its left the occasion that
// makes the day a holiday (the lunar Hijri one when both do).
void drawHolidayPanel(Surface& surface, const MonthView& view);

// The x at which the panel's texts end: clientWidth times the double 0.7692307692307692 (one
// unit in the last place below 10/13), plus (charWidth * 35) / 10 and 7, truncated.
std::int32_t monthOccasionsTextEnd(std::int32_t clientWidth, std::int32_t charWidth);

}  // namespace velmora
