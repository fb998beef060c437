#include "occasions/occasions_check.h"

#include <optional>
#include <set>

#include "calendar/native_digits.h"

namespace velmora {
namespace {

struct SectionMonth {
    std::int32_t calendar = 0;
    std::int32_t month = 0;
    std::int32_t longestMonth = 0;
};

// The calendar and month a section name stands for, and how long that month can be.
std::optional<SectionMonth> sectionMonth(std::u16string_view name) {
    if (name.size() < 2 || name[0] < u'0' || name[0] > u'2') return std::nullopt;
    const std::int32_t calendar = name[0] - u'0';
    std::u16string_view month = name.substr(1);
    if (calendar == 2 && (month == u"2a" || month == u"2b")) return SectionMonth{2, 2, month == u"2a" ? 29 : 30};
    for (std::int32_t m = 1; m <= 12; ++m) {
        if (month != decimalName(m)) continue;
        std::int32_t longest = 30;
        if (calendar == 0) longest = m <= 6 ? 31 : 30;
        if (calendar == 1) longest = m == 2 ? 29 : gregorianMonthLength(2001, m);
        return SectionMonth{calendar, m, longest};
    }
    return std::nullopt;
}

}  // namespace

std::vector<FileProblem> checkOccasions(const OccasionsFile& file, OccasionsSummary* summary) {
    std::vector<FileProblem> problems;
    const auto error = [&](std::int32_t line, std::string message) {
        problems.push_back({FileProblem::Severity::error, line, std::move(message)});
    };
    const auto note = [&](std::int32_t line, std::string message) {
        problems.push_back({FileProblem::Severity::note, line, std::move(message)});
    };
    if (!file.source().exists()) {
        error(0, "the file is missing");
        return problems;
    }
    const IniFile& ini = file.source().file();
    for (const std::int32_t line : ini.strayLines()) error(line, "a line that is neither a section, a key=value pair nor a comment");
    for (const IniFile::Section& section : ini.sections()) {
        const std::string name = toUtf8(section.name);
        const IniFile::Section* first = ini.findSection(section.name);
        if (first != &section) {
            error(section.line, "a second section [" + name + "] (the first, at line " + std::to_string(first->line) + ", is the one read)");
            continue;
        }
        const auto month = sectionMonth(section.name);
        if (!month) {
            error(section.line, "unknown section [" + name + "] (a calendar digit 0-2 and a month 1-12, or 22a/22b)");
            continue;
        }
        std::set<std::int32_t> days;
        for (const IniFile::Entry& entry : section.entries) {
            const std::int32_t day = decimalNameValue(entry.key).value_or(0);
            if (day < 1 || day > month->longestMonth) {
                error(entry.line, "[" + name + "] has no day \"" + toUtf8(entry.key) + "\" (1 to " +
                      std::to_string(month->longestMonth) + ")");
                continue;
            }
            if (!days.insert(day).second) {
                error(entry.line, "day " + std::to_string(day) + " of [" + name + "] is given twice; the first is read");
                continue;
            }
            const std::u16string& value = entry.value;
            if (value.size() >= kOccasionBufferSize) {
                error(entry.line, "the value has " + std::to_string(value.size()) + " characters; it would be cut at " +
                      std::to_string(kOccasionBufferSize - 1) + " and lose its flag");
                continue;
            }
            if (value.size() < 2) {
                error(entry.line, "the value is too short for a separator and a flag");
                continue;
            }
            const std::int32_t flag = decimalDigitValue(value.back());
            if (flag < 0) {
                error(entry.line, "the value does not end in a holiday flag (a digit)");
                continue;
            }
            if (flag > 1) note(entry.line, "flag " + std::to_string(flag) + " marks no holiday (only 1 does)");
            if (flag == 1 && month->calendar == 1) note(entry.line, "a Gregorian occasion never makes a holiday; its flag is not read");
            if (summary != nullptr && value.size() > 2 && section.name != u"22b") {  // Safar once
                ++summary->occasions[month->calendar];
                if (flag == 1) ++summary->holidays[month->calendar];
            }
        }
    }
    return problems;
}

}  // namespace velmora
