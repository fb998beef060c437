// libFuzzer target: any bytes as events.ini beside the shipped calendar.ini, then the
// lookups a paint makes and the check a maintainer runs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

#include "occasions/occasions.h"
#include "occasions/occasions_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    static const std::string calendarIni = [] {
        std::ifstream in(std::filesystem::path(VELMORA_DATA_DIR) / "calendar.ini", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    const IniFile events = IniFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const CalendarData files(IniFile::parse(calendarIni), std::make_shared<const IniFile>(events));
    (void)checkOccasions(events, nullptr);
    for (std::int32_t month = 1; month <= 12; ++month) {
        for (std::int32_t day = 1; day <= 31; day += 3) {
            (void)isHoliday(files, 1405, month, day);
            const Occasion occasion = files.events.read(occasionSectionName(Calendar::jalali, month), day);
            if (occasion.text.size() >= kOccasionBufferSize) __builtin_trap();
            (void)occasion.words();
        }
    }
    return 0;
}
