// The primary month grid of each display mode: the day numbers of the mode's month, up to
// six week rows of seven columns from Saturday to Friday.
#pragma once

#include <string>

#include "render/month_view.h"
#include "render/surface.h"

namespace velmora {

// What a grid writes into the main window's controls at every paint: the shown year in the
// mode's digits, and the shown month as the index (month - 1) of the mode's combo box.
struct MonthControls {
    std::u16string yearText;
    std::int32_t monthIndex = 0;
};

// The Solar Hijri month, right to left, Fridays and holidays in red.
MonthControls drawJalaliMonthGrid(Surface& surface, const MonthView& view);
// The Gregorian month, left to right, in black.
MonthControls drawGregorianMonthGrid(Surface& surface, const MonthView& view);
// The lunar Hijri month, right to left, in black.
MonthControls drawHijriMonthGrid(Surface& surface, const MonthView& view);

// The text origin of a grid cell (row 1-6, screen column 0-6) and its box, which marks today.
struct GridCell {
    std::int32_t x = 0;
    std::int32_t y = 0;
    Rect box;
};
GridCell gridCell(std::int32_t clientWidth, std::int32_t clientHeight, std::int32_t row, std::int32_t screenColumn);

}  // namespace velmora
