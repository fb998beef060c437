#include "decisions/tray_text.h"

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "calendar/weekday_names.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

// One line: "weekday,day month,year" with the numbers in ASCII.
void appendLine(std::u16string& out, std::u16string_view weekday, std::int32_t day, std::u16string_view month,
                std::int32_t year) {
    out += weekday;
    out += u',';
    out += numberText(day, Digits::ascii);
    out += u' ';
    out += month;
    out += u',';
    out += numberText(year, Digits::ascii);
}

// One Persian line: "[weekday ]day month year", the numbers in Persian digits.
void appendPersianLine(std::u16string& out, std::u16string_view weekday, const CivilDate& date,
                       std::u16string_view month) {
    if (!weekday.empty()) {
        out += weekday;
        out += u' ';
    }
    out += numberText(date.day, Digits::persian) + u" " + std::u16string(month) + u" " +
           numberText(date.year, Digits::persian);
}

TrayIconContent persianContent(const CivilDate& j, const CivilDate& g, const std::optional<CivilDate>& h,
                               std::u16string_view weekday) {
    TrayIconContent content;
    appendPersianLine(content.tooltip, weekday, j, monthName(Calendar::jalali, j.month).header);
    content.tooltip += u'\n';
    appendPersianLine(content.tooltip, {}, g, monthName(Calendar::gregorian, g.month).header);
    if (h) {
        content.tooltip += u'\n';
        appendPersianLine(content.tooltip, {}, *h, monthName(Calendar::hijri, h->month).box);
    }
    return content;
}

// The user's own days of today, a line each under a star.
void appendPersonalDays(std::u16string& tooltip, const CalendarData& data, DayNumber n) {
    for (const PersonalDay& mine : personalDaysOf(data, n)) tooltip += u"\n\u2605 " + mine.text;
}

}  // namespace

TrayIconContent trayIconContent(const CalendarData& data, const CivilDate& g, Language language) {
    const DayNumber n = gregorianToDayNumber(g.year, g.month, g.day);
    const auto h = lunarDate(data.hijri(), n);
    const CivilDate j = dayNumberToJalali(n);
    const WeekdayNames& weekday = kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))];

    TrayIconContent content;
    if (language == Language::persian) content = persianContent(j, g, h, weekday.persian);
    content.jalaliDay = j.day;
    content.iconId = IDI_DAY_BASE + j.day;
    if (language == Language::persian) {
        appendPersonalDays(content.tooltip, data, n);
        if (content.tooltip.size() > 127) content.tooltip.resize(127);
        return content;
    }
    content.tooltip = u" ";
    appendLine(content.tooltip, weekday.persian, j.day, monthName(Calendar::jalali, j.month).box, j.year);
    content.tooltip += u'\n';
    appendLine(content.tooltip, weekday.englishInTray, g.day, monthName(Calendar::gregorian, g.month).box, g.year);
    if (h) {  // no line where there is no lunar date
        content.tooltip += u'\n';
        appendLine(content.tooltip, weekday.arabic, h->day, monthName(Calendar::hijri, h->month).box, h->year);
    }
    appendPersonalDays(content.tooltip, data, n);
    if (content.tooltip.size() > 127) content.tooltip.resize(127);  // the tip holds 127 and a terminator
    return content;
}

}  // namespace velmora
