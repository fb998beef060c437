// libFuzzer target: any bytes as calendar.ini, then the reads and conversions the program
// makes. Run with ./dev fuzz (see README).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

#include "calendar/hijri.h"
#include "calendar/hijri_check.h"
#include "calendar/ini_file.h"

namespace {

std::filesystem::path scratchFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("velmora-fuzz-" + std::to_string(getpid()) + ".ini");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniFile ini = IniFile::parse(bytes);
    (void)readProfileString(ini, u"value", u"minYear", u"", 80);

    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));
    const LunarCalendarFile file(scratchFile());
    const HijriCalendar calendar{file, file.readCalendarBounds()};
    (void)checkHijriTable(file, nullptr);
    std::int32_t probe = 0;
    if (size >= 4) std::memcpy(&probe, data, 4);
    const HijriBounds& b = calendar.bounds;
    for (const DayNumber n : {probe, b.minJulianday, b.maxJulianday, b.endHijri, 2460000,
                              static_cast<DayNumber>(b.minJulianday / 2 + b.maxJulianday / 2)}) {
        const CivilDate date = dayNumberToHijri(calendar, n);
        if (date.month < 1 || date.month > 12) __builtin_trap();
        (void)hijriToDayNumber(calendar, date.year, date.month, date.day);
    }
    for (const std::int32_t mode : {0, 1, 2}) (void)clampShownYear(probe, mode, b);
    return 0;
}
