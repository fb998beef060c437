// The portable half of "My Days…": a day as the dialog lists it, what the user typed read as a
// day, where a double-click on the grid leads, and which reminders are due.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "decisions/day_change.h"
#include "decisions/language.h"
#include "occasions/occasions.h"
#include "render/month_layout.h"

namespace velmora {

// "Solar Hijri\t30 Esfand\tOur anniversary\tday off" (the calendar's name and the word for a
// day off from the words); each column reads right to left in Persian.
std::u16string myDayRowText(const MyDay& day, Language language, std::u16string_view calendarName,
                            std::u16string_view dayOffWord);
// The day and its month: "30 Esfand", "۳۰ اسفند".
std::u16string myDayDate(const MyDay& day, Language language);

// The days as the dialog lists them: by calendar, then month and day, then text.
std::vector<MyDay> inDateOrder(std::vector<MyDay> days);
// The first of the days that falls on day n (a double-click on a day of the user's opens it).
std::optional<std::size_t> firstMyDayOn(const std::vector<MyDay>& days, const HijriCalendar& hijri, DayNumber n);
// Whether a character typed into the day's box is taken: a digit of any script, or a key
// such as Backspace.
bool takenInDayBox(char16_t c);

// The dialog's fields read as a day: calendar 0 to 2, month 1 to 12, the day as typed (in
// any script's digits) and the text. The problem is 0 for none, else which: no text, or a
// day the month never has.
enum class MyDayProblem { none, noText, noSuchDay };
struct MyDayForm {
    MyDay day;
    MyDayProblem problem = MyDayProblem::none;
};
MyDayForm readMyDayForm(std::int32_t calendar, std::int32_t month, std::u16string_view dayText,
                        std::u16string_view text, bool dayOff);

// Whether the day comes on its own date every year (not 30 Esfand, 29 February or the 30th of
// a lunar month, which in shorter years come on the month's last day).
bool comesEveryYear(const MyDay& day);

// The day of the shown month under a point of the client area, for a double-click; none off
// the grid's days.
std::optional<DayNumber> dayAtPoint(const MonthLayout& layout, std::int32_t clientWidth, std::int32_t clientHeight,
                                    std::int32_t x, std::int32_t y);

// The reminders due now: the user's own days of today, and from 18:00 (when asked) those of
// tomorrow, each once: `told` holds the keys of those already given.
struct DueReminder {
    std::u16string key;  // "2026-12-09 TEXT", or with " (eve)" for the evening before
    PersonalDay day;
    bool tomorrow = false;
};
std::vector<DueReminder> dueReminders(const CalendarData& data, const LocalTime& now, bool eveningBefore,
                                      const std::vector<std::u16string>& told);

// The balloon that reminds of the due days, and what to keep as told once it is shown.
struct ReminderBalloon {
    bool today = true;         // titled with today's word, else with tomorrow's
    std::u16string text;       // a line a day; tomorrow's under today's title marked with its word
    std::u16string keptAfter;  // the told keys of today and later, a line each, with the new ones
};
// From the told keys as kept (a line each); none when nothing is due.
std::optional<ReminderBalloon> reminderBalloon(const CalendarData& data, const LocalTime& now, bool eveningBefore,
                                               std::u16string_view kept, std::u16string_view tomorrowWord);

}  // namespace velmora
