// The tray icon's picture and tooltip for a local date.
#pragma once

#include <string>

#include "occasions/occasions.h"

namespace velmora {

struct TrayIconContent {
    std::int32_t iconId = 0;     // the icon resource of the Solar Hijri day: IDI_DAY_BASE + day
    std::int32_t jalaliDay = 0;  // the Solar Hijri day the icon shows
    std::u16string tooltip;      // three lines: Solar Hijri, Gregorian, lunar Hijri
};

// The icon of today's Solar Hijri day and the tooltip
// " weekday,day month ,year\nweekday,day month,year\nweekday,day month,year" in Persian,
// English and Arabic, at most 127 characters; the lunar line only where there is a lunar date.
TrayIconContent trayIconContent(const CalendarData& data, const CivilDate& localDate);

}  // namespace velmora
