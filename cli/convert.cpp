// velmora-cli convert: dates of one calendar in all three, one line each.
#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "calendar/calendar_record.h"
#include "calendar/weekday_names.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"
#include "data/text_codec.h"
#include "decisions/date_at_hand.h"

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
    if (data.bounds().maxJulianday <= data.bounds().minJulianday) {
        return {std::nullopt, "calendar.ini has no lunar Hijri table"};
    }
    const CivilDate first = dayNumberToHijri(data.hijri(), firstDayOfLunarTable(data.bounds()));
    const CivilDate last = dayNumberToHijri(data.hijri(), data.bounds().maxJulianday);
    const std::string span = "outside the lunar Hijri table (" + dateText(first) + " to " + dateText(last) + ")";
    if (date.year < first.year || date.year > last.year) return {std::nullopt, span};
    const std::int32_t length = monthLength(Calendar::hijri, data.hijri(), date.year, date.month);
    if (date.day < 1 || date.day > length) {
        return {std::nullopt, std::string(monthName(Calendar::hijri, date.month).latin) + " " +
                                  std::to_string(date.year) + " has " + std::to_string(length) + " days"};
    }
    const DayNumber n = hijriToDayNumber(data.hijri(), date.year, date.month, date.day);
    if (lunarDate(data.hijri(), n) != date) return {std::nullopt, span};
    return {n, {}};
}

// The calendar of an input that is a date (a day number is read as none of them).
Calendar calendarOf(InputCalendar calendar) {
    return calendar == InputCalendar::jalali  ? Calendar::jalali
           : calendar == InputCalendar::hijri ? Calendar::hijri
                                              : Calendar::gregorian;
}

Conversion toDayNumber(const CalendarData& data, InputCalendar calendar, std::string_view text) {
    if (calendar == InputCalendar::jdn) {
        // Plain ASCII first: a batch's lines are, and need no widening.
        auto n = wholeInteger(text);
        if (!n) n = wholeInteger(plainDigits(text));
        if (!n) return {std::nullopt, "not a day number"};
        if (!inShownRange(*n)) return {std::nullopt, rangeMessage()};
        return {static_cast<DayNumber>(*n), {}};
    }
    const Calendar named = calendarOf(calendar);
    const auto date = parseDate(text, named);
    if (!date) return {std::nullopt, "not a date of the form Y-M-D"};
    if (date->month < 1 || date->month > 12) {
        return {std::nullopt, "there is no month " + std::to_string(date->month)};
    }
    if (calendar == InputCalendar::hijri) return hijriDayNumber(data, *date);

    const bool gregorian = calendar == InputCalendar::gregorian;
    const std::int32_t length =
        gregorian ? gregorianMonthLength(date->year, date->month) : jalaliMonthLength(date->year, date->month);
    if (date->day < 1 || date->day > length) {
        const auto name = monthName(gregorian ? Calendar::gregorian : Calendar::jalali, date->month).latin;
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

void appendConversion(std::string& out, LunarDates& lunarDates, DayNumber n) {
    char line[128];  // a number, three dates, a weekday and the tabs
    char* end = writeNumber(line, n);
    *end++ = '\t';
    const CivilDate gregorian = dayNumberToGregorian(n);
    end = writeDate(end, gregorian);
    *end++ = '\t';
    end = writeDate(end, dayNumberToJalali(n, gregorian.year));
    *end++ = '\t';
    if (const auto lunar = lunarDates.of(n)) {
        end = writeDate(end, *lunar);
    } else {
        *end++ = '-';
    }
    *end++ = '\t';
    const std::string_view weekday = kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))].english;
    end = std::copy(weekday.begin(), weekday.end(), end);
    *end++ = '\n';
    out.append(line, end);
}

std::string_view trimLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

// Hands every line of in to take, without its "\n", reading in large pieces: a batch's lines
// are short and many, and a getline each costs more than converting it.
template <class Take>
void forEachLine(std::istream& in, Take take) {
    std::string pending;
    std::string piece(std::size_t{1} << 16, '\0');
    for (;;) {
        const std::streamsize got = in.rdbuf()->sgetn(piece.data(), static_cast<std::streamsize>(piece.size()));
        if (got <= 0) break;
        std::string_view rest(piece.data(), static_cast<std::size_t>(got));
        for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
            if (pending.empty()) {
                take(rest.substr(0, end));
            } else {
                pending.append(rest.substr(0, end));
                take(std::string_view(pending));
                pending.clear();
            }
            rest.remove_prefix(end + 1);
        }
        pending.append(rest);
    }
    if (!pending.empty()) take(std::string_view(pending));
}

// What the command line asks: the input calendar and the dates given as arguments.
struct ConvertRequest {
    std::filesystem::path dataFolder;
    InputCalendar calendar = InputCalendar::gregorian;
    std::vector<std::string_view> dates;  // none: read standard input
};

std::optional<InputCalendar> inputCalendarNamed(std::string_view name) {
    if (name == "jalali") return InputCalendar::jalali;
    if (name == "gregorian") return InputCalendar::gregorian;
    if (name == "hijri") return InputCalendar::hijri;
    if (name == "jdn") return InputCalendar::jdn;
    return std::nullopt;
}

// The request, or nothing after saying on err what is wrong with the arguments (and setting
// the exit status when it is not 2).
std::optional<ConvertRequest> readConvertRequest(const std::vector<std::string_view>& args,
                                                 const CommandContext& context, int& status) {
    std::ostream& err = context.err;
    const CommonOptions options = takeDataOption(args, context.dataFolder, err);
    if (options.status != 0) {
        status = options.status;
        return std::nullopt;
    }
    ConvertRequest request;
    request.dataFolder = options.dataFolder;
    for (std::size_t i = 0; i < options.rest.size(); ++i) {
        const std::string_view arg = options.rest[i];
        if (arg == "--from") {
            if (i + 1 == options.rest.size()) {
                err << "velmora-cli: --from needs a calendar: jalali, gregorian, hijri or jdn\n";
                return std::nullopt;
            }
            const std::string_view name = options.rest[++i];
            const auto calendar = inputCalendarNamed(name);
            if (!calendar) {
                err << "velmora-cli: unknown calendar \"" << shown(name)
                    << "\" (use jalali, gregorian, hijri or jdn)\n";
                return std::nullopt;
            }
            request.calendar = *calendar;
        } else if (arg.size() > 2 && arg.substr(0, 2) == "--") {
            err << "velmora-cli: unknown option \"" << shown(arg) << "\"\n" << kUsage;
            return std::nullopt;
        } else {
            request.dates.push_back(arg);
        }
    }
    return request;
}

// Converts one input after another into a buffer written out in large pieces; a problem is
// said on err after the lines before it are out, so the two streams stay in order.
class Converter {
  public:
    Converter(const CalendarData& data, InputCalendar calendar, const CommandContext& context, bool fromArguments)
        : data_(data),
          lunarDates_(data.hijri()),
          calendar_(calendar),
          out_(context.out),
          err_(context.err),
          fromArguments_(fromArguments) {
        buffer_.reserve(kFlushSize);
    }
    ~Converter() { flush(); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    void convert(std::string_view text) {
        ++lineNumber_;
        const Conversion result = toDayNumber(data_, calendar_, text);
        if (result.day) {
            appendConversion(buffer_, lunarDates_, *result.day);
            if (buffer_.size() > kFlushSize - 128) flush();
            return;
        }
        failed_ = true;
        flush();
        err_ << "velmora-cli: " << (fromArguments_ ? "argument " : "line ") << lineNumber_ << ": \"" << shown(text)
             << "\": " << result.problem << '\n';
    }
    // A blank line of standard input: counted, not converted.
    void skip() { ++lineNumber_; }
    bool failed() const { return failed_; }

  private:
    static constexpr std::size_t kFlushSize = 1 << 16;

    void flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        out_.flush();
        buffer_.clear();
    }

    const CalendarData& data_;
    LunarDates lunarDates_;  // the lunar month of the last line, for the next
    InputCalendar calendar_;
    std::ostream& out_;
    std::ostream& err_;
    bool fromArguments_;
    std::string buffer_;
    std::size_t lineNumber_ = 0;
    bool failed_ = false;
};

}  // namespace

int convertCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    int status = 2;
    const auto request = readConvertRequest(args, context, status);
    if (!request) return status;
    const CalendarFiles files(request->dataFolder);
    warnIfCalendarDamaged(files, context.err);
    bool failed = false;
    {
        Converter converter(files.data(), request->calendar, context, !request->dates.empty());
        if (!request->dates.empty()) {
            for (const std::string_view date : request->dates) converter.convert(date);
        } else {
            forEachLine(context.in, [&](std::string_view line) {
                const std::string_view text = trimLine(line);
                if (text.empty()) {
                    converter.skip();
                } else {
                    converter.convert(text);
                }
            });
        }
        failed = converter.failed();
    }
    return failed ? 1 : 0;
}

}  // namespace velmora::cli

namespace velmora::cli {

int todayCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    if (options.status != 0) return options.status;
    if (!options.rest.empty()) {
        context.err << "velmora-cli: today takes no date\n";
        return 2;
    }
    const CalendarFiles files(options.dataFolder);
    warnIfCalendarDamaged(files, context.err);
    const CivilDate today = localDate();
    const DayNumber n = gregorianToDayNumber(today.year, today.month, today.day);
    std::string out;
    LunarDates lunarDates(files.data().hijri());
    appendConversion(out, lunarDates, n);
    // Its occasions, a line each, and whether they make it a holiday.
    const DayOccasions day = occasionsOfDay(files.data(), n);
    const struct {
        const char* calendar;
        const Occasion& occasion;
    } lines[] = {{"Solar Hijri", day.solar}, {"lunar Hijri", day.lunar}, {"Gregorian", day.gregorian}};
    for (const auto& line : lines) {
        if (line.occasion.words().empty()) continue;
        out += line.calendar;
        out += '\t';
        out += columnText(line.occasion.words());
        out += '\n';
    }
    if (day.holiday) out += "holiday\n";
    context.out << out;
    return 0;
}

namespace {

// What diff and add are given: the dates or the step, in the calendars --from and --to name.
struct ReckonRequest {
    std::filesystem::path dataFolder;
    InputCalendar from = InputCalendar::gregorian;
    std::optional<InputCalendar> to;
    std::vector<std::string_view> words;
};

std::optional<ReckonRequest> readReckonRequest(std::string_view command, const std::vector<std::string_view>& args,
                                               const CommandContext& context, bool takesTo, int& status) {
    std::ostream& err = context.err;
    const CommonOptions options = takeDataOption(args, context.dataFolder, err);
    status = options.status != 0 ? options.status : 2;
    if (options.status != 0) return std::nullopt;
    ReckonRequest request;
    request.dataFolder = options.dataFolder;
    for (std::size_t i = 0; i < options.rest.size(); ++i) {
        const std::string_view arg = options.rest[i];
        if (arg == "--from" || (takesTo && arg == "--to")) {
            const auto calendar = i + 1 < options.rest.size() ? inputCalendarNamed(options.rest[i + 1]) : std::nullopt;
            if (!calendar || *calendar == InputCalendar::jdn) {
                err << "velmora-cli: " << arg << " needs a calendar: jalali, gregorian or hijri\n";
                return std::nullopt;
            }
            (arg == "--from" ? request.from : request.to.emplace()) = *calendar;
            ++i;
        } else if (arg.size() > 2 && arg.starts_with("--")) {
            err << "velmora-cli: unknown option \"" << shown(arg) << "\"\n" << commandUsage(command);
            return std::nullopt;
        } else {
            request.words.push_back(arg);
        }
    }
    if (request.words.size() != 2) {
        err << "usage:\n" << commandUsage(command);
        return std::nullopt;
    }
    return request;
}

// The day of one of the dates, or none after saying why.
std::optional<DayNumber> dayOfArgument(const CalendarData& data, InputCalendar calendar, std::string_view text,
                                       std::ostream& err) {
    const Conversion result = toDayNumber(data, calendar, text);
    if (!result.day) err << "velmora-cli: \"" << shown(text) << "\": " << result.problem << '\n';
    return result.day;
}

}  // namespace

int diffCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    int status = 2;
    const auto request = readReckonRequest("diff", args, context, true, status);
    if (!request) return status;
    const CalendarFiles files(request->dataFolder);
    warnIfCalendarDamaged(files, context.err);
    const auto from = dayOfArgument(files.data(), request->from, request->words[0], context.err);
    const auto to = dayOfArgument(files.data(), request->to.value_or(request->from), request->words[1], context.err);
    if (!from || !to) return 1;
    const DateSpan span = spanBetween(calendarOf(request->from), files.data().hijri(), *from, *to);
    context.out << (std::int64_t{*to} - *from) << '\t' << span.years << '\t' << span.months << '\t' << span.days
                << '\n';
    return 0;
}

int addCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    int status = 2;
    const auto request = readReckonRequest("add", args, context, false, status);
    if (!request) return status;
    const std::string_view stepText = request->words[1];
    const auto step = readDateStep(fromUtf8(stepText));
    if (!step) {
        context.err << "velmora-cli: \"" << shown(stepText)
                    << "\" is not a step: a whole number of days, or N followed by d, w, m or y (-6m, 1y)\n";
        return 2;
    }
    const CalendarFiles files(request->dataFolder);
    warnIfCalendarDamaged(files, context.err);
    const auto day = dayOfArgument(files.data(), request->from, request->words[0], context.err);
    if (!day) return 1;
    const auto reached = stepDate(files.data(), calendarOf(request->from), *day, *step);
    if (!reached) {
        context.err << "velmora-cli: the date reached is " << rangeMessage() << '\n';
        return 1;
    }
    std::string out;
    LunarDates lunarDates(files.data().hijri());
    appendConversion(out, lunarDates, *reached);
    context.out << out;
    return 0;
}

}  // namespace velmora::cli
