#include "calendar/hijri_correction.h"

#include <map>
#include <optional>

#include <set>

#include "calendar/calendar_record.h"
#include "calendar/hijri.h"
#include "calendar/hijri_check.h"
#include "calendar/lunar_source.h"

namespace velmora {
namespace {

std::string number(std::int64_t value) { return std::to_string(value); }
std::string monthName(std::int32_t year, std::int32_t month) { return number(year) + "/" + number(month); }
// "1448/10 (Shawwal)".
std::string namedMonth(std::int32_t year, std::int32_t month) {
    return monthName(year, month) + " (" + std::string(velmora::monthName(Calendar::hijri, month).latin) + ")";
}
std::string isoDate(DayNumber n) {
    const CivilDate date = dayNumberToGregorian(n);
    std::string text = number(date.year) + (date.month < 10 ? "-0" : "-") + number(date.month);
    return text + (date.day < 10 ? "-0" : "-") + number(date.day);
}
// The text as lines, each with its own line ending, so that unchanged lines stay byte for
// byte what they were. Lines end as the INI reader ends them, so that its line numbers name
// these lines: at a CR, at an LF, or at a CR LF pair.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        else
            end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.emplace_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// Replaces the value of a "key=value" line, keeping the blanks around it and the ending.
void setLineValue(std::string& line, std::int64_t value) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return;
    std::size_t begin = equals + 1;
    while (begin < line.size() && (line[begin] == ' ' || line[begin] == '\t')) ++begin;
    std::size_t end = line.size();
    while (end > begin &&
           (line[end - 1] == '\n' || line[end - 1] == '\r' || line[end - 1] == ' ' || line[end - 1] == '\t'))
        --end;
    line.replace(begin, end - begin, number(value));
}

// The ending of the file's first line, which new lines take.
std::string lineEndingOf(const std::vector<std::string>& lines) {
    if (lines.empty()) return "\n";
    const std::string& first = lines.front();
    if (first.ends_with("\r\n")) return "\r\n";
    return first.ends_with('\r') ? "\r" : "\n";
}

class Corrector {
  public:
    Corrector(std::string_view text, const IniFile& ini, bool officialToo)
        : lines_(splitLines(text)), ini_(ini), table_(ini), officialToo_(officialToo) {}

    // Applies one correction to the lines; false (with the problem) when it cannot be made.
    bool apply(const LunarCorrection& c, std::int32_t lastYear, std::string& problem) {
        const HijriBounds bounds = table_.bounds();
        if (c.days != 29 && c.days != 30) {
            problem = "a lunar month has 29 or 30 days, not " + number(c.days);
            return false;
        }
        if (c.month < 1 || c.month > 12 || c.year < bounds.minYear || c.year > lastYear) {
            problem = "there is no month " + monthName(c.year, c.month) + " in the table (" +
                      monthName(bounds.minYear, 1) + " to " + monthName(lastYear, 12) + ")";
            return false;
        }
        if (!officialToo_ && inLunarSourceRange(ini_, u"officialMonths", std::int64_t{c.year} * 12 + c.month - 1)) {
            problem = monthName(c.year, c.month) +
                      " is an official month, confirmed by its announcement; --official "
                      "changes it all the same";
            return false;
        }
        const std::int32_t was = currentLength(c.year, c.month);
        const std::int32_t delta = c.days - was;
        if (delta == 0) return true;
        const IniFile::Section* yearSection = ini_.findSection(decimalName(c.year));
        const IniFile::Section* values = ini_.findSection(u"value");
        const IniFile::Entry* length = yearSection->find(decimalName(c.month));
        if (length == nullptr || !setLine(*length, c.days)) {
            problem = "the line of " + monthName(c.year, c.month) + " cannot be found";
            return false;
        }
        lengths_[{c.year, c.month}] = c.days;
        std::map<std::int32_t, bool> seenTotal;
        const DayNumber monthStart = hijriToDayNumber({table_, bounds}, c.year, c.month, 1);
        for (const IniFile::Entry& entry : values->entries) {
            const auto year = decimalNameValue(entry.key);
            if (year && *year >= c.year && !seenTotal[*year]) {
                seenTotal[*year] = true;
                shift(entry, delta);
            } else if (sameName(entry.key, u"maxJulianday") ||
                       (sameName(entry.key, u"endHijri") && currentValue(entry) > monthStart)) {
                shift(entry, delta);
            }
        }
        recordInSource(c, was);
        return true;
    }

    // The lines, with the new records of [source] after its last line (or in a new [source]
    // section at the end when there is none).
    std::string text() const {
        const std::string ending = lineEndingOf(lines_);
        std::string records;
        for (const auto& [key, record] : newRecords_) records += record;
        const IniFile::Section* source = ini_.findSection(u"source");
        std::size_t insertAfter = lines_.size();
        if (source != nullptr) {
            insertAfter = static_cast<std::size_t>(source->line);  // the line after the header
            for (const IniFile::Entry& entry : source->entries)
                insertAfter = std::max(insertAfter, lineIndex(entry) + 1);
            insertAfter = std::min(insertAfter, lines_.size());
        }
        std::string out;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (i == insertAfter) out += records;
            out += lines_[i];
        }
        if (insertAfter >= lines_.size() && !records.empty()) {
            if (!out.empty() && !out.ends_with('\n')) out += ending;
            if (source == nullptr) out += ending + "[source]" + ending;
            out += records;
        }
        return out;
    }

  private:
    std::size_t lineIndex(const IniFile::Entry& entry) const { return static_cast<std::size_t>(entry.line - 1); }

    std::int32_t currentLength(std::int32_t year, std::int32_t month) const {
        const auto changed = lengths_.find({year, month});
        if (changed != lengths_.end()) return changed->second;
        return table_.readHijriMonthLengths(year)[static_cast<std::size_t>(month)];
    }

    std::int64_t currentValue(const IniFile::Entry& entry) const {
        const auto changed = values_.find(entry.line);
        return changed != values_.end() ? changed->second : profileIntValue(entry.value, 0);
    }

    // The value of an entry's line; false when the line is not there.
    bool setLine(const IniFile::Entry& entry, std::int64_t value) {
        if (entry.line < 1 || lineIndex(entry) >= lines_.size()) return false;
        setLineValue(lines_[lineIndex(entry)], value);
        return true;
    }

    void shift(const IniFile::Entry& entry, std::int32_t delta) {
        const std::int64_t value = currentValue(entry) + delta;
        values_[entry.line] = value;
        setLine(entry, value);
    }

    // One line a corrected month in [source]; a second correction of the same month rewrites
    // its line and keeps what the month first was.
    void recordInSource(const LunarCorrection& c, std::int32_t was) {
        const std::u16string key = correctionKey(c.year, c.month);
        const IniFile::Section* source = ini_.findSection(u"source");
        const IniFile::Entry* existing = source != nullptr ? source->find(key) : nullptr;
        if (existing != nullptr) {  // corrected before: "30 days, was 29"
            const std::size_t at = existing->value.find(u"was ");
            if (at != std::u16string::npos)
                was = profileIntValue(std::u16string_view(existing->value).substr(at + 4), was);
        }
        const std::int32_t original = originals_.emplace(key, was).first->second;
        // Back at its length as shipped, the month is no longer a correction.
        const bool restored = c.days == original;
        const std::string record = restored ? std::string()
                                            : "correction " + monthName(c.year, c.month) + "=" + number(c.days) +
                                                  " days, was " + number(original) + lineEndingOf(lines_);
        if (existing != nullptr && lineIndex(*existing) < lines_.size()) {
            lines_[lineIndex(*existing)] = record;
            return;
        }
        std::erase_if(newRecords_, [&](const auto& entry) { return entry.first == key; });
        if (!restored) newRecords_.emplace_back(key, record);
    }

    std::vector<std::string> lines_;
    const IniFile& ini_;
    const LunarTable table_;
    std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> lengths_;
    std::map<std::int32_t, std::int64_t> values_;  // by line
    std::map<std::u16string, std::int32_t> originals_;
    std::vector<std::pair<std::u16string, std::string>> newRecords_;  // each with its line ending
    bool officialToo_;
};

// The table's text parsed and checked, the start of every change.
struct CheckedTable {
    IniFile ini;
    HijriTableSummary summary;
    std::string problem;
};
CheckedTable readCheckedTable(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return {{}, {}, "calendar.ini is written in UTF-16; only a UTF-8 file can be corrected"};
    CheckedTable checked{IniFile::parse(text), {}, {}};
    for (const FileProblem& problem : checkHijriTable(checked.ini, &checked.summary)) {
        if (problem.severity == FileProblem::Severity::error) {
            checked.problem = "calendar.ini fails its check (velmora-cli check shows why): " + problem.message;
            break;
        }
    }
    return checked;
}

std::int32_t yearLength(const LunarTable& table, std::int32_t year) {
    std::int32_t days = 0;
    for (std::size_t month = 1; month <= 12; ++month) days += table.readHijriMonthLengths(year)[month];
    return days;
}

// Applies the corrections; with keepYearLengths a year whose length moves out of 353 to 355
// days is refused, naming the year.
CorrectedTable applyCorrections(std::string_view text, const CheckedTable& checked,
                                const std::vector<LunarCorrection>& corrections, bool officialToo,
                                bool keepYearLengths) {
    Corrector corrector(text, checked.ini, officialToo);
    std::string problem;
    for (const LunarCorrection& c : corrections) {
        if (!corrector.apply(c, checked.summary.lastYear, problem)) return {{}, problem};
    }
    CorrectedTable result{corrector.text(), {}};
    const IniFile newIni = IniFile::parse(result.text);
    if (keepYearLengths) {
        const LunarTable oldTable(checked.ini), newTable(newIni);
        for (const LunarCorrection& c : corrections) {
            const std::int32_t length = yearLength(newTable, c.year);
            if (length != yearLength(oldTable, c.year) && (length < 353 || length > 355))
                return {{}, "year " + number(c.year) + " would have " + number(length) + " days"};
        }
    }
    for (const FileProblem& p : checkHijriTable(newIni, nullptr)) {
        if (p.severity == FileProblem::Severity::error)
            return {{}, "the corrected table would fail its check: " + p.message};
    }
    return result;
}

}  // namespace

CorrectedTable correctLunarTable(std::string_view text, const std::vector<LunarCorrection>& corrections,
                                 bool officialToo) {
    const CheckedTable checked = readCheckedTable(text);
    if (!checked.problem.empty()) return {{}, checked.problem};
    CorrectedTable result = applyCorrections(text, checked, corrections, officialToo, true);
    if (result.problem.empty() || corrections.size() != 1 || !result.problem.starts_with("year ")) return result;
    // One month made longer or shorter moves every month after it, which an announcement never
    // does: what was meant is most likely that the next month begins a day later or earlier.
    const LunarCorrection& c = corrections.front();
    const LunarTable table(checked.ini);
    const HijriCalendar calendar{table, table.bounds()};
    const LunarMonth next = monthAfter(c.year, c.month);
    const DayNumber nextStart = hijriToDayNumber(calendar, c.year, c.month, 1) + c.days;
    if (!startLunarMonth(text, next.year, next.month, nextStart, officialToo).problem.empty()) return result;
    result.problem +=
        ", and every later month would move; for " + namedMonth(c.year, c.month) + " to have " + number(c.days) +
        " days and the months after it to stay, say when the next month begins: " + "velmora-cli lunar start " +
        number(next.year) + "-" + number(next.month) + " " + isoDate(nextStart);
    if (next.year == c.year) {
        const auto& lengths = table.readHijriMonthLengths(c.year);
        const std::int32_t delta = c.days - lengths[static_cast<std::size_t>(c.month)];
        result.problem += " (or: velmora-cli lunar set " + number(c.year) + "-" + number(c.month) + " " +
                          number(c.days) + " " + number(next.year) + "-" + number(next.month) + " " +
                          number(lengths[static_cast<std::size_t>(next.month)] - delta) + ")";
    }
    return result;
}
CorrectedTable startLunarMonth(std::string_view text, std::int32_t year, std::int32_t month, DayNumber first,
                               bool officialToo) {
    const CheckedTable checked = readCheckedTable(text);
    if (!checked.problem.empty()) return {{}, checked.problem};
    const LunarTable table(checked.ini);
    const HijriCalendar calendar{table, table.bounds()};
    const std::int32_t firstYear = table.bounds().minYear, lastYear = checked.summary.lastYear;
    if (month < 1 || month > 12 || year < firstYear || year > lastYear)
        return {{},
                "there is no month " + monthName(year, month) + " in the table (" + monthName(firstYear, 1) + " to " +
                    monthName(lastYear, 12) + ")"};
    const LunarMonth before = monthBefore(year, month);
    if (before.year < firstYear)
        return {{}, monthName(year, month) + " is the table's first month; the table holds no month before it"};
    const DayNumber beforeStart = hijriToDayNumber(calendar, before.year, before.month, 1);
    const DayNumber start = hijriToDayNumber(calendar, year, month, 1);
    const DayNumber end = start + monthLength(Calendar::hijri, calendar, year, month);  // the next month's 1st
    const std::int64_t beforeDays = std::int64_t{first} - beforeStart, days = std::int64_t{end} - first;
    if (beforeDays < 29 || beforeDays > 30 || days < 29 || days > 30) {
        std::string choices;
        for (const LunarStartChoice& choice : lunarStartChoices(calendar, year, month)) {
            if (choice.possible) choices += (choices.empty() ? "" : " or ") + isoDate(choice.day);
        }
        const bool monthBeforeWrong = beforeDays < 29 || beforeDays > 30;
        return {{},
                namedMonth(year, month) + " cannot begin on " + isoDate(first) + ": " +
                    (monthBeforeWrong ? namedMonth(before.year, before.month) : namedMonth(year, month)) +
                    " would have " + number(monthBeforeWrong ? beforeDays : days) +
                    " days, and a lunar month has 29 or 30" +
                    (choices.empty() ? std::string(" (no day is possible without changing more months)")
                                     : " (it can begin on " + choices + ")")};
    }
    return applyCorrections(text, checked,
                            {{before.year, before.month, static_cast<std::int32_t>(beforeDays)},
                             {year, month, static_cast<std::int32_t>(days)}},
                            officialToo, false);
}

std::vector<LunarStartChoice> lunarStartChoices(const HijriCalendar& calendar, std::int32_t year, std::int32_t month) {
    const LunarMonth before = monthBefore(year, month);
    if (!yearInLunarTable(calendar, before.year) || !yearInLunarTable(calendar, year)) return {};
    const DayNumber beforeStart = hijriToDayNumber(calendar, before.year, before.month, 1);
    const DayNumber end =
        hijriToDayNumber(calendar, year, month, 1) + monthLength(Calendar::hijri, calendar, year, month);
    std::vector<LunarStartChoice> choices;
    for (const DayNumber day : {beforeStart + 29, beforeStart + 30})
        choices.push_back({day, end - day == 29 || end - day == 30});
    return choices;
}

CorrectedTable undoLunarCorrections(std::string_view text) {
    const CheckedTable checked = readCheckedTable(text);
    if (!checked.problem.empty()) return {{}, checked.problem};
    std::vector<LunarCorrection> shipped;
    if (const IniFile::Section* source = checked.ini.findSection(u"source")) {
        for (const IniFile::Entry& entry : source->entries) {
            const std::u16string_view key = entry.key;
            if (!key.starts_with(u"correction ")) continue;
            const auto month = lunarMonthIndex(key.substr(11));
            const std::size_t was = entry.value.find(u"was ");
            if (!month || was == std::u16string::npos) continue;
            const LunarMonth corrected = lunarMonthOfIndex(*month);
            shipped.push_back({corrected.year, corrected.month,
                               profileIntValue(std::u16string_view(entry.value).substr(was + 4), 0)});
        }
    }
    if (shipped.empty()) return {std::string(text), {}};
    return applyCorrections(text, checked, shipped, true, false);
}

CarriedCorrections carryLunarCorrections(std::string_view userTable, std::string_view shipped) {
    CarriedCorrections carried{std::string(shipped), {}};
    const CheckedTable user = readCheckedTable(userTable);
    if (!user.problem.empty()) {
        carried.report.push_back("your table is not carried over: " + user.problem);
        return carried;
    }
    const LunarTable userLunar(user.ini);
    const HijriCalendar userCalendar{userLunar, userLunar.bounds()};
    std::set<std::int64_t> corrected, boundaries;  // month indices, year * 12 + month - 1
    if (const IniFile::Section* source = user.ini.findSection(u"source")) {
        for (const IniFile::Entry& entry : source->entries) {
            if (!std::u16string_view(entry.key).starts_with(u"correction ")) continue;
            if (const auto month = lunarMonthIndex(std::u16string_view(entry.key).substr(11))) {
                corrected.insert(*month);
                boundaries.insert({*month, *month + 1});
            }
        }
    }
    const IniFile newIni = IniFile::parse(shipped);
    const auto heldByNewTable = [](MonthSource source) {
        return source == MonthSource::official || source == MonthSource::published;
    };
    std::set<std::int64_t> givenWay;
    for (const std::int64_t m : corrected) {  // official wins
        const LunarMonth month = lunarMonthOfIndex(m);
        const MonthSource source = lunarMonthSource(newIni, month.year, month.month);
        if (heldByNewTable(source) && givenWay.insert(m).second)
            carried.report.push_back(namedMonth(month.year, month.month) + ": the new table holds it as " +
                                     monthSourceName(source) + "; your correction gives way");
    }
    for (const std::int64_t m : boundaries) {
        const auto [year, month] = lunarMonthOfIndex(m);
        if (!yearInLunarTable(userCalendar, year)) continue;
        const DayNumber wanted = hijriToDayNumber(userCalendar, year, month, 1);
        const IniFile ini = IniFile::parse(carried.text);
        const LunarTable table(ini);
        const HijriCalendar calendar{table, table.bounds()};
        if (!yearInLunarTable(calendar, year) || hijriToDayNumber(calendar, year, month, 1) == wanted) continue;
        const LunarMonth before = monthBefore(year, month);
        if (heldByNewTable(lunarMonthSource(ini, before.year, before.month)) ||
            heldByNewTable(lunarMonthSource(ini, year, month))) {
            if (!givenWay.contains(m) && !givenWay.contains(m - 1))
                carried.report.push_back(namedMonth(year, month) + ": your start " + isoDate(wanted) +
                                         " is not carried; the new table holds the months around it");
            continue;
        }
        const CorrectedTable moved = startLunarMonth(carried.text, year, month, wanted);
        if (!moved.problem.empty()) {
            carried.report.push_back(namedMonth(year, month) + ": your start " + isoDate(wanted) +
                                     " is not carried: " + moved.problem);
            continue;
        }
        carried.text = moved.text;
        carried.report.push_back(namedMonth(year, month) + " begins on " + isoDate(wanted) + ", as you corrected it");
    }
    return carried;
}

}  // namespace velmora
