// velmora-cli occasions and holidays: events.ini as a person reads it.
#include <memory>
#include <ostream>

#include "calendar/weekday_names.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"
#include "data/ini_file.h"

namespace velmora::cli {
namespace {

std::string words(const Occasion& occasion) { return columnText(occasion.words()); }

// What both commands read: their options, the Solar Hijri year (and month) asked for, and the
// data files, which must hold events.ini. Nothing, with the exit status, when they cannot.
struct OccasionsRequest {
    CivilDate asked;
    std::unique_ptr<CalendarFiles> files;
    int status = 0;
};

OccasionsRequest readOccasionsRequest(const std::vector<std::string_view>& args, bool withMonth,
                                      const CommandContext& context) {
    OccasionsRequest request;
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    if (options.status != 0) return {{}, nullptr, options.status};
    if (!readJalaliYearMonth(options.rest, withMonth, request.asked, context.err)) return {{}, nullptr, 2};
    request.files = std::make_unique<CalendarFiles>(options.dataFolder);
    if (!request.files->eventsSource().exists()) {
        context.err << "velmora-cli: cannot read " << request.files->eventsSource().path().string() << "\n";
        return {{}, nullptr, 1};
    }
    warnIfCalendarDamaged(*request.files, context.err);
    return request;
}

}  // namespace

int occasionsCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const OccasionsRequest request = readOccasionsRequest(args, true, context);
    if (request.files == nullptr) return request.status;
    const CivilDate month = request.asked;
    const CalendarData& data = request.files->data();
    for (std::int32_t day = 1; day <= jalaliMonthLength(month.year, month.month); ++day) {
        const DayOccasions texts = occasionsOfDay(data, jalaliToDayNumber(month.year, month.month, day));
        if (texts.empty() && texts.personal.empty()) continue;
        // The last column holds the user's own days (my-days.ini), each "personal: TEXT", a
        // day off "personal, day off: TEXT".
        std::string personal;
        for (const PersonalDay& mine : texts.personal) {
            personal += (personal.empty() ? "" : " - ") +
                        std::string(mine.dayOff ? "personal, day off: " : "personal: ") + columnText(mine.text);
        }
        context.out << dateText({month.year, month.month, day}) << '\t' << (texts.holiday ? 1 : 0) << '\t'
                    << words(texts.solar) << '\t' << words(texts.lunar) << '\t' << words(texts.gregorian) << '\t'
                    << personal << '\n';
    }
    return 0;
}

int holidaysCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const OccasionsRequest request = readOccasionsRequest(args, false, context);
    if (request.files == nullptr) return request.status;
    const CivilDate year = request.asked;
    const CalendarData& data = request.files->data();
    for (std::int32_t month = 1; month <= 12; ++month) {
        for (std::int32_t day = 1; day <= jalaliMonthLength(year.year, month); ++day) {
            const DayNumber n = jalaliToDayNumber(year.year, month, day);
            const DayOccasions texts = occasionsOfDay(data, n);
            if (!texts.holiday) continue;
            // The occasion that makes the day a holiday; both when both do.
            const std::string reason = columnText(holidayReason(texts));
            context.out << dateText({year.year, month, day}) << '\t' << dateText(dayNumberToGregorian(n)) << '\t'
                        << kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))].english << '\t' << reason << '\n';
        }
    }
    return 0;
}

}  // namespace velmora::cli
