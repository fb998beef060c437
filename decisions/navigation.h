// Which month each navigation step leads to: the month buttons, the month boxes, the year
// box with Enter, the year arrows and "Go To Today". Pure functions over the shown date; the
// window reads the controls, calls these and repaints.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_number.h"
#include "occasions/occasions.h"

namespace velmora {

// What navigation reads and changes of the program state.
struct NavigationState {
    Calendar displayMode = Calendar::jalali;
    CivilDate shown;              // always Gregorian
    std::int32_t pickedYear = 0;  // the year last read by a month-box selection
    std::int32_t pickedMonth = 1;
    std::int32_t startDay = 1;  // the day of the month the program started on

    friend bool operator==(const NavigationState&, const NavigationState&) = default;
};

struct NavigationContext {
    const CalendarData& data;
    CivilDate today;  // the local Gregorian date of this message
};

// The number typed in the year box: leading blanks, an optional sign, then decimal digits of
// any script the paint writes and more (ASCII, Arabic-Indic, Persian, the Indic scripts,
// Thai, Lao, Tibetan, Myanmar, Khmer, Mongolian, full-width). Only the first 8 characters
// count, as the box is read into 9; no digit reads as 0.
std::int32_t readYearEdit(std::u16string_view text);

// The month (1 to 12) whose name of the mode equals the combo box's text, Solar Hijri names
// with their trailing blank; 0 when none does.
std::int32_t findMonthIndex(std::u16string_view comboText, Calendar displayMode);

// The names of a display mode's month box, indexed 1 to 12.
const std::u16string_view* monthNamesOfMode(Calendar displayMode);

// Pulls a Gregorian year into the span the display mode can show: -4379 to 3621 in the
// Jalali and Miladi modes; in Hijri mode from the year of minJulianday to one below the year
// of maxJulianday.
std::int32_t clampShownYear(std::int32_t year, Calendar displayMode, const HijriBounds& bounds);

// Keeps the shown date where the mode can show a whole month: inside the span every mode
// shows and, in Hijri mode with a lunar table, inside the table (the nearest month of it). Without
// a table Hijri mode shows the tabular calendar.
void keepShownDateInSpan(NavigationState& state, const NavigationContext& context);

// What the controls show of the shown month: the year in the mode's digits, and the month as
// the index (month - 1) of the mode's month box.
struct MonthControls {
    std::u16string yearText;
    std::int32_t monthIndex = 0;

    friend bool operator==(const MonthControls&, const MonthControls&) = default;
};
MonthControls monthControls(const NavigationState& state, const NavigationContext& context);

// The buttons and boxes: typedYear is readYearEdit of the year box, month the
// findMonthIndex of the mode's box (0, no name, stands for the shown month).
void showNextMonth(NavigationState& state, const NavigationContext& context, std::int32_t typedYear,
                   std::int32_t month);
void showPreviousMonth(NavigationState& state, const NavigationContext& context, std::int32_t typedYear,
                       std::int32_t month);
void selectMonth(NavigationState& state, const NavigationContext& context, std::int32_t typedYear, std::int32_t month);
// Enter in the year box.
void confirmYear(NavigationState& state, const NavigationContext& context, std::int32_t typedYear, std::int32_t month);
// The up-down arrows: iDelta -1 is one year on, +1 one year back; others do nothing.
void stepYear(NavigationState& state, const NavigationContext& context, std::int32_t delta);
void goToToday(NavigationState& state, const NavigationContext& context);

// The tooltips of the month buttons: the names of the next and the previous month.
struct MonthButtonTips {
    std::u16string next;
    std::u16string previous;
};
MonthButtonTips monthButtonTips(const NavigationState& state, const NavigationContext& context,
                                std::u16string_view jalaliComboText);

inline constexpr std::u16string_view kAllOccasionsTip =
    u"\u0646\u0645\u0627\u06CC\u0634 \u062A\u0645\u0627\u0645\u06CC "
    u"\u0645\u0646\u0627\u0633\u0628\u062A\u0647\u0627\u06CC \u0645\u0627\u0647";

}  // namespace velmora
