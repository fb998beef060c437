#include "render/month_grid.h"

#include <algorithm>

#include "calendar/native_digits.h"

namespace velmora {
void drawMonthGrid(Surface& surface, const MonthView& view, Calendar kind) {
    const PrimaryMonth month = primaryMonth(view, kind);
    const CivilDate today = dayNumberToDate(kind, view.data.hijri(),
                                            gregorianToDayNumber(view.today.year, view.today.month, view.today.day));

    surface.selectFont(kind == Calendar::gregorian ? FontId::latinFont : FontId::gridFont);
    const bool showsToday = month.year == today.year && month.month == today.month;
    for (std::int32_t day = 1; day <= drawableDays(month); ++day) {
        const DayCell cell = dayCell(month, day);
        const GridCell place = gridCell(view.clientWidth, view.clientHeight, cell.row, cell.screenColumn);
        const DigitText text = formatCalendarNumber(kind, day);
        if (kind == Calendar::gregorian) surface.selectFont(FontId::latinFont);
        surface.setTextColor(kBlack);
        surface.drawText(place.x, place.y, text.view());
        Rgb color = kBlack;
        // Fridays are red whatever their occasions; other days only when they are holidays.
        if (kind == Calendar::jalali &&
            (cell.weekdayColumn == 6 || isHoliday(view.data, month.year, month.month, day) == 1)) {
            color = kRed;
            surface.setTextColor(color);
            surface.drawText(place.x, place.y, text.view());
        }
        if (showsToday && day == today.day) {
            if (kind != Calendar::gregorian) surface.drawText(place.x, place.y, text.view());
            surface.frameRoundRect(place.box, 10);
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
