#include "render/occasions_dialog.h"

#include "calendar/native_digits.h"

namespace velmora {

std::int32_t paintOccasionsDialog(Surface& surface, const CalendarData& data, const CivilDate& shown) {
    const CivilDate month = gregorianToJalali(shown.year, shown.month, shown.day);
    const TextMetrics metrics = surface.textMetrics();  // of the default font
    const std::int32_t w = metrics.averageCharWidth;
    const std::int32_t lineHeight = metrics.height + metrics.externalLeading;
    const std::int32_t right = w + 483;  // where the Solar Hijri column ends
    std::int32_t line = 1;
    for (std::int32_t day = 1; day <= jalaliMonthLength(month.year, month.month); ++day) {
        const DayNumber n = jalaliToDayNumber(month.year, month.month, day);
        if (!inLunarTable(data.bounds, n)) continue;
        const DayOccasions texts = occasionsOfDay(data, n);
        if (texts.empty()) continue;

        surface.setTextColor(texts.holiday ? kRed : kBlack);
        surface.selectFont(FontId::smallFont);
        surface.setTextAlign(TextAlign::leftTop);
        surface.drawText(w + 495, line * lineHeight, formatAsciiDigits(day).view());
        surface.setTextAlign(TextAlign::rightTop);
        // Right to left: the Solar Hijri, lunar Hijri and Gregorian texts, each ending where
        // the one before it began, two characters apart; a text that would cross the left
        // edge goes to a line of its own below, ending where the first column ends.
        std::int32_t x = right;
        for (const Occasion* occasion : {&texts.solar, &texts.lunar, &texts.gregorian}) {
            if (occasion->empty()) continue;
            const std::int32_t width = occasion->words().empty() ? 0 : surface.textWidth(occasion->words());
            if (x - width < 0 && x != right) {
                ++line;
                x = right;
            }
            if (width > 0) surface.drawText(x, line * lineHeight, occasion->words());
            x -= width + 2 * w;
        }
        ++line;
    }
    return line * lineHeight;
}

}  // namespace velmora
