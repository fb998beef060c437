// The band of the shown day's times of prayer, drawn under the month when the window shows it.
#pragma once

#include <string>
#include <vector>

#include "render/palette.h"
#include "render/surface.h"

namespace velmora {

// What the band writes: the place and the day, then a column a time (its name, its HH:MM or a
// dash where there is none), the next one marked.
struct PrayerBand {
    std::u16string place;
    std::u16string day;
    struct Column {
        std::u16string name;
        std::u16string time;
        bool official = true;  // Asr and Isha are in no official table: their names are grey
        bool next = false;
    };
    std::vector<Column> columns;
    bool rightToLeft = false;  // the place first at the right, the times from the right
};

// The band's height in the 96-dpi design, a row of up to six times or two rows of four; it
// stands under the link at the window's foot.
inline constexpr std::int32_t kPrayerRowHeight = 38;
constexpr std::int32_t prayerBandHeight(std::size_t columns) {
    return columns > 6 ? 2 * kPrayerRowHeight : kPrayerRowHeight;
}
// What the band takes of the client area's height, its margin below included: the window is
// taller by as much while it shows the band.
constexpr std::int32_t prayerBandSpace(std::size_t columns) { return prayerBandHeight(columns) + 6; }

// Draws the band from `top` across a client area clientWidth wide, in the palette's colours.
void drawPrayerBand(Surface& surface, const PrayerBand& band, std::int32_t clientWidth, std::int32_t top,
                    const Palette& palette = kLightPalette);

}  // namespace velmora
