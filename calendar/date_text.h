// One way to write and read a date, in any calendar, language and digit set: every place
// that shows a date, a month or a day's number, or reads one that a user typed, goes
// through here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/calendar_record.h"
#include "calendar/language.h"
#include "calendar/native_digits.h"

namespace velmora {

enum class Digits { ascii, persian, arabicIndic };

// The interface's digits: Persian digits in the Persian interface, ASCII in the English.
constexpr Digits interfaceDigits(Language language) {
    return language == Language::persian ? Digits::persian : Digits::ascii;
}
// A calendar's own digits (Solar Hijri Persian, lunar Hijri Arabic-Indic, Gregorian ASCII).
Digits calendarDigits(Calendar calendar);

// Option > Digits: every number in the digits its calendar and the interface give it (the
// Solar Hijri day in Persian digits, the Gregorian in ASCII), or every number in one set.
enum class DigitChoice { asLanguage, persian, latin };
constexpr Digits chosenDigits(DigitChoice choice, Digits natural) {
    switch (choice) {
        case DigitChoice::persian: return Digits::persian;
        case DigitChoice::latin: return Digits::ascii;
        case DigitChoice::asLanguage: break;
    }
    return natural;
}
// Stored as "language", "persian" or "latin"; anything else is as the language has them.
DigitChoice digitChoiceOf(std::u16string_view stored);
std::u16string_view storedDigits(DigitChoice choice);

// A day's, a month's or a year's number of a calendar, in its own digits or the chosen ones.
DigitText calendarNumber(Calendar calendar, std::int32_t value, DigitChoice choice);

// A number: "-" and digits of the set.
std::u16string numberText(std::int64_t value, Digits digits);
inline std::u16string numberText(std::int64_t value, Language language) {
    return numberText(value, interfaceDigits(language));
}

// A month's name as a sentence of the language writes it: in Persian letters (Gregorian
// months too), or in Latin letters in English.
std::u16string monthWord(Calendar calendar, std::int32_t month, Language language);
// Day n's weekday as a sentence of the language writes it: "چهارشنبه", "Wednesday".
std::u16string weekdayWord(DayNumber n, Language language);

enum class DateForm {
    words,     // "18 Azar 1405", "۱۸ آذر ۱۴۰۵": the dialogs, the panel and the screen reader
    monthOf,   // "Azar 1405": a month's title
    dayMonth,  // "18 Azar": a day of the year in view
    numeric,   // "1405/09/18", "۱۴۰۵/۰۹/۱۸"
    iso,       // "1405-09-18", always ASCII: the converter and files
};

std::u16string dateText(Calendar calendar, const CivilDate& date, Language language, DateForm form = DateForm::words);
std::u16string dateText(Calendar calendar, const CivilDate& date, Language language, DateForm form, Digits digits);

// A date as a user types or pastes it, in the given calendar: year, month and day in digits
// of any script with "/", "-", "." or blanks between (1365/4/12, ۱۳۶۵-۰۴-۱۲), or the day, the
// month's name in either language and the year (12 Tir 1365, ۱۲ تیر ۱۳۶۵). Nothing where the
// text is none of these; the date is not checked against the calendar.
std::optional<CivilDate> readDate(Calendar calendar, std::u16string_view text);

}  // namespace velmora
