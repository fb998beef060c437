#include "calendar/hijri_check.h"

#include <map>
#include <optional>

namespace velmora {
namespace {

std::string text(std::u16string_view value) { return toUtf8(value); }

bool isPlainInteger(std::u16string_view value) {
    std::size_t i = value.size() > 1 && (value[0] == u'-' || value[0] == u'+') ? 1 : 0;
    if (i >= value.size()) return false;
    for (; i < value.size(); ++i) {
        if (value[i] < u'0' || value[i] > u'9') return false;
    }
    return value.size() <= 11;
}


class Checker {
public:
    explicit Checker(const LunarCalendarFile& file) : file_(file), ini_(file.source().file()) {}

    std::vector<FileProblem> run(HijriTableSummary* summary) {
        if (!file_.source().exists()) {
            error(0, "the file is missing");
            return problems_;
        }
        for (const std::int32_t line : ini_.strayLines()) error(line, "a line that is neither a section, a key=value pair nor a comment");
        checkSections();
        const IniFile::Section* values = ini_.findSection(u"value");
        if (values == nullptr) {
            error(0, "no [value] section: the table has no bounds");
            return problems_;
        }
        const auto bound = [&](std::u16string_view key) -> std::optional<std::int64_t> {
            for (const IniFile::Entry& entry : values->entries) {
                if (entry.key == key) {
                    if (!isPlainInteger(entry.value)) {
                        error(entry.line, text(key) + " is not a number: \"" + text(entry.value) + "\"");
                        return std::nullopt;
                    }
                    return profileIntValue(entry.value, 0);
                }
            }
            error(values->line, "[value] has no " + text(key));
            return std::nullopt;
        };
        const auto minJulianday = bound(u"minJulianday");
        const auto maxJulianday = bound(u"maxJulianday");
        const auto minYear = bound(u"minYear");
        const auto endHijri = bound(u"endHijri");
        if (!minJulianday || !maxJulianday || !minYear || !endHijri) return problems_;

        // Year totals, by year, with their lines.
        std::map<std::int32_t, std::pair<std::int64_t, std::int32_t>> totals;
        for (const IniFile::Entry& entry : values->entries) {
            const auto year = decimalNameValue(entry.key);
            if (!year) {
                if (entry.key != u"minJulianday" && entry.key != u"maxJulianday" &&
                    entry.key != u"minYear" && entry.key != u"endHijri")
                    error(entry.line, "unknown key \"" + text(entry.key) + "\" in [value]");
                continue;
            }
            if (!isPlainInteger(entry.value)) {
                error(entry.line, "the total of " + std::to_string(*year) + " is not a number");
                continue;
            }
            if (!totals.emplace(*year, std::pair{profileIntValue(entry.value, 0), entry.line}).second)
                error(entry.line, "a second total for " + std::to_string(*year));
        }
        if (totals.empty()) {
            error(values->line, "[value] has no year totals");
            return problems_;
        }

        std::int64_t previousTotal = 0;
        std::int32_t year = static_cast<std::int32_t>(*minYear);
        if (totals.contains(year - 1) && totals.at(year - 1).first != 0)
            error(totals.at(year - 1).second, "the total before minYear must be 0");
        const std::int64_t span = *maxJulianday - *minJulianday;
        std::int32_t lastYear = year - 1;
        for (; previousTotal < span; ++year) {
            const auto total = totals.find(year);
            const IniFile::Section* section = ini_.findSection(decimalName(year));
            if (total == totals.end()) {
                error(values->line, "no total for " + std::to_string(year) + ", though maxJulianday lies beyond it");
                break;
            }
            if (section == nullptr) {
                error(total->second.second, "no section [" + std::to_string(year) + "] with its month lengths");
                break;
            }
            const std::int64_t length = checkYear(*section, year);
            if (total->second.first != previousTotal + length) {
                error(total->second.second, "the total of " + std::to_string(year) + " is " +
                      std::to_string(total->second.first) + "; the total before it and the year's " +
                      std::to_string(length) + " days make " + std::to_string(previousTotal + length));
            }
            if (length == 353) {
                note(section->line, "year " + std::to_string(year) + " has 353 days, as its sources give it");
            } else if (length != 354 && length != 355) {
                error(section->line, "year " + std::to_string(year) + " has " + std::to_string(length) + " days");
            }
            previousTotal = total->second.first;
            lastYear = year;
            if (year - *minYear > 100000) break;
        }
        if (previousTotal != span) {
            error(0, "maxJulianday - minJulianday is " + std::to_string(span) +
                  " days, but the year totals reach " + std::to_string(previousTotal));
        }
        if (*endHijri <= *minJulianday || *endHijri > *maxJulianday) {
            error(0, "endHijri " + std::to_string(*endHijri) + " lies outside the table");
        } else if (dayNumberToGregorian(static_cast<DayNumber>(*endHijri)).year >=
                   dayNumberToGregorian(static_cast<DayNumber>(*maxJulianday)).year) {
            error(0, "endHijri lies in the Gregorian year of maxJulianday, which Hijri mode never shows");
        }
        if (summary != nullptr) {
            summary->firstYear = static_cast<std::int32_t>(*minYear);
            summary->lastYear = lastYear;
            summary->firstPredictedMonth = text(ini_.find(u"source", u"firstPredictedMonth").value_or(u""));
            summary->predictionRule = text(ini_.find(u"source", u"predictionRule").value_or(u""));
        }
        return problems_;
    }

private:
    void error(std::int32_t line, std::string message) {
        problems_.push_back({FileProblem::Severity::error, line, std::move(message)});
    }
    void note(std::int32_t line, std::string message) {
        problems_.push_back({FileProblem::Severity::note, line, std::move(message)});
    }

    void checkSections() {
        for (const IniFile::Section& section : ini_.sections()) {
            const IniFile::Section* first = ini_.findSection(section.name);
            if (first != &section) {
                error(section.line, "a second section [" + text(section.name) + "] (the first, at line " +
                      std::to_string(first->line) + ", is the one read)");
                continue;
            }
            if (section.name == u"value" || section.name == u"source") continue;
            if (!decimalNameValue(section.name)) error(section.line, "unknown section [" + text(section.name) + "]");
        }
    }

    // The year's length; reports months that are missing, unknown or not 29 or 30 days.
    std::int64_t checkYear(const IniFile::Section& section, std::int32_t year) {
        std::int64_t length = 0;
        bool seen[13] = {};
        for (const IniFile::Entry& entry : section.entries) {
            const auto month = decimalNameValue(entry.key);
            if (!month || *month < 1 || *month > 12) {
                error(entry.line, "[" + std::to_string(year) + "] has an unknown key \"" + text(entry.key) + "\"");
                continue;
            }
            if (seen[*month]) {
                error(entry.line, "month " + std::to_string(*month) + " of " + std::to_string(year) + " is given twice");
                continue;
            }
            seen[*month] = true;
            const std::int32_t days = profileIntValue(entry.value, 0);
            if (!isPlainInteger(entry.value) || (days != 29 && days != 30)) {
                error(entry.line, "month " + std::to_string(*month) + " of " + std::to_string(year) +
                      " has \"" + text(entry.value) + "\" days (29 or 30 expected)");
            }
        }
        const HijriMonthLengths lengths = file_.readHijriMonthLengths(year);
        for (std::int32_t month = 1; month <= 12; ++month) {
            if (!seen[month]) error(section.line, "month " + std::to_string(month) + " of " + std::to_string(year) + " is missing");
            length += lengths[static_cast<std::size_t>(month)];
        }
        return length;
    }

    const LunarCalendarFile& file_;
    const IniFile& ini_;
    std::vector<FileProblem> problems_;
};

}  // namespace

std::vector<FileProblem> checkHijriTable(const LunarCalendarFile& file, HijriTableSummary* summary) {
    return Checker(file).run(summary);
}

}  // namespace velmora
