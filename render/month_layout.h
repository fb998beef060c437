// One shown month, laid out once a paint: every day of the grid with its three dates, its
// occasions and whether it is a holiday. Every renderer of the month view draws from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "calendar/language.h"
#include "occasions/occasions.h"
#include "render/palette.h"
#include "render/surface.h"

namespace velmora {

// Where a day stands: weekday column 0 (Saturday) to 6 (Friday), row 1 to 6, and the screen
// column counted from the left edge of the window.
struct DayCell {
    std::int32_t weekdayColumn = 0;
    std::int32_t row = 1;
    std::int32_t screenColumn = 0;
};

struct LaidOutDay {
    std::int32_t day = 0;  // of the shown month, from 1
    DayNumber dayNumber = 0;
    CivilDate jalali;
    CivilDate gregorian;
    std::optional<CivilDate> lunar;  // none outside the lunar table
    bool lunarPredicted = false;     // the lunar date is a prediction, not an announced month
    DayCell cell;
    DayOccasions occasions;  // with the holiday flag
};

// A laid-out day's date in one of the three calendars; none outside the lunar table.
inline std::optional<CivilDate> dateOfDay(Calendar calendar, const LaidOutDay& day) {
    switch (calendar) {
        case Calendar::jalali: return day.jalali;
        case Calendar::gregorian: return day.gregorian;
        case Calendar::hijri: break;
    }
    return day.lunar;
}

struct MonthLayout {
    Calendar mode = Calendar::jalali;
    std::int32_t year = 0;
    std::int32_t month = 1;
    DayNumber dayZero = 0;         // the day before the 1st
    std::int32_t length = 0;       // days of the month; 0 draws none
    std::int32_t firstColumn = 0;  // weekday column of the 1st
    bool rightToLeft = true;       // Saturday in the rightmost column
    std::int32_t today = 0;        // the day of this month that is today; 0 when none
    bool predicted = false;        // a lunar Hijri month (Hijri mode) that is a prediction
    std::vector<LaidOutDay> days;  // the days the grid holds, 1 onwards (rows 1 to 6)

    DayNumber first() const { return dayZero + 1; }
};

// Lays out month `month` of `year` in the mode's calendar; today is the local Gregorian date.
MonthLayout layOutMonth(const CalendarData& data, Calendar mode, std::int32_t year, std::int32_t month,
                        const CivilDate& today);

// The words a paint writes of its own, in the interface's language.
struct PanelWords {
    // The holiday panel's last line when more are left, "%s" the count: pointing to the
    // occasions list in the mode that shows its button, and without it in the others.
    std::u16string_view moreHolidays;
    bool persianDigits = false;             // for the count
    bool rightToLeft = false;               // the words read right to left
    std::u16string_view predicted;          // the header's mark of a predicted lunar month
    Language language = Language::english;  // of the weekdays' and the months' names
    std::u16string_view moreHolidaysWithoutList;
    DigitChoice digits = DigitChoice::asLanguage;  // of every number the paint writes
};

// The state a paint draws from: the laid-out month, the client area and what stands on it.
struct MonthView {
    const MonthLayout& layout;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    Rect occasionsButton{};  // where the occasions button stands, when it is shown; nothing is drawn over it
    PanelWords words{};
    std::int32_t cursorDay = 0;        // the day under the keyboard's cursor, framed while the grid has the focus
    std::int32_t focusedHoliday = -1;  // the holiday panel's line under the keyboard, framed while it has the focus
    Palette palette = kLightPalette;
};

// The layout quantities, recomputed from the client size at every paint. Every division
// truncates, in the order written.
constexpr std::int32_t cellWidth(std::int32_t w) { return ((w / 7) * 6) / 7; }
constexpr std::int32_t rowHeight(std::int32_t h) { return ((h / 24) * 15) / 6; }
constexpr std::int32_t gridLeft(std::int32_t w) { return w / 13; }
constexpr std::int32_t gridTop(std::int32_t h) { return rowHeight(h) + (h / 52) * 8 + 5; }

}  // namespace velmora
