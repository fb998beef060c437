#include "decisions/tray_text.h"

#include "calendar/month_names.h"
#include "calendar/native_digits.h"
#include "calendar/weekday_names.h"

namespace velmora {
namespace {

// One line: "weekday,day month,year" with the numbers in ASCII.
void appendLine(std::u16string& out, std::u16string_view weekday, std::int32_t day, std::u16string_view month,
                std::int32_t year) {
    out += weekday;
    out += u',';
    out += formatAsciiDigits(day).view();
    out += u' ';
    out += month;
    out += u',';
    out += formatAsciiDigits(year).view();
}

std::u16string_view nameOf(const std::u16string_view (&names)[13], std::int32_t month) {
    return month >= 1 && month <= 12 ? names[month] : std::u16string_view();
}

}  // namespace

TrayIconContent trayIconContent(const CalendarData& data, const CivilDate& g) {
    const DayNumber n = gregorianToDayNumber(g.year, g.month, g.day);
    const CivilDate h = dayNumberToHijri(data.hijri(), n);
    const CivilDate j = dayNumberToJalali(n);
    const WeekdayNames& weekday = kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))];

    TrayIconContent content;
    content.jalaliDay = j.day;
    content.iconId = 101 + j.day;
    content.tooltip = u" ";
    appendLine(content.tooltip, weekday.persian, j.day, nameOf(jalaliMonthNames, j.month), j.year);
    content.tooltip += u'\n';
    appendLine(content.tooltip, weekday.englishInTray, g.day, nameOf(gregorianMonthNames, g.month), g.year);
    content.tooltip += u'\n';
    appendLine(content.tooltip, weekday.arabic, h.day, nameOf(hijriMonthNames, h.month), h.year);
    if (content.tooltip.size() > 127) content.tooltip.resize(127);  // the tip holds 127 and a terminator
    return content;
}

}  // namespace velmora
