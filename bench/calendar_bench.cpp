#include <benchmark/benchmark.h>

#include "calendar/day_number.h"
#include "calendar/native_digits.h"

namespace velmora {
namespace {

// Walk a wide span so that branch prediction cannot learn a single answer.
constexpr DayNumber kSpanStart = 2299161;  // 1582-10-15
constexpr DayNumber kSpanLength = 400 * 366;

void BM_gregorianToDayNumber(benchmark::State& state) {
    std::int32_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gregorianToDayNumber(1600 + i % 400, 1 + i % 12, 1 + i % 28));
        ++i;
    }
}
BENCHMARK(BM_gregorianToDayNumber);

void BM_dayNumberToGregorian(benchmark::State& state) {
    DayNumber n = kSpanStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dayNumberToGregorian(n));
        n = n + 1 - (n + 1 - kSpanStart >= kSpanLength ? kSpanLength : 0);
    }
}
BENCHMARK(BM_dayNumberToGregorian);

void BM_jalaliToDayNumber(benchmark::State& state) {
    std::int32_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(jalaliToDayNumber(1000 + i % 500, 1 + i % 12, 1 + i % 29));
        ++i;
    }
}
BENCHMARK(BM_jalaliToDayNumber);

void BM_dayNumberToJalali(benchmark::State& state) {
    DayNumber n = kSpanStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dayNumberToJalali(n));
        n = n + 1 - (n + 1 - kSpanStart >= kSpanLength ? kSpanLength : 0);
    }
}
BENCHMARK(BM_dayNumberToJalali);

void BM_gregorianToJalali(benchmark::State& state) {
    std::int32_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gregorianToJalali(1600 + i % 400, 1 + i % 12, 1 + i % 28));
        ++i;
    }
}
BENCHMARK(BM_gregorianToJalali);

void BM_formatPersianDigits(benchmark::State& state) {
    std::int32_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(formatPersianDigits(1300 + (i++ % 200)));
}
BENCHMARK(BM_formatPersianDigits);

}  // namespace
}  // namespace velmora
