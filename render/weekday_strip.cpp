#include "render/weekday_strip.h"

#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr std::int32_t stripLeft(std::int32_t w) { return w / 14 + 1; }
constexpr std::int32_t stripTop(std::int32_t h) { return (h / 50) * 8; }
constexpr std::int32_t columnLeft(std::int32_t w, std::int32_t k) { return stripLeft(w) + k * cellWidth(w); }

// Screen columns 0 to 6, from the left.
constexpr std::u16string_view kLatinLabels[] = {u"SAT", u"SUN", u"MON", u"TUE", u"WED", u"THU", u"FRI"};
constexpr std::u16string_view kArabicLabels[] = {
    u"\u0627\u0644\u062C\u0645\u0639\u0647",          // Friday
    u"\u0627\u0644\u062E\u0645\u064A\u0633",          // Thursday
    u"\u0627\u0644\u0627\u0631\u0628\u0639\u0627\u0621",  // Wednesday
    u"\u0627\u0644\u062B\u0644\u0627\u062B\u0627\u0621",  // Tuesday
    u" \u0627\u0644\u0627\u062B\u0646\u064A\u0646",   // Monday, with its leading blank
    u"\u0627\u0644\u0627\u062D\u062F",                // Sunday
    u"\u0627\u0644\u0633\u0628\u062A",                // Saturday
};

void paintPanel(Surface& surface, const MonthView& view) {
    surface.fillRoundRect(calendarPanel(view.clientWidth, view.clientHeight), 10, kPanelColor);
}

}  // namespace

Rect calendarPanel(std::int32_t w, std::int32_t h) {
    return {27, (h / 40) * 8, (10 * w) / 13 + 67, h - 79};
}

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
        surface.drawText(columnLeft(view.clientWidth, k) + 12, stripTop(view.clientHeight) + 25, kLatinLabels[k]);
    }
}

void drawHijriWeekdayStrip(Surface& surface, const MonthView& view) {
    surface.selectFont(FontId::arabicWeekdayFont);
    paintPanel(surface, view);
    for (std::int32_t k = 6; k >= 0; --k) {  // Saturday first
        surface.drawText(columnLeft(view.clientWidth, k) + 5, stripTop(view.clientHeight) + 20, kArabicLabels[k]);
    }
}

}  // namespace velmora
