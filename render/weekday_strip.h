// The weekday header strip of each display mode, which first paints the calendar panel.
#pragma once

#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

inline constexpr Rgb kPanelColor{255, 255, 225};

// The light-yellow rounded panel behind the strip, the grid and the companions.
Rect calendarPanel(std::int32_t clientWidth, std::int32_t clientHeight);

// Persian weekday bitmaps, Friday at the left and Saturday at the right.
void drawJalaliWeekdayStrip(Surface& surface, const MonthView& view);
// "SAT" to "FRI", Saturday at the left.
void drawGregorianWeekdayStrip(Surface& surface, const MonthView& view);
// Arabic weekday names, Saturday at the right.
void drawHijriWeekdayStrip(Surface& surface, const MonthView& view);

}  // namespace velmora
