#include "occasions/my_days.h"

#include "data/integer_text.h"
#include "data/text_codec.h"
#include "occasions/occasions.h"

namespace velmora {
namespace {

std::string number(std::int64_t value) { return std::to_string(value); }

}  // namespace

MonthSpan monthSpan(Calendar calendar, std::int32_t month) {
    switch (calendar) {
        case Calendar::jalali:
            return month <= 6 ? MonthSpan{31, 31} : month <= 11 ? MonthSpan{30, 30} : MonthSpan{30, 29};
        case Calendar::gregorian: {
            constexpr std::int32_t kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            const std::int32_t longest = kDays[month - 1];
            return {longest, month == 2 ? 28 : longest};
        }
        case Calendar::hijri: break;
    }
    return {30, 29};
}

std::vector<MyDay> readMyDays(const IniFile& ini, std::vector<FileProblem>* problems) {
    std::vector<MyDay> days;
    const auto problem = [&](std::int32_t line, std::string message) {
        if (problems != nullptr) problems->push_back({FileProblem::Severity::error, line, std::move(message)});
    };
    for (const IniFile::Section& section : ini.sections()) {
        // "01" to "012", "11" to "112", "21" to "212".
        const std::u16string_view name = section.name;
        const auto digit = name.empty() ? std::nullopt : decimalNameValue(name.substr(0, 1));
        const auto month = name.size() < 2 ? std::nullopt : decimalNameValue(name.substr(1));
        if (!digit || *digit > 2 || !month || *month < 1 || *month > 12) {
            problem(section.line, "[" + toUtf8(name) + "] is not a month (01 to 012, 11 to 112 or 21 to 212)");
            continue;
        }
        const Calendar calendar = kCalendars[static_cast<std::size_t>(*digit)];
        for (const IniFile::Entry& entry : section.entries) {
            const std::u16string_view key = entry.key;
            const auto day = decimalNameValue(key.substr(0, key.find(u'-')));
            if (!day || *day < 1 || *day > monthSpan(calendar, *month).longest) {
                problem(entry.line, "\"" + toUtf8(key) + "\" is not a day of [" + toUtf8(name) + "]");
                continue;
            }
            const std::int32_t flag = holidayFlag(entry.value);
            const std::u16string_view words = occasionWords(entry.value);
            if (words.empty() || (entry.value.back() != u'0' && entry.value.back() != u'1')) {
                problem(entry.line, "\"" + toUtf8(entry.value) + "\" is not a text, a blank and 0 or 1");
                continue;
            }
            days.push_back({calendar, *month, *day, std::u16string(words), flag == 1});
        }
    }
    return days;
}

std::string writeMyDays(const std::vector<MyDay>& days) {
    std::string text =
        "; Velmora: my own days. Sections: 0 Solar Hijri, 1 Gregorian, 2 lunar Hijri, then the month;\r\n"
        "; a key is a day (5-2 for a second on the same date), a value the text, a blank and 1 for a "
        "day off or 0.\r\n";
    for (const Calendar calendar : kCalendars) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            std::string section;
            std::vector<std::int32_t> seen(32, 0);
            for (const MyDay& day : days) {
                if (day.calendar != calendar || day.month != month) continue;
                const std::int32_t count = ++seen[static_cast<std::size_t>(day.day)];
                std::u16string words = day.text;  // one line, whatever was typed
                for (char16_t& c : words)
                    if (c < u' ') c = u' ';
                section += number(day.day) + (count > 1 ? "-" + number(count) : "") + "=" + toUtf8(words) + " " +
                           (day.dayOff ? "1" : "0") + "\r\n";
            }
            if (!section.empty()) text += "\r\n[" + number(calendarDigit(calendar)) + number(month) + "]\r\n" + section;
        }
    }
    return text;
}

bool myDayFallsOn(const MyDay& day, const HijriCalendar& hijri, DayNumber n) {
    return myDayFallsOnDate(
        day, hijri,
        day.calendar == Calendar::hijri ? lunarDate(hijri, n) : std::optional(dayNumberToDate(day.calendar, hijri, n)));
}

bool myDayFallsOnDate(const MyDay& day, const HijriCalendar& hijri, const std::optional<CivilDate>& date) {
    if (!date || date->month != day.month) return false;
    if (date->day == day.day) return true;
    // The last day of a month shorter than the day.
    const std::int32_t length = monthLength(day.calendar, hijri, date->year, date->month);
    return date->day == length && day.day > length;
}

}  // namespace velmora
