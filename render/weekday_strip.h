// The weekday header strip of each display mode, which first paints the calendar panel.
#pragma once

#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

// The rounded panel (light yellow in the light theme) behind the strip, the grid and the companions.
Rect calendarPanel(std::int32_t clientWidth, std::int32_t clientHeight);

// The strip of the view's mode in the view's language, after the panel: in Persian the
// weekdays' pictures (Jalali mode), their Persian names (Miladi mode) or their Arabic names
// (Hijri mode); in English "Sat" to "Fri" in every mode. The pictures are black on white
// and only the light theme draws them: on a dark or high-contrast panel the Persian names
// stand in their place. Saturday stands over the grid's
// Saturdays: at the right in the right-to-left modes, at the left in Miladi mode.
void drawWeekdayStrip(Surface& surface, const MonthView& view);

// Persian weekday bitmaps, Friday at the left and Saturday at the right.
void drawJalaliWeekdayStrip(Surface& surface, const MonthView& view);
// The weekdays' names, each centred over its column; a name wider than its column is written
// on two lines (at its blank, or before its "شنبه") in the small font.
enum class WeekdayNaming { english, persian, arabic };
void drawWeekdayNames(Surface& surface, const MonthView& view, WeekdayNaming naming);

}  // namespace velmora
