#include "decisions/prayer_day.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "astronomy/places.h"
#include "calendar/date_text.h"
#include "data/integer_text.h"
#include "data/text_codec.h"

namespace velmora {
namespace {

struct TimeWords {
    std::u16string_view key, english, persian, persianShort;
};
// clang-format off
constexpr std::array<TimeWords, kPrayerTimeCount> kTimeWords = {{
    {u"fajr", u"Fajr", u"\u0627\u0630\u0627\u0646 \u0635\u0628\u062D", u"\u0635\u0628\u062D"},
    {u"sunrise", u"Sunrise", u"\u0637\u0644\u0648\u0639 \u0622\u0641\u062A\u0627\u0628", u"\u0637\u0644\u0648\u0639"},
    {u"dhuhr", u"Dhuhr", u"\u0627\u0630\u0627\u0646 \u0638\u0647\u0631", u"\u0638\u0647\u0631"},
    {u"asr", u"Asr", u"\u0639\u0635\u0631", u"\u0639\u0635\u0631"},
    {u"sunset", u"Sunset", u"\u063A\u0631\u0648\u0628 \u0622\u0641\u062A\u0627\u0628", u"\u063A\u0631\u0648\u0628"},
    {u"maghrib", u"Maghrib", u"\u0627\u0630\u0627\u0646 \u0645\u063A\u0631\u0628", u"\u0645\u063A\u0631\u0628"},
    {u"isha", u"Isha", u"\u0639\u0634\u0627", u"\u0639\u0634\u0627"},
    {u"midnight", u"Midnight", u"\u0646\u06CC\u0645\u0647\u200C\u0634\u0628 \u0634\u0631\u0639\u06CC",
     u"\u0646\u06CC\u0645\u0647\u200C\u0634\u0628"},
}};
// clang-format on

std::optional<double> decimal(std::u16string_view text) {
    const std::string plain = toUtf8(text);
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

// "52.52,13.40,Berlin": a place of the user's own.
std::optional<PrayerPlace> ownPlace(std::u16string_view text) {
    const std::size_t first = text.find(u','), second = text.find(u',', first + 1);
    if (first == std::u16string_view::npos || second == std::u16string_view::npos) return std::nullopt;
    const auto latitude = decimal(text.substr(0, first));
    const auto longitude = decimal(text.substr(first + 1, second - first - 1));
    if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180) return std::nullopt;
    return PrayerPlace{std::u16string(text.substr(second + 1)), {*latitude, *longitude}, false};
}

std::u16string number(double value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return fromUtf8(std::string_view(text, static_cast<std::size_t>(end - text)));
}

bool shownTime(PrayerTime time, bool asrAndIsha) { return isOfficial(time) || asrAndIsha; }

}  // namespace

PrayerSettings readPrayerSettings(const StoredPrayerSettings& stored) {
    PrayerSettings settings;
    if (const City* city = findCity(stored.place); city != nullptr) {
        settings.place = {std::u16string(city->englishName.begin(), city->englishName.end()), city->place, true};
    } else if (const auto own = ownPlace(stored.place)) {
        settings.place = *own;
    }
    if (stored.method == u"jafari") settings.method = PrayerMethod::jafari;
    settings.asrAndIsha = stored.asrAndIsha == u"on";
    settings.shown = stored.shown != u"off";
    for (std::size_t start = 0; start < stored.reminders.size();) {
        const std::size_t end = std::min(stored.reminders.find(u',', start), stored.reminders.size());
        const std::u16string_view key = std::u16string_view(stored.reminders).substr(start, end - start);
        for (std::size_t i = 0; i < kTimeWords.size(); ++i)
            if (kTimeWords[i].key == key) settings.remind[i] = true;
        start = end + 1;
    }
    const IntegerScan minutes = scanInteger(stored.minutesBefore, DigitScripts::any);
    if (minutes.digits > 0 && !minutes.negative && minutes.end == stored.minutesBefore.size())
        settings.minutesBefore = static_cast<std::int32_t>(std::min<std::int64_t>(minutes.magnitude, 120));
    settings.sound = stored.sound;
    return settings;
}

StoredPrayerSettings storePrayerSettings(const PrayerSettings& settings) {
    StoredPrayerSettings stored;
    stored.place = settings.place.iranTime ? settings.place.name
                                           : number(settings.place.place.latitude) + u"," +
                                                 number(settings.place.place.longitude) + u"," + settings.place.name;
    stored.method = settings.method == PrayerMethod::jafari ? u"jafari" : u"institute";
    stored.asrAndIsha = settings.asrAndIsha ? u"on" : u"off";
    stored.shown = settings.shown ? u"on" : u"off";
    for (std::size_t i = 0; i < kTimeWords.size(); ++i) {
        if (!settings.remind[i]) continue;
        if (!stored.reminders.empty()) stored.reminders += u',';
        stored.reminders += kTimeWords[i].key;
    }
    stored.minutesBefore = numberText(settings.minutesBefore, Digits::ascii);
    stored.sound = settings.sound;
    return stored;
}

std::optional<PrayerPlace> typedPlace(std::u16string_view latitude, std::u16string_view longitude,
                                      std::u16string_view name) {
    const auto degrees = [](std::u16string_view text, double limit) -> std::optional<double> {
        std::u16string plain;
        if (!text.empty() && text.back() == u'\u00B0') text.remove_suffix(1);
        for (const char16_t c : text) {
            if (const std::int32_t digit = decimalDigitValue(c); digit >= 0) {
                plain += static_cast<char16_t>(u'0' + digit);
            } else if (c == u'.' || c == u',' || c == u'\u066B') {
                plain += u'.';
            } else if (c == u'-' || c == u'\u2212') {
                plain += u'-';
            } else if (c != u' ') {
                return std::nullopt;
            }
        }
        const auto value = decimal(plain);
        if (!value || std::abs(*value) > limit) return std::nullopt;
        return value;
    };
    const auto lat = degrees(latitude, 90.0), lon = degrees(longitude, 180.0);
    if (!lat || !lon) return std::nullopt;
    std::u16string named(name);
    named.erase(0, std::min(named.find_first_not_of(u' '), named.size()));
    named.erase(named.find_last_not_of(u' ') + 1);
    if (named.empty()) named = number(*lat) + u", " + number(*lon);
    return PrayerPlace{named, {*lat, *lon}, false};
}

std::optional<std::int32_t> typedMinutes(std::u16string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(u' '), text.size());
    const std::u16string_view trimmed = text.substr(start, text.find_last_not_of(u' ') + 1 - start);
    if (trimmed.empty()) return 0;
    const IntegerScan minutes = scanInteger(trimmed, DigitScripts::any);
    if (minutes.digits == 0 || minutes.negative || minutes.end != trimmed.size() || minutes.magnitude > 120)
        return std::nullopt;
    return static_cast<std::int32_t>(minutes.magnitude);
}

std::u16string cityListText(std::u16string_view persianName, std::string_view englishName, Language language) {
    const std::u16string english(englishName.begin(), englishName.end());
    return language == Language::persian ? std::u16string(persianName) + u"  (" + english + u")"
                                         : english + u"  (" + std::u16string(persianName) + u")";
}

std::u16string placeName(const PrayerPlace& place, Language language) {
    if (language == Language::persian && place.iranTime)
        if (const City* city = findCity(place.name); city != nullptr) return std::u16string(city->persianName);
    return place.name;
}

std::u16string_view prayerTimeName(PrayerTime time, Language language) {
    const TimeWords& words = kTimeWords[prayerIndex(time)];
    return language == Language::persian ? words.persian : words.english;
}

std::u16string_view prayerTimeShortName(PrayerTime time, Language language) {
    const TimeWords& words = kTimeWords[prayerIndex(time)];
    return language == Language::persian ? words.persianShort : words.english;
}

std::u16string_view prayerTimeKey(PrayerTime time) { return kTimeWords[prayerIndex(time)].key; }

std::u16string clockWords(std::int32_t minutes, Language language, DigitChoice choice) {
    const std::int32_t inDay = ((minutes % 1440) + 1440) % 1440;
    const Digits digits = chosenDigits(choice, interfaceDigits(language));
    std::u16string text = numberText(inDay / 60, digits) + u":" + numberText(inDay % 60, digits);
    if (inDay / 60 < 10) text.insert(text.begin(), numberText(0, digits)[0]);
    if (inDay % 60 < 10) text.insert(text.end() - 1, numberText(0, digits)[0]);
    return text;
}

DayPrayerTimes timesOfDay(const PrayerSettings& settings, const CivilDate& date, std::int32_t offsetMinutes) {
    return prayerTimes(settings.place.place, date, settings.place.iranTime ? kIranStandardOffsetMinutes : offsetMinutes,
                       settings.method, settings.asrAndIsha);
}

std::optional<NextPrayer> nextPrayer(const DayPrayerTimes& yesterday, const DayPrayerTimes& today,
                                     const DayPrayerTimes& tomorrow, std::int32_t nowMinutes, bool asrAndIsha) {
    // Yesterday's midnight may still be ahead in the small hours.
    if (const auto midnight = yesterday.minutes(PrayerTime::midnight); midnight && *midnight - 1440 > nowMinutes)
        return NextPrayer{PrayerTime::midnight, *midnight - 1440};
    for (const auto& [day, shift] : {std::pair{&today, 0}, std::pair{&tomorrow, 1440}}) {
        for (const PrayerTime time : kPrayerTimes) {
            if (!shownTime(time, asrAndIsha)) continue;
            const auto minutes = day->minutes(time);
            if (minutes && *minutes + shift > nowMinutes) return NextPrayer{time, *minutes + shift};
        }
    }
    return std::nullopt;
}

std::u16string nextPrayerLine(const NextPrayer& next, Language language, DigitChoice digits) {
    return std::u16string(prayerTimeName(next.time, language)) + u" " + clockWords(next.minutes, language, digits);
}

PrayerBand prayerBand(const PrayerSettings& settings, const DayPrayerTimes& times, std::u16string dayWords,
                      std::optional<PrayerTime> next, Language language, DigitChoice digits) {
    // Each piece is drawn on its own, in Persian read right to left by the paint.
    PrayerBand band{placeName(settings.place, language), std::move(dayWords), {}, language == Language::persian};
    for (const PrayerTime time : kPrayerTimes) {
        if (!shownTime(time, settings.asrAndIsha)) continue;
        const auto minutes = times.minutes(time);
        band.columns.push_back({std::u16string(prayerTimeShortName(time, language)) + (isOfficial(time) ? u"" : u"*"),
                                minutes ? clockWords(*minutes, language, digits) : u"\u2013", isOfficial(time),
                                next == time});
    }
    return band;
}

std::u16string prayerTimesWords(const PrayerSettings& settings, const DayPrayerTimes& times, Language language) {
    const std::u16string separator = language == Language::persian ? u"\u060C " : u", ";
    std::u16string words = placeName(settings.place, language) + u": ";
    bool first = true;
    for (const PrayerTime time : kPrayerTimes) {
        if (!shownTime(time, settings.asrAndIsha)) continue;
        const auto minutes = times.minutes(time);
        if (!minutes) continue;
        if (!first) words += separator;
        first = false;
        words += std::u16string(prayerTimeName(time, language)) + u" " + clockWords(*minutes, language);
    }
    return words;
}

PrayerReminders prayerReminders(const PrayerSettings& settings, const LocalTime& now, const DayPrayerTimes& yesterday,
                                const DayPrayerTimes& today, const DayPrayerTimes& tomorrow,
                                const std::vector<std::u16string>& told) {
    PrayerReminders result;
    const std::int32_t nowMinutes = now.hour * 60 + now.minute;
    const DayNumber todayNumber = gregorianToDayNumber(now.date.year, now.date.month, now.date.day);
    const auto consider = [&](const DayPrayerTimes& day, std::int32_t shift, DayNumber dayNumber) {
        for (const PrayerTime time : kPrayerTimes) {
            if (!settings.remind[prayerIndex(time)] || !shownTime(time, settings.asrAndIsha)) continue;
            const auto minutes = day.minutes(time);
            if (!minutes) continue;
            const std::int32_t at = *minutes + shift, from = at - settings.minutesBefore;
            const std::u16string key =
                dateText(Calendar::gregorian, dayNumberToGregorian(dayNumber), Language::english, DateForm::iso) +
                u" " + std::u16string(prayerTimeKey(time));
            const bool wasTold = std::find(told.begin(), told.end(), key) != told.end();
            if (!wasTold && nowMinutes >= from && nowMinutes <= at + 10) result.due.push_back({key, time, at});
            if (from > nowMinutes && (!result.nextLook || from < *result.nextLook)) result.nextLook = from;
        }
    };
    consider(yesterday, -1440, todayNumber - 1);
    consider(today, 0, todayNumber);
    consider(tomorrow, 1440, todayNumber + 1);
    return result;
}

std::vector<std::u16string> toldKeys(std::u16string_view kept) {
    std::vector<std::u16string> told;
    for (std::size_t start = 0; start < kept.size();) {
        const std::size_t end = std::min(kept.find(u'\n', start), kept.size());
        if (end > start) told.emplace_back(kept.substr(start, end - start));
        start = end + 1;
    }
    return told;
}

std::optional<PrayerBalloon> prayerBalloon(const PrayerSettings& settings, const LocalTime& now,
                                           const std::vector<PrayerReminder>& due, std::u16string_view kept,
                                           std::u16string_view soonPattern, std::u16string_view nowPattern,
                                           Language language) {
    if (due.empty()) return std::nullopt;
    const std::int32_t nowMinutes = now.hour * 60 + now.minute;
    const PrayerReminder& first = due.front();
    PrayerBalloon balloon;
    balloon.title = nextPrayerLine({first.time, first.minutes}, language);
    const std::u16string place = placeName(settings.place, language);
    balloon.text = first.minutes > nowMinutes ? withInserts(std::u16string(soonPattern),
                                                            {numberText(first.minutes - nowMinutes, language), place})
                                              : withInserts(std::u16string(nowPattern), {place});
    for (std::size_t i = 1; i < due.size(); ++i)
        balloon.text += u"\n" + nextPrayerLine({due[i].time, due[i].minutes}, language);
    // Keys of yesterday and later are worth keeping: yesterday's midnight may fall after this one.
    const std::u16string yesterday =
        dateText(Calendar::gregorian,
                 dayNumberToGregorian(gregorianToDayNumber(now.date.year, now.date.month, now.date.day) - 1),
                 Language::english, DateForm::iso);
    for (const std::u16string& key : toldKeys(kept))
        if (key.compare(0, 10, yesterday) >= 0) balloon.keptAfter += key + u"\n";
    for (const PrayerReminder& reminder : due) balloon.keptAfter += reminder.key + u"\n";
    return balloon;
}

}  // namespace velmora
