#include "render/holiday_panel.h"

#include <algorithm>
#include <string>

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"

namespace velmora {
namespace {

constexpr std::int32_t kPanelLeft = 27;  // the calendar panel's left edge

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

std::vector<PanelHoliday> collectMonthHolidays(const MonthLayout& layout) {
    std::vector<PanelHoliday> holidays;
    for (const LaidOutDay& day : layout.days) {
        // Occasions are listed for the days the lunar table covers, which decide the lunar ones.
        if (!day.occasions.holiday || !day.lunar) continue;
        // The lunar Hijri text wins when both make the day a holiday; a Solar Hijri flag of
        // 2 to 9 beside a lunar holiday shows nothing.
        const DayOccasions& texts = day.occasions;
        if (texts.lunar.flag == 1 && (texts.solar.flag == 0 || texts.solar.flag == 1))
            holidays.push_back({&day, texts.lunar.words()});
        else if (texts.lunar.flag == 0 && texts.solar.flag == 1)
            holidays.push_back({&day, texts.solar.words()});
    }
    return holidays;
}

void drawHolidayPanel(Surface& surface, const MonthView& view) {
    const TextMetrics metrics = surface.textMetrics();  // of the default font
    const std::int32_t step = metrics.height + metrics.externalLeading - 4;
    const std::int32_t x = monthOccasionsTextEnd(view.clientWidth, metrics.averageCharWidth);
    const std::int32_t top = view.clientHeight - 80;
    surface.selectFont(FontId::smallFont);
    surface.setTextColor(view.palette.text);
    const std::int32_t textHeight = surface.textMetrics().height;
    // Every line ends above the link, whose text stands at clientHeight.
    const std::int32_t lines = std::max((view.clientHeight - 1 - textHeight - top) / std::max(step, 1) + 1, 0);
    const std::vector<PanelHoliday> holidays = collectMonthHolidays(view.layout);
    const bool more = static_cast<std::int32_t>(holidays.size()) > lines;
    const std::int32_t listed = more ? lines - 1 : static_cast<std::int32_t>(holidays.size());
    const Calendar grid = view.layout.mode;

    // The room a line's words have: from the panel's left edge, or from beside the
    // occasions button where the line meets it, to x.
    const auto room = [&](std::int32_t y) {
        const Rect& button = view.occasionsButton;
        const bool besideButton = button.right > button.left && y < button.bottom && y + textHeight > button.top;
        return x - (besideButton ? button.right + 4 : kPanelLeft);
    };
    for (std::int32_t k = 0; k < listed; ++k) {
        const LaidOutDay& day = *holidays[static_cast<std::size_t>(k)].day;
        const std::int32_t y = top + step * k;
        surface.setTextAlign(TextAlign::leftTop);
        const DigitText dayText =
            calendarNumber(grid, dateOfDay(grid, day).value_or(CivilDate{}).day, view.words.digits);
        surface.drawText(x + 17, y, dayText.view());
        if (k == view.focusedHoliday)  // the line the keyboard reads now
            surface.drawFocusRect(
                {x - room(y) - 2, y - 1, x + 17 + surface.textWidth(dayText.view()) + 2, y + textHeight});
        const std::u16string words = fitted(surface, holidays[static_cast<std::size_t>(k)].words, room(y));
        if (words.empty()) continue;
        surface.setTextAlign(TextAlign::rightTopRightToLeft);
        surface.drawText(x, y, words);
    }
    if (!more || lines <= 0) return;
    const std::int32_t y = top + step * listed;
    const auto count = static_cast<std::int32_t>(holidays.size()) - listed;
    const bool listShown = calendarRecord(grid).showsOccasionsButton || view.words.moreHolidaysWithoutList.empty();
    std::u16string line(listShown ? view.words.moreHolidays : view.words.moreHolidaysWithoutList);
    const std::u16string number =
        numberText(count, chosenDigits(view.words.digits, view.words.persianDigits ? Digits::persian : Digits::ascii));
    if (const std::size_t at = line.find(u"%s"); at != std::u16string::npos) line.replace(at, 2, number);
    surface.setTextAlign(view.words.rightToLeft ? TextAlign::rightTopRightToLeft : TextAlign::rightTop);
    surface.drawText(x, y, fitted(surface, line, room(y)));
}

}  // namespace velmora
