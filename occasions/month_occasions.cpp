#include "occasions/month_occasions.h"

#include <algorithm>

#include "calendar/native_digits.h"

namespace velmora {
namespace {

// A month of a bad calendar.ini may claim any length; no month has more days than this.
constexpr std::int32_t kLongestScan = 62;

}  // namespace

std::int32_t monthOccasionsTextEnd(std::int32_t clientWidth, std::int32_t charWidth) {
    const double x = clientWidth * 0.7692307692307692 + (charWidth * 35) / 10 + 7.0;
    return static_cast<std::int32_t>(x);
}

MonthHolidays collectMonthHolidays(const MonthView& view, std::int32_t displayMode) {
    MonthHolidays holidays{};
    std::size_t count = 0;
    const auto add = [&](const CivilDate& jalali) {
        if (count < holidays.size() && isHoliday(view.files, jalali.year, jalali.month, jalali.day) == 1)
            holidays[count++] = jalali;
    };
    const DayNumber n = gregorianToDayNumber(view.shown.year, view.shown.month, view.shown.day);
    if (displayMode == kJalaliMode) {
        const CivilDate month = dayNumberToJalali(n);
        for (std::int32_t day = 1; day <= jalaliMonthLength(month.year, month.month) && count < holidays.size(); ++day)
            add({month.year, month.month, day});
        return holidays;
    }
    DayNumber first = 0;
    std::int32_t length = 0;
    if (displayMode == kMiladiMode) {
        first = gregorianToDayNumber(view.shown.year, view.shown.month, 1);
        length = gregorianMonthLength(view.shown.year, view.shown.month);
    } else if (displayMode == kHijriMode) {
        const CivilDate month = dayNumberToHijri(view.files.hijri(), n);
        first = hijriToDayNumber(view.files.hijri(), month.year, month.month, 1);
        length = view.files.lunar.readHijriMonthLengths(month.year)[static_cast<std::size_t>(std::clamp(month.month, 1, 12))];
    }
    length = std::clamp(length, 0, kLongestScan);
    for (std::int32_t i = 0; i < length && count < holidays.size(); ++i) add(dayNumberToJalali(first + i));
    return holidays;
}

void drawMonthOccasions(Surface& surface, const MonthView& view, std::int32_t displayMode) {
    const TextMetrics metrics = surface.textMetrics();  // of the default font
    const std::int32_t lineHeight = metrics.height + metrics.externalLeading;
    const std::int32_t x = monthOccasionsTextEnd(view.clientWidth, metrics.averageCharWidth);
    const MonthHolidays holidays = collectMonthHolidays(view, displayMode);
    for (std::size_t k = 0; k < holidays.size(); ++k) {
        const CivilDate& entry = holidays[k];
        if (entry.year == 0) continue;
        const std::int32_t y = (lineHeight - 4) * static_cast<std::int32_t>(k) + view.clientHeight - 80;
        const Occasion solar = view.files.events.read(occasionSectionName(0, entry.month), entry.day);
        const DayNumber d = jalaliToDayNumber(entry.year, entry.month, entry.day);
        if (d < view.files.bounds.minJulianday || d > view.files.bounds.maxJulianday) continue;
        const Occasion lunar = readLunarOccasion(view.files, d);
        // The lunar Hijri text wins when both make the day a holiday; a Solar Hijri flag of
        // 2 to 9 beside a lunar holiday shows nothing.
        const Occasion* chosen = nullptr;
        if (lunar.flag == 1 && (solar.flag == 0 || solar.flag == 1)) chosen = &lunar;
        else if (lunar.flag == 0 && solar.flag == 1) chosen = &solar;
        if (chosen == nullptr) continue;
        surface.selectFont(FontId::smallFont);
        surface.setTextAlign(TextAlign::leftTop);
        surface.drawText(x + 17, y, formatAsciiDigits(entry.day).view());
        surface.setTextAlign(TextAlign::rightTop);
        if (!chosen->words().empty()) surface.drawText(x, y, chosen->words());
    }
}

}  // namespace velmora
