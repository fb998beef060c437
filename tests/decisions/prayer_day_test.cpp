#include "decisions/prayer_day.h"

#include <gtest/gtest.h>

#include "data/text_codec.h"

namespace velmora {
namespace {

// A day's times made up, in minutes: Fajr 05:33 … Midnight, as the window would have them.
DayPrayerTimes day(std::int32_t fajr, std::int32_t maghrib, std::int32_t midnight) {
    DayPrayerTimes times;
    const auto at = [&](PrayerTime time, std::int32_t minutes) { times.seconds[prayerIndex(time)] = minutes * 60.0; };
    at(PrayerTime::fajr, fajr);
    at(PrayerTime::sunrise, fajr + 89);
    at(PrayerTime::dhuhr, 717);
    at(PrayerTime::sunset, maghrib - 20);
    at(PrayerTime::maghrib, maghrib);
    at(PrayerTime::midnight, midnight);
    return times;
}

TEST(PrayerDay, SettingsAreKeptAndReadBack) {
    PrayerSettings settings;
    settings.place = {u"Berlin", {52.52, 13.4}, false};
    settings.method = PrayerMethod::jafari;
    settings.asrAndIsha = true;
    settings.shown = false;
    settings.remind[prayerIndex(PrayerTime::fajr)] = settings.remind[prayerIndex(PrayerTime::maghrib)] = true;
    settings.minutesBefore = 10;
    settings.sound = u"C:\\Windows\\Media\\chimes.wav";
    const StoredPrayerSettings stored = storePrayerSettings(settings);
    EXPECT_EQ(stored.place, u"52.52,13.4,Berlin");
    EXPECT_EQ(stored.reminders, u"fajr,maghrib");
    EXPECT_EQ(readPrayerSettings(stored), settings);
    // A capital by either name is the capital at the Institute's coordinates; nonsense keeps
    // the defaults (Tehran, the Institute's method, the band shown, no reminders).
    EXPECT_EQ(readPrayerSettings({u"\u062A\u0628\u0631\u06CC\u0632", u"", u"", u"", u"", u"", u""}).place.name,
              u"Tabriz");
    const PrayerSettings kept = readPrayerSettings({u"95,10,North", u"isna", u"yes", u"", u"sunrise,x", u"-5", u""});
    EXPECT_EQ(kept.place.name, u"Tehran");
    EXPECT_EQ(kept.method, PrayerMethod::institute);
    EXPECT_FALSE(kept.asrAndIsha);
    EXPECT_TRUE(kept.shown);
    EXPECT_TRUE(kept.remind[prayerIndex(PrayerTime::sunrise)]);
    EXPECT_EQ(kept.minutesBefore, 0);
    EXPECT_EQ(readPrayerSettings({u"", u"", u"", u"", u"", u"500", u""}).minutesBefore, 120);
}

// What the dialog reads of a place and minutes typed in either script.
TEST(PrayerDay, WhatIsTyped) {
    const auto berlin = typedPlace(u"\u06F5\u06F2\u066B\u06F5\u06F2", u" 13,4\u00B0", u" Berlin ");  // ۵۲٫۵۲
    ASSERT_TRUE(berlin);
    EXPECT_EQ(*berlin, (PrayerPlace{u"Berlin", {52.52, 13.4}, false}));
    EXPECT_EQ(typedPlace(u"-33.9", u"151.2", u"")->name, u"-33.9, 151.2");
    PrayerSettings sydney;
    sydney.place = *typedPlace(u"-33.9", u"151.2", u"");
    EXPECT_EQ(readPrayerSettings(storePrayerSettings(sydney)).place, sydney.place);  // its comma kept whole
    for (const auto& [lat, lon] :
         {std::pair{u"91", u"0"}, {u"0", u"-180.5"}, {u"", u"10"}, {u"1.2.3", u"4"}, {u"35N", u"51"}, {u"nan", u"1"}})
        EXPECT_FALSE(typedPlace(lat, lon, u"x")) << toUtf8(lat) << " " << toUtf8(lon);
    EXPECT_EQ(typedMinutes(u" \u06F1\u06F0 "), 10);
    EXPECT_EQ(typedMinutes(u""), 0);
    EXPECT_FALSE(typedMinutes(u"121"));
    EXPECT_FALSE(typedMinutes(u"-5"));
    EXPECT_FALSE(typedMinutes(u"5 min"));
}

// The next time after now: today's, then tomorrow's Fajr; in the small hours yesterday's
// midnight where it falls after this midnight.
TEST(PrayerDay, TheNextTime) {
    const DayPrayerTimes yesterday = day(333, 1031, 1450), today = day(334, 1031, 1392),
                         tomorrow = day(335, 1031, 1392);
    auto next = nextPrayer(yesterday, today, tomorrow, 720, false);  // 12:00
    ASSERT_TRUE(next);
    EXPECT_EQ(next->time, PrayerTime::sunset);
    EXPECT_EQ(nextPrayerLine(*nextPrayer(yesterday, today, tomorrow, 1011, false), Language::persian),
              u"\u0627\u0630\u0627\u0646 \u0645\u063A\u0631\u0628 \u06F1\u06F7:\u06F1\u06F1");  // اذان مغرب ۱۷:۱۱
    next = nextPrayer(yesterday, today, tomorrow, 1400, false);
    EXPECT_EQ(next->time, PrayerTime::fajr);
    EXPECT_EQ(next->minutes, 1440 + 335);
    next = nextPrayer(yesterday, today, tomorrow, 5, false);  // 00:05, yesterday's midnight at 00:10
    EXPECT_EQ(next->time, PrayerTime::midnight);
    EXPECT_EQ(nextPrayerLine(*next, Language::english), u"Midnight 00:10");
    EXPECT_FALSE(nextPrayer({}, {}, {}, 5, false));  // a polar day without times
}

// The band: a column a shown time, unofficial ones marked, the next one marked.
TEST(PrayerDay, TheBand) {
    PrayerSettings settings;
    DayPrayerTimes times = day(333, 1031, 1392);
    PrayerBand band = prayerBand(settings, times, u"18 Azar", PrayerTime::maghrib, Language::english);
    ASSERT_EQ(band.columns.size(), 6u);
    EXPECT_EQ(band.place, u"Tehran");
    EXPECT_EQ(band.columns[4].name, u"Maghrib");
    EXPECT_EQ(band.columns[4].time, u"17:11");
    EXPECT_TRUE(band.columns[4].next);
    EXPECT_EQ(band.columns[5].time, u"23:12");
    settings.asrAndIsha = true;
    band = prayerBand(settings, times, u"", std::nullopt, Language::persian);
    ASSERT_EQ(band.columns.size(), 8u);
    EXPECT_EQ(band.place, u"\u062A\u0647\u0631\u0627\u0646");  // تهران
    EXPECT_FALSE(band.columns[3].official);
    EXPECT_EQ(band.columns[3].time, u"\u2013");  // no Asr was reckoned: none shown, not a wrong time
    EXPECT_TRUE(band.rightToLeft);
}

// A reminder from N minutes before its time to ten minutes after, once; across a restart the
// told keys keep it from coming again.
TEST(PrayerDay, RemindersComeOnce) {
    PrayerSettings settings;
    settings.remind[prayerIndex(PrayerTime::maghrib)] = true;
    settings.minutesBefore = 10;
    const DayPrayerTimes yesterday = day(333, 1031, 1392), today = day(334, 1031, 1392),
                         tomorrow = day(335, 1031, 1392);
    const auto at = [&](std::int32_t hour, std::int32_t minute, const std::vector<std::u16string>& told) {
        return prayerReminders(settings, {{2026, 12, 9}, hour, minute, 0}, yesterday, today, tomorrow, told);
    };
    PrayerReminders early = at(16, 59, {});
    EXPECT_TRUE(early.due.empty());
    EXPECT_EQ(early.nextLook, 1021);  // 17:01, ten minutes before 17:11
    PrayerReminders due = at(17, 1, {});
    ASSERT_EQ(due.due.size(), 1u);
    EXPECT_EQ(due.due[0].key, u"2026-12-09 maghrib");
    EXPECT_EQ(due.due[0].minutes, 1031);
    EXPECT_TRUE(at(17, 5, {u"2026-12-09 maghrib"}).due.empty());  // told
    EXPECT_TRUE(at(17, 22, {}).due.empty());                      // long past
    EXPECT_EQ(at(17, 22, {}).nextLook, 1440 + 1021);              // tomorrow's
}

}  // namespace
}  // namespace velmora
