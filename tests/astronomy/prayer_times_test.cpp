// The times of prayer against the Institute of Geophysics' published tables, and against an
// independent reckoning of the same method (astronomy-engine, by tools/make-owghat-oracle.js).
#include "astronomy/prayer_times.h"

#include "astronomy/places.h"
#include "data/text_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "test_files.h"

namespace velmora {
namespace {

struct PublishedRow {
    const char* city;
    GeoPlace place;
    CivilDate date;
    const char* times[6];  // Fajr, Sunrise, Dhuhr, Sunset, Maghrib, Midnight
};

// Rows of the Institute's 1405 tables (Iran Standard Time), at the coordinates they print.
constexpr GeoPlace kTehran{35.70, 51.42}, kMashhad{36.29, 59.62}, kTabriz{38.07, 46.29};
const PublishedRow kPublished[] = {
    {"Tehran", kTehran, {2026, 3, 21}, {"04:43", "06:07", "12:12", "18:17", "18:35", "23:29"}},
    {"Tehran", kTehran, {2026, 6, 21}, {"03:02", "04:49", "12:06", "19:23", "19:45", "23:13"}},
    {"Tehran", kTehran, {2026, 12, 9}, {"05:33", "07:02", "11:57", "16:51", "17:11", "23:12"}},
    {"Mashhad", kMashhad, {2026, 3, 21}, {"04:10", "05:34", "11:39", "17:44", "18:02", "22:56"}},
    {"Mashhad", kMashhad, {2026, 6, 21}, {"02:26", "04:14", "11:33", "18:52", "19:14", "22:39"}},
    {"Mashhad", kMashhad, {2026, 12, 9}, {"05:01", "06:31", "11:24", "16:16", "16:37", "22:39"}},
    {"Tabriz", kTabriz, {2026, 3, 21}, {"05:01", "06:27", "12:32", "18:37", "18:56", "23:48"}},
    {"Tabriz", kTabriz, {2026, 6, 21}, {"03:09", "05:02", "12:27", "19:51", "20:13", "23:30"}},
    {"Tabriz", kTabriz, {2026, 12, 9}, {"05:56", "07:29", "12:17", "17:05", "17:26", "23:31"}},
};
constexpr PrayerTime kOfficial[] = {PrayerTime::fajr,   PrayerTime::sunrise, PrayerTime::dhuhr,
                                    PrayerTime::sunset, PrayerTime::maghrib, PrayerTime::midnight};

TEST(PrayerTimes, ThePublishedRowsToTheMinute) {
    for (const PublishedRow& row : kPublished) {
        const DayPrayerTimes times =
            prayerTimes(row.place, row.date, kIranStandardOffsetMinutes, PrayerMethod::institute);
        for (std::size_t i = 0; i < 6; ++i) {
            const auto minutes = times.minutes(kOfficial[i]);
            ASSERT_TRUE(minutes) << row.city;
            EXPECT_EQ(clockText(*minutes), row.times[i])
                << row.city << " " << row.date.year << "-" << row.date.month << "-" << row.date.day << " time " << i
                << " at " << *times.at(kOfficial[i]) / 60.0;
        }
    }
}

// The capitals are those of the Institute's tables, found by either name however typed.
TEST(Places, TheCapitalsAndTheirNames) {
    std::istringstream table(readBytes(sourceFile("tools/data/iran-capitals.tsv")));
    std::string line;
    std::getline(table, line);
    std::size_t i = 0;
    for (; std::getline(table, line); ++i) {
        std::istringstream fields(line);
        std::string english, persian;
        GeoPlace place;
        std::getline(fields, english, '\t');
        std::getline(fields, persian, '\t');
        fields >> place.latitude >> place.longitude;
        ASSERT_LT(i, kIranCapitals.size());
        const City& city = kIranCapitals[i];
        EXPECT_EQ(city.englishName, english);
        EXPECT_EQ(city.persianName, fromUtf8(persian));
        EXPECT_EQ(city.place.latitude, place.latitude);
        EXPECT_EQ(city.place.longitude, place.longitude);
    }
    EXPECT_EQ(i, kIranCapitals.size());
    EXPECT_EQ(findCity(u"tehran"), findCity(u"\u062A\u0647\u0631\u0627\u0646"));
    ASSERT_NE(findCity(u"BANDAR ABBAS"), nullptr);
    EXPECT_EQ(findCity(u"\u062E\u0631\u0645 \u0622\u0628\u0627\u062F"),
              findCity(u"Khorramabad"));                                          // a blank for the ZWNJ
    EXPECT_EQ(findCity(u"\u06A9\u0631\u062C"), findCity(u"\u0643\u0631\u062C"));  // Arabic kaf
    EXPECT_EQ(findCity(u"Tehrn"), nullptr);
    EXPECT_EQ(nearestCityNames(u"Tehrn", 1).front(), "Tehran");
    EXPECT_EQ(nearestCityNames(u"Kermansha", 2), (std::vector<std::string_view>{"Kermanshah", "Kerman"}));
    EXPECT_EQ(citiesMatching(u"").size(), 31u);
    const auto kerman = citiesMatching(u"\u06A9\u0631\u0645\u0627\u0646");  // کرمان: Kerman and Kermanshah
    ASSERT_EQ(kerman.size(), 2u);
    EXPECT_EQ(citiesMatching(u"shah").size(), 2u);  // Kermanshah and Shahrekord
}

// A half minute rounds up, as the tables round; a tenth less rounds down.
TEST(PrayerTimes, RoundedToTheNearestMinute) {
    DayPrayerTimes times;
    times.seconds[prayerIndex(PrayerTime::fajr)] = 5 * 3600 + 33 * 60 + 30.0;
    times.seconds[prayerIndex(PrayerTime::dhuhr)] = 12 * 3600 + 29.9;
    times.seconds[prayerIndex(PrayerTime::midnight)] = 24 * 3600 + 14 * 60 + 40.0;  // past midnight
    EXPECT_EQ(clockText(*times.minutes(PrayerTime::fajr)), "05:34");
    EXPECT_EQ(clockText(*times.minutes(PrayerTime::dhuhr)), "12:00");
    EXPECT_EQ(clockText(*times.minutes(PrayerTime::midnight)), "00:15");
    EXPECT_FALSE(times.minutes(PrayerTime::sunset));
}

// Midnight is halfway from the day's sunset to the next morning's Fajr, across a month's end
// and across Nowruz, and the next day's own reckoning of that Fajr agrees.
TEST(PrayerTimes, MidnightReachesIntoTheNextDay) {
    for (const CivilDate date : {CivilDate{2026, 4, 20}, CivilDate{2027, 3, 20}, CivilDate{2026, 12, 31}}) {
        const DayPrayerTimes today = prayerTimes(kTehran, date, kIranStandardOffsetMinutes, PrayerMethod::institute);
        const DayNumber next = gregorianToDayNumber(date.year, date.month, date.day) + 1;
        const DayPrayerTimes tomorrow =
            prayerTimes(kTehran, dayNumberToGregorian(next), kIranStandardOffsetMinutes, PrayerMethod::institute);
        const double expected = (*today.at(PrayerTime::sunset) + *tomorrow.at(PrayerTime::fajr) + 86400.0) / 2.0;
        EXPECT_NEAR(*today.at(PrayerTime::midnight), expected, 0.05) << date.month << "-" << date.day;
    }
}

// Where the Sun never comes down to an event's angle there is none of it, and no midnight
// without the next Fajr: never a wrong time. At 66° north in June the Sun's centre stays above
// −0.6°, so neither Fajr nor sunset comes; at 60° it sets, but no Fajr follows.
TEST(PrayerTimes, NoneWhereTheSunDoesNotComeThere) {
    const DayPrayerTimes north66 = prayerTimes({66.0, 25.0}, {2026, 6, 21}, 180, PrayerMethod::institute, true);
    for (const PrayerTime none : {PrayerTime::fajr, PrayerTime::sunrise, PrayerTime::sunset, PrayerTime::maghrib,
                                  PrayerTime::isha, PrayerTime::midnight})
        EXPECT_FALSE(north66.at(none)) << static_cast<int>(none);
    EXPECT_TRUE(north66.at(PrayerTime::dhuhr) && north66.at(PrayerTime::asr));
    const DayPrayerTimes north60 = prayerTimes({60.0, 25.0}, {2026, 6, 21}, 180, PrayerMethod::institute);
    EXPECT_TRUE(north60.at(PrayerTime::sunrise) && north60.at(PrayerTime::sunset));
    EXPECT_FALSE(north60.at(PrayerTime::fajr));
    EXPECT_FALSE(north60.at(PrayerTime::midnight));
    const DayPrayerTimes polarNight = prayerTimes({70.0, 25.0}, {2026, 12, 21}, 120, PrayerMethod::institute);
    EXPECT_FALSE(polarNight.at(PrayerTime::sunrise));
    EXPECT_TRUE(polarNight.at(PrayerTime::fajr));  // the twilight still comes
}

// The Jafari method's smaller angles: a later Fajr and an earlier Maghrib than the Institute's.
TEST(PrayerTimes, TheJafariMethod) {
    const DayPrayerTimes institute =
        prayerTimes(kTehran, {2026, 12, 9}, kIranStandardOffsetMinutes, PrayerMethod::institute);
    const DayPrayerTimes jafari = prayerTimes(kTehran, {2026, 12, 9}, kIranStandardOffsetMinutes, PrayerMethod::jafari);
    EXPECT_GT(*jafari.at(PrayerTime::fajr), *institute.at(PrayerTime::fajr) + 300);
    EXPECT_LT(*jafari.at(PrayerTime::maghrib), *institute.at(PrayerTime::maghrib));
    EXPECT_EQ(jafari.minutes(PrayerTime::sunrise), institute.minutes(PrayerTime::sunrise));
}

// Tehran on 23 Azar 1394, whose Fajr the Institute published as 5:36.
TEST(PrayerTimes, AnOlderPublishedDay) {
    const DayPrayerTimes times =
        prayerTimes(kTehran, {2015, 12, 14}, kIranStandardOffsetMinutes, PrayerMethod::institute);
    EXPECT_EQ(clockText(*times.minutes(PrayerTime::fajr)), "05:36");
}

// Every row of tools/data/owghat-oracle.tsv (the 31 capitals, every 211th day of 1300 to 1500)
// within two seconds of astronomy-engine's reckoning, each time and midnight from them; or of
// the table VELMORA_OWGHAT_ORACLE names (bench/owghat-vs-astronomy-engine.sh: every day).
TEST(PrayerTimes, WithinTwoSecondsOfAnIndependentReckoning) {
    std::map<std::string, GeoPlace> capitals;
    for (const City& city : kIranCapitals) capitals[std::string(city.englishName)] = city.place;
    std::string line;
    const char* other = std::getenv("VELMORA_OWGHAT_ORACLE");
    std::ifstream oracle(other != nullptr ? std::filesystem::path(other) : sourceFile("tools/data/owghat-oracle.tsv"));
    ASSERT_TRUE(oracle.is_open());
    constexpr PrayerTime kColumns[] = {PrayerTime::fajr,   PrayerTime::sunrise, PrayerTime::dhuhr,
                                       PrayerTime::sunset, PrayerTime::maghrib, PrayerTime::isha};
    double worst = 0.0;
    std::string worstAt;
    std::size_t rows = 0;
    while (std::getline(oracle, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string city, date, cell;
        std::getline(fields, city, '\t');
        std::getline(fields, date, '\t');
        ASSERT_TRUE(capitals.contains(city)) << city;
        const CivilDate day{std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)), std::stoi(date.substr(8, 2))};
        const DayPrayerTimes ours =
            prayerTimes(capitals[city], day, kIranStandardOffsetMinutes, PrayerMethod::institute, true);
        std::optional<double> theirs[7];
        for (auto& value : theirs) {
            std::getline(fields, cell, '\t');
            if (cell != "-") value = std::stod(cell);
        }
        const auto compare = [&](const std::optional<double>& a, const std::optional<double>& b, const char* what) {
            ASSERT_EQ(a.has_value(), b.has_value()) << city << " " << date << " " << what;
            if (!a) return;
            const double difference = std::abs(*a - *b);
            if (difference > worst) {
                worst = difference;
                worstAt = city + " " + date + " " + what;
            }
        };
        for (std::size_t i = 0; i < 6; ++i) compare(ours.at(kColumns[i]), theirs[i], "time");
        std::optional<double> midnight;
        if (theirs[3] && theirs[6]) midnight = (*theirs[3] + *theirs[6]) / 2.0;
        compare(ours.at(PrayerTime::midnight), midnight, "midnight");
        ++rows;
    }
    EXPECT_GE(rows, 10000u);
    EXPECT_LE(worst, 2.0) << worstAt;
    std::printf("# the largest difference from astronomy-engine: %.2f s (%s)\n", worst, worstAt.c_str());
}

}  // namespace
}  // namespace velmora
