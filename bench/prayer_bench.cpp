#include <benchmark/benchmark.h>

#include "astronomy/places.h"
#include "astronomy/prayer_times.h"

namespace velmora {
namespace {

// A year of the six official times for the 31 provincial capitals: the Sun reckoned once a
// day for all of them, as velmora-cli owghat and the window do.
void BM_aYearOfTimesForTheCapitals(benchmark::State& state) {
    const DayNumber first = jalaliToDayNumber(1405, 1, 1);
    for (auto _ : state) {
        for (DayNumber n = first; n < first + 365; ++n) {
            const SolarDay day(n - 0.5);
            for (const City& city : kIranCapitals)
                benchmark::DoNotOptimize(
                    prayerTimes(day, city.place, kIranStandardOffsetMinutes, PrayerMethod::institute));
        }
    }
}
BENCHMARK(BM_aYearOfTimesForTheCapitals)->Unit(benchmark::kMillisecond);

// One day at one place from nothing, as the window shows a day.
void BM_aDayAtOnePlace(benchmark::State& state) {
    DayNumber n = jalaliToDayNumber(1405, 1, 1);
    for (auto _ : state) {
        const CivilDate date = dayNumberToGregorian(n++);
        benchmark::DoNotOptimize(
            prayerTimes(kIranCapitals[26].place, date, kIranStandardOffsetMinutes, PrayerMethod::institute, true));
    }
}
BENCHMARK(BM_aDayAtOnePlace)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
