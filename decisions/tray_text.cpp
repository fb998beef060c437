#include "decisions/tray_text.h"

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "calendar/weekday_names.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

// One English line: "Wednesday, 18 Azar, 1405".
void appendLine(std::u16string& out, std::u16string_view weekday, Calendar calendar, const CivilDate& date,
                Digits digits) {
    out += weekday;
    out += u", ";
    out += numberText(date.day, digits) + u" " + monthWord(calendar, date.month, Language::english) + u", " +
           numberText(date.year, digits);
}

// One Persian line: "[weekday ]day month year", the numbers in Persian digits (or the chosen).
void appendPersianLine(std::u16string& out, std::u16string_view weekday, Calendar calendar, const CivilDate& date,
                       Digits digits) {
    if (!weekday.empty()) {
        out += weekday;
        out += u' ';
    }
    out += dateText(calendar, date, Language::persian, DateForm::words, digits);
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
                                std::u16string_view prayerLine, DigitChoice choice) {
    const Digits digits = chosenDigits(choice, interfaceDigits(language));
    const DayNumber n = gregorianToDayNumber(g.year, g.month, g.day);
    const auto h = lunarDate(data.hijri(), n);
    const CivilDate j = dayNumberToJalali(n);
    const WeekdayNames& weekday = kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))];

    TrayIconContent content;
    content.jalaliDay = j.day;
    content.iconId = (choice == DigitChoice::latin ? IDI_LATIN_DAY_BASE : IDI_DAY_BASE) + j.day;
    std::u16string& tip = content.tooltip;
    if (language == Language::persian) {
        appendPersianLine(tip, weekday.persian, Calendar::jalali, j, digits);
        tip += u'\n';
        appendPersianLine(tip, {}, Calendar::gregorian, g, digits);
        if (h) {  // no line where there is no lunar date
            tip += u'\n';
            appendPersianLine(tip, {}, Calendar::hijri, *h, digits);
        }
    } else {
        const std::u16string english(weekday.english.begin(), weekday.english.end());
        appendLine(tip, english, Calendar::jalali, j, digits);
        tip += u'\n';
        appendLine(tip, english, Calendar::gregorian, g, digits);
        if (h) {
            tip += u'\n';
            appendLine(tip, english, Calendar::hijri, *h, digits);
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
