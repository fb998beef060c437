#include <benchmark/benchmark.h>

#include "occasions/calendar_files.h"

namespace velmora {
namespace {

// isHoliday over the shipped files, unchanged between calls, as during a paint.
void BM_isHoliday(benchmark::State& state) {
    const CalendarFiles files{std::filesystem::path(VELMORA_DATA_DIR)};
    std::int32_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(isHoliday(files.data(), 1400 + i % 8, 1 + i % 12, 1 + i % 29));
        ++i;
    }
}
BENCHMARK(BM_isHoliday);

}  // namespace
}  // namespace velmora
