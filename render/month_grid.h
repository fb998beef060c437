// The primary month grid of each display mode: the day numbers of the mode's month, up to
// six week rows of seven columns from Saturday to Friday.
#pragma once

#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

// The laid-out month in the view's palette: the Solar Hijri month right to left with Fridays
// and holidays in red, the Gregorian month left to right in black, the lunar Hijri month right
// to left in black; today framed; the user's own days marked in the cell's corner.
void drawMonthGrid(Surface& surface, const MonthView& view);

// The text origin of a grid cell (row 1-6, screen column 0-6) and its box, which marks today.
struct GridCell {
    std::int32_t x = 0;
    std::int32_t y = 0;
    Rect box;
};
GridCell gridCell(std::int32_t clientWidth, std::int32_t clientHeight, std::int32_t row, std::int32_t screenColumn);

}  // namespace velmora
