#include "astronomy/prayer_times.h"

#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

// The Sun's centre below the horizon at sunrise and sunset: 34′ of refraction and 16′ of
// semi-diameter, seen from the Earth's centre without the place's height.
constexpr double kHorizon = -50.0 / 60.0;

struct MethodAngles {
    double fajr;  // the Sun's centre below the horizon, degrees
    double maghrib;
    double isha;
};
constexpr MethodAngles anglesOf(PrayerMethod method) {
    return method == PrayerMethod::jafari ? MethodAngles{16.0, 4.0, 14.0} : MethodAngles{17.7, 4.5, 14.0};
}

}  // namespace

std::optional<std::int32_t> DayPrayerTimes::minutes(PrayerTime time) const {
    const auto& s = at(time);
    if (!s) return std::nullopt;
    return static_cast<std::int32_t>(std::floor(*s / 60.0 + 0.5));
}

DayPrayerTimes prayerTimes(const GeoPlace& place, const CivilDate& date, std::int32_t utcOffsetMinutes,
                           PrayerMethod method, bool asrAndIsha) {
    const SolarDay day(gregorianToDayNumber(date.year, date.month, date.day) - 0.5);
    return prayerTimes(day, place, utcOffsetMinutes, method, asrAndIsha);
}

DayPrayerTimes prayerTimes(const SolarDay& day, const GeoPlace& place, std::int32_t utcOffsetMinutes,
                           PrayerMethod method, bool asrAndIsha) {
    const MethodAngles angles = anglesOf(method);
    DayPrayerTimes times;
    const auto local = [&](std::optional<double> dayFraction) -> std::optional<double> {
        if (!dayFraction) return std::nullopt;
        return *dayFraction * 86400.0 + utcOffsetMinutes * 60.0;
    };
    const auto set = [&](PrayerTime time, std::optional<double> dayFraction) {
        times.seconds[prayerIndex(time)] = local(dayFraction);
    };
    const double noon = solarTransit(day, place);
    set(PrayerTime::dhuhr, noon);
    set(PrayerTime::fajr, solarAltitudeTime(day, place, -angles.fajr, true, noon));
    set(PrayerTime::sunrise, solarAltitudeTime(day, place, kHorizon, true, noon));
    const auto sunset = solarAltitudeTime(day, place, kHorizon, false, noon);
    set(PrayerTime::sunset, sunset);
    set(PrayerTime::maghrib, solarAltitudeTime(day, place, -angles.maghrib, false, noon));
    // Midnight: halfway from sunset to the next morning's Fajr.
    const auto nextFajr = solarAltitudeTime(day, place, -angles.fajr, true, noon + 1.0);
    if (sunset && nextFajr) set(PrayerTime::midnight, (*sunset + *nextFajr) / 2.0);
    if (asrAndIsha) {
        const double asr = asrAltitude(place.latitude, day.sunAt(noon).declination, 1.0);
        set(PrayerTime::asr, solarAltitudeTime(day, place, asr, false, noon));
        set(PrayerTime::isha, solarAltitudeTime(day, place, -angles.isha, false, noon));
    }
    return times;
}

std::string clockText(std::int32_t minutes) {
    const std::int32_t inDay = ((minutes % 1440) + 1440) % 1440;
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(inDay / 60), static_cast<int>(inDay % 60));
    return text;
}

}  // namespace velmora
