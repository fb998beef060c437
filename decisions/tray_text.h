// The tray icon's picture and tooltip for a local date.
#pragma once

#include <string>

#include "occasions/occasions.h"

namespace velmora {

struct TrayIconContent {
    std::int32_t iconId = 0;     // the icon resource of the Solar Hijri day: 101 + day
    std::int32_t jalaliDay = 0;  // the identifier the icon is added under
    std::u16string tooltip;      // three lines: Solar Hijri, Gregorian, lunar Hijri
};

// The icon of today's Solar Hijri day and the tooltip
// " weekday,day month ,year\nweekday,day month,year\nweekday,day month,year" in Persian,
// English and Arabic, at most 127 characters.
TrayIconContent trayIconContent(const CalendarData& data, const CivilDate& localDate);

}  // namespace velmora
