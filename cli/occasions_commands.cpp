// velmora-cli occasions and holidays: events.ini as a person reads it.
#include <ostream>

#include "calendar/ini_file.h"
#include "calendar/weekday_names.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"

namespace velmora::cli {
namespace {

std::string words(const Occasion& occasion) { return columnText(occasion.words()); }

// The occasions come from events.ini: without it there is nothing to list.
bool eventsReadable(const CalendarFiles& files, std::ostream& err) {
    if (files.eventsSource().exists()) return true;
    err << "velmora-cli: cannot read " << files.eventsSource().path().string() << "\n";
    return false;
}

}  // namespace

int occasionsCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    CivilDate month;
    if (options.status != 0) return options.status;
    if (!readJalaliYearMonth(options.rest, true, month, context.err)) return 2;
    const CalendarFiles files(options.dataFolder);
    if (!eventsReadable(files, context.err)) return 1;
    warnIfCalendarDamaged(files, context.err);
    const CalendarData& data = files.data();
    for (std::int32_t day = 1; day <= jalaliMonthLength(month.year, month.month); ++day) {
        const DayOccasions texts = occasionsOfDay(data, jalaliToDayNumber(month.year, month.month, day));
        if (texts.empty()) continue;
        context.out << dateText({month.year, month.month, day}) << '\t' << (texts.holiday ? 1 : 0) << '\t'
                    << words(texts.solar) << '\t' << words(texts.lunar) << '\t' << words(texts.gregorian) << '\n';
    }
    return 0;
}

int holidaysCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    CivilDate year;
    if (options.status != 0) return options.status;
    if (!readJalaliYearMonth(options.rest, false, year, context.err)) return 2;
    const CalendarFiles files(options.dataFolder);
    if (!eventsReadable(files, context.err)) return 1;
    warnIfCalendarDamaged(files, context.err);
    const CalendarData& data = files.data();
    for (std::int32_t month = 1; month <= 12; ++month) {
        for (std::int32_t day = 1; day <= jalaliMonthLength(year.year, month); ++day) {
            const DayNumber n = jalaliToDayNumber(year.year, month, day);
            const DayOccasions texts = occasionsOfDay(data, n);
            if (!texts.holiday) continue;
            // The occasion that makes the day a holiday; both when both do.
            std::string reason;
            if (texts.solar.flag == 1) reason = words(texts.solar);
            if (texts.lunar.flag == 1) reason += (reason.empty() ? "" : " - ") + words(texts.lunar);
            context.out << dateText({year.year, month, day}) << '\t' << dateText(dayNumberToGregorian(n)) << '\t'
                        << kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))].english << '\t' << reason << '\n';
        }
    }
    return 0;
}

}  // namespace velmora::cli
