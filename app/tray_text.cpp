#include "app/tray_text.h"

#include "calendar/month_names.h"
#include "calendar/native_digits.h"

namespace velmora {
namespace {

// Indexed from Sunday (0) to Saturday (6).
constexpr std::u16string_view kPersianWeekdays[] = {
    u"\u06CC\u06A9\u0634\u0646\u0628\u0647", u"\u062F\u0648\u0634\u0646\u0628\u0647",
    u"\u0633\u0647 \u0634\u0646\u0628\u0647", u"\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647",
    u"\u067E\u0646\u062C\u0634\u0646\u0628\u0647", u"\u062C\u0645\u0639\u0647", u"\u0634\u0646\u0628\u0647"};
constexpr std::u16string_view kEnglishWeekdays[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                                    u"Thursday", u"FriDay", u"Saturday"};
constexpr std::u16string_view kArabicWeekdays[] = {
    u"\u0627\u0644\u0627\u062D\u062F",          u" \u0627\u0644\u0627\u062B\u0646\u064A\u0646",
    u"\u0627\u0644\u062B\u0644\u0627\u062B\u0627\u0621", u"\u0627\u0644\u0627\u0631\u0628\u0639\u0627\u0621",
    u"\u0627\u0644\u062E\u0645\u064A\u0633",    u"\u0627\u0644\u062C\u0645\u0639\u0647",
    u"\u0627\u0644\u0633\u0628\u062A"};

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

TrayIconContent trayIconContent(const CalendarFiles& files, const CivilDate& g) {
    const DayNumber n = gregorianToDayNumber(g.year, g.month, g.day);
    const CivilDate h = dayNumberToHijri(files.hijri(), n);
    const CivilDate j = dayNumberToJalali(n);
    std::int32_t w = jalaliToDayNumber(j.year, j.month, j.day) % 7 + 1;  // 0 Sunday ... 6 Saturday
    if (w >= 7) w -= 7;

    TrayIconContent content;
    content.jalaliDay = j.day;
    content.iconId = 101 + j.day;
    content.tooltip = u" ";
    appendLine(content.tooltip, kPersianWeekdays[w], j.day, nameOf(jalaliMonthNames, j.month), j.year);
    content.tooltip += u'\n';
    appendLine(content.tooltip, kEnglishWeekdays[w], g.day, nameOf(gregorianMonthNames, g.month), g.year);
    content.tooltip += u'\n';
    appendLine(content.tooltip, kArabicWeekdays[w], h.day, nameOf(hijriMonthNames, h.month), h.year);
    if (content.tooltip.size() > 127) content.tooltip.resize(127);  // the tip holds 127 and a terminator
    return content;
}

}  // namespace velmora
