// The times of prayer of a day at a place (owghat-e shar'i), by the method of the Institute of
// Geophysics of the University of Tehran, whose tables Iran's calendar publishes, or the Jafari
// method of the Leva Institute, Qom.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "astronomy/solar_day.h"
#include "calendar/day_number.h"

namespace velmora {

enum class PrayerMethod { institute, jafari };

// The times in the order of the day. Asr and Isha are in no official table: shown only when
// asked for, and said to be unofficial.
enum class PrayerTime { fajr, sunrise, dhuhr, asr, sunset, maghrib, isha, midnight };
inline constexpr std::size_t kPrayerTimeCount = 8;
inline constexpr std::array<PrayerTime, kPrayerTimeCount> kPrayerTimes = {
    PrayerTime::fajr,   PrayerTime::sunrise, PrayerTime::dhuhr, PrayerTime::asr,
    PrayerTime::sunset, PrayerTime::maghrib, PrayerTime::isha,  PrayerTime::midnight};
constexpr std::size_t prayerIndex(PrayerTime time) { return static_cast<std::size_t>(time); }
constexpr bool isOfficial(PrayerTime time) { return time != PrayerTime::asr && time != PrayerTime::isha; }

// Iran Standard Time, all year since 22 September 2022 (no daylight saving).
inline constexpr std::int32_t kIranStandardOffsetMinutes = 210;

struct DayPrayerTimes {
    // Seconds from the local midnight that begins the date; midnight may pass 24 h (it belongs
    // to the night after the date). None where the Sun does not come to the time's altitude.
    std::array<std::optional<double>, kPrayerTimeCount> seconds{};

    const std::optional<double>& at(PrayerTime time) const { return seconds[prayerIndex(time)]; }
    // Rounded to the nearest minute, as the published tables are (a half minute up).
    std::optional<std::int32_t> minutes(PrayerTime time) const;
};

// The times of a Gregorian date at a place whose clocks run utcOffsetMinutes ahead of UTC on
// that date. Asr (shadow factor 1) and Isha only with asrAndIsha.
DayPrayerTimes prayerTimes(const GeoPlace& place, const CivilDate& date, std::int32_t utcOffsetMinutes,
                           PrayerMethod method, bool asrAndIsha = false);
// The same from a day already reckoned, for many places on one day.
DayPrayerTimes prayerTimes(const SolarDay& day, const GeoPlace& place, std::int32_t utcOffsetMinutes,
                           PrayerMethod method, bool asrAndIsha = false);

// "05:33": hours and minutes of a time in minutes from midnight, 24-hour, the hours of a time
// past midnight counted on from 0.
std::string clockText(std::int32_t minutes);

}  // namespace velmora
