#include "calendar/hijri_check.h"

#include <functional>
#include <map>
#include <optional>

namespace velmora {
namespace {

std::string text(std::u16string_view value) { return toUtf8(value); }
std::string number(std::int64_t value) { return std::to_string(value); }

// A year's total and the line it stands on.
struct YearTotal {
    std::int64_t days = 0;
    std::int32_t line = 0;
};

class Checker {
  public:
    explicit Checker(const IniFile& ini) : ini_(ini), table_(ini) {}

    std::vector<FileProblem> run(HijriTableSummary* summary) {
        checkIniShape(
            ini_, problems_,
            [](std::u16string_view name) {
                return sameName(name, u"value") || sameName(name, u"source") || decimalNameValue(name).has_value();
            },
            "");
        const IniFile::Section* values = ini_.findSection(u"value");
        if (values == nullptr) {
            problems_.error(0, "no [value] section: the table has no bounds");
            return problems_.take();
        }
        HijriBounds bounds;
        if (!readHijriBounds(ini_, bounds, &problems_)) return problems_.take();
        checkRepeatedKeys(*values, [](std::u16string_view key) { return isBoundKey(key); });
        if (const IniFile::Section* source = ini_.findSection(u"source"))
            checkRepeatedKeys(*source, [](std::u16string_view) { return true; });
        checkSpan(bounds);
        const auto totals = readYearTotals(*values);
        if (totals.empty()) {
            problems_.error(values->line, "[value] has no year totals");
            return problems_.take();
        }
        const std::int32_t lastYear = checkYears(bounds, totals, values->line);
        checkEndHijri(bounds);
        if (summary != nullptr) {
            summary->firstYear = bounds.minYear;
            summary->lastYear = lastYear;
            summary->firstPredictedMonth = text(ini_.find(u"source", u"firstPredictedMonth").value_or(u""));
            summary->predictionRule = text(ini_.find(u"source", u"predictionRule").value_or(u""));
        }
        return problems_.take();
    }

  private:
    // A key given twice, of those `counted`: the reader takes the first and ignores the other.
    void checkRepeatedKeys(const IniFile::Section& section, const std::function<bool(std::u16string_view)>& counted) {
        for (const IniFile::Entry& entry : section.entries) {
            const IniFile::Entry* first = section.find(entry.key);
            if (first == &entry || !counted(entry.key)) continue;
            problems_.error(entry.line, "\"" + text(entry.key) + "\" is given twice in [" + text(section.name) +
                                            "]; the first, at line " + number(first->line) + ", is read");
        }
    }

    // The table lies within the days the program shows.
    void checkSpan(const HijriBounds& bounds) {
        if (std::int64_t{bounds.minJulianday} + 1 >= kFirstShownDay && bounds.maxJulianday <= kLastShownDay) return;
        problems_.error(0, "the table covers the day numbers " + number(std::int64_t{bounds.minJulianday} + 1) +
                               " to " + number(bounds.maxJulianday) + ", beyond the supported span " +
                               number(kFirstShownDay) + " to " + number(kLastShownDay) +
                               " (Gregorian -4379-01-01 to 3621-12-31)");
    }

    std::map<std::int32_t, YearTotal> readYearTotals(const IniFile::Section& values) {
        std::map<std::int32_t, YearTotal> totals;
        for (const IniFile::Entry& entry : values.entries) {
            const auto year = decimalNameValue(entry.key);
            if (!year) {
                if (!isBoundKey(entry.key))
                    problems_.error(entry.line, "unknown key \"" + text(entry.key) + "\" in [value]");
                continue;
            }
            if (!isPlainInteger(entry.value)) {
                problems_.error(entry.line, "the total of " + number(*year) + " is not a number");
                continue;
            }
            if (!totals.emplace(*year, YearTotal{profileIntValue(entry.value, 0), entry.line}).second)
                problems_.error(entry.line, "a second total for " + number(*year));
        }
        return totals;
    }

    // Walks the years from minYear until the totals reach maxJulianday; returns the last.
    std::int32_t checkYears(const HijriBounds& bounds, const std::map<std::int32_t, YearTotal>& totals,
                            std::int32_t valuesLine) {
        std::int64_t previousTotal = 0;
        std::int32_t year = bounds.minYear;
        if (totals.contains(year - 1) && totals.at(year - 1).days != 0)
            problems_.error(totals.at(year - 1).line, "the total before minYear must be 0");
        const std::int64_t span = std::int64_t{bounds.maxJulianday} - bounds.minJulianday;
        std::int32_t lastYear = year - 1;
        for (; previousTotal < span; ++year) {
            const auto total = totals.find(year);
            const IniFile::Section* section = ini_.findSection(decimalName(year));
            if (total == totals.end()) {
                problems_.error(valuesLine, "no total for " + number(year) + ", though maxJulianday lies beyond it");
                break;
            }
            if (section == nullptr) {
                problems_.error(total->second.line, "no section [" + number(year) + "] with its month lengths");
                break;
            }
            const std::int64_t length = checkYear(*section, year);
            if (total->second.days != previousTotal + length) {
                problems_.error(total->second.line, "the total of " + number(year) + " is " +
                                                        number(total->second.days) +
                                                        "; the total before it and the year's " + number(length) +
                                                        " days make " + number(previousTotal + length));
            }
            checkYearLength(*section, year, length);
            previousTotal = total->second.days;
            lastYear = year;
            if (std::int64_t{year} - bounds.minYear > 100000) break;
        }
        if (previousTotal != span) {
            problems_.error(0, "maxJulianday - minJulianday is " + number(span) + " days, but the year totals reach " +
                                   number(previousTotal));
        }
        return lastYear;
    }

    // The year's length; reports months that are missing, unknown or not 29 or 30 days.
    std::int64_t checkYear(const IniFile::Section& section, std::int32_t year) {
        bool seen[13] = {};
        for (const IniFile::Entry& entry : section.entries) {
            const auto month = decimalNameValue(entry.key);
            if (!month || *month < 1 || *month > 12) {
                problems_.error(entry.line, "[" + number(year) + "] has an unknown key \"" + text(entry.key) + "\"");
                continue;
            }
            if (seen[*month]) {
                problems_.error(entry.line, "month " + number(*month) + " of " + number(year) + " is given twice");
                continue;
            }
            seen[*month] = true;
            const std::int32_t days = profileIntValue(entry.value, 0);
            if (!isPlainInteger(entry.value) || (days != 29 && days != 30)) {
                problems_.error(entry.line, "month " + number(*month) + " of " + number(year) + " has \"" +
                                                text(entry.value) + "\" days (29 or 30 expected)");
            }
        }
        std::int64_t length = 0;
        const HijriMonthLengths lengths = table_.readHijriMonthLengths(year);
        for (std::size_t month = 1; month <= 12; ++month) {
            if (!seen[month])
                problems_.error(section.line, "month " + number(static_cast<std::int64_t>(month)) + " of " +
                                                  number(year) + " is missing");
            length += lengths[month];
        }
        return length;
    }

    void checkYearLength(const IniFile::Section& section, std::int32_t year, std::int64_t length) {
        // Months kept by sighting make a year of 354 or 355 days, rarely one of 353 or 356.
        if (length == 353) {
            problems_.note(section.line, "year " + number(year) + " has 353 days, as its sources give it");
        } else if (length == 356) {
            problems_.note(section.line, "year " + number(year) + " has 356 days, as announced months can make it");
        } else if (length != 354 && length != 355) {
            problems_.error(section.line, "year " + number(year) + " has " + number(length) + " days");
        }
    }

    void checkEndHijri(const HijriBounds& bounds) {
        if (bounds.endHijri <= bounds.minJulianday || bounds.endHijri > bounds.maxJulianday) {
            problems_.error(0, "endHijri " + number(bounds.endHijri) + " lies outside the table");
        } else if (dayNumberToGregorian(bounds.endHijri).year >= dayNumberToGregorian(bounds.maxJulianday).year) {
            problems_.error(0, "endHijri lies in the Gregorian year of maxJulianday, which Hijri mode never shows");
        }
    }

    const IniFile& ini_;
    const LunarTable table_;
    ProblemList problems_;
};

}  // namespace

std::vector<FileProblem> checkHijriTable(const IniFile& ini, HijriTableSummary* summary) {
    return Checker(ini).run(summary);
}

}  // namespace velmora
