#include "decisions/navigation.h"

#include <algorithm>

#include "calendar/month_names.h"
#include "calendar/native_digits.h"

namespace velmora {

const std::u16string_view* monthNamesOfMode(Calendar displayMode) {
    switch (displayMode) {
        case Calendar::jalali: return jalaliMonthNames;
        case Calendar::gregorian: return gregorianMonthNames;
        case Calendar::hijri: break;
    }
    return hijriMonthNames;
}

std::int32_t clampShownYear(std::int32_t year, Calendar displayMode, const HijriBounds& bounds) {
    if (displayMode == Calendar::hijri && hasLunarTable(bounds)) {
        const std::int32_t lo = dayNumberToGregorian(bounds.minJulianday).year;
        const std::int32_t hi = dayNumberToGregorian(bounds.maxJulianday).year;
        if (year < lo) return lo;
        if (year >= hi) return hi - 1;
        return year;
    }
    return std::clamp(year, kFirstShownGregorianYear, kLastShownGregorianYear);
}

namespace {

bool inSpan(std::int32_t year, std::int32_t low, std::int32_t high) { return year >= low && year <= high; }

DayNumber shownDayNumber(const NavigationState& state) {
    return gregorianToDayNumber(state.shown.year, state.shown.month, state.shown.day);
}

// The month of the mode's calendar that holds the shown date: what an unnamed month means.
std::int32_t shownMonthOfMode(const NavigationState& state, const NavigationContext& context) {
    return dayNumberToDate(state.displayMode, context.data.hijri(), shownDayNumber(state)).month;
}

std::int32_t resolveMonth(const NavigationState& state, const NavigationContext& context, std::int32_t month) {
    return month >= 1 && month <= 12 ? month : shownMonthOfMode(state, context);
}

// The landing rule: the named month is the month shown; a day past its end becomes its last.
DayNumber jalaliLanding(std::int32_t year, std::int32_t month, std::int32_t day) {
    if (month > 12) {
        year += 1;
        month -= 12;
    } else if (month < 1) {
        year -= 1;
        month += 12;
    }
    return jalaliToDayNumber(year, month, std::clamp(day, 1, jalaliMonthLength(year, month)));
}

CivilDate gregorianLanding(std::int32_t year, std::int32_t month, std::int32_t day) {
    return {year, month, std::clamp(day, 1, gregorianMonthLength(year, month))};
}

// A month outside the table counts from its start, as if it were the table's first year;
// navigation instead treats a month before the table as the table's first day and one after
// it as the day after its last, so that the bounds below hold it at the end it went past.
DayNumber hijriLanding(const NavigationContext& context, std::int32_t year, std::int32_t month, std::int32_t day) {
    const HijriBounds& bounds = context.data.bounds;
    if (!hasLunarTable(bounds)) {  // no table: the tabular calendar, everywhere
        const std::int32_t length = monthLength(Calendar::hijri, context.data.hijri(), year, month);
        return tabularHijriToDayNumber(year, month, std::clamp(day, 1, std::max(length, 1)));
    }
    if (year < bounds.minYear) return bounds.minJulianday;
    if (year > bounds.minYear && context.data.lunar.yearTotal(std::int64_t{year} - 1) == 0)
        return bounds.maxJulianday < kLastShownDay ? bounds.maxJulianday + 1 : bounds.maxJulianday;
    const std::int32_t length = monthLength(Calendar::hijri, context.data.hijri(), year, month);
    return hijriToDayNumber(context.data.hijri(), year, month, std::clamp(day, 1, std::max(length, 1)));
}

void clampYear(NavigationState& state, const NavigationContext& context) {
    state.shown.year = clampShownYear(state.shown.year, state.displayMode, context.data.bounds);
}

// One month on (+1) or back (-1) from the named month of the typed year.
void stepMonth(NavigationState& state, const NavigationContext& context, std::int32_t typedYear, std::int32_t named,
               std::int32_t direction) {
    const std::int32_t month = resolveMonth(state, context, named);
    // The year box holds at most eight digits: nothing wider reaches the year arithmetic.
    std::int32_t year = std::clamp(typedYear, -99999999, 99999999);
    std::int32_t target = month + direction;
    if (target > 12) {
        target = 1;
        year += 1;
    } else if (target < 1) {
        target = 12;
        year -= 1;
    }
    switch (state.displayMode) {
        case Calendar::jalali:
            if (!inSpan(state.shown.year, kFirstShownGregorianYear, kLastShownGregorianYear))
                return clampYear(state, context);
            state.shown = dayNumberToGregorian(jalaliLanding(year, target, 1));
            return;
        case Calendar::gregorian: {
            // The previous-month step accepts one year less at the lower end.
            const std::int32_t low = direction > 0 ? kFirstShownGregorianYear : kFirstShownGregorianYear + 1;
            if (!inSpan(state.shown.year, low, kLastShownGregorianYear)) return clampYear(state, context);
            state.shown = gregorianLanding(year, target, state.startDay);
            return;
        }
        case Calendar::hijri: {
            DayNumber n = hijriLanding(context, year, target, state.startDay);
            if (hasLunarTable(context.data.bounds)) {
                if (direction > 0) n = std::min(n, context.data.bounds.endHijri);
                if (direction < 0) n = std::max(n, context.data.bounds.minJulianday);
            }
            state.shown = dayNumberToGregorian(n);
            return;
        }
    }
}

}  // namespace

std::int32_t readYearEdit(std::u16string_view text) {
    text = text.substr(0, 8);  // the box is read into 9 characters
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\u00A0')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    std::int32_t value = 0;
    for (; i < text.size(); ++i) {
        const std::int32_t digit = decimalDigitValue(text[i]);
        if (digit < 0) break;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::int32_t findMonthIndex(std::u16string_view comboText, Calendar displayMode) {
    const std::u16string_view* names = monthNamesOfMode(displayMode);
    for (std::int32_t month = 1; month <= 12; ++month) {
        if (names[month] == comboText) return month;
    }
    return 0;
}

void showNextMonth(NavigationState& state, const NavigationContext& context, std::int32_t typedYear,
                   std::int32_t month) {
    stepMonth(state, context, typedYear, month, +1);
}

void showPreviousMonth(NavigationState& state, const NavigationContext& context, std::int32_t typedYear,
                       std::int32_t month) {
    stepMonth(state, context, typedYear, month, -1);
}

void selectMonth(NavigationState& state, const NavigationContext& context, std::int32_t typedYear, std::int32_t named) {
    switch (state.displayMode) {
        case Calendar::jalali: {
            const std::int32_t day = gregorianToJalali(state.pickedYear, state.pickedMonth, state.startDay).day;
            state.pickedYear = typedYear;
            // The upper bound is one above that of the buttons.
            if (!inSpan(state.shown.year, kFirstShownGregorianYear, kLastShownGregorianYear + 1))
                return clampYear(state, context);
            const std::int32_t month = resolveMonth(state, context, named);
            state.pickedMonth = month;
            state.shown = dayNumberToGregorian(jalaliLanding(state.pickedYear, month, day));
            return;
        }
        case Calendar::gregorian: {
            state.pickedYear = typedYear;
            if (!inSpan(state.shown.year, kFirstShownGregorianYear + 1, kLastShownGregorianYear))
                return clampYear(state, context);
            const std::int32_t month = resolveMonth(state, context, named);
            state.pickedMonth = month;
            state.shown = gregorianLanding(state.pickedYear, month, state.startDay);
            return;
        }
        case Calendar::hijri: {
            state.pickedYear = typedYear;
            if (!inSpan(state.shown.year, 622, kLastShownGregorianYear)) return clampYear(state, context);
            const std::int32_t month = resolveMonth(state, context, named);
            state.pickedMonth = month;
            state.shown = dayNumberToGregorian(hijriLanding(context, state.pickedYear, month, state.startDay));
            return;
        }
    }
}

void confirmYear(NavigationState& state, const NavigationContext& context, std::int32_t typedYear, std::int32_t named) {
    const DayNumber today = gregorianToDayNumber(context.today.year, context.today.month, context.today.day);
    const std::int32_t jalaliDay = dayNumberToJalali(today).day;
    const std::int32_t month = resolveMonth(state, context, named);
    state.shown.year = typedYear;
    switch (state.displayMode) {
        case Calendar::jalali:
            if (!inSpan(typedYear, kFirstShownGregorianYear, kLastShownGregorianYear)) return clampYear(state, context);
            state.shown = dayNumberToGregorian(jalaliLanding(typedYear, month, jalaliDay));
            return;
        case Calendar::gregorian:
            if (!inSpan(typedYear, kFirstShownGregorianYear, kLastShownGregorianYear)) return clampYear(state, context);
            state.shown = gregorianLanding(typedYear, month, context.today.day);
            return;
        case Calendar::hijri:
            // A lunar year outside 0 to 3621 is clamped as if it were a Gregorian year, which
            // puts the view at an end of the table.
            if (!inSpan(typedYear, 0, kLastShownGregorianYear)) return clampYear(state, context);
            state.shown = dayNumberToGregorian(hijriLanding(context, typedYear, month, jalaliDay));
            return;
    }
}

void stepYear(NavigationState& state, const NavigationContext& context, std::int32_t delta) {
    if (delta != -1 && delta != 1) return;
    const std::int32_t direction = -delta;  // the up arrow reports -1: one year on
    if (state.displayMode == Calendar::hijri) {
        clampYear(state, context);
        const CivilDate hijri = dayNumberToHijri(context.data.hijri(), shownDayNumber(state));
        state.shown = dayNumberToGregorian(dateToDayNumber(Calendar::hijri, context.data.hijri(),
                                                           std::clamp(hijri.year, -99999999, 99999999) + direction,
                                                           hijri.month, 1));
        return;
    }
    if (!inSpan(state.shown.year, kFirstShownGregorianYear, kLastShownGregorianYear)) return clampYear(state, context);
    state.shown.year += direction;
    // 29 February of a leap year steps to the last day of February.
    state.shown.day = std::min(state.shown.day, gregorianMonthLength(state.shown.year, state.shown.month));
}

void goToToday(NavigationState& state, const NavigationContext& context) { state.shown = context.today; }

void keepShownDateInSpan(NavigationState& state, const NavigationContext& context) {
    const HijriBounds& bounds = context.data.bounds;
    if (state.displayMode == Calendar::hijri && hasLunarTable(bounds)) clampYear(state, context);
    DayNumber n = std::clamp(shownDayNumber(state), kFirstShownDay, kLastShownDay);
    // Before the table's first day the nearest month is its first; the year rule above keeps
    // the shown date below the table's last Gregorian year.
    if (state.displayMode == Calendar::hijri && hasLunarTable(bounds)) n = std::max(n, firstDayOfLunarTable(bounds));
    state.shown = dayNumberToGregorian(n);
}

MonthControls monthControls(const NavigationState& state, const NavigationContext& context) {
    const CivilDate date = dayNumberToDate(state.displayMode, context.data.hijri(), shownDayNumber(state));
    return {std::u16string(formatCalendarNumber(state.displayMode, date.year).view()),
            std::clamp(date.month, 1, 12) - 1};
}

MonthButtonTips monthButtonTips(const NavigationState& state, const NavigationContext& context,
                                std::u16string_view jalaliComboText) {
    std::int32_t month = state.displayMode == Calendar::jalali ? findMonthIndex(jalaliComboText, Calendar::jalali)
                                                               : shownMonthOfMode(state, context);
    month = resolveMonth(state, context, month);
    const std::u16string_view* names = monthNamesOfMode(state.displayMode);
    return {std::u16string(names[month == 12 ? 1 : month + 1]), std::u16string(names[month == 1 ? 12 : month - 1])};
}

}  // namespace velmora
