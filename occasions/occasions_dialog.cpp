#include "occasions/occasions_dialog.h"

#include "calendar/native_digits.h"

namespace velmora {

void paintOccasionsDialog(Surface& surface, const CalendarFiles& files, const CivilDate& shown) {
    const CivilDate month = gregorianToJalali(shown.year, shown.month, shown.day);
    const TextMetrics metrics = surface.textMetrics();  // of the default font
    const std::int32_t w = metrics.averageCharWidth;
    const std::int32_t lineHeight = metrics.height + metrics.externalLeading;
    const std::u16string solarSection = occasionSectionName(0, month.month);
    std::int32_t line = 1;
    for (std::int32_t day = 1; day <= jalaliMonthLength(month.year, month.month); ++day) {
        const DayNumber n = jalaliToDayNumber(month.year, month.month, day);
        if (n < files.bounds.minJulianday || n > files.bounds.maxJulianday) continue;
        const Occasion lunar = readLunarOccasion(files, n);
        const CivilDate gregorian = dayNumberToGregorian(n);
        const Occasion gregorianOccasion = files.events.read(occasionSectionName(1, gregorian.month), gregorian.day);
        const Occasion solar = files.events.read(solarSection, day);
        if (solar.empty() && lunar.empty() && gregorianOccasion.empty()) continue;

        surface.setTextColor(isHoliday(files, month.year, month.month, day) == 1 ? kRed : kBlack);
        surface.selectFont(FontId::smallFont);
        const std::int32_t y = line * lineHeight;
        surface.setTextAlign(TextAlign::leftTop);
        surface.drawText(w + 495, y, formatAsciiDigits(day).view());
        surface.setTextAlign(TextAlign::rightTop);
        // Columns reckoned at 7 pixels a character of the whole texts, flags included.
        const auto solarLength = static_cast<std::int32_t>(solar.text.size());
        const auto lunarLength = static_cast<std::int32_t>(lunar.text.size());
        if (!solar.words().empty()) surface.drawText(w + 483, y, solar.words());
        if (!lunar.words().empty()) surface.drawText(w + 483 - 7 * solarLength, y, lunar.words());
        if (!gregorianOccasion.words().empty())
            surface.drawText(w + 7 * (69 - lunarLength - solarLength), y, gregorianOccasion.words());
        ++line;
    }
}

}  // namespace velmora
