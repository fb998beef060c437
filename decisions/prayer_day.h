// What the window makes of the times of prayer: the user's place, method and reminders as
// kept in the registry, the words of the times, the next time, the band of the shown day and
// the reminders due. Pure functions; the window reads the clock and the registry.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astronomy/prayer_times.h"
#include "calendar/date_text.h"
#include "decisions/day_change.h"
#include "decisions/language.h"
#include "render/prayer_band.h"

namespace velmora {

// Where the times are reckoned: a provincial capital (in Iran Standard Time) or a place of the
// user's own, by latitude and longitude (in the system's time zone).
struct PrayerPlace {
    std::u16string name;  // the capital's English name, or the user's own name for the place
    GeoPlace place;
    bool iranTime = true;

    friend bool operator==(const PrayerPlace&, const PrayerPlace&) = default;
};

// What Option > Prayer Times… chooses, each kept as a text value under HKCU\Software\Velmora.
struct PrayerSettings {
    PrayerPlace place{u"Tehran", {35.70, 51.42}, true};
    PrayerMethod method = PrayerMethod::institute;
    bool asrAndIsha = false;
    bool shown = true;                            // the band of times in the window
    std::array<bool, kPrayerTimeCount> remind{};  // which times a balloon reminds of
    std::int32_t minutesBefore = 0;               // 0 to 120
    std::u16string sound;                         // a .wav file the reminder plays, or none

    friend bool operator==(const PrayerSettings&, const PrayerSettings&) = default;
};
// The values by their names: "PrayerPlace" ("Tehran", or "52.52,13.40,Berlin"), "PrayerMethod"
// ("institute", "jafari"), "PrayerAsrIsha" ("on"), "PrayerShown" ("off" hides the band),
// "PrayerReminders" ("fajr,maghrib"), "PrayerReminderMinutes" ("10"), "PrayerSound" (a path).
// A value missing or unreadable keeps its default.
struct StoredPrayerSettings {
    std::u16string place, method, asrAndIsha, shown, reminders, minutesBefore, sound;
};
PrayerSettings readPrayerSettings(const StoredPrayerSettings& stored);
StoredPrayerSettings storePrayerSettings(const PrayerSettings& settings);

// What Option > Prayer Times… reads of what is typed: a latitude and a longitude in any
// digits, "." or "٫" (or ",") before the decimals, a trailing "°" allowed; the name, or the
// coordinates when none is given. None outside ±90° and ±180°, or for anything else.
std::optional<PrayerPlace> typedPlace(std::u16string_view latitude, std::u16string_view longitude,
                                      std::u16string_view name);
// Minutes before a time, 0 to 120, in any digits; blank is 0.
std::optional<std::int32_t> typedMinutes(std::u16string_view text);
// A capital as the dialog lists it: its name in the interface's language, then in the other.
std::u16string cityListText(std::u16string_view persianName, std::string_view englishName, Language language);

// The place's name in the interface's language: a capital's Persian name in Persian.
std::u16string placeName(const PrayerPlace& place, Language language);
// A time's name: "Maghrib", "اذان مغرب"; short, as the band heads its column: "مغرب".
std::u16string_view prayerTimeName(PrayerTime time, Language language);
std::u16string_view prayerTimeShortName(PrayerTime time, Language language);
// "17:11" in the interface's digits.
std::u16string clockWords(std::int32_t minutes, Language language, DigitChoice digits = DigitChoice::asLanguage);
// The key a time is kept under in "PrayerReminders": "fajr" … "midnight".
std::u16string_view prayerTimeKey(PrayerTime time);

// The times of a Gregorian date at the chosen place, its clock's offset from the system's
// time zone where the place is not in Iran (offsetMinutes is that zone's offset on the date).
DayPrayerTimes timesOfDay(const PrayerSettings& settings, const CivilDate& date, std::int32_t offsetMinutes);

// The next of the times shown (official ones, and Asr and Isha when shown) after `now` on
// `today`, from yesterday's midnight (which may fall after this midnight) to tomorrow's Fajr.
struct NextPrayer {
    PrayerTime time = PrayerTime::fajr;
    std::int32_t minutes = 0;  // from the start of today; a time of tomorrow is 1440 or more
};
std::optional<NextPrayer> nextPrayer(const DayPrayerTimes& yesterday, const DayPrayerTimes& today,
                                     const DayPrayerTimes& tomorrow, std::int32_t nowMinutes, bool asrAndIsha);
// The tray tooltip's line of the next time: "اذان مغرب ۱۷:۱۱", "Maghrib 17:11".
std::u16string nextPrayerLine(const NextPrayer& next, Language language, DigitChoice digits = DigitChoice::asLanguage);

// The band the window draws under the month, for the shown day: the next time marked where
// the day is today.
PrayerBand prayerBand(const PrayerSettings& settings, const DayPrayerTimes& times, std::u16string dayWords,
                      std::optional<PrayerTime> next, Language language, DigitChoice digits = DigitChoice::asLanguage);

// What a screen reader says of a day's times after its dates: "Tehran: Fajr 05:33, Sunrise …".
std::u16string prayerTimesWords(const PrayerSettings& settings, const DayPrayerTimes& times, Language language);

// The reminders due at `now` (each chosen time from `minutesBefore` before it to ten minutes
// after, never once told: `told` holds the keys given), and when to look again.
struct PrayerReminder {
    std::u16string key;  // "2026-12-09 maghrib"
    PrayerTime time = PrayerTime::fajr;
    std::int32_t minutes = 0;  // the time itself, from the start of today
};
struct PrayerReminders {
    std::vector<PrayerReminder> due;
    std::optional<std::int32_t> nextLook;  // minutes from the start of today of the next moment to remind
};
PrayerReminders prayerReminders(const PrayerSettings& settings, const LocalTime& now, const DayPrayerTimes& yesterday,
                                const DayPrayerTimes& today, const DayPrayerTimes& tomorrow,
                                const std::vector<std::u16string>& told);

// The balloon of the reminders due: titled with the (first) time and its clock, its text from
// the patterns ("In %s minutes, in %s." before the time, "Now, in %s." at it); and the told
// keys to keep, a line each, from yesterday's on with the new ones.
struct PrayerBalloon {
    std::u16string title;
    std::u16string text;
    std::u16string keptAfter;
};
std::optional<PrayerBalloon> prayerBalloon(const PrayerSettings& settings, const LocalTime& now,
                                           const std::vector<PrayerReminder>& due, std::u16string_view kept,
                                           std::u16string_view soonPattern, std::u16string_view nowPattern,
                                           Language language);
// The told keys as kept, a line each.
std::vector<std::u16string> toldKeys(std::u16string_view kept);

}  // namespace velmora
