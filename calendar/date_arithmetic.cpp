#include "calendar/date_arithmetic.h"

#include <algorithm>

namespace velmora {
namespace {

// Months counted from month 1 of year 0, floor-divided back, so negative years work too.
std::int64_t monthCount(const CivilDate& date) { return std::int64_t{date.year} * 12 + date.month - 1; }

CivilDate firstOfMonthCount(std::int64_t count) {
    std::int64_t year = count / 12, month = count % 12;
    if (month < 0) {
        month += 12;
        --year;
    }
    return {static_cast<std::int32_t>(year), static_cast<std::int32_t>(month + 1), 1};
}

}  // namespace

CivilDate addMonths(Calendar calendar, const HijriCalendar& hijri, const CivilDate& date, std::int32_t months) {
    CivilDate moved = firstOfMonthCount(monthCount(date) + months);
    moved.day = std::min(date.day, monthLength(calendar, hijri, moved.year, moved.month));
    return moved;
}

DateSpan spanBetween(Calendar calendar, const HijriCalendar& hijri, DayNumber from, DayNumber to) {
    DateSpan span;
    if (to < from) {
        std::swap(from, to);
        span.backwards = true;
    }
    const CivilDate start = dayNumberToDate(calendar, hijri, from);
    const CivilDate end = dayNumberToDate(calendar, hijri, to);
    // The months between the two months, one fewer when that many months on is past the end.
    auto months = static_cast<std::int32_t>(monthCount(end) - monthCount(start));
    CivilDate reached = addMonths(calendar, hijri, start, months);
    if (reached.day > end.day) reached = addMonths(calendar, hijri, start, --months);
    span.years = months / 12;
    span.months = months % 12;
    span.days = to - dateToDayNumber(calendar, hijri, reached.year, reached.month, reached.day);
    return span;
}

std::int32_t dayOfYear(Calendar calendar, const HijriCalendar& hijri, DayNumber n) {
    const CivilDate date = dayNumberToDate(calendar, hijri, n);
    return n - dateToDayNumber(calendar, hijri, date.year, 1, 1) + 1;
}

std::int32_t weekOfYear(Calendar calendar, const HijriCalendar& hijri, DayNumber n) {
    const DayNumber first = n - dayOfYear(calendar, hijri, n) + 1;
    return (n - first + weekdayColumn(first)) / 7 + 1;
}

}  // namespace velmora
