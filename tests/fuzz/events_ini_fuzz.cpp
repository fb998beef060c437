// libFuzzer target: any bytes as events.ini beside the shipped calendar.ini, then the
// lookups a paint makes and the check a maintainer runs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

#include "occasions/occasions.h"
#include "occasions/occasions_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / ("velmora-fuzz-events-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        std::filesystem::copy_file(std::filesystem::path(VELMORA_DATA_DIR) / "calendar.ini", path / "calendar.ini",
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }();
    std::ofstream(folder / "events.ini", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const CalendarFiles files(folder);
    (void)checkOccasions(files.events, nullptr);
    for (std::int32_t month = 1; month <= 12; ++month) {
        for (std::int32_t day = 1; day <= 31; day += 3) {
            if (isHoliday(files, 1405, month, day) > 1) __builtin_trap();
            const Occasion occasion = files.events.read(occasionSectionName(0, month), day);
            if (occasion.text.size() >= kOccasionBufferSize) __builtin_trap();
            (void)occasion.words();
        }
    }
    return 0;
}
