#include "occasions/occasions_check.h"

#include <optional>
#include <set>

#include "calendar/native_digits.h"
#include "data/integer_text.h"

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
    // The reader folds case: [22A] is Safar's 29-day section as much as [22a] is.
    if (calendar == 2 && (sameName(month, u"2a") || sameName(month, u"2b")))
        return SectionMonth{2, 2, sameName(month, u"2a") ? 29 : 30};
    for (std::int32_t m = 1; m <= 12; ++m) {
        if (month != decimalName(m)) continue;
        std::int32_t longest = 30;
        if (calendar == 0) longest = m <= 6 ? 31 : 30;
        if (calendar == 1) longest = m == 2 ? 29 : gregorianMonthLength(2001, m);
        return SectionMonth{calendar, m, longest};
    }
    return std::nullopt;
}

// The day's value: long enough for words, a separator and a flag, and not cut by the read.
// Returns the flag, or nothing after reporting why there is none.
std::optional<std::int32_t> checkValue(const IniFile::Entry& entry, ProblemList& problems) {
    const std::u16string& value = entry.value;
    if (value.size() >= kOccasionBufferSize) {
        problems.error(entry.line, "the value has " + std::to_string(value.size()) +
                                       " characters; it would be cut at " + std::to_string(kOccasionBufferSize - 1) +
                                       " and lose its flag");
        return std::nullopt;
    }
    if (value.size() < 2) {
        problems.error(entry.line, "the value is too short for a separator and a flag");
        return std::nullopt;
    }
    for (const char16_t c : value) {
        if (c < 0x20 || c == 0x7F) {
            problems.error(entry.line, "the value holds a control character (U+00" +
                                           std::string{"0123456789ABCDEF"[c >> 4], "0123456789ABCDEF"[c & 15]} +
                                           "), which would break the columns of velmora-cli");
            return std::nullopt;
        }
    }
    const std::int32_t flag = decimalDigitValue(value.back());
    if (flag < 0) {
        problems.error(entry.line, "the value does not end in a holiday flag (a digit)");
        return std::nullopt;
    }
    return flag;
}

void checkMonthSection(const IniFile::Section& section, const SectionMonth& month, ProblemList& problems,
                       OccasionsSummary* summary) {
    const std::string name = toUtf8(section.name);
    std::set<std::int32_t> days;
    for (const IniFile::Entry& entry : section.entries) {
        const std::int32_t day = decimalNameValue(entry.key).value_or(0);
        if (day < 1 || day > month.longestMonth) {
            problems.error(entry.line, "[" + name + "] has no day \"" + toUtf8(entry.key) + "\" (1 to " +
                                           std::to_string(month.longestMonth) + ")");
            continue;
        }
        if (!days.insert(day).second) {
            problems.error(entry.line,
                           "day " + std::to_string(day) + " of [" + name + "] is given twice; the first is read");
            continue;
        }
        const auto flag = checkValue(entry, problems);
        if (!flag) continue;
        if (*flag > 1) problems.note(entry.line, "flag " + std::to_string(*flag) + " marks no holiday (only 1 does)");
        if (*flag == 1 && month.calendar == 1)
            problems.note(entry.line, "a Gregorian occasion never makes a holiday; its flag is not read");
        if (summary != nullptr && entry.value.size() > 2 && !sameName(section.name, u"22b")) {  // Safar once
            ++summary->occasions[month.calendar];
            if (*flag == 1) ++summary->holidays[month.calendar];
        }
    }
}

}  // namespace

std::vector<FileProblem> checkOccasions(const IniFile& ini, OccasionsSummary* summary) {
    ProblemList problems;
    checkIniShape(
        ini, problems, [](std::u16string_view name) { return sectionMonth(name).has_value(); },
        " (a calendar digit 0-2 and a month 1-12, or 22a/22b)",
        [&](const IniFile::Section& section) {
            checkMonthSection(section, *sectionMonth(section.name), problems, summary);
        });
    return problems.take();
}

}  // namespace velmora
