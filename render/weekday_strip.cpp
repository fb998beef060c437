#include "render/weekday_strip.h"

#include "calendar/calendar_record.h"
#include "calendar/weekday_names.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr std::int32_t stripLeft(std::int32_t w) { return w / 14 + 1; }
constexpr std::int32_t stripTop(std::int32_t h) { return (h / 50) * 8; }
constexpr std::int32_t columnLeft(std::int32_t w, std::int32_t k) { return stripLeft(w) + k * cellWidth(w); }

void paintPanel(Surface& surface, const MonthView& view) {
    surface.fillRoundRect(calendarPanel(view.clientWidth, view.clientHeight), 10, view.palette.panel);
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

namespace {

std::u16string_view nameOf(const WeekdayNames& names, WeekdayNaming naming) {
    switch (naming) {
        case WeekdayNaming::english: return names.englishShort;
        case WeekdayNaming::persian: return names.persian;
        case WeekdayNaming::arabic: break;
    }
    return names.arabic;
}

// A name in two lines: at its blank ("سه شنبه"), or before a "شنبه" that ends a longer name.
std::pair<std::u16string_view, std::u16string_view> twoLines(std::u16string_view name) {
    constexpr std::u16string_view kShanbe = u"\u0634\u0646\u0628\u0647";
    if (const std::size_t blank = name.find(u' ', 1); blank != std::u16string_view::npos)
        return {name.substr(0, blank), name.substr(blank + 1)};
    if (name.size() > kShanbe.size() && name.ends_with(kShanbe))
        return {name.substr(0, name.size() - kShanbe.size()), kShanbe};
    return {name, {}};
}

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    return text;
}

}  // namespace

void drawWeekdayNames(Surface& surface, const MonthView& view, WeekdayNaming naming) {
    paintPanel(surface, view);
    const std::int32_t w = view.clientWidth;
    const std::int32_t cell = cellWidth(w);
    const std::int32_t top = stripTop(view.clientHeight) + 20;
    const FontId font = naming == WeekdayNaming::english ? FontId::latinFont : FontId::arabicWeekdayFont;
    surface.selectFont(font);
    surface.setTextColor(view.palette.text);
    bool fits = true;
    for (const WeekdayNames& names : kWeekdayNames)
        fits = fits && surface.textWidth(trimmed(nameOf(names, naming))) <= cell - 4;
    if (!fits) surface.selectFont(FontId::smallFont);
    const std::int32_t lineHeight = surface.textMetrics().height;
    for (std::int32_t k = 0; k < 7; ++k) {  // Saturday first
        const std::int32_t column = view.layout.rightToLeft ? 6 - k : k;
        const std::u16string_view name = trimmed(nameOf(kWeekdayNames[static_cast<std::size_t>(k)], naming));
        const auto centred = [&](std::u16string_view text, std::int32_t y) {
            surface.drawText(columnLeft(w, column) + (cell - surface.textWidth(text)) / 2, y, text);
        };
        if (fits) {
            centred(name, top + 5);
            continue;
        }
        const auto [first, second] = twoLines(name);
        centred(first, top);
        if (!second.empty()) centred(second, top + lineHeight);
    }
}

void drawWeekdayStrip(Surface& surface, const MonthView& view) {
    if (view.words.language == Language::english) return drawWeekdayNames(surface, view, WeekdayNaming::english);
    switch (calendarRecord(view.layout.mode).strip) {
        case WeekdayStrip::pictures:
            if (view.palette.theme == Theme::light) return drawJalaliWeekdayStrip(surface, view);
            return drawWeekdayNames(surface, view, WeekdayNaming::persian);
        case WeekdayStrip::persianNames: drawWeekdayNames(surface, view, WeekdayNaming::persian); return;
        case WeekdayStrip::arabicNames: break;
    }
    drawWeekdayNames(surface, view, WeekdayNaming::arabic);
}

}  // namespace velmora
