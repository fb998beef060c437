#include "render/holiday_panel.h"

#include <algorithm>
#include <string>

#include "calendar/native_digits.h"

namespace velmora {
namespace {

// The words as they fit in `room` pixels: whole, or cut with an ellipsis after as many
// characters as fit.
std::u16string fitted(Surface& surface, std::u16string_view words, std::int32_t room) {
    if (surface.textWidth(words) <= room) return std::u16string(words);
    constexpr std::u16string_view kEllipsis = u"\u2026";
    std::size_t keep = words.size();
    while (keep > 0 && surface.textWidth(std::u16string(words.substr(0, keep)) + std::u16string(kEllipsis)) > room)
        --keep;
    return keep == 0 ? std::u16string() : std::u16string(words.substr(0, keep)) + std::u16string(kEllipsis);
}

}  // namespace

std::int32_t monthOccasionsTextEnd(std::int32_t clientWidth, std::int32_t charWidth) {
    const double x = clientWidth * 0.7692307692307692 + (charWidth * 35) / 10 + 7.0;
    return static_cast<std::int32_t>(x);
}

MonthHolidays collectMonthHolidays(const MonthLayout& layout) {
    MonthHolidays holidays;
    for (const LaidOutDay& day : layout.days) {
        if (holidays.size() == kHolidayPanelLines) break;
        if (day.occasions.holiday) holidays.push_back(&day);
    }
    return holidays;
}

void drawHolidayPanel(Surface& surface, const MonthView& view) {
    const TextMetrics metrics = surface.textMetrics();  // of the default font
    const std::int32_t lineHeight = metrics.height + metrics.externalLeading;
    const std::int32_t x = monthOccasionsTextEnd(view.clientWidth, metrics.averageCharWidth);
    const MonthHolidays holidays = collectMonthHolidays(view.layout);
    for (std::size_t k = 0; k < holidays.size(); ++k) {
        const LaidOutDay& entry = *holidays[k];
        const std::int32_t y = (lineHeight - 4) * static_cast<std::int32_t>(k) + view.clientHeight - 80;
        // Occasions are listed for the days the lunar table covers, which decide the lunar ones.
        if (!entry.lunar) continue;
        const DayOccasions& day = entry.occasions;
        // The lunar Hijri text wins when both make the day a holiday; a Solar Hijri flag of
        // 2 to 9 beside a lunar holiday shows nothing.
        const Occasion* chosen = nullptr;
        if (day.lunar.flag == 1 && (day.solar.flag == 0 || day.solar.flag == 1))
            chosen = &day.lunar;
        else if (day.lunar.flag == 0 && day.solar.flag == 1)
            chosen = &day.solar;
        if (chosen == nullptr) continue;
        surface.selectFont(FontId::smallFont);
        surface.setTextAlign(TextAlign::leftTop);
        surface.drawText(x + 17, y, formatAsciiDigits(entry.jalali.day).view());
        surface.setTextAlign(TextAlign::rightTop);
        if (chosen->words().empty()) continue;
        // A line beside the occasions button ends short of it.
        const Rect& button = view.occasionsButton;
        const std::int32_t textHeight = surface.textMetrics().height;
        if (button.right > button.left && y < button.bottom && y + textHeight > button.top) {
            const std::u16string words = fitted(surface, chosen->words(), x - button.right - 4);
            if (!words.empty()) surface.drawText(x, y, words);
        } else {
            surface.drawText(x, y, chosen->words());
        }
    }
}

}  // namespace velmora
