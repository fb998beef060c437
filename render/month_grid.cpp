#include "render/month_grid.h"

#include <algorithm>

#include "calendar/native_digits.h"

namespace velmora {
namespace {

using GridKind = CalendarKind;

// Today in the calendar of the grid.
CivilDate todayIn(GridKind kind, const MonthView& view) {
    const DayNumber n = gregorianToDayNumber(view.today.year, view.today.month, view.today.day);
    switch (kind) {
        case GridKind::jalali: return dayNumberToJalali(n);
        case GridKind::hijri: return dayNumberToHijri(view.files.hijri(), n);
        case GridKind::gregorian: break;
    }
    return view.today;
}

MonthControls drawMonthGrid(Surface& surface, const MonthView& view, GridKind kind) {
    const std::int32_t mode = kind == GridKind::jalali ? kJalaliMode : kind == GridKind::gregorian ? kMiladiMode : kHijriMode;
    const PrimaryMonth month = primaryMonth(view, mode);
    const CivilDate today = todayIn(kind, view);
    const MonthControls controls{std::u16string(formatCalendarNumber(kind, month.year).view()), std::clamp(month.month, 1, 12) - 1};

    surface.selectFont(kind == GridKind::gregorian ? FontId::latinFont : FontId::gridFont);
    const bool showsToday = month.year == today.year && month.month == today.month;
    for (std::int32_t day = 1; day <= drawableDays(month); ++day) {
        const DayCell cell = dayCell(month, day);
        const GridCell place = gridCell(view.clientWidth, view.clientHeight, cell.row, cell.screenColumn);
        const DigitText text = formatCalendarNumber(kind, day);
        if (kind == GridKind::gregorian) surface.selectFont(FontId::latinFont);
        surface.setTextColor(kBlack);
        surface.drawText(place.x, place.y, text.view());
        Rgb color = kBlack;
        // Fridays are red whatever their occasions; other days only when they are holidays.
        if (kind == GridKind::jalali &&
            (cell.weekdayColumn == 6 || isHoliday(view.files, month.year, month.month, day) == 1)) {
            color = kRed;
            surface.setTextColor(color);
            surface.drawText(place.x, place.y, text.view());
        }
        if (showsToday && day == today.day) {
            if (kind != GridKind::gregorian) surface.drawText(place.x, place.y, text.view());
            surface.frameRoundRect(place.box, 10);
        }
    }
    return controls;
}

}  // namespace

GridCell gridCell(std::int32_t w, std::int32_t h, std::int32_t row, std::int32_t screenColumn) {
    GridCell cell;
    cell.x = gridLeft(w) + 15 + screenColumn * cellWidth(w);
    cell.y = gridTop(h) + 10 + (row - 1) * rowHeight(h);
    cell.box = {cell.x - 16, cell.y - 11, cell.x - 16 + cellWidth(w), cell.y + rowHeight(h) - 18};
    return cell;
}

MonthControls drawJalaliMonthGrid(Surface& surface, const MonthView& view) {
    return drawMonthGrid(surface, view, GridKind::jalali);
}

MonthControls drawGregorianMonthGrid(Surface& surface, const MonthView& view) {
    return drawMonthGrid(surface, view, GridKind::gregorian);
}

MonthControls drawHijriMonthGrid(Surface& surface, const MonthView& view) {
    return drawMonthGrid(surface, view, GridKind::hijri);
}

}  // namespace velmora
