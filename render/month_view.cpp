#include "render/month_view.h"

#include <algorithm>

namespace velmora {

PrimaryMonth primaryMonth(const MonthView& view, std::int32_t displayMode) {
    PrimaryMonth month;
    const DayNumber shown = gregorianToDayNumber(view.shown.year, view.shown.month, view.shown.day);
    if (displayMode == kMiladiMode) {
        month.year = view.shown.year;
        month.month = view.shown.month;
        month.dayZero = gregorianToDayNumber(month.year, month.month, 0);
        month.length = gregorianMonthLength(month.year, month.month);
        month.rightToLeft = false;
    } else if (displayMode == kHijriMode) {
        const CivilDate date = dayNumberToHijri(view.files.hijri(), shown);
        month.year = date.year;
        month.month = date.month;
        month.dayZero = hijriToDayNumber(view.files.hijri(), date.year, date.month, 0);
        month.length = view.files.lunar.readHijriMonthLengths(date.year)[static_cast<std::size_t>(std::clamp(date.month, 1, 12))];
    } else {
        const CivilDate date = dayNumberToJalali(shown);
        month.year = date.year;
        month.month = date.month;
        month.dayZero = jalaliToDayNumber(date.year, date.month, 0);
        month.length = jalaliMonthLength(date.year, date.month);
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

std::int32_t drawableDays(const PrimaryMonth& month) {
    return std::clamp(month.length, 0, 42 - month.firstColumn);
}

}  // namespace velmora
