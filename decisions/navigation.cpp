#include "decisions/navigation.h"

#include <algorithm>

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "calendar/native_digits.h"
#include "data/integer_text.h"

namespace velmora {

DaySpan daySpanOf(Calendar mode, const CalendarData& data) {
    if (!calendarRecord(mode).fromTable) return {};
    const HijriBounds& bounds = data.bounds();
    const DayNumber first = std::clamp(firstDayOfLunarTable(bounds), kFirstShownDay, kLastShownDay);
    return {first, std::clamp(bounds.endHijri, first, kLastShownDay)};
}

namespace {

std::int32_t lengthOf(const ShownMonth& shown, const CalendarData& data) {
    return std::max(monthLength(shown.mode, data.hijri(), shown.year, shown.month), 1);
}

// The month `step` months from the shown one, on the given day (its last when shorter).
ShownMonth monthAt(const ShownMonth& shown, const CalendarData& data, std::int32_t step, std::int32_t day) {
    ShownMonth target = shown;
    const std::int32_t index = shown.month - 1 + step;  // -1 to 12
    target.year += index < 0 ? -1 : index / 12;
    target.month = (index + 12) % 12 + 1;
    target.day = std::clamp(day, 1, lengthOf(target, data));
    return target;
}

// The day a month step lands on: the 1st in Jalali mode, the start day in the others.
std::int32_t landingDay(Calendar mode, const NavigationContext& context) {
    return calendarRecord(mode).stepsToFirstDay ? 1 : context.startDay;
}

}  // namespace

ShownMonth monthHolding(Calendar mode, const CalendarData& data, DayNumber n) {
    const CivilDate date = dayNumberToDate(mode, data.hijri(), n);
    return {mode, date.year, date.month, date.day};
}

DayNumber shownDayNumber(const ShownMonth& shown, const CalendarData& data) {
    return dateToDayNumber(shown.mode, data.hijri(), shown.year, shown.month, shown.day);
}

bool modeAvailable(Calendar mode, const CalendarData& data) {
    return !calendarRecord(mode).fromTable || hasLunarTable(data.bounds());
}

ShownMonth keepInSpan(ShownMonth shown, const NavigationContext& context) {
    const CalendarData& data = context.data;
    if (!modeAvailable(shown.mode, data)) shown = monthHolding(Calendar::jalali, data, shownDayNumber(shown, data));
    const DaySpan span = daySpanOf(shown.mode, data);
    // A year just outside the span first, so that no arithmetic below meets one far outside it.
    const std::int32_t firstYear = dayNumberToDate(shown.mode, data.hijri(), span.first).year;
    const std::int32_t lastYear = dayNumberToDate(shown.mode, data.hijri(), span.last).year;
    shown.year = std::clamp(shown.year, firstYear - 1, lastYear + 1);
    shown.month = std::clamp(shown.month, 1, 12);
    shown.day = std::clamp(shown.day, 1, lengthOf(shown, data));
    const DayNumber n = shownDayNumber(shown, data);
    if (n < span.first) return monthHolding(shown.mode, data, span.first);
    if (n > span.last) return monthHolding(shown.mode, data, span.last);
    return shown;
}

ShownMonth nextMonth(const ShownMonth& shown, const NavigationContext& context) {
    return keepInSpan(monthAt(shown, context.data, +1, landingDay(shown.mode, context)), context);
}

ShownMonth previousMonth(const ShownMonth& shown, const NavigationContext& context) {
    return keepInSpan(monthAt(shown, context.data, -1, landingDay(shown.mode, context)), context);
}

ShownMonth pickMonth(const ShownMonth& shown, const NavigationContext& context, std::int32_t month) {
    if (month < 1 || month > 12) return shown;
    const std::int32_t day = calendarRecord(shown.mode).stepsToFirstDay ? shown.day : context.startDay;
    return keepInSpan(monthAt(shown, context.data, month - shown.month, day), context);
}

ShownMonth enterYear(const ShownMonth& shown, const NavigationContext& context, std::int32_t year) {
    const DayNumber today = gregorianToDayNumber(context.today.year, context.today.month, context.today.day);
    const std::int32_t day = dayNumberToDate(shown.mode, context.data.hijri(), today).day;
    return keepInSpan({shown.mode, year, shown.month, day}, context);
}

YearSpan yearSpanOf(Calendar mode, const CalendarData& data) {
    const DaySpan span = daySpanOf(mode, data);
    return {dayNumberToDate(mode, data.hijri(), span.first).year, dayNumberToDate(mode, data.hijri(), span.last).year};
}

std::u16string yearSpanText(const YearSpan& span, Language language) {
    return numberText(span.first, language) + (language == Language::persian ? u" \u062A\u0627 " : u" to ") +
           numberText(span.last, language);
}

ShownMonth stepYear(const ShownMonth& shown, const NavigationContext& context, std::int32_t delta) {
    if (delta != -1 && delta != 1) return shown;
    ShownMonth target = shown;
    target.year -= delta;  // the up arrow reports -1: one year on
    target.day = std::clamp(shown.day, 1, lengthOf(target, context.data));
    return keepInSpan(target, context);
}

ShownMonth todayMonth(Calendar mode, const NavigationContext& context) {
    const CivilDate& today = context.today;
    return keepInSpan(monthHolding(mode, context.data, gregorianToDayNumber(today.year, today.month, today.day)),
                      context);
}

ShownMonth changeMode(const ShownMonth& shown, const NavigationContext& context, Calendar mode) {
    if (!modeAvailable(mode, context.data)) return shown;
    return keepInSpan(monthHolding(mode, context.data, shownDayNumber(shown, context.data)), context);
}

std::optional<std::int32_t> readYearEdit(std::u16string_view text) {
    text = text.substr(0, 8);  // the box is read into 9 characters
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\u00A0')) ++i;
    const IntegerScan scan = scanInteger(text.substr(i), DigitScripts::any);
    if (scan.digits == 0) return std::nullopt;
    return saturatedValue(scan);
}

MonthControls monthControls(const ShownMonth& shown, Language language, DigitChoice choice) {
    const Digits digits =
        chosenDigits(choice, language == Language::persian ? Digits::persian : calendarDigits(shown.mode));
    return {numberText(shown.year, digits), std::clamp(shown.month, 1, 12) - 1};
}

std::u16string monthBoxName(Calendar calendar, std::int32_t month, Language language) {
    if (language == Language::english) return monthWord(calendar, month, language);
    const MonthName& name = monthName(calendar, month);
    return std::u16string(calendarRecord(calendar).latinScript ? name.header : name.box);
}

MonthButtonTips monthButtonTips(const ShownMonth& shown, Language language) {
    const std::int32_t month = std::clamp(shown.month, 1, 12);
    return {monthBoxName(shown.mode, month == 12 ? 1 : month + 1, language),
            monthBoxName(shown.mode, month == 1 ? 12 : month - 1, language)};
}

}  // namespace velmora
