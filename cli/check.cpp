// velmora-cli check: validates the data files a maintainer edits.
#include <ostream>

#include "calendar/hijri_check.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"
#include "occasions/occasions_check.h"

namespace velmora::cli {
namespace {

// Prints the problems of one file; true when none is an error.
bool report(std::ostream& out, std::string_view fileName, const std::vector<FileProblem>& problems) {
    bool clean = true;
    for (const FileProblem& problem : problems) {
        const bool isError = problem.severity == FileProblem::Severity::error;
        clean = clean && !isError;
        out << describeProblem(fileName, problem) << '\n';
    }
    return clean;
}

// The problems of a file on disk: that it is missing, or what the check finds in it.
template <typename Check>
std::vector<FileProblem> checkProblems(const IniSource& source, Check check) {
    if (!source.exists()) return {{FileProblem::Severity::error, 0, "the file is missing"}};
    return check(source.file());
}

}  // namespace

int checkCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    if (options.status != 0) return options.status;
    if (!options.rest.empty()) {
        context.err << "velmora-cli: check takes no arguments but --data\n";
        return 2;
    }
    const CalendarFiles files(options.dataFolder);
    const CalendarData& data = files.data();
    const HijriTableSummary& summary = files.calendarSummary();
    const auto problems =
        checkProblems(files.calendarSource(), [&](const IniFile&) { return files.calendarProblems(); });
    const bool calendarClean = report(context.out, "calendar.ini", problems);
    if (calendarClean) {
        context.out << "calendar.ini: lunar Hijri years " << summary.firstYear << " to " << summary.lastYear
                    << " (days " << firstDayOfLunarTable(data.bounds()) << " to " << data.bounds().maxJulianday << ")";
        if (!summary.firstPredictedMonth.empty()) {
            context.out << "; first predicted month " << summary.firstPredictedMonth;
            if (!summary.predictionRule.empty()) context.out << " (" << summary.predictionRule << ")";
        }
        context.out << '\n';
    }
    OccasionsSummary occasions;
    const bool eventsClean = report(
        context.out, "events.ini",
        checkProblems(files.eventsSource(), [&](const IniFile& ini) { return checkOccasions(ini, &occasions); }));
    if (eventsClean) {
        context.out << "events.ini: days with occasions (holidays): Solar Hijri " << occasions.occasions[0] << " ("
                    << occasions.holidays[0] << "), Gregorian " << occasions.occasions[1] << " ("
                    << occasions.holidays[1] << "), lunar Hijri " << occasions.occasions[2] << " ("
                    << occasions.holidays[2] << ")\n";
    }
    return calendarClean && eventsClean ? 0 : 1;
}

}  // namespace velmora::cli
