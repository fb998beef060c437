#include "render/occasions_dialog.h"

#include "calendar/native_digits.h"

namespace velmora {

void paintOccasionsDialog(Surface& surface, const CalendarData& data, const CivilDate& shown) {
    const CivilDate month = gregorianToJalali(shown.year, shown.month, shown.day);
    const TextMetrics metrics = surface.textMetrics();  // of the default font
    const std::int32_t w = metrics.averageCharWidth;
    const std::int32_t lineHeight = metrics.height + metrics.externalLeading;
    std::int32_t line = 1;
    for (std::int32_t day = 1; day <= jalaliMonthLength(month.year, month.month); ++day) {
        const DayNumber n = jalaliToDayNumber(month.year, month.month, day);
        if (!inLunarTable(data.bounds, n)) continue;
        const DayOccasions texts = occasionsOfDay(data, n);
        if (texts.empty()) continue;

        surface.setTextColor(texts.holiday ? kRed : kBlack);
        surface.selectFont(FontId::smallFont);
        const std::int32_t y = line * lineHeight;
        surface.setTextAlign(TextAlign::leftTop);
        surface.drawText(w + 495, y, formatAsciiDigits(day).view());
        surface.setTextAlign(TextAlign::rightTop);
        // Columns reckoned at 7 pixels a character of the whole texts, flags included.
        const auto solarLength = static_cast<std::int32_t>(texts.solar.text.size());
        const auto lunarLength = static_cast<std::int32_t>(texts.lunar.text.size());
        if (!texts.solar.words().empty()) surface.drawText(w + 483, y, texts.solar.words());
        if (!texts.lunar.words().empty()) surface.drawText(w + 483 - 7 * solarLength, y, texts.lunar.words());
        if (!texts.gregorian.words().empty())
            surface.drawText(w + 7 * (69 - lunarLength - solarLength), y, texts.gregorian.words());
        ++line;
    }
}

}  // namespace velmora
