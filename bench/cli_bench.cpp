#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "calendar/day_number.h"
#include "cli/commands.h"

namespace velmora {
namespace {

// A stream that throws away what it is given, like output sent to /dev/null.
class NullBuffer : public std::streambuf {
  protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int overflow(int c) override { return c; }
};

// count day numbers that cycle through span days from first.
std::string dayNumberLines(std::int32_t count, DayNumber first, std::int32_t span) {
    std::string lines;
    for (std::int32_t i = 0; i < count; ++i) lines += std::to_string(first + i % span) + '\n';
    return lines;
}

// The converter on a million day numbers in one process, as `velmora-cli convert --from jdn`.
void BM_cliConvertMillionDayNumbers(benchmark::State& state) {
    const std::string input = dayNumberLines(1000000, gregorianToDayNumber(1883, 1, 1), 290 * 365);
    NullBuffer sink;
    std::ostream out(&sink), err(&sink);
    for (auto _ : state) {
        std::istringstream in(input);
        const int status = cli::run({"convert", "--from", "jdn"}, in, out, err, VELMORA_DATA_DIR);
        if (status != 0) state.SkipWithError("conversion failed");
    }
}
BENCHMARK(BM_cliConvertMillionDayNumbers)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora
