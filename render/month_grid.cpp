#include "render/month_grid.h"

#include <algorithm>

#include "calendar/calendar_record.h"

namespace velmora {
void drawMonthGrid(Surface& surface, const MonthView& view) {
    const MonthLayout& layout = view.layout;
    const Calendar kind = layout.mode;
    const CalendarRecord& record = calendarRecord(kind);
    const Palette& colours = view.palette;
    // The Gregorian grid's Latin font holds no Persian digits.
    const bool latinFont = record.latinScript && chosenDigits(view.words.digits, calendarDigits(kind)) == Digits::ascii;
    surface.selectFont(latinFont ? FontId::latinFont : FontId::gridFont);
    surface.setLineColor(colours.text);
    for (const LaidOutDay& day : layout.days) {
        const GridCell place = gridCell(view.clientWidth, view.clientHeight, day.cell.row, day.cell.screenColumn);
        const DigitText text = calendarNumber(kind, day.day, view.words.digits);
        if (latinFont) surface.selectFont(FontId::latinFont);
        surface.setTextColor(colours.text);
        surface.drawText(place.x, place.y, text.view());
        // Fridays are red whatever their occasions; other days only when they are holidays.
        if (record.gridMarksHolidays && (day.cell.weekdayColumn == 6 || day.occasions.holiday)) {
            surface.setTextColor(colours.holidayDay);
            surface.drawText(place.x, place.y, text.view());
            // In high contrast a colour alone may not tell them: underlined too.
            if (colours.underlinesHolidays) {
                const std::int32_t under = place.y + surface.textMetrics().height;
                surface.setLineColor(colours.holidayDay);
                surface.drawLine(place.x, under, place.x + surface.textWidth(text.view()), under);
                surface.setLineColor(colours.text);
            }
        }
        // The user's own days carry a mark of their own in the cell's corner, larger for a
        // day off; never the red of an official holiday.
        if (!day.occasions.personal.empty()) {
            const bool dayOff = std::any_of(day.occasions.personal.begin(), day.occasions.personal.end(),
                                            [](const PersonalDay& mine) { return mine.dayOff; });
            const std::int32_t size = dayOff ? 9 : 6;
            surface.fillRoundRect(
                {place.box.left + 4, place.box.top + 4, place.box.left + 4 + size, place.box.top + 4 + size}, size,
                colours.personal);
        }
        if (day.day == layout.today) {
            if (!record.latinScript) surface.drawText(place.x, place.y, text.view());
            surface.frameRoundRect(place.box, 10);
        }
        // The keyboard's cursor: a dotted frame inside the cell, clear of today's round one.
        if (day.day == view.cursorDay) {
            const Rect& box = place.box;
            surface.drawFocusRect({box.left + 3, box.top + 3, box.right - 3, box.bottom - 3});
        }
    }
}

GridCell gridCell(std::int32_t w, std::int32_t h, std::int32_t row, std::int32_t screenColumn) {
    GridCell cell;
    cell.x = gridLeft(w) + 15 + screenColumn * cellWidth(w);
    cell.y = gridTop(h) + 10 + (row - 1) * rowHeight(h);
    cell.box = {cell.x - 16, cell.y - 11, cell.x - 16 + cellWidth(w), cell.y + rowHeight(h) - 18};
    return cell;
}

}  // namespace velmora
