#include "render/month_layout.h"

#include <algorithm>

namespace velmora {

PrimaryMonth primaryMonth(const MonthView& view, Calendar mode) {
    PrimaryMonth month;
    const DayNumber shown = gregorianToDayNumber(view.shown.year, view.shown.month, view.shown.day);
    const HijriCalendar hijri = view.data.hijri();
    const CivilDate date = dayNumberToDate(mode, hijri, shown);
    month.year = date.year;
    month.month = date.month;
    month.dayZero = dateToDayNumber(mode, hijri, date.year, date.month, 0);
    month.length = monthLength(mode, hijri, date.year, date.month);
    month.rightToLeft = mode != Calendar::gregorian;
    // A table that is not sound can put a month anywhere; one outside the span has no days.
    if (month.dayZero < kFirstShownDay - 100 || month.dayZero > kLastShownDay + 100) {
        month.dayZero = std::clamp(month.dayZero, kFirstShownDay, kLastShownDay);
        month.length = 0;
    }
    month.firstColumn = weekdayColumn(month.first());
    return month;
}

DayCell dayCell(const PrimaryMonth& month, std::int32_t day) {
    const std::int32_t index = month.firstColumn + day - 1;
    DayCell cell;
    cell.weekdayColumn = index % 7;
    cell.row = 1 + index / 7;
    cell.screenColumn = month.rightToLeft ? 6 - cell.weekdayColumn : cell.weekdayColumn;
    return cell;
}

std::int32_t drawableDays(const PrimaryMonth& month) { return std::clamp(month.length, 0, 42 - month.firstColumn); }

}  // namespace velmora
