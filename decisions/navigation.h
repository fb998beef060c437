// Which month the window shows, and where each navigation step leads: the month buttons,
// the month boxes, the year box with Enter, the year arrows, "Go To Today" and the modes.
// Pure functions over the shown month; the window calls them, writes its boxes from the
// answer and repaints.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "decisions/language.h"
#include "occasions/occasions.h"

namespace velmora {

// The month the window shows, in the display mode's own calendar, and the day of it that a
// change of mode keeps.
struct ShownMonth {
    Calendar mode = Calendar::jalali;
    std::int32_t year = 0;
    std::int32_t month = 1;
    std::int32_t day = 1;

    friend bool operator==(const ShownMonth&, const ShownMonth&) = default;
};

struct NavigationContext {
    const CalendarData& data;
    CivilDate today;            // the local Gregorian date
    std::int32_t startDay = 1;  // the Gregorian day of the month the program started on
};

// The month of a mode's calendar that holds day n, with n as its day.
ShownMonth monthHolding(Calendar mode, const CalendarData& data, DayNumber n);
// The day number of the shown month's day.
DayNumber shownDayNumber(const ShownMonth& shown, const CalendarData& data);

// The days a mode may show: Hijri mode those of its table up to endHijri, which the checks
// of calendar.ini keep inside the table; the others the supported span.
struct DaySpan {
    DayNumber first = kFirstShownDay;
    DayNumber last = kLastShownDay;
};
DaySpan daySpanOf(Calendar mode, const CalendarData& data);

// Hijri mode shows the lunar table's months and needs a table; the other modes always can.
bool modeAvailable(Calendar mode, const CalendarData& data);

// Keeps the shown month where its mode can show it: every mode within the supported span
// (Gregorian -4379-01-01 to 3621-12-31), Hijri mode within its table, up to the month of
// endHijri. A month past an end becomes the month at that end; Hijri mode without a table
// becomes Jalali mode.
ShownMonth keepInSpan(ShownMonth shown, const NavigationContext& context);

// The month buttons. The day kept is the 1st in Jalali mode, else the day the program
// started on (the month's last when it has fewer days).
ShownMonth nextMonth(const ShownMonth& shown, const NavigationContext& context);
ShownMonth previousMonth(const ShownMonth& shown, const NavigationContext& context);
// A month (1 to 12) picked in the month box, in the shown year.
ShownMonth pickMonth(const ShownMonth& shown, const NavigationContext& context, std::int32_t month);
// Enter in the year box: the shown month of the typed year, on today's day of the month.
ShownMonth enterYear(const ShownMonth& shown, const NavigationContext& context, std::int32_t year);
// The years a mode shows, first to last: a year typed outside them is said to be so, not
// replaced by the month at the nearer end.
struct YearSpan {
    std::int32_t first = 0;
    std::int32_t last = 0;

    bool holds(std::int32_t year) const { return year >= first && year <= last; }
};
YearSpan yearSpanOf(Calendar mode, const CalendarData& data);
// The span in the interface's words and digits: "-5000 to 3000", "-۵۰۰۰ تا ۳۰۰۰".
std::u16string yearSpanText(const YearSpan& span, Language language);
// The up-down arrows: iDelta -1 is one year on, +1 one year back; others do nothing.
ShownMonth stepYear(const ShownMonth& shown, const NavigationContext& context, std::int32_t delta);
// Today's month in a mode.
ShownMonth todayMonth(Calendar mode, const NavigationContext& context);
// The month of another mode's calendar that holds the shown day; an unavailable mode is not taken.
ShownMonth changeMode(const ShownMonth& shown, const NavigationContext& context, Calendar mode);

// The number typed in the year box: leading blanks, an optional sign, then decimal digits of
// any script the paint writes and more (ASCII, Arabic-Indic, Persian, the Indic scripts,
// Thai, Lao, Tibetan, Myanmar, Khmer, Mongolian, full-width). Only the first 8 characters
// count, as the box is read into 9. Nothing when no digit follows.
std::optional<std::int32_t> readYearEdit(std::u16string_view text);

// What the controls show of the shown month: the year in the mode's digits (in Persian digits
// in the Persian interface, or the chosen ones), and the month as the index (month - 1) of the
// mode's month box.
struct MonthControls {
    std::u16string yearText;
    std::int32_t monthIndex = 0;

    friend bool operator==(const MonthControls&, const MonthControls&) = default;
};
MonthControls monthControls(const ShownMonth& shown, Language language = Language::english,
                            DigitChoice digits = DigitChoice::asLanguage);

// The tooltips of the month buttons: the names of the next and the previous month, as the
// month box of the interface's language lists them.
struct MonthButtonTips {
    std::u16string next;
    std::u16string previous;

    friend bool operator==(const MonthButtonTips&, const MonthButtonTips&) = default;
};
MonthButtonTips monthButtonTips(const ShownMonth& shown, Language language = Language::english);

// A month's name as the month box of the interface's language lists it: in Latin letters in
// English ("Azar", "Rajab"), in Persian letters (the Gregorian months too) in Persian.
std::u16string monthBoxName(Calendar calendar, std::int32_t month, Language language);

}  // namespace velmora
