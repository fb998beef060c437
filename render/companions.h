// The companion calendars: into every cell of the primary grid each companion writes the
// day of its own calendar, and above the grid a header with its year and the two months the
// primary month touches.
#pragma once

#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

inline constexpr char16_t kMonthArrow[] = u"\u2190";

// Companion slot 0 or 1 of the laid-out month's mode: Gregorian and lunar Hijri in Jalali
// mode, Solar Hijri and lunar Hijri in Miladi mode, Gregorian and Solar Hijri in Hijri mode.
// A predicted lunar date is drawn lighter, in the palette's predicted colours. In Hijri mode,
// the mark of a predicted month at the right of the header.
void drawPredictedMark(Surface& surface, const MonthView& view);

void drawCompanion(Surface& surface, const MonthView& view, std::int32_t slot);

}  // namespace velmora
