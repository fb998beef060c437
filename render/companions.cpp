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

std::int32_t length(std::u16string_view text) { return static_cast<std::int32_t>(text.size()); }

// The metrics the header is laid out by: of the system font, or of companionFont for the
// companion that selects it first.
TextMetrics headerMetrics(Surface& surface, const CompanionLook& companion) {
    if (companion.measuresAfterFont) surface.selectFont(FontId::companionFont);
    return surface.textMetrics();
}

// The year in the context's default black, and the next one after a slash when the primary
// month begins in the companion's last month.
void drawCompanionYear(Surface& surface, const CompanionLook& companion, const CivilDate& first, std::int32_t x,
                       std::int32_t y, std::int32_t charWidth) {
    surface.selectFont(FontId::companionFont);
    const DigitText year = formatCalendarNumber(companion.calendar, first.year);
    surface.drawText(x, y, year.view());
    if (first.month != 12) return;
    const DigitText nextYear = formatCalendarNumber(companion.calendar, first.year + 1);
    const std::int32_t n = companion.slashAfterNextYear ? nextYear.length : year.length;
    surface.drawText(x + n * charWidth, y, u"/");
    surface.drawText(x + (n + 1) * charWidth, y, nextYear.view());
}

// In English the names in Latin letters, reading from the left ("November \u2192 December"),
// ending where the Persian names end.
void drawLatinMonthNames(Surface& surface, const CompanionLook& companion, const CivilDate& first, std::int32_t anchor,
                         std::int32_t y, std::int32_t charWidth, Rgb slotColor) {
    const std::u16string name1 = monthWord(companion.calendar, first.month, Language::english);
    const std::u16string name2 = monthWord(companion.calendar, first.month % 12 + 1, Language::english);
    constexpr std::u16string_view kArrow = u" \u2192 ";
    surface.selectFont(FontId::smallFont);
    const std::int32_t right = anchor + 2 * charWidth;
    const std::int32_t x2 = right - surface.textWidth(name2);
    const std::int32_t arrow = x2 - surface.textWidth(kArrow);
    const auto& [red, green, blue] = companion.secondNameColor;
    surface.setTextColor(Rgb{red, green, blue});
    surface.drawText(x2, y, name2);
    surface.setTextColor(kBlack);
    surface.drawText(arrow, y, kArrow);
    surface.setTextColor(slotColor);
    surface.drawText(arrow - surface.textWidth(name1), y, name1);
}

// The two month names, placed leftwards from the anchor with an arrow between.
void drawCompanionMonthNames(Surface& surface, const CompanionLook& companion, const CivilDate& first,
                             std::int32_t anchor, std::int32_t y, std::int32_t charWidth, Rgb slotColor,
                             Language language) {
    if (language == Language::english)
        return drawLatinMonthNames(surface, companion, first, anchor, y, charWidth, slotColor);
    const std::u16string_view name1 = headerName(companion.calendar, first.month);
    const std::u16string_view name2 = headerName(companion.calendar, first.month + 1);
    surface.selectFont(FontId::smallFont);
    surface.setTextColor(slotColor);
    surface.drawText(anchor - (length(name1) - 2) * charWidth, y, name1);
    surface.setTextColor(kBlack);
    surface.drawText(anchor - length(name1) * charWidth, y, kMonthArrow);
    const auto& [red, green, blue] = companion.secondNameColor;
    surface.setTextColor(Rgb{red, green, blue});
    // Clear of the arrow, also where the name is wider than its letters reckoned at the
    // average width.
    const std::int32_t arrowLeft = anchor - length(name1) * charWidth;
    const std::int32_t x = anchor - (length(name1) + length(name2)) * charWidth + companion.secondNameOffset;
    surface.drawText(std::min(x, arrowLeft - surface.textWidth(name2) - 2), y, name2);
}

// Each day's number in the companion's calendar, in the slot's colour until the companion's
// month changes and in black after.
void drawCompanionDays(Surface& surface, const MonthView& view, const CompanionLook& companion, const CivilDate& first,
                       std::int32_t left, Rgb slotColor) {
    const std::int32_t cell = cellWidth(view.clientWidth);
    const std::int32_t row = rowHeight(view.clientHeight);
    const std::int32_t top = view.clientHeight / 16 + row + (view.clientHeight / 52) * 8;
    surface.selectFont(FontId::companionFont);
    for (const LaidOutDay& day : view.layout.days) {
        const auto date = dateOfDay(companion.calendar, day);
        if (!date) continue;
        const bool firstMonth = date->year == first.year && date->month == first.month;
        if (calendarRecord(companion.calendar).fromTable && day.lunarPredicted)
            surface.setTextColor(firstMonth ? kPredictedTeal : kPredictedGrey);
        else
            surface.setTextColor(firstMonth ? slotColor : kBlack);
        const std::int32_t x = left + day.cell.screenColumn * cell + companion.delta;
        const std::int32_t y = top + (day.cell.row - 1) * row + companion.delta;
        const DigitText text = formatCalendarNumber(companion.calendar, date->day);
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
    const Rgb slotColor = secondSlot ? kSecondSlotTeal : kFirstSlotBlue;
    drawCompanionYear(surface, companion, *first, (w * 10) / 46, headerTop, charWidth);
    drawCompanionMonthNames(surface, companion, *first, (w * 100) / 137, headerTop, charWidth, slotColor,
                            view.words.language);
    const std::int32_t left = secondSlot ? w / 16 + w / 14 + 7 : w / 70 + w / 14 + 7;
    drawCompanionDays(surface, view, companion, *first, left, slotColor);
}

void drawPredictedMark(Surface& surface, const MonthView& view) {
    if (!view.layout.predicted || view.words.predicted.empty()) return;
    const std::int32_t w = view.clientWidth;
    surface.selectFont(FontId::smallFont);
    surface.setTextColor(kPredictedMark);
    // Right-aligned with the calendar panel, on the first companion's header line.
    surface.setTextAlign(view.words.rightToLeft ? TextAlign::rightTopRightToLeft : TextAlign::rightTop);
    surface.drawText(calendarPanel(w, view.clientHeight).right - 4, (view.clientHeight / 52) * 10 - 20,
                     view.words.predicted);
}

}  // namespace velmora
