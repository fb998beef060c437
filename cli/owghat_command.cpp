// velmora-cli owghat: the times of prayer of a day, a month or a year at a place.
#include <charconv>
#include <ostream>

#include "astronomy/places.h"
#include "astronomy/prayer_times.h"
#include "calendar/date_text.h"
#include "cli/cli_support.h"
#include "cli/command_list.h"
#include "data/local_offset.h"
#include "data/text_codec.h"

namespace velmora::cli {
namespace {

constexpr PrayerTime kOfficialColumns[] = {PrayerTime::fajr,   PrayerTime::sunrise, PrayerTime::dhuhr,
                                           PrayerTime::sunset, PrayerTime::maghrib, PrayerTime::midnight};
constexpr const char* kNames[] = {"Fajr",    "Sunrise",           "Dhuhr",   "Asr (unofficial)", "Sunset",
                                  "Maghrib", "Isha (unofficial)", "Midnight"};

struct OwghatRequest {
    GeoPlace place;
    std::string placeName;
    bool iran = true;  // Iran Standard Time; else the system's time zone
    PrayerMethod method = PrayerMethod::institute;
    bool asrAndIsha = false;
    std::optional<std::string_view> date, year, month;
};

std::optional<double> number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads the options; the exit status when they cannot stand.
int readRequest(const std::vector<std::string_view>& args, OwghatRequest& request, std::ostream& err) {
    request.place = findCity(u"Tehran")->place;
    request.placeName = "Tehran";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (arg == "--city") {
            const auto name = value();
            if (!name) return err << "velmora-cli: --city needs a NAME\n", 2;
            const City* city = findCity(fromUtf8(*name));
            if (city == nullptr) {
                const auto near = nearestCityNames(fromUtf8(*name), 3);
                err << "velmora-cli: no provincial capital is called \"" << shown(*name) << "\"; the nearest names are "
                    << near[0] << ", " << near[1] << " and " << near[2] << " (or give --at LAT,LON)\n";
                return 2;
            }
            request.place = city->place;
            request.placeName = city->englishName;
            request.iran = true;
        } else if (arg == "--at") {
            const auto at = value();
            const std::size_t comma = at ? at->find(',') : std::string_view::npos;
            const auto latitude = at && comma != std::string_view::npos ? number(at->substr(0, comma)) : std::nullopt;
            const auto longitude = latitude ? number(at->substr(comma + 1)) : std::nullopt;
            if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180)
                return err << "velmora-cli: --at needs LAT,LON in degrees (north and east positive)\n", 2;
            request.place = {*latitude, *longitude};
            request.placeName = std::string(*at);
            request.iran = false;
        } else if (arg == "--method") {
            const auto method = value();
            if (method == "institute")
                request.method = PrayerMethod::institute;
            else if (method == "jafari")
                request.method = PrayerMethod::jafari;
            else
                return err << "velmora-cli: --method is institute or jafari\n", 2;
        } else if (arg == "--asr-isha") {
            request.asrAndIsha = true;
        } else if (arg == "--year" || arg == "--month") {
            const auto period = value();
            if (!period)
                return err << "velmora-cli: " << arg << " needs a Solar Hijri "
                           << (arg == "--year" ? "YEAR" : "YEAR-MONTH") << "\n",
                       2;
            (arg == "--year" ? request.year : request.month) = period;
        } else if (!request.date && !arg.starts_with("--")) {
            request.date = arg;
        } else {
            return err << "velmora-cli: owghat does not take \"" << shown(arg) << "\"\n" << commandUsage("owghat"), 2;
        }
    }
    if ((request.year ? 1 : 0) + (request.month ? 1 : 0) + (request.date ? 1 : 0) > 1)
        return err << "velmora-cli: give a DATE, a --month or a --year, not more than one\n", 2;
    return 0;
}

std::int32_t offsetOn(const OwghatRequest& request, const CivilDate& gregorian) {
    return request.iran ? kIranStandardOffsetMinutes
                        : localUtcOffsetMinutes(gregorian.year, gregorian.month, gregorian.day);
}

std::string timeText(const DayPrayerTimes& times, PrayerTime time) {
    const auto minutes = times.minutes(time);
    return minutes ? clockText(*minutes) : "-";
}

// A line a day: the Solar Hijri date and the six official times (and Asr and Isha), tab-separated.
void printDays(const OwghatRequest& request, DayNumber first, DayNumber last, std::ostream& out) {
    std::string line;
    for (DayNumber n = first; n <= last; ++n) {
        const CivilDate gregorian = dayNumberToGregorian(n);
        const SolarDay day(n - 0.5);
        const DayPrayerTimes times =
            prayerTimes(day, request.place, offsetOn(request, gregorian), request.method, request.asrAndIsha);
        line = dateText(dayNumberToJalali(n));
        for (const PrayerTime time : kOfficialColumns) line += "\t" + timeText(times, time);
        if (request.asrAndIsha)
            line += "\t" + timeText(times, PrayerTime::asr) + "\t" + timeText(times, PrayerTime::isha);
        out << line << '\n';
    }
}

}  // namespace

int owghatCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    OwghatRequest request;
    if (const int status = readRequest(args, request, context.err); status != 0) return status;
    if (request.year || request.month) {
        CivilDate asked;
        std::vector<std::string_view> words;
        const std::string period(request.month ? *request.month : *request.year);
        const std::string plain = plainDigits(period);
        const std::size_t dash = plain.find('-', 1);
        std::string yearWord = request.month && dash != std::string::npos ? plain.substr(0, dash) : plain;
        std::string monthWord = request.month && dash != std::string::npos ? plain.substr(dash + 1) : "";
        words.push_back(yearWord);
        if (request.month) words.push_back(monthWord);
        if (request.month && dash == std::string::npos) return context.err << "velmora-cli: --month is YEAR-MONTH\n", 2;
        if (!readJalaliYearMonth(words, request.month.has_value(), asked, context.err)) return 2;
        const DayNumber first = jalaliToDayNumber(asked.year, request.month ? asked.month : 1, 1);
        const DayNumber last = request.month ? first + jalaliMonthLength(asked.year, asked.month) - 1
                                             : jalaliToDayNumber(asked.year + 1, 1, 1) - 1;
        printDays(request, first, last, context.out);
        return 0;
    }
    DayNumber n = 0;
    if (request.date) {
        const auto date = parseDate(*request.date, Calendar::jalali);
        if (!date || date->month < 1 || date->month > 12 || date->day < 1 ||
            date->day > jalaliMonthLength(date->year, date->month))
            return context.err << "velmora-cli: \"" << shown(*request.date) << "\" is not a Solar Hijri date\n", 2;
        n = jalaliToDayNumber(date->year, date->month, date->day);
    } else {
        const CivilDate today = localDate();
        n = gregorianToDayNumber(today.year, today.month, today.day);
    }
    const CivilDate gregorian = dayNumberToGregorian(n);
    const DayPrayerTimes times =
        prayerTimes(request.place, gregorian, offsetOn(request, gregorian), request.method, request.asrAndIsha);
    context.out << dateText(dayNumberToJalali(n)) << '\t' << request.placeName << '\t'
                << (request.method == PrayerMethod::institute ? "Institute of Geophysics, University of Tehran"
                                                              : "Jafari (Leva Institute, Qom)")
                << '\n';
    for (const PrayerTime time : kPrayerTimes) {
        if (!isOfficial(time) && !request.asrAndIsha) continue;
        context.out << kNames[prayerIndex(time)] << '\t' << timeText(times, time) << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
