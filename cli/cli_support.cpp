#include "cli/cli_support.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstring>
#include <ctime>

#include "calendar/date_text.h"
#include "data/integer_text.h"

namespace velmora::cli {

CommonOptions takeDataOption(const std::vector<std::string_view>& args, const std::filesystem::path& defaultFolder,
                             std::ostream& err) {
    CommonOptions options{defaultFolder, {}, 0};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--data") {
            options.rest.push_back(args[i]);
            continue;
        }
        if (i + 1 == args.size()) {
            err << "velmora-cli: --data needs a folder\n";
            options.status = 2;
            return options;
        }
        const std::string_view folder = args[++i];
        options.dataFolder = std::filesystem::path(std::string(folder));
        std::error_code error;
        if (!std::filesystem::is_directory(options.dataFolder, error)) {
            err << "velmora-cli: --data " << shown(folder) << ": there is no such folder\n";
            options.status = 1;
        } else if (!std::filesystem::exists(options.dataFolder / "calendar.ini", error) &&
                   !std::filesystem::exists(options.dataFolder / "events.ini", error)) {
            err << "velmora-cli: --data " << shown(folder)
                << ": the folder holds neither calendar.ini nor events.ini\n";
            options.status = 1;
        }
        if (options.status != 0) return options;
    }
    return options;
}

std::string plainDigits(std::string_view text) {
    // Plain ASCII without a slash is already plain: the batch's usual line.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != '/'; }))
        return std::string(text);
    std::u16string wide = fromUtf8(text);
    for (char16_t& c : wide) {
        const std::int32_t digit = decimalDigitValue(c);
        if (digit >= 0) c = static_cast<char16_t>(u'0' + digit);
        if (c == u'/' || c == u'\u2215') c = u'-';
    }
    return toUtf8(wide);
}

std::optional<CivilDate> parseDate(std::string_view typed, Calendar calendar) {
    const auto date = readDate(calendar, fromUtf8(typed));
    if (!date || date->year < -99999 || date->year > 99999) return std::nullopt;
    return date;
}

namespace {

// "00" to "99": a batch writes three dates and a day number a line, two digits at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

char* writePair(char* out, std::int32_t value) {  // 0..99
    std::memcpy(out, &kDigitPairs[static_cast<std::size_t>(2 * value)], 2);
    return out + 2;
}

char* writeTwoDigits(char* out, std::int32_t part) {
    if (part < 0 || part > 99) return writeNumber(out, part);
    return writePair(out, part);
}

}  // namespace

char* writeNumber(char* out, std::int64_t value) {
    if (value >= 1000000 && value < 10000000) {  // a day number of the years shown
        const auto v = static_cast<std::int32_t>(value);
        *out++ = static_cast<char>('0' + v / 1000000);
        out = writePair(out, v / 10000 % 100);
        out = writePair(out, v / 100 % 100);
        return writePair(out, v % 100);
    }
    return std::to_chars(out, out + 20, value).ptr;  // "-9223372036854775808" is 20
}

char* writeDate(char* out, const CivilDate& date) {
    if (date.year >= 1000 && date.year <= 9999) {  // the years of nearly every date written
        out = writePair(out, date.year / 100);
        out = writePair(out, date.year % 100);
    } else {
        out = writeNumber(out, date.year);
    }
    *out++ = '-';
    out = writeTwoDigits(out, date.month);
    *out++ = '-';
    return writeTwoDigits(out, date.day);
}

void appendNumber(std::string& out, std::int64_t value) {
    char buffer[24];
    out.append(buffer, writeNumber(buffer, value));
}

void appendTwoDigits(std::string& out, std::int32_t value) {
    if (value < 0 || value > 99) {
        appendNumber(out, value);
        return;
    }
    out.push_back(static_cast<char>('0' + value / 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

void appendDate(std::string& out, const CivilDate& date) {
    char buffer[32];
    out.append(buffer, writeDate(buffer, date));
}

std::string dateText(const CivilDate& date) {
    std::string text;
    appendDate(text, date);
    return text;
}

std::string shown(std::string_view text, std::size_t limit) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;  // of this character in UTF-8
        if (byte >= 0xF0)
            length = 4;
        else if (byte >= 0xE0)
            length = 3;
        else if (byte >= 0xC0)
            length = 2;
        length = std::min(length, text.size() - i);
        std::string piece(text.substr(i, length));
        if (byte < 0x20 || byte == 0x7F) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            piece = std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        }
        if (out.size() + piece.size() > limit) return out + "...";
        out += piece;
        i += length;
    }
    return out;
}

std::string columnText(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        if (c == u'\t')
            out += "\\t";
        else if (c == u'\n')
            out += "\\n";
        else if (c == u'\r')
            out += "\\r";
        else if (c < 0x20 || c == 0x7F) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += std::string("\\u00") + kHex[c >> 4] + kHex[c & 15];
        } else {
            out += toUtf8(std::u16string_view(&c, 1));
        }
    }
    return out;
}

void warnIfCalendarDamaged(const CalendarFiles& files, std::ostream& err) {
    const std::vector<FileProblem>& errors = files.calendarErrors();
    if (errors.empty()) return;
    err << "velmora-cli: " << describeProblem("calendar.ini", errors.front());
    if (errors.size() > 1) err << " (and " << errors.size() - 1 << " more)";
    err << "; the table is not used and lunar Hijri dates are left out (velmora-cli check lists every problem)\n";
}

CivilDate localDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool readJalaliYearMonth(const std::vector<std::string_view>& words, bool withMonth, CivilDate& result,
                         std::ostream& err) {
    const CivilDate today = localDate();
    result = gregorianToJalali(today.year, today.month, today.day);
    const std::size_t expected = withMonth ? 2 : 1;
    if (words.empty()) return true;
    if (words.size() != expected) {
        err << "velmora-cli: give " << (withMonth ? "a Solar Hijri YEAR and MONTH" : "a Solar Hijri YEAR")
            << ", or nothing for the current one\n";
        return false;
    }
    const auto year = wholeInteger(plainDigits(words[0]));
    if (!year || *year < -5000 || *year > 3000) {
        err << "velmora-cli: \"" << shown(words[0]) << "\" is not a Solar Hijri year from -5000 to 3000\n";
        return false;
    }
    result.year = static_cast<std::int32_t>(*year);
    if (withMonth) {
        const auto month = wholeInteger(plainDigits(words[1]));
        if (!month || *month < 1 || *month > 12) {
            err << "velmora-cli: \"" << shown(words[1]) << "\" is not a month from 1 to 12\n";
            return false;
        }
        result.month = static_cast<std::int32_t>(*month);
    }
    return true;
}

}  // namespace velmora::cli
