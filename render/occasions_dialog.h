// What the occasions dialog draws: every occasion of a Solar Hijri month.
#pragma once

#include <vector>

#include "calendar/date_text.h"
#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

// One line per day with an occasion in any calendar, from y = line height down without
// gaps: the day, then right to left the Solar Hijri, lunar Hijri and Gregorian texts, as wide
// as they are and two characters apart (a text that would cross the left edge on a line
// below), each read right to left; a holiday's day and the occasion that makes it one in
// red. The user's own days follow a day's occasions, each on a line of its own after a star
// in their own colour. Days outside the lunar Hijri table are left out. The page is drawn `scrolled` pixels
// up. Returns where the last line ends, unscrolled, so that the page can be made tall
// enough. The month is laid out in Jalali mode.
//
// The days listed, each with the lines it takes (unscrolled), go to `listed` when given; the
// lines of `focusedDay`, the one the keyboard reads, are framed by a focus rectangle.
struct ListedDay {
    std::int32_t day = 0;
    std::int32_t top = 0;
    std::int32_t bottom = 0;
};
// The day numbers are written in `dayDigits`: the interface's.
std::int32_t paintOccasionsDialog(Surface& surface, const MonthLayout& month, std::int32_t scrolled = 0,
                                  std::vector<ListedDay>* listed = nullptr, std::int32_t focusedDay = 0,
                                  Digits dayDigits = Digits::ascii, const Palette& palette = kLightPalette);

}  // namespace velmora
