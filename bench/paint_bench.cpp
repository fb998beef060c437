#include <benchmark/benchmark.h>

#include "decisions/prayer_day.h"
#include "occasions/calendar_files.h"
#include "render/main_paint.h"
#include "render/prayer_band.h"
#include "render/recording_surface.h"

namespace velmora {
namespace {

// One whole repaint of a display mode's view (strip, grid, companions, holiday panel) with
// the shipped calendar.ini and events.ini, through the recording surface. The files are
// looked at once per paint, as the window does, and parsed only once while unchanged. With a
// second argument of 1, the band of times under it too, the shown day's times reckoned afresh
// each time (a month step finds no day it reckoned before): what the band adds to a paint.
void BM_repaint(benchmark::State& state) {
    CalendarFiles files{std::filesystem::path(VELMORA_DATA_DIR)};
    const auto mode = static_cast<Calendar>(state.range(0));
    const bool band = state.range(1) != 0;
    const PrayerSettings settings;
    Recording recording;
    RecordingSurfaceFactory surfaces(recording);
    std::int32_t month = 0;
    for (auto _ : state) {
        files.refresh();
        recording.calls.clear();
        recording.surfacesOpened = 0;
        // A different month each time, through a year of the current era.
        const DayNumber shown = gregorianToDayNumber(2025, 1 + month % 12, 15);
        const CivilDate date = dayNumberToDate(mode, files.data().hijri(), shown);
        const MonthLayout layout = layOutMonth(files.data(), mode, date.year, date.month, {2025, 3, 5});
        paintDisplayMode(surfaces, MonthView{layout, 393, 509});
        if (band) {
            const DayPrayerTimes times = timesOfDay(settings, dayNumberToGregorian(shown), kIranStandardOffsetMinutes);
            drawPrayerBand(*surfaces.open(),
                           prayerBand(settings, times, u"15 Dey", PrayerTime::maghrib, Language::english), 393, 529);
        }
        benchmark::DoNotOptimize(recording.calls.size());
        ++month;
    }
    state.counters["parses"] = files.calendarSource().parseCount() + files.eventsSource().parseCount();
    state.counters["calls"] = static_cast<double>(recording.calls.size());
}
BENCHMARK(BM_repaint)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->ArgNames({"mode", "band"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
