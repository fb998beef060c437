// The tray icon's picture and tooltip for a local date.
#pragma once

#include <string>

#include "calendar/date_text.h"
#include "decisions/language.h"
#include "occasions/occasions.h"

namespace velmora {

struct TrayIconContent {
    std::int32_t iconId = 0;  // the icon of the Solar Hijri day: IDI_DAY_BASE + day, IDI_LATIN_DAY_BASE in Latin digits
    std::int32_t jalaliDay = 0;  // the Solar Hijri day the icon shows
    std::u16string tooltip;      // three lines: Solar Hijri, Gregorian, lunar Hijri
};

// The icon of today's Solar Hijri day and the tooltip, at most 127 characters, one line a
// calendar (the lunar line only where there is a lunar date). In English
// "Wednesday, 18 Azar, 1405", "Wednesday, 9 December, 2026", "Wednesday, 29 Jumada al-Thani,
// 1448"; in Persian a sentence a line, in Persian words and digits, each reading right to left
// wherever the tooltip is drawn: "چهارشنبه ۱۸ آذر ۱۴۰۵", "۹ دسامبر ۲۰۲۶", "۲۹ جمادی الثانی ۱۴۴۸".
// Then a line "★ TEXT" for each of the user's own days of today, as far as the 127 characters
// go (a line that does not fit is left out whole).
// A line prayerLine ("اذان مغرب ۱۷:۱۱", the next time of prayer) follows the dates when given.
// With Latin digits chosen the numbers and the icon's day are in Latin digits, with Persian
// digits chosen the English lines' numbers too.
TrayIconContent trayIconContent(const CalendarData& data, const CivilDate& localDate,
                                Language language = Language::english, std::u16string_view prayerLine = {},
                                DigitChoice digits = DigitChoice::asLanguage);

}  // namespace velmora
