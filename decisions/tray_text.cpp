#include "decisions/tray_text.h"

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "calendar/weekday_names.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

// One English line: "Wednesday, 18 Azar, 1405".
void appendLine(std::u16string& out, std::u16string_view weekday, Calendar calendar, const CivilDate& date) {
    out += weekday;
    out += u", ";
    out += numberText(date.day, Digits::ascii) + u" " + monthWord(calendar, date.month, Language::english) + u", " +
           numberText(date.year, Digits::ascii);
}

// One Persian line: "[weekday ]day month year", the numbers in Persian digits.
void appendPersianLine(std::u16string& out, std::u16string_view weekday, Calendar calendar, const CivilDate& date) {
    if (!weekday.empty()) {
        out += weekday;
        out += u' ';
    }
    out += dateText(calendar, date, Language::persian);
}

// The user's own days of today, a line each under a star.
void appendPersonalDays(std::u16string& tooltip, const CalendarData& data, DayNumber n) {
    for (const PersonalDay& mine : personalDaysOf(data, n)) tooltip += u"\n\u2605 " + mine.text;
}

// The tip holds 127 characters and a terminator; a line that does not fit whole is left out,
// so that no line is cut in the middle of its isolate.
std::u16string fitted(std::u16string tooltip) {
    while (tooltip.size() > 127) {
        const std::size_t lastBreak = tooltip.rfind(u'\n');
        if (lastBreak == std::u16string::npos) {
            tooltip.resize(127);
            break;
        }
        tooltip.resize(lastBreak);
    }
    return tooltip;
}

}  // namespace

TrayIconContent trayIconContent(const CalendarData& data, const CivilDate& g, Language language,
                                std::u16string_view prayerLine) {
    const DayNumber n = gregorianToDayNumber(g.year, g.month, g.day);
    const auto h = lunarDate(data.hijri(), n);
    const CivilDate j = dayNumberToJalali(n);
    const WeekdayNames& weekday = kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))];

    TrayIconContent content;
    content.jalaliDay = j.day;
    content.iconId = IDI_DAY_BASE + j.day;
    std::u16string& tip = content.tooltip;
    if (language == Language::persian) {
        appendPersianLine(tip, weekday.persian, Calendar::jalali, j);
        tip += u'\n';
        appendPersianLine(tip, {}, Calendar::gregorian, g);
        if (h) {  // no line where there is no lunar date
            tip += u'\n';
            appendPersianLine(tip, {}, Calendar::hijri, *h);
        }
    } else {
        const std::u16string english(weekday.english.begin(), weekday.english.end());
        appendLine(tip, english, Calendar::jalali, j);
        tip += u'\n';
        appendLine(tip, english, Calendar::gregorian, g);
        if (h) {
            tip += u'\n';
            appendLine(tip, english, Calendar::hijri, *h);
        }
    }
    if (!prayerLine.empty()) {
        tip += u'\n';
        tip += prayerLine;
    }
    appendPersonalDays(tip, data, n);
    tip = fitted(inReadingOrder(tip, language));
    return content;
}

}  // namespace velmora
