// velmora-cli convert: dates of one calendar in all three, one line each.
#include <istream>
#include <string>

#include "calendar/weekday_names.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"

namespace velmora::cli {
namespace {

enum class InputCalendar { gregorian, jalali, hijri, jdn };

bool inShownRange(std::int64_t n) { return n >= kFirstShownDay && n <= kLastShownDay; }

std::string rangeMessage() {
    std::string text = "outside the supported span (Gregorian ";
    appendDate(text, dayNumberToGregorian(kFirstShownDay));
    text += " to ";
    appendDate(text, dayNumberToGregorian(kLastShownDay));
    text += ", day numbers ";
    appendNumber(text, kFirstShownDay);
    text += " to ";
    appendNumber(text, kLastShownDay);
    text += ")";
    return text;
}

// The day number of one input, or the reason it has none.
struct Conversion {
    std::optional<DayNumber> day;
    std::string problem;
};

Conversion hijriDayNumber(const CalendarData& data, const CivilDate& date) {
    if (data.bounds.maxJulianday <= data.bounds.minJulianday) {
        return {std::nullopt, "calendar.ini has no lunar Hijri table"};
    }
    const CivilDate first = dayNumberToHijri(data.hijri(), data.bounds.minJulianday + 1);
    const CivilDate last = dayNumberToHijri(data.hijri(), data.bounds.maxJulianday);
    const std::string span = "outside the lunar Hijri table (" + dateText(first) + " to " + dateText(last) + ")";
    if (date.year < first.year || date.year > last.year) return {std::nullopt, span};
    const std::int32_t length = monthLength(Calendar::hijri, data.hijri(), date.year, date.month);
    if (date.day < 1 || date.day > length) {
        return {std::nullopt, std::string(kHijriMonthNamesLatin[date.month]) + " " + std::to_string(date.year) +
                                  " has " + std::to_string(length) + " days"};
    }
    const DayNumber n = hijriToDayNumber(data.hijri(), date.year, date.month, date.day);
    if (!inLunarTable(data.bounds, n) || dayNumberToHijri(data.hijri(), n) != date) return {std::nullopt, span};
    return {n, {}};
}

Conversion toDayNumber(const CalendarData& data, InputCalendar calendar, std::string_view text) {
    if (calendar == InputCalendar::jdn) {
        const auto n = parseInteger(text);
        if (!n) return {std::nullopt, "not a day number"};
        if (!inShownRange(*n)) return {std::nullopt, rangeMessage()};
        return {static_cast<DayNumber>(*n), {}};
    }
    const auto date = parseDate(text);
    if (!date) return {std::nullopt, "not a date of the form Y-M-D"};
    if (date->month < 1 || date->month > 12) {
        return {std::nullopt, "there is no month " + std::to_string(date->month)};
    }
    if (calendar == InputCalendar::hijri) return hijriDayNumber(data, *date);

    const bool gregorian = calendar == InputCalendar::gregorian;
    const std::int32_t length =
        gregorian ? gregorianMonthLength(date->year, date->month) : jalaliMonthLength(date->year, date->month);
    if (date->day < 1 || date->day > length) {
        const auto name = gregorian ? kGregorianMonthNamesLatin[date->month] : kJalaliMonthNamesLatin[date->month];
        return {std::nullopt,
                std::string(name) + " " + std::to_string(date->year) + " has " + std::to_string(length) + " days"};
    }
    // The year is checked before the day number is formed, so the arithmetic stays in range.
    if (date->year < kFirstShownGregorianYear - 622 || date->year > kLastShownGregorianYear + 1) {
        return {std::nullopt, rangeMessage()};
    }
    const DayNumber n = gregorian ? gregorianToDayNumber(date->year, date->month, date->day)
                                  : jalaliToDayNumber(date->year, date->month, date->day);
    if (!inShownRange(n)) return {std::nullopt, rangeMessage()};
    // Before the break-year table the leap rule and the year starts need not agree; a date
    // that does not come back unchanged does not exist.
    if (!gregorian && dayNumberToJalali(n) != *date) {
        return {std::nullopt, "no such day in the Solar Hijri calendar"};
    }
    return {n, {}};
}

void appendConversion(std::string& out, const CalendarData& data, DayNumber n) {
    appendNumber(out, n);
    out.push_back('\t');
    appendDate(out, dayNumberToGregorian(n));
    out.push_back('\t');
    appendDate(out, dayNumberToJalali(n));
    out.push_back('\t');
    if (inLunarTable(data.bounds, n)) {
        appendDate(out, dayNumberToHijri(data.hijri(), n));
    } else {
        out.push_back('-');
    }
    out.push_back('\t');
    out += kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))].english;
    out.push_back('\n');
}

std::string_view trimLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

}  // namespace

int convertCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    std::ostream& out = context.out;
    std::ostream& err = context.err;
    const CommonOptions options = takeDataOption(args, context.dataFolder, err);
    if (options.failed) return 2;
    InputCalendar calendar = InputCalendar::gregorian;
    std::vector<std::string_view> dates;
    for (std::size_t i = 0; i < options.rest.size(); ++i) {
        const std::string_view arg = options.rest[i];
        if (arg == "--from") {
            if (i + 1 == options.rest.size()) {
                err << "velmora-cli: --from needs a calendar: jalali, gregorian, hijri or jdn\n";
                return 2;
            }
            const std::string_view name = options.rest[++i];
            if (name == "jalali")
                calendar = InputCalendar::jalali;
            else if (name == "gregorian")
                calendar = InputCalendar::gregorian;
            else if (name == "hijri")
                calendar = InputCalendar::hijri;
            else if (name == "jdn")
                calendar = InputCalendar::jdn;
            else {
                err << "velmora-cli: unknown calendar \"" << name << "\" (use jalali, gregorian, hijri or jdn)\n";
                return 2;
            }
        } else if (arg.size() > 2 && arg.substr(0, 2) == "--") {
            err << "velmora-cli: unknown option \"" << arg << "\"\n" << kUsage;
            return 2;
        } else {
            dates.push_back(arg);
        }
    }

    const CalendarFiles files(options.dataFolder);
    const CalendarData& data = files.data();
    std::string buffer;
    buffer.reserve(1 << 16);
    bool failed = false;
    std::size_t lineNumber = 0;
    const auto flush = [&] {
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        buffer.clear();
    };
    const auto convertOne = [&](std::string_view text) {
        ++lineNumber;
        const Conversion result = toDayNumber(data, calendar, text);
        if (result.day) {
            appendConversion(buffer, data, *result.day);
            if (buffer.size() > (1 << 16) - 128) flush();
            return;
        }
        failed = true;
        flush();
        out.flush();
        err << "velmora-cli: " << (dates.empty() ? "line " : "argument ") << lineNumber << ": \"" << text.substr(0, 80)
            << (text.size() > 80 ? "..." : "") << "\": " << result.problem << '\n';
    };

    if (!dates.empty()) {
        for (const std::string_view date : dates) convertOne(date);
    } else {
        std::string line;
        while (std::getline(context.in, line)) {
            const std::string_view text = trimLine(line);
            if (text.empty()) {
                ++lineNumber;
                continue;
            }
            convertOne(text);
        }
    }
    flush();
    out.flush();
    return failed ? 1 : 0;
}

}  // namespace velmora::cli
