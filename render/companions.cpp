#include "render/companions.h"

#include <algorithm>
#include <optional>

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "calendar/native_digits.h"
#include "render/weekday_strip.h"

namespace velmora {
namespace {

// The header's name of a month 1 to 13, where 13 is month 1 again.
std::u16string_view headerName(Calendar calendar, std::int32_t month) {
    if (month < 1 || month > 13) return {};
    return monthName(calendar, month == 13 ? 1 : month).header;
}

// The metrics the header is laid out by: of the system font, or of companionFont for the
// companion that selects it first.
TextMetrics headerMetrics(Surface& surface, const CompanionLook& companion) {
    if (companion.measuresAfterFont) surface.selectFont(FontId::companionFont);
    return surface.textMetrics();
}

// The year in the text's colour, and the next one after a slash when the primary
// month begins in the companion's last month, each where the one before it ends.
void drawCompanionYear(Surface& surface, const CompanionLook& companion, const CivilDate& first, std::int32_t x,
                       std::int32_t y, Rgb text, DigitChoice digits) {
    surface.selectFont(FontId::companionFont);
    surface.setTextColor(text);
    const DigitText year = calendarNumber(companion.calendar, first.year, digits);
    surface.drawText(x, y, year.view());
    if (first.month != 12) return;
    const DigitText nextYear = calendarNumber(companion.calendar, first.year + 1, digits);
    const std::int32_t slash = x + surface.textWidth(year.view());
    surface.drawText(slash, y, u"/");
    surface.drawText(slash + surface.textWidth(u"/"), y, nextYear.view());
}

// The two month names with an arrow between, the first month's name ending where a name of
// the design's average letters would (two letters right of the anchor): in Persian from the
// right ("آذر ← دی"), in English from the left in Latin letters ("November → December"). Each
// stands where the one before it ends.
void drawCompanionMonthNames(Surface& surface, const CompanionLook& companion, const CivilDate& first,
                             std::int32_t anchor, std::int32_t y, std::int32_t charWidth, Rgb slotColor,
                             Language language, const Palette& colours) {
    const bool english = language == Language::english;
    const std::u16string name1 = english ? monthWord(companion.calendar, first.month, language)
                                         : std::u16string(headerName(companion.calendar, first.month));
    const std::u16string name2 = english ? monthWord(companion.calendar, first.month % 12 + 1, language)
                                         : std::u16string(headerName(companion.calendar, first.month + 1));
    const std::u16string arrow = english ? u" \u2192 " : std::u16string(u" ") + kMonthArrow + u" ";
    surface.selectFont(FontId::smallFont);
    const std::int32_t right = anchor + 2 * charWidth;
    const Rgb secondColor = companion.marksSecondName ? colours.secondName : colours.text;
    // From the right: name1, the arrow, name2 in Persian; name2, the arrow, name1 in English.
    const std::u16string& rightmost = english ? name2 : name1;
    const std::u16string& leftmost = english ? name1 : name2;
    const std::int32_t arrowX = right - surface.textWidth(rightmost) - surface.textWidth(arrow);
    surface.setTextColor(english ? secondColor : slotColor);
    surface.drawText(right - surface.textWidth(rightmost), y, rightmost);
    surface.setTextColor(colours.text);
    surface.drawText(arrowX, y, arrow);
    surface.setTextColor(english ? slotColor : secondColor);
    surface.drawText(arrowX - surface.textWidth(leftmost), y, leftmost);
}

// Where the first companion's numbers stand, and the second's, which keeps clear of the first's
// number of the same day: at a larger scale the digits widen more than the distance between.
std::int32_t companionLeft(std::int32_t w, bool secondSlot) {
    return secondSlot ? w / 16 + w / 14 + 7 : w / 70 + w / 14 + 7;
}

// Each day's number in the companion's calendar, in the slot's colour until the companion's
// month changes and in black after.
void drawCompanionDays(Surface& surface, const MonthView& view, const CompanionLook& companion, const CivilDate& first,
                       bool secondSlot, Rgb slotColor) {
    const CompanionLook& before = calendarRecord(view.layout.mode).companions[0];
    const Palette& colours = view.palette;
    const std::int32_t left = companionLeft(view.clientWidth, secondSlot);
    const std::int32_t cell = cellWidth(view.clientWidth);
    const std::int32_t row = rowHeight(view.clientHeight);
    const std::int32_t top = view.clientHeight / 16 + row + (view.clientHeight / 52) * 8;
    surface.selectFont(FontId::companionFont);
    for (const LaidOutDay& day : view.layout.days) {
        const auto date = dateOfDay(companion.calendar, day);
        if (!date) continue;
        const bool firstMonth = date->year == first.year && date->month == first.month;
        if (calendarRecord(companion.calendar).fromTable && day.lunarPredicted)
            surface.setTextColor(firstMonth ? colours.predictedFirst : colours.predictedAfter);
        else
            surface.setTextColor(firstMonth ? slotColor : colours.text);
        std::int32_t x = left + day.cell.screenColumn * cell + companion.delta;
        const std::int32_t y = top + (day.cell.row - 1) * row + companion.delta;
        if (const auto beside = dateOfDay(before.calendar, day); secondSlot && beside) {
            const DigitText number = calendarNumber(before.calendar, beside->day, view.words.digits);
            const std::int32_t end = companionLeft(view.clientWidth, false) + day.cell.screenColumn * cell +
                                     before.delta + surface.textWidth(number.view());
            x = std::max(x, end + 2);
        }
        const DigitText text = calendarNumber(companion.calendar, date->day, view.words.digits);
        surface.drawText(x, y, text.view());
        if (companion.drawsFridaysTwice && day.cell.weekdayColumn == 6) surface.drawText(x, y, text.view());
    }
}

}  // namespace

void drawCompanion(Surface& surface, const MonthView& view, std::int32_t slot) {
    const bool secondSlot = slot == 1;
    const CompanionLook& companion = calendarRecord(view.layout.mode).companions[secondSlot ? 1 : 0];
    if (view.layout.days.empty()) return;
    const auto first = dateOfDay(companion.calendar, view.layout.days.front());
    if (!first) return;  // the lunar Hijri table does not reach this month
    const std::int32_t w = view.clientWidth;
    const std::int32_t h = view.clientHeight;
    const TextMetrics metrics = headerMetrics(surface, companion);
    const std::int32_t charWidth = metrics.averageCharWidth;
    const std::int32_t lineHeight = metrics.height + metrics.internalLeading;
    const std::int32_t headerTop = secondSlot ? (h / 52) * 10 - lineHeight - 15 : (h / 52) * 10 - 20;
    const Rgb slotColor = secondSlot ? view.palette.secondSlot : view.palette.firstSlot;
    drawCompanionYear(surface, companion, *first, (w * 10) / 46, headerTop, view.palette.text, view.words.digits);
    drawCompanionMonthNames(surface, companion, *first, (w * 100) / 137, headerTop, charWidth, slotColor,
                            view.words.language, view.palette);
    drawCompanionDays(surface, view, companion, *first, secondSlot, slotColor);
}

void drawPredictedMark(Surface& surface, const MonthView& view) {
    if (!view.layout.predicted || view.words.predicted.empty()) return;
    const std::int32_t w = view.clientWidth;
    surface.selectFont(FontId::smallFont);
    surface.setTextColor(view.palette.predictedMark);
    // Right-aligned with the calendar panel, on the first companion's header line.
    surface.setTextAlign(view.words.rightToLeft ? TextAlign::rightTopRightToLeft : TextAlign::rightTop);
    surface.drawText(calendarPanel(w, view.clientHeight).right - 4, (view.clientHeight / 52) * 10 - 20,
                     view.words.predicted);
}

}  // namespace velmora
