// The month names of the three calendars, each in the forms the program writes it.
#pragma once

#include <cstdint>
#include <string_view>

#include "calendar/calendar.h"

namespace velmora {

struct MonthName {
    // As the month boxes and the tray tooltip write it. Each Solar Hijri name ends with one
    // blank, which belongs to it.
    std::u16string_view box;
    // As the companion headers write it: in Persian (Gregorian names too), without the
    // blank, and Dhu al-Hijja as one word.
    std::u16string_view header;
    // In Latin letters, as the converter writes it.
    std::string_view latin;
};

// Indexed by calendar, then month 1 to 12; entry 0 of each calendar is empty. Asked through
// the calendar's record (calendar_record.h).
// clang-format off
inline constexpr MonthName kMonthNames[kCalendars.size()][13] = {
    {
        {},
        {u"\u0641\u0631\u0648\u0631\u062F\u06CC\u0646 ", u"\u0641\u0631\u0648\u0631\u062F\u06CC\u0646", "Farvardin"},
        {u"\u0627\u0631\u062F\u06CC\u0628\u0647\u0634\u062A ", u"\u0627\u0631\u062F\u06CC\u0628\u0647\u0634\u062A", "Ordibehesht"},
        {u"\u062E\u0631\u062F\u0627\u062F ", u"\u062E\u0631\u062F\u0627\u062F", "Khordad"},
        {u"\u062A\u06CC\u0631 ", u"\u062A\u06CC\u0631", "Tir"},
        {u"\u0645\u0631\u062F\u0627\u062F ", u"\u0645\u0631\u062F\u0627\u062F", "Mordad"},
        {u"\u0634\u0647\u0631\u06CC\u0648\u0631 ", u"\u0634\u0647\u0631\u06CC\u0648\u0631", "Shahrivar"},
        {u"\u0645\u0647\u0631 ", u"\u0645\u0647\u0631", "Mehr"},
        {u"\u0622\u0628\u0627\u0646 ", u"\u0622\u0628\u0627\u0646", "Aban"},
        {u"\u0622\u0630\u0631 ", u"\u0622\u0630\u0631", "Azar"},
        {u"\u062F\u06CC ", u"\u062F\u06CC", "Dey"},
        {u"\u0628\u0647\u0645\u0646 ", u"\u0628\u0647\u0645\u0646", "Bahman"},
        {u"\u0627\u0633\u0641\u0646\u062F ", u"\u0627\u0633\u0641\u0646\u062F", "Esfand"},
    },
    {
        {},
        {u"January", u"\u0698\u0627\u0646\u0648\u06CC\u0647", "January"},
        {u"February", u"\u0641\u0648\u0631\u06CC\u0647", "February"},
        {u"March", u"\u0645\u0627\u0631\u0633", "March"},
        {u"April", u"\u0622\u0648\u0631\u06CC\u0644", "April"},
        {u"May", u"\u0645\u0647", "May"},
        {u"June", u"\u0698\u0648\u0626\u0646", "June"},
        {u"July", u"\u0698\u0648\u0626\u06CC\u0647", "July"},
        {u"August", u"\u0627\u0648\u062A", "August"},
        {u"September", u"\u0633\u067E\u062A\u0627\u0645\u0628\u0631", "September"},
        {u"October", u"\u0627\u06A9\u062A\u0628\u0631", "October"},
        {u"November", u"\u0646\u0648\u0627\u0645\u0628\u0631", "November"},
        {u"December", u"\u062F\u0633\u0627\u0645\u0628\u0631", "December"},
    },
    {
        {},
        {u"\u0645\u062D\u0631\u0645", u"\u0645\u062D\u0631\u0645", "Muharram"},
        {u"\u0635\u0641\u0631", u"\u0635\u0641\u0631", "Safar"},
        {u"\u0631\u0628\u06CC\u0639 \u0627\u0644\u0627\u0648\u0644", u"\u0631\u0628\u06CC\u0639 \u0627\u0644\u0627\u0648\u0644", "Rabi al-Awwal"},
        {u"\u0631\u0628\u06CC\u0639 \u0627\u0644\u062B\u0627\u0646\u06CC", u"\u0631\u0628\u06CC\u0639 \u0627\u0644\u062B\u0627\u0646\u06CC", "Rabi al-Thani"},
        {u"\u062C\u0645\u0627\u062F\u06CC \u0627\u0644\u0627\u0648\u0644", u"\u062C\u0645\u0627\u062F\u06CC \u0627\u0644\u0627\u0648\u0644", "Jumada al-Awwal"},
        {u"\u062C\u0645\u0627\u062F\u06CC \u0627\u0644\u062B\u0627\u0646\u06CC", u"\u062C\u0645\u0627\u062F\u06CC \u0627\u0644\u062B\u0627\u0646\u06CC", "Jumada al-Thani"},
        {u"\u0631\u062C\u0628", u"\u0631\u062C\u0628", "Rajab"},
        {u"\u0634\u0639\u0628\u0627\u0646", u"\u0634\u0639\u0628\u0627\u0646", "Shaban"},
        {u"\u0631\u0645\u0636\u0627\u0646", u"\u0631\u0645\u0636\u0627\u0646", "Ramadan"},
        {u"\u0634\u0648\u0627\u0644", u"\u0634\u0648\u0627\u0644", "Shawwal"},
        {u"\u0630\u06CC\u0642\u0639\u062F\u0647", u"\u0630\u06CC\u0642\u0639\u062F\u0647", "Dhu al-Qada"},
        {u"\u0630\u06CC \u0627\u0644\u062D\u062C\u0647", u"\u0630\u06CC\u062D\u062C\u0647", "Dhu al-Hijja"},
    },
};
// clang-format on

}  // namespace velmora
