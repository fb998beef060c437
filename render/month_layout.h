// What the renderers of the month view read, and the layout they share.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/day_number.h"
#include "occasions/occasions.h"
#include "render/surface.h"

namespace velmora {

// The state a paint draws from: the shown date is always Gregorian; each renderer draws the
// month of its own calendar that contains it.
struct MonthView {
    const CalendarData& data;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    CivilDate shown;         // Gregorian
    CivilDate today;         // the local Gregorian date
    Rect occasionsButton{};  // where the occasions button stands, when it is shown; nothing is drawn over it
};

// The layout quantities, recomputed from the client size at every paint. Every division
// truncates, in the order written.
constexpr std::int32_t cellWidth(std::int32_t w) { return ((w / 7) * 6) / 7; }
constexpr std::int32_t rowHeight(std::int32_t h) { return ((h / 24) * 15) / 6; }
constexpr std::int32_t gridLeft(std::int32_t w) { return w / 13; }
constexpr std::int32_t gridTop(std::int32_t h) { return rowHeight(h) + (h / 52) * 8 + 5; }

// The month of a display mode's calendar that contains the shown date, and where its days go.
struct PrimaryMonth {
    std::int32_t year = 0;
    std::int32_t month = 1;
    DayNumber dayZero = 0;         // the day before the 1st
    std::int32_t length = 0;       // days; 0 draws none
    std::int32_t firstColumn = 0;  // weekday column of the 1st: 0 Saturday ... 6 Friday
    bool rightToLeft = true;       // Saturday in the rightmost column

    DayNumber first() const { return dayZero + 1; }
};

PrimaryMonth primaryMonth(const MonthView& view, Calendar mode);

// Where day d of a primary month stands: weekday column c, row 1 to 6 (7 and more are not
// drawn), screen column k counted from the left edge of the window.
struct DayCell {
    std::int32_t weekdayColumn = 0;
    std::int32_t row = 1;
    std::int32_t screenColumn = 0;
};
DayCell dayCell(const PrimaryMonth& month, std::int32_t day);

// The days a grid can hold: rows 1 to 6 take 42 - firstColumn of them.
std::int32_t drawableDays(const PrimaryMonth& month);

}  // namespace velmora
