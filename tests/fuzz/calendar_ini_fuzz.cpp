// libFuzzer target: any bytes as calendar.ini (and as events.ini), then the reads and
// conversions the program makes, the navigation and a paint of every mode with its holiday
// scan, on the table as it stands, unchecked. Run with ./dev fuzz (see README).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "calendar/hijri.h"
#include "calendar/hijri_check.h"
#include "data/ini_file.h"
#include "decisions/navigation.h"
#include "render/main_paint.h"
#include "render/recording_surface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniFile ini = IniFile::parse(bytes);
    (void)readProfileString(ini, u"value", u"minYear", u"", 80);

    const LunarTable file(ini);
    const HijriCalendar calendar{file, file.bounds()};
    (void)checkHijriTable(ini, nullptr);
    std::int32_t probe = 0;
    if (size >= 4) std::memcpy(&probe, data, 4);
    const HijriBounds& b = calendar.bounds;
    for (const DayNumber n : {probe, b.minJulianday, b.maxJulianday, b.endHijri, 2460000,
                              static_cast<DayNumber>(b.minJulianday / 2 + b.maxJulianday / 2)}) {
        const CivilDate date = dayNumberToHijri(calendar, n);
        if (date.month < 1 || date.month > 12) __builtin_trap();
        (void)hijriToDayNumber(calendar, date.year, date.month, date.day);
    }

    const CalendarData files(ini, std::make_shared<const IniFile>(ini));
    Recording recording;
    RecordingSurfaceFactory surfaces(recording);
    for (const Calendar mode : kCalendars) {
        for (const DayNumber n : {probe, firstDayOfLunarTable(b), b.maxJulianday, b.endHijri, 2460000}) {
            const NavigationContext context{files, {2025, 3, 5}, 5};
            ShownMonth shown =
                keepInSpan(monthHolding(mode, files, std::clamp(n, kFirstShownDay, kLastShownDay)), context);
            shown = nextMonth(enterYear(shown, context, probe), context);
            (void)monthControls(shown);
            const MonthLayout layout = layOutMonth(files, shown.mode, shown.year, shown.month, context.today);
            paintDisplayMode(surfaces, MonthView{layout, 393, 509});
            recording.calls.clear();
        }
    }
    return 0;
}
