// The panel at the foot of the calendar that lists the shown month's holidays.
#pragma once

#include <cstddef>
#include <vector>

#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

// The holidays of the laid-out month that the panel lists, in day order: the days the lunar
// table covers whose occasion makes them a holiday.
struct PanelHoliday {
    const LaidOutDay* day = nullptr;
    std::u16string_view words;  // the occasion that makes the day a holiday
};
std::vector<PanelHoliday> collectMonthHolidays(const MonthLayout& layout);

// Lists them below the calendar, one line each from clientHeight - 80 down, as many as fit
// above the link at the window's foot: the day as the grid shows it, and right-aligned to
// its left, read right to left, the occasion that makes the day a holiday (the lunar Hijri
// one when both do), shortened with an ellipsis at its end where it would leave the window
// or meet the occasions button. When more holidays are left than lines, the last line says
// how many more the occasions dialog lists.
void drawHolidayPanel(Surface& surface, const MonthView& view);

// The x at which the panel's texts end: clientWidth times the double 0.7692307692307692 (one
// unit in the last place below 10/13), plus (charWidth * 35) / 10 and 7, truncated.
std::int32_t monthOccasionsTextEnd(std::int32_t clientWidth, std::int32_t charWidth);

}  // namespace velmora
