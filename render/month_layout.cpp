#include "render/month_layout.h"

#include <algorithm>

#include "calendar/calendar_record.h"

namespace velmora {
namespace {

DayCell cellOf(const MonthLayout& layout, std::int32_t day) {
    const std::int32_t index = layout.firstColumn + day - 1;
    DayCell cell;
    cell.weekdayColumn = index % 7;
    cell.row = 1 + index / 7;
    cell.screenColumn = layout.rightToLeft ? 6 - cell.weekdayColumn : cell.weekdayColumn;
    return cell;
}

}  // namespace

MonthLayout layOutMonth(const CalendarData& data, Calendar mode, std::int32_t year, std::int32_t month,
                        const CivilDate& today) {
    MonthLayout layout;
    const HijriCalendar hijri = data.hijri();
    layout.mode = mode;
    layout.year = year;
    layout.month = month;
    layout.dayZero = dateToDayNumber(mode, hijri, year, month, 0);
    layout.length = monthLength(mode, hijri, year, month);
    layout.rightToLeft = calendarRecord(mode).rightToLeft;
    layout.predicted = calendarRecord(mode).fromTable && data.lunarPredicted({year, month, 1});
    // A month outside the span has no days.
    if (layout.dayZero < kFirstShownDay - 100 || layout.dayZero > kLastShownDay + 100) {
        layout.dayZero = std::clamp(layout.dayZero, kFirstShownDay, kLastShownDay);
        layout.length = 0;
    }
    layout.firstColumn = weekdayColumn(layout.first());
    const DayNumber todayNumber = gregorianToDayNumber(today.year, today.month, today.day);

    // Rows 1 to 6 hold 42 - firstColumn days.
    const std::int32_t shown = std::clamp(layout.length, 0, 42 - layout.firstColumn);
    layout.days.reserve(static_cast<std::size_t>(shown));
    for (std::int32_t day = 1; day <= shown; ++day) {
        LaidOutDay entry;
        entry.day = day;
        entry.dayNumber = layout.dayZero + day;
        entry.jalali = dayNumberToJalali(entry.dayNumber);
        entry.gregorian = dayNumberToGregorian(entry.dayNumber);
        entry.lunar = lunarDate(hijri, entry.dayNumber);
        entry.lunarPredicted = entry.lunar && data.lunarPredicted(*entry.lunar);
        entry.cell = cellOf(layout, day);
        entry.occasions = occasionsOfDay(data, entry.dayNumber);
        if (entry.dayNumber == todayNumber) layout.today = day;
        layout.days.push_back(std::move(entry));
    }
    return layout;
}

}  // namespace velmora
