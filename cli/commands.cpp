#include "cli/commands.h"

#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "calendar/day_number.h"

namespace velmora::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: velmora-cli convert [--from jalali|gregorian|jdn] [DATE ...]\n"
    "  DATE is Y-M-D (the year may be negative) or, with --from jdn, a day number;\n"
    "  with no DATE, one date per line is read from standard input.\n"
    "  Output: day number, Gregorian, Solar Hijri, lunar Hijri, weekday (tab-separated).\n";

constexpr std::string_view kWeekdayNames[] = {"Saturday",  "Sunday",   "Monday", "Tuesday",
                                              "Wednesday", "Thursday", "Friday"};

constexpr std::string_view kJalaliMonthNamesLatin[] = {
    "",    "Farvardin", "Ordibehesht", "Khordad", "Tir",    "Mordad", "Shahrivar",
    "Mehr", "Aban",     "Azar",        "Dey",     "Bahman", "Esfand"};
constexpr std::string_view kGregorianMonthNamesLatin[] = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

enum class InputCalendar { gregorian, jalali, jdn };

// Parses an optionally negative decimal integer that fills the whole text.
std::optional<std::int64_t> parseInteger(std::string_view text) {
    if (text.empty() || text.size() > 12) return std::nullopt;
    std::int64_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (*first == '+') return std::nullopt;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

// "Y-M-D" with ASCII digits; the year may carry a leading "-".
std::optional<CivilDate> parseDate(std::string_view text) {
    const std::size_t yearEnd = text.find('-', 1);
    if (yearEnd == std::string_view::npos) return std::nullopt;
    const std::size_t monthEnd = text.find('-', yearEnd + 1);
    if (monthEnd == std::string_view::npos) return std::nullopt;
    const auto isDigits = [](std::string_view s) {
        return !s.empty() && s.size() <= 2 && s.find_first_not_of("0123456789") == s.npos;
    };
    const std::string_view month = text.substr(yearEnd + 1, monthEnd - yearEnd - 1);
    const std::string_view day = text.substr(monthEnd + 1);
    if (!isDigits(month) || !isDigits(day)) return std::nullopt;
    const auto year = parseInteger(text.substr(0, yearEnd));
    if (!year || *year < -99999 || *year > 99999) return std::nullopt;
    return CivilDate{static_cast<std::int32_t>(*year), std::stoi(std::string(month)),
                     std::stoi(std::string(day))};
}

void appendNumber(std::string& out, std::int64_t value) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
}

void appendTwoDigits(std::string& out, std::int32_t value) {
    out.push_back(static_cast<char>('0' + value / 10 % 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

void appendDate(std::string& out, const CivilDate& date) {
    appendNumber(out, date.year);
    out.push_back('-');
    appendTwoDigits(out, date.month);
    out.push_back('-');
    appendTwoDigits(out, date.day);
}

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

Conversion toDayNumber(InputCalendar calendar, std::string_view text) {
    if (calendar == InputCalendar::jdn) {
        const auto n = parseInteger(text);
        if (!n) return {std::nullopt, "not a day number"};
        if (!inShownRange(*n)) return {std::nullopt, rangeMessage()};
        return {static_cast<DayNumber>(*n), {}};
    }
    const auto date = parseDate(text);
    if (!date) return {std::nullopt, "not a date of the form Y-M-D"};
    if (date->month < 1 || date->month > 12) return {std::nullopt, "there is no month " + std::to_string(date->month)};

    std::int32_t length = 0;
    std::string monthName;
    if (calendar == InputCalendar::gregorian) {
        length = gregorianMonthLength(date->year, date->month);
        monthName = std::string(kGregorianMonthNamesLatin[date->month]);
    } else {
        length = jalaliMonthLength(date->year, date->month);
        monthName = std::string(kJalaliMonthNamesLatin[date->month]);
    }
    if (date->day < 1 || date->day > length) {
        return {std::nullopt, monthName + " " + std::to_string(date->year) + " has " +
                                  std::to_string(length) + " days"};
    }
    // The year is checked before the day number is formed, so the arithmetic stays in range.
    if (date->year < kFirstShownGregorianYear - 622 || date->year > kLastShownGregorianYear + 1) {
        return {std::nullopt, rangeMessage()};
    }
    const DayNumber n = calendar == InputCalendar::gregorian
                            ? gregorianToDayNumber(date->year, date->month, date->day)
                            : jalaliToDayNumber(date->year, date->month, date->day);
    if (!inShownRange(n)) return {std::nullopt, rangeMessage()};
    // Before the break-year table the leap rule and the year starts need not agree; a date
    // that does not come back unchanged does not exist.
    if (calendar == InputCalendar::jalali && dayNumberToJalali(n) != *date) {
        return {std::nullopt, "no such day in the Solar Hijri calendar"};
    }
    return {n, {}};
}

void appendConversion(std::string& out, DayNumber n) {
    appendNumber(out, n);
    out.push_back('\t');
    appendDate(out, dayNumberToGregorian(n));
    out.push_back('\t');
    appendDate(out, dayNumberToJalali(n));
    out.push_back('\t');
    out.push_back('-');
    out.push_back('\t');
    out += kWeekdayNames[weekdayColumn(n)];
    out.push_back('\n');
}

std::string_view trimLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

int convert(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
            std::ostream& err) {
    InputCalendar calendar = InputCalendar::gregorian;
    std::vector<std::string_view> dates;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--from") {
            if (i + 1 == args.size()) {
                err << "velmora-cli: --from needs a calendar: jalali, gregorian or jdn\n";
                return 2;
            }
            const std::string_view name = args[++i];
            if (name == "jalali") calendar = InputCalendar::jalali;
            else if (name == "gregorian") calendar = InputCalendar::gregorian;
            else if (name == "jdn") calendar = InputCalendar::jdn;
            else {
                err << "velmora-cli: unknown calendar \"" << name
                    << "\" (use jalali, gregorian or jdn)\n";
                return 2;
            }
        } else if (args[i].size() > 2 && args[i].substr(0, 2) == "--") {
            err << "velmora-cli: unknown option \"" << args[i] << "\"\n" << kUsage;
            return 2;
        } else {
            dates.push_back(args[i]);
        }
    }

    std::string buffer;
    buffer.reserve(1 << 16);
    bool failed = false;
    std::size_t lineNumber = 0;
    const auto convertOne = [&](std::string_view text) {
        ++lineNumber;
        const Conversion result = toDayNumber(calendar, text);
        if (result.day) {
            appendConversion(buffer, *result.day);
            if (buffer.size() > (1 << 16) - 128) {
                out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
                buffer.clear();
            }
            return;
        }
        failed = true;
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        buffer.clear();
        out.flush();
        err << "velmora-cli: " << (dates.empty() ? "line " : "argument ") << lineNumber << ": \""
            << text.substr(0, 80) << (text.size() > 80 ? "..." : "") << "\": " << result.problem
            << '\n';
    };

    if (!dates.empty()) {
        for (const std::string_view date : dates) convertOne(date);
    } else {
        std::string line;
        while (std::getline(in, line)) {
            const std::string_view text = trimLine(line);
            if (text.empty()) {
                ++lineNumber;
                continue;
            }
            convertOne(text);
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    return failed ? 1 : 0;
}

}  // namespace

int run(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    if (args[0] == "convert") return convert(rest, in, out, err);
    err << "velmora-cli: unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
}

}  // namespace velmora::cli
