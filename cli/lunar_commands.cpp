// velmora-cli lunar: the months of calendar.ini, where each comes from, and a safe
// correction of one month's length.
#include <fstream>
#include <iterator>
#include <ostream>

#include "calendar/hijri_check.h"
#include "calendar/hijri_correction.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"
#include "cli/replace_file.h"

namespace velmora::cli {
namespace {

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) return std::nullopt;
    return text;
}

// "1448-10" (or 1448/10, in any script's digits) as year and month.
std::optional<CivilDate> parseYearMonth(std::string_view typed) {
    const std::string plain = plainDigits(typed);
    const std::string_view text = plain;
    const std::size_t dash = text.find('-', 1);
    if (dash == std::string_view::npos) return std::nullopt;
    const auto year = wholeInteger(text.substr(0, dash));
    const auto month = wholeInteger(text.substr(dash + 1));
    if (!year || !month || *year < 1 || *year > 100000) return std::nullopt;
    return CivilDate{static_cast<std::int32_t>(*year), static_cast<std::int32_t>(*month), 1};
}

std::string firstPredictedLine(const HijriTableSummary& summary) {
    std::string line = "# calendar.ini: lunar Hijri years " + std::to_string(summary.firstYear) + " to " +
                       std::to_string(summary.lastYear);
    if (!summary.firstPredictedMonth.empty()) line += "; first predicted month " + summary.firstPredictedMonth;
    return line + "\n";
}

int showCommand(const std::vector<std::string_view>& words, const std::filesystem::path& folder,
                const CommandContext& context) {
    if (words.size() > 1) {
        context.err << "velmora-cli: lunar show takes at most a year\n";
        return 2;
    }
    const CalendarFiles files(folder);
    const CalendarData& data = files.data();
    const IniFile& ini = files.calendarSource().file();
    const HijriTableSummary& summary = files.calendarSummary();
    for (const FileProblem& problem : files.calendarProblems()) {
        if (problem.severity != FileProblem::Severity::error) continue;
        context.err << "velmora-cli: calendar.ini has no usable lunar Hijri table (" << problem.message
                    << "; velmora-cli check says more)\n";
        return 1;
    }
    const CivilDate today = localDate();
    std::int32_t year = dayNumberToHijri(data.hijri(), gregorianToDayNumber(today.year, today.month, today.day)).year;
    if (!words.empty()) {
        const auto asked = wholeInteger(plainDigits(words[0]));
        if (!asked) {
            context.err << "velmora-cli: \"" << shown(words[0]) << "\" is not a year\n";
            return 2;
        }
        if (*asked < summary.firstYear || *asked > summary.lastYear) {
            context.err << "velmora-cli: the table holds the lunar Hijri years " << summary.firstYear << " to "
                        << summary.lastYear << ", not " << *asked << "\n";
            return 1;
        }
        year = static_cast<std::int32_t>(*asked);
    }
    std::string out = firstPredictedLine(summary);
    for (std::int32_t month = 1; month <= 12; ++month) {
        const DayNumber first = hijriToDayNumber(data.hijri(), year, month, 1);
        appendNumber(out, year);
        out += '-';
        appendTwoDigits(out, month);
        out += '\t';
        out += monthName(Calendar::hijri, month).latin;
        out += '\t';
        appendDate(out, dayNumberToGregorian(first));
        out += '\t';
        appendDate(out, dayNumberToJalali(first));
        out += '\t';
        appendNumber(out, monthLength(Calendar::hijri, data.hijri(), year, month));
        out += '\t';
        out += monthSourceName(lunarMonthSource(ini, year, month));
        out += '\n';
    }
    context.out << out;
    return 0;
}

int setCommand(std::vector<std::string_view> words, const std::filesystem::path& folder,
               const CommandContext& context) {
    // Months confirmed by their announcement change only when the user says so.
    const bool officialToo = std::erase(words, std::string_view("--official")) > 0;
    if (words.empty() || words.size() % 2 != 0) {
        context.err << "velmora-cli: lunar set takes YEAR-MONTH DAYS (and more such pairs)\n";
        return 2;
    }
    std::vector<LunarCorrection> corrections;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const auto month = parseYearMonth(words[i]);
        const auto days = wholeInteger(plainDigits(words[i + 1]));
        if (!month || !days) {
            context.err << "velmora-cli: \"" << shown(words[i]) << ' ' << shown(words[i + 1])
                        << "\" is not YEAR-MONTH DAYS, as in 1448-10 30\n";
            return 2;
        }
        corrections.push_back({month->year, month->month, static_cast<std::int32_t>(*days)});
    }
    const std::filesystem::path path = folder / "calendar.ini";
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        context.err << "velmora-cli: " << path.string() << " is not a file; nothing was changed\n";
        return 1;
    }
    const auto text = readWholeFile(path);
    if (!text) {
        context.err << "velmora-cli: cannot read " << path.string() << "\n";
        return 1;
    }
    const CorrectedTable corrected = correctLunarTable(*text, corrections, officialToo);
    if (!corrected.problem.empty()) {
        context.err << "velmora-cli: " << corrected.problem << "; nothing was changed\n";
        return 1;
    }
    if (corrected.text == *text) {
        context.out << "calendar.ini already has these lengths; nothing was changed\n";
        return 0;
    }
    const std::string problem = replaceFileKeepingBackup(path, *text, corrected.text);
    if (!problem.empty()) {
        context.err << "velmora-cli: " << problem << "\n";
        return 1;
    }
    for (const LunarCorrection& c : corrections) {
        context.out << c.year << '/' << c.month << " (" << monthName(Calendar::hijri, c.month).latin << ") now has "
                    << c.days << " days\n";
    }
    context.out << "The previous table is kept as " << path.filename().string() << ".bak.\n";
    return 0;
}

}  // namespace

int lunarCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    if (options.status != 0) return options.status;
    if (options.rest.empty() || (options.rest[0] != "show" && options.rest[0] != "set")) {
        context.err << "velmora-cli: lunar takes show [YEAR] or set [--official] YEAR-MONTH DAYS\n";
        return 2;
    }
    const std::vector<std::string_view> words(options.rest.begin() + 1, options.rest.end());
    return options.rest[0] == "show" ? showCommand(words, options.dataFolder, context)
                                     : setCommand(words, options.dataFolder, context);
}

}  // namespace velmora::cli
