// The month of a mode's calendar that holds a Gregorian date, laid out as a paint lays it out.
#pragma once

#include "render/month_layout.h"

namespace velmora {

inline MonthLayout layoutHolding(const CalendarData& data, Calendar mode, CivilDate shown,
                                 CivilDate today = {2000, 1, 1}) {
    const CivilDate date =
        dayNumberToDate(mode, data.hijri(), gregorianToDayNumber(shown.year, shown.month, shown.day));
    return layOutMonth(data, mode, date.year, date.month, today);
}

}  // namespace velmora
