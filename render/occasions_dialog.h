// What the occasions dialog draws: every occasion of the Solar Hijri month of the shown date.
#pragma once

#include "occasions/occasions.h"
#include "render/surface.h"

namespace velmora {

// One line per day with an occasion in any calendar, from y = line height down without
// gaps: the day, then right to left the Solar Hijri, lunar Hijri and Gregorian texts, at 7
// pixels a character; holidays in red. Days outside the lunar Hijri table are left out.
void paintOccasionsDialog(Surface& surface, const CalendarData& data, const CivilDate& shown);

}  // namespace velmora
