// The date converter's answers and the copy commands' texts: a date read from what the user
// typed or pasted in any of the three calendars, that day in the three with its weekday,
// occasions and distance from today, the span between two days, a day some days, months or
// years on, and a day in the forms the copy commands offer. Pure functions; the dialog, the
// menus and velmora-cli write what they answer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_arithmetic.h"
#include "decisions/language.h"
#include "occasions/occasions.h"

namespace velmora {

// A calendar's name in a sentence: "Solar Hijri", "خورشیدی".
std::u16string calendarWord(Calendar calendar, Language language);

struct TypedDate {
    Calendar calendar = Calendar::jalali;
    CivilDate date;
};
// What the user typed, in the chosen calendar: numbers in any digits with any of the usual
// separators (1365/4/12, ۱۳۶۵-۰۴-۱۲), or the day, a month's name and the year (12 Tir 1365).
// A month's name of another calendar reads in that calendar, and a numeric year from 1800
// on (2026-12-09) in the Gregorian when a Hijri calendar is chosen: no one means the Solar
// Hijri year 1800 (AD 2421) or a lunar year past the table by it. None for any other text.
std::optional<TypedDate> readTypedDate(std::u16string_view text, Calendar chosen);

// The day of a typed date, or the words that say why the calendar lacks it ("Esfand 1404
// has 29 days.", "The lunar table holds 1300/01/01 to 1500/12/29.").
struct CheckedDate {
    std::optional<DayNumber> day;
    std::u16string problem;
};
CheckedDate checkTypedDate(const CalendarData& data, const TypedDate& typed, Language language);

// "12 years, 3 months and 4 days" ("۱۲ سال و ۳ ماه و ۴ روز"); the parts that are 0 left out,
// "0 days" for none.
std::u16string spanWords(const DateSpan& span, Language language);

// How far day is from today, the span counted in the given calendar's months: "Today",
// "Tomorrow", "In 32 days", "12 years, 3 months and 4 days ago (4478 days)".
std::u16string distanceWords(const CalendarData& data, Calendar calendar, DayNumber today, DayNumber day,
                             Language language);

// What the converter says of a day given in a calendar, one line each: its weekday, its
// date in the three calendars (the lunar one official or predicted), its holiday and
// occasions, its distance from today, and its day and week of the year.
std::u16string conversionText(const CalendarData& data, Calendar given, DayNumber day, DayNumber today,
                              Language language);

// From one day to another: the days, and the years, months and days in a calendar's months
// ("The same day" for none).
std::u16string betweenText(const CalendarData& data, Calendar countIn, DayNumber from, DayNumber to, Language language);

// A step to take from a date: "32", "+32d", "-6m", "1y", "2w", "۳۲ روز", "-۶ ماه" (days
// without a unit; up to a million days or 100000 months).
struct DateStep {
    std::int32_t count = 0;
    enum Unit { days, months } unit = days;
};
std::optional<DateStep> readDateStep(std::u16string_view text);
// The day the step leads to from day, months counted in the calendar (as addMonths does);
// none past what the calendar can show.
std::optional<DayNumber> stepDate(const CalendarData& data, Calendar calendar, DayNumber day, const DateStep& step);
// "18 Azar 1405 + 6 months: Monday 18 Khordad 1406", or the words saying it lies past the span.
std::u16string stepText(const CalendarData& data, Calendar calendar, DayNumber day, const DateStep& step,
                        Language language);

// The forms of a day the copy commands offer, in this order; the name each is kept by.
enum class CopyForm : std::int32_t { numericPersian, wordsPersian, iso, gregorian, lunar, allThree };
inline constexpr std::array<CopyForm, 6> kCopyForms = {
    CopyForm::numericPersian, CopyForm::wordsPersian, CopyForm::iso,
    CopyForm::gregorian,      CopyForm::lunar,        CopyForm::allThree};
std::u16string_view copyFormName(CopyForm form);
// The kept name as its form; the first form for an unknown or empty name.
CopyForm copyFormNamed(std::u16string_view name);
// Day n in the form: "۱۴۰۵/۰۹/۱۸", "چهارشنبه ۱۸ آذر ۱۴۰۵", "1405-09-18", "9 December 2026",
// "28 Jumada al-Thani 1448", and the three on one line (those two and the last in the
// interface's language). Empty for the lunar form of a day outside the lunar table.
std::u16string copyText(const CalendarData& data, DayNumber n, CopyForm form, Language language);

}  // namespace velmora
