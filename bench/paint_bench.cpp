#include <benchmark/benchmark.h>

#include "occasions/calendar_files.h"
#include "render/main_paint.h"
#include "render/recording_surface.h"

namespace velmora {
namespace {

// One whole repaint of a display mode's view (strip, grid, companions, holiday panel) with
// the shipped calendar.ini and events.ini, through the recording surface. The files are
// looked at once per paint, as the window does, and parsed only once while unchanged.
void BM_repaint(benchmark::State& state) {
    CalendarFiles files{std::filesystem::path(VELMORA_DATA_DIR)};
    const auto mode = static_cast<Calendar>(state.range(0));
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
        benchmark::DoNotOptimize(recording.calls.size());
        ++month;
    }
    state.counters["parses"] = files.calendarSource().parseCount() + files.eventsSource().parseCount();
    state.counters["calls"] = static_cast<double>(recording.calls.size());
}
BENCHMARK(BM_repaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
