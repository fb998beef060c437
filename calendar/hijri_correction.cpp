#include "calendar/hijri_correction.h"

#include <map>
#include <optional>

#include "calendar/hijri.h"
#include "calendar/hijri_check.h"

namespace velmora {
namespace {

std::string number(std::int64_t value) { return std::to_string(value); }
std::string monthName(std::int32_t year, std::int32_t month) { return number(year) + "/" + number(month); }
std::u16string correctionKey(std::int32_t year, std::int32_t month) {
    return fromUtf8("correction " + monthName(year, month));
}

// "1448/10" as year * 12 + month - 1, so that months compare in order.
std::optional<std::int64_t> monthIndexOf(std::u16string_view text) {
    const std::size_t slash = text.find(u'/');
    if (slash == std::u16string_view::npos) return std::nullopt;
    const auto year = decimalNameValue(text.substr(0, slash));
    const auto month = decimalNameValue(text.substr(slash + 1));
    if (!year || !month || *month < 1 || *month > 12) return std::nullopt;
    return std::int64_t{*year} * 12 + *month - 1;
}

// Whether month index m lies in a range "1448/1-1448/9" of [source].
bool inSourceRange(const IniFile& ini, std::u16string_view key, std::int64_t m) {
    const auto range = ini.find(u"source", key);
    if (!range) return false;
    const std::size_t dash = range->find(u'-');
    if (dash == std::u16string_view::npos) return false;
    const auto first = monthIndexOf(range->substr(0, dash));
    const auto last = monthIndexOf(range->substr(dash + 1));
    return first && last && *first <= m && m <= *last;
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
        if (!officialToo_ && inSourceRange(ini_, u"officialMonths", std::int64_t{c.year} * 12 + c.month - 1)) {
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

}  // namespace

CorrectedTable correctLunarTable(std::string_view text, const std::vector<LunarCorrection>& corrections,
                                 bool officialToo) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return {{}, "calendar.ini is written in UTF-16; only a UTF-8 file can be corrected"};
    const IniFile ini = IniFile::parse(text);
    HijriTableSummary summary;
    for (const FileProblem& problem : checkHijriTable(ini, &summary)) {
        if (problem.severity == FileProblem::Severity::error)
            return {{}, "calendar.ini fails its check (velmora-cli check shows why): " + problem.message};
    }
    Corrector corrector(text, ini, officialToo);
    std::string problem;
    for (const LunarCorrection& c : corrections) {
        if (!corrector.apply(c, summary.lastYear, problem)) return {{}, problem};
    }
    CorrectedTable result{corrector.text(), {}};
    for (const FileProblem& p : checkHijriTable(IniFile::parse(result.text), nullptr)) {
        if (p.severity == FileProblem::Severity::error)
            return {{}, "the corrected table would fail its check: " + p.message};
    }
    return result;
}

const char* monthSourceName(MonthSource source) {
    switch (source) {
        case MonthSource::official: return "official";
        case MonthSource::published: return "published";
        case MonthSource::predicted: return "predicted";
        case MonthSource::corrected: break;
    }
    return "corrected";
}

MonthSource lunarMonthSource(const IniFile& ini, std::int32_t year, std::int32_t month) {
    if (ini.find(u"source", correctionKey(year, month))) return MonthSource::corrected;
    const std::int64_t m = std::int64_t{year} * 12 + month - 1;
    const auto firstPredicted = monthIndexOf(ini.find(u"source", u"firstPredictedMonth").value_or(u""));
    if (firstPredicted && m >= *firstPredicted) return MonthSource::predicted;
    if (inSourceRange(ini, u"publishedMonths", m)) return MonthSource::published;
    return MonthSource::official;
}

}  // namespace velmora
