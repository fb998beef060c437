// velmora-cli lunar: the months of calendar.ini, where each comes from, and a safe
// correction of one month's length.
#include <functional>
#include <ostream>

#include "calendar/calendar_record.h"
#include "calendar/hijri_check.h"
#include "calendar/hijri_correction.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"
#include "data/replace_file.h"

namespace velmora::cli {
namespace {

// "1448-10" (or 1448/10, in any script's digits) as year and month.
std::optional<CivilDate> parseYearMonth(std::string_view typed) {
    const std::string plain = plainDigits(typed);
    const std::string_view text = plain;
    const std::size_t dash = text.find('-', 1);
    if (dash == std::string_view::npos) return std::nullopt;
    const auto year = wholeInteger(text.substr(0, dash));
    const auto month = wholeInteger(text.substr(dash + 1));
    // Numbers past 32 bits would wrap to another month; no calendar has a month past 12.
    if (!year || !month || *year < 1 || *year > 100000 || *month < 1 || *month > 12) return std::nullopt;
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

// Rewrites calendar.ini through `edit`; false, having said why, when nothing was written.
bool writeTable(const std::filesystem::path& path, const std::function<CorrectedTable(std::string_view)>& edit,
                const CommandContext& context, bool* changed = nullptr) {
    bool rewritten = false;
    const std::string problem = editFile(path, edit, &rewritten);
    if (changed != nullptr) *changed = rewritten;
    if (!problem.empty()) {
        context.err << "velmora-cli: " << problem << "\n";
        return false;
    }
    return true;
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
        if (!month || !days || *days < 1 || *days > 99) {  // a length to check, not one to wrap
            context.err << "velmora-cli: \"" << shown(words[i]) << ' ' << shown(words[i + 1])
                        << "\" is not YEAR-MONTH DAYS, as in 1448-10 30\n";
            return 2;
        }
        corrections.push_back({month->year, month->month, static_cast<std::int32_t>(*days)});
    }
    const std::filesystem::path path = folder / "calendar.ini";
    bool changed = false;
    if (!writeTable(
            path, [&](std::string_view text) { return correctLunarTable(text, corrections, officialToo); }, context,
            &changed))
        return 1;
    if (!changed) {
        context.out << "calendar.ini already has these lengths; nothing was changed\n";
        return 0;
    }
    for (const LunarCorrection& c : corrections) {
        context.out << c.year << '/' << c.month << " (" << monthName(Calendar::hijri, c.month).latin << ") now has "
                    << c.days << " days\n";
    }
    context.out << "The previous table is kept as " << path.filename().string() << ".bak.\n";
    return 0;
}

// "1448/10 (Shawwal) 2027-03-10 (1405-12-19) to 2027-04-07, 29 days".
std::string monthLine(const HijriCalendar& calendar, std::int32_t year, std::int32_t month) {
    const DayNumber first = hijriToDayNumber(calendar, year, month, 1);
    const std::int32_t days = monthLength(Calendar::hijri, calendar, year, month);
    std::string line = std::to_string(year) + '/' + std::to_string(month) + " (" +
                       std::string(monthName(Calendar::hijri, month).latin) + ") ";
    appendDate(line, dayNumberToGregorian(first));
    line += " (";
    appendDate(line, dayNumberToJalali(first));
    line += ") to ";
    appendDate(line, dayNumberToGregorian(first + days - 1));
    return line + ", " + std::to_string(days) + " days";
}

int startCommand(std::vector<std::string_view> words, const std::filesystem::path& folder,
                 const CommandContext& context) {
    const bool officialToo = std::erase(words, std::string_view("--official")) > 0;
    bool jalali = false;
    if (words.size() >= 2 && words[0] == "--from") {
        if (words[1] != "jalali" && words[1] != "gregorian") {
            context.err << "velmora-cli: lunar start takes --from jalali or --from gregorian\n";
            return 2;
        }
        jalali = words[1] == "jalali";
        words.erase(words.begin(), words.begin() + 2);
    }
    const Calendar calendar = jalali ? Calendar::jalali : Calendar::gregorian;
    const auto month = words.size() == 2 ? parseYearMonth(words[0]) : std::nullopt;
    const auto date = words.size() == 2 ? parseDate(words[1], calendar) : std::nullopt;
    if (!month || !date) {
        context.err << "velmora-cli: lunar start takes YEAR-MONTH DATE, as in 1448-10 2027-03-09\n";
        return 2;
    }
    const DayNumber first = dateToDayNumber(calendar, CalendarData().hijri(), date->year, date->month, date->day);
    if (dayNumberToDate(calendar, CalendarData().hijri(), first) != *date) {
        context.err << "velmora-cli: " << shown(words[1]) << " is not a day of the "
                    << (jalali ? "Solar Hijri" : "Gregorian") << " calendar\n";
        return 2;
    }
    const std::filesystem::path path = folder / "calendar.ini";
    if (!writeTable(
            path,
            [&](std::string_view text) { return startLunarMonth(text, month->year, month->month, first, officialToo); },
            context))
        return 1;
    const CalendarFiles files(folder);
    const HijriCalendar hijri = files.data().hijri();
    context.out << monthLine(hijri, month->year, month->month) << "\n";
    const CivilDate before = dayNumberToHijri(hijri, first - 1);
    context.out << "It was " << before.day << " " << monthName(Calendar::hijri, before.month).latin
                << " the day before; " << monthLine(hijri, before.year, before.month)
                << ". Later months stay as they were.\n";
    context.out << "The previous table is kept as " << path.filename().string() << ".bak.\n";
    return 0;
}

int undoCommand(const std::vector<std::string_view>& words, const std::filesystem::path& folder,
                const CommandContext& context) {
    if (!words.empty()) {
        context.err << "velmora-cli: lunar undo takes nothing more\n";
        return 2;
    }
    const std::filesystem::path path = folder / "calendar.ini";
    bool changed = false;
    if (!writeTable(path, undoLunarCorrections, context, &changed)) return 1;
    context.out << (changed ? "The lunar months are as shipped again; the previous table is kept as calendar.ini.bak.\n"
                            : "calendar.ini holds no corrections; nothing was changed\n");
    return 0;
}

// The installer's step: the corrections of the user's older table carried into the new one.
int carryCommand(const std::vector<std::string_view>& words, const std::filesystem::path& folder,
                 const CommandContext& context) {
    if (words.size() != 1) {
        context.err << "velmora-cli: lunar carry takes the file of an older, corrected table\n";
        return 2;
    }
    const auto user = readWholeFile(std::filesystem::path(std::u8string(words[0].begin(), words[0].end())));
    if (!user) {
        context.err << "velmora-cli: cannot read " << shown(words[0]) << "\n";
        return 1;
    }
    std::vector<std::string> report;
    const std::filesystem::path path = folder / "calendar.ini";
    if (!writeTable(
            path,
            [&](std::string_view text) {
                CarriedCorrections carried = carryLunarCorrections(*user, text);
                report = std::move(carried.report);
                return CorrectedTable{std::move(carried.text), {}};
            },
            context))
        return 1;
    for (const std::string& line : report) context.out << line << "\n";
    if (report.empty()) context.out << "no correction to carry over\n";
    return 0;
}

}  // namespace

int lunarCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    if (options.status != 0) return options.status;
    const std::string_view verb = options.rest.empty() ? std::string_view() : options.rest[0];
    const std::vector<std::string_view> words(options.rest.begin() + (options.rest.empty() ? 0 : 1),
                                              options.rest.end());
    if (verb == "show") return showCommand(words, options.dataFolder, context);
    if (verb == "set") return setCommand(words, options.dataFolder, context);
    if (verb == "start") return startCommand(words, options.dataFolder, context);
    if (verb == "undo") return undoCommand(words, options.dataFolder, context);
    if (verb == "carry") return carryCommand(words, options.dataFolder, context);
    context.err << "velmora-cli: lunar takes show [YEAR], start YEAR-MONTH DATE, set YEAR-MONTH DAYS or undo\n";
    return 2;
}

}  // namespace velmora::cli
