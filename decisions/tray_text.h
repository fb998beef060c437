// The tray icon's picture and tooltip for a local date.
#pragma once

#include <string>

#include "decisions/language.h"
#include "occasions/occasions.h"

namespace velmora {

struct TrayIconContent {
    std::int32_t iconId = 0;     // the icon resource of the Solar Hijri day: IDI_DAY_BASE + day
    std::int32_t jalaliDay = 0;  // the Solar Hijri day the icon shows
    std::u16string tooltip;      // three lines: Solar Hijri, Gregorian, lunar Hijri
};

// The icon of today's Solar Hijri day and the tooltip, at most 127 characters, one line a
// calendar (the lunar line only where there is a lunar date). In English
// " weekday,day month ,year\nweekday,day month,year\nweekday,day month,year" with the
// weekdays in Persian, English and Arabic; in Persian a sentence a line, in Persian words and
// digits: "چهارشنبه ۱۸ آذر ۱۴۰۵", "۹ دسامبر ۲۰۲۶", "۲۸ جمادی الثانی ۱۴۴۸". Then a line
// "★ TEXT" for each of the user's own days of today, as far as the 127 characters go.
TrayIconContent trayIconContent(const CalendarData& data, const CivilDate& localDate,
                                Language language = Language::english);

}  // namespace velmora
