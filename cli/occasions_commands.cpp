// velmora-cli occasions and holidays: events.ini as a person reads it.
#include <ostream>

#include "calendar/ini_file.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"

namespace velmora::cli {
namespace {

// The texts of one Solar Hijri day in the three calendars.
struct DayOccasions {
    Occasion solar;
    Occasion lunar;
    Occasion gregorian;
};

DayOccasions readDay(const CalendarData& data, std::int32_t jy, std::int32_t jm, std::int32_t jd) {
    const DayNumber n = jalaliToDayNumber(jy, jm, jd);
    const CivilDate g = dayNumberToGregorian(n);
    return {data.events.read(occasionSectionName(0, jm), jd), readLunarOccasion(data, n),
            data.events.read(occasionSectionName(1, g.month), g.day)};
}

std::string words(const Occasion& occasion) { return toUtf8(occasion.words()); }

}  // namespace

int occasionsCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    CivilDate month;
    if (options.failed || !readJalaliYearMonth(options.rest, true, month, context.err)) return 2;
    const CalendarData data(options.dataFolder);
    for (std::int32_t day = 1; day <= jalaliMonthLength(month.year, month.month); ++day) {
        const DayOccasions texts = readDay(data, month.year, month.month, day);
        if (texts.solar.empty() && texts.lunar.empty() && texts.gregorian.empty()) continue;
        context.out << dateText({month.year, month.month, day}) << '\t'
                    << isHoliday(data, month.year, month.month, day) << '\t' << words(texts.solar) << '\t'
                    << words(texts.lunar) << '\t' << words(texts.gregorian) << '\n';
    }
    return 0;
}

int holidaysCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    CivilDate year;
    if (options.failed || !readJalaliYearMonth(options.rest, false, year, context.err)) return 2;
    const CalendarData data(options.dataFolder);
    for (std::int32_t month = 1; month <= 12; ++month) {
        for (std::int32_t day = 1; day <= jalaliMonthLength(year.year, month); ++day) {
            if (isHoliday(data, year.year, month, day) != 1) continue;
            const DayOccasions texts = readDay(data, year.year, month, day);
            // The occasion that makes the day a holiday; both when both do.
            std::string reason;
            if (texts.solar.flag == 1) reason = words(texts.solar);
            if (texts.lunar.flag == 1) reason += (reason.empty() ? "" : " - ") + words(texts.lunar);
            const DayNumber n = jalaliToDayNumber(year.year, month, day);
            context.out << dateText({year.year, month, day}) << '\t' << dateText(dayNumberToGregorian(n)) << '\t'
                        << kWeekdayNames[weekdayColumn(n)] << '\t' << reason << '\n';
        }
    }
    return 0;
}

}  // namespace velmora::cli
