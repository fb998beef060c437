#include "occasions/my_days.h"

#include <algorithm>
#include <type_traits>
#include <utility>

#include "calendar/calendar_record.h"
#include "data/integer_text.h"
#include "data/text_codec.h"
#include "occasions/occasions.h"

namespace velmora {
namespace {

std::string number(std::int64_t value) { return std::to_string(value); }

// The calendar and month a section names: "01" to "012", "11" to "112", "21" to "212".
std::optional<std::pair<Calendar, std::int32_t>> sectionMonth(std::u16string_view name) {
    const auto digit = name.empty() ? std::nullopt : decimalNameValue(name.substr(0, 1));
    const auto month = name.size() < 2 ? std::nullopt : decimalNameValue(name.substr(1));
    if (!digit || *digit > 2 || !month || *month < 1 || *month > 12) return std::nullopt;
    return std::pair{kCalendars[static_cast<std::size_t>(*digit)], *month};
}

// A day's line as the file holds it, or why it is none; flagless says the value had no flag.
struct ReadEntry {
    std::optional<MyDay> day;
    std::string problem;
    bool flagless = false;
};
ReadEntry readEntry(Calendar calendar, std::int32_t month, const IniFile::Entry& entry, std::string_view section) {
    const std::u16string_view key = entry.key;
    const auto day = decimalNameValue(key.substr(0, key.find(u'-')));
    if (!day || *day < 1 || *day > monthSpan(calendar, month).longest)
        return {std::nullopt, "\"" + toUtf8(key) + "\" is not a day of [" + std::string(section) + "]"};
    const std::u16string_view value = entry.value;
    // Only " 0" or " 1" after a blank is a flag: "Anniversary 2010" is all text.
    const std::size_t n = value.size();
    const bool flagged =
        n >= 3 && (value[n - 1] == u'0' || value[n - 1] == u'1') && (value[n - 2] == u' ' || value[n - 2] == u'\t');
    std::u16string_view words = flagged ? value.substr(0, n - 2) : value;
    while (!words.empty() && (words.back() == u' ' || words.back() == u'\t')) words.remove_suffix(1);
    if (words.empty()) return {std::nullopt, "\"" + toUtf8(value) + "\" has no text"};
    return {MyDay{calendar, month, *day, std::u16string(words), flagged && value[n - 1] == u'1'}, {}, !flagged};
}

std::u16string valueOf(const MyDay& day) {
    std::u16string words = day.text;  // one line, whatever was typed
    for (char16_t& c : words)
        if (c < u' ') c = u' ';
    return words + (day.dayOff ? u" 1" : u" 0");
}

}  // namespace

MonthSpan monthSpan(Calendar calendar, std::int32_t month) {
    const CalendarRecord& record = calendarRecord(calendar);
    const auto m = static_cast<std::size_t>(std::clamp(month, 1, 12));
    return {record.longestMonth[m], record.shortestMonth[m]};
}

std::vector<MyDay> readMyDays(const IniFile& ini, std::vector<FileProblem>* problems) {
    std::vector<MyDay> days;
    const auto problem = [&](std::int32_t line, std::string message) {
        if (problems != nullptr) problems->push_back({FileProblem::Severity::error, line, std::move(message)});
    };
    for (const IniFile::Section& section : ini.sections()) {
        const std::string name = toUtf8(section.name);
        const auto month = sectionMonth(section.name);
        if (!month) {
            problem(section.line, "[" + name + "] is not a month (01 to 012, 11 to 112 or 21 to 212)");
            continue;
        }
        for (const IniFile::Entry& entry : section.entries) {
            ReadEntry read = readEntry(month->first, month->second, entry, name);
            if (!read.day) {
                problem(entry.line, read.problem);
                continue;
            }
            if (read.flagless && problems != nullptr)
                problems->push_back(
                    {FileProblem::Severity::note, entry.line,
                     "\"" + toUtf8(entry.value) + "\" ends in no blank and 0 or 1: it is all text, not a day off"});
            days.push_back(std::move(*read.day));
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
                section +=
                    number(day.day) + (count > 1 ? "-" + number(count) : "") + "=" + toUtf8(valueOf(day)) + "\r\n";
            }
            if (!section.empty()) text += "\r\n[" + number(calendarDigit(calendar)) + number(month) + "]\r\n" + section;
        }
    }
    return text;
}

namespace {

// A file's text as lines, each with what ended it, in the file's own code units: bytes for
// UTF-8 (and whatever else a file holds), UTF-16 units for a file with a UTF-16 mark. Lines
// end as the reader ends them: at CR LF, CR or LF.
template <class Text>
struct Lines {
    Text lead;  // the byte-order mark
    std::vector<std::pair<Text, Text>> lines;

    explicit Lines(Text text, std::size_t markLength) : lead(text.substr(0, markLength)) {
        using Char = typename Text::value_type;
        std::size_t start = markLength;
        while (start <= text.size()) {
            std::size_t end = start;
            while (end < text.size() && text[end] != Char('\r') && text[end] != Char('\n')) ++end;
            std::size_t next =
                end + (end + 1 < text.size() && text[end] == Char('\r') && text[end + 1] == Char('\n') ? 2 : 1);
            next = std::min(next, text.size() + 1);
            lines.emplace_back(text.substr(start, end - start), text.substr(end, std::min(next, text.size()) - end));
            start = next;
        }
    }
    Text joined() const {
        Text out = lead;
        for (const auto& [line, end] : lines) out += line + end;
        return out;
    }
    // The ending the file uses (its first), CR LF in a file with none. Never a lone CR: one
    // before a line's LF would make the two lines one.
    Text ending() const {
        using Char = typename Text::value_type;
        for (const auto& line : lines)
            if (!line.second.empty() && line.second != Text{Char('\r')}) return line.second;
        return Text{Char('\r'), Char('\n')};
    }
};

template <class Text>
Text encoded(std::u16string_view line) {
    if constexpr (std::is_same_v<Text, std::u16string>) {
        return std::u16string(line);
    } else {
        return toUtf8(line);
    }
}

template <class Text>
struct EditedLines {
    Text text;
    std::string problem;
};

template <class Text>
EditedLines<Text> editLines(Lines<Text> file, const IniFile& ini, const MyDayEdit& edit) {
    // The line of the day changed or removed, as it reads now.
    std::size_t found = 0;  // line number, from 1; 0 for none
    std::u16string foundKey;
    if (edit.before) {
        for (const IniFile::Section& section : ini.sections()) {
            const auto month = sectionMonth(section.name);
            if (!month || month->first != edit.before->calendar || month->second != edit.before->month) continue;
            for (const IniFile::Entry& entry : section.entries) {
                const ReadEntry read = readEntry(month->first, month->second, entry, {});
                if (read.day && *read.day == *edit.before) {
                    found = static_cast<std::size_t>(entry.line);
                    foundKey = entry.key;
                    break;
                }
            }
            if (found != 0) break;
        }
        if (found == 0 || found > file.lines.size())
            return {{}, "the day is no longer in my-days.ini (another program changed it); nothing was written"};
    }
    const bool sameDate = edit.before && edit.after && edit.before->calendar == edit.after->calendar &&
                          edit.before->month == edit.after->month && edit.before->day == edit.after->day;
    if (sameDate) {  // the line keeps its key and its place
        file.lines[found - 1].first = encoded<Text>(foundKey + u"=" + valueOf(*edit.after));
        return {file.joined(), {}};
    }
    if (found != 0) file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(found - 1));
    if (!edit.after) return {file.joined(), {}};
    // A new day: after the last line of the first section of its month, under a key of its own.
    const MyDay& day = *edit.after;
    const IniFile::Section* section = nullptr;
    for (const IniFile::Section& candidate : ini.sections()) {
        const auto month = sectionMonth(candidate.name);
        if (month && month->first == day.calendar && month->second == day.month) {
            section = &candidate;
            break;
        }
    }
    std::u16string key = decimalName(day.day);
    const auto taken = [&](std::u16string_view name) {
        return section != nullptr &&
               std::any_of(section->entries.begin(), section->entries.end(),
                           [&](const IniFile::Entry& entry) { return sameName(entry.key, name); });
    };
    for (std::int32_t n = 2; taken(key); ++n) key = decimalName(day.day) + u"-" + decimalName(n);
    const Text line = encoded<Text>(key + u"=" + valueOf(day));
    const Text ending = file.ending();
    if (section == nullptr) {
        if (!file.lines.empty() && file.lines.back().second.empty() && !file.lines.back().first.empty())
            file.lines.back().second = ending;
        if (!file.lines.empty() && file.lines.back().first.empty() && file.lines.back().second.empty())
            file.lines.pop_back();  // the empty piece after a last line ending
        file.lines.emplace_back(Text(), ending);
        file.lines.emplace_back(
            encoded<Text>(u"[" + decimalName(calendarDigit(day.calendar)) + decimalName(day.month) + u"]"), ending);
        file.lines.emplace_back(line, ending);
        return {file.joined(), {}};
    }
    // The section's last entry, or its header; lines after it that are neither stay after.
    std::size_t after = static_cast<std::size_t>(section->line);
    for (const IniFile::Entry& entry : section->entries) after = std::max(after, static_cast<std::size_t>(entry.line));
    // A removed line before it moved it up by one.
    if (found != 0 && found <= after) --after;
    if (after > file.lines.size()) after = file.lines.size();
    if (after >= 1 && file.lines[after - 1].second.empty()) file.lines[after - 1].second = ending;
    file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(after), {line, ending});
    return {file.joined(), {}};
}

}  // namespace

EditedMyDays editMyDays(std::string_view bytes, const MyDayEdit& edit) {
    const std::string start = bytes.empty() ? writeMyDays({}) : std::string(bytes);  // a new file: the header
    const IniFile ini = IniFile::parse(start);
    const bool littleEndian = start.starts_with("\xFF\xFE");
    if (littleEndian || start.starts_with("\xFE\xFF")) {
        // Half a unit at the end reads as U+FFFD: it would not be written back as it is.
        if (start.size() % 2 != 0) return {{}, "my-days.ini ends in half a UTF-16 character; nothing was written"};
        // In UTF-16 units, the mark included, and back to bytes in the same order.
        const EditedLines<std::u16string> done =
            editLines(Lines<std::u16string>(u"\uFEFF" + decodeText(start), 1), ini, edit);
        if (!done.problem.empty()) return {{}, done.problem};
        std::string out;
        out.reserve(done.text.size() * 2);
        for (const char16_t unit : done.text) {
            const char low = static_cast<char>(unit & 0xFF);
            const char high = static_cast<char>(unit >> 8);
            out += littleEndian ? std::string{low, high} : std::string{high, low};
        }
        return {out, {}};
    }
    const EditedLines<std::string> done =
        editLines(Lines<std::string>(start, start.starts_with("\xEF\xBB\xBF") ? 3 : 0), ini, edit);
    return {done.text, done.problem};
}

bool myDayFallsOn(const MyDay& day, const HijriCalendar& hijri, DayNumber n) {
    return myDayFallsOnDate(day, hijri,
                            calendarRecord(day.calendar).fromTable
                                ? lunarDate(hijri, n)
                                : std::optional(dayNumberToDate(day.calendar, hijri, n)));
}

bool myDayFallsOnDate(const MyDay& day, const HijriCalendar& hijri, const std::optional<CivilDate>& date) {
    if (!date || date->month != day.month) return false;
    if (date->day == day.day) return true;
    // The last day of a month shorter than the day.
    const std::int32_t length = monthLength(day.calendar, hijri, date->year, date->month);
    return date->day == length && day.day > length;
}

}  // namespace velmora
