// velmora-cli ics: a Solar Hijri year's holidays and occasions (and the user's own days) as an
// iCalendar file (RFC 5545) that Outlook, Thunderbird or a phone calendar imports.
#include <algorithm>
#include <chrono>
#include <ostream>

#include "cli/cli_support.h"
#include "cli/command_list.h"
#include "cli/ics_text.h"

namespace velmora::cli {
namespace {

// "20260321", as DTSTART;VALUE=DATE writes a day: four digits of the year, whatever it is
// (iCalendar has no year before 1, which the command refuses).
std::string basicDate(DayNumber n) {
    const CivilDate date = dayNumberToGregorian(n);
    std::string text;
    appendTwoDigits(text, date.year / 100);
    appendTwoDigits(text, date.year % 100);
    appendTwoDigits(text, date.month);
    appendTwoDigits(text, date.day);
    return text;
}

std::string utcStamp() {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const auto day = std::chrono::floor<std::chrono::days>(now);
    const std::chrono::hh_mm_ss time(now - day);
    const std::chrono::year_month_day date(day);
    std::string text;
    appendNumber(text, static_cast<int>(date.year()));
    appendTwoDigits(text, static_cast<std::int32_t>(static_cast<unsigned>(date.month())));
    appendTwoDigits(text, static_cast<std::int32_t>(static_cast<unsigned>(date.day())));
    text += 'T';
    appendTwoDigits(text, static_cast<std::int32_t>(time.hours().count()));
    appendTwoDigits(text, static_cast<std::int32_t>(time.minutes().count()));
    appendTwoDigits(text, static_cast<std::int32_t>(time.seconds().count()));
    return text + 'Z';
}

}  // namespace

int icsCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    std::vector<std::string_view> rest = args;
    const bool holidaysOnly = std::erase(rest, std::string_view("--holidays-only")) > 0;
    const bool myDays = std::erase(rest, std::string_view("--my-days")) > 0;
    const CommonOptions options = takeDataOption(rest, context.dataFolder, context.err);
    if (options.status != 0) return options.status;
    CivilDate asked;
    if (!readJalaliYearMonth(options.rest, false, asked, context.err)) return 2;
    // iCalendar's dates are Gregorian years 1 to 9999; the program's span ends sooner.
    const DayNumber first = jalaliToDayNumber(asked.year, 1, 1);
    const DayNumber last = jalaliToDayNumber(asked.year + 1, 1, 1) - 1;
    if (first < gregorianToDayNumber(1, 1, 1) || last > kLastShownDay) {
        context.err << "velmora-cli: Solar Hijri " << asked.year << " is not within the years iCalendar can hold "
                    << "and the program shows (Solar Hijri "
                    << dayNumberToJalali(gregorianToDayNumber(1, 1, 1)).year + 1 << " to "
                    << dayNumberToJalali(kLastShownDay).year - 1 << ")\n";
        return 1;
    }
    const CalendarFiles files(options.dataFolder);
    if (!files.eventsSource().exists()) {
        context.err << "velmora-cli: cannot read " << files.eventsSource().path().string() << "\n";
        return 1;
    }
    warnIfCalendarDamaged(files, context.err);
    const CalendarData& data = files.data();
    const std::string stamp = utcStamp();
    IcsWriter ics;
    ics.line("BEGIN:VCALENDAR");
    ics.line("VERSION:2.0");
    ics.line("PRODID:-//Velmora//Velmora " + std::string(kVersion) + "//FA");
    ics.line("CALSCALE:GREGORIAN");
    ics.line("X-WR-CALNAME:" + icsText(holidaysOnly ? "تعطیلات ایران " : "مناسبت‌های ایران ") +
             std::to_string(asked.year));
    for (std::int32_t month = 1; month <= 12; ++month) {
        for (std::int32_t day = 1; day <= jalaliMonthLength(asked.year, month); ++day) {
            const DayNumber n = jalaliToDayNumber(asked.year, month, day);
            const DayOccasions texts = occasionsOfDay(data, n);
            std::vector<IcsEvent> events;
            if (!texts.empty() && (texts.holiday || !holidaysOnly)) {
                // A holiday-only calendar names what makes the day a holiday, as holidays does.
                const std::u16string summary = holidaysOnly ? holidayReason(texts) : dayOccasionsText(texts);
                events.push_back(
                    {"velmora-" + basicDate(n) + "@velmora.co.ir", summary, texts.holiday ? "holiday" : "occasion"});
            }
            if (myDays) {
                for (const PersonalDay& personal : texts.personal) {
                    // Two days of the same text on a date are two events, each its own UID.
                    std::string uid = "velmora-my-day-" + basicDate(n) + "-" + stableHash(personal.text);
                    const std::size_t same = static_cast<std::size_t>(std::count_if(
                        events.begin(), events.end(), [&](const IcsEvent& e) { return e.uid.starts_with(uid); }));
                    if (same > 0) uid += "-" + std::to_string(same + 1);
                    events.push_back({uid + "@velmora.co.ir", personal.text, "personal"});
                }
            }
            for (const IcsEvent& event : events) {
                ics.line("BEGIN:VEVENT");
                ics.line("UID:" + event.uid);
                ics.line("DTSTAMP:" + stamp);
                ics.line("DTSTART;VALUE=DATE:" + basicDate(n));
                ics.line("DTEND;VALUE=DATE:" + basicDate(n + 1));
                ics.line("SUMMARY:" + icsText(event.summary));
                ics.line("CATEGORIES:" + event.category);
                ics.line("TRANSP:TRANSPARENT");
                ics.line("END:VEVENT");
            }
        }
    }
    ics.line("END:VCALENDAR");
    context.out << ics.text();
    return 0;
}

}  // namespace velmora::cli
