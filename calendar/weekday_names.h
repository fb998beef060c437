// The names of the weekdays, indexed by weekdayColumn: Saturday 0 to Friday 6.
#pragma once

#include <array>
#include <string_view>

namespace velmora {

struct WeekdayNames {
    std::u16string_view persian;
    std::string_view english;
    std::u16string_view arabic;        // Monday's begins with one blank, as the strip draws it
    std::u16string_view englishShort;  // the English strips' "Sat" to "Fri"
};

inline constexpr std::array<WeekdayNames, 7> kWeekdayNames = {{
    {u"\u0634\u0646\u0628\u0647", "Saturday", u"\u0627\u0644\u0633\u0628\u062A", u"Sat"},
    {u"\u06CC\u06A9\u0634\u0646\u0628\u0647", "Sunday", u"\u0627\u0644\u0627\u062D\u062F", u"Sun"},
    {u"\u062F\u0648\u0634\u0646\u0628\u0647", "Monday", u" \u0627\u0644\u0627\u062B\u0646\u064A\u0646", u"Mon"},
    {u"\u0633\u0647 \u0634\u0646\u0628\u0647", "Tuesday", u"\u0627\u0644\u062B\u0644\u0627\u062B\u0627\u0621", u"Tue"},
    {u"\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647", "Wednesday",
     u"\u0627\u0644\u0627\u0631\u0628\u0639\u0627\u0621", u"Wed"},
    {u"\u067E\u0646\u062C\u0634\u0646\u0628\u0647", "Thursday", u"\u0627\u0644\u062E\u0645\u064A\u0633", u"Thu"},
    {u"\u062C\u0645\u0639\u0647", "Friday", u"\u0627\u0644\u062C\u0645\u0639\u0647", u"Fri"},
}};

}  // namespace velmora
