#include "render/weekday_strip.h"

#include "calendar/weekday_names.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr std::int32_t stripLeft(std::int32_t w) { return w / 14 + 1; }
constexpr std::int32_t stripTop(std::int32_t h) { return (h / 50) * 8; }
constexpr std::int32_t columnLeft(std::int32_t w, std::int32_t k) { return stripLeft(w) + k * cellWidth(w); }

void paintPanel(Surface& surface, const MonthView& view) {
    surface.fillRoundRect(calendarPanel(view.clientWidth, view.clientHeight), 10, kPanelColor);
}

}  // namespace

Rect calendarPanel(std::int32_t w, std::int32_t h) { return {27, (h / 40) * 8, (10 * w) / 13 + 67, h - 79}; }

void drawJalaliWeekdayStrip(Surface& surface, const MonthView& view) {
    paintPanel(surface, view);
    const std::int32_t w = view.clientWidth;
    for (std::int32_t k = 0; k < 7; ++k) {
        // Only the top 30 rows of the 30 x 32 bitmaps; white leaves the panel's colour.
        surface.andBitmap(columnLeft(w, k) + 5, stripTop(view.clientHeight) + 20, IDB_WEEKDAY_FRIDAY + k, 30, 30);
    }
}

void drawGregorianWeekdayStrip(Surface& surface, const MonthView& view) {
    surface.selectFont(FontId::latinFont);
    paintPanel(surface, view);
    for (std::int32_t k = 0; k < 7; ++k) {
        // Saturday at the left: the screen column is the weekday column.
        surface.drawText(columnLeft(view.clientWidth, k) + 12, stripTop(view.clientHeight) + 25,
                         kWeekdayNames[static_cast<std::size_t>(k)].latinLabel);
    }
}

void drawHijriWeekdayStrip(Surface& surface, const MonthView& view) {
    surface.selectFont(FontId::arabicWeekdayFont);
    paintPanel(surface, view);
    for (std::int32_t k = 6; k >= 0; --k) {  // Saturday first, at the right
        surface.drawText(columnLeft(view.clientWidth, k) + 5, stripTop(view.clientHeight) + 20,
                         kWeekdayNames[static_cast<std::size_t>(6 - k)].arabic);
    }
}

}  // namespace velmora
