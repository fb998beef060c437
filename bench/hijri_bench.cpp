#include <benchmark/benchmark.h>

#include "calendar/hijri.h"
#include "occasions/calendar_files.h"

namespace velmora {
namespace {

// The shipped calendar.ini, unchanged between calls, as during a paint.
struct ShippedCalendar {
    CalendarFiles files{std::filesystem::path(VELMORA_DATA_DIR)};
    HijriCalendar calendar = files.data().hijri();
};

void BM_dayNumberToHijri(benchmark::State& state) {
    const ShippedCalendar shipped;
    const HijriBounds& b = shipped.calendar.bounds;
    DayNumber n = b.minJulianday + 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dayNumberToHijri(shipped.calendar, n));
        n = n + 7919 > b.maxJulianday ? b.minJulianday + 1 + (n % 7919) : n + 7919;
    }
}
BENCHMARK(BM_dayNumberToHijri);

void BM_hijriToDayNumber(benchmark::State& state) {
    const ShippedCalendar shipped;
    std::int32_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hijriToDayNumber(shipped.calendar, 1265 + i % 336, 1 + i % 12, 1 + i % 29));
        ++i;
    }
}
BENCHMARK(BM_hijriToDayNumber);

// What a paint pays to learn whether calendar.ini or events.ini changed.
void BM_refreshUnchangedCalendarIni(benchmark::State& state) {
    ShippedCalendar shipped;
    for (auto _ : state) benchmark::DoNotOptimize(shipped.files.refresh());
}
BENCHMARK(BM_refreshUnchangedCalendarIni);

}  // namespace
}  // namespace velmora
